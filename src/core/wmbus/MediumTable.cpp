#include "core/wmbus/MediumTable.h"

#include <array>

namespace kvq::wmbus {

namespace {
constexpr std::array<std::string_view, 43> kMedia = {
    "Other",                     // 0x00
    "Oil",                       // 0x01
    "Electricity",               // 0x02
    "Gas",                       // 0x03
    "Heat outlet",               // 0x04
    "Steam",                     // 0x05
    "Hot Water",                 // 0x06
    "Water",                     // 0x07
    "Heat Cost Allocator",       // 0x08
    "Compressed Air",            // 0x09
    "Cooling load meter outlet", // 0x0A
    "Cooling load meter inlet",  // 0x0B
    "Heat inlet",                // 0x0C
    "Heat / Cooling load meter", // 0x0D
    "Bus / System",              // 0x0E
    "Unknown Medium",            // 0x0F
    "",                          // 0x10
    "",                          // 0x11
    "",                          // 0x12
    "",                          // 0x13
    "",                          // 0x14
    "",                          // 0x15
    "Cold Water",                // 0x16
    "Dual Water",                // 0x17
    "Pressure",                  // 0x18
    "A/D Converter",             // 0x19
    "Smoke detector",            // 0x1A
    "Room sensor",               // 0x1B
    "Gas detector",              // 0x1C
    "",                          // 0x1D
    "",                          // 0x1E
    "",                          // 0x1F
    "Circuit breaker",           // 0x20
    "Ventil",                    // 0x21
    "Reserved",                  // 0x22
    "Reserved",                  // 0x23
    "Reserved",                  // 0x24
    "Display",                   // 0x25
    "Reserved",                  // 0x26
    "Reserved",                  // 0x27
    "Sewage",                    // 0x28
    "Waste",                     // 0x29
    "Carbon dioxide",            // 0x2A
};
} // namespace

std::string_view mediumText(std::uint8_t deviceType) {
    if (deviceType < kMedia.size())
        return kMedia[deviceType];
    return "Reserved";
}

} // namespace kvq::wmbus
