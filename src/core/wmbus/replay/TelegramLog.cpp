#include "core/wmbus/replay/TelegramLog.h"

namespace kvq::wmbus {

Status TelegramLog::open(const QString& path) {
    close();
    file_.setFileName(path);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Append))
        return Status::failure(QStringLiteral("%1: %2").arg(path, file_.errorString()),
                               ErrorCode::FileAccess);
    return {};
}

void TelegramLog::close() {
    if (file_.isOpen())
        file_.close();
}

Status TelegramLog::append(const QString& line) {
    if (!file_.isOpen())
        return Status::failure(QStringLiteral("telegram log is not open"), ErrorCode::FileAccess);
    QByteArray bytes = line.toLatin1();
    bytes += kLineEnd;
    if (file_.write(bytes) != bytes.size() || !file_.flush())
        return Status::failure(QStringLiteral("%1: %2").arg(file_.fileName(), file_.errorString()),
                               ErrorCode::FileAccess);
    return {};
}

} // namespace kvq::wmbus
