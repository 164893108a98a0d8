// Answers of the optical head from an untrusted line: every family, every length.
#include "core/link/DecodeFrame.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    // The first byte picks the family and the version limits, the rest is the answer.
    kvq::PARAmeter p(static_cast<kvq::DeviceFamily>(data[0] % 3));
    kvq::FirmwareVersions accepted;
    if (data[0] & 0x80)
        accepted.EHKV = accepted.WMTHERMO = accepted.WZ = kvq::VersionRange{0, 999};
    const int r = kvq::DecodeFrame(p, std::span(data + 1, size - 1), accepted);
    if (r > 0 || r < -5)
        std::abort();
    return 0;
}
