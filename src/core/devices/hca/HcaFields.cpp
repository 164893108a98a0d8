#include "core/devices/hca/HcaFields.h"

#include "core/devices/hca/HcaRecord.h"

#include <QtGlobal>
#include <bit>

namespace kvq::hca {

using namespace fields;

namespace {

Table<HcaForm> build() {
    Table<HcaForm> t;
    auto text = [&t](const char* control, QString HcaForm::*m, int offset, Codec codec, const char* caption,
                     int decimals = 0) {
        t.fields.push_back(
            {QString::fromLatin1(control), member(m), {offset, codec, 0, 0, decimals, caption}});
    };
    text("Edit1GeraeteID", &HcaForm::Edit1GeraeteID, off::DeviceId, Codec::BcdId,
         QT_TRANSLATE_NOOP("FieldTexts", "Geräte ID"));
    text("EditFunkID", &HcaForm::EditFunkID, off::RadioId, Codec::BcdId,
         QT_TRANSLATE_NOOP("FieldTexts", "Funk ID"));
    text("EditSerienNR", &HcaForm::EditSerienNR, off::SerialNumber, Codec::BcdId,
         QT_TRANSLATE_NOOP("FieldTexts", "Serien Nr."));
    text("Edit1BattMon", &HcaForm::Edit1BattMon, off::BatteryMonth, Codec::U8,
         QT_TRANSLATE_NOOP("FieldTexts", "Batterie Monat"));
    text("EditK1", &HcaForm::EditK1, off::K1, Codec::BE16, QT_TRANSLATE_NOOP("FieldTexts", "K1"));
    text("EditK2", &HcaForm::EditK2, off::K2, Codec::BE16, QT_TRANSLATE_NOOP("FieldTexts", "K2"));
    text("EditKQ", &HcaForm::EditKQ, off::KQ, Codec::BE16, QT_TRANSLATE_NOOP("FieldTexts", "KQ"));
    text("Edit1Verbrauch", &HcaForm::Edit1Verbrauch, off::Consumption, Codec::BE16,
         QT_TRANSLATE_NOOP("FieldTexts", "Verbrauch Stichtag"));
    text("Edit1VorVerbrauch", &HcaForm::Edit1VorVerbrauch, off::PrevConsumption, Codec::BE16,
         QT_TRANSLATE_NOOP("FieldTexts", "Verbrauch Vorjahr"));
    text("EditPZVerbrauch", &HcaForm::EditPZVerbrauch, off::CheckNumber, Codec::U8,
         QT_TRANSLATE_NOOP("FieldTexts", "Prüfziffer Verbrauch"));
    text("EditDeltaT", &HcaForm::EditDeltaT, off::DeltaT, Codec::U8,
         QT_TRANSLATE_NOOP("FieldTexts", "DeltaT"));
    text("Edit1TempOffset", &HcaForm::Edit1TempOffset, off::TempOffset, Codec::I8,
         QT_TRANSLATE_NOOP("FieldTexts", "Temperatur-Offset"));
    text("Edit1Zaehlerst", &HcaForm::Edit1Zaehlerst, off::MeterReading, Codec::BEFloat,
         QT_TRANSLATE_NOOP("FieldTexts", "Zählerstand"));
    text("Edit1ZaehlerstVorj", &HcaForm::Edit1ZaehlerstVorj, off::MeterReadingPrev, Codec::BEFloat,
         QT_TRANSLATE_NOOP("FieldTexts", "Zählerstand Stichtag"));
    for (int i = 0; i < off::MonthEntries; ++i) {
        const int o = off::MonthTable + off::MonthEntrySize * i;
        auto row = [i](QString MonthRow::*m) {
            return [i, m](HcaForm& f) -> QString& { return f.monthRows[i].*m; };
        };
        t.fields.push_back({monthValueEditName(i),
                            row(&MonthRow::value),
                            {o, Codec::BE16, 0, 0, 0, QT_TRANSLATE_NOOP("FieldTexts", "Monatswert"), i + 1}});
        t.fields.push_back({monthMonthEditName(i),
                            row(&MonthRow::month),
                            {o + 2, Codec::U8, 0, 0, 0, QT_TRANSLATE_NOOP("FieldTexts", "Monat"), i + 1}});
        t.fields.push_back({monthYearEditName(i),
                            row(&MonthRow::year),
                            {o + 3, Codec::U8, 0, 0, 0, QT_TRANSLATE_NOOP("FieldTexts", "Jahr"), i + 1}});
    }
    text("EditManCode", &HcaForm::EditManCode, off::ManCode, Codec::ManCode,
         QT_TRANSLATE_NOOP("FieldTexts", "Herstellerkennung"));
    text("Edit1TempRaum", &HcaForm::Edit1TempRaum, off::RoomTemp, Codec::BE16,
         QT_TRANSLATE_NOOP("FieldTexts", "Raumtemperatur"), 2);
    text("Edit1Temp", &HcaForm::Edit1Temp, off::RadiatorTemp, Codec::BE16,
         QT_TRANSLATE_NOOP("FieldTexts", "Heizkörpertemperatur"), 2);
    text("EditTempMax", &HcaForm::EditTempMax, off::TempMax, Codec::I8,
         QT_TRANSLATE_NOOP("FieldTexts", "max. Heizkörpertemperatur"));

    auto number = [&t](const char* control, int HcaForm::*m, int offset, Codec codec, int min, int max) {
        t.numbers.push_back({QString::fromLatin1(control), member(m), {offset, codec, min, max}});
    };
    number("ComboBoxStartmonat", &HcaForm::ComboBoxStartmonat, off::StartMonth, Codec::U8, 0, 12);
    number("ComboBoxStichTag", &HcaForm::ComboBoxStichTag, off::ReadingMonth, Codec::U8, 0, 11);

    auto flag = [&t](const char* control, bool HcaForm::*m, int word, std::uint16_t mask,
                     bool showOnly = false) {
        t.flags.push_back(
            {QString::fromLatin1(control), member(m), {word, std::countr_zero(mask)}, showOnly});
    };
    // The send flags of the status word are the device's own view of its send window.
    flag("CheckBoxMon", &HcaForm::CheckBoxMon, off::StatusWord, st::SendMonth, true);
    flag("CheckBoxTag", &HcaForm::CheckBoxTag, off::StatusWord, st::SendDay, true);
    flag("CheckBoxWo", &HcaForm::CheckBoxWo, off::StatusWord, st::SendWeek, true);
    flag("CheckBoxStd", &HcaForm::CheckBoxStd, off::StatusWord, st::SendHour, true);
    flag("CheckBoxFenster", &HcaForm::CheckBoxFenster, off::StatusWord, st::WindowOpen, true);
    flag("RadioButton_Funk_S1", &HcaForm::RadioButton_Funk_S1, off::StatusWord, st::ProtocolS1);
    flag("RadioButton_Funk_T1", &HcaForm::RadioButton_Funk_T1, off::StatusWord, st::ProtocolT1);
    flag("CheckBox1MessFehler", &HcaForm::CheckBox1MessFehler, off::StatusWord, st::MeasureError);
    flag("CheckBox1Sabotage", &HcaForm::CheckBox1Sabotage, off::StatusWord, st::Sabotage);
    flag("CheckBox1LowBatt", &HcaForm::CheckBox1LowBatt, off::StatusWord, st::LowBattery);
    flag("CheckBox1CSfehler", &HcaForm::CheckBox1CSfehler, off::StatusWord, st::ChecksumError);
    flag("CheckBoxHFError", &HcaForm::CheckBoxHFError, off::StatusWord, st::RadioError);
    flag("CheckBoxRESET", &HcaForm::CheckBoxRESET, off::StatusWord, st::ResetOccurred);

    flag("CheckBoxMessfrei_Enabled", &HcaForm::CheckBoxMessfrei_Enabled, off::ModeWord, md::FreeMonths);
    flag("RadioButtonESkala", &HcaForm::RadioButtonESkala, off::ModeWord, md::UnitScale);
    flag("CheckBoxAESenable", &HcaForm::CheckBoxAESenable, off::ModeWord, md::AesOn);
    flag("CheckBox4StartMessung", &HcaForm::CheckBox4StartMessung, off::ModeWord, md::StartRelease);
    flag("CheckBox5Speed", &HcaForm::CheckBox5Speed, off::ModeWord, md::TestClock);
    flag("CheckBoxSonderAnz", &HcaForm::CheckBoxSonderAnz, off::ModeWord, md::SpecialDisplays);
    flag("CheckBoxShortProt", &HcaForm::CheckBoxShortProt, off::ModeWord, md::ShortTelegram);
    flag("CheckBoxAESM7", &HcaForm::CheckBoxAESM7, off::ModeWord, md::AesMode7);
    flag("RadioButton1StartMenue", &HcaForm::RadioButton1StartMenue, off::ModeWord, md::CmdWorking);
    flag("RadioButton2Stromtest", &HcaForm::RadioButton2Stromtest, off::ModeWord, md::CmdCurrentTest);
    flag("RadioButton3Lager", &HcaForm::RadioButton3Lager, off::ModeWord, md::CmdStorage);
    flag("RadioButtonZeit", &HcaForm::RadioButtonZeit, off::ModeWord, md::ShowTime);
    flag("RadioButtonZaehler", &HcaForm::RadioButtonZaehler, off::ModeWord, md::ShowMeter);
    flag("RadioButtonTemp", &HcaForm::RadioButtonTemp, off::ModeWord, md::ShowTemps);
    flag("CheckBox1LCD_ON", &HcaForm::CheckBox1LCD_ON, off::ModeWord, md::DisplayAlwaysOn);

    flag("RadioButtonSTMon", &HcaForm::RadioButtonSTMon, off::OptionWord, opt::ReadingMonthly);
    flag("RadioButtonSTJahr", &HcaForm::RadioButtonSTJahr, off::OptionWord, opt::ReadingYearly);
    flag("CheckBoxZweiFuehle", &HcaForm::CheckBoxZweiFuehle, off::OptionWord, opt::SecondSensor);
    flag("CheckBoxFunk", &HcaForm::CheckBoxFunk, off::OptionWord, opt::RadioFitted);
    flag("CheckBoxFernf", &HcaForm::CheckBoxFernf, off::OptionWord, opt::RemoteSensor);
    flag("CheckBoxEinmessMode", &HcaForm::CheckBoxEinmessMode, off::OptionWord, opt::CalibrationMode);
    flag("CheckBoxFunkTraegerON", &HcaForm::CheckBoxFunkTraegerON, off::OptionWord, opt::CarrierOn);
    flag("RadioButtonTestMode", &HcaForm::RadioButtonTestMode, off::OptionWord, opt::TestMode);

    // The weekday boxes show the weekday byte; the device date sets it (see HcaFormMapping).
    for (int i = 0; i < 7; ++i)
        t.flags.push_back({QString::fromLatin1(kWeekdayShownBoxes[i]),
                           element(&HcaForm::weekdayShown, i),
                           {off::Weekday, i, 1},
                           true});
    addSendMaskRows(t, hcaSendMaskLayout());
    // Bit 15 of the mode word is the device's report of its test mode, never ours to set.
    t.words = {{off::StatusWord}, {off::ModeWord}, {off::OptionWord}};
    return t;
}

} // namespace

const SendMaskLayout& hcaSendMaskLayout() {
    static const SendMaskLayout layout = [] {
        SendMaskLayout l;
        // Months January .. December from bit 0 of byte 126 on, weeks 1..5 after them, then the weekdays.
        for (int i = 0; i < 24; ++i) {
            const Bit b{off::SendMask0 + i / 8, i % 8, 1};
            if (i < 12)
                l.months[i] = b;
            else if (i < 17)
                l.weeks[i - 12] = b;
            else
                l.weekdays[i - 17] = b;
        }
        l.start = {off::StartHour, Codec::U8};
        l.stop = {off::StopHour, Codec::U8};
        l.cycle = {off::CycleTime, Codec::BE16};
        l.variance = {off::Variance, Codec::BE16};
        return l;
    }();
    return layout;
}

const Table<HcaForm>& hcaFields() {
    static const Table<HcaForm> table = build();
    return table;
}

} // namespace kvq::hca
