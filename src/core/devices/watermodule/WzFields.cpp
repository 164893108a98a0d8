#include "core/devices/watermodule/WzFields.h"

#include "core/devices/watermodule/WzRecord.h"

#include <QtGlobal>
#include <bit>

namespace kvq::wz {

using namespace fields;

namespace {

constexpr Bit wordBit(int offset, std::uint16_t mask) {
    return {offset, std::countr_zero(mask), 2, ByteOrder::Little};
}

Table<WzForm> build() {
    Table<WzForm> t;
    auto text = [&t](const char* control, QString WzForm::*m, int offset, Codec codec, const char* caption,
                     int decimals = 0) {
        t.fields.push_back(
            {QString::fromLatin1(control), member(m), {offset, codec, 0, 0, decimals, caption}});
    };
    text("Edit1BattMon", &WzForm::Edit1BattMon, off::BatteryMonth, Codec::U8,
         QT_TRANSLATE_NOOP("FieldTexts", "Batterie Monat"));
    text("EditTS1", &WzForm::EditTS1, off::TS1, Codec::U8, QT_TRANSLATE_NOOP("FieldTexts", "TS1"));
    text("EditTS2", &WzForm::EditTS2, off::TS2, Codec::U8, QT_TRANSLATE_NOOP("FieldTexts", "TS2"));
    // Litres shown in m3 with the litres as decimals, so a reading goes back to the module unchanged.
    text("Edit1Zaehlerst", &WzForm::Edit1Zaehlerst, off::MeterReading, Codec::LE32,
         QT_TRANSLATE_NOOP("FieldTexts", "Zählerstand"), 3);
    text("Edit1ZaehlerstVorj", &WzForm::Edit1ZaehlerstVorj, off::MeterReadingDue, Codec::LE32,
         QT_TRANSLATE_NOOP("FieldTexts", "Stichtagszählerstand"), 3);
    for (int i = 0; i < off::MonthEntries; ++i) {
        const int o = off::MonthTable + off::MonthEntrySize * i;
        auto row = [i](QString MonthRow::*m) {
            return [i, m](WzForm& f) -> QString& { return f.monthRows[i].*m; };
        };
        t.fields.push_back({monthValueEditName(i),
                            row(&MonthRow::value),
                            {o, Codec::LE32, 0, 0, 3, QT_TRANSLATE_NOOP("FieldTexts", "Monatswert"), i + 1}});
        t.fields.push_back({monthMonthEditName(i),
                            row(&MonthRow::month),
                            {o + 4, Codec::U8, 0, 0, 0, QT_TRANSLATE_NOOP("FieldTexts", "Monat"), i + 1}});
        t.fields.push_back({monthYearEditName(i),
                            row(&MonthRow::year),
                            {o + 5, Codec::U8, 0, 0, 0, QT_TRANSLATE_NOOP("FieldTexts", "Jahr"), i + 1}});
    }
    text("EditManCode", &WzForm::EditManCode, off::ManCode, Codec::ManCode,
         QT_TRANSLATE_NOOP("FieldTexts", "Herstellerkennung"));

    auto number = [&t](const char* control, int WzForm::*m, int offset, Codec codec, int min, int max) {
        t.numbers.push_back({QString::fromLatin1(control), member(m), {offset, codec, min, max}});
    };
    number("CSpinEditMaxStillstand", &WzForm::CSpinEditMaxStillstand, off::MaxStandstill, Codec::U8, 1, 255);
    number("CSpinEditSaboStart", &WzForm::CSpinEditSaboStart, off::SaboStart, Codec::U8, 1, 255);
    number("CSpinEditRueckGrenze", &WzForm::CSpinEditRueckGrenze, off::BackflowLimit, Codec::U8, 1, 255);
    number("CSpinEditAnlaufDurchfluss", &WzForm::CSpinEditAnlaufDurchfluss, off::StartupFlow, Codec::U8, 1,
           255);
    number("CSpinEditPulsmass", &WzForm::CSpinEditPulsmass, off::LitresPerRev, Codec::LE16, 1, 1000);
    number("CSpinEditMaxLeckstunden", &WzForm::CSpinEditMaxLeckstunden, off::MaxLeakHours, Codec::U8, 1, 255);

    auto flag = [&t](const char* control, bool WzForm::*m, int word, std::uint16_t mask,
                     bool showOnly = false) {
        t.flags.push_back({QString::fromLatin1(control), member(m), wordBit(word, mask), showOnly});
    };
    // Word 18 is the module's own report; a collect rebuilds it from the send window (WzFormMapping).
    flag("CheckBoxMon", &WzForm::CheckBoxMon, off::StatusWord, st::Month, true);
    flag("CheckBoxTag", &WzForm::CheckBoxTag, off::StatusWord, st::Day, true);
    flag("CheckBoxWo", &WzForm::CheckBoxWo, off::StatusWord, st::Week, true);
    flag("CheckBoxStd", &WzForm::CheckBoxStd, off::StatusWord, st::Hour, true);
    flag("CheckBoxFenster", &WzForm::CheckBoxFenster, off::StatusWord, st::EnWindow, true);
    flag("RadioButton_Funk_S1", &WzForm::RadioButton_Funk_S1, off::StatusWord, st::ProtocolS1, true);
    flag("RadioButton_Funk_T1", &WzForm::RadioButton_Funk_T1, off::StatusWord, st::ProtocolT1, true);
    flag("CheckBox1MessFehler", &WzForm::CheckBox1MessFehler, off::StatusWord, st::MeasureError, true);
    flag("CheckBox1Sabotage", &WzForm::CheckBox1Sabotage, off::StatusWord, st::Sabotage, true);
    flag("CheckBox1LowBatt", &WzForm::CheckBox1LowBatt, off::StatusWord, st::LowBattery, true);
    flag("CheckBox1CSfehler", &WzForm::CheckBox1CSfehler, off::StatusWord, st::ChecksumError, true);
    flag("CheckBoxHFError", &WzForm::CheckBoxHFError, off::StatusWord, st::RadioError, true);
    flag("CheckBoxRESET", &WzForm::CheckBoxRESET, off::StatusWord, st::ResetOccurred, true);
    flag("CheckBox1StillFehler", &WzForm::CheckBox1StillFehler, off::StatusWord, st::StandstillError, true);
    flag("CheckBox1RueckFehler", &WzForm::CheckBox1RueckFehler, off::StatusWord, st::BackflowError, true);

    flag("CheckBoxAESenable", &WzForm::CheckBoxAESenable, off::OptionsA, oa::AesOn);
    flag("CheckBoxShortProt", &WzForm::CheckBoxShortProt, off::OptionsA, oa::ShortTelegram);
    flag("CheckBox1Leck", &WzForm::CheckBox1Leck, off::OptionsA, oa::Leak, true);

    flag("RadioButtonSTMon", &WzForm::RadioButtonSTMon, off::OptionsB, ob::DueMonthly);
    flag("RadioButtonSTJahr", &WzForm::RadioButtonSTJahr, off::OptionsB, ob::DueYearly);
    flag("CheckBoxFunk", &WzForm::CheckBoxFunk, off::OptionsB, ob::RadioOn);
    flag("RadioButtonSenden", &WzForm::RadioButtonSenden, off::OptionsB, ob::LedTransmissions);
    flag("RadioButtonLED_Puls", &WzForm::RadioButtonLED_Puls, off::OptionsB, ob::LedPulses);
    flag("CheckBoxFunkTest", &WzForm::CheckBoxFunkTest, off::OptionsB, ob::RadioTest, true);
    flag("CheckBoxMessDatenAusgabe", &WzForm::CheckBoxMessDatenAusgabe, off::OptionsB, ob::MeasurementOutput);

    // The weekday boxes show the weekday byte; the module's date sets it (WzFormMapping).
    for (int i = 0; i < 7; ++i)
        t.flags.push_back({QString::fromLatin1(kWeekdayShownBoxes[i]),
                           element(&WzForm::weekdayShown, i),
                           {off::Weekday, i, 1},
                           true});
    addSendMaskRows(t, wzSendMaskLayout(), &WzForm::sendMonths, &WzForm::sendWeeks, &WzForm::sendDays,
                    kSendMonthBoxes, kSendWeekBoxes, kSendDayBoxes, &WzForm::CSpinEditStart,
                    &WzForm::CSpinEditStop, &WzForm::CSpinEditZZ, &WzForm::CSpinEditV);
    // Option words A and B hold only what the form sets; command bits go by change requests.
    t.words = {{off::OptionsA, 2, ByteOrder::Little}, {off::OptionsB, 2, ByteOrder::Little}};
    return t;
}

} // namespace

const SendMaskLayout& wzSendMaskLayout() {
    static const SendMaskLayout layout = [] {
        SendMaskLayout l;
        // Months January .. December from bit 0 of byte 202 on, weeks 1..5 after them, then the weekdays.
        for (int i = 0; i < 24; ++i) {
            const Bit b{off::SendMask0 + i / 8, i % 8, 1};
            if (i < 12)
                l.months[i] = b;
            else if (i < 17)
                l.weeks[i - 12] = b;
            else
                l.weekdays[i - 17] = b;
        }
        l.start = {off::StartHour, Codec::U8, 0, 23};
        l.stop = {off::StopHour, Codec::U8, 1, 24};
        l.cycle = {off::CycleTime, Codec::LE16, 2, 3000};
        l.variance = {off::Variance, Codec::LE16, 1, 590};
        return l;
    }();
    return layout;
}

const Table<WzForm>& wzFields() {
    static const Table<WzForm> table = build();
    return table;
}

} // namespace kvq::wz
