#pragma once
// Image to form and form to image for the water-meter module's device-data window.

#include "core/devices/common/FieldTable.h"
#include "core/devices/watermodule/WzForm.h"
#include "core/devices/watermodule/WzRecord.h"
#include "core/devices/watermodule/WzSchedule.h"

#include <optional>

namespace kvq::wz {

// Fills the form from the image. `versionText` is the module's firmware version as the answer gave
// it. A clock or date the module cannot have is first replaced in the image by 00:00:00 and
// 1 January 2000.
void ShowImage(Image& image, const QString& versionText, WzForm& form);

// Builds the image from the form. Every input is checked before a byte is written: on the first
// one that does not fit its field the image (and the cache) stay exactly as they were and the error
// names it. The form takes what the collect sets: the derived key with "Auto AES", and "kurzes Tel."
// checked under S1 (after the option word was built, so only the next write carries it).
std::optional<InputError> CollectFormToImage(WzForm& form, Image& image, ScheduleCache& cache);

// What a window's collect takes: the rows of its controls, where the key comes from, and whether it
// writes the device data's own fields (reserved word and chip temperature as 0, the cycle number).
struct CollectRules {
    const fields::Table<WzForm>& table;
    bool keyFromText = false; // the key from EditAESKEY, never derived
    bool deviceData = true;
};
std::optional<InputError> collectForm(WzForm& form, Image& image, ScheduleCache& cache,
                                      const CollectRules& rules);

} // namespace kvq::wz
