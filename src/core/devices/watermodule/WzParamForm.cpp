#include "core/devices/watermodule/WzParamForm.h"

#include "core/devices/watermodule/WzFields.h"
#include "core/devices/watermodule/WzFormMapping.h"
#include "core/devices/watermodule/WzFormRules.h"

#include <QSet>
#include <algorithm>

namespace kvq::wz {

const fields::Table<WzForm>& wzParamFields() {
    static const fields::Table<WzForm> table =
        fields::subTable<WzForm>(wzFields(), [](const QString& control) {
            static const QSet<QString> lacking{QStringLiteral("EditTS1"),
                                               QStringLiteral("EditTS2"),
                                               QStringLiteral("CSpinEditMaxStillstand"),
                                               QStringLiteral("CSpinEditSaboStart"),
                                               QStringLiteral("CSpinEditRueckGrenze"),
                                               QStringLiteral("CSpinEditAnlaufDurchfluss"),
                                               QStringLiteral("CSpinEditPulsmass"),
                                               QStringLiteral("CSpinEditMaxLeckstunden"),
                                               QStringLiteral("RadioButtonSenden"),
                                               QStringLiteral("RadioButtonLED_Puls"),
                                               QStringLiteral("CheckBoxMessDatenAusgabe"),
                                               QStringLiteral("CheckBoxFunkTest"),
                                               QStringLiteral("CheckBoxMon"),
                                               QStringLiteral("CheckBoxTag"),
                                               QStringLiteral("CheckBoxWo"),
                                               QStringLiteral("CheckBoxStd"),
                                               QStringLiteral("CheckBoxFenster")};
            return !lacking.contains(control);
        });
    return table;
}

std::optional<InputError> CollectParamFormToImage(WzForm& form, Image& image, ScheduleCache& cache) {
    return collectForm(form, image, cache, {wzParamFields(), true, false});
}

double ChargePerTelegram(bool t1, bool shortTelegram) {
    if (!t1)
        return 0.9;
    return shortTelegram ? 0.18 : 0.46;
}

bool energyExceeded(const WzForm& f, double chargePerTelegram) {
    ScheduleInput in;
    in.months = int(std::count(f.sendMonths.begin(), f.sendMonths.end(), true));
    in.weeks = int(std::count(f.sendWeeks.begin(), f.sendWeeks.end(), true));
    in.weekdays = int(std::count(f.sendDays.begin(), f.sendDays.end(), true));
    in.startHour = f.CSpinEditStart;
    in.stopHour = f.CSpinEditStop;
    in.cycleTime = f.CSpinEditZZ;
    in.chargePerTelegram = chargePerTelegram;
    in.capacity = kParamCapacity;
    return BerechneAnzSendungen(in).overCapacity;
}

variants::RadioVariant variantFromForm(const WzForm& f, const QString& text) {
    variants::RadioVariant v = variants::variantFromSendControls(f);
    v.text = text;
    return v;
}

void applyVariant(WzForm& f, const variants::RadioVariant& v) {
    f.sendMonths = v.months;
    f.sendWeeks = v.weeks;
    f.sendDays = v.days;
    f.RadioButton_Funk_S1 = v.s1;
    f.RadioButton_Funk_T1 = v.t1 && !v.s1;
    f.CheckBoxAESenable = v.aes;
    f.CSpinEditStart = std::clamp(v.start, kStartMin, kStartMax);
    f.CSpinEditStop = std::clamp(v.stop, kStopMin, kStopMax);
    f.CSpinEditZZ = std::clamp(v.cycle, kCycleMin, kCycleMax);
    f.CSpinEditV = std::clamp(v.variance, kVarianceMin, kVarianceMax);
    // S1 always sends the short telegram; under T1 the box keeps what the technician chose.
    if (f.RadioButton_Funk_S1)
        f.CheckBoxShortProt = true;
    refreshDerived(f);
}

} // namespace kvq::wz
