#include "core/devices/watermodule/WzFormMapping.h"

#include "core/devices/common/GermanNumbers.h"
#include "core/devices/watermodule/WzFields.h"
#include "core/devices/watermodule/WzFormRules.h"
#include "core/devices/watermodule/WzRules.h"

#include <QCoreApplication>

namespace kvq::wz {

namespace {

InputError idError(const char* control, const char* caption) {
    return {QString::fromLatin1(control),
            QCoreApplication::translate("FieldTexts", "%1: nur Ziffern, höchstens 8 Stellen!")
                .arg(fields::translated(caption))};
}

void repairClock(Image& im) {
    const QTime t(im[off::ClockHours], im[off::ClockMinutes], im[off::ClockSeconds]);
    const QDate d(2000 + im[off::DateYear], im[off::DateMonth], im[off::DateDay]);
    if (t.isValid() && d.isValid())
        return;
    im[off::ClockHours] = im[off::ClockMinutes] = im[off::ClockSeconds] = 0;
    im[off::DateDay] = im[off::DateMonth] = 1;
    im[off::DateYear] = 0;
}

} // namespace

void ShowImage(Image& im, const QString& versionText, WzForm& f) {
    repairClock(im);
    fields::showTable(wzFields(), std::span<const std::uint8_t>(im), f);
    f.EditSerienNR = idText(dword(im, off::SerialNumber));
    f.Edit1GeraeteID = idText(dword(im, off::DeviceId));
    f.EditFunkID = idText(dword(im, off::RadioId));
    if (!versionText.isEmpty())
        f.LabelSWV = versionText + u'x';
    f.EditAESKEY = keyText(keyAt(im));
    f.ComboBoxStichTag = std::clamp(int(im[off::DueMonth]) - 1, 0, 11);
    f.sTimePicker1 = QTime(im[off::ClockHours], im[off::ClockMinutes], im[off::ClockSeconds]);
    f.sDateEdit1 = QDate(2000 + im[off::DateYear], im[off::DateMonth], im[off::DateDay]);
    f.Edit1BattJahr = QString::number(2000 + im[off::BatteryYear]);
    f.Edit1Temperatur = temperatureText(word(im, off::ChipTemp));
    f.LabelStichdatum = dueDateText(im);
    f.LabelFehlerdatum = errorDateText(im);
    f.RadioButtonLED_AUS = !f.RadioButtonSenden && !f.RadioButtonLED_Puls;
    f.LabelZyklusNr = QString::number(im[off::CycleNumber]);
    for (int i = 0; i < off::HistoryEntries; ++i) {
        const HistoryRow r = historyRow(im, i);
        f.History[i] = {r.date, r.resetCount};
    }
    // The charge follows the protocol the module reports; "kurzes Tel." stays as the image says.
    f.EditLadung = protocolCharge(f.RadioButton_Funk_T1, f.CheckBoxShortProt).EditLadung;
    refreshDerived(f);
    updateSchedule(f);
}

std::optional<InputError> collectForm(WzForm& f, Image& image, ScheduleCache& cache,
                                      const CollectRules& rules) {
    Image im = image;
    const auto deviceId = idFromText(f.Edit1GeraeteID.trimmed(), dword(image, off::DeviceId));
    if (!deviceId)
        return idError("Edit1GeraeteID", QT_TRANSLATE_NOOP("FieldTexts", "Geräte ID"));
    const auto radioId = idFromText(f.EditFunkID.trimmed(), dword(image, off::RadioId));
    if (!radioId)
        return idError("EditFunkID", QT_TRANSLATE_NOOP("FieldTexts", "Funk ID"));
    bool ok = false;
    const int batteryYear = f.Edit1BattJahr.trimmed().toInt(&ok);
    if (!ok || batteryYear < 2000 || batteryYear > 2255)
        return InputError{QStringLiteral("Edit1BattJahr"),
                          QCoreApplication::translate(
                              "FieldTexts", "Batterie Jahr: bitte ein Jahr von 2000 bis 2255 eingeben!")};
    if (!f.sTimePicker1.isValid())
        return InputError{QStringLiteral("sTimePicker1"),
                          QCoreApplication::translate("FieldTexts", "Geräteuhr: keine gültige Uhrzeit!")};
    if (!f.sDateEdit1.isValid() || f.sDateEdit1.year() < 2000 || f.sDateEdit1.year() > 2255)
        return InputError{QStringLiteral("sDateEdit1"),
                          QCoreApplication::translate(
                              "FieldTexts", "Gerätedatum: bitte ein Datum von 2000 bis 2255 wählen!")};
    std::optional<ModuleKey> key;
    if (f.CheckBoxAutoAES && !rules.keyFromText)
        key = DeriveModuleKey(f.Edit1GeraeteID);
    else if (!(key = parseKeyText(f.EditAESKEY)))
        return InputError{
            QStringLiteral("EditAESKEY"),
            QCoreApplication::translate(
                "FieldTexts", "AES Key: höchstens 32 Hex-Ziffern (0-9, A-F), Leerzeichen erlaubt!")};
    if (auto e = fields::readTable(rules.table, f, std::span<std::uint8_t>(im)))
        return e;

    setDword(im, off::DeviceId, *deviceId);
    setDword(im, off::RadioId, *radioId);
    im[off::DueMonth] = std::uint8_t(std::clamp(f.ComboBoxStichTag, 0, 11) + 1);
    setWord(im, off::ErrorDate, 0);
    im[off::ClockSeconds] = std::uint8_t(f.sTimePicker1.second());
    im[off::ClockMinutes] = std::uint8_t(f.sTimePicker1.minute());
    im[off::ClockHours] = std::uint8_t(f.sTimePicker1.hour());
    im[off::DateDay] = std::uint8_t(f.sDateEdit1.day());
    im[off::DateMonth] = std::uint8_t(f.sDateEdit1.month());
    im[off::DateYear] = std::uint8_t(f.sDateEdit1.year() - 2000);
    // The last checked weekday box wins; the module's date adds its own weekday below.
    im[off::Weekday] = 0;
    for (int i = 6; i >= 0; --i)
        if (f.weekdayShown[i]) {
            im[off::Weekday] = std::uint8_t(1u << i);
            break;
        }
    im[off::BatteryYear] = std::uint8_t(batteryYear - 2000);
    if (rules.deviceData) {
        setWord(im, off::Reserved, 0);
        setWord(im, off::ChipTemp, 0);
        const int cycleNumber = f.LabelZyklusNr.toInt(&ok);
        if (ok && cycleNumber >= 0 && cycleNumber <= 255)
            im[off::CycleNumber] = std::uint8_t(cycleNumber);
    }
    evaluateWindow(im, f.sDateEdit1, f.RadioButton_Funk_S1, f.RadioButton_Funk_T1);
    storeKey(im, *key);

    // Everything fits: the image and the form take the result.
    image = im;
    cache = ScheduleCache::fromImage(image);
    if (f.RadioButton_Funk_S1 && !f.CheckBoxShortProt)
        f.CheckBoxShortProt = true;
    if (f.CSpinEditV == 0)
        f.CSpinEditV = 1;
    if (f.CheckBoxAutoAES && !rules.keyFromText)
        f.EditAESKEY = keyText(*key);
    refreshDerived(f);
    return std::nullopt;
}

std::optional<InputError> CollectFormToImage(WzForm& f, Image& image, ScheduleCache& cache) {
    return collectForm(f, image, cache, {wzFields(), false, true});
}

} // namespace kvq::wz
