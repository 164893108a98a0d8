#include "core/app/DataRoot.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace kvq {

QString dataRoot() {
    const QString over = qEnvironmentVariable("KVQ_DOCUMENTS");
    if (!over.isEmpty())
        return QDir::cleanPath(over);
#ifdef Q_OS_WIN
    const QString pub = qEnvironmentVariable("PUBLIC");
    if (!pub.isEmpty())
        return QDir::cleanPath(pub + QStringLiteral("/Documents"));
#endif
    QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (docs.isEmpty())
        docs = QDir::homePath();
    return QDir::cleanPath(docs);
}

QString dataPath(std::initializer_list<QString> parts) {
    QString path = dataRoot();
    for (const QString& p : parts)
        path += QLatin1Char('/') + p;
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

QString settingsFolder() {
    return dataPath({QStringLiteral("QUELMAR"), QStringLiteral("KVQ")});
}

QString settingsFilePath() {
    return dataPath({QStringLiteral("QUELMAR"), QStringLiteral("KVQ"), QStringLiteral("KVQ.INI")});
}

QString programFolder() {
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

} // namespace kvq
