#pragma once
// Recorder test helpers: the shared main window stand-in and a receiver port that records every write.

#include "ui/wmbus/ReceiverPort.h"

#include "FakeToolHost.h"

#include <QString>
#include <array>
#include <vector>

namespace kvq::test {

// Records every write to the receiver port; a pause mark separates what went out between two
// response periods.
class RecordingPort final : public ReceiverPort {
public:
    void SendToReceiver(const std::uint8_t* bytes, int count) override {
        writes.emplace_back(bytes, bytes + count);
    }
    bool closeReceiver() override {
        ++closeCalls;
        return closes;
    }
    // All bytes sent, as "58 FF 00 ..." (one write per byte is checked separately).
    QString hex() const {
        QStringList parts;
        for (const auto& w : writes)
            for (std::uint8_t b : w)
                parts << QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
        return parts.join(QLatin1Char(' '));
    }
    bool allSingleBytes() const {
        for (const auto& w : writes)
            if (w.size() != 1)
                return false;
        return true;
    }
    std::vector<std::vector<std::uint8_t>> writes;
    bool closes = true; // what closing the port answers
    int closeCalls = 0;
};

} // namespace kvq::test
