#pragma once
// The sending side of XMODEM as the module's bootloader expects it: 128-byte blocks, CRC-16 or 8-bit
// sum as the receiver asks with its first 'C' or NAK. A pure state machine: the driver hands it the
// bytes that arrive and the 100 ms ticks (or a time-out of the current wait), and puts what it asks
// for on the line. It owns no thread, port or clock.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace kvq::firmware {

namespace xmodem {
constexpr std::uint8_t SOH = 0x01;
constexpr std::uint8_t EOT = 0x04;
constexpr std::uint8_t ACK = 0x06;
constexpr std::uint8_t NAK = 0x15;
constexpr std::uint8_t CAN = 0x18;
constexpr std::uint8_t CrcRequest = 'C';
constexpr std::uint8_t Fill = 0x1A;
constexpr int kBlockSize = 128;
constexpr int kCrcPacketSize = 3 + kBlockSize + 2;
constexpr int kChecksumPacketSize = 3 + kBlockSize + 1;
} // namespace xmodem

// CRC-16 of XMODEM: polynomial 0x1021, start 0, most significant bit first, no final XOR.
std::uint16_t crc16Xmodem(std::span<const std::uint8_t> data);
// 8-bit sum of the bytes.
std::uint8_t checksum8(std::span<const std::uint8_t> data);

enum class XmodemMode { Undecided, Crc, Checksum };

// Outcome of a transfer: the offset reached (>= 0) or one of these.
enum XmodemResult : int {
    kXmodemCancelled = -1,      // the receiver sent CAN CAN
    kXmodemNoSync = -2,         // no 'C' or NAK in 16 attempts
    kXmodemAborted = -3,        // ended on our side: window closed, port gone
    kXmodemTooManyRetries = -4, // one packet sent 25 times without ACK
    kXmodemEotNotAcked = -5,    // EOT sent 10 times without ACK
};

class XmodemSender {
public:
    static constexpr int kSyncAttempts = 16;
    static constexpr int kPacketSends = 25;
    static constexpr int kEotAttempts = 10;
    // Waits in 100 ms ticks.
    static constexpr int kSyncWait = 20;
    static constexpr int kAckWait = 10;
    static constexpr int kSecondCanWait = 10;
    static constexpr int kEotWait = 20;
    static constexpr int kFlushWait = 15;
    // A receiver that never stops talking must not keep the flush going for ever.
    static constexpr int kFlushByteLimit = 1024;

    // Starts at once: the first wait is for the receiver's 'C' or NAK.
    explicit XmodemSender(std::vector<std::uint8_t> image);

    // Bytes to put on the line, in order; the sender forgets them.
    std::vector<std::uint8_t> takeOutput();
    bool hasOutput() const { return !output_.empty(); }

    // Whether a byte is awaited, and for how many ticks at most.
    bool waiting() const { return state_ != State::Done; }
    int waitLimit() const { return waitLimit_; }
    // A wait ends when the tick count before a tick exceeds its limit.
    static bool waitExpired(int ticksBefore, int limit) { return ticksBefore > limit; }

    // The current wait ended with a byte, or without one.
    void received(std::uint8_t b);
    void timedOut();
    // One 100 ms tick of the current wait; ends it when its limit is passed.
    void tick();
    // Ends the transfer from our side with CAN CAN CAN (nothing when already finished).
    void abort();

    bool finished() const { return state_ == State::Done; }
    int result() const { return result_; }
    XmodemMode mode() const { return mode_; }
    // Packet number of the block being sent (1 for the first, modulo 256).
    std::uint8_t packetNumber() const { return packetNumber_; }
    // Offset of the block being sent.
    std::size_t offset() const { return offset_; }
    std::size_t imageSize() const { return image_.size(); }

    // Range of the progress gauge: the data plus four bytes per block plus three.
    static int gaugeMaximum(std::size_t size) { return int(size + 4 * (size / 128) + 3); }

private:
    enum class State { Sync, SyncSecondCan, AwaitAck, AckSecondCan, AwaitEotAck, Flush, Done };

    void wait(State s, int limit);
    void syncFailed();
    void nextBlock();
    void sendPacket();
    void resend();
    void sendEot();
    void cancel(int result);
    void acknowledgeCancel();
    void flushThenFinish(int result);
    void finish(int result);

    std::vector<std::uint8_t> image_;
    std::vector<std::uint8_t> output_;
    std::vector<std::uint8_t> packet_;
    State state_ = State::Sync;
    XmodemMode mode_ = XmodemMode::Undecided;
    int waitLimit_ = 0;
    int ticks_ = 0;
    int attempts_ = 0;
    int flushed_ = 0;
    int pendingResult_ = 0;
    int result_ = 0;
    std::uint8_t packetNumber_ = 1;
    std::size_t offset_ = 0;
};

} // namespace kvq::firmware
