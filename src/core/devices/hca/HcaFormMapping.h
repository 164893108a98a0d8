#pragma once
// Record to form and form to record for the heat cost allocator's device-data window.

#include "core/app/Parameter.h"
#include "core/devices/common/FieldTable.h"
#include "core/devices/hca/HcaForm.h"
#include "core/devices/hca/HcaRecord.h"

#include <QString>
#include <functional>
#include <optional>
#include <span>

namespace kvq::hca {

using kvq::InputError;

// Device key from the eight-digit device ID text.
using KeyDerivation = std::function<DeviceKey(const QString& idText)>;

// How a record with the allocator's layout meets its form: its table rows either way, and whether it
// has the measurement-free months (else bytes 152 and 153 are carried as they are).
struct RecordMapping {
    std::function<void(std::span<const std::uint8_t>, HcaForm&)> showRows;
    std::function<std::optional<InputError>(HcaForm&, std::span<std::uint8_t>)> readRows;
    bool freeMonths = true;
};
// The allocator's own: its field table and the free months.
const RecordMapping& hcaMapping();

// The key derivation of the maker's devices (device-key derivation from the ID).
KeyDerivation deviceKeyDerivation();

// Fills the form from the image; the image is not touched. A clock or date the device cannot have
// shows as 00:00:00 and 1 January 2000. The temperature offset is left alone while it is being
// edited (CheckBoxKorrEdit).
void showRecord(const DataEHKVImage& image, HcaForm& form);
void showRecord(const Record& record, bool extendedFirmware, HcaForm& form, const RecordMapping& mapping);

// Builds the record from the form. Every input is checked before a byte is written: on the first
// one that does not fit its field the image stays exactly as it was and the error names it.
// With "AES dynam." the key comes from `derive` (given the device ID as eight digits) and the key
// edit shows it. The form takes the corrections the build makes (variance 0 to 1, the short
// telegram that S1 on standard firmware always uses).
std::optional<InputError> readForm(HcaForm& form, DataEHKVImage& image, const KeyDerivation& derive);
std::optional<InputError> readForm(HcaForm& form, Record& record, bool extendedFirmware,
                                   const KeyDerivation& derive, const RecordMapping& mapping);

// Key text as typed: blanks ignored, up to 32 hex digits, padded with "0" on the right.
std::optional<DeviceKey> parseKeyInput(const QString& text);

} // namespace kvq::hca
