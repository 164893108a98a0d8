#include "../support/LinkTestSupport.h"

#include "ScriptedDevice.h"
#include "core/app/Settings.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

using namespace kvq;
using namespace kvq::test;
using kvq::devsim::ScriptedDevice;

namespace {
struct LinkFixture : ::testing::Test {
    RecordingUi ui;
    LinkController link{ui};
    StatusRecorder status{link};
    ScriptedDevice head, receiver;

    void SetUp() override {
        ASSERT_TRUE(head.start());
        ASSERT_TRUE(receiver.start());
        link.portMap().setPath(3, head.path());
        link.portMap().setPath(4, receiver.path());
        link.settings.SIO1Port = 3;
        link.settings.SIO2Port = 4;
    }
    void TearDown() override { link.CloseInterface(); }
};
} // namespace

TEST_F(LinkFixture, OpticalHeadOpensWithItsStatusText) {
    link.PreambleChecked = true;
    link.OpenInterface();
    EXPECT_EQ(status.panels[0], QStringLiteral("Optokopf Online com3  with Preamble"));
    EXPECT_TRUE(link.SIO1Open());
    EXPECT_FALSE(link.SIO2Open());
    ASSERT_TRUE(link.Worker());
    EXPECT_EQ(link.interfacePanelColour(), PanelColour::Green);
    const auto line = head.lineState();
    ASSERT_TRUE(line);
    EXPECT_EQ(line->baudRate, 2400);
    EXPECT_EQ(line->dataBits, 8);
    EXPECT_EQ(line->parity, 'N');
    EXPECT_EQ(line->stopBits, 1);
    EXPECT_FALSE(line->rtsCts);
    EXPECT_GT(status.repaints, 0);

    EXPECT_TRUE(link.CloseInterface());
    EXPECT_EQ(status.panels[0], QStringLiteral("Schnittstelle wurde geschlossen."));
    EXPECT_FALSE(link.SIO1Open());
    EXPECT_FALSE(link.Worker());
    EXPECT_EQ(link.interfacePanelColour(), PanelColour::Red) << "ticked but closed";

    link.PreambleChecked = false;
    link.OpenInterface();
    EXPECT_EQ(status.panels[0], QStringLiteral("Optokopf Online com3"));
}

TEST_F(LinkFixture, ReceiverOpensAtItsOwnSpeedWithoutPreambleText) {
    link.settings.SIO1Active = false;
    link.settings.SIO2Active = true;
    link.PreambleChecked = true;
    link.OpenInterface();
    EXPECT_EQ(status.panels[0], QStringLiteral("WMBUS Online com4"));
    EXPECT_TRUE(link.SIO2Open());
    const auto line = receiver.lineState();
    ASSERT_TRUE(line);
    EXPECT_EQ(line->baudRate, 19200);
}

TEST_F(LinkFixture, NeitherInterfaceActiveOpensNothing) {
    link.settings.SIO1Active = false;
    link.settings.SIO2Active = false;
    link.OpenInterface();
    EXPECT_EQ(status.panels[0], QStringLiteral("Com Disabled!"));
    EXPECT_FALSE(link.SIO1Open() || link.SIO2Open());
    EXPECT_FALSE(link.Worker());
    EXPECT_EQ(link.interfacePanelColour(), PanelColour::Neutral);
}

TEST_F(LinkFixture, BothActiveOpensTheOpticalHead) {
    link.settings.SIO2Active = true;
    link.OpenInterface();
    EXPECT_TRUE(link.SIO1Open());
    EXPECT_FALSE(link.SIO2Open());
}

TEST_F(LinkFixture, AFailedOpenBeepsSaysErrorAndLeavesTheInterfaceClosed) {
    QStringList tips;
    QObject context;
    QObject::connect(&link, &LinkController::statusToolTipChanged, &context,
                     [&](int, const QString& t) { tips << t; });
    link.settings.SIO1Port = 9; // mapped to nothing
    link.OpenInterface();
    EXPECT_EQ(status.panels[0], QStringLiteral("Error"));
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(link.SIO1Open());
    EXPECT_FALSE(link.Worker());
    EXPECT_FALSE(link.SIO1Handle());
    ASSERT_FALSE(tips.isEmpty());
    EXPECT_TRUE(tips.last().contains(QStringLiteral("com9")));

    // A port in use by another program is an open failure too.
    auto other = SerialPort::open(head.path(), LineSettings{}, 4096, 4096);
    ASSERT_TRUE(other);
    link.settings.SIO1Port = 3;
    link.OpenInterface();
    EXPECT_EQ(status.panels[0], QStringLiteral("Error"));
    EXPECT_TRUE(tips.last().contains(QStringLiteral("anderen Programm")));
    EXPECT_FALSE(link.SIO1Open());
}

TEST_F(LinkFixture, ReopeningClosesTheReceiverWorkerFirstBeforeTheHeadOpens) {
    link.settings.SIO1Active = false;
    link.settings.SIO2Active = true;
    link.OpenInterface();
    ASSERT_TRUE(link.SIO2Open());
    bool orderRight = false;
    QObject context;
    QObject::connect(&link, &LinkController::statusTextChanged, &context, [&](int, const QString& text) {
        if (text == QStringLiteral("Schnittstelle wurde geschlossen."))
            orderRight = !link.Worker() && link.WorkerDone() && !link.SIO2Handle() && !link.SIO1Open();
    });
    link.settings.SIO1Active = true;
    link.settings.SIO2Active = false;
    link.ReopenInterface();
    EXPECT_TRUE(orderRight);
    EXPECT_EQ(status.panel0History, (QStringList{QStringLiteral("WMBUS Online com4"),
                                                 QStringLiteral("Schnittstelle wurde geschlossen."),
                                                 QStringLiteral("Optokopf Online com3")}));
    EXPECT_TRUE(link.SIO1Open());
    EXPECT_FALSE(link.SIO2Open());
    EXPECT_TRUE(SerialPort::open(receiver.path(), LineSettings{}, 4096, 4096))
        << "the receiver port is free again";
}

TEST_F(LinkFixture, PortChoiceAndDeviceMappingSurviveARestart) {
    link.settings.SIO1Port = link.addPortPath(QStringLiteral("/dev/kvq-typed-head"));
    const int headNumber = link.addPortPath(head.path());
    link.settings.SIO1Port = headNumber;
    Settings settings;
    settings.link.SIO1Port = link.settings.SIO1Port;
    IniFile ini;
    settings.write(ini);
    link.writePortMap(ini);
    const QByteArray file = ini.toBytes();

    RecordingUi ui2;
    LinkController restarted(ui2);
    Settings reread;
    const IniFile ini2 = IniFile::fromBytes(file);
    reread.read(ini2);
    restarted.readPortMap(ini2);
    restarted.settings.SIO1Port = reread.link.SIO1Port;
    EXPECT_EQ(restarted.portMap().pathFor(restarted.settings.SIO1Port), head.path());
    EXPECT_TRUE(
        restarted.portMap().pathFor(restarted.portMap().numberOf(QStringLiteral("/dev/kvq-typed-head"))));
    restarted.OpenInterface();
    ASSERT_TRUE(restarted.SIO1Open());
    restarted.SIO1Handle()->write(QByteArray("\x10\x40", 2));
    EXPECT_TRUE(head.waitForReceived(2, 2000));
    restarted.CloseInterface();
}

TEST_F(LinkFixture, TheInterfaceDialogPagesComeBackToTheirDefaults) {
    PortPage p1, p2;
    link.InitPortSettings(p1, p2);
    const QString entry = PortMap::entryText(3, head.path());
    ASSERT_TRUE(p1.ports.entries.contains(entry));
    EXPECT_EQ(p1.ports.entries.at(p1.ports.selected), entry);
    EXPECT_EQ(ParsePortNumber(p2.ports), 4);
    EXPECT_EQ(p1.baudIndex, 4);
    EXPECT_EQ(p2.baudIndex, 8);
    EXPECT_EQ(link.portSettings(SerialInterface::SIO2).RxQueueSize, 8192);

    p1.rxQueueSize = doubledQueueSize(p1.rxQueueSize);
    p2.rxQueueSize = 1;
    link.ApplyPortSettings(p1, p2);
    EXPECT_EQ(link.portSettings(SerialInterface::SIO1).RxQueueSize, 8192);
    EXPECT_EQ(link.portSettings(SerialInterface::SIO2).RxQueueSize, 8192)
        << "receiver queues keep their defaults";
}
