#pragma once
// Checks an answer of the optical head and copies its payload into the current device record.
// Pure and bounded: a byte past the received ones is missing and never read.

#include "core/app/Parameter.h"
#include "core/link/LinkSettings.h"

#include <cstdint>
#include <span>

namespace kvq {

enum DecodeResult : int {
    kDecodeValid = 0,
    kDecodeNoFrameStart = -1, // not 0x68: maybe the acknowledgement 0xE5
    kDecodeBadChecksum = -2,  // also: the answer ends before its checksum
    kDecodeNotDataAnswer = -3,
    kDecodeWrongDevice = -4, // family (medium) or firmware version outside the accepted range
    kDecodeBadFormat = -5,   // CI, data-format byte, or a length too short to carry the header
};

// Sets VersionText, DeviceName and (heat cost allocator) ExtVersionFlag of the record as it goes,
// and on success fills the family's image. The firmware version must lie in the family's accepted range.
// Returns one of DecodeResult.
int DecodeFrame(PARAmeter& params, std::span<const std::uint8_t> bytes,
                const FirmwareVersions& accepted = {});

// Device name of a family, as the main window caption shows it.
const char* deviceNameOf(int family);

} // namespace kvq
