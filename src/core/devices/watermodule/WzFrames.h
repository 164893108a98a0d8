#pragma once
// Optical-head requests of the water-meter module. Each one addresses the module's image directly:
// 68 08 08 68 53 FE 51 0F offset offset count op [data] CS 16, where op 20 reads `count` bytes from
// the offset, 21 writes the `count` bytes that follow, and 22 changes one byte by an AND mask and an
// OR value. The L byte is 08 in every request, whatever its real length; the module expects that.

#include "core/devices/watermodule/WzRecord.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace kvq::wz {

using Frame = std::vector<std::uint8_t>;

enum class ImageOp : std::uint8_t { Read = 0x20, Write = 0x21, Change = 0x22 };

Frame ImageAccessRequest(std::uint8_t offset, std::uint8_t count, ImageOp op,
                         std::span<const std::uint8_t> data = {});

// Image bytes 0..230 (14 bytes on the line).
Frame buildReadRequest();
// Reset history, image bytes 231..314; the module answers with L = 101.
Frame buildHistoryRequest();
// Image bytes 0..225 (240 bytes on the line); the serial number and the history are never written.
Frame buildWriteRequest(const Image& image);

// The service commands: one byte of the image changed by a mask and a value (16 bytes on the line).
enum class WzCommand {
    SendWMBus,
    Carrier,
    MeasurementOff,
    MeasurementOn,
    Bootloader,
    Activation,
    LedOff,
    LedRadio,
    LedPulse,
    PulseTrain,
};

struct WzCommandInfo {
    WzCommand command;
    const char* buttonName; // objectName of the button
    std::uint8_t offset;
    std::uint8_t mask;  // AND mask: clears the bits the command owns
    std::uint8_t value; // OR value: inside the cleared bits
};

const std::array<WzCommandInfo, 10>& commands();
const WzCommandInfo& commandInfo(WzCommand command);
Frame buildChangeRequest(WzCommand command);

// Progress-bar maxima: received bytes expected by a read, and 1 for a write or a command.
constexpr int kReadProgressMax = 250;
constexpr int kHistoryProgressMax = 103;
constexpr int kWriteProgressMax = 1;
constexpr int kCommandProgressMax = 1;

} // namespace kvq::wz
