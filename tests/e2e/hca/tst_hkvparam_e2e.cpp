// The parameter window against the simulated heat cost allocator on a real pseudo-terminal: the
// confirmation, the read before the write, the write and its acknowledgement with one line in the
// write log; another allocator at the head, an erased one, and answers that fail.

#include "DeviceWindowRig.h"

#include "TempDataRoot.h"
#include "core/devices/hca/HcaRecord.h"
#include "ui/devices/hca/TForm1Parametrierdaten.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QtTest>

using namespace kvq;
using namespace kvq::devsim;

namespace {
constexpr int kParamAnswer = 184; // 161 record bytes in a long frame
}

class TestHkvParamEndToEnd : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempDataRoot> root;
    std::unique_ptr<test::DeviceWindowRig<TForm1Parametrierdaten>> rig;
    DeviceBench* bench = nullptr;
    test::HkvTestHost* host = nullptr;
    TForm1Parametrierdaten* window = nullptr;

    QAbstractButton* button(const char* name) {
        return window->findChild<QAbstractButton*>(QString::fromLatin1(name));
    }
    void answer(int bytes) { rig->answer(bytes); }
    int writesStored() {
        int n = 0;
        bench->configure([&n](DeviceBench& b) { n = b.device(DeviceKind::HeatCostAllocator)->writesStored; });
        return n;
    }
    void changeDevice(const std::function<void(std::vector<std::uint8_t>&)>& change) {
        bench->configure(
            [&change](DeviceBench& b) { change(b.device(DeviceKind::HeatCostAllocator)->image()); });
    }
    void read() {
        button("ButtonHoleDaten")->click();
        answer(kParamAnswer);
        QCOMPARE(rig->status->panels[4], QStringLiteral("Gültige Daten"));
    }

private Q_SLOTS:
    void init() {
        root = std::make_unique<test::TempDataRoot>();
        rig = std::make_unique<test::DeviceWindowRig<TForm1Parametrierdaten>>();
        fillDemoImage(rig->bench->add(DeviceKind::HeatCostAllocator));
        QVERIFY(rig->open(DeviceFamily::HeatCostAllocator));
        bench = rig->bench.get();
        host = rig->host.get();
        window = rig->window.get();
    }
    void cleanup() {
        rig.reset();
        root.reset();
    }

    void writeIsConfirmedAcknowledgedAndLogged() {
        // Test clock and special displays have no control here and must survive.
        changeDevice([](std::vector<std::uint8_t>& im) {
            im[hca::off::ModeWord + 1] |= std::uint8_t(hca::md::TestClock | hca::md::SpecialDisplays);
            im[hca::off::OptionWord + 1] |= std::uint8_t(hca::opt::RadioFitted);
        });
        read();
        const std::vector<std::uint8_t> before = bench->imageOf(DeviceKind::HeatCostAllocator);
        QVERIFY(button("Button1SendeDaten")->isEnabled());
        window->findChild<QComboBox*>(QStringLiteral("ComboBoxStartmonat"))->setCurrentIndex(5);
        button("RadioButtonSTMon")->click();
        button("CheckBoxWriteLog")->click();

        host->ui.answers = {true};
        button("Button1SendeDaten")->click();
        answer(kParamAnswer); // the read before the write; the write goes out
        QVERIFY(!window->sendPending());
        answer(1); // the acknowledgement
        QCOMPARE(host->status[4], QStringLiteral("OK"));
        QCOMPARE(writesStored(), 1);
        QCOMPARE(int(host->ui.shown.size()), 1); // the confirmation, nothing else

        const std::vector<std::uint8_t> stored = bench->imageOf(DeviceKind::HeatCostAllocator);
        QCOMPARE(stored[hca::off::StartMonth], std::uint8_t(5));
        const std::uint16_t mode = std::uint16_t(stored[24] << 8 | stored[25]);
        QCOMPARE(mode & (hca::md::TestClock | hca::md::SpecialDisplays),
                 hca::md::TestClock | hca::md::SpecialDisplays);
        QVERIFY(stored[hca::off::OptionWord + 1] & hca::opt::ReadingMonthly);
        // What the device keeps goes back as it came.
        for (const auto& [o, n] : {std::pair{0, 4}, std::pair{40, 80}, std::pair{130, 18}, std::pair{148, 4}})
            QVERIFY2(std::equal(before.begin() + o, before.begin() + o + n, stored.begin() + o),
                     qPrintable(QString::number(o)));

        // The second write of the window asks no more; without the box ticked it is not logged.
        button("CheckBoxWriteLog")->click();
        button("Button1SendeDaten")->click();
        answer(kParamAnswer);
        answer(1);
        QCOMPARE(writesStored(), 2);
        QCOMPARE(int(host->ui.shown.size()), 1);

        QFile log(window->writeLogPath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = log.readAll().split('\n');
        QCOMPARE(lines.value(0).trimmed(), QByteArray("SNR;WRITETIME;SCALA;K1;K2;KQ;SENSOR;REMOTE"));
        QCOMPARE(int(lines.size()), 3); // heading, one line, the end of the last line
        QVERIFY(lines[1].contains(";E;1538;2500;1000;2F;no"));
    }

    void anotherAllocatorIsNotWritten() {
        read();
        changeDevice([](std::vector<std::uint8_t>& im) { im[0] = 0x79; }); // allocator B at the head
        host->ui.answers = {true};
        button("Button1SendeDaten")->click();
        answer(kParamAnswer);
        QCOMPARE(host->ui.lastMessage(),
                 QString::fromUtf8("Neues Gerät erkannt! Bitte lesen Sie das neue Gerät erst aus bevor Sie "
                                   "Änderungen an den Parametern vornehmen."));
        QCOMPARE(host->ui.shown.back().title, QStringLiteral("ACHTUNG"));
        QVERIFY(!window->sendPending());
        test::spin(200);
        QCOMPARE(writesStored(), 0);
        QCOMPARE(host->params.DataEHKV.bytes[0], std::uint8_t(0x79)); // B is what the window shows now
    }

    void erasedAllocatorCanBeReadAndWritten() {
        changeDevice([](std::vector<std::uint8_t>& im) {
            std::fill_n(im.begin(), 4, 0xFF);
            std::fill_n(im.begin() + hca::off::RadioId, 4, 0xFF);
        });
        read();
        host->ui.answers = {true};
        button("Button1SendeDaten")->click();
        answer(kParamAnswer);
        answer(1);
        QCOMPARE(host->status[4], QStringLiteral("OK"));
        QCOMPARE(int(host->ui.shown.size()), 1);
        const std::vector<std::uint8_t> stored = bench->imageOf(DeviceKind::HeatCostAllocator);
        QVERIFY(std::all_of(stored.begin(), stored.begin() + 4, [](std::uint8_t b) { return b == 0xFF; }));
        QVERIFY(
            std::all_of(stored.begin() + 6, stored.begin() + 10, [](std::uint8_t b) { return b == 0xFF; }));
    }

    void failedAnswersDisarmTheWrite() {
        read();
        host->ui.answers = {true};
        // A garbled answer to the read before the write ...
        bench->configure(
            [](DeviceBench& b) { b.device(DeviceKind::HeatCostAllocator)->faults.wrongChecksum = true; });
        button("Button1SendeDaten")->click();
        answer(kParamAnswer);
        QCOMPARE(host->ui.lastMessage(), QStringLiteral("Falsche Daten!"));
        QVERIFY(!window->sendPending());
        // ... and a time-out.
        bench->configure([](DeviceBench& b) {
            auto* d = b.device(DeviceKind::HeatCostAllocator);
            d->faults.wrongChecksum = false;
            d->faults.silent = true;
        });
        button("Button1SendeDaten")->click();
        QVERIFY(window->sendPending());
        for (int i = 0; i < 5; ++i)
            rig->progress->Timer1Timer();
        QCOMPARE(host->ui.lastMessage(), QStringLiteral("TIMEOUT"));
        QVERIFY(!window->sendPending());
        // The next plain read only reads.
        bench->configure(
            [](DeviceBench& b) { b.device(DeviceKind::HeatCostAllocator)->faults.silent = false; });
        read();
        test::spin(200);
        QCOMPARE(writesStored(), 0);
    }
};

QTEST_MAIN(TestHkvParamEndToEnd)
#include "tst_hkvparam_e2e.moc"
