#include "core/wmbus/ManufacturerDescriptions.h"

#include "core/app/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace kvq::wmbus {

ManufacturerDescriptions::ManufacturerDescriptions(QString filePath) : filePath_(std::move(filePath)) {}

QString ManufacturerDescriptions::defaultPath() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("mbusMANCODE.txt"));
}

QString breakAtFirstComma(const QString& text) {
    const qsizetype comma = text.indexOf(u',');
    if (comma < 0)
        return text;
    return text.left(comma) + u'\n' + text.mid(comma + 1);
}

QString ManufacturerDescriptions::rawText(const QString& code) const {
    const auto ini = IniFile::load(filePath_);
    return ini.ok() ? ini->readString(QStringLiteral("MANCODE"), code) : QString();
}

Result<QString> ManufacturerDescriptions::describe(const QString& code) const {
    const auto ini = QFileInfo(filePath_).isFile() ? IniFile::load(filePath_) : Result<IniFile>(IniFile());
    if (!ini.ok() || !ini->existed())
        return Result<QString>::failure(QStringLiteral("File ") + QDir::toNativeSeparators(filePath_) +
                                            QStringLiteral(" missing!"),
                                        ErrorCode::FileAccess);
    return breakAtFirstComma(
        ini->readString(QStringLiteral("MANCODE"), code, QStringLiteral("keine Information")));
}

} // namespace kvq::wmbus
