#include "ui/app/Language.h"

#include "core/app/DataRoot.h"
#include "core/app/LanguageFiles.h"
#include "core/app/ShippedData.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTranslator>

Q_LOGGING_CATEGORY(lcLanguage, "kvq.language")

namespace kvq {

std::array<LanguageMenuEntry, kLanguageEntries> languageMenuEntries(const Settings& settings) {
    std::array<LanguageMenuEntry, kLanguageEntries> entries;
    entries[0] = {QStringLiteral("Deutsch"), 1031, kGermanAbbreviation, QStringLiteral("KVQ_Help_de.chm"),
                  true};
    entries[1] = {QStringLiteral("English"), 2057, QStringLiteral("ENG"), QStringLiteral("KVQ_Help_eng.chm"),
                  true};
    for (int i = 0; i < 4; ++i) {
        const LanguageEntry& r = settings.languages[static_cast<std::size_t>(i)];
        const QString name = r.NAME.trimmed();
        entries[static_cast<std::size_t>(i + 2)] = {r.NAME, r.CODE, r.ISONAME.trimmed(), QString(),
                                                    !name.isEmpty() && name != QStringLiteral("----")};
    }
    return entries;
}

Translations::Translations(QStringList folders) : folders_(std::move(folders)) {
    if (folders_.isEmpty())
        for (const QString& f : shippedDataFolders(programFolder()))
            folders_ << QDir(f).filePath(QStringLiteral("translations"));
}

Translations::~Translations() {
    if (translator_)
        QCoreApplication::removeTranslator(translator_.get());
}

QString Translations::fileFor(const QString& abbreviation) const {
    for (const QString& name : translationFileNames(abbreviation))
        for (const QString& folder : folders_) {
            const QString path = QDir(folder).filePath(name);
            if (QFileInfo(path).isFile())
                return path;
        }
    return {};
}

bool Translations::load(const QString& abbreviation) {
    const bool german = abbreviation.compare(kGermanAbbreviation, Qt::CaseInsensitive) == 0;
    auto next = std::make_unique<QTranslator>();
    const QString path = fileFor(abbreviation);
    const bool loaded = !path.isEmpty() && next->load(path);
    if (!loaded) {
        if (!german) {
            qCInfo(lcLanguage) << "no translation for" << abbreviation;
            return false;
        }
        next.reset(); // the source texts are German
    }
    // The new translator goes in before the old one leaves, so windows retranslate once per switch.
    if (next)
        QCoreApplication::installTranslator(next.get());
    if (translator_)
        QCoreApplication::removeTranslator(translator_.get());
    translator_ = std::move(next);
    active_ = german ? kGermanAbbreviation : abbreviation;
    return true;
}

void applyRememberedLanguage(Translations& translations, const QString& rememberedPath) {
    const QString abbreviation = readRememberedLanguage(rememberedPath);
    if (!abbreviation.isEmpty())
        translations.load(abbreviation);
}

} // namespace kvq
