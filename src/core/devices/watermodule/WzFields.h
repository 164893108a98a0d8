#pragma once
// The field table of the water-meter module's image: every field the device-data form shows and
// takes in the ordinary way. What does not fit a table row (identification numbers, battery year,
// due-date month, clock and weekday, temperature, key, cycle number, the window evaluation of word
// 18) is code in WzFormMapping.

#include "core/devices/common/FieldTable.h"
#include "core/devices/common/SendMaskLayout.h"
#include "core/devices/watermodule/WzForm.h"

namespace kvq::wz {

const fields::Table<WzForm>& wzFields();
// Where the module keeps its send mask, daily window, cycle and variance.
const fields::SendMaskLayout& wzSendMaskLayout();

} // namespace kvq::wz
