#pragma once
// Devices under an optical head on one pseudo-terminal. Every device reads every request and answers
// only those of its own family, as the maker's devices do. The head itself can misbehave: echo what it
// is sent, deliver an answer in pieces with pauses, or vanish in the middle of an answer. A water-meter
// module whose measurement-data bit is set streams its LC-sensor frames at the line rate.

#include "PtyDevice.h"
#include "SimulatedDevice.h"

#include <memory>
#include <vector>

namespace kvq::devsim {

struct HeadFaults {
    bool echo = false;           // every byte sent comes back first, as some optical heads do
    int splitPieces = 0;         // answers in this many pieces ...
    int splitPauseMs = 0;        // ... with these pauses between them
    bool hangUpInAnswer = false; // the head goes away after half of the next answer
};

class DeviceBench : public PtyDevice {
public:
    DeviceBench() = default;
    ~DeviceBench() override;

    // Before start, or from any thread while it runs.
    SimulatedDevice& add(DeviceKind kind);
    // Changes devices or faults on the device thread and waits until done.
    void configure(const std::function<void(DeviceBench&)>& change) {
        runAndWait([&] { change(*this); });
    }
    SimulatedDevice* device(DeviceKind kind);
    HeadFaults head;
    int answerDelayMs = 20;

    // Snapshots, taken on the device thread.
    std::vector<std::uint8_t> imageOf(DeviceKind kind);
    int requestsSeen();
    int badRequests();

protected:
    void onReceived(const QByteArray& bytes) override;
    std::optional<SimClock::time_point> onTick(SimClock::time_point now) override;

private:
    void handleRequest(const QByteArray& request);

    std::vector<std::unique_ptr<SimulatedDevice>> devices_;
    QByteArray input_;
    int requests_ = 0, bad_ = 0;
    SimClock::time_point nextSensorFrame_{};
    int sensorPhase_ = 0;
};

} // namespace kvq::devsim
