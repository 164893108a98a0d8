// Receiver configuration over a real serial link: the window's sequences reach the simulated
// module byte for byte, with their pauses, and the module ends up configured.

#include "link/LinkController.h"
#include "ui/wmbus/TFormWMBUSRadioCraft.h"

#include "../../ui/wmbus/RecordingPort.h"
#include "ReceiverSim.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace kvq;

namespace {

// A short stand-in for the 2 s response period, and the silence that separates two groups at the
// module. Both leave room for a loaded machine (sanitizer builds, parallel tests).
constexpr int kPauseMs = 450;
constexpr int kGapMs = 200;

struct Rig {
    test::FakeToolHost host;
    test::ScriptedUserInteraction linkUi;
    LinkController link{linkUi};
    std::unique_ptr<devsim::SimulatedReceiver> sim;
    std::unique_ptr<TFormWMBUSRadioCraft> w;

    Rig() {
        sim = devsim::startSimulatedReceiver();
        if (!sim)
            qFatal("no pseudo-terminal");
        link.settings.SIO1Active = false;
        link.settings.SIO2Active = true;
        link.settings.SIO2Port = link.addPortPath(sim->path());
        link.OpenInterface();
        host.linkValue = &link;
        // Each test starts its own sequence; the start-mode timer stays quiet.
        host.settingsValue.Tmode = host.settingsValue.Smode = host.settingsValue.Cmode = false;
        w = std::make_unique<TFormWMBUSRadioCraft>(host);
        // What the main window does: the recorder is the current tool window.
        link.setWindowSource([this]() -> LinkWindow* { return w.get(); });
        w->afterOpen();
        w->show();
    }
    ~Rig() {
        w.reset();
        link.CloseInterface();
        sim->stop();
    }
    // Lets each pause pass in a short real time, so the simulated module sees the silences.
    void runPauses() {
        auto* wait = w->findChild<QTimer*>("TimerWaitOfResponse");
        while (wait->isActive()) {
            settle();
            QTest::qWait(kPauseMs);
            w->TimerWaitOfResponseTimer();
        }
        settle();
        QTest::qWait(kPauseMs);
    }
    // Until the module has taken what was sent: its byte count stays the same for a while.
    void settle() {
        std::size_t last = sim->configBytes().size();
        for (int quiet = 0, i = 0; quiet < 3 && i < 200; ++i) {
            QTest::qWait(20);
            const std::size_t now = sim->configBytes().size();
            quiet = now == last ? quiet + 1 : 0;
            last = now;
        }
    }
};

} // namespace

class TestReceiverConfigPty : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void modeSequenceReachesTheModule();
    void factorySetupWritesTheWholeMemory();
    void modeCCutsIntoModeS();
};

void TestReceiverConfigPty::modeSequenceReachesTheModule() {
    Rig rig;
    QVERIFY(rig.link.SIO2Open());
    rig.w->StartModeTC();
    rig.runPauses();
    QCOMPARE(rig.sim->configGroups(kGapMs),
             QStringLiteral("58|FF|00|00|4D|36 04 3F 00 05 01 3A 01 03 0A 00 01 04 00 FF|58"));
    const auto memory = rig.sim->memory();
    QCOMPARE(memory[0x03], std::uint8_t(0x0A));
    QCOMPARE(memory[0x36], std::uint8_t(0x04));
    QCOMPARE(memory[0x3A], std::uint8_t(0x01));
    QVERIFY(!rig.sim->inConfigMode());
    QVERIFY(!rig.w->receiverBusy());
    QCOMPARE(rig.host.statusText(2), QStringLiteral("Mode: T/C"));
    // The module's prompts came back; the end of the sequence cleared them from the raw text.
    QVERIFY(rig.w->byteCount() >= 3);
    QVERIFY(rig.w->findChild<QPlainTextEdit*>("MemoRX")->toPlainText().isEmpty());
}

void TestReceiverConfigPty::factorySetupWritesTheWholeMemory() {
    Rig rig;
    rig.w->findChild<QPushButton*>("ButtonRadiocraftReset")->click();
    rig.runPauses();
    const QStringList groups = rig.sim->configGroups(kGapMs).split(QLatin1Char('|'));
    QCOMPARE(groups.size(), 4);
    QCOMPARE(groups[0], QStringLiteral("00"));
    QCOMPARE(groups[1], QStringLiteral("4D"));
    QCOMPARE(groups[2].split(QLatin1Char(' ')).size(), 129);
    QVERIFY(groups[2].endsWith(QStringLiteral(" FF")));
    QCOMPARE(groups[3], QStringLiteral("58"));
    const auto memory = rig.sim->memory();
    const std::pair<int, int> spots[] = {{0x00, 0x01}, {0x06, 0x64}, {0x0B, 0xD3}, {0x1A, 0xAE}, {0x1E, 0x78},
                                         {0x28, 0xFF}, {0x38, 0x2B}, {0x3D, 0x02}, {0x3F, 0x00}};
    for (auto [address, value] : spots)
        QCOMPARE(int(memory[address]), value);
    QVERIFY(!rig.sim->inConfigMode());
}

void TestReceiverConfigPty::modeCCutsIntoModeS() {
    Rig rig;
    rig.w->StartModeS();
    rig.settle();
    QTest::qWait(kPauseMs);
    rig.w->StartModeC();
    rig.runPauses();
    QCOMPARE(rig.sim->configGroups(kGapMs),
             QStringLiteral("58|58|FF|00|00|4D|36 04 3F 00 05 01 3A 01 03 09 00 01 04 00 FF|58"));
    QCOMPARE(rig.sim->memory()[0x03], std::uint8_t(0x09));
    QCOMPARE(rig.w->radioModeLetter(), QStringLiteral("C"));
}

QTEST_MAIN(TestReceiverConfigPty)
#include "tst_receiverconfig_pty.moc"
