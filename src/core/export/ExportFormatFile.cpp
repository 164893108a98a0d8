#include "core/export/ExportFormatFile.h"

#include "core/app/DataRoot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace kvq::exporting {

namespace {

const QString kOption = QStringLiteral("Option_");
const QString kRfidMax = QStringLiteral("FILT_RFIDMAX");
const QString kRfidMin = QStringLiteral("FILT_RFIDMIN");
const QString kMc = QStringLiteral("FILT_MC");
const QString kMedium = QStringLiteral("FILT_MEDIUM");
const QString kLaenge = QStringLiteral("FILT_LAENGE");
const QString kEnable = QStringLiteral("FILT_ENABLE");

bool has(const QString& key, const QString& part) {
    return key.contains(part, Qt::CaseInsensitive);
}

} // namespace

QString exportFormatFilePath() {
    const QString folder = dataPath({QStringLiteral("QUELMAR"), QStringLiteral("EXPORTFORMAT")});
    QDir().mkpath(folder);
    return QDir(folder).filePath(QStringLiteral("Exportformat.EXF"));
}

ExportFormat readExportFormat(const IniFile& ini, const QString& section, QStringList* messages) {
    auto note = [&](const QString& text) {
        if (messages)
            *messages << QStringLiteral("[%1] %2").arg(section, text);
    };
    ExportFilter filter;
    std::vector<ExportColumn> columns;
    QHash<QString, qsizetype> columnOf; // lower-case source name -> position
    std::vector<std::pair<QString, QString>> options;
    bool cut = false;
    for (const auto& [key, value] : ini.entries(section)) {
        if (has(key, kRfidMax)) {
            filter.rfidMax = value;
        } else if (has(key, kRfidMin)) {
            filter.rfidMin = value;
        } else if (has(key, kMc)) {
            filter.mc = value;
        } else if (has(key, kMedium)) {
            filter.medium = value;
        } else if (has(key, kLaenge)) {
            filter.laenge = value;
        } else if (has(key, kEnable)) {
            filter.enabled = filterNumber(value) != 0;
        } else if (has(key, kOption)) {
            const qsizetype at = key.indexOf(kOption, 0, Qt::CaseInsensitive);
            options.emplace_back(key.mid(at + kOption.size()), value);
        } else if (columnOf.contains(key.toLower())) {
            note(QCoreApplication::translate("kvq::CoreTexts", "Spalte %1 steht doppelt; die erste gilt")
                     .arg(key));
        } else if (int(columns.size()) >= kMaxColumns) {
            cut = true;
        } else {
            columnOf.insert(key.toLower(), qsizetype(columns.size()));
            columns.push_back(ExportColumn{key, value, {}});
        }
    }
    if (cut)
        note(QCoreApplication::translate("kvq::CoreTexts",
                                         "mehr als %1 Spalten; die übrigen werden nicht geladen")
                 .arg(kMaxColumns));
    // Options belong to their column by name, so a missing or extra option key shifts nothing.
    QSet<QString> optionSeen;
    for (const auto& [source, option] : options) {
        const QString k = source.toLower();
        const auto it = columnOf.constFind(k);
        if (it == columnOf.cend()) {
            if (!cut)
                note(QCoreApplication::translate("kvq::CoreTexts", "Option für %1, das keine Spalte ist")
                         .arg(source));
        } else if (!optionSeen.contains(k)) {
            optionSeen.insert(k);
            columns[std::size_t(*it)].option = option;
        }
    }
    return ExportFormat(section, std::move(columns), filter);
}

void writeExportFormat(IniFile& ini, const ExportFormat& format, const QString& oldName) {
    if (!oldName.isEmpty())
        ini.eraseSection(oldName);
    ini.eraseSection(format.name());
    const QString& s = format.name();
    for (const ExportColumn& c : format.columns()) {
        ini.writeString(s, c.source, c.heading);
        ini.writeString(s, kOption + c.source, c.option);
    }
    const ExportFilter& f = format.filter();
    ini.writeString(s, kRfidMax, f.rfidMax);
    ini.writeString(s, kRfidMin, f.rfidMin);
    ini.writeString(s, kMc, f.mc);
    ini.writeString(s, kMedium, f.medium);
    ini.writeString(s, kLaenge, f.laenge);
    ini.writeString(s, kEnable, f.enabled ? QStringLiteral("1") : QStringLiteral("0"));
}

QString formatNameProblem(const QString& name) {
    const QString t = name.trimmed();
    if (t.isEmpty())
        return QCoreApplication::translate("kvq::CoreTexts", "Der Name des Export-Formats ist leer.");
    if (t != name || t == QLatin1String(".") || t == QLatin1String("..") ||
        t.contains(QRegularExpression(QStringLiteral(R"([\[\]\\/:*?"<>|\r\n\t=])"))))
        return QStringLiteral("Der Name \"%1\" kann nicht als Export-Format und Dateiname dienen "
                              "(keine Zeichen [ ] \\ / : * ? \" < > | = und keine Leerzeichen am Rand).")
            .arg(name);
    return {};
}

QString columnNameProblem(const QString& source) {
    const QString t = source.trimmed();
    if (t.isEmpty())
        return QCoreApplication::translate("kvq::CoreTexts", "Eine Spalte hat keinen Namen.");
    if (t != source || t.startsWith(u'[') || t.startsWith(u';') || t.contains(u'=') || t.contains(u'\n') ||
        t.contains(u'\r'))
        return QStringLiteral("Der Spaltenname \"%1\" kann nicht gespeichert werden.").arg(source);
    for (const QString& reserved : {kOption, kRfidMax, kRfidMin, kMc, kMedium, kLaenge, kEnable})
        if (has(t, reserved))
            return QStringLiteral("Der Spaltenname \"%1\" enthält \"%2\" und würde beim Laden als "
                                  "Option oder Filter gelesen.")
                .arg(source, reserved);
    return {};
}

} // namespace kvq::exporting
