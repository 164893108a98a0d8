#include "core/firmware/FirmwareFile.h"

#include <QFile>

namespace kvq::firmware {

Result<std::vector<std::uint8_t>> readFirmwareFile(const QString& path) {
    using R = Result<std::vector<std::uint8_t>>;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return R::failure(file.errorString(), int(FirmwareFileError::Unreadable));
    // One byte more than the limit is enough to know the file is too large.
    const QByteArray bytes = file.read(qint64(kMaxFirmwareSize) + 1);
    if (file.error() != QFileDevice::NoError)
        return R::failure(file.errorString(), int(FirmwareFileError::Unreadable));
    if (bytes.isEmpty())
        return R::failure(QString(), int(FirmwareFileError::Empty));
    if (std::size_t(bytes.size()) > kMaxFirmwareSize)
        return R::failure(QString(), int(FirmwareFileError::TooLarge));
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

} // namespace kvq::firmware
