#pragma once
// Cutting receiver frames out of the byte stream of the receiver port.
//
// Two framings exist:
// - RadioCraft: 0x68 L C ... RSSI 0x16, C = 0x44 (SND_NR) or 0x46 (SND_IR). The telegram buffer is
//   the frame without its closing 0x16.
// - Amber: 0xFF 0x03 n payload(n bytes) checksum, checksum = XOR of every byte before it (0xFF
//   included). The telegram buffer is the frame from the 0x03 to the last payload byte, so L = n.
//   Frames whose first payload byte (C) is not 0x44 or 0x46 are dropped.
//
// Receive buffer: 4096 bytes. After each pass only the bytes of a possible incomplete frame are kept
// (at most 258 bytes), so a stream never overruns it:
// - RadioCraft: bytes that cannot start a frame are dropped; the oldest 0x68 whose frame could still
//   complete is kept with everything after it. A false start is no obstacle: frames found behind it
//   are cut out and the false start is dropped with them.
// - Amber: on a wrong checksum the search goes on from the byte after the refused 0xFF, so a good
//   frame that began inside a corrupt one is still found.
// - A chunk larger than the free space is taken in pieces with a pass after each, so no complete
//   frame is ever lost to the buffer's size.
// - While held (reception stopped by the user), bytes are stored unparsed; when the buffer is full
//   the oldest bytes are dropped to keep the newest 4096 (counted in discardedBytes()). Parsing
//   resumes with the next chunk after the hold is released, or at once with flush().

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace kvq::wmbus {

enum class Framing { RadioCraft, Amber };

// Receiver type index of the settings: 0 "868MHz QUELMAR Receiver" (RadioCraft module) uses the
// RadioCraft framing; 1 "868MHz AMB8665-M" and 2 "868MHz AMB8465-M" use the Amber framing, as do
// unknown indices above them (negative indices: RadioCraft).
Framing framingForReceiverType(int receiverType);

// One frame found in the stream. Both spans point into the framer's buffer and are valid only
// during the callback that receives them.
struct ReceivedFrame {
    std::span<const std::uint8_t> frame;    // the receiver frame as received (monitor line)
    std::span<const std::uint8_t> telegram; // the telegram buffer (see Telegram.h), N = L + 2
};

class TelegramFramer {
public:
    static constexpr std::size_t kBufferSize = 4096;

    explicit TelegramFramer(Framing framing) : framing_(framing) {}

    Framing framing() const { return framing_; }

    // Stores a chunk and calls sink(const ReceivedFrame&) for every complete frame, in stream order.
    // The sink must not call back into this framer.
    template <typename Sink> void receive(std::span<const std::uint8_t> bytes, Sink&& sink) {
        while (!bytes.empty()) {
            bytes = bytes.subspan(store(bytes));
            if (!hold_)
                drain(sink);
        }
        if (!hold_)
            drain(sink);
    }

    // Parses what is stored (for example right after releasing the hold).
    template <typename Sink> void flush(Sink&& sink) {
        if (!hold_)
            drain(sink);
    }

    void setHold(bool hold) { hold_ = hold; }
    bool hold() const { return hold_; }

    // Bytes stored but not yet taken as a frame.
    std::size_t pending() const { return head_ - tail_; }
    // Bytes dropped because the buffer was full while held.
    std::uint64_t discardedBytes() const { return discarded_; }
    void clear();

private:
    template <typename Sink> void drain(Sink& sink) {
        beginPass();
        while (auto f = next())
            sink(*f);
    }
    std::size_t store(std::span<const std::uint8_t> bytes);
    void beginPass();
    std::optional<ReceivedFrame> next();
    std::optional<ReceivedFrame> nextRadioCraft();
    std::optional<ReceivedFrame> nextAmber();

    Framing framing_;
    bool hold_ = false;
    std::array<std::uint8_t, kBufferSize> buffer_{};
    std::size_t tail_ = 0;                  // first byte not yet consumed
    std::size_t head_ = 0;                  // one past the last stored byte
    std::size_t scan_ = 0;                  // next position the current pass looks at
    std::optional<std::size_t> keepFrom_{}; // oldest possible incomplete frame of this pass
    std::uint64_t discarded_ = 0;
};

} // namespace kvq::wmbus
