#include "core/app/AtomicFile.h"

#include <QSaveFile>

namespace kvq {

Status writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Status::failure(QStringLiteral("%1: %2").arg(path, file.errorString()), ErrorCode::FileAccess);
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return Status::failure(QStringLiteral("%1: %2").arg(path, why), ErrorCode::FileAccess);
    }
    if (!file.commit())
        return Status::failure(QStringLiteral("%1: %2").arg(path, file.errorString()), ErrorCode::FileAccess);
    return {};
}

} // namespace kvq
