#include "core/link/ReceiveStreams.h"

#include "core/app/Bytes.h"

#include <vector>

namespace kvq {

std::optional<std::array<int, 3>> parseSensorTestLog(const QString& logText) {
    if (logText.size() != 21 || !logText.startsWith(QLatin1String("E5")))
        return std::nullopt;
    std::vector<std::uint8_t> b;
    if (!parseHexText(logText.mid(2).toStdString(), b) || b.size() != 6)
        return std::nullopt;
    return std::array<int, 3>{b[0] * 256 + b[1], b[2] * 256 + b[3], b[4] * 256 + b[5]};
}

} // namespace kvq
