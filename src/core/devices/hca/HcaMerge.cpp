#include "core/devices/hca/HcaMerge.h"

#include <algorithm>

namespace kvq::hca {

Record mergeAfterRead(const Record& pending, const Record& device, bool keepIdentity, bool autoAes) {
    Record r = pending;
    r[off::TempOffset] = device[off::TempOffset];
    if (keepIdentity) {
        std::copy_n(device.begin() + off::DeviceId, 4, r.begin() + off::DeviceId);
        std::copy_n(device.begin() + off::RadioId, 4, r.begin() + off::RadioId);
        r[off::BatteryMonth] = device[off::BatteryMonth];
        r[off::BatteryYear] = device[off::BatteryYear];
        if (autoAes)
            std::copy_n(device.begin() + off::AesKey, 16, r.begin() + off::AesKey);
    }
    return r;
}

void applyStartRule(Record& r) {
    if (r[off::StartMonth] == 0)
        setWord(r, off::ModeWord, word(r, off::ModeWord) | md::StartRelease);
}

} // namespace kvq::hca
