#include "core/app/ShippedData.h"

#include "core/app/DataRoot.h"

#include <QDir>
#include <QFileInfo>

#ifndef KVQ_DATA_FROM_PROGRAM
#define KVQ_DATA_FROM_PROGRAM "../share/kvq-commander"
#endif

namespace kvq {

QStringList shippedDataFolders(const QString& programFolder) {
    const QDir program(programFolder);
    return {QDir::cleanPath(program.absolutePath()),
            QDir::cleanPath(program.absoluteFilePath(QStringLiteral(KVQ_DATA_FROM_PROGRAM)))};
}

QString shippedDataFile(const QString& name, const QString& programFolder) {
    const QStringList folders = shippedDataFolders(programFolder);
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo(path).isFile())
            return path;
    }
    return QDir(folders.back()).filePath(name);
}

QString shippedDataFile(const QString& name) {
    return shippedDataFile(name, programFolder());
}

} // namespace kvq
