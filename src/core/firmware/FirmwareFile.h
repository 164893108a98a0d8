#pragma once
// A firmware file is the raw application image: sent whole, unchanged, in file order.

#include "core/app/Result.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace kvq::firmware {

// The module's application area. XMODEM itself has no limit, so a file that cannot fit is refused
// here, before the bootloader has erased anything.
constexpr std::size_t kMaxFirmwareSize = 64 * 1024;

// The whole file, or why it cannot be sent: FileAccess when it cannot be read, BadInput when it is
// empty or too large, with the message to show.
Result<std::vector<std::uint8_t>> readFirmwareFile(const QString& path);

} // namespace kvq::firmware
