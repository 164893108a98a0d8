#pragma once
// The write step of the read-merge-write cycle: what of the device's freshly read record survives
// into the record the technician prepared.

#include "core/devices/hca/HcaRecord.h"

namespace kvq::hca {

// The pending record with the device's own temperature offset, and with keepIdentity also the
// device's ID, radio ID and battery date and (with "AES dynam.") its key.
Record mergeAfterRead(const Record& pending, const Record& device, bool keepIdentity, bool autoAes);

// A start month of 0 means "start at once": the measurement start release goes with it.
void applyStartRule(Record& r);

} // namespace kvq::hca
