#pragma once
// A device window on the link, talking over a real pseudo-terminal to simulated devices under an
// optical head, with the progress window and the status panels as the program runs them. The silence
// that ends an answer is driven tick by tick; only the bytes on the line take real time.

#include "../../link/support/LinkTestSupport.h"
#include "../../ui/devices/hca/HkvTestHost.h"

#include "DeviceBench.h"
#include "ui/link/Form1ProgressBar.h"

#include <QtTest>
#include <memory>

namespace kvq::test {

template <class Window> struct DeviceWindowRig {
    std::unique_ptr<devsim::DeviceBench> bench = std::make_unique<devsim::DeviceBench>();
    std::unique_ptr<HkvTestHost> host;
    std::unique_ptr<LinkController> link;
    std::unique_ptr<Form1ProgressBar> progress;
    std::unique_ptr<StatusRecorder> status;
    std::unique_ptr<Window> window;

    // Starts the bench with the devices added to it so far and opens the window for the family.
    bool open(DeviceFamily family) {
        bench->answerDelayMs = 5;
        if (!bench->start())
            return false;
        host = std::make_unique<HkvTestHost>();
        host->params = PARAmeter(family);
        link = std::make_unique<LinkController>(host->ui);
        progress = std::make_unique<Form1ProgressBar>(*link);
        link->setProgress(progress.get());
        status = std::make_unique<StatusRecorder>(*link);
        link->setCurrentParams(&host->params);
        link->portMap().setPath(3, bench->path(), true);
        link->settings.SIO1Port = 3;
        link->OpenInterface();
        if (!link->SIO1Open())
            return false;
        host->linkValue = link.get();
        // What the main window does with a valid answer.
        QObject::connect(link.get(), &LinkController::showRecordRequested, link.get(),
                         [this] { window->ShowRecord(); });
        window = std::make_unique<Window>(*host);
        link->setWindowSource([this]() -> LinkWindow* { return window.get(); });
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }

    ~DeviceWindowRig() {
        window.reset();
        if (link)
            link->CloseInterface();
        status.reset();
        progress.reset();
        link.reset();
        host.reset();
        bench.reset();
    }

    // Waits for `bytes` answer bytes, then lets one second of silence pass.
    void answer(int bytes) {
        const RxRingBuffer& ring = link->rxRing();
        QVERIFY2(waitUntil([&] { return ring.waitingFrom(ring.RxReadPos) >= bytes; }, 8000),
                 qPrintable(QStringLiteral("%1 bytes waiting").arg(ring.waitingFrom(ring.RxReadPos))));
        spin(30);
        for (int i = 0; i < 11; ++i)
            link->Timer1Timer();
    }
};

} // namespace kvq::test
