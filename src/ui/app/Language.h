#pragma once
// The language service behind the "Sprache" menu: the menu's entries, the translation that is active
// and the language remembered for the next start.
//
// German is the program's own language (the source texts); every other language is a translation file
// kvq_<abbreviation>.qm in the translations folder of the shipped data. Loading a language installs its
// translator, and Qt then sends every existing window a LanguageChange event: windows retranslate in
// changeEvent (see ToolWindow::retranslate).

#include "core/app/Settings.h"

#include <QString>
#include <QStringList>
#include <array>
#include <memory>

class QTranslator;

namespace kvq {

// One entry of the "Sprache" menu.
struct LanguageMenuEntry {
    QString caption;      // "Deutsch", "English" or the reserve language's NAME
    int code = 0;         // locale code: 1031, 2057 or CODE of the reserve language
    QString abbreviation; // remembered for the next start and naming the file: "DE", "ENG", ISONAME
    QString helpFile;     // help file of the language; empty for the reserve languages (it stays)
    bool visible = true;  // a reserve entry whose NAME is "----" or missing is hidden
};

inline constexpr int kLanguageEntries = 6;
inline const QString kGermanAbbreviation = QStringLiteral("DE");

// Deutsch, English and the four reserve languages of the settings, in menu order.
std::array<LanguageMenuEntry, kLanguageEntries> languageMenuEntries(const Settings& settings);

class Translations {
public:
    // Translation files are looked up in `folders`; by default the translations folders of the shipped
    // data (beside the program, then the installation's data folder).
    explicit Translations(QStringList folders = {});
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // Makes the language active. German always succeeds: its file, when there is one, only adjusts the
    // source texts. Another language needs its file; without one (or with a broken one) nothing changes
    // and the result is false.
    bool load(const QString& abbreviation);
    // The active language's abbreviation as it was chosen ("DE" at start).
    const QString& active() const { return active_; }
    // The file that would be loaded for an abbreviation; empty when there is none.
    QString fileFor(const QString& abbreviation) const;

private:
    QStringList folders_;
    std::unique_ptr<QTranslator> translator_;
    QString active_ = kGermanAbbreviation;
};

// At start-up, before the first window: makes the remembered language active. An unknown or missing
// language leaves German.
void applyRememberedLanguage(Translations& translations, const QString& rememberedPath);

} // namespace kvq
