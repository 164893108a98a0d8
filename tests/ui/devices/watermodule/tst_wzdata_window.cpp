// The water-meter module window's wiring: which request each button sends with which progress, the
// acknowledgement, the bad-input stop and the bootloader question. The rules themselves are tested
// in core; the exchange with a module in the end-to-end test.

#include "core/devices/watermodule/WzFrames.h"
#include "core/devices/watermodule/WzRecord.h"
#include "ui/devices/watermodule/TGDWZBRAM.h"

#include "../hca/HkvTestHost.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace kvq;
using namespace kvq::wz;
using Progress = DeviceChannel::Progress;

class TestWzDataWindow : public QObject {
    Q_OBJECT

    struct Rig {
        test::FakeToolHost host;
        test::RecordingChannel channel;
        std::unique_ptr<TGDWZBRAM> w;
        int sensorWindows = 0;
        Rig() {
            host.params = PARAmeter(DeviceFamily::WaterMeterModule);
            host.clockValue.set(QDateTime(QDate(2025, 3, 15), QTime(10, 30))); // 9:30 UTC
            w = std::make_unique<TGDWZBRAM>(host, nullptr, &channel);
            // "Messdaten AN" opens the sensor window; here it only counts.
            w->setSensorWindow([this] { ++sensorWindows; });
            channel.requests.clear();
            channel.frames.clear();
        }
        Image& image() { return host.params.DataWZBRAM; }
        void click(const char* name) {
            auto* b = w->findChild<QPushButton*>(QString::fromLatin1(name));
            QVERIFY2(b, name);
            b->click();
        }
        QLineEdit* edit(const char* name) { return w->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    };

private Q_SLOTS:
    void eachButtonSendsItsRequestWithItsProgress() {
        Rig r;
        r.image()[off::OptionsA] = 0xFF;
        r.click("ButtonHoleDaten");
        QCOMPARE(r.channel.frames.back(), buildReadRequest());
        QCOMPARE(r.channel.requests.back().progressMaximum, kReadProgressMax);
        QCOMPARE(r.channel.requests.back().progress, Progress::Loading);
        QCOMPARE(word(r.image(), off::OptionsA), 0);

        r.click("GetHistory");
        QCOMPARE(r.channel.frames.back(), buildHistoryRequest());
        QCOMPARE(r.channel.requests.back().progressMaximum, kHistoryProgressMax);
        QCOMPARE(r.channel.requests.back().progress, Progress::Loading);

        r.edit("EditTS1")->setText(QStringLiteral("77"));
        r.click("Button1SendeDaten");
        QCOMPARE(r.channel.requests.back().progress, Progress::Sending);
        QCOMPARE(r.image()[off::TS1], 77);
        QCOMPARE(r.channel.frames.back(), buildWriteRequest(r.image()));
        QVERIFY(!r.w->SendInProgress());

        for (const WzCommandInfo& c : commands()) {
            if (c.command == WzCommand::Bootloader)
                continue;
            r.click(c.buttonName);
            QCOMPARE(r.channel.frames.back(), buildChangeRequest(c.command));
            QCOMPARE(r.channel.requests.back().progress, Progress::Hidden);
            QCOMPARE(r.channel.requests.back().progressMaximum, kCommandProgressMax);
        }
        QCOMPARE(r.sensorWindows, 1);
        QVERIFY(r.host.ui.messages().isEmpty());
    }

    void badInputSendsNothingAndNamesTheField() {
        Rig r;
        r.w->findChild<QAbstractButton*>(QStringLiteral("CheckBoxAutoAES"))->click();
        r.w->findChild<QAbstractButton*>(QStringLiteral("CheckBoxAESenable"))->click();
        QVERIFY(r.edit("EditAESKEY")->isEnabled());
        r.edit("EditAESKEY")->setText(QStringLiteral("00112233445566778899AABBCCDDEEFF0"));
        const Image before = r.image();
        r.click("Button1SendeDaten");
        QVERIFY(r.channel.frames.empty());
        QVERIFY(!r.w->SendInProgress());
        QCOMPARE(r.image(), before);
        QCOMPARE(r.host.ui.messages().size(), 1);
        QVERIFY(r.host.ui.lastMessage().startsWith(QStringLiteral("AES Key")));
    }

    void acknowledgementAdvancesTheDeviceId() {
        Rig r;
        r.w->findChild<QAbstractButton*>(QStringLiteral("CheckBox1AutoSerNr"))->click();
        r.edit("Edit1GeraeteID")->setText(QStringLiteral("00001234"));
        r.click("Button1SendeDaten");
        QCOMPARE(dword(r.image(), off::DeviceId), 0x1234u);
        r.w->OnWriteAck();
        QCOMPARE(r.edit("Edit1GeraeteID")->text(), QStringLiteral("00001235"));
        QCOMPARE(dword(r.image(), off::DeviceId), 0x1235u);
        QCOMPARE(r.channel.acks, 1);
    }

    void bootloaderAsksFirstAndSuppressesThePreambleWhileTheFirmwareWindowIsOpen() {
        Rig r;
        bool preambleOffMeanwhile = false;
        struct Sink final : BootloaderByteSink {
            void bootloaderByte(std::uint8_t) override {}
        } firmware;
        r.w->setFirmwareWindow([&](BootloaderByteSink*& open) {
            open = &firmware;
            preambleOffMeanwhile = r.w->NoPreamble() && r.w->bootloaderByte() == &firmware;
            open = nullptr;
        });
        r.host.ui.answers.push_back(false);
        r.click("ButtonBootL");
        QVERIFY(r.channel.frames.empty());
        QVERIFY(!preambleOffMeanwhile);
        r.host.ui.answers.push_back(true);
        r.click("ButtonBootL");
        QCOMPARE(r.channel.frames.back(), buildChangeRequest(WzCommand::Bootloader));
        QVERIFY(preambleOffMeanwhile);
        QVERIFY(!r.w->NoPreamble());
        QVERIFY(!r.w->bootloaderByte());
        QCOMPARE(r.host.ui.shown.back().title, QStringLiteral("A C H T U N G !"));
    }

    void showRecordFillsTheHistoryGrid() {
        Rig r;
        std::fill(r.image().begin() + off::History, r.image().end(), 0xFF);
        const std::uint8_t e[8] = {2, 14, 9, 12, 5, 23, 0, 1};
        std::copy(e, e + 8, r.image().begin() + off::History);
        r.host.params.VersionText = "2.1";
        r.w->ShowRecord();
        auto* grid = r.w->findChild<QTableWidget*>(QStringLiteral("History"));
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("12.5.2023 9:14:2"));
        QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("1"));
        QCOMPARE(grid->item(9, 0)->text(), QStringLiteral("--.--.---- --:--:--"));
        QCOMPARE(grid->item(9, 1)->text(), QStringLiteral("-"));
        QCOMPARE(r.w->findChild<QLabel*>(QStringLiteral("LabelSWV"))->text(), QStringLiteral("2.1x"));
    }
};

QTEST_MAIN(TestWzDataWindow)
#include "tst_wzdata_window.moc"
