#pragma once
// A simulated wireless M-Bus receiver stick behind a pseudo-terminal.
//
// Configuration side (the RadioCraft module's configuration mode): a 0x00 byte enters configuration
// mode and is answered with the prompt '>'; "M" starts a memory write of address/value pairs closed by
// 0xFF, answered with '>'; "X" leaves configuration mode. Every byte received is recorded with its
// arrival time, so a test can check the exact bytes and the pauses between them.
//
// Radio side: streams radio telegrams in either receiver framing, at the line rate of 19200 baud or as
// fast as the terminal takes them, optionally with noise and broken frames between them, split into
// chunks of random size, and optionally hanging up at the end.

#include "PtyDevice.h"
#include "ReceiverFrames.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace kvq::devsim {

struct ReceiverStream {
    ReceiverFraming framing = ReceiverFraming::RadioCraft;
    // The list is sent this many times in a row.
    int repeat = 1;
    // Paced like a real stick at 19200 baud, 8N1 (1920 bytes a second); else as fast as possible.
    bool lineRate = false;
    // Up to this many random bytes before each telegram. Noise never holds the framing's start byte
    // (0x68 or 0xFF), so it can neither start nor hide a frame.
    int maxNoiseBytes = 0;
    // Every this many telegrams a broken frame goes in between (0: none): a frame with C = 0x08, one
    // whose closing byte or checksum is wrong, one too short for a link header, in turn.
    int brokenEvery = 0;
    // Write in pieces of minChunk..maxChunk bytes (0: in one piece), chunkGapMs apart when fast.
    int minChunk = 0;
    int maxChunk = 0;
    int chunkGapMs = 0;
    bool hangUpAtEnd = false;
    std::uint8_t rssi = 0x8A;
    std::uint32_t seed = 1;
};

class SimulatedReceiver : public PtyDevice {
public:
    struct ConfigByte {
        std::uint8_t byte;
        SimClock::time_point at;
    };

    SimulatedReceiver();
    ~SimulatedReceiver() override;

    // --- configuration side (any thread) ---
    std::vector<ConfigByte> configBytes() const;
    void clearConfigBytes();
    // The bytes received as hex, with "|" wherever the line was silent for at least gapMs:
    // "58|FF|00|00|4D|36 04 ... FF|58".
    QString configGroups(int gapMs) const;
    // Configuration memory as last written (64 addresses, 0xFF where nothing was written).
    std::array<std::uint8_t, 64> memory() const;
    bool inConfigMode() const;

    // --- radio side ---
    // Queues the stream; returns the number of good telegrams in it (those a receiver program must
    // count). Telegrams that cannot be framed are left out.
    int stream(const std::vector<QByteArray>& radioTelegrams, const ReceiverStream& options);
    // Everything queued so far has been written to the terminal.
    bool waitStreamed(int timeoutMs) const;
    qint64 streamedBytes() const;

protected:
    void onReceived(const QByteArray& bytes) override;
    void onOutputDrained() override;

private:
    void configByte(std::uint8_t b);

    enum class ConfigState { Off, Command, MemoryAddress, MemoryValue };

    mutable std::mutex mutex_;
    std::vector<ConfigByte> config_;
    std::array<std::uint8_t, 64> memory_;
    ConfigState state_ = ConfigState::Off;
    std::uint8_t address_ = 0;

    mutable std::mutex streamMutex_;
    mutable std::condition_variable streamCv_;
    int requested_ = 0; // streams asked for
    int armed_ = 0;     // streams whose pieces are queued (device thread)
    int finished_ = 0;  // streams written out
    qint64 written_ = 0;
    qint64 armedBytes_ = 0;
};

// Starts a simulated receiver on a fresh pseudo-terminal (for the demo and the end-to-end tests);
// its path() is the port to open. Null, with the reason in error, when no terminal could be had.
std::unique_ptr<SimulatedReceiver> startSimulatedReceiver(QString* error = nullptr);

} // namespace kvq::devsim
