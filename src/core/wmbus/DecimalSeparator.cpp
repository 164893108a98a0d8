#include "core/wmbus/DecimalSeparator.h"

namespace kvq::wmbus {

char decimalSeparatorOf(const QLocale& locale) {
    const QString point = locale.decimalPoint();
    if (point.size() == 1 && point[0].unicode() > 0x20 && point[0].unicode() < 0x7F)
        return static_cast<char>(point[0].unicode());
    return ',';
}

} // namespace kvq::wmbus
