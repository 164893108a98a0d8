#include "ui/devices/common/FormBinder.h"

namespace kvq {

BindingError::BindingError(const QString& control, const char* expectedClass)
    : std::runtime_error(QStringLiteral("control %1 (%2) is missing from the window")
                             .arg(control, QString::fromLatin1(expectedClass))
                             .toStdString()),
      control_(control) {}

} // namespace kvq
