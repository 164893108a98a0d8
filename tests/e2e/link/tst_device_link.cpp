// Device exchanges end to end: the link, the progress window and simulated devices on a real
// pseudo-terminal. Time-outs are driven tick by tick; only the bytes on the line take real time.

#include "../../link/support/LinkTestSupport.h"

#include "Demo.h"
#include "DeviceBench.h"
#include "core/link/Frame.h"
#include "ui/link/Form1ProgressBar.h"

#include <QProgressBar>
#include <QTimer>
#include <QtTest>

using namespace kvq;
using namespace kvq::test;
using namespace kvq::devsim;

namespace {
std::vector<std::uint8_t> request(std::initializer_list<std::uint8_t> command) {
    return frame::buildRequest(std::vector<std::uint8_t>(command));
}
const auto kReadHca = request({0x00, 0x00, 0xA5, 0x08});
const auto kReadThermo = request({0x00, 0x00, 0xA5, 0x28});
const auto kReadWz = request({0x00, 0x00, 0xE7, 0x20});
const auto kHistoryWz = request({0xE7, 0xE7, 0x54, 0x20});
const auto kLcdTest = request({0x1A, 0x1A, 0x02, 0x0F, 0xC1, 0x10});
const auto kSensorTest = request({0x1A, 0x1A, 0x02, 0x0F, 0xC1, 0x30});
} // namespace

class TestDeviceLink : public QObject {
    Q_OBJECT

    std::unique_ptr<DeviceBench> bench;
    std::unique_ptr<RecordingUi> ui;
    std::unique_ptr<LinkController> link;
    std::unique_ptr<Form1ProgressBar> progress;
    std::unique_ptr<StatusRecorder> status;
    std::unique_ptr<PARAmeter> params;
    TestDeviceWindow window;

    void openFor(DeviceFamily family) {
        params = std::make_unique<PARAmeter>(family);
        link->setCurrentParams(params.get());
        makeCurrent(*link, &window);
    }
    // What a device window does for a request; then waits for the answer and one second of silence.
    void exchange(const std::vector<std::uint8_t>& frame, int expectedBytes, int progressMax = 184) {
        link->beginRequest(progressMax, 1);
        link->SendFrame(frame, true);
        const RxRingBuffer& ring = link->rxRing();
        QVERIFY(waitUntil([&] { return ring.waitingFrom(ring.RxReadPos) >= expectedBytes; }, 5000));
        spin(30);
        for (int i = 0; i < 11; ++i)
            link->Timer1Timer();
    }

private Q_SLOTS:
    void init() {
        bench = std::make_unique<DeviceBench>();
        for (DeviceKind k :
             {DeviceKind::HeatCostAllocator, DeviceKind::RadioThermometer, DeviceKind::WaterMeterModule})
            fillDemoImage(bench->add(k));
        bench->answerDelayMs = 5;
        QVERIFY(bench->start());
        ui = std::make_unique<RecordingUi>();
        link = std::make_unique<LinkController>(*ui);
        progress = std::make_unique<Form1ProgressBar>(*link);
        link->setProgress(progress.get());
        status = std::make_unique<StatusRecorder>(*link);
        link->portMap().setPath(3, bench->path(), true);
        link->settings.SIO1Port = 3;
        link->OpenInterface();
        QVERIFY(link->SIO1Open());
        window = TestDeviceWindow();
    }
    void cleanup() {
        link->CloseInterface();
        status.reset();
        progress.reset();
        link.reset();
        bench.reset();
    }

    void readOfEachDeviceLandsInTheRecord_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<QString>("version");
        QTest::newRow("heat cost allocator") << 0 << "Geräteversion:5.2x";
        QTest::newRow("radio thermometer") << 1 << "Geräteversion:0.5x";
        QTest::newRow("water-meter module") << 2 << "Geräteversion:2.1x";
    }
    void readOfEachDeviceLandsInTheRecord() {
        QFETCH(int, family);
        QFETCH(QString, version);
        openFor(DeviceFamily(family));
        int shows = 0;
        connect(link.get(), &LinkController::showRecordRequested, this, [&] { ++shows; });
        const auto& frame = family == 0 ? kReadHca : family == 1 ? kReadThermo : kReadWz;
        const DeviceKind dk = DeviceKind(family);
        const int payload = family == 2 ? 231 : 165;
        exchange(frame, payload + 23);

        const std::vector<std::uint8_t> device = bench->imageOf(dk);
        const std::uint8_t* got = family == 0   ? params->DataEHKV.bytes.data()
                                  : family == 1 ? params->DataWMTHERMO.data()
                                                : params->DataWZBRAM.data();
        QVERIFY(std::equal(device.begin(), device.begin() + payload, got));
        QCOMPARE(status->panels[3], version);
        QCOMPARE(status->panels[4], QStringLiteral("Gültige Daten"));
        QCOMPARE(link->linkStatePanelColour(), PanelColour::Green);
        QCOMPARE(shows, 1);
        QVERIFY(!progress->isVisible());
        QVERIFY(!progress->Timer1->isActive());
        QVERIFY(ui->messages.empty());
        QVERIFY(window.txLog.startsWith(QStringLiteral("68 08 08 68 53 FE 51 0F ")));
        QVERIFY(!window.rxLog.isEmpty());
    }

    void waterModuleHistoryFillsFrom231() {
        openFor(DeviceFamily::WaterMeterModule);
        exchange(kHistoryWz, 84 + 23, 103);
        const auto device = bench->imageOf(DeviceKind::WaterMeterModule);
        QVERIFY(std::equal(device.begin() + 231, device.end(), params->DataWZBRAM.begin() + 231));
        QCOMPARE(params->DataWZBRAM[0], std::uint8_t(0));
    }

    void aVersionOutOfRangeIsAWrongDevice() {
        bench->configure([](DeviceBench& b) { b.device(DeviceKind::HeatCostAllocator)->setVersion(0x73); });
        openFor(DeviceFamily::HeatCostAllocator);
        exchange(kReadHca, 188);
        QCOMPARE(int(ui->messages.size()), 1);
        QCOMPARE(ui->messages[0].text, QStringLiteral("Falsches Gerät oder Softwareversion! V73"));
        QCOMPARE(link->LinkState, std::uint8_t(3));
        QCOMPARE(link->linkStatePanelColour(), PanelColour::Red);
        QVERIFY(!progress->isVisible());
    }

    void aGarbledChecksumIsFalscheDaten() {
        bench->configure(
            [](DeviceBench& b) { b.device(DeviceKind::RadioThermometer)->faults.wrongChecksum = true; });
        openFor(DeviceFamily::RadioThermometer);
        exchange(kReadThermo, 188);
        QCOMPARE(int(ui->messages.size()), 1);
        QCOMPARE(ui->messages[0].text, QStringLiteral("Falsche Daten!"));
        QCOMPARE(status->panels[4], QStringLiteral("Falsche Daten!"));
        QCOMPARE(link->linkStatePanelColour(), PanelColour::Red);
    }

    void silenceEndsInTimeoutAfterFiveProgressTicks() {
        bench->configure(
            [](DeviceBench& b) { b.device(DeviceKind::HeatCostAllocator)->faults.silent = true; });
        openFor(DeviceFamily::HeatCostAllocator);
        link->beginRequest(184, 1);
        link->SendFrame(kReadHca, true);
        QVERIFY(progress->isVisible());
        QVERIFY(progress->Timer1->isActive());
        QCOMPARE(progress->Timer1->interval(), 800);
        spin(100);
        for (int i = 0; i < 40; ++i)
            link->Timer1Timer(); // silence with nothing received reports nothing
        for (int i = 0; i < 4; ++i)
            progress->Timer1Timer();
        QVERIFY(ui->messages.empty());
        QCOMPARE(link->LinkState, std::uint8_t(1));
        progress->Timer1Timer(); // the fifth tick: about four seconds
        QCOMPARE(int(ui->messages.size()), 1);
        QCOMPARE(ui->messages[0].text, QStringLiteral("TIMEOUT"));
        QCOMPARE(status->panels[4], QStringLiteral("TIMEOUT"));
        QCOMPARE(link->LinkState, std::uint8_t(3));
        QVERIFY(!progress->isVisible());
        QVERIFY(!progress->Timer1->isActive());
        QCOMPARE(progress->TickCount, 0);
    }

    void receivedBytesHoldOffTheTimeout() {
        openFor(DeviceFamily::HeatCostAllocator);
        link->beginRequest(184, 1);
        for (int i = 0; i < 4; ++i)
            progress->Timer1Timer();
        link->SendFrame(kReadHca, true);
        QVERIFY(waitUntil([&] { return progress->ProgressBar1->value() >= 184; }));
        QCOMPARE(progress->TickCount, 0);
        progress->Timer1Timer();
        QVERIFY(ui->messages.empty());
    }

    void anEchoingHeadIsReadOnTheSecondAttempt_data() {
        QTest::addColumn<bool>("preamble");
        QTest::newRow("plain") << false;
        QTest::newRow("with preamble") << true;
    }
    void anEchoingHeadIsReadOnTheSecondAttempt() {
        QFETCH(bool, preamble);
        bench->configure([](DeviceBench& b) { b.head.echo = true; });
        link->PreambleChecked = preamble;
        openFor(DeviceFamily::HeatCostAllocator);
        exchange(kReadHca, 188 + 14 + (preamble ? 510 : 0));
        QCOMPARE(status->panels[0], preamble ? QStringLiteral("Optokopf Online com3 ECHO  with Preamble")
                                             : QStringLiteral("Optokopf Online com3 ECHO"));
        QCOMPARE(status->panels[4], QStringLiteral("Gültige Daten"));
        QVERIFY(ui->messages.empty());
    }

    void theAcknowledgementReachesTheWindow() {
        openFor(DeviceFamily::HeatCostAllocator);
        exchange(kLcdTest, 1, 1);
        QCOMPARE(window.acks, 1);
        QVERIFY(ui->messages.empty());
        const auto image = bench->imageOf(DeviceKind::HeatCostAllocator);
        QCOMPARE(image[0x1A] & 0x3E, 0x10);
    }

    void theSensorTestShowsTheRawTimers() {
        bench->configure(
            [](DeviceBench& b) { b.device(DeviceKind::HeatCostAllocator)->setSensorTimers(258, 772, 1286); });
        openFor(DeviceFamily::HeatCostAllocator);
        window.sensorTest = true;
        exchange(kSensorTest, 7, 1);
        QCOMPARE(int(window.timers.size()), 1);
        QCOMPARE(window.timers[0], (std::array<int, 3>{258, 772, 1286}));
        QCOMPARE(window.acks, 1);
    }

    void aWriteIsStoredAfterItsReadAndAcknowledged() {
        openFor(DeviceFamily::HeatCostAllocator);
        std::vector<std::uint8_t> cmd{0x00, 0x00, 0xA1, 0x09};
        for (int i = 0; i < 161; ++i)
            cmd.push_back(std::uint8_t(i ^ 0x5A));
        const auto write = frame::buildRequest(cmd);
        exchange(write, 1, 1);
        QCOMPARE(window.acks, 1);
        const auto image = bench->imageOf(DeviceKind::HeatCostAllocator);
        for (int i = 0; i < 161; ++i)
            QCOMPARE(int(image[i]), i ^ 0x5A);
    }

    void anAnswerInPiecesWithPausesIsOneAnswer() {
        bench->configure([](DeviceBench& b) {
            b.head.splitPieces = 3;
            b.head.splitPauseMs = 300;
        });
        openFor(DeviceFamily::HeatCostAllocator);
        int shows = 0;
        connect(link.get(), &LinkController::showRecordRequested, this, [&] { ++shows; });
        link->beginRequest(184, 1); // the real 100 ms answer timer runs here
        link->SendFrame(kReadHca, true);
        QVERIFY(waitUntil([&] { return shows > 0 || !ui->messages.empty(); }, 5000));
        QCOMPARE(shows, 1);
        QVERIFY(ui->messages.empty());
        link->setAnswerTimerEnabled(false);
    }

    void aHeadThatVanishesMidAnswerEndsInDisconnectAndTimeout() {
        bench->configure([](DeviceBench& b) { b.head.hangUpInAnswer = true; });
        openFor(DeviceFamily::HeatCostAllocator);
        int gone = 0;
        connect(link.get(), &LinkController::interfaceDisconnected, this, [&] { ++gone; });
        link->beginRequest(184, 1);
        link->SendFrame(kReadHca, true);
        QVERIFY(waitUntil([&] { return gone > 0; }, 5000));
        QVERIFY(!link->SIO1Open());
        QCOMPARE(status->panels[0], QStringLiteral("Optokopf Offline com3"));
        for (int i = 0; i < 11; ++i)
            link->Timer1Timer();
        for (int i = 0; i < 5; ++i)
            progress->Timer1Timer();
        QCOMPARE(status->panels[4], QStringLiteral("TIMEOUT"));
        link->SendFrame(kReadHca, true); // closed now: nothing happens
        QVERIFY(link->CloseInterface());
    }

    void theDemoRigAnswersEveryDeviceWindow() {
        link->CloseInterface();
        std::unique_ptr<DemoRig> rig = startDemoRig();
        QVERIFY(rig);
        link->portMap().setPath(8, rig->opticalHeadPath(), true);
        link->settings.SIO1Port = 8;
        link->OpenInterface();
        QVERIFY(link->SIO1Open());
        for (const DeviceFamily family : {DeviceFamily::HeatCostAllocator, DeviceFamily::RadioThermometer,
                                          DeviceFamily::WaterMeterModule}) {
            openFor(family);
            const auto& frame = family == DeviceFamily::HeatCostAllocator  ? kReadHca
                                : family == DeviceFamily::RadioThermometer ? kReadThermo
                                                                           : kReadWz;
            exchange(frame, family == DeviceFamily::WaterMeterModule ? 254 : 188);
            QCOMPARE(link->LinkState, std::uint8_t(2));
        }
        QVERIFY(ui->messages.empty());
    }
};

QTEST_MAIN(TestDeviceLink)
#include "tst_device_link.moc"
