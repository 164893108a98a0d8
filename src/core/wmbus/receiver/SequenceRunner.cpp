#include "core/wmbus/receiver/SequenceRunner.h"

namespace kvq::wmbus::receiver {

void SequenceRunner::start(ReceiverSequence sequence) {
    sequence_ = sequence;
    position_ = 0;
    active_ = true;
}

void SequenceRunner::reset() {
    position_ = 0;
    active_ = false;
}

SequenceRunner::Step SequenceRunner::run(const SendByte& send) {
    // A timer event after the end, or before any start, must not replay a sequence.
    if (!active_)
        return Step::Idle;
    const auto entries = sequenceEntries(sequence_);
    while (position_ < entries.size()) {
        const std::uint16_t e = entries[position_];
        if (e == kEnd)
            break;
        ++position_;
        if (e == kPause)
            return Step::Paused;
        if (send)
            send(static_cast<std::uint8_t>(e & 0xFF));
    }
    reset();
    return Step::Finished;
}

} // namespace kvq::wmbus::receiver
