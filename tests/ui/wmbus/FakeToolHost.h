#pragma once
// A main window stand-in for recorder tests: settings, the scripted user, a fixed clock and a status
// bar of six texts; configuration bytes are recorded write by write.

#include "ui/app/ToolHost.h"
#include "ui/wmbus/ReceiverPort.h"

#include "FakeClock.h"
#include "ScriptedUserInteraction.h"

#include <QString>
#include <array>
#include <vector>

namespace kvq::test {

class FakeToolHost final : public ToolHost {
public:
    PARAmeter& currentParams() override { return params; }
    Settings& settings() override { return settingsValue; }
    UserInteraction& userInteraction() override { return ui; }
    const Clock& clock() const override { return clockValue; }
    LinkController* link() override { return linkValue; }
    void setStatusText(int panel, const QString& text) override {
        if (panel >= 0 && panel < 6)
            status[panel] = text;
    }
    QString statusText(int panel) const override {
        return panel >= 0 && panel < 6 ? status[panel] : QString();
    }

    PARAmeter params{DeviceFamily::HeatCostAllocator};
    Settings settingsValue;
    ScriptedUserInteraction ui;
    FakeClock clockValue;
    std::array<QString, 6> status;
    LinkController* linkValue = nullptr;
};

// Records every write to the receiver port; a pause mark separates what went out between two
// response periods.
class RecordingPort final : public ReceiverPort {
public:
    void SendToReceiver(const std::uint8_t* bytes, int count) override {
        writes.emplace_back(bytes, bytes + count);
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
};

} // namespace kvq::test
