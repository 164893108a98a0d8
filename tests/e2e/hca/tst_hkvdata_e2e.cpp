// The device-data window against the simulated heat cost allocator on a real pseudo-terminal: read,
// edit, write and the sensor test, through the link and the progress window as the program runs them.
// The silence that ends an answer is driven tick by tick; only the bytes on the line take real time.

#include "DeviceWindowRig.h"

#include "core/devices/hca/HcaRecord.h"
#include "ui/devices/hca/TGDHKV.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace kvq;
using namespace kvq::devsim;

class TestHkvDataEndToEnd : public QObject {
    Q_OBJECT

    std::unique_ptr<test::DeviceWindowRig<TGDHKV>> rig;
    DeviceBench* bench = nullptr;
    test::HkvTestHost* host = nullptr;
    LinkController* link = nullptr;
    Form1ProgressBar* progress = nullptr;
    test::StatusRecorder* status = nullptr;
    TGDHKV* window = nullptr;

    QLineEdit* edit(const char* name) { return window->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QAbstractButton* button(const char* name) {
        return window->findChild<QAbstractButton*>(QString::fromLatin1(name));
    }
    QString label(const char* name) { return window->findChild<QLabel*>(QString::fromLatin1(name))->text(); }
    void answer(int bytes) { rig->answer(bytes); }

private Q_SLOTS:
    void init() {
        rig = std::make_unique<test::DeviceWindowRig<TGDHKV>>();
        fillDemoImage(rig->bench->add(DeviceKind::HeatCostAllocator));
        QVERIFY(rig->open(DeviceFamily::HeatCostAllocator));
        bench = rig->bench.get();
        host = rig->host.get();
        link = rig->link.get();
        progress = rig->progress.get();
        status = rig->status.get();
        window = rig->window.get();
    }
    void cleanup() { rig.reset(); }

    void readFillsTheWindow() {
        QTest::mouseClick(button("ButtonHoleDaten"), Qt::LeftButton);
        QVERIFY(progress->isVisible());
        answer(188);
        QCOMPARE(status->panels[4], QStringLiteral("Gültige Daten"));
        QCOMPARE(status->panels[3], QString::fromUtf8("Geräteversion:5.2x"));
        QVERIFY(!progress->isVisible());
        const std::vector<std::uint8_t> device = bench->imageOf(DeviceKind::HeatCostAllocator);
        QCOMPARE(hca::idText(host->params.DataEHKV.bytes, hca::off::DeviceId), QStringLiteral("12345678"));
        QCOMPARE(edit("Edit1GeraeteID")->text(), QStringLiteral("12345678"));
        QCOMPARE(edit("EditK1")->text(), QStringLiteral("1538"));
        QCOMPARE(edit("Edit1Zaehlerst")->text(), QStringLiteral("1234,5"));
        QCOMPARE(edit("Edit1Wert1")->text(), QString::number((device[48] << 8) | device[49]));
        QCOMPARE(edit("EditAESKEY")->text(),
                 QStringLiteral("2B 7E 15 16 28 AE D2 A6 AB F7 15 88 09 CF 4F 3C"));
        QVERIFY(window->findChild<QWidget*>(QStringLiteral("Memo2"))
                    ->property("plainText")
                    .toString()
                    .startsWith(QStringLiteral("68 08 08 68 53 FE 51 0F 00 00 A5 08 ")));
        QVERIFY(host->ui.messages().isEmpty());

        const QString dir = qEnvironmentVariable("KVQ_SCREENSHOT_DIR");
        if (!dir.isEmpty()) {
            // The client area of a maximised main window on 1280x800.
            window->resize(1276, 712);
            test::spin(50);
            QDir().mkpath(dir);
            QVERIFY(window->grab().save(dir + QStringLiteral("/TGDHKV-simulated-device.png")));
        }
    }

    void editAndWriteStoresWhatTheWindowShows() {
        const std::vector<std::uint8_t> before = bench->imageOf(DeviceKind::HeatCostAllocator);
        QTest::mouseClick(button("ButtonHoleDaten"), Qt::LeftButton);
        answer(188);
        edit("Edit1Verbrauch")->setText(QStringLiteral("555"));
        edit("Edit1Wert1")->setText(QStringLiteral("4321"));
        edit("Edit1TempRaum")->setText(QStringLiteral("21,5"));
        // The technician's ID does not reach the device: the device keeps its own.
        edit("EditSerienNR")->setText(QStringLiteral("00000042"));

        QTest::mouseClick(button("Button1SendeDaten"), Qt::LeftButton);
        QVERIFY(window->sendPending());
        answer(188); // the read before the write, then the write goes out
        QVERIFY(!window->sendPending());
        answer(1); // the acknowledgement
        QCOMPARE(host->status[4], QStringLiteral("OK"));
        QCOMPARE(link->LinkState, std::uint8_t(2));
        QVERIFY(!progress->isVisible());

        const std::vector<std::uint8_t> stored = bench->imageOf(DeviceKind::HeatCostAllocator);
        const hca::Record& shown = host->params.DataEHKV.bytes;
        QVERIFY(std::equal(shown.begin(), shown.begin() + 161, stored.begin()));
        QCOMPARE((stored[18] << 8) | stored[19], 555);
        QCOMPARE((stored[48] << 8) | stored[49], 4321);
        QCOMPARE((stored[148] << 8) | stored[149], 2150);
        QCOMPARE(stored[0], 0x78); // the device's ID
        // The serial number typed is never written.
        QVERIFY(std::equal(before.begin() + 161, before.begin() + 165, stored.begin() + 161));
        QVERIFY(stored[161] != 0x42);
        QCOMPARE(edit("Edit1Verbrauch")->text(), QStringLiteral("555"));
        QVERIFY(host->ui.messages().isEmpty());
    }

    void sensorTestShowsTheTimers() {
        QTest::mouseClick(button("ButtonSensorTest"), Qt::LeftButton);
        QVERIFY(!progress->isVisible());
        answer(7);
        QCOMPARE(label("LabelRefTimer"), QStringLiteral("258"));
        QCOMPARE(label("LabelSensor1Timer"), QStringLiteral("772"));
        QCOMPARE(label("LabelSensor2Timer"), QStringLiteral("1286"));
        QCOMPARE(host->status[4], QStringLiteral("OK"));
    }

    void serviceCommandIsAcknowledged() {
        QTest::mouseClick(button("ButtonLCDTEST"), Qt::LeftButton);
        answer(1);
        QCOMPARE(host->status[4], QStringLiteral("OK"));
        QCOMPARE(link->LinkState, std::uint8_t(2));
    }
};

QTEST_MAIN(TestHkvDataEndToEnd)
#include "tst_hkvdata_e2e.moc"
