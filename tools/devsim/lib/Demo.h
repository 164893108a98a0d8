#pragma once
// Simulated hardware for the demo mode: the three device families under one optical head, and a
// wireless M-Bus receiver.

#include "DeviceBench.h"
#include "ReceiverSim.h"

#include <QByteArray>
#include <QString>
#include <QTimer>
#include <memory>
#include <vector>

namespace kvq::devsim {

struct DemoRig {
    std::unique_ptr<DeviceBench> opticalHead; // a heat cost allocator, a thermometer, a water-meter module
    std::unique_ptr<SimulatedReceiver> receiver;
    // The receiver hears one meter after the other, a few a second, like a stick in a stairwell.
    std::unique_ptr<QTimer> receiverClock;
    std::vector<QByteArray> airTraffic;
    std::size_t nextTelegram = 0;
    QString opticalHeadPath() const { return opticalHead ? opticalHead->path() : QString(); }
    QString receiverPath() const { return receiver ? receiver->path() : QString(); }
};

// Starts the simulated devices and the receiver on their pseudo-terminals; null when the devices'
// terminal could not be opened (a missing receiver only leaves the receiver out). The receiver
// streams published telegrams of several makers in the RadioCraft framing. Call from a thread with
// an event loop (the receiver is paced by a timer).
std::unique_ptr<DemoRig> startDemoRig(QString* error = nullptr);

} // namespace kvq::devsim
