#include "../support/LinkTestSupport.h"

#include "ScriptedDevice.h"
#include "core/link/Frame.h"

#include <QTimer>
#include <gtest/gtest.h>

using namespace kvq;
using namespace kvq::test;
using kvq::devsim::ScriptedDevice;

namespace {

std::vector<std::uint8_t> answer(std::uint8_t version, std::uint8_t medium, std::size_t payloadSize,
                                 std::uint8_t fill = 0x5A) {
    const std::uint8_t L = std::uint8_t(17 + payloadSize);
    std::vector<std::uint8_t> f{0x68, L,    L,    0x68,    0x08,   0xFE, 0x72, 0x78, 0x56, 0x34,
                                0x12, 0x8D, 0x45, version, medium, 0x01, 0x00, 0x00, 0x00, 0x0F};
    for (std::size_t i = 0; i < payloadSize; ++i)
        f.push_back(fill);
    f.push_back(0x1F);
    f.push_back(frame::checksum(f, 4, f.size() - 1));
    f.push_back(0x16);
    return f;
}

const std::vector<std::uint8_t> kReadHca = [] {
    const std::uint8_t cmd[] = {0x00, 0x00, 0xA5, 0x08};
    return frame::buildRequest(cmd);
}();

struct Transaction : ::testing::Test {
    RecordingUi ui;
    LinkController link{ui};
    StatusRecorder status{link};
    TestProgress progress;
    PARAmeter params{DeviceFamily::HeatCostAllocator};
    TestDeviceWindow window;
    int shows = 0;

    void SetUp() override {
        link.setProgress(&progress);
        link.setCurrentParams(&params);
        makeCurrent(link, &window);
        QObject::connect(&link, &LinkController::showRecordRequested, [this] { ++shows; });
    }
    void receive(const std::vector<std::uint8_t>& bytes) {
        for (std::uint32_t i = 0; i < bytes.size(); ++i)
            link.handleByte(bytes.data(), std::uint32_t(bytes.size()), i);
    }
    // One second of silence.
    void silence() {
        for (int i = 0; i < 11; ++i)
            link.Timer1Timer();
    }
    // What SendFrame leaves behind, without a port.
    void sent(const std::vector<std::uint8_t>& frame) {
        std::copy(frame.begin(), frame.end(), link.TxBuf.begin());
        link.TxLen = std::uint32_t(frame.size());
    }
};

} // namespace

TEST_F(Transaction, AnAnswerIsProcessedOnceAfterTenSilentTicks) {
    receive(answer(0x52, 0x08, 2));
    for (int i = 0; i < 10; ++i)
        link.Timer1Timer();
    EXPECT_EQ(shows, 0) << "ten ticks are not yet silence";
    link.Timer1Timer();
    EXPECT_EQ(shows, 1);
    EXPECT_EQ(link.RxIdleTicks, 152u);
    for (int i = 0; i < 50; ++i)
        link.Timer1Timer();
    EXPECT_EQ(shows, 1) << "processed once";
    EXPECT_EQ(link.rxRing().RxReadPos, link.rxRing().RxWritePos);
}

TEST_F(Transaction, AValidAnswerIsReportedAndShown) {
    receive(answer(0x52, 0x08, 2, 0xAB));
    silence();
    EXPECT_EQ(params.DataEHKV.bytes[0], 0xAB);
    EXPECT_EQ(status.panels[3], QStringLiteral("Geräteversion:5.2x"));
    EXPECT_EQ(status.panels[4], QStringLiteral("Gültige Daten"));
    EXPECT_EQ(status.panels[0], QStringLiteral("Optokopf Online com1"));
    EXPECT_EQ(link.LinkState, 2);
    EXPECT_EQ(link.linkStatePanelColour(), PanelColour::Green);
    EXPECT_EQ(params.DeviceName, "EHKV FALKOII");
    EXPECT_EQ(shows, 1);
    EXPECT_EQ(progress.ends, 1);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(link.VersionText, QStringLiteral("Geräteversion:"));
}

TEST_F(Transaction, VersionLimitsComeFromTheLinkSettings) {
    link.settings.versions.EHKV = {40, 45};
    receive(answer(0x52, 0x08, 2));
    silence();
    EXPECT_EQ(link.LinkState, 3);
    link.settings.versions.EHKV = {52, 52};
    receive(answer(0x52, 0x08, 2));
    silence();
    EXPECT_EQ(link.LinkState, 2);
}

TEST_F(Transaction, AGarbledAnswerIsFalscheDaten) {
    auto f = answer(0x52, 0x08, 2);
    f[20] ^= 0xFF;
    receive(f);
    silence();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("Falsche Daten!"));
    EXPECT_EQ(status.panels[4], QStringLiteral("Falsche Daten!"));
    EXPECT_EQ(link.LinkState, 3);
    EXPECT_EQ(progress.ends, 1);

    // Shorter than the request: the second attempt would start where the first did; one message only.
    ui.messages.clear();
    sent(kReadHca);
    receive({0x68, 0x05, 0x05, 0x68, 0x08, 0x00});
    silence();
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(Transaction, DroppedFramesLeaveEverythingToTheTimeOut) {
    link.setLinkState(1);
    receive(answer(0x52, 0x08, 2, 0x5A)); // then made a non-data answer below
    link.rxRing().RxReadPos = link.rxRing().RxWritePos;
    auto ci = answer(0x52, 0x08, 2);
    ci[6] = 0x78;
    ci[ci.size() - 2] = frame::checksum(ci, 4, ci.size() - 3);
    receive(ci);
    silence();
    receive({0x10, 0x20, 0x30});
    silence();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(progress.ends, 0) << "the progress window keeps showing";
    EXPECT_EQ(link.LinkState, 1);
    EXPECT_EQ(shows, 0);
}

TEST_F(Transaction, SilenceWithNothingReceivedTouchesNothing) {
    window.rxLog.clear();
    const int repaints = status.repaints;
    for (int i = 0; i < 40; ++i)
        link.Timer1Timer();
    EXPECT_EQ(status.repaints, repaints);
    EXPECT_TRUE(status.panel0History.isEmpty());
    EXPECT_EQ(window.acks, 0);
    EXPECT_EQ(shows, 0);
}

TEST_F(Transaction, TheAcknowledgementReachesTheCurrentWindow) {
    receive({0xE5});
    silence();
    EXPECT_EQ(window.acks, 1);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(status.panels[0], QStringLiteral("Optokopf Online com1"));

    // A window that takes no acknowledgement still gets the answer reported as received.
    TestPlainDeviceWindow readout;
    makeCurrent(link, &readout);
    status.panels[0].clear();
    receive({0xE5});
    silence();
    EXPECT_EQ(window.acks, 1);
    EXPECT_EQ(status.panels[0], QStringLiteral("Optokopf Online com1"));
}

TEST_F(Transaction, TheEchoOfAWriteIsNotTakenForGarbledData) {
    std::vector<std::uint8_t> cmd{0x00, 0x00, 0xA1, 0x09};
    for (int i = 0; i < 161; ++i)
        cmd.push_back(std::uint8_t(i));
    const auto write = frame::buildRequest(cmd);
    ASSERT_EQ(write.size(), 175u);
    sent(write);
    auto bytes = write;
    bytes.push_back(0xE5);
    receive(bytes);
    silence();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(window.acks, 1);
    EXPECT_EQ(status.panels[0], QStringLiteral("Optokopf Online com1 ECHO"));
}

TEST_F(Transaction, TheFollowUpRunsAfterAValidReadOnly) {
    receive(answer(0x52, 0x08, 2));
    silence();
    EXPECT_EQ(window.followUps, 1);

    for (std::uint8_t version : {0x73, 0x52}) {
        auto f = answer(version, 0x08, 2);
        if (version == 0x52)
            f[20] ^= 0xFF; // garbled
        receive(f);
        silence();
    }
    receive({0xE5});
    silence();
    EXPECT_EQ(window.followUps, 1) << "no follow-up after a wrong device, garbled data or an acknowledgement";
    EXPECT_EQ(shows, 1);
}

TEST_F(Transaction, TheBillingWindowEvaluatesAndLogsEveryValidAnswer) {
    TestBillingWindow billing;
    makeCurrent(link, &billing);
    receive(answer(0x52, 0x08, 2));
    silence();
    EXPECT_EQ(billing.evaluations, 1);
    EXPECT_EQ(billing.logEntries, QStringList{QStringLiteral("heatcount")});
}

TEST_F(Transaction, TheWaterModuleHistoryAnswerFillsItsPartOfTheImage) {
    PARAmeter wz(DeviceFamily::WaterMeterModule);
    link.setCurrentParams(&wz);
    receive(answer(0x21, 0x07, 84, 0x99));
    silence();
    EXPECT_EQ(wz.DataWZBRAM[230], 0);
    EXPECT_EQ(wz.DataWZBRAM[231], 0x99);
    EXPECT_EQ(wz.DataWZBRAM[314], 0x99);
    EXPECT_EQ(status.panels[3], QStringLiteral("Geräteversion:2.1x"));
}

TEST_F(Transaction, TheRecorderParsesItsOwnBytes) {
    TestRecorder rec;
    makeCurrent(link, &rec);
    link.rxRing().StoreRxByte(0xE5);
    silence();
    EXPECT_EQ(link.rxRing().RxReadPos, 1);
    EXPECT_TRUE(status.panel0History.isEmpty());
}

TEST_F(Transaction, BeginRequestPreparesProgressAndTimer) {
    link.beginRequest(184, 1);
    EXPECT_EQ(link.LinkState, 1);
    EXPECT_EQ(link.linkStatePanelColour(), PanelColour::Yellow);
    EXPECT_EQ(status.panels[4], QString());
    EXPECT_EQ(progress.max, 184);
    EXPECT_EQ(progress.position, 0);
    EXPECT_TRUE(link.answerTimer()->isActive());
    link.setAnswerTimerEnabled(false);
    EXPECT_FALSE(link.answerTimer()->isActive());
}

TEST_F(Transaction, ProgressTimeOutIsReported) {
    link.ProgressTimeout(QStringLiteral("TIMEOUT"));
    EXPECT_EQ(link.LinkState, 3);
    EXPECT_EQ(status.panels[4], QStringLiteral("TIMEOUT"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("TIMEOUT"));
}

// --- sending over a pseudo-terminal ---

namespace {
struct Sending : Transaction {
    ScriptedDevice head;
    void SetUp() override {
        Transaction::SetUp();
        ASSERT_TRUE(head.start());
        link.portMap().setPath(1, head.path());
    }
    void TearDown() override { link.CloseInterface(); }
};
} // namespace

TEST_F(Sending, NothingGoesOutAndNothingIsReportedWithThePortClosed) {
    const int repaints = status.repaints;
    link.SendFrame(kReadHca, true);
    EXPECT_EQ(link.TxLen, 14u);
    EXPECT_EQ(window.logClears, 0);
    EXPECT_TRUE(window.txLog.isEmpty());
    EXPECT_EQ(status.repaints, repaints);
    EXPECT_TRUE(status.panel0History.isEmpty());
    EXPECT_FALSE(head.waitForReceived(1, 200));
}

TEST_F(Sending, TheFrameIsLoggedAndWrittenWithoutPreamble) {
    link.OpenInterface();
    ASSERT_TRUE(link.SIO1Open());
    window.rxLog = QStringLiteral("old");
    link.SendFrame(kReadHca, true); // the preamble box is not ticked
    ASSERT_TRUE(head.waitForReceived(14, 2000));
    spin(50);
    EXPECT_EQ(head.received(), QByteArray(reinterpret_cast<const char*>(kReadHca.data()), 14));
    EXPECT_EQ(window.txLog, QStringLiteral("68 08 08 68 53 FE 51 0F 00 00 A5 08 5E 16 "));
    EXPECT_TRUE(window.rxLog.isEmpty()) << "both logs are cleared first";
    EXPECT_TRUE(std::equal(kReadHca.begin(), kReadHca.end(), link.TxBuf.begin()));
}

TEST_F(Sending, ThePreambleNeedsAllThreeConditions) {
    link.OpenInterface();
    ASSERT_TRUE(link.SIO1Open());
    TestBootLoader boot;
    struct Case {
        bool box, wakeUp, noPreamble, expect;
    };
    for (const Case c : {Case{true, true, false, true}, Case{false, true, false, false},
                         Case{true, false, false, false}, Case{true, true, true, false}}) {
        head.clearReceived();
        link.PreambleChecked = c.box;
        window.bootloader = c.noPreamble ? &boot : nullptr;
        progress.shown = true;
        progress.max = 184;
        progress.position = 0;
        link.SendFrame(kReadHca, c.wakeUp);
        const int expected = 14 + (c.expect ? 510 : 0);
        ASSERT_TRUE(head.waitForReceived(expected, 2000));
        spin(50);
        const QByteArray got = head.received();
        ASSERT_EQ(got.size(), expected) << c.box << c.wakeUp << c.noPreamble;
        if (c.expect) {
            EXPECT_EQ(got.left(510), QByteArray(510, '\x55'));
            EXPECT_EQ(progress.max, 204);
            EXPECT_EQ(progress.position, 20);
        } else {
            EXPECT_EQ(progress.max, 184);
        }
        EXPECT_EQ(got.right(14).front(), '\x68');
    }
    // A hidden progress window keeps its bar.
    head.clearReceived();
    link.PreambleChecked = true;
    window.bootloader = nullptr;
    progress.shown = false;
    progress.max = 1;
    link.SendFrame(kReadHca, true);
    ASSERT_TRUE(head.waitForReceived(524, 2000));
    EXPECT_EQ(progress.max, 1);
}

TEST_F(Sending, TheReceiverGetsTheBytesAndNothingElse) {
    std::uint8_t cmd[] = {0xFF, 0x09, 0x03, 0x46};
    link.SendToReceiver(cmd, 4);
    EXPECT_EQ(link.TxLen, 4u);
    EXPECT_FALSE(head.waitForReceived(1, 100));
    link.settings.SIO1Active = false;
    link.settings.SIO2Active = true;
    link.settings.SIO2Port = 1;
    link.PreambleChecked = true;
    link.OpenInterface();
    ASSERT_TRUE(link.SIO2Open());
    link.SendToReceiver(cmd, 4);
    ASSERT_TRUE(head.waitForReceived(4, 2000));
    spin(50);
    EXPECT_EQ(head.received(), QByteArray(reinterpret_cast<const char*>(cmd), 4));
    EXPECT_TRUE(window.txLog.isEmpty());
    link.SendFrame(kReadHca, true);
    spin(50);
    EXPECT_EQ(head.received().size(), 4) << "frames go to the optical head only";
}
