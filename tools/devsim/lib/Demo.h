#pragma once
// Simulated hardware for the demo mode: the three device families under one optical head.

#include "DeviceBench.h"

#include <QString>
#include <memory>

namespace kvq::devsim {

struct DemoRig {
    std::unique_ptr<DeviceBench> opticalHead; // a heat cost allocator, a thermometer, a water-meter module
    QString opticalHeadPath() const { return opticalHead ? opticalHead->path() : QString(); }
};

// Starts the simulated devices on their pseudo-terminal; null when no terminal could be opened.
std::unique_ptr<DemoRig> startDemoRig(QString* error = nullptr);

} // namespace kvq::devsim
