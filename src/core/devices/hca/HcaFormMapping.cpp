#include "core/devices/hca/HcaFormMapping.h"

#include "core/app/Bytes.h"
#include "core/devices/hca/GermanNumbers.h"
#include "core/devices/hca/HcaSendWindow.h"

#include <cfloat>
#include <cmath>

namespace kvq::hca {

namespace {

QString num(std::int64_t v) {
    return QString::number(v);
}

void setBit(std::uint16_t& w, std::uint16_t bit, bool on) {
    if (on)
        w |= bit;
}

bool recordDateValid(const Record& r) {
    const int y = r[off::DateYear], m = r[off::DateMonth], d = r[off::DateDay];
    return y <= 99 && m >= 1 && m <= 12 && d >= 1 && QDate(2000 + y, m, d).isValid();
}

// Caption of a field in messages; put together only when a message is due.
struct Caption {
    Caption(const char* utf8, int row = 0) : text(utf8), row(row) {}
    const char* text;
    int row; // month-table row 1..18, 0 for the other fields
    QString str() const {
        const QString t = QString::fromUtf8(text);
        return row ? t + u' ' + QString::number(row) : t;
    }
};

// Collects the record from the form into a copy; the first input that does not fit stops it.
class Builder {
public:
    explicit Builder(const Record& start) : r(start) {}
    Record r;
    std::optional<InputError> error;

    bool failed() const { return error.has_value(); }

    void fail(const char* control, const QString& message) {
        if (!error)
            error = InputError{QString::fromLatin1(control), message};
    }

    // A whole number in [min, max].
    std::optional<std::int64_t> integer(const QString& text, const char* control, const Caption& caption,
                                        std::int64_t min, std::int64_t max) {
        if (failed())
            return std::nullopt;
        const auto v = parseInteger(text);
        if (!v || *v < min || *v > max) {
            fail(control, QStringLiteral("%1: bitte eine ganze Zahl von %2 bis %3 eingeben!")
                              .arg(caption.str(), num(min), num(max)));
            return std::nullopt;
        }
        return v;
    }

    void byteField(int offset, const QString& text, const char* control, const Caption& caption) {
        if (auto v = integer(text, control, caption, 0, 255))
            r[offset] = static_cast<std::uint8_t>(*v);
    }
    void signedByteField(int offset, const QString& text, const char* control, const Caption& caption) {
        if (auto v = integer(text, control, caption, -128, 127))
            r[offset] = static_cast<std::uint8_t>(*v & 0xFF);
    }
    void be16Field(int offset, const QString& text, const char* control, const Caption& caption) {
        if (auto v = integer(text, control, caption, 0, 65535))
            writeBE16(r.data() + offset, std::uint16_t(*v));
    }

    void idField(int offset, const QString& text, const char* control, const Caption& caption) {
        if (failed())
            return;
        const auto v = parseIdText(text.trimmed());
        if (!v) {
            fail(control, QStringLiteral("%1: nur Ziffern, höchstens 8 Stellen!").arg(caption.str()));
            return;
        }
        storeId(r, offset, *v);
    }

    void floatField(int offset, const QString& text, const char* control, const Caption& caption) {
        if (failed())
            return;
        const auto v = parseDecimal(text);
        if (!v || std::fabs(*v) > double(FLT_MAX)) {
            fail(control,
                 QStringLiteral("%1: bitte eine Zahl mit Dezimalkomma eingeben!").arg(caption.str()));
            return;
        }
        writeBEFloat(r.data() + offset, static_cast<float>(*v));
    }

    void hundredthsField(int offset, const QString& text, const char* control, const Caption& caption) {
        if (failed())
            return;
        const auto v = parseHundredths(text);
        if (!v || *v < 0 || *v > 65535) {
            fail(control,
                 QStringLiteral("%1: bitte eine Zahl von 0 bis 655,35 eingeben!").arg(caption.str()));
            return;
        }
        writeBE16(r.data() + offset, std::uint16_t(*v));
    }
};

std::uint16_t buildModeWord(const HcaForm& f) {
    std::uint16_t w = 0;
    setBit(w, md::FreeMonths, f.CheckBoxMessfrei_Enabled);
    setBit(w, md::UnitScale, f.RadioButtonESkala);
    setBit(w, md::AesOn, f.CheckBoxAESenable);
    setBit(w, md::StartRelease, f.CheckBox4StartMessung);
    setBit(w, md::TestClock, f.CheckBox5Speed);
    setBit(w, md::SpecialDisplays, f.CheckBoxSonderAnz);
    setBit(w, md::ShortTelegram, f.CheckBoxShortProt);
    setBit(w, md::AesMode7, f.CheckBoxAESM7);
    setBit(w, md::CmdWorking, f.RadioButton1StartMenue);
    setBit(w, md::CmdCurrentTest, f.RadioButton2Stromtest);
    setBit(w, md::CmdStorage, f.RadioButton3Lager);
    setBit(w, md::ShowTime, f.RadioButtonZeit);
    setBit(w, md::ShowMeter, f.RadioButtonZaehler);
    setBit(w, md::ShowTemps, f.RadioButtonTemp);
    setBit(w, md::DisplayAlwaysOn, f.CheckBox1LCD_ON);
    return w; // bit 15 (test mode) is the device's to report, never ours to set
}

std::uint16_t buildOptionWord(const HcaForm& f) {
    std::uint16_t w = f.RadioButtonTestMode ? opt::TestMode : 0;
    setBit(w, opt::ReadingMonthly, f.RadioButtonSTMon);
    setBit(w, opt::ReadingYearly, f.RadioButtonSTJahr);
    setBit(w, opt::SecondSensor, f.CheckBoxZweiFuehle);
    setBit(w, opt::RadioFitted, f.CheckBoxFunk);
    setBit(w, opt::RemoteSensor, f.CheckBoxFernf);
    setBit(w, opt::CalibrationMode, f.CheckBoxEinmessMode);
    setBit(w, opt::CarrierOn, f.CheckBoxFunkTraegerON);
    return w;
}

} // namespace

void showRecord(DataEHKVImage& image, HcaForm& f) {
    Record& r = image.bytes;

    f.Edit1GeraeteID = idText(r, off::DeviceId);
    f.EditFunkID = idText(r, off::RadioId);
    f.EditSerienNR = idText(r, off::SerialNumber);
    f.ComboBoxStartmonat = std::min<int>(r[off::StartMonth], 12);
    f.ComboBoxStichTag = std::min<int>(r[off::ReadingMonth], 11);
    f.Edit1BattMon = num(r[off::BatteryMonth]);
    f.Edit1BattJahr = num(2000 + r[off::BatteryYear]);
    f.EditK1 = num(word(r, off::K1));
    f.EditK2 = num(word(r, off::K2));
    f.EditKQ = num(word(r, off::KQ));
    f.Edit1Verbrauch = num(word(r, off::Consumption));
    f.Edit1VorVerbrauch = num(word(r, off::PrevConsumption));
    f.EditPZVerbrauch = num(r[off::CheckNumber]);
    f.EditDeltaT = num(r[off::DeltaT]);
    if (!f.CheckBoxKorrEdit)
        f.Edit1TempOffset = num(static_cast<std::int8_t>(r[off::TempOffset]));
    f.Edit1Zaehlerst = formatFloat(readBEFloat(r.data() + off::MeterReading));
    f.Edit1ZaehlerstVorj = formatFloat(readBEFloat(r.data() + off::MeterReadingPrev));
    for (int i = 0; i < off::MonthEntries; ++i) {
        const int o = off::MonthTable + off::MonthEntrySize * i;
        f.monthRows[i] = {num(word(r, o)), num(r[o + 2]), num(r[o + 3])};
    }

    if (r[off::ClockHours] > 23 || r[off::ClockMinutes] > 59 || r[off::ClockSeconds] > 59)
        r[off::ClockHours] = r[off::ClockMinutes] = r[off::ClockSeconds] = 0;
    f.sTimePicker1 = QTime(r[off::ClockHours], r[off::ClockMinutes], r[off::ClockSeconds]);
    // A date that does not exist (day 0, 30 February) is as unusable as month 13.
    if (!recordDateValid(r)) {
        r[off::DateYear] = 0;
        r[off::DateMonth] = 1;
        r[off::DateDay] = 1;
    }
    f.sDateEdit1 = QDate(2000 + r[off::DateYear], r[off::DateMonth], r[off::DateDay]);
    for (int i = 0; i < 7; ++i)
        f.weekdayShown[i] = r[off::Weekday] & (1u << i);

    f.CSpinEditV = word(r, off::Variance);
    f.CSpinEditZZ = word(r, off::CycleTime);
    f.CSpinEditStop = r[off::StopHour];
    f.CSpinEditStart = r[off::StartHour];
    const std::uint16_t months = sendMonthMask(r);
    for (int i = 0; i < 12; ++i)
        f.sendMonths[i] = months & (1u << i);
    const std::uint8_t weeks = sendWeekMask(r);
    for (int i = 0; i < 5; ++i)
        f.sendWeeks[i] = weeks & (1u << i);
    const std::uint8_t days = sendWeekdayMask(r);
    for (int i = 0; i < 7; ++i)
        f.sendDays[i] = days & (1u << i);
    f.LabelZyklusNr = num(r[off::CycleNumber]);

    f.EditAESKEY = keyText(keyAt(r));
    f.EditManCode = manCodeText(r);
    f.Edit1TempRaum = formatHundredths(word(r, off::RoomTemp));
    f.Edit1Temp = formatHundredths(word(r, off::RadiatorTemp));

    f.freeMonths.fill(false);
    const int first = r[off::FreeMonthFirst];
    const int last = std::max(first, int(r[off::FreeMonthLast]));
    for (int m = first; m <= last; ++m)
        if (m >= 5 && m <= 8)
            f.freeMonths[m - 5] = true;

    f.LabelFehlerdatum =
        QStringLiteral("Fehlerdatum: %1.%2").arg(num(r[off::ErrorDate + 1]), num(r[off::ErrorDate]));
    f.EditTempMax = num(static_cast<std::int8_t>(r[off::TempMax]));
    f.LabelStichdatum =
        QStringLiteral("%1.%2.%3")
            .arg(num(r[off::ReadingDay]), num(r[off::ReadingDateMonth]), num(2000 + r[off::ReadingYear]));

    const std::uint16_t s = word(r, off::StatusWord);
    f.CheckBoxMon = s & st::SendMonth;
    f.CheckBoxTag = s & st::SendDay;
    f.CheckBoxWo = s & st::SendWeek;
    f.CheckBoxStd = s & st::SendHour;
    f.CheckBoxFenster = s & st::WindowOpen;
    f.RadioButton_Funk_S1 = s & st::ProtocolS1;
    f.RadioButton_Funk_T1 = s & st::ProtocolT1;
    f.CheckBox1MessFehler = s & st::MeasureError;
    f.CheckBox1Sabotage = s & st::Sabotage;
    f.CheckBox1LowBatt = s & st::LowBattery;
    f.CheckBox1CSfehler = s & st::ChecksumError;
    f.CheckBoxHFError = s & st::RadioError;
    f.CheckBoxRESET = s & st::ResetOccurred;

    const std::uint16_t m = word(r, off::ModeWord);
    f.CheckBoxMessfrei_Enabled = m & md::FreeMonths;
    f.RadioButtonESkala = m & md::UnitScale;
    f.RadioButtonPSkala = !f.RadioButtonESkala;
    f.CheckBoxAESenable = m & md::AesOn;
    f.CheckBox4StartMessung = m & md::StartRelease;
    f.CheckBox5Speed = m & md::TestClock;
    f.CheckBoxSonderAnz = m & md::SpecialDisplays;
    f.CheckBoxShortProt = m & md::ShortTelegram;
    f.CheckBoxAESM7 = m & md::AesMode7;
    f.RadioButton1StartMenue = m & md::CmdWorking;
    f.RadioButton2Stromtest = m & md::CmdCurrentTest;
    f.RadioButton3Lager = m & md::CmdStorage;
    f.RadioButtonZeit = m & md::ShowTime;
    f.RadioButtonZaehler = m & md::ShowMeter;
    f.RadioButtonTemp = m & md::ShowTemps;
    f.CheckBox1LCD_ON = m & md::DisplayAlwaysOn;

    const std::uint16_t o = word(r, off::OptionWord);
    f.RadioButtonSTMon = o & opt::ReadingMonthly;
    f.RadioButtonSTJahr = o & opt::ReadingYearly;
    f.CheckBoxZweiFuehle = o & opt::SecondSensor;
    f.CheckBoxFunk = o & opt::RadioFitted;
    f.CheckBoxFernf = o & opt::RemoteSensor;
    f.CheckBoxEinmessMode = o & opt::CalibrationMode;
    f.CheckBoxFunkTraegerON = o & opt::CarrierOn;
    f.RadioButtonTestMode = (o & opt::TestMode) || (m & md::TestMode);

    f.extendedFirmware = image.ExtVersionFlag;
    if (!f.extendedFirmware)
        f.CheckBoxAESM7 = false;
}

std::optional<DeviceKey> parseKeyInput(const QString& text) {
    QString digits;
    for (QChar c : text) {
        if (c == u' ')
            continue;
        if (c.unicode() > 0x7F || !isHexDigit(char(c.unicode())))
            return std::nullopt;
        digits.append(c);
    }
    if (digits.size() > 32)
        return std::nullopt;
    digits = digits.leftJustified(32, u'0');
    DeviceKey key;
    for (int i = 0; i < 16; ++i)
        key[i] = static_cast<std::uint8_t>(hexDigitValue(char(digits[2 * i].unicode())) << 4 |
                                           hexDigitValue(char(digits[2 * i + 1].unicode())));
    return key;
}

std::optional<InputError> readForm(HcaForm& f, DataEHKVImage& image, const KeyDerivation& derive) {
    Builder b(image.bytes);
    Record& r = b.r;

    b.idField(off::DeviceId, f.Edit1GeraeteID, "Edit1GeraeteID", "Geräte ID");
    b.idField(off::RadioId, f.EditFunkID, "EditFunkID", "Funk ID");
    b.idField(off::SerialNumber, f.EditSerienNR, "EditSerienNR", "Serien Nr.");
    r[off::StartMonth] = static_cast<std::uint8_t>(std::clamp(f.ComboBoxStartmonat, 0, 12));
    r[off::ReadingMonth] = static_cast<std::uint8_t>(std::clamp(f.ComboBoxStichTag, 0, 11));
    b.byteField(off::BatteryMonth, f.Edit1BattMon, "Edit1BattMon", "Batterie Monat");
    if (!b.failed()) {
        // The field holds year - 2000; 0 stands for "no date" as the presets leave it.
        const auto y = parseInteger(f.Edit1BattJahr);
        if (y && *y == 0)
            r[off::BatteryYear] = 0;
        else if (y && *y >= 2000 && *y <= 2255)
            r[off::BatteryYear] = static_cast<std::uint8_t>(*y - 2000);
        else
            b.fail("Edit1BattJahr",
                   QStringLiteral("Batterie Jahr: bitte ein Jahr von 2000 bis 2255 eingeben!"));
    }
    b.be16Field(off::K1, f.EditK1, "EditK1", "K1");
    b.be16Field(off::K2, f.EditK2, "EditK2", "K2");
    b.be16Field(off::KQ, f.EditKQ, "EditKQ", "KQ");
    b.be16Field(off::Consumption, f.Edit1Verbrauch, "Edit1Verbrauch", "Verbrauch Stichtag");
    b.be16Field(off::PrevConsumption, f.Edit1VorVerbrauch, "Edit1VorVerbrauch", "Verbrauch Vorjahr");

    const QTime t = f.sTimePicker1;
    const QDate d = f.sDateEdit1;
    if (!b.failed() && !t.isValid())
        b.fail("sTimePicker1", QStringLiteral("Geräteuhr: keine gültige Uhrzeit!"));
    if (!b.failed() && (!d.isValid() || d.year() < 2000 || d.year() > 2099))
        b.fail("sDateEdit1", QStringLiteral("Gerätedatum: bitte ein Datum von 2000 bis 2099 wählen!"));
    if (!b.failed()) {
        r[off::ClockSeconds] = static_cast<std::uint8_t>(t.second());
        r[off::ClockMinutes] = static_cast<std::uint8_t>(t.minute());
        r[off::ClockHours] = static_cast<std::uint8_t>(t.hour());
        r[off::DateDay] = static_cast<std::uint8_t>(d.day());
        r[off::DateMonth] = static_cast<std::uint8_t>(d.month());
        r[off::DateYear] = static_cast<std::uint8_t>(d.year() - 2000);
    }
    // The weekday boxes are checked one at a time; with several the last wins, with none the byte stays.
    for (int i = 0; i < 7; ++i)
        if (f.weekdayShown[i])
            r[off::Weekday] = static_cast<std::uint8_t>(1u << i);

    b.byteField(off::CheckNumber, f.EditPZVerbrauch, "EditPZVerbrauch", "Prüfziffer Verbrauch");
    b.byteField(off::DeltaT, f.EditDeltaT, "EditDeltaT", "DeltaT");
    b.signedByteField(off::TempOffset, f.Edit1TempOffset, "Edit1TempOffset", "Temperatur-Offset");
    b.floatField(off::MeterReading, f.Edit1Zaehlerst, "Edit1Zaehlerst", "Zählerstand");
    b.floatField(off::MeterReadingPrev, f.Edit1ZaehlerstVorj, "Edit1ZaehlerstVorj", "Zählerstand Stichtag");
    // Control names of the month table, made once.
    static const auto rowNames = [] {
        std::array<std::array<std::string, 3>, off::MonthEntries> names;
        for (int i = 0; i < off::MonthEntries; ++i)
            names[i] = {monthValueEditName(i).toStdString(), monthMonthEditName(i).toStdString(),
                        monthYearEditName(i).toStdString()};
        return names;
    }();
    for (int i = 0; i < off::MonthEntries; ++i) {
        const int o = off::MonthTable + off::MonthEntrySize * i;
        b.be16Field(o, f.monthRows[i].value, rowNames[i][0].c_str(), {"Monatswert", i + 1});
        b.byteField(o + 2, f.monthRows[i].month, rowNames[i][1].c_str(), {"Monat", i + 1});
        b.byteField(o + 3, f.monthRows[i].year, rowNames[i][2].c_str(), {"Jahr", i + 1});
    }

    if (f.CSpinEditV == 0)
        f.CSpinEditV = 1;
    b.be16Field(off::Variance, QString::number(f.CSpinEditV), "CSpinEditV", "Variance");
    b.be16Field(off::CycleTime, QString::number(f.CSpinEditZZ), "CSpinEditZZ", "Zykluszeit");
    b.byteField(off::StopHour, QString::number(f.CSpinEditStop), "CSpinEditStop", "Stop");
    b.byteField(off::StartHour, QString::number(f.CSpinEditStart), "CSpinEditStart", "Start");
    std::uint16_t months = 0;
    for (int i = 0; i < 12; ++i)
        if (f.sendMonths[i])
            months |= std::uint16_t(1u << i);
    std::uint8_t weeks = 0;
    for (int i = 0; i < 5; ++i)
        if (f.sendWeeks[i])
            weeks |= std::uint8_t(1u << i);
    std::uint8_t days = 0;
    for (int i = 0; i < 7; ++i)
        if (f.sendDays[i])
            days |= std::uint8_t(1u << i);
    r[off::SendMask0] = static_cast<std::uint8_t>(months);
    r[off::SendMask1] = static_cast<std::uint8_t>(((months >> 8) & 0x0F) | ((weeks & 0x0F) << 4));
    r[off::SendMask2] = static_cast<std::uint8_t>(((weeks >> 4) & 0x01) | (days << 1));
    if (const auto n = parseInteger(f.LabelZyklusNr); n && *n >= 0 && *n <= 255)
        r[off::CycleNumber] = static_cast<std::uint8_t>(*n);

    if (!b.failed() && !f.EditManCode.isEmpty() && f.EditManCode.size() == 3) {
        if (const auto man = parseManCode(f.EditManCode))
            writeLE16(r.data() + off::ManCode, *man);
        else
            b.fail("EditManCode",
                   QStringLiteral("Herstellerkennung: bitte drei Buchstaben A bis Z eingeben!"));
    }
    b.hundredthsField(off::RoomTemp, f.Edit1TempRaum, "Edit1TempRaum", "Raumtemperatur");
    b.hundredthsField(off::RadiatorTemp, f.Edit1Temp, "Edit1Temp", "Heizkörpertemperatur");

    int first = 0, last = 0;
    for (int i = 0; i < 4; ++i) {
        if (!f.freeMonths[i])
            continue;
        if (first == 0)
            first = 5 + i;
        last = 5 + i;
    }
    r[off::FreeMonthFirst] = static_cast<std::uint8_t>(first);
    r[off::FreeMonthLast] = static_cast<std::uint8_t>(last);
    r[off::ErrorDate] = r[off::ErrorDate + 1] = 0;
    b.signedByteField(off::TempMax, f.EditTempMax, "EditTempMax", "max. Heizkörpertemperatur");

    std::optional<DeviceKey> key;
    QString keyShown;
    if (!b.failed()) {
        if (f.CheckBoxAutoAES && derive) {
            key = derive(idText(r, off::DeviceId));
            keyShown = keyText(*key);
        } else {
            key = parseKeyInput(f.EditAESKEY);
            if (!key)
                b.fail("EditAESKEY",
                       QStringLiteral("AES Key: höchstens 32 Hex-Ziffern (0-9, A-F), Leerzeichen erlaubt!"));
        }
    }
    if (b.failed())
        return b.error;
    storeKey(r, *key);

    std::uint16_t status = 0;
    setBit(status, st::MeasureError, f.CheckBox1MessFehler);
    setBit(status, st::Sabotage, f.CheckBox1Sabotage);
    setBit(status, st::LowBattery, f.CheckBox1LowBatt);
    setBit(status, st::ChecksumError, f.CheckBox1CSfehler);
    setBit(status, st::RadioError, f.CheckBoxHFError);
    setBit(status, st::ResetOccurred, f.CheckBoxRESET);
    // An update of the send window starts the device afresh: its error flags go.
    if (f.CheckBoxFunkUpdate)
        status = evaluateSendWindow(r);
    setBit(status, st::ProtocolS1, f.RadioButton_Funk_S1);
    setBit(status, st::ProtocolT1, f.RadioButton_Funk_T1);
    setWord(r, off::StatusWord, status);
    setWord(r, off::ModeWord, buildModeWord(f));
    setWord(r, off::OptionWord, buildOptionWord(f));

    image.bytes = r;
    if (!keyShown.isEmpty())
        f.EditAESKEY = keyShown;
    // S1 on standard firmware always sends the short telegram; the box follows at the next build.
    if (f.RadioButton_Funk_S1 && !f.CheckBoxShortProt && !image.ExtVersionFlag)
        f.CheckBoxShortProt = true;
    return std::nullopt;
}

} // namespace kvq::hca
