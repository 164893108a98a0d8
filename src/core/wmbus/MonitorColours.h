#pragma once
// Colours of the bytes of a receiver frame in the hex monitor: one line per frame, each byte as two
// upper-case hex digits and a blank (kvq::toHexText), each byte in the colour of its field.

#include "core/wmbus/Framing.h"

#include <cstdint>
#include <span>

namespace kvq::wmbus {

enum class MonitorColour : std::uint8_t {
    White,     // every byte without a colour of its own
    Red,       // start byte(s) and closing byte
    Orange,    // L (or n)
    PaleGreen, // M field, long-header manufacturer
    Olive,     // identification number
    Yellow,    // device type, long-header device type
    Lime,      // long-header identification number
    Grey,      // access number
    Amber,     // configuration word
    Silver,    // bytes after the configuration word
    Aqua,      // RSSI byte
};

struct Rgb {
    std::uint8_t r, g, b;
};

constexpr Rgb rgb(MonitorColour c) {
    switch (c) {
    case MonitorColour::Red:
        return {255, 0, 0};
    case MonitorColour::Orange:
        return {232, 94, 17};
    case MonitorColour::PaleGreen:
        return {192, 220, 192};
    case MonitorColour::Olive:
        return {128, 128, 0};
    case MonitorColour::Yellow:
        return {255, 255, 0};
    case MonitorColour::Lime:
        return {0, 255, 0};
    case MonitorColour::Grey:
        return {128, 128, 128};
    case MonitorColour::Amber:
        return {232, 174, 39};
    case MonitorColour::Silver:
        return {192, 192, 192};
    case MonitorColour::Aqua:
        return {0, 255, 255};
    case MonitorColour::White:
        break;
    }
    return {255, 255, 255};
}

// Colour of each byte of a receiver frame (as ReceivedFrame::frame); out must have the frame's
// size, else nothing is written. The long-header colours apply only when the CI is 0x72.
void monitorColours(std::span<const std::uint8_t> frame, Framing framing, std::span<MonitorColour> out);

} // namespace kvq::wmbus
