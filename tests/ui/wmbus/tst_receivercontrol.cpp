#include "ui/app/TMainForm.h"
#include "ui/wmbus/AnalysePage.h"
#include "ui/wmbus/TFormWMBUSRadioCraft.h"

#include "RecordingPort.h"
#include "TempDataRoot.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace kvq;

namespace {

QTimer* timer(QWidget& w, const char* name) {
    return w.findChild<QTimer*>(QString::fromLatin1(name));
}

// Lets every pending response period elapse, as the timer would; returns the number of pauses.
int runPauses(TFormWMBUSRadioCraft& w, int limit = 50) {
    int pauses = 0;
    while (timer(w, "TimerWaitOfResponse")->isActive() && pauses < limit) {
        ++pauses;
        w.TimerWaitOfResponseTimer();
    }
    return pauses;
}

const QString kModeC = QStringLiteral("58 FF 00 00 4D 36 04 3F 00 05 01 3A 01 03 09 00 01 04 00 FF 58");

} // namespace

class TestReceiverControl : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void timersAsConfigured();
    void modeCCutsIntoModeS();
    void startModePriorityFromSettings();
    void noStartModeSendsNothing();
    void factorySetupLeavesModeAndStatus();
    void openedFromMainWindowMenu();
};

void TestReceiverControl::timersAsConfigured() {
    test::FakeToolHost host;
    TFormWMBUSRadioCraft w(host);
    QTimer* wait = timer(w, "TimerWaitOfResponse");
    QTimer* start = timer(w, "TimerStartMode");
    QVERIFY(wait && start);
    QCOMPARE(wait->interval(), 2000);
    QVERIFY(wait->isSingleShot());
    QVERIFY(!wait->isActive());
    QCOMPARE(start->interval(), 1000);
    QVERIFY(start->isActive());
    QCOMPARE(w.windowTitle(), QStringLiteral("Wireless M-BUS Datenrecorder"));
    QCOMPARE(w.findChild<QLabel*>("LabelRInit")->text(), QStringLiteral("Receiver Initialisierung"));
    QVERIFY(!w.receiverBusy());
}

void TestReceiverControl::modeCCutsIntoModeS() {
    test::FakeToolHost host;
    test::RecordingPort port;
    TFormWMBUSRadioCraft w(host);
    w.setReceiverPort(&port);
    w.show();
    auto* memo = w.findChild<QPlainTextEdit*>("MemoRX");
    memo->setPlainText(QStringLiteral("old answer"));

    w.StartModeS();
    QCOMPARE(port.hex(), QStringLiteral("58"));
    QVERIFY(memo->toPlainText().isEmpty());
    QCOMPARE(host.statusText(2), QStringLiteral("Mode: S"));
    QVERIFY(w.receiverBusy());
    QVERIFY(w.findChild<QWidget*>("sArcPreloader1RInit")->isVisible());

    w.StartModeC(); // within the first pause of S
    QCOMPARE(w.radioModeLetter(), QStringLiteral("C"));
    QCOMPARE(host.statusText(2), QStringLiteral("Mode: C"));
    QCOMPARE(runPauses(w), 6);
    QCOMPARE(port.hex(), QStringLiteral("58 ") + kModeC);
    QVERIFY(port.allSingleBytes());
    QVERIFY(!w.receiverBusy());
    QVERIFY(!w.findChild<QWidget*>("sArcPreloader1RInit")->isVisible());
    QCOMPARE(w.radioModeLetter(), QStringLiteral("C"));
    QCOMPARE(host.statusText(2), QStringLiteral("Mode: C"));

    // The sequence has ended: a late timer event sends nothing more.
    const auto sent = port.writes.size();
    w.TimerWaitOfResponseTimer();
    QCOMPARE(port.writes.size(), sent);
}

void TestReceiverControl::startModePriorityFromSettings() {
    struct Case {
        bool t, s, c;
        const char* letter;
        const char* status;
        int pauses;
        std::uint8_t modeValue;
    };
    const Case cases[] = {
        {true, true, true, "C", "Mode: C", 6, 0x09},
        {true, true, false, "T", "Mode: T/C", 6, 0x0A},
        {false, true, false, "S", "Mode: S", 7, 0x03},
    };
    for (const Case& c : cases) {
        test::FakeToolHost host;
        host.settingsValue.Tmode = c.t;
        host.settingsValue.Smode = c.s;
        host.settingsValue.Cmode = c.c;
        test::RecordingPort port;
        TFormWMBUSRadioCraft w(host);
        w.setReceiverPort(&port);
        w.TimerStartModeTimer();
        QVERIFY(!timer(w, "TimerStartMode")->isActive());
        QCOMPARE(runPauses(w), c.pauses);
        QCOMPARE(w.radioModeLetter(), QString::fromLatin1(c.letter));
        QCOMPARE(host.statusText(2), QString::fromLatin1(c.status));
        QCOMPARE(port.writes.size(), std::size_t(21));
        QCOMPARE(port.writes[13].front(), std::uint8_t(0x03));
        QCOMPARE(port.writes[14].front(), std::uint8_t(c.modeValue));
    }
}

void TestReceiverControl::noStartModeSendsNothing() {
    test::FakeToolHost host;
    host.settingsValue.Tmode = host.settingsValue.Smode = host.settingsValue.Cmode = false;
    test::RecordingPort port;
    TFormWMBUSRadioCraft w(host);
    w.setReceiverPort(&port);
    w.TimerStartModeTimer();
    QCOMPARE(runPauses(w), 0);
    QVERIFY(port.writes.empty());
    QVERIFY(w.radioModeLetter().isEmpty());
    QVERIFY(host.statusText(2).isEmpty());
    QVERIFY(!w.receiverBusy());

    // The settings window arms the timer again after new start options were chosen.
    host.settingsValue.Tmode = true;
    w.restartStartModeTimer();
    QVERIFY(timer(w, "TimerStartMode")->isActive());
    w.TimerStartModeTimer();
    runPauses(w);
    QCOMPARE(w.radioModeLetter(), QStringLiteral("T"));
}

void TestReceiverControl::factorySetupLeavesModeAndStatus() {
    test::FakeToolHost host;
    test::RecordingPort port;
    TFormWMBUSRadioCraft w(host);
    w.setReceiverPort(&port);
    w.show();
    host.status[2] = QStringLiteral("Mode: T/C");
    auto* button = w.findChild<QPushButton*>("ButtonRadiocraftReset");
    QCOMPARE(button->text(), QStringLiteral("Radiocraft Werkssetup"));
    button->click();
    QCOMPARE(port.hex(), QStringLiteral("00"));
    QCOMPARE(runPauses(w), 3);
    QCOMPARE(port.writes.size(), std::size_t(132));
    QVERIFY(port.allSingleBytes());
    // 00 4D, then address/value pairs 00..3F, then FF 58.
    QCOMPARE(port.writes[1].front(), std::uint8_t(0x4D));
    for (int a = 0; a < 64; ++a)
        QCOMPARE(int(port.writes[2 + 2 * a].front()), a);
    QCOMPARE(port.writes[2 + 2 * 0x1A + 1].front(), std::uint8_t(0xAE));
    QCOMPARE(port.writes[130].front(), std::uint8_t(0xFF));
    QCOMPARE(port.writes[131].front(), std::uint8_t(0x58));
    QCOMPARE(host.statusText(2), QStringLiteral("Mode: T/C"));
    QVERIFY(w.radioModeLetter().isEmpty());
    QVERIFY(!w.receiverBusy());
}

void TestReceiverControl::openedFromMainWindowMenu() {
    test::TempDataRoot root;
    test::ScriptedUserInteraction ui;
    test::FakeClock clock;
    TMainForm form(ui, clock, {QString(), 1280, true});
    form.settings().ScannAn = true;
    form.OpenToolWindow(ToolKind::WMBus);
    QVERIFY(form.WMBusOpen());
    auto* w = qobject_cast<TFormWMBUSRadioCraft*>(form.currentToolWindow());
    QVERIFY(w);
    QVERIFY(w->scanSwitch());
    QVERIFY(form.settings().link.SIO2Active);
    QVERIFY(!form.settings().link.SIO1Active);
    // Default start options: T/C.
    w->TimerStartModeTimer();
    QCOMPARE(form.statusText(2), QStringLiteral("Mode: T/C"));
    w->setScanSwitch(false);
    form.CloseAllToolWindows();
    QVERIFY(!form.WMBusOpen());
    QVERIFY(!form.settings().ScannAn);
}

QTEST_MAIN(TestReceiverControl)
#include "tst_receivercontrol.moc"
