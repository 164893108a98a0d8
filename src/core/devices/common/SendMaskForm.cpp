#include "core/devices/common/SendMaskForm.h"

#include "core/devices/common/GermanNumbers.h"
#include "core/devices/common/SendSchedule.h"

#include <algorithm>

namespace kvq {

const std::array<const char*, 12> kSendMonthBoxes = {
    "CheckBoxJan", "CheckBoxFeb", "CheckBoxMrz", "CheckBoxApr", "CheckBoxMai", "CheckBoxJun",
    "CheckBoxJul", "CheckBoxAug", "CheckBoxSe",  "CheckBoxOkt", "CheckBoxNov", "CheckBoxDe"};
const std::array<const char*, 5> kSendWeekBoxes = {"CheckBoxW1", "CheckBoxW2", "CheckBoxW3", "CheckBoxW4",
                                                   "CheckBoxW5"};
const std::array<const char*, 7> kSendDayBoxes = {
    "CheckBoxMontag",  "CheckBoxDienstag",  "CheckBoxMittwoch", "CheckBoxDonnerstag",
    "CheckBoxFreitag", "CheckBoxSonnabend", "CheckBoxSonntag"};

namespace {

int countChecked(const auto& boxes) {
    return static_cast<int>(std::count(boxes.begin(), boxes.end(), true));
}

// Runs a rule of the send times on the form's spin values.
void withSendTimes(SendMaskForm& f, void (*rule)(SendTimes&)) {
    SendTimes t{f.CSpinEditStart, f.CSpinEditStop, f.CSpinEditZZ, f.CSpinEditV};
    rule(t);
    f.CSpinEditStart = t.start;
    f.CSpinEditStop = t.stop;
    f.CSpinEditZZ = t.cycle;
    f.CSpinEditV = t.variance;
}

} // namespace

void updateSchedule(SendMaskForm& f) {
    if (f.CSpinEditZZ == 0)
        f.CSpinEditZZ = 1;
    ScheduleInput in;
    in.months = countChecked(f.sendMonths);
    in.weeks = countChecked(f.sendWeeks);
    in.weekdays = countChecked(f.sendDays);
    in.startHour = f.CSpinEditStart;
    in.stopHour = f.CSpinEditStop;
    in.cycleTime = f.CSpinEditZZ;
    in.chargePerTelegram = parseDecimal(f.EditLadung);
    if (const auto cap = parseInteger(f.EditLadungmax))
        in.capacity = static_cast<int>(*cap);
    const ScheduleResult r = BerechneAnzSendungen(in);
    const ScheduleTexts t = scheduleTexts(r);
    f.LabelAnzTage = t.LabelAnzTage;
    f.LabelAnzSendungen = t.LabelAnzSendungen;
    f.LabelmAh1 = t.LabelmAh1;
    f.LabelmAh11 = t.LabelmAh11;
    f.GroupBox16Red = r.overCapacity;
}

void onProtocolSelected(SendMaskForm& f, bool t1) {
    f.RadioButton_Funk_T1 = t1;
    f.RadioButton_Funk_S1 = !t1;
    const ProtocolCharge p = protocolCharge(t1, f.CheckBoxShortProt, f.extendedFirmware, f.alwaysShort);
    if (p.forcedShort)
        f.CheckBoxShortProt = *p.forcedShort;
    f.CheckBoxShortProtEnabled = p.shortEnabled;
    f.EditLadung = formatDecimal(p.charge);
}

void onShortProtClick(SendMaskForm& f) {
    if (f.alwaysShort) {
        onProtocolSelected(f, f.RadioButton_Funk_T1);
        return;
    }
    const ProtocolCharge p = protocolCharge(true, f.CheckBoxShortProt, f.extendedFirmware);
    f.CheckBoxShortProtEnabled = true;
    f.EditLadung = formatDecimal(p.charge);
}

void onStartChange(SendMaskForm& f) {
    withSendTimes(f, onStartChange);
}

void onStopChange(SendMaskForm& f) {
    withSendTimes(f, onStopChange);
}

void onCycleOrVarianceChange(SendMaskForm& f) {
    withSendTimes(f, onCycleOrVarianceChange);
}

void onCycleKeyUp(SendMaskForm& f) {
    withSendTimes(f, onCycleKeyUp);
}

void onVarianceKeyUp(SendMaskForm& f) {
    withSendTimes(f, onVarianceKeyUp);
}

} // namespace kvq
