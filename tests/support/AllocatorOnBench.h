#pragma once
// The main window in an empty data root with a simulated heat cost allocator under its optical head
// (port 4), as the end-to-end tests of the allocator windows start.

#include "DeviceBench.h"
#include "FakeClock.h"
#include "ScriptedUserInteraction.h"
#include "TempDataRoot.h"
#include "link/LinkController.h"
#include "ui/app/TMainForm.h"
#include "ui/link/MainFormLink.h"

#include <memory>

namespace kvq::test {

struct AllocatorOnBench {
    TempDataRoot root;
    ScriptedUserInteraction ui;
    FakeClock clock;
    devsim::DeviceBench bench;
    std::unique_ptr<TMainForm> form;

    // False when the simulator could not start.
    bool start() {
        devsim::fillDemoImage(bench.add(devsim::DeviceKind::HeatCostAllocator));
        bench.answerDelayMs = 5;
        if (!bench.start())
            return false;
        form = std::make_unique<TMainForm>(ui, clock, TMainForm::Options{QString(), 1280, true});
        form->show();
        link().portMap().setPath(4, bench.path());
        form->settings().link.SIO1Port = 4;
        return true;
    }
    LinkController& link() { return form->linkWiring()->link(); }
};

} // namespace kvq::test
