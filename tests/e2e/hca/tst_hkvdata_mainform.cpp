// "Gerätedaten EHKV" from the main window's menu, against the simulated allocator: the window opens on
// the optical head, a read fills it, a write is acknowledged in the main window's status bar.

#include "DeviceBench.h"
#include "FakeClock.h"
#include "ScriptedUserInteraction.h"
#include "TempDataRoot.h"
#include "link/LinkController.h"
#include "ui/app/TMainForm.h"
#include "ui/devices/hca/TGDHKV.h"
#include "ui/link/MainFormLink.h"

#include <QAbstractButton>
#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
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

class TestHkvDataMainForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menuEntryReadAndWrite() {
        test::TempDataRoot root;
        test::ScriptedUserInteraction ui;
        test::FakeClock clock;
        DeviceBench bench;
        fillDemoImage(bench.add(DeviceKind::HeatCostAllocator));
        bench.answerDelayMs = 5;
        QVERIFY(bench.start());

        TMainForm form(ui, clock, {QString(), 1280, true});
        form.show();
        LinkController& link = form.linkWiring()->link();
        link.portMap().setPath(4, bench.path());
        form.settings().link.SIO1Port = 4;

        form.findChild<QAction*>(QStringLiteral("GeraetedatenEHKVItem"))->trigger();
        auto* w = qobject_cast<TGDHKV*>(form.currentToolWindow());
        QVERIFY(w);
        QVERIFY(link.SIO1Open());
        QVERIFY(form.HKVDataOpen());
        QCOMPARE(form.currentParams().Family, 0);
        // Their file logic is not there yet: the entries stay disabled rather than doing nothing.
        QVERIFY(!form.findChild<QAction*>(QStringLiteral("FileOpenItem"))->isEnabled());
        QVERIFY(!form.findChild<QAction*>(QStringLiteral("FileSaveAsItem"))->isEnabled());
        QVERIFY(QTest::qWaitForWindowExposed(w));

        QTest::mouseClick(w->findChild<QAbstractButton*>(QStringLiteral("ButtonHoleDaten")), Qt::LeftButton);
        QCOMPARE(form.LinkState, 1);
        QVERIFY(answered(link, 188));
        QCOMPARE(form.statusText(4), QStringLiteral("Gültige Daten"));
        QCOMPARE(form.windowTitle(), QStringLiteral("EHKV FALKOII"));
        QCOMPARE(w->findChild<QLineEdit*>(QStringLiteral("Edit1GeraeteID"))->text(),
                 QStringLiteral("12345678"));

        w->findChild<QLineEdit*>(QStringLiteral("Edit1VorVerbrauch"))->setText(QStringLiteral("777"));
        QTest::mouseClick(w->findChild<QAbstractButton*>(QStringLiteral("Button1SendeDaten")),
                          Qt::LeftButton);
        QVERIFY(answered(link, 188));
        QVERIFY(!w->sendPending());
        QVERIFY(answered(link, 1));
        QCOMPARE(form.statusText(4), QStringLiteral("OK"));
        QCOMPARE(form.LinkState, 2);
        const std::vector<std::uint8_t> stored = bench.imageOf(DeviceKind::HeatCostAllocator);
        QCOMPARE((stored[20] << 8) | stored[21], 777);
        QVERIFY(
            std::equal(stored.begin(), stored.begin() + 161, form.currentParams().DataEHKV.bytes.begin()));

        form.close();
        QVERIFY(!link.SIO1Open());
        QVERIFY2(ui.messages().isEmpty(), qPrintable(ui.messages().join(u'|')));
    }
};

QTEST_MAIN(TestHkvDataMainForm)
#include "tst_hkvdata_mainform.moc"
