#include "core/wmbus/MonitorColours.h"

#include <algorithm>

namespace kvq::wmbus {

void monitorColours(std::span<const std::uint8_t> frame, Framing framing, std::span<MonitorColour> out) {
    if (out.size() != frame.size() || frame.empty())
        return;
    std::fill(out.begin(), out.end(), MonitorColour::White);
    // Telegram index t sits at frame index t + shift (the Amber frame has 0xFF in front).
    const std::size_t shift = framing == Framing::Amber ? 1 : 0;
    const std::size_t n = frame.size();
    auto paint = [&](std::size_t first, std::size_t last, MonitorColour c) {
        for (std::size_t t = first; t <= last && t + shift < n; ++t)
            out[t + shift] = c;
    };
    out[0] = MonitorColour::Red;
    paint(0, 0, MonitorColour::Red);
    if (n < shift + 2)
        return;
    const std::size_t l = frame[shift + 1];
    paint(1, 1, MonitorColour::Orange);
    paint(3, 4, MonitorColour::PaleGreen);
    paint(5, 8, MonitorColour::Olive);
    paint(10, 10, MonitorColour::Yellow);
    if (shift + 11 < n && frame[shift + 11] == 0x72) {
        paint(12, 15, MonitorColour::Lime);
        paint(16, 17, MonitorColour::PaleGreen);
        paint(19, 19, MonitorColour::Yellow);
        paint(20, 20, MonitorColour::Grey);
        paint(22, 23, MonitorColour::Amber);
        if (l >= 24)
            paint(24, l, MonitorColour::Silver);
    }
    paint(l + 1, l + 1, MonitorColour::Aqua);
    out[n - 1] = MonitorColour::Red;
}

} // namespace kvq::wmbus
