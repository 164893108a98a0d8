// Choosing the receiver's port in the interface dialog while the recorder runs, over real
// pseudo-terminals: a stick plugged in after start appears after "R", OK reopens the receiver there and
// the new stick gets its configuration; the choice is kept in the settings file.

#include "core/app/IniFile.h"
#include "link/LinkController.h"
#include "ui/app/TFormSetup.h"
#include "ui/app/TMainForm.h"
#include "ui/app/TPagesDlg.h"
#include "ui/link/MainFormLink.h"
#include "ui/wmbus/TFormWMBUSRadioCraft.h"

#include "FakeClock.h"
#include "ReceiverSim.h"
#include "ScriptedUserInteraction.h"
#include "TempDataRoot.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace kvq;

namespace {

// Short stand-ins for the receiver's response period and the silence between two groups; both leave
// room for a loaded machine.
constexpr int kPauseMs = 450;
constexpr int kGapMs = 200;
const QString kModeTC = QStringLiteral("58|FF|00|00|4D|36 04 3F 00 05 01 3A 01 03 0A 00 01 04 00 FF|58");

// Until the module has taken what was sent: its byte count stays the same for a while.
void settle(const devsim::SimulatedReceiver& sim) {
    std::size_t last = sim.configBytes().size();
    for (int quiet = 0, i = 0; quiet < 3 && i < 200; ++i) {
        QTest::qWait(20);
        const std::size_t now = sim.configBytes().size();
        quiet = now == last ? quiet + 1 : 0;
        last = now;
    }
}

// The start-mode timer strikes, then each response pause passes in a short real time.
void runStartMode(TFormWMBUSRadioCraft& w, const devsim::SimulatedReceiver& sim) {
    w.TimerStartModeTimer();
    auto* wait = w.findChild<QTimer*>(QStringLiteral("TimerWaitOfResponse"));
    while (wait->isActive()) {
        settle(sim);
        QTest::qWait(kPauseMs);
        w.TimerWaitOfResponseTimer();
    }
    settle(sim);
}

} // namespace

class TestSetupPty : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void receiverMovesToAStickPluggedInAfterStart();
};

void TestSetupPty::receiverMovesToAStickPluggedInAfterStart() {
    test::TempDataRoot root;
    test::ScriptedUserInteraction ui;
    test::FakeClock clock;
    QTemporaryDir devices;
    const QString byId = devices.path() + QStringLiteral("/serial/by-id");
    QVERIFY(QDir().mkpath(byId));
    auto first = devsim::startSimulatedReceiver();
    QVERIFY(first);

    QString iniPath;
    int chosen = 0;
    const QString stickName = QStringLiteral("usb-QUELMAR_WMBUS_Receiver_0815-if00-port0");
    std::unique_ptr<devsim::SimulatedReceiver> second;
    {
        TMainForm form(ui, clock, {QString(), 1280, true});
        iniPath = form.settingsPath();
        LinkController& link = form.linkWiring()->link();
        link.deviceScan.byIdFolder = byId;
        link.portMap().setPath(2, first->path());
        form.settings().link.SIO2Port = 2;
        form.TimerSIOstartTimer();

        form.findChild<QAction*>(QStringLiteral("WirelessMBusItem"))->trigger();
        auto* recorder = qobject_cast<TFormWMBUSRadioCraft*>(form.currentToolWindow());
        QVERIFY(recorder);
        QVERIFY(link.SIO2Open());
        QCOMPARE(form.statusText(0), QStringLiteral("WMBUS Online com2"));
        runStartMode(*recorder, *first);
        QCOMPARE(first->configGroups(kGapMs), kModeTC);
        first->clearConfigBytes();

        // A second stick is plugged in while the program runs.
        second = devsim::startSimulatedReceiver();
        QVERIFY(second);
        QVERIFY(QFile::link(second->path(), byId + u'/' + stickName));

        form.findChild<QAction*>(QStringLiteral("SetupItem"))->trigger();
        TFormSetup* setup = form.setupWindow();
        QVERIFY(setup);
        setup->findChild<QPushButton*>(QStringLiteral("ButtonSIO2"))->click();
        TPagesDlg* dlg = form.PagesDlg();
        QVERIFY(dlg->isVisible());
        auto* ports = dlg->findChild<QComboBox*>(QStringLiteral("ComboBoxPortS2"));
        QCOMPARE(ports->currentText(), PortMap::entryText(2, first->path()));
        QCOMPARE(ports->findText(stickName, Qt::MatchContains), -1);

        dlg->findChild<QPushButton*>(QStringLiteral("ButtonR2"))->click();
        const int row = ports->findText(stickName, Qt::MatchContains);
        QVERIFY2(row >= 0, "the new stick is offered after R");
        QCOMPARE(ports->currentText(), PortMap::entryText(2, first->path())); // the choice stays
        chosen = portNumberOfEntry(ports->itemText(row));
        QVERIFY(chosen > 0 && chosen != 2);
        ports->setCurrentIndex(row);
        dlg->findChild<QPushButton*>(QStringLiteral("SIOOKBtn"))->click();
        QVERIFY(!dlg->isVisible());

        // The receiver port is open on the new stick, and the recorder configures it there.
        QVERIFY(link.SIO2Open());
        QCOMPARE(link.SIO2Handle()->systemName(), byId + u'/' + stickName);
        QCOMPARE(form.statusText(0), QStringLiteral("WMBUS Online com%1").arg(chosen));
        QVERIFY(recorder->findChild<QTimer*>(QStringLiteral("TimerStartMode"))->isActive());
        runStartMode(*recorder, *second);
        QCOMPARE(second->configGroups(kGapMs), kModeTC);
        QVERIFY(first->configBytes().empty());

        setup->findChild<QPushButton*>(QStringLiteral("ButtonOK"))->click();
        QCOMPARE(form.settings().link.SIO2Port, chosen);
        form.close();
        QVERIFY(!link.SIO2Open());
    }

    // The next start finds the stick under its number.
    auto loaded = IniFile::load(iniPath);
    QVERIFY(loaded.ok());
    const IniFile ini = std::move(loaded).value();
    QCOMPARE(ini.readInteger(QStringLiteral("COM"), QStringLiteral("com2"), 0), chosen);
    QCOMPARE(ini.readString(QStringLiteral("PORTMAP"), QStringLiteral("COM%1").arg(chosen)),
             byId + u'/' + stickName);
    second->stop();
    first->stop();
}

QTEST_MAIN(TestSetupPty)
#include "tst_setup_pty.moc"
