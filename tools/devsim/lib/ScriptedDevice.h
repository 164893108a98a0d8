#pragma once
// A pseudo-terminal far end that plays a script: send bytes, wait, expect bytes, echo what it
// receives, go silent, stream at full speed, hang up. Steps run in order on the device thread; more
// steps can be added while it runs.

#include "PtyDevice.h"

#include <atomic>
#include <vector>

namespace kvq::devsim {

struct ScriptStep {
    enum class Kind { Send, Wait, Expect, Echo, Silence, HangUp, Stream };
    Kind kind = Kind::Wait;
    QByteArray bytes; // Send, Expect, Stream (the repeated pattern)
    int ms = 0;       // Wait; Expect: time-out
    qint64 count = 0; // Stream: bytes in all, 0 = until silence or hang-up
    bool on = true;   // Echo
};

// "send 68 08; wait 100; expect E5; echo on; silence; stream 00 01 *5000; hangup"
// (steps separated by ";" or new lines; "expect" takes an optional "/ms" time-out, default 2000).
std::vector<ScriptStep> parseScript(const QString& text, QString* error);

class ScriptedDevice : public PtyDevice {
public:
    ScriptedDevice() = default;
    explicit ScriptedDevice(std::vector<ScriptStep> steps);
    ~ScriptedDevice() override;

    // Appends a step; safe while the device runs.
    ScriptedDevice& add(ScriptStep step);
    ScriptedDevice& sendStep(const QByteArray& bytes) { return add({ScriptStep::Kind::Send, bytes}); }
    ScriptedDevice& waitStep(int ms) { return add({ScriptStep::Kind::Wait, {}, ms}); }
    ScriptedDevice& expectStep(const QByteArray& bytes, int timeoutMs = 2000) {
        return add({ScriptStep::Kind::Expect, bytes, timeoutMs});
    }
    ScriptedDevice& echoStep(bool on) { return add({ScriptStep::Kind::Echo, {}, 0, 0, on}); }
    ScriptedDevice& silenceStep() { return add({ScriptStep::Kind::Silence, {}}); }
    ScriptedDevice& hangUpStep() { return add({ScriptStep::Kind::HangUp, {}}); }
    ScriptedDevice& streamStep(const QByteArray& pattern, qint64 count = 0) {
        return add({ScriptStep::Kind::Stream, pattern, 0, count});
    }

    // Every step so far has run.
    bool finished() const { return stepsDone_ == stepsAdded_ && !failed_; }
    bool waitFinished(int timeoutMs) const;
    // Why the script stopped (an expectation that was not met); empty while all is well.
    QString failure() const;
    qint64 streamedBytes() const { return streamed_; }

protected:
    void onReceived(const QByteArray& bytes) override;
    std::optional<SimClock::time_point> onTick(SimClock::time_point now) override;
    void onOutputDrained() override;

private:
    void fail(const QString& why);
    bool stepFinished(SimClock::time_point now);

    std::deque<ScriptStep> steps_; // device thread
    bool stepStarted_ = false;
    SimClock::time_point stepDeadline_{};
    QByteArray pendingInput_;
    bool echo_ = false;
    bool silent_ = false;
    QByteArray streamPattern_;
    qint64 streamLeft_ = 0; // -1: endless
    qsizetype streamPhase_ = 0;

    std::atomic<int> stepsAdded_{0};
    std::atomic<int> stepsDone_{0};
    std::atomic<bool> failed_{false};
    std::atomic<qint64> streamed_{0};
    mutable std::mutex failureMutex_;
    QString failure_;
};

} // namespace kvq::devsim
