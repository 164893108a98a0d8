#include "core/devices/hca/HcaParamForm.h"

#include "core/app/Bytes.h"
#include "core/devices/common/GermanNumbers.h"
#include "core/devices/hca/HcaFields.h"
#include "core/devices/hca/HcaSendWindow.h"
#include "core/log/WriteLog.h"

#include <QSet>
#include <algorithm>
#include <bit>

namespace kvq::hca {

using namespace fields;

const std::array<const char*, 6> kClockEdits = {"Edit1Tag", "Edit1Mon", "Edit1Jahr",
                                                "Edit1Std", "Edit1Min", "Edit1Sec"};

namespace {

Table<ParamForm> buildTable() {
    static const char* const kShown[] = {"EditK1",
                                         "EditK2",
                                         "EditKQ",
                                         "EditFunkID",
                                         "EditManCode",
                                         "ComboBoxStartmonat",
                                         "ComboBoxStichTag",
                                         "RadioButton_Funk_S1",
                                         "RadioButton_Funk_T1",
                                         "CheckBox1MessFehler",
                                         "CheckBox1Sabotage",
                                         "CheckBox1LowBatt",
                                         "CheckBox1CSfehler",
                                         "CheckBoxHFError",
                                         "CheckBoxRESET",
                                         "CheckBoxMessfrei_Enabled",
                                         "RadioButtonESkala",
                                         "CheckBoxAESenable",
                                         "CheckBox4StartMessung",
                                         "CheckBoxShortProt",
                                         "CheckBoxAESM7",
                                         "RadioButtonSTMon",
                                         "RadioButtonSTJahr",
                                         "CheckBoxZweiFuehle",
                                         "CheckBoxFernf",
                                         "CSpinEditStart",
                                         "CSpinEditStop",
                                         "CSpinEditZZ",
                                         "CSpinEditV"};
    QSet<QString> keep;
    for (const char* n : kShown)
        keep.insert(QString::fromLatin1(n));
    for (const auto* boxes : {&kWeekdayShownBoxes, &kSendDayBoxes})
        for (const char* n : *boxes)
            keep.insert(QString::fromLatin1(n));
    for (const char* n : kSendMonthBoxes)
        keep.insert(QString::fromLatin1(n));
    for (const char* n : kSendWeekBoxes)
        keep.insert(QString::fromLatin1(n));
    Table<ParamForm> t =
        subTable<ParamForm>(hcaFields(), [&keep](const QString& c) { return keep.contains(c); });
    // The words keep the bits this view has no control for.
    t.words.clear();
    t.flags.push_back({QStringLiteral("CheckBoxLagermode"),
                       member(&ParamForm::CheckBoxLagermode),
                       {off::ModeWord, std::countr_zero(md::CmdStorage)}});
    return t;
}

ParamForm& asParam(HcaForm& f) {
    return static_cast<ParamForm&>(f);
}

// Only ParamForm reaches these rows (showParamRecord, readParamForm).
const RecordMapping& paramMapping() {
    static const RecordMapping m{
        [](std::span<const std::uint8_t> r, HcaForm& f) { showTable(paramFields(), r, asParam(f)); },
        [](HcaForm& f, std::span<std::uint8_t> r) { return readTable(paramFields(), asParam(f), r); }, true};
    return m;
}

void copyBytes(Record& to, const Record& from, int offset, int count) {
    std::copy_n(from.begin() + offset, count, to.begin() + offset);
}

} // namespace

const Table<ParamForm>& paramFields() {
    static const Table<ParamForm> table = buildTable();
    return table;
}

void applyScaleKValues(ParamForm& f) {
    f.RadioButtonPSkala = !f.RadioButtonESkala;
    f.kEditsShown = f.RadioButtonPSkala;
    f.EditKQEnabled = f.RadioButtonPSkala;
    if (f.RadioButtonPSkala)
        return;
    f.EditKQ = QStringLiteral("1000");
    f.EditK1 = f.CheckBoxZweiFuehle ? QStringLiteral("1538") : QStringLiteral("1000");
    f.EditK2 = f.CheckBoxFernf ? QStringLiteral("1538") : QStringLiteral("2500");
}

void clockToEdits(ParamForm& f) {
    const QDate d = f.sDateEdit1;
    const QTime t = f.sTimePicker1;
    f.clock = {QString::number(d.day()),  QString::number(d.month()),  QString::number(d.year() - 2000),
               QString::number(t.hour()), QString::number(t.minute()), QString::number(t.second())};
}

void showParamRecord(const Record& r, bool extendedFirmware, ParamForm& f) {
    showRecord(r, extendedFirmware, f, paramMapping());
    clockToEdits(f);
    f.Edit1SerienNr = idText(r, off::SerialNumber);
    f.CheckBoxHFError = false;
    f.GroupBoxRadioVisible = word(r, off::OptionWord) & opt::RadioFitted;
    applyScaleKValues(f);
}

std::optional<InputError> readParamForm(ParamForm& f, Record& r, bool extendedFirmware) {
    std::array<int, 6> v{};
    for (std::size_t i = 0; i < v.size(); ++i) {
        const auto n = parseInteger(f.clock[i]);
        v[i] = n && *n >= 0 && *n <= 255 ? int(*n) : -1;
    }
    const QDate d(2000 + v[2], v[1], v[0]);
    const QTime t(v[3], v[4], v[5]);
    if (v[3] < 0 || v[4] < 0 || v[5] < 0 || !t.isValid())
        return InputError{QString::fromLatin1(kClockEdits[3]), QString(), int(Message::ClockInvalid)};
    if (v[0] < 0 || v[1] < 0 || v[2] < 0 || v[2] > 99 || !d.isValid())
        return InputError{QString::fromLatin1(kClockEdits[0]), QString(), int(Message::DateRange)};
    f.sDateEdit1 = d;
    f.sTimePicker1 = t;
    applyScaleKValues(f);
    // No key derivation and no send-window update of the full view here.
    f.CheckBoxAutoAES = false;
    f.CheckBoxFunkUpdate = false;
    // Only a whole key replaces the record's.
    QString key = f.EditAESKEY;
    key.remove(u' ');
    const bool wholeKey = key.size() == 32 && std::all_of(key.begin(), key.end(), [](QChar c) {
                              return c.unicode() < 0x80 && isHexDigit(char(c.unicode()));
                          });
    if (!wholeKey)
        f.EditAESKEY = keyText(keyAt(r));

    Record work = r;
    if (auto error = readForm(f, work, extendedFirmware, KeyDerivation(), paramMapping()))
        return error;
    constexpr std::uint16_t kWindowBits =
        st::SendMonth | st::SendDay | st::SendWeek | st::SendHour | st::WindowOpen;
    setWord(
        work, off::StatusWord,
        static_cast<std::uint16_t>((word(work, off::StatusWord) & ~kWindowBits) | evaluateSendWindow(work)));
    r = work;
    return std::nullopt;
}

Record mergeParamWrite(const Record& pending, const Record& device, bool keepRadioId) {
    Record r = pending;
    const std::pair<int, int> kept[] = {{off::TempOffset, 1},
                                        {off::DeviceId, 4},
                                        {off::SerialNumber, 4},
                                        {off::BatteryMonth, 2},
                                        {off::AesKey, 16},
                                        {off::ManCode, 2},
                                        {off::RoomTemp, 4},
                                        {off::TempMax, 1},
                                        {off::MeterReading, 8},
                                        {off::Consumption, 4},
                                        {off::CheckNumber, 1},
                                        {off::ReadingDay, 3},
                                        {off::ErrorDate, 2},
                                        {off::DeltaT, 1},
                                        {off::MonthTable, off::MonthEntries * off::MonthEntrySize}};
    for (const auto& [offset, count] : kept)
        copyBytes(r, device, offset, count);
    if (keepRadioId)
        copyBytes(r, device, off::RadioId, 4);
    constexpr std::uint16_t kDeviceOptions = opt::SecondSensor | opt::RadioFitted | opt::RemoteSensor;
    setWord(r, off::OptionWord,
            static_cast<std::uint16_t>((word(r, off::OptionWord) & ~kDeviceOptions) |
                                       (word(device, off::OptionWord) & kDeviceOptions)));
    return r;
}

bool sameDevice(const Record& pending, const Record& device) {
    return std::equal(pending.begin() + off::DeviceId, pending.begin() + off::DeviceId + 4,
                      device.begin() + off::DeviceId);
}

variants::RadioVariant variantFromForm(const ParamForm& f) {
    return variants::variantFromSendControls(f);
}

void applyVariant(ParamForm& f, const variants::RadioVariant& v) {
    f.sendMonths = v.months;
    f.sendWeeks = v.weeks;
    f.sendDays = v.days;
    f.RadioButton_Funk_S1 = v.s1;
    f.RadioButton_Funk_T1 = v.t1;
    f.CheckBoxAESenable = v.aes;
    f.CSpinEditStart = v.start;
    f.CSpinEditStop = v.stop;
    f.CSpinEditZZ = v.cycle;
    f.CSpinEditV = v.variance;
    // What the controls' own handlers do when they change.
    if (v.s1 || v.t1)
        onProtocolSelected(f, v.t1);
    onStartChange(f);
    onStopChange(f);
    onCycleOrVarianceChange(f);
}

QStringList paramLogFields(const ParamForm& f, const QString& dateText) {
    return log::parameterWriteLogFields({f.Edit1SerienNr, f.RadioButtonPSkala, f.EditK1, f.EditK2, f.EditKQ,
                                         f.CheckBoxZweiFuehle, f.CheckBoxFernf},
                                        dateText);
}

} // namespace kvq::hca
