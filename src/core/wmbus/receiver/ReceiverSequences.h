#pragma once
// Configuration sequences of the receiver module. Each entry is one 16-bit word: 0x0000..0x00FF is a
// byte to send, kPause waits one response period, kEnd closes the sequence.
//
// The module is put into configuration mode with 0xFF and two 0x00 bytes, takes a memory write as
// "M" followed by address/value pairs closed by 0xFF, and leaves configuration mode with "X". The mode
// sequences start with an "X" of their own in case the module was left in configuration mode.

#include <cstdint>
#include <span>

namespace kvq::wmbus::receiver {

inline constexpr std::uint16_t kPause = 0xF000;
inline constexpr std::uint16_t kEnd = 0xFFFF;

enum class ReceiverSequence {
    ModeTC,       // T/C mode
    ModeC,        // C mode
    ModeS,        // S mode
    FactorySetup, // "Radiocraft Werkssetup": all 64 configuration addresses
};

// The entries of a sequence, kEnd included.
std::span<const std::uint16_t> sequenceEntries(ReceiverSequence sequence);

} // namespace kvq::wmbus::receiver
