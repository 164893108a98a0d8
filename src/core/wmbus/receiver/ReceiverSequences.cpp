#include "core/wmbus/receiver/ReceiverSequences.h"

#include <array>
#include <cstddef>

namespace kvq::wmbus::receiver {

namespace {

constexpr std::uint16_t P = kPause;
constexpr std::uint16_t E = kEnd;

// The three mode sequences differ only in the value for address 0x03 and in S waiting twice before
// the closing "X".
constexpr std::uint16_t kModeTC[] = {0x58, P,    0xFF, P,    0x00, P,    0x00, P,    0x4D, P,
                                     0x36, 0x04, 0x3F, 0x00, 0x05, 0x01, 0x3A, 0x01, 0x03, 0x0A,
                                     0x00, 0x01, 0x04, 0x00, 0xFF, P,    0x58, E};
constexpr std::uint16_t kModeC[] = {0x58, P,    0xFF, P,    0x00, P,    0x00, P,    0x4D, P,
                                    0x36, 0x04, 0x3F, 0x00, 0x05, 0x01, 0x3A, 0x01, 0x03, 0x09,
                                    0x00, 0x01, 0x04, 0x00, 0xFF, P,    0x58, E};
constexpr std::uint16_t kModeS[] = {0x58, P,    0xFF, P,    0x00, P,    0x00, P,    0x4D, P,
                                    0x36, 0x04, 0x3F, 0x00, 0x05, 0x01, 0x3A, 0x01, 0x03, 0x03,
                                    0x00, 0x01, 0x04, 0x00, 0xFF, P,    P,    0x58, E};

// Factory values of the configuration addresses 0x00..0x3F.
constexpr std::array<std::uint8_t, 64> kFactoryValues = {
    0x01, 0x05, 0x03, 0x01, 0x00, 0x00, 0x64, 0x00, 0x05, 0x3C, 0x00, 0xD3, 0x91, 0xDA, 0x80, 0x80, // 00..0F
    0x7C, 0x00, 0x01, 0x01, 0x00, 0x00, 0x17, 0x00, 0x00, 0x0C, 0xAE, 0x12, 0x34, 0x56, 0x78, 0x01, // 10..1F
    0x07, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x04, 0xFF, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, // 20..2F
    0x05, 0x08, 0x00, 0x01, 0x05, 0x00, 0x00, 0x01, 0x2B, 0x00, 0x00, 0x06, 0x06, 0x02, 0x00, 0x00, // 30..3F
};

// 00 P 4D P, the 64 pairs, FF P 58: unlike the mode sequences no leading "X", 0xFF or second 0x00.
constexpr auto makeFactorySetup() {
    std::array<std::uint16_t, 4 + 2 * 64 + 3 + 1> s{};
    std::size_t i = 0;
    s[i++] = 0x00;
    s[i++] = P;
    s[i++] = 0x4D;
    s[i++] = P;
    for (std::size_t a = 0; a < kFactoryValues.size(); ++a) {
        s[i++] = static_cast<std::uint16_t>(a);
        s[i++] = kFactoryValues[a];
    }
    s[i++] = 0xFF;
    s[i++] = P;
    s[i++] = 0x58;
    s[i++] = E;
    return s;
}
constexpr auto kFactorySetup = makeFactorySetup();
static_assert(kFactorySetup.back() == E);

} // namespace

std::span<const std::uint16_t> sequenceEntries(ReceiverSequence sequence) {
    switch (sequence) {
    case ReceiverSequence::ModeTC:
        return kModeTC;
    case ReceiverSequence::ModeC:
        return kModeC;
    case ReceiverSequence::ModeS:
        return kModeS;
    case ReceiverSequence::FactorySetup:
        return kFactorySetup;
    }
    return kModeTC;
}

} // namespace kvq::wmbus::receiver
