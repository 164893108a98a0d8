#pragma once
// Simulated hardware for the demo mode: the three device families under one optical head, and a
// wireless M-Bus receiver.

#include "DeviceBench.h"
#include "ReceiverSim.h"

#include <QString>
#include <memory>

namespace kvq::devsim {

struct DemoRig {
    std::unique_ptr<DeviceBench> opticalHead; // a heat cost allocator, a thermometer, a water-meter module
    std::unique_ptr<SimulatedReceiver> receiver;
    QString opticalHeadPath() const { return opticalHead ? opticalHead->path() : QString(); }
    QString receiverPath() const { return receiver ? receiver->path() : QString(); }
};

// Starts the simulated devices and the receiver on their pseudo-terminals; null when the devices'
// terminal could not be opened (a missing receiver only leaves the receiver out).
std::unique_ptr<DemoRig> startDemoRig(QString* error = nullptr);

} // namespace kvq::devsim
