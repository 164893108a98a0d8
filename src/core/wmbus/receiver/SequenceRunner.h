#pragma once
// Steps through one configuration sequence at a time. The runner only decides what goes out; the
// window owns the pause timer and the port.
//
// run() sends every byte up to the next pause or the end, each byte on its own. At a pause it returns
// Paused and the caller arms its timer; when the timer fires the caller calls run() again. Starting a
// sequence while another one pauses replaces it from its first entry; the pending timer then goes on
// with the new one.

#include "core/wmbus/receiver/ReceiverSequences.h"

#include <cstddef>
#include <cstdint>
#include <functional>

namespace kvq::wmbus::receiver {

class SequenceRunner {
public:
    enum class Step {
        Idle,     // nothing to run (no sequence started, or the last one has ended)
        Paused,   // wait one response period, then run() again
        Finished, // the end entry was reached; the runner is idle again at position 0
    };

    using SendByte = std::function<void(std::uint8_t)>;

    // Selects a sequence at position 0; nothing is sent until run().
    void start(ReceiverSequence sequence);
    // Sends up to the next pause or the end of the current sequence.
    Step run(const SendByte& send);
    // Back to position 0 without a sequence to run.
    void reset();

    bool active() const { return active_; }
    ReceiverSequence sequence() const { return sequence_; }
    std::size_t position() const { return position_; }

private:
    ReceiverSequence sequence_ = ReceiverSequence::ModeTC;
    std::size_t position_ = 0;
    bool active_ = false;
};

} // namespace kvq::wmbus::receiver
