#pragma once
// The module's parameter form: the device-data form without the device options, test mode, LED,
// window results and serial number. Its collect takes the key always from the text and leaves the
// device data's own fields alone; its schedule check is a warning against the battery's energy; and
// the send mask can be stored as four named setup variants.

#include "core/devices/common/FieldTable.h"
#include "core/devices/variants/RadioVariants.h"
#include "core/devices/watermodule/WzForm.h"
#include "core/devices/watermodule/WzRecord.h"
#include "core/devices/watermodule/WzSchedule.h"

#include <optional>

namespace kvq::wz {

// The rows of the module's table the parameter form has.
const fields::Table<WzForm>& wzParamFields();

// Words 20 and 22 start from zero and take only AES, short telegram, due date monthly or yearly and
// radio on; bytes 14, 16, 32..40 and 205 stay as the module reported them.
std::optional<InputError> CollectParamFormToImage(WzForm& form, Image& image, ScheduleCache& cache);

// Battery charge the module has for its transmissions over its twelve years, in mAh.
constexpr double kParamCapacity = 600.0;
// mAs per telegram: S1 0.9, T1 0.18 with the short telegram and 0.46 without.
double ChargePerTelegram(bool t1, bool shortTelegram);
// The twelve years' charge of the form's schedule exceeds kParamCapacity.
bool energyExceeded(const WzForm& form, double chargePerTelegram);

// Setup variants: the send mask, protocol, AES switch and times of the form.
variants::RadioVariant variantFromForm(const WzForm& form, const QString& text);
// A missing section reads as all off and 0: each time is held within its control's range.
void applyVariant(WzForm& form, const variants::RadioVariant& variant);

} // namespace kvq::wz
