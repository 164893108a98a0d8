#pragma once
// The program settings held in KVQ.INI: read once at start-up, written at exit and when the settings
// window is confirmed. Unknown sections and keys of the file are kept.

#include "core/app/IniFile.h"
#include "core/link/LinkSettings.h"

#include <QRect>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace kvq {

// Reserve language entry of the language menu.
struct LanguageEntry {
    QString NAME = QStringLiteral("----");
    int CODE = 2057;
    QString ISONAME = QStringLiteral("ENG");
};

// Status-word texts for one device version and medium.
struct StatusMaskEntry {
    QString deviceVersion; // STDEVVERn
    QString medium;        // STMEDIUMn
    QString maskName;      // STATUSMASKEn: names the section with the bit texts
    std::array<QString, 16> bitTexts;
};

struct Settings {
    // WINDOW
    int windowTop = 0, windowWidth = 933, windowHeight = 723, windowLeft = 0;
    // COM and Version (read only)
    LinkSettings link;
    // Zeitzone
    int TimeZoneDiff = 0;
    // LANG1..LANG4, LANG
    std::array<LanguageEntry, 4> languages;
    QString helpFile = QStringLiteral("KVQ_Help_de.chm");
    // WMBUS
    QString Geraeteliste;
    bool AutoLoad = false;
    bool NurUpdate = true;
    int RECEIVERTYPE = 0;
    int WMBUSmode = 0;
    bool Smode = false, Tmode = true, Cmode = false;
    bool ScannAn = false; // never read: the scan switch starts off
    int MANCODEINDEX = 0;
    QString CSVPath;
    // STATELIST (at most 10 entries) and WMBUSMANCODE
    std::vector<StatusMaskEntry> statusMasks;
    QStringList manufacturerCodes;

    static constexpr int kMaxStatusMasks = 10;

    // The default export folder: a folder below the data root on this platform.
    static QString defaultCsvPath();

    // Reads every key in order with its defaults and applies the S/T mode rule.
    void read(const IniFile& ini);
    // Writes the keys kept at exit; WMBUS and WMBUSMANCODE are erased and written anew.
    void write(IniFile& ini) const;

    // Geometry from the file, moved onto a desktop of the given width.
    QRect windowRect(int desktopWidth) const;
};

// Left edge and width of a stored window on a desktop: a window reaching past the right edge starts
// at 0 with the desktop width minus 20.
QRect fitWindowToDesktop(QRect stored, int desktopWidth);

// "PC-ZEIT: +2 h", "PC-ZEIT: -3 h", "PC-ZEIT: 0 h".
QString timeZoneText(const QString& caption, int diff);

} // namespace kvq
