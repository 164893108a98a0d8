// "Gerätedaten EHKV" from the main window's menu, against the simulated allocator: the window opens on
// the optical head, a read fills it, a write is acknowledged in the main window's status bar.

#include "AllocatorOnBench.h"
#include "AnswerWait.h"
#include "ui/devices/hca/TGDHKV.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QtTest>

using namespace kvq;
using namespace kvq::devsim;
using kvq::test::answered;

class TestHkvDataMainForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menuEntryReadAndWrite() {
        test::AllocatorOnBench on;
        QVERIFY(on.start());
        TMainForm& form = *on.form;
        LinkController& link = on.link();
        DeviceBench& bench = on.bench;

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
        QVERIFY2(on.ui.messages().isEmpty(), qPrintable(on.ui.messages().join(u'|')));
    }
};

QTEST_MAIN(TestHkvDataMainForm)
#include "tst_hkvdata_mainform.moc"
