#include "core/devices/hca/HcaFormMapping.h"

#include "core/app/Bytes.h"
#include "core/devices/common/GermanNumbers.h"
#include "core/devices/hca/HcaFields.h"
#include "core/devices/hca/HcaMessages.h"
#include "core/devices/hca/HcaSendWindow.h"
#include "core/wmbus/crypto/DeviceKey.h"

#include <QCoreApplication>

namespace kvq::hca {

namespace {

QString num(std::int64_t v) {
    return QString::number(v);
}

} // namespace

const RecordMapping& hcaMapping() {
    static const RecordMapping m{
        [](std::span<const std::uint8_t> r, HcaForm& f) { fields::showTable(hcaFields(), r, f); },
        [](HcaForm& f, std::span<std::uint8_t> r) { return fields::readTable(hcaFields(), f, r); }, true};
    return m;
}

KeyDerivation deviceKeyDerivation() {
    return [](const QString& idText) {
        const crypto::DeviceKey k = crypto::DeriveDeviceKey(idText.toStdString());
        DeviceKey key;
        std::copy(k.key.begin(), k.key.end(), key.begin());
        return key;
    };
}

void showRecord(const DataEHKVImage& image, HcaForm& f) {
    showRecord(image.bytes, image.ExtVersionFlag, f, hcaMapping());
}

void showRecord(const Record& r, bool extendedFirmware, HcaForm& f, const RecordMapping& mapping) {
    const QString offsetBeingEdited = f.Edit1TempOffset;
    mapping.showRows(r, f);
    if (f.CheckBoxKorrEdit)
        f.Edit1TempOffset = offsetBeingEdited;
    f.Edit1BattJahr = num(2000 + r[off::BatteryYear]);

    Record clock = r;
    repairClock(clock);
    f.sTimePicker1 = QTime(clock[off::ClockHours], clock[off::ClockMinutes], clock[off::ClockSeconds]);
    f.sDateEdit1 = QDate(2000 + clock[off::DateYear], clock[off::DateMonth], clock[off::DateDay]);
    f.LabelZyklusNr = num(r[off::CycleNumber]);

    f.EditAESKEY = keyText(keyAt(r));

    if (mapping.freeMonths) {
        f.freeMonths.fill(false);
        const int first = r[off::FreeMonthFirst];
        const int last = std::max(first, int(r[off::FreeMonthLast]));
        for (int m = first; m <= last; ++m)
            if (m >= 5 && m <= 8)
                f.freeMonths[m - 5] = true;
    }

    f.LabelFehlerdatum = QCoreApplication::translate("HcaForm", "Fehlerdatum: %1.%2")
                             .arg(num(r[off::ErrorDate + 1]), num(r[off::ErrorDate]));
    f.LabelStichdatum =
        QStringLiteral("%1.%2.%3")
            .arg(num(r[off::ReadingDay]), num(r[off::ReadingDateMonth]), num(2000 + r[off::ReadingYear]));

    f.RadioButtonPSkala = !f.RadioButtonESkala;
    // The device reports its test mode in either word.
    f.RadioButtonTestMode = f.RadioButtonTestMode || (word(r, off::ModeWord) & md::TestMode);
    f.extendedFirmware = extendedFirmware;
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
    return readForm(f, image.bytes, image.ExtVersionFlag, derive, hcaMapping());
}

std::optional<InputError> readForm(HcaForm& f, Record& record, bool extendedFirmware,
                                   const KeyDerivation& derive, const RecordMapping& mapping) {
    if (f.CSpinEditV == 0)
        f.CSpinEditV = 1;
    Record r = record;
    auto error = mapping.readRows(f, r);
    auto fail = [&error](const char* control, Message message) {
        if (!error)
            error = InputError{QString::fromLatin1(control), QString(), int(message)};
    };

    if (!error) {
        // The field holds year - 2000; 0 stands for "no date" as the presets leave it.
        const auto y = parseInteger(f.Edit1BattJahr);
        if (y && *y == 0)
            r[off::BatteryYear] = 0;
        else if (y && *y >= 2000 && *y <= kBatteryYearMax)
            r[off::BatteryYear] = static_cast<std::uint8_t>(*y - 2000);
        else
            fail("Edit1BattJahr", Message::BatteryYearRange);
    }
    const QTime t = f.sTimePicker1;
    const QDate d = f.sDateEdit1;
    if (!t.isValid())
        fail("sTimePicker1", Message::ClockInvalid);
    if (!d.isValid() || d.year() < 2000 || d.year() > 2099)
        fail("sDateEdit1", Message::DateRange);

    std::optional<DeviceKey> key;
    QString keyShown;
    if (!error) {
        if (f.CheckBoxAutoAES && derive) {
            key = derive(idText(r, off::DeviceId));
            keyShown = keyText(*key);
        } else {
            key = parseKeyInput(f.EditAESKEY);
            if (!key)
                fail("EditAESKEY", Message::AesKeyInvalid);
        }
    }
    if (error)
        return error;
    storeKey(r, *key);

    r[off::ClockSeconds] = static_cast<std::uint8_t>(t.second());
    r[off::ClockMinutes] = static_cast<std::uint8_t>(t.minute());
    r[off::ClockHours] = static_cast<std::uint8_t>(t.hour());
    r[off::DateDay] = static_cast<std::uint8_t>(d.day());
    r[off::DateMonth] = static_cast<std::uint8_t>(d.month());
    r[off::DateYear] = static_cast<std::uint8_t>(d.year() - 2000);
    // The weekday boxes are checked one at a time; with several the last wins, with none the byte stays.
    for (int i = 0; i < 7; ++i)
        if (f.weekdayShown[i])
            r[off::Weekday] = static_cast<std::uint8_t>(1u << i);
    if (const auto n = parseInteger(f.LabelZyklusNr); n && *n >= 0 && *n <= 255)
        r[off::CycleNumber] = static_cast<std::uint8_t>(*n);

    if (mapping.freeMonths) {
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
    }
    r[off::ErrorDate] = r[off::ErrorDate + 1] = 0;

    // An update of the send window starts the device afresh: its error flags go.
    if (f.CheckBoxFunkUpdate)
        setWord(r, off::StatusWord,
                evaluateSendWindow(r) | (word(r, off::StatusWord) & (st::ProtocolS1 | st::ProtocolT1)));

    record = r;
    if (!keyShown.isEmpty())
        f.EditAESKEY = keyShown;
    // S1 on standard firmware always sends the short telegram; the box follows at the next build.
    if (f.RadioButton_Funk_S1 && !f.CheckBoxShortProt && !extendedFirmware)
        f.CheckBoxShortProt = true;
    return std::nullopt;
}

} // namespace kvq::hca
