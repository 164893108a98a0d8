// "Parameterdaten WZ" from the main window's menu against the simulated water-meter module on a
// pseudo-terminal: every group button changes exactly its bytes of the module's image, the chains
// run on the module's acknowledgements, and a lost acknowledgement stops a chain with the step named.

#include "DeviceBench.h"
#include "FakeClock.h"
#include "ScriptedUserInteraction.h"
#include "TempDataRoot.h"
#include "core/devices/watermodule/WzRecord.h"
#include "link/LinkController.h"
#include "ui/app/TMainForm.h"
#include "ui/devices/watermodule/TPDWZBRAM.h"
#include "ui/link/Form1ProgressBar.h"
#include "ui/link/MainFormLink.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>

#include <set>

using namespace kvq;
using namespace kvq::devsim;

namespace {

bool waitUntil(const std::function<bool()>& done, int ms = 8000) {
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

// Waits for the answer bytes, then lets one second of silence pass.
bool answered(LinkController& link, int bytes) {
    RxRingBuffer& ring = link.rxRing();
    if (!waitUntil([&] { return ring.waitingFrom(ring.RxReadPos) >= bytes; }))
        return false;
    for (int i = 0; i < 11; ++i)
        link.Timer1Timer();
    return true;
}

// The offsets at which two images differ.
std::set<int> changed(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    std::set<int> out;
    for (int i = 0; i < int(a.size()); ++i)
        if (a[i] != b[i])
            out.insert(i);
    return out;
}

std::set<int> range(int first, int count) {
    std::set<int> out;
    for (int i = first; i < first + count; ++i)
        out.insert(i);
    return out;
}

bool within(const std::set<int>& changes, const std::set<int>& allowed) {
    return std::includes(allowed.begin(), allowed.end(), changes.begin(), changes.end());
}

} // namespace

class TestWzParamE2E : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void groupWritesAndChains() {
        test::TempDataRoot root;
        test::ScriptedUserInteraction ui;
        test::FakeClock clock;
        clock.set(QDateTime(QDate(2025, 6, 2), QTime(14, 5, 33)));
        DeviceBench bench;
        fillDemoImage(bench.add(DeviceKind::WaterMeterModule));
        bench.answerDelayMs = 5;
        QVERIFY(bench.start());

        TMainForm form(ui, clock, {QString(), 1280, true});
        form.setGeometry(0, 0, 1280, 800);
        form.show();
        LinkController& link = form.linkWiring()->link();
        link.portMap().setPath(4, bench.path());
        form.settings().link.SIO1Port = 4;

        form.findChild<QAction*>(QStringLiteral("ParameterdatenWZItem"))->trigger();
        auto* w = qobject_cast<TPDWZBRAM*>(form.currentToolWindow());
        QVERIFY(w);
        QVERIFY(form.WZParamOpen());
        QVERIFY(QTest::qWaitForWindowExposed(w));
        auto button = [w](const char* name) {
            return w->findChild<QAbstractButton*>(QString::fromLatin1(name));
        };
        auto edit = [w](const char* name) { return w->findChild<QLineEdit*>(QString::fromLatin1(name)); };
        auto module = [&bench] { return bench.imageOf(DeviceKind::WaterMeterModule); };
        SimulatedDevice* sim = bench.device(DeviceKind::WaterMeterModule);

        QTest::mouseClick(button("ButtonHoleDaten"), Qt::LeftButton);
        QVERIFY(answered(link, 17 + 231 + 6));
        QCOMPARE(edit("Edit1GeraeteID")->text(), QStringLiteral("40123456"));
        if (const QString shots = qEnvironmentVariable("KVQ_SCREENSHOT_DIR"); !shots.isEmpty()) {
            QDir().mkpath(shots);
            QVERIFY(form.grab().save(shots + QStringLiteral("/TPDWZBRAM-read.png")));
        }

        // Presses a button and waits for the acknowledgements of its chain; the module changed exactly
        // the expected bytes, or fewer where a byte already held its new value.
        auto press = [&](const char* name, int acks, const std::set<int>& allowed) {
            const auto before = module();
            QTest::mouseClick(button(name), Qt::LeftButton);
            for (int i = 0; i < acks; ++i)
                if (!answered(link, 1))
                    return std::set<int>{-1};
            const std::set<int> c = changed(before, module());
            if (!within(c, allowed) || form.statusText(4) != QStringLiteral("OK"))
                return std::set<int>{-2};
            return c;
        };

        edit("Edit1GeraeteID")->setText(QStringLiteral("40123457"));
        QCOMPARE(press("sButtonSendeSERID", 1, range(0, 4)), std::set<int>{0});
        edit("EditFunkID")->setText(QStringLiteral("41123456"));
        QCOMPARE(press("sButtonSendeFunkID", 1, range(4, 4)), std::set<int>{7});
        QVERIFY(!press("sButtonSendeTime", 1, range(24, 8)).empty());
        QCOMPARE(module()[wz::off::DateMonth], 6);
        edit("Edit1Zaehlerst")->setText(QStringLiteral("500,000"));
        QCOMPARE(press("sButtonSendeZST", 1, range(44, 4)),
                 (std::set<int>{44, 45})); // 487312 to 500000 litres
        QCOMPARE(wz::dword(form.currentParams().DataWZBRAM, wz::off::MeterReading), 500000u);

        // "Sende ST": the month, then the monthly bit.
        w->findChild<QComboBox*>(QStringLiteral("ComboBoxStichTag"))->setCurrentIndex(5);
        QTest::mouseClick(button("RadioButtonSTMon"), Qt::LeftButton);
        QCOMPARE(press("sButtonSendeStichtag", 2, {8, 0x16}), (std::set<int>{8, 0x16}));
        QCOMPARE(module()[8], 6);
        QCOMPARE(module()[0x16] & 0x30, 0x10);

        // "Sende RF": the send mask, then byte 18, then the protocol bits: three requests.
        const int writes = sim->writesStored, changes = sim->changesApplied;
        w->findChild<QSpinBox*>(QStringLiteral("CSpinEditZZ"))->setValue(300);
        QTest::mouseClick(button("RadioButton_Funk_T1"), Qt::LeftButton);
        QTest::mouseClick(button("CheckBoxShortProt"), Qt::LeftButton);
        QVERIFY(!button("CheckBoxShortProt")->isChecked());
        std::set<int> rf = range(196, 28);
        rf.insert({18, 20});
        QCOMPARE(press("sButtonSendeRF", 3, rf), (std::set<int>{18, 20, 198, 199}));
        QCOMPARE(sim->writesStored - writes, 2);
        QCOMPARE(sim->changesApplied - changes, 1);
        QCOMPARE(module()[18] & 0xC0, 0x80); // T1
        QCOMPARE(module()[20] & 0x44, 0x04); // AES kept, long telegram
        QCOMPARE(module()[198], 300 & 0xFF);

        // "RESET": error bits, then the leak bit.
        bench.configure([](DeviceBench& b) {
            auto& im = b.device(DeviceKind::WaterMeterModule)->image();
            im[19] = 0x2C;
            im[20] |= 0x80;
        });
        QCOMPARE(press("sButtonResetErrors", 2, {19, 20}), (std::set<int>{19, 20}));
        QCOMPARE(module()[20] & 0x80, 0);

        QCOMPARE(press("ButtonAct", 1, {0x16}), std::set<int>{0x16});
        QCOMPARE(module()[0x16] & 0x01, 0x01);
        QCOMPARE(press("ButtonLagermode", 1, {0x16}), std::set<int>{0x16});
        QCOMPARE(module()[0x16] & 0x80, 0x00);

        // The module loses the acknowledgement of "Sende RF"'s second request: the chain stops there,
        // the time-out names the step, and the protocol bits are never sent.
        bench.configure([](DeviceBench& b) {
            auto* d = b.device(DeviceKind::WaterMeterModule);
            d->faults.dropAcknowledgement = d->acknowledgements + 2;
        });
        QTest::mouseClick(button("RadioButton_Funk_S1"), Qt::LeftButton);
        const auto beforeDrop = module();
        const int changesBefore = sim->changesApplied;
        QTest::mouseClick(button("sButtonSendeRF"), Qt::LeftButton);
        QVERIFY(answered(link, 1));
        QVERIFY(waitUntil([&] { return module()[18] != beforeDrop[18]; }));
        QTest::qWait(300);
        QCOMPARE(w->AckStep(), 2);
        Form1ProgressBar& progress = form.linkWiring()->progressWindow();
        for (int i = 0; i < 5; ++i)
            progress.Timer1Timer();
        const QString expected = QStringLiteral(
            "TIMEOUT: Sende RF, Schritt 2 von 3 (Byte 18: Sendefenster und Protokoll) nicht bestätigt");
        QCOMPARE(form.statusText(4), expected);
        QCOMPARE(ui.lastMessage(), expected);
        QCOMPARE(sim->changesApplied, changesBefore);
        QCOMPARE(module()[18] & 0xC0, 0x40); // S1 stored, its acknowledgement lost

        // The next button starts from its own step.
        ui.clear();
        QCOMPARE(press("sButtonSendeStichtag", 2, {8, 0x16}), std::set<int>{});
        QCOMPARE(w->AckStep(), 0);
        QCOMPARE(sim->changesApplied, changesBefore + 1);

        form.close();
        QVERIFY(!link.SIO1Open());
        QVERIFY2(ui.messages().isEmpty(), qPrintable(ui.messages().join(u'|')));
    }
};

QTEST_MAIN(TestWzParamE2E)
#include "tst_wzparam_e2e.moc"
