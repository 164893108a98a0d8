#pragma once
// Waiting in end-to-end tests: for a condition while events run, and for a device's answer followed by
// the second of silence that ends it on the link.

#include "link/LinkController.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <functional>

namespace kvq::test {

inline bool waitUntil(const std::function<bool()>& done, int ms = 8000) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::usleep(200);
    }
    return true;
}

// Waits for the answer bytes, then lets one second of silence pass.
inline bool answered(LinkController& link, int bytes) {
    RxRingBuffer& ring = link.rxRing();
    if (!waitUntil([&] { return ring.waitingFrom(ring.RxReadPos) >= bytes; }))
        return false;
    for (int i = 0; i < 11; ++i)
        link.Timer1Timer();
    return true;
}

} // namespace kvq::test
