#include "core/app/LanguageFiles.h"

#include "core/app/IniFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace kvq {

namespace {
const QString kSection = QStringLiteral("LANG");
const QString kKey = QStringLiteral("ISONAME");
} // namespace

QString rememberedLanguagePath() {
    QString folder = qEnvironmentVariable("KVQ_USER_CONFIG");
    if (folder.isEmpty())
        folder = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                     .filePath(QStringLiteral("kvq-commander"));
    return QDir(folder).filePath(QStringLiteral("kvq-user.ini"));
}

QString readRememberedLanguage(const QString& path) {
    const auto ini = IniFile::load(path);
    if (!ini.ok())
        return {};
    return ini->readString(kSection, kKey).trimmed();
}

Status rememberLanguage(const QString& path, const QString& abbreviation) {
    auto loaded = IniFile::load(path);
    if (!loaded.ok())
        return Status::failure(loaded.message());
    IniFile ini = std::move(loaded).value();
    ini.writeString(kSection, kKey, abbreviation);
    // A folder that cannot be made lets the save fail, with the file's name and the reason.
    QDir().mkpath(QFileInfo(path).absolutePath());
    return ini.save(path);
}

QStringList translationFileNames(const QString& abbreviation) {
    // Only letters, digits, '-' and '_' may become part of a file name.
    static const QRegularExpression safe(QStringLiteral("^[A-Za-z0-9_-]+$"));
    const QString a = abbreviation.trimmed().toLower();
    if (!safe.match(a).hasMatch())
        return {};
    QStringList names{QStringLiteral("kvq_%1.qm").arg(a)};
    if (a.size() > 2)
        names << QStringLiteral("kvq_%1.qm").arg(a.left(2));
    return names;
}

QString manualPageFor(const QString& helpFile) {
    const QString base = QFileInfo(helpFile).completeBaseName().toLower();
    const bool english = base.endsWith(QStringLiteral("_eng")) || base.endsWith(QStringLiteral("_en"));
    return english ? QStringLiteral("manual/en/index.html") : QStringLiteral("manual/de/index.html");
}

} // namespace kvq
