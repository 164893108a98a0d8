#include "../support/LinkTestSupport.h"

#include "ScriptedDevice.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

using namespace kvq;
using namespace kvq::test;
using kvq::devsim::ScriptedDevice;

namespace {
struct SlowWindow : TestDeviceWindow {
    int delayUs = 0;
    std::function<void(int)> onByte;
    void appendRxLog(const QString& hex) override {
        TestDeviceWindow::appendRxLog(hex);
        if (delayUs)
            QThread::usleep(delayUs);
        if (onByte)
            onByte(int(rxLog.size() / 3));
    }
};
} // namespace

TEST(ClosingTheInterface, TwoHundredCyclesAgainstAFullSpeedStream) {
    ScriptedDevice dev;
    dev.streamStep(QByteArray("\x68\x13\x13\x68\x08\xFE\x72", 7));
    ASSERT_TRUE(dev.start());
    RecordingUi ui;
    LinkController link(ui);
    TestProgress progress;
    TestDeviceWindow window;
    link.setProgress(&progress);
    makeCurrent(link, &window);
    link.portMap().setPath(5, dev.path());
    link.settings.SIO1Port = 5;
    QElapsedTimer t;
    t.start();
    for (int cycle = 0; cycle < 200; ++cycle) {
        link.OpenInterface();
        ASSERT_TRUE(link.SIO1Open()) << "cycle " << cycle;
        const int before = progress.steps;
        ASSERT_TRUE(waitUntil([&] { return progress.steps > before; }, 3000)) << "cycle " << cycle;
        ASSERT_TRUE(link.CloseInterface()) << "cycle " << cycle;
        ASSERT_FALSE(link.SIO1Open());
        ASSERT_FALSE(link.Worker());
    }
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_GT(dev.streamedBytes(), 0);
    RecordProperty("cycles_ms", int(t.elapsed()));
}

TEST(ClosingTheInterface, FromInsideAByteHookWhileTheWorkerWaits) {
    ScriptedDevice dev;
    dev.streamStep(QByteArray("\x01\x02\x03\x04", 4));
    ASSERT_TRUE(dev.start());
    RecordingUi ui;
    LinkController link(ui);
    SlowWindow window;
    makeCurrent(link, &window);
    link.portMap().setPath(5, dev.path());
    link.settings.SIO1Port = 5;
    link.OpenInterface();
    ASSERT_TRUE(link.SIO1Open());
    bool closed = false;
    int bytesAtClose = -1;
    window.onByte = [&](int n) {
        if (n == 500 && !closed) {
            closed = link.CloseInterface();
            bytesAtClose = n;
        }
    };
    ASSERT_TRUE(waitUntil([&] { return closed; }, 5000));
    spin(100);
    EXPECT_EQ(window.rxLog.size() / 3, bytesAtClose) << "no byte after the close";
    EXPECT_FALSE(link.SIO1Open());
}

TEST(ClosingTheInterface, AFarEndThatHangsUpInTheMiddleOfAChunk) {
    ScriptedDevice dev;
    dev.streamStep(QByteArray("\x11\x22\x33", 3), 3000).waitStep(150).hangUpStep();
    ASSERT_TRUE(dev.start());
    RecordingUi ui;
    LinkController link(ui);
    StatusRecorder status(link);
    SlowWindow window;
    window.delayUs = 300; // about a second for the chunk: the far end is gone long before its end
    makeCurrent(link, &window);
    link.portMap().setPath(6, dev.path());
    link.settings.SIO1Port = 6;
    int gone = 0;
    QObject::connect(&link, &LinkController::interfaceDisconnected, [&] { ++gone; });
    link.OpenInterface();
    ASSERT_TRUE(link.SIO1Open());
    ASSERT_TRUE(waitUntil([&] { return gone > 0; }, 10000));
    spin(200);
    EXPECT_EQ(gone, 1);
    EXPECT_FALSE(link.SIO1Open());
    EXPECT_FALSE(link.Worker());
    EXPECT_EQ(status.panels[0], QStringLiteral("Optokopf Offline com6"));
    EXPECT_EQ(link.interfacePanelColour(), PanelColour::Red);
    EXPECT_TRUE(ui.messages.empty());
    // What was received arrived whole and in order.
    const QString log = window.rxLog;
    ASSERT_FALSE(log.isEmpty());
    static const QString cycle = QStringLiteral("11 22 33 ");
    for (qsizetype i = 0; i + 3 <= log.size(); i += 3)
        ASSERT_EQ(log.mid(i, 3), cycle.mid(i % 9, 3)) << i;
    QElapsedTimer t;
    t.start();
    EXPECT_TRUE(link.CloseInterface());
    EXPECT_LT(t.elapsed(), 3000); // well before the 5 s stop time-out: the hand-over was cancelled
}

TEST(ClosingTheInterface, WhileTheWindowThreadIsSlowAndBytesKeepComing) {
    ScriptedDevice dev;
    dev.streamStep(QByteArray("\xA5", 1));
    ASSERT_TRUE(dev.start());
    RecordingUi ui;
    LinkController link(ui);
    SlowWindow window;
    window.delayUs = 100;
    makeCurrent(link, &window);
    link.portMap().setPath(7, dev.path());
    link.settings.SIO1Port = 7;
    for (int i = 0; i < 5; ++i) {
        link.OpenInterface();
        ASSERT_TRUE(waitUntil([&] { return window.rxLog.size() > 300; }, 3000));
        QThread::msleep(30); // busy elsewhere while the worker waits for the next hand-over
        QElapsedTimer t;
        t.start();
        ASSERT_TRUE(link.CloseInterface());
        EXPECT_LT(t.elapsed(), 3000); // well before the 5 s stop time-out: the hand-over was cancelled
        window.rxLog.clear();
    }
}
