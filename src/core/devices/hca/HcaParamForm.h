#pragma once
// The installer's view of the heat cost allocator record ("Parametrierdaten"): the allocator's form
// with the controls only this view has, the rows of the allocator's table it shows, and how it builds,
// merges and checks the record it writes. Flag words start from the record: only bits with a control
// here change, whatever else the device has set survives.

#include "core/devices/common/FieldTable.h"
#include "core/devices/hca/HcaForm.h"
#include "core/devices/hca/HcaFormMapping.h"
#include "core/devices/hca/HcaMessages.h"
#include "core/devices/hca/HcaRecord.h"
#include "core/devices/variants/RadioVariants.h"

#include <QStringList>
#include <array>
#include <optional>

namespace kvq::hca {

struct ParamForm : HcaForm {
    // Device clock, read-only: day, month, year - 2000, hours, minutes, seconds (bytes 31, 32, 33, 30,
    // 29, 28).
    std::array<QString, 6> clock{QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0"),
                                 QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
    QString Edit1SerienNr = QStringLiteral("00000000");
    bool CheckBoxLagermode = false;
    bool CheckBoxEditFunkID = false;
    bool CheckBoxWriteLog = false;
    std::array<QString, variants::kVariantCount> variantTexts{
        QStringLiteral("S1 täglich 24h lang aller 5min"), QStringLiteral("S1 täglich 24h lang aller 15min"),
        QStringLiteral("T1 jede 1.Woche im Monat werktags von 7-18uhr aller 6s"),
        QStringLiteral("T1 werktags von 7-17uhr aller 23s ")};

    // Follows from the values: the radio group with option bit 7, the K edits with the P scale.
    bool GroupBoxRadioVisible = false;
    bool kEditsShown = false;
};

// Control names of the clock edits, in the order of ParamForm::clock.
extern const std::array<const char*, 6> kClockEdits;

// The allocator's rows that have a control in this view, and "in Lagermode" for mode bit 10. No word
// is built anew.
const fields::Table<ParamForm>& paramFields();

// E scale: the K values that follow from the sensors, KQ 1000, the K edits hidden. P scale: the
// record's values in visible edits.
void applyScaleKValues(ParamForm& f);

// The clock edits and the weekday boxes from sDateEdit1 and sTimePicker1.
void clockToEdits(ParamForm& f);

// Record to form: the rows, clock, serial number and radio group; the HF error always unchecked.
void showParamRecord(const Record& r, bool extendedFirmware, ParamForm& f);

// Form to record: the rows into the record's own words, K values, months, clock, key (as typed, 32 hex
// digits), the send-window bits for the record's date, the error date cleared. On the first input
// that does not fit the record stays as it was.
std::optional<InputError> readParamForm(ParamForm& f, Record& r, bool extendedFirmware);

// The record about to be written takes from the device's fresh answer everything the device keeps
// itself: identity, serial number, battery date, radio ID (unless the technician changes it), key,
// manufacturer, sensors and radio fitted, temperatures, readings, consumptions, dates and the monthly
// table.
Record mergeParamWrite(const Record& pending, const Record& device, bool keepRadioId);

// The device answering is the one the pending record was read from.
bool sameDevice(const Record& pending, const Record& device);

// The send-mask controls to and from a stored radio setup (the description stays with the caller).
variants::RadioVariant variantFromForm(const ParamForm& f);
void applyVariant(ParamForm& f, const variants::RadioVariant& v);

// The write-log line of an acknowledged write.
QStringList paramLogFields(const ParamForm& f, const QString& dateText);

} // namespace kvq::hca
