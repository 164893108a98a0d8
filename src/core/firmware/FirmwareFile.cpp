#include "core/firmware/FirmwareFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace kvq::firmware {

Result<std::vector<std::uint8_t>> readFirmwareFile(const QString& path) {
    using R = Result<std::vector<std::uint8_t>>;
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return R::failure(
            QCoreApplication::translate("FirmwareFile", "Die Datei %1 kann nicht gelesen werden: %2")
                .arg(shown, file.errorString()),
            ErrorCode::FileAccess);
    // One byte more than the limit is enough to know the file is too large.
    const QByteArray bytes = file.read(qint64(kMaxFirmwareSize) + 1);
    if (file.error() != QFileDevice::NoError)
        return R::failure(
            QCoreApplication::translate("FirmwareFile", "Die Datei %1 kann nicht gelesen werden: %2")
                .arg(shown, file.errorString()),
            ErrorCode::FileAccess);
    if (bytes.isEmpty())
        return R::failure(QCoreApplication::translate("FirmwareFile", "Die Datei %1 ist leer.").arg(shown),
                          ErrorCode::BadInput);
    if (std::size_t(bytes.size()) > kMaxFirmwareSize)
        return R::failure(
            QCoreApplication::translate(
                "FirmwareFile", "Die Datei %1 ist zu groß: das Funkaufsatzmodul fasst höchstens %2 Byte.")
                .arg(shown, QString::number(kMaxFirmwareSize)),
            ErrorCode::BadInput);
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

} // namespace kvq::firmware
