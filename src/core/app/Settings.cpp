#include "core/app/Settings.h"

#include "core/app/DataRoot.h"

namespace kvq {

namespace {
const QString kWindow = QStringLiteral("WINDOW");
const QString kZeitzone = QStringLiteral("Zeitzone");
const QString kLang = QStringLiteral("LANG");
const QString kWmbus = QStringLiteral("WMBUS");
const QString kStateList = QStringLiteral("STATELIST");
const QString kManCodes = QStringLiteral("WMBUSMANCODE");
} // namespace

QString Settings::defaultCsvPath() {
    return dataPath({QStringLiteral("QUELMAR"), QStringLiteral("consumption")});
}

void Settings::read(const IniFile& ini) {
    windowTop = ini.readInteger(kWindow, QStringLiteral("TOP"), 0);
    windowWidth = ini.readInteger(kWindow, QStringLiteral("WIDTH"), 933);
    windowHeight = ini.readInteger(kWindow, QStringLiteral("HEIGHT"), 723);
    windowLeft = ini.readInteger(kWindow, QStringLiteral("LEFT"), 0);

    link.read(ini);

    TimeZoneDiff = ini.readInteger(kZeitzone, QStringLiteral("Diff"), 0);

    for (int i = 0; i < 4; ++i) {
        const QString sec = QStringLiteral("LANG%1").arg(i + 1);
        languages[i].NAME = ini.readString(sec, QStringLiteral("NAME"), QStringLiteral("----"));
        languages[i].CODE = ini.readInteger(sec, QStringLiteral("CODE"), 2057);
        languages[i].ISONAME = ini.readString(sec, QStringLiteral("ISONAME"), QStringLiteral("ENG"));
    }
    helpFile = ini.readString(kLang, QStringLiteral("HELPFILE"), QStringLiteral("KVQ_Help_de.chm"));

    Geraeteliste = ini.readString(kWmbus, QStringLiteral("Geraeteliste"), {});
    AutoLoad = ini.readBool(kWmbus, QStringLiteral("AutoLoad"), false);
    NurUpdate = ini.readBool(kWmbus, QStringLiteral("NurUpdate"), true);
    RECEIVERTYPE = ini.readInteger(kWmbus, QStringLiteral("RECEIVERTYPE"), 0);
    WMBUSmode = ini.readInteger(kWmbus, QStringLiteral("WMBUSmode"), 0);
    Smode = ini.readBool(kWmbus, QStringLiteral("Smode"), false);
    Tmode = ini.readBool(kWmbus, QStringLiteral("Tmode"), true);
    Cmode = ini.readBool(kWmbus, QStringLiteral("Cmode"), false);
    ScannAn = false;
    MANCODEINDEX = ini.readInteger(kWmbus, QStringLiteral("MANCODEINDEX"), 0);
    CSVPath = ini.readString(kWmbus, QStringLiteral("CSVPath"), defaultCsvPath());

    // S and T exclude each other; an undecided file falls back to T.
    if (Smode == Tmode) {
        Smode = false;
        Tmode = true;
    }

    statusMasks.clear();
    const int max = std::min(ini.readInteger(kStateList, QStringLiteral("MAX"), 0), kMaxStatusMasks);
    for (int n = 1; n <= max; ++n) {
        StatusMaskEntry e;
        e.deviceVersion = ini.readString(kStateList, QStringLiteral("STDEVVER%1").arg(n), {});
        e.medium = ini.readString(kStateList, QStringLiteral("STMEDIUM%1").arg(n), {});
        e.maskName = ini.readString(kStateList, QStringLiteral("STATUSMASKE%1").arg(n), {});
        for (int b = 0; b < 16; ++b)
            e.bitTexts[b] = e.maskName.isEmpty()
                                ? QString()
                                : ini.readString(e.maskName, QStringLiteral("B%1").arg(b), {});
        statusMasks.push_back(std::move(e));
    }

    manufacturerCodes.clear();
    for (const auto& [key, value] : ini.entries(kManCodes))
        manufacturerCodes << value;
}

void Settings::write(IniFile& ini) const {
    ini.writeInteger(kWindow, QStringLiteral("TOP"), windowTop);
    ini.writeInteger(kWindow, QStringLiteral("WIDTH"), windowWidth);
    ini.writeInteger(kWindow, QStringLiteral("HEIGHT"), windowHeight);
    ini.writeInteger(kWindow, QStringLiteral("LEFT"), windowLeft);

    link.write(ini);

    ini.writeInteger(kZeitzone, QStringLiteral("Diff"), TimeZoneDiff);
    ini.writeString(kLang, QStringLiteral("HELPFILE"), helpFile);

    ini.eraseSection(kWmbus);
    ini.writeString(kWmbus, QStringLiteral("Geraeteliste"), Geraeteliste);
    ini.writeBool(kWmbus, QStringLiteral("AutoLoad"), AutoLoad);
    ini.writeBool(kWmbus, QStringLiteral("NurUpdate"), NurUpdate);
    ini.writeInteger(kWmbus, QStringLiteral("RECEIVERTYPE"), RECEIVERTYPE);
    ini.writeInteger(kWmbus, QStringLiteral("WMBUSmode"), WMBUSmode);
    ini.writeBool(kWmbus, QStringLiteral("Smode"), Smode);
    ini.writeBool(kWmbus, QStringLiteral("Tmode"), Tmode);
    ini.writeBool(kWmbus, QStringLiteral("Cmode"), Cmode);
    ini.writeBool(kWmbus, QStringLiteral("ScannAn"), ScannAn);
    ini.writeInteger(kWmbus, QStringLiteral("MANCODEINDEX"), MANCODEINDEX);
    ini.writeString(kWmbus, QStringLiteral("CSVPath"), CSVPath);

    ini.eraseSection(kManCodes);
    for (int i = 0; i < manufacturerCodes.size(); ++i)
        ini.writeString(kManCodes, QStringLiteral("MC%1").arg(i + 1), manufacturerCodes[i]);
}

QRect Settings::windowRect(int desktopWidth) const {
    return fitWindowToDesktop(QRect(windowLeft, windowTop, windowWidth, windowHeight), desktopWidth);
}

QRect fitWindowToDesktop(QRect stored, int desktopWidth) {
    if (stored.left() + stored.width() > desktopWidth) {
        stored.moveLeft(0);
        stored.setWidth(desktopWidth - 20);
    }
    return stored;
}

QString timeZoneText(const QString& caption, int diff) {
    return caption + u' ' + (diff > 0 ? QStringLiteral("+") : QString()) + QString::number(diff) +
           QStringLiteral(" h");
}

} // namespace kvq
