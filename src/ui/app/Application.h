#pragma once

#include "core/app/Result.h"

#include <QString>
#include <functional>

namespace kvq {

// Terminals of simulated hardware for the demo mode.
struct DemoPorts {
    QString opticalHead;
    QString receiver;
};

// Start-up of the desktop program: application object, main window, message loop. With "--demo" on the
// command line `startDemo` starts simulated hardware and the program runs on it instead of real ports.
int runApplication(int argc, char** argv, const std::function<Result<DemoPorts>()>& startDemo = {});

} // namespace kvq
