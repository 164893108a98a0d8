// "Gerätedaten WZ" from the main window's menu against the simulated water-meter module on a
// pseudo-terminal: a read fills the window, the history read fills the grid, an edited write leaves
// the module holding exactly the collected bytes, and "LED Pulse" changes only its two bits.

#include "DeviceBench.h"
#include "FakeClock.h"
#include "ScriptedUserInteraction.h"
#include "TempDataRoot.h"
#include "core/devices/watermodule/WzRecord.h"
#include "link/LinkController.h"
#include "ui/app/TMainForm.h"
#include "ui/devices/watermodule/TGDWZBRAM.h"
#include "ui/link/MainFormLink.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

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

} // namespace

class TestWzDataE2E : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readHistoryWriteAndCommand() {
        test::TempDataRoot root;
        test::ScriptedUserInteraction ui;
        test::FakeClock clock;
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

        form.findChild<QAction*>(QStringLiteral("GeraetedatenWZItem"))->trigger();
        auto* w = qobject_cast<TGDWZBRAM*>(form.currentToolWindow());
        QVERIFY(w);
        QVERIFY(link.SIO1Open());
        QCOMPARE(form.currentParams().Family, 2);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        auto button = [w](const char* name) {
            return w->findChild<QAbstractButton*>(QString::fromLatin1(name));
        };
        auto edit = [w](const char* name) { return w->findChild<QLineEdit*>(QString::fromLatin1(name)); };

        // "Hole Daten": 231 image bytes in a frame of 254.
        QTest::mouseClick(button("ButtonHoleDaten"), Qt::LeftButton);
        QVERIFY(answered(link, 17 + 231 + 6));
        QCOMPARE(form.statusText(4), QStringLiteral("Gültige Daten"));
        QCOMPARE(edit("Edit1GeraeteID")->text(), QStringLiteral("40123456"));
        QCOMPARE(edit("EditSerienNR")->text(), QStringLiteral("23110457"));
        QCOMPARE(edit("Edit1Zaehlerst")->text(), QStringLiteral("487,312"));
        QCOMPARE(edit("EditManCode")->text(), QStringLiteral("VTM"));
        QCOMPARE(w->findChild<QLabel*>(QStringLiteral("LabelSWV"))->text(), QStringLiteral("2.1x"));

        // "Hole Historie": the L = 101 answer fills the grid and nothing else.
        const auto beforeHistory = form.currentParams().DataWZBRAM;
        QTest::mouseClick(button("GetHistory"), Qt::LeftButton);
        QVERIFY(answered(link, 101 + 6));
        auto* grid = w->findChild<QTableWidget*>(QStringLiteral("History"));
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("12.5.2023 9:14:2"));
        QCOMPARE(grid->item(2, 1)->text(), QStringLiteral("3"));
        QCOMPARE(grid->item(3, 0)->text(), QStringLiteral("--.--.---- --:--:--"));
        QVERIFY(std::equal(beforeHistory.begin(), beforeHistory.begin() + 231,
                           form.currentParams().DataWZBRAM.begin()));
        const QString shots = qEnvironmentVariable("KVQ_SCREENSHOT_DIR");
        if (!shots.isEmpty()) {
            QDir().mkpath(shots);
            QVERIFY(form.grab().save(shots + QStringLiteral("/TGDWZBRAM-read.png")));
        }

        // An edit and "Sende Daten": the module holds exactly the 226 bytes the window collected.
        edit("EditTS1")->setText(QStringLiteral("55"));
        QTest::mouseClick(button("Button1SendeDaten"), Qt::LeftButton);
        QVERIFY(answered(link, 1));
        QCOMPARE(form.statusText(4), QStringLiteral("OK"));
        QCOMPARE(form.LinkState, 2);
        const std::vector<std::uint8_t> stored = bench.imageOf(DeviceKind::WaterMeterModule);
        QCOMPARE(stored[wz::off::TS1], std::uint8_t(55));
        QVERIFY(std::equal(stored.begin(), stored.begin() + wz::off::WriteLength,
                           form.currentParams().DataWZBRAM.begin()));

        // "LED Pulse": bits 8 and 9 of word 22 become 10; everything else stays.
        QTest::mouseClick(button("ButtonLEDpulse"), Qt::LeftButton);
        QVERIFY(answered(link, 1));
        const std::vector<std::uint8_t> after = bench.imageOf(DeviceKind::WaterMeterModule);
        QCOMPARE(after[0x17] & 0x03, 0x02);
        QCOMPARE(after[0x17] & 0xFC, stored[0x17] & 0xFC);
        QVERIFY(std::equal(after.begin(), after.begin() + 0x17, stored.begin()));
        QVERIFY(std::equal(after.begin() + 0x18, after.end(), stored.begin() + 0x18));

        form.close();
        QVERIFY(!link.SIO1Open());
        QVERIFY2(ui.messages().isEmpty(), qPrintable(ui.messages().join(u'|')));
    }
};

QTEST_MAIN(TestWzDataE2E)
#include "tst_wzdata_e2e.moc"
