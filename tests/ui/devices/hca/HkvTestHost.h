#pragma once
// A main window stand-in for the heat cost allocator window: record, settings, scripted user, settable
// clock, status panels and, when given, the link; and a device channel that records every request
// instead of sending it.

#include "ui/app/ToolHost.h"
#include "ui/devices/hca/HcaDeviceChannel.h"

#include "FakeClock.h"
#include "ScriptedUserInteraction.h"

#include <QStringList>
#include <array>
#include <vector>

namespace kvq::test {

class HkvTestHost final : public ToolHost {
public:
    PARAmeter& currentParams() override { return params; }
    Settings& settings() override { return settingsValue; }
    UserInteraction& userInteraction() override { return ui; }
    const Clock& clock() const override { return clockValue; }
    LinkController* link() override { return linkValue; }
    void setStatusText(int panel, const QString& text) override { panels.at(panel) = text; }
    QString statusText(int panel) const override { return panels.at(panel); }

    PARAmeter params{DeviceFamily::HeatCostAllocator};
    Settings settingsValue;
    ScriptedUserInteraction ui;
    FakeClock clockValue;
    std::array<QString, 6> panels;
    LinkController* linkValue = nullptr;
};

class RecordingChannel final : public HcaDeviceChannel {
public:
    struct Request {
        int progressMaximum;
        Progress progress;
    };
    void beginRequest(int progressMaximum, Progress progress) override {
        requests.push_back({progressMaximum, progress});
        linkState = 1;
    }
    void sendFrame(const std::vector<std::uint8_t>& frame) override { frames.push_back(frame); }
    void acknowledged() override {
        ++acks;
        linkState = 2;
    }
    bool endConnection() override {
        ++endConnections;
        return endConnectionResult;
    }

    std::vector<Request> requests;
    std::vector<std::vector<std::uint8_t>> frames;
    int acks = 0;
    int linkState = 0;
    int endConnections = 0;
    bool endConnectionResult = true;
};

} // namespace kvq::test
