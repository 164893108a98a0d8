#pragma once
// The water-meter module's bootloader behind the optical head: single-character commands ('u' upload,
// 'c' CRC of the application, 'r' restart, 'b' start the application) and the receiving side of
// XMODEM (128-byte blocks, CRC-16 or 8-bit sum). The line is paced at its baud rate, so a transfer
// takes as long as on the real wire. Written from the protocol alone.

#include "PtyDevice.h"

#include <QByteArray>
#include <deque>

namespace kvq::devsim {

struct BootLoaderFaults {
    int corruptEvery = 0; // every n-th packet arrives with a flipped data bit
    int dropAckEvery = 0; // every n-th ACK of a good packet is lost on the line
    int cancelAfter = 0;  // answers the n-th packet with CAN CAN
    int silentAfter = 0;  // stops answering after the n-th packet
    int hangUpAfter = 0;  // goes away after the n-th packet
};

class SimulatedBootLoader : public PtyDevice {
public:
    SimulatedBootLoader();
    ~SimulatedBootLoader() override;

    // Settings; before start or through configure().
    bool crcMode = true;       // asks for the CRC variant with 'C', else for the sum with NAK
    int baudRate = 2400;       // 8N1: ten bits a byte; 0 = no pacing
    int flashSize = 64 * 1024; // application area; a block past it that is not only fill is refused
    BootLoaderFaults faults;
    void configure(const std::function<void(SimulatedBootLoader&)>& change) {
        runAndWait([&] { change(*this); });
    }

    // Snapshots, taken on the device thread.
    struct Stats {
        int uploadsStarted = 0;
        int uploadsCompleted = 0; // ended by EOT
        int uploadsCancelled = 0; // by either side
        int packetsGood = 0;
        int packetsBad = 0;           // NAKed
        int duplicates = 0;           // repeated packets, acknowledged and dropped
        bool senderCancelled = false; // the last upload ended with the sender's CAN CAN
    };
    Stats stats();
    // The application as received by the last upload (blocks as they came, fill included).
    QByteArray application();
    void setApplication(const QByteArray& image);

protected:
    void onReceived(const QByteArray& bytes) override;
    std::optional<SimClock::time_point> onTick(SimClock::time_point now) override;

private:
    enum class Mode { Command, Receiving, Silent };
    struct Arrival {
        char byte;
        SimClock::time_point at;
    };

    SimClock::duration byteTime() const;
    void handle(std::uint8_t b, SimClock::time_point now);
    void command(std::uint8_t b, SimClock::time_point now);
    void receiving(std::uint8_t b, SimClock::time_point now);
    void packetComplete(SimClock::time_point now);
    void answer(const QByteArray& bytes);
    void endUpload();

    std::deque<Arrival> input_;
    SimClock::time_point lineFree_{};
    Mode mode_ = Mode::Command;
    QByteArray application_;
    QByteArray received_; // of the current upload
    QByteArray packet_;
    std::uint8_t expected_ = 1;
    int packetsSeen_ = 0; // in the current upload, for the faults
    int acksSent_ = 0;
    int startRequests_ = 0;
    bool lastWasCan_ = false;
    SimClock::time_point nextStartRequest_{};
    SimClock::time_point packetDeadline_{};
    Stats stats_;
};

} // namespace kvq::devsim
