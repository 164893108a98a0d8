#pragma once
// The field table of the heat cost allocator's record: every field the device-data form shows and
// takes in the ordinary way. What does not fit a table row (battery year, clock, weekday, free
// months, key, cycle number, the test-mode and scale alternatives) is code in HcaFormMapping.

#include "core/devices/common/FieldTable.h"
#include "core/devices/common/SendMaskLayout.h"
#include "core/devices/hca/HcaForm.h"

namespace kvq::hca {

const fields::Table<HcaForm>& hcaFields();
// Where the allocator keeps its send mask, daily window, cycle and variance.
const fields::SendMaskLayout& hcaSendMaskLayout();

} // namespace kvq::hca
