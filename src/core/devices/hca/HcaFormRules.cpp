#include "core/devices/hca/HcaFormRules.h"

#include "core/devices/common/GermanNumbers.h"
#include "core/devices/common/SendSchedule.h"

#include <QCoreApplication>
#include <algorithm>

namespace kvq::hca {

namespace {

int countChecked(const auto& boxes) {
    return static_cast<int>(std::count(boxes.begin(), boxes.end(), true));
}

void clearSpecialDisplays(HcaForm& f) {
    f.RadioButtonZeit = f.RadioButtonZaehler = f.RadioButtonTemp = false;
}

QString filtered(const QString& text, auto accept, qsizetype maxLength = -1) {
    QString out;
    for (QChar c : text) {
        if (maxLength >= 0 && out.size() >= maxLength)
            break;
        if (accept(c))
            out.append(c);
    }
    return out;
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

void refreshDerived(HcaForm& f) {
    f.RadioButton_Funk_S1Caption = f.extendedFirmware ? QCoreApplication::translate("HcaForm", "WMBUS C1")
                                                      : QCoreApplication::translate("HcaForm", "WMBUS S1");
    f.CheckBoxAESM7Enabled = f.extendedFirmware;
    if (!f.extendedFirmware)
        f.CheckBoxAESM7 = false;
    f.EditKQEnabled = !f.RadioButtonESkala;
    f.Edit1TempOffsetEnabled = f.CheckBoxKorrEdit;
    f.EditAESKEYEnabled = f.CheckBoxAESenable && !f.CheckBoxAutoAES;
    f.CheckBoxShortProtEnabled = !f.alwaysShort && (f.RadioButton_Funk_T1 || f.extendedFirmware);
    f.identityEditsEnabled = !f.CheckBox1keineSNrueberschr;
    f.GroupBoxFunkVisible = f.CheckBoxFunk;
    f.GroupBoxTestmodeRed = f.RadioButtonTestMode;
    updateSchedule(f);
}

void applyPresets(HcaForm& f) {
    f.CheckBox1LCD_ON = f.CheckBox5Speed = f.CheckBoxSonderAnz = f.CheckBoxMessfrei_Enabled = false;
    f.CheckBoxAutoTime = false;
    f.RadioButtonESkala = true;
    f.RadioButtonPSkala = false;
    f.CheckBox1CSfehler = f.CheckBox1MessFehler = f.CheckBox1Sabotage = f.CheckBox1LowBatt = false;
    f.CheckBoxHFError = f.CheckBoxRESET = false;
    f.RadioButton1StartMenue = true;
    f.RadioButton2Stromtest = f.RadioButton3Lager = false;
    clearSpecialDisplays(f);
    f.RadioButtonTestMode = false;
    f.LabelFehlerdatum = QCoreApplication::translate("HcaForm", "Fehlerdatum:");
    f.ComboBoxStartmonat = 0;
    f.freeMonths.fill(true);
    f.CheckBox4StartMessung = true;
    for (QString* e :
         {&f.Edit1TempOffset, &f.Edit1GeraeteID, &f.EditFunkID, &f.Edit1BattMon, &f.Edit1BattJahr,
          &f.Edit1Zaehlerst, &f.Edit1ZaehlerstVorj, &f.Edit1Verbrauch, &f.Edit1VorVerbrauch})
        *e = QStringLiteral("0");
    f.EditK1 = QStringLiteral("1538");
    f.EditK2 = QStringLiteral("2500");
    f.EditKQ = QStringLiteral("1000");
    f.Edit1Temp = f.Edit1TempRaum = QStringLiteral("20");
    f.ComboBoxStichTag = 11;
    f.CheckBox1keineSNrueberschr = true;
    f.CheckBox1AutoSerNr = false;
    f.RadioButtonSTJahr = true;
    f.RadioButtonSTMon = false;
    f.CheckBoxZweiFuehle = true;
    f.CheckBoxFernf = f.CheckBoxFunk = false;
    f.CheckBoxMon = f.CheckBoxWo = f.CheckBoxTag = f.CheckBoxStd = f.CheckBoxFenster = false;
    f.sendMonths.fill(true);
    f.sendDays = {true, true, true, true, true, false, false};
    f.sendWeeks.fill(true);
    f.CSpinEditStop = 24;
    f.CSpinEditStart = 0;
    f.CSpinEditZZ = 6;
    f.CSpinEditV = 5;
    f.EditManCode = QStringLiteral("QLM");
    // What the selections above bring with them.
    onScaleSelected(f, true);
    onSensorClick(f);
    onProtocolSelected(f, false);
}

void fillDateTime(HcaForm& f, const QDateTime& localNow, int timeZoneDiff) {
    const QDateTime t = localNow.addSecs(qint64(timeZoneDiff) * 3600);
    f.sDateEdit1 = t.date();
    f.sTimePicker1 = QTime(t.time().hour(), t.time().minute(), t.time().second());
    showWeekday(f);
}

void showWeekday(HcaForm& f) {
    f.weekdayShown.fill(false);
    if (f.sDateEdit1.isValid())
        f.weekdayShown[f.sDateEdit1.dayOfWeek() - 1] = true;
}

std::optional<Message> advanceDeviceId(HcaForm& f) {
    if (!f.CheckBox1AutoSerNr)
        return std::nullopt;
    const QString t = f.Edit1GeraeteID.trimmed();
    bool digits = !t.isEmpty() && t.size() <= 8;
    for (QChar c : t)
        digits = digits && isDigit(c);
    if (!digits)
        return Message::DeviceIdNotANumber;
    const qint64 next = t.toLongLong() + 1;
    if (next > 99999999)
        return Message::DeviceIdAtMaximum;
    f.Edit1GeraeteID = QString::number(next);
    onIdTextChanged(f);
    return std::nullopt;
}

void onIdTextChanged(HcaForm& f) {
    f.EditFunkID = f.Edit1GeraeteID;
}

void onStartmonatChange(HcaForm& f) {
    f.CheckBox4StartMessung = f.ComboBoxStartmonat == 0;
}

void onBattJahrChange(HcaForm& f) {
    // Compared as a number: as text "3" would already count as greater than "2255".
    if (const auto y = parseInteger(f.Edit1BattJahr); y && *y > kBatteryYearMax)
        f.Edit1BattJahr = QString::number(kBatteryYearMax);
}

bool meterReadingConflict(const HcaForm& f) {
    const auto now = parseDecimal(f.Edit1Zaehlerst);
    const auto atReading = parseDecimal(f.Edit1ZaehlerstVorj);
    return now && atReading && *atReading > *now;
}

void onAutoSerNrClick(HcaForm& f) {
    f.CheckBox1keineSNrueberschr = false;
}

void onKeineSNClick(HcaForm& f) {
    f.CheckBox1AutoSerNr = false;
}

void onScaleSelected(HcaForm& f, bool unitScale) {
    f.RadioButtonESkala = unitScale;
    f.RadioButtonPSkala = !unitScale;
    if (unitScale)
        f.EditKQ = QStringLiteral("1000");
}

void onSensorClick(HcaForm& f) {
    if (!f.RadioButtonESkala)
        return;
    if (f.CheckBoxZweiFuehle) {
        f.EditDeltaT = QStringLiteral("30");
        f.EditK1 = QStringLiteral("1538");
        f.EditK2 = f.CheckBoxFernf ? QStringLiteral("1538") : QStringLiteral("2500");
    } else {
        f.EditDeltaT = QStringLiteral("70");
        f.EditK1 = QStringLiteral("1000");
    }
}

void onSonderAnzClick(HcaForm& f) {
    clearSpecialDisplays(f);
    if (f.CheckBoxSonderAnz) {
        f.RadioButtonTemp = true;
    } else {
        f.RadioButton1StartMenue = true;
        f.RadioButton2Stromtest = f.RadioButton3Lager = false;
    }
}

void onCommandSelected(HcaForm& f, Command c) {
    f.RadioButton1StartMenue = c == Command::Working;
    f.RadioButton2Stromtest = c == Command::CurrentTest;
    f.RadioButton3Lager = c == Command::Storage;
    f.CheckBoxSonderAnz = false;
    clearSpecialDisplays(f);
    f.RadioButtonTestMode = f.CheckBoxEinmessMode = f.CheckBoxFunkTraegerON = false;
}

void onSpecialDisplaySelected(HcaForm& f, SpecialDisplay d) {
    f.RadioButtonZeit = d == SpecialDisplay::Time;
    f.RadioButtonZaehler = d == SpecialDisplay::Meter;
    f.RadioButtonTemp = d == SpecialDisplay::Temps;
}

void onTestModeSelected(HcaForm& f) {
    f.RadioButtonTestMode = true;
    clearSpecialDisplays(f);
    f.CheckBoxSonderAnz = false;
}

void onFreeMonthClick(HcaForm& f, int index) {
    if (index < 0 || index > 3)
        return;
    auto& m = f.freeMonths;
    if (m[index]) {
        // One run of months: fill the gap to every other checked month.
        int lo = index, hi = index;
        for (int i = 0; i < 4; ++i) {
            if (!m[i])
                continue;
            lo = std::min(lo, i);
            hi = std::max(hi, i);
        }
        for (int i = lo; i <= hi; ++i)
            m[i] = true;
    } else {
        for (int i = index + 1; i < 4; ++i)
            m[i] = false;
    }
    if (countChecked(m) == 0)
        f.CheckBoxMessfrei_Enabled = false;
}

void onMessfreiEnabledClick(HcaForm& f) {
    if (f.CheckBoxMessfrei_Enabled && countChecked(f.freeMonths) == 0)
        f.freeMonths.fill(true);
}

QString filterIdInput(const QString& text) {
    return filtered(text, isDigit, 8);
}

QString filterNumberInput(const QString& text) {
    return filtered(text, [](QChar c) { return isDigit(c) || c == u','; });
}

QString filterDigitInput(const QString& text) {
    return filtered(text, isDigit);
}

QString filterKeyInput(const QString& text) {
    return filtered(text.toUpper(),
                    [](QChar c) { return isDigit(c) || (c >= u'A' && c <= u'F') || c == u' '; });
}

} // namespace kvq::hca
