// The link inside the main window: the menu opens the optical head, answers reach the status bar, the
// caption and the open tool window, and the port mapping is kept in the settings file.

#include "DeviceBench.h"
#include "FakeClock.h"
#include "ScriptedUserInteraction.h"
#include "TempDataRoot.h"
#include "core/link/Frame.h"
#include "link/LinkController.h"
#include "ui/app/StatusPanel.h"
#include "ui/app/TMainForm.h"
#include "ui/link/Form1ProgressBar.h"
#include "ui/link/MainFormLink.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QtTest>

using namespace kvq;
using namespace kvq::devsim;

namespace {

class LinkedProbe : public ToolWindow, public DeviceByteSink, public AcknowledgementHandler {
public:
    explicit LinkedProbe(ToolHost& host) : ToolWindow(host) { setObjectName(QStringLiteral("LinkedProbe")); }
    ToolKind kind() const override { return ToolKind::HKVData; }
    DeviceByteSink* deviceByteSink() override { return this; }
    AcknowledgementHandler* acknowledgement() override { return this; }
    void ShowRecord() override { ++shown; }
    void clearLinkLogs() override { rx.clear(); }
    void appendTxLog(const QString&) override {}
    void appendRxLog(const QString& hex) override { rx += hex; }
    QString rxLogText() const override { return rx; }
    int rxLogLineCount() const override { return 1; }
    void clearRxLog() override { rx.clear(); }
    void OnWriteAck() override { ++acks; }
    int shown = 0, acks = 0;
    QString rx;
};

bool waitUntil(const std::function<bool()>& done, int ms = 5000) {
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

QAction* action(QWidget& w, const char* name) {
    return w.findChild<QAction*>(QString::fromLatin1(name));
}

const std::vector<std::uint8_t> kReadHca =
    frame::buildRequest(std::vector<std::uint8_t>{0x00, 0x00, 0xA5, 0x08});

} // namespace

class TestMainFormLink : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aReadThroughTheMainWindow() {
        test::TempDataRoot root;
        test::ScriptedUserInteraction ui;
        test::FakeClock clock;
        DeviceBench bench;
        bench.add(DeviceKind::HeatCostAllocator).image()[0] = 0x42;
        bench.answerDelayMs = 5;
        QVERIFY(bench.start());

        QString iniPath;
        {
            TMainForm form(ui, clock, {QString(), 1280, false});
            iniPath = form.settingsPath();
            LinkedProbe* probe = nullptr;
            form.registerToolWindow(ToolKind::HKVData,
                                    [&](ToolHost& h, QWidget*) { return probe = new LinkedProbe(h); });
            LinkController& link = form.linkWiring()->link();
            QCOMPARE(form.link(), &link);
            link.portMap().setPath(4, bench.path());
            form.settings().link.SIO1Port = 4;

            action(form, "GeraetedatenEHKVItem")->trigger();
            QVERIFY(probe);
            QVERIFY(link.SIO1Open());
            QCOMPARE(form.statusText(0), QStringLiteral("Optokopf Online com4"));
            QCOMPARE(form.statusPanel(0)->colour(), PanelColour::Green);
            QVERIFY(form.HKVDataOpen());

            link.beginRequest(184, 1);
            QVERIFY(form.linkWiring()->progressWindow().isVisible());
            QCOMPARE(form.statusPanel(4)->colour(), PanelColour::Yellow);
            link.SendFrame(kReadHca, true);
            QVERIFY(waitUntil([&] { return link.rxRing().waitingFrom(link.rxRing().RxReadPos) >= 188; }));
            for (int i = 0; i < 11; ++i)
                link.Timer1Timer();
            QCOMPARE(form.statusText(3), QStringLiteral("Geräteversion:5.2x"));
            QCOMPARE(form.statusText(4), QStringLiteral("Gültige Daten"));
            QCOMPARE(form.statusPanel(4)->colour(), PanelColour::Green);
            QCOMPARE(form.windowTitle(), QStringLiteral("EHKV FALKOII"));
            QCOMPARE(probe->shown, 1);
            QCOMPARE(form.currentParams().DataEHKV.bytes[0], std::uint8_t(0x42));
            QVERIFY(probe->rx.startsWith(QStringLiteral("68 B6 B6 68 08 ")));
            QVERIFY(!form.linkWiring()->progressWindow().isVisible());

            link.beginRequest(1, 0);
            link.SendFrame(frame::buildRequest(std::vector<std::uint8_t>{0x1A, 0x1A, 0x02, 0x0F, 0xC1, 0x10}),
                           true);
            QVERIFY(waitUntil([&] { return link.rxRing().waitingFrom(link.rxRing().RxReadPos) >= 1; }));
            for (int i = 0; i < 11; ++i)
                link.Timer1Timer();
            QCOMPARE(probe->acks, 1);

            form.close();
            QVERIFY(!link.SIO1Open());
            QVERIFY(ui.messages().isEmpty());
        }
        QFile ini(iniPath);
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QByteArray text = ini.readAll();
        QVERIFY(text.contains("[PORTMAP]"));
        QVERIFY(text.contains("COM4=" + bench.path().toLocal8Bit()));

        // After a restart the number still names the device.
        TMainForm again(ui, clock, {QString(), 1280, false});
        QCOMPARE(again.linkWiring()->link().portMap().pathFor(4), bench.path());
        QCOMPARE(again.settings().link.SIO1Port, 4);
    }

    void theDemoPortsAreForThisRunOnly() {
        test::TempDataRoot root;
        test::ScriptedUserInteraction ui;
        test::FakeClock clock;
        DeviceBench head, receiver;
        head.add(DeviceKind::HeatCostAllocator);
        QVERIFY(head.start());
        QVERIFY(receiver.start());
        QString iniPath;
        {
            TMainForm form(ui, clock, {QString(), 1280, false});
            iniPath = form.settingsPath();
            form.registerToolWindow(ToolKind::HKVData,
                                    [&](ToolHost& h, QWidget*) { return new LinkedProbe(h); });
            form.registerToolWindow(ToolKind::WMBus,
                                    [&](ToolHost& h, QWidget*) { return new LinkedProbe(h); });
            form.linkWiring()->useDemoPorts(head.path(), receiver.path());
            QVERIFY(form.linkWiring()->demo());
            action(form, "GeraetedatenEHKVItem")->trigger();
            LinkController& link = form.linkWiring()->link();
            QVERIFY(link.SIO1Open());
            QCOMPARE(link.SIO1Handle()->systemName(), head.path());
            action(form, "WirelessMBusItem")->trigger();
            QVERIFY(link.SIO2Open());
            QVERIFY(!link.SIO1Open());
            QVERIFY(form.statusText(0).startsWith(QStringLiteral("WMBUS Online com")));
            form.close();
        }
        QFile ini(iniPath);
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QByteArray text = ini.readAll();
        QVERIFY(!text.contains(head.path().toLocal8Bit()));
        QVERIFY(text.contains("com1=1"));
    }
};

QTEST_MAIN(TestMainFormLink)
#include "tst_mainform_link.moc"
