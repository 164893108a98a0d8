// Random receiver behaviour against the XMODEM sender: each input byte is either a byte from the
// receiver or a 100 ms tick. The sender must never emit a malformed packet, never step backwards, and
// always come to an end within its attempt limits.
#include "core/firmware/XmodemSender.h"

#include <cstdlib>

using namespace kvq::firmware;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    // The first two bytes choose the image size (up to 1 KiB), the rest drive the receiver.
    const std::size_t imageSize = ((std::size_t(data[0]) << 8) | data[1]) % 1025;
    std::vector<std::uint8_t> image(imageSize);
    for (std::size_t i = 0; i < imageSize; ++i)
        image[i] = std::uint8_t(i * 7);
    XmodemSender s(image);
    std::size_t lastOffset = 0;
    for (std::size_t i = 2; i < size && !s.finished(); ++i) {
        // Bytes 0xF0..0xFF stand for ticks, so time-outs happen too.
        if (data[i] >= 0xF0)
            s.tick();
        else
            s.received(data[i]);
        const auto out = s.takeOutput();
        if (!out.empty() && out[0] == xmodem::SOH) {
            const std::size_t packet =
                s.mode() == XmodemMode::Crc ? xmodem::kCrcPacketSize : xmodem::kChecksumPacketSize;
            if (out.size() != packet || std::uint8_t(out[1] ^ out[2]) != 0xFF)
                std::abort();
        }
        if (s.offset() < lastOffset || s.offset() > imageSize + xmodem::kBlockSize)
            std::abort();
        lastOffset = s.offset();
    }
    // Without any more input the sender runs out of waits and attempts.
    for (int t = 0; t < 100000 && !s.finished(); ++t)
        s.tick();
    if (!s.finished() || (s.result() >= 0 && std::size_t(s.result()) <= imageSize))
        std::abort();
    return 0;
}
