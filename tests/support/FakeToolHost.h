#pragma once
// A main window stand-in for tool window tests: record, settings, the scripted user, a settable clock,
// the six status panel texts and, when a test gives one, the link.

#include "ui/app/ToolHost.h"

#include "FakeClock.h"
#include "ScriptedUserInteraction.h"

#include <QString>
#include <array>

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

} // namespace kvq::test
