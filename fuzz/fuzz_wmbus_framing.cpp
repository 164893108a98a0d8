// Receiver byte streams in both framings, cut into chunks of varying size, through the framer, the
// link layer and the monitor colours.

#include "core/wmbus/Framing.h"
#include "core/wmbus/LinkLayer.h"
#include "core/wmbus/MonitorColours.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

using namespace kvq::wmbus;

namespace {
void check(bool ok) {
    if (!ok)
        std::abort();
}

void run(Framing framing, std::span<const std::uint8_t> data, std::uint8_t chunkSeed, bool hold) {
    TelegramFramer framer(framing);
    std::vector<MonitorColour> colours;
    auto sink = [&](const ReceivedFrame& f) {
        check(f.telegram.size() >= 2 && f.telegram.size() == std::size_t(f.telegram[1]) + 2);
        check(f.frame.size() == f.telegram.size() + (framing == Framing::Amber ? 2 : 1));
        if (auto link = decodeLinkLayer(f.telegram)) {
            (void)rssiText(link->rssiRaw, framing);
            check(link->idText.size() >= 1 && link->idText.size() <= 10);
        }
        colours.assign(f.frame.size(), MonitorColour::White);
        monitorColours(f.frame, framing, colours);
    };
    std::size_t at = 0, step = 1;
    while (at < data.size()) {
        step = (step * 31 + chunkSeed) % 700 + 1;
        const std::size_t len = std::min(step, data.size() - at);
        if (hold)
            framer.setHold((step & 3) == 0);
        framer.receive(data.subspan(at, len), sink);
        check(framer.pending() <= TelegramFramer::kBufferSize);
        if (!framer.hold())
            check(framer.pending() <= 258);
        at += len;
    }
    framer.setHold(false);
    framer.flush(sink);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const std::span<const std::uint8_t> bytes(data + 1, size - 1);
    run(Framing::RadioCraft, bytes, data[0], data[0] & 0x80);
    run(Framing::Amber, bytes, data[0], data[0] & 0x80);
    return 0;
}
