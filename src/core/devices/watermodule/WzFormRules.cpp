#include "core/devices/watermodule/WzFormRules.h"

#include "core/devices/watermodule/WzRules.h"
#include "core/devices/watermodule/WzSchedule.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>

namespace kvq::wz {

namespace {

int countChecked(const auto& boxes) {
    return static_cast<int>(std::count(boxes.begin(), boxes.end(), true));
}

std::optional<double> decimal(const QString& text) {
    bool ok = false;
    const double v = QLocale(QLocale::German, QLocale::Germany).toDouble(text.trimmed(), &ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

SendTimes sendTimes(const WzForm& f) {
    return {f.CSpinEditStart, f.CSpinEditStop, f.CSpinEditZZ, f.CSpinEditV};
}

void takeSendTimes(WzForm& f, const SendTimes& t) {
    f.CSpinEditStart = t.start;
    f.CSpinEditStop = t.stop;
    f.CSpinEditZZ = t.cycle;
    f.CSpinEditV = t.variance;
}

void showWeekday(WzForm& f) {
    f.weekdayShown.fill(false);
    if (f.sDateEdit1.isValid())
        f.weekdayShown[f.sDateEdit1.dayOfWeek() - 1] = true;
}

} // namespace

void refreshDerived(WzForm& f) {
    f.identityEditsEnabled = !f.CheckBox1keineSNrueberschr;
    // A derived key is never typed over: the edit takes input only with AES on and "Auto AES" off.
    f.EditAESKEYEnabled = f.CheckBoxAESenable && !f.CheckBoxAutoAES;
    f.CheckBoxShortProtEnabled = f.RadioButton_Funk_T1;
    f.GroupBoxSendemaskeVisible = f.CheckBoxFunk;
    f.GroupBoxTestmodeRed = f.CheckBoxFunkTest || f.CheckBoxSensortest || f.RadioButtonLED_Puls ||
                            f.RadioButtonSenden || f.CheckBoxMessDatenAusgabe;
}

void updateSchedule(WzForm& f) {
    if (f.CSpinEditZZ == 0)
        f.CSpinEditZZ = 1;
    ScheduleInput in;
    in.months = countChecked(f.sendMonths);
    in.weeks = countChecked(f.sendWeeks);
    in.weekdays = countChecked(f.sendDays);
    in.startHour = f.CSpinEditStart;
    in.stopHour = f.CSpinEditStop;
    in.cycleTime = f.CSpinEditZZ;
    in.chargePerTelegram = decimal(f.EditLadung);
    in.capacity = decimal(f.EditLadungmax);
    const ScheduleResult r = BerechneAnzSendungen(in);
    const ScheduleTexts t = scheduleTexts(r);
    f.LabelAnzTage = t.LabelAnzTage;
    f.LabelAnzSendungen = t.LabelAnzSendungen;
    f.LabelmAh1 = t.LabelmAh1;
    f.LabelmAh11 = t.LabelmAh11;
    f.GroupBoxHaeufigkeitenRed = r.overCapacity;
}

namespace {
void setClock(WzForm& f, const QDateTime& local, int zoneHours) {
    f.sDateEdit1 = local.date();
    f.sTimePicker1 = QTime(local.time().hour(), local.time().minute(), local.time().second());
    showWeekday(f);
    f.sLabelTime = zoneText(zoneHours);
}
} // namespace

void SetCurrentTimeForWrite(WzForm& f, const QDateTime& utcNow, int zoneHours) {
    if (f.CheckBox1keineSNrueberschr)
        setClock(f, moduleLocalTime(utcNow, zoneHours), zoneHours);
    else
        SetCurrentTime(f, utcNow, zoneHours);
}

void SetCurrentTime(WzForm& f, const QDateTime& utcNow, int zoneHours) {
    const QDateTime local = moduleLocalTime(utcNow, zoneHours);
    setClock(f, local, zoneHours);
    f.Edit1BattMon = QString::number(local.date().month());
    f.Edit1BattJahr = QString::number(local.date().year() + 12);
    const auto back = monthsBack(local.date());
    for (int i = 0; i < off::MonthEntries; ++i) {
        f.monthRows[i].value = QStringLiteral("0");
        f.monthRows[i].month = QString::number(back[i].month);
        f.monthRows[i].year = QString::number(back[i].year);
    }
}

void applyPresets(WzForm& f, const QDateTime& utcNow, int zoneHours) {
    f.CheckBoxAutoTime = true;
    f.CheckBox1MessFehler = f.CheckBox1Sabotage = f.CheckBox1LowBatt = f.CheckBox1CSfehler = false;
    f.CheckBoxHFError = f.CheckBoxRESET = f.CheckBox1StillFehler = f.CheckBox1RueckFehler = false;
    f.LabelFehlerdatum = QCoreApplication::translate("WzForm", "Fehlerdatum:");
    f.Edit1GeraeteID = f.EditFunkID = QStringLiteral("0");
    f.Edit1BattMon = f.Edit1BattJahr = QStringLiteral("0");
    f.Edit1Zaehlerst = f.Edit1ZaehlerstVorj = f.Edit1Temperatur = QStringLiteral("0");
    f.ComboBoxStichTag = 11;
    f.CheckBox1keineSNrueberschr = true;
    f.CheckBox1AutoSerNr = false;
    f.RadioButtonSTJahr = true;
    f.RadioButtonSTMon = false;
    f.CheckBoxFunk = true;
    f.CheckBoxMon = f.CheckBoxTag = f.CheckBoxWo = f.CheckBoxStd = f.CheckBoxFenster = false;
    f.RadioButton_Funk_S1 = true;
    f.RadioButton_Funk_T1 = false;
    f.sendMonths.fill(true);
    f.sendWeeks.fill(true);
    f.sendDays = {true, true, true, true, true, false, false};
    f.CSpinEditStop = 19;
    f.CSpinEditStart = 7;
    f.CSpinEditZZ = 120;
    f.CSpinEditV = 7;
    f.EditManCode = QStringLiteral("VTM");
    f.CSpinEditMaxStillstand = 90;
    f.CSpinEditSaboStart = 100;
    f.CSpinEditPulsmass = 1;
    f.CSpinEditMaxLeckstunden = 24;
    f.CSpinEditAnlaufDurchfluss = 10;
    f.CSpinEditRueckGrenze = 120;
    onProtocolSelected(f, false);
    SetCurrentTime(f, utcNow, zoneHours);
    refreshDerived(f);
}

void onProtocolSelected(WzForm& f, bool t1) {
    f.RadioButton_Funk_T1 = t1;
    f.RadioButton_Funk_S1 = !t1;
    const ProtocolCharge p = protocolCharge(t1, f.CheckBoxShortProt);
    f.EditLadung = p.EditLadung;
    if (p.forcedShort)
        f.CheckBoxShortProt = *p.forcedShort;
    refreshDerived(f);
    updateSchedule(f);
}

void onShortProtClick(WzForm& f) {
    if (f.RadioButton_Funk_T1)
        onProtocolSelected(f, true);
}

void onStartChange(WzForm& f) {
    SendTimes t = sendTimes(f);
    wz::onStartChange(t);
    takeSendTimes(f, t);
    updateSchedule(f);
}

void onStopChange(WzForm& f) {
    SendTimes t = sendTimes(f);
    wz::onStopChange(t);
    takeSendTimes(f, t);
    updateSchedule(f);
}

void onCycleOrVarianceChange(WzForm& f) {
    SendTimes t = sendTimes(f);
    wz::onCycleOrVarianceChange(t);
    takeSendTimes(f, t);
    updateSchedule(f);
}

void onCycleKeyUp(WzForm& f) {
    SendTimes t = sendTimes(f);
    wz::onCycleKeyUp(t);
    takeSendTimes(f, t);
    updateSchedule(f);
}

void onFirstMonthChange(WzForm& f) {
    bool ok = false;
    const int first = f.monthRows[0].month.toInt(&ok);
    if (!ok || first < 1 || first > 12)
        return;
    const auto months = monthColumn(first);
    for (int i = 1; i < off::MonthEntries; ++i)
        f.monthRows[i].month = QString::number(months[i]);
}

void onDeviceIdChange(WzForm& f) {
    f.EditFunkID = f.Edit1GeraeteID;
}

void onAutoSerNrClick(WzForm& f) {
    if (f.CheckBox1AutoSerNr)
        f.CheckBox1keineSNrueberschr = false;
    refreshDerived(f);
}

void onKeineSNClick(WzForm& f) {
    if (f.CheckBox1keineSNrueberschr)
        f.CheckBox1AutoSerNr = false;
    refreshDerived(f);
}

void onBattJahrChange(WzForm& f) {
    f.Edit1BattJahr = clampBatteryYearText(f.Edit1BattJahr);
}

void onDateCloseUp(WzForm& f) {
    showWeekday(f);
}

void onDeviceIdKeyUp(WzForm& f) {
    if (!f.CheckBoxAutoAES)
        return;
    f.EditAESKEY = keyText(DeriveModuleKey(f.Edit1GeraeteID));
    refreshDerived(f);
}

std::optional<QString> advanceDeviceId(WzForm& f) {
    const auto next = nextDeviceId(f.Edit1GeraeteID);
    if (!next)
        return QCoreApplication::translate("WzForm", "Geräte ID: %1 lässt sich nicht um 1 erhöhen!")
            .arg(f.Edit1GeraeteID);
    f.Edit1GeraeteID = *next;
    onDeviceIdChange(f);
    return std::nullopt;
}

} // namespace kvq::wz
