// "Gerätedaten EHKV" from the main window's menu, against the simulated allocator: the window opens on
// the optical head, a read fills it, a write is acknowledged in the main window's status bar; a record
// goes through a parameter file to another window and back to the device.

#include "AllocatorOnBench.h"
#include "AnswerWait.h"
#include "core/devices/hca/HcaMerge.h"
#include "ui/devices/hca/TGDHKV.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
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
        QVERIFY(form.findChild<QAction*>(QStringLiteral("FileOpenItem"))->isEnabled());
        QVERIFY(form.findChild<QAction*>(QStringLiteral("FileSaveAsItem"))->isEnabled());
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

    // A record read from the device is saved with an edited field, loaded into a fresh window and
    // written back: the device then holds the file's bytes.
    void savedFileLoadsAndIsWritten() {
        test::AllocatorOnBench on;
        QVERIFY(on.start());
        TMainForm& form = *on.form;
        LinkController& link = on.link();
        auto* entry = form.findChild<QAction*>(QStringLiteral("GeraetedatenEHKVItem"));

        entry->trigger();
        auto* w = qobject_cast<TGDHKV*>(form.currentToolWindow());
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QTest::mouseClick(w->findChild<QAbstractButton*>(QStringLiteral("ButtonHoleDaten")), Qt::LeftButton);
        QVERIFY(answered(link, 188));
        w->findChild<QLineEdit*>(QStringLiteral("Edit1VorVerbrauch"))->setText(QStringLiteral("4321"));
        on.ui.texts.push_back(on.root.path() + "/QUELMAR/Parameter/office");
        form.findChild<QAction*>(QStringLiteral("FileSaveAsItem"))->trigger();
        QFile file(on.root.path() + "/QUELMAR/Parameter/office.HKV");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray saved = file.readAll();
        QCOMPARE(saved.size(), 165);
        QCOMPARE((quint8(saved[20]) << 8) | quint8(saved[21]), 4321);

        entry->trigger(); // a new window on a fresh record
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        w = qobject_cast<TGDHKV*>(form.currentToolWindow());
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        on.ui.texts.push_back(file.fileName());
        form.findChild<QAction*>(QStringLiteral("FileOpenItem"))->trigger();
        QCOMPARE(w->findChild<QLineEdit*>(QStringLiteral("Edit1VorVerbrauch"))->text(),
                 QStringLiteral("4321"));

        QTest::mouseClick(w->findChild<QAbstractButton*>(QStringLiteral("Button1SendeDaten")),
                          Qt::LeftButton);
        QVERIFY(answered(link, 188));
        QVERIFY(answered(link, 1));
        QCOMPARE(form.statusText(4), QStringLiteral("OK"));
        // What goes out is the file as every write leaves it (the start rule of the mode word).
        hca::Record expected{};
        std::copy(saved.begin(), saved.end(), expected.begin());
        hca::applyStartRule(expected);
        const std::vector<std::uint8_t> stored = on.bench.imageOf(DeviceKind::HeatCostAllocator);
        QString diff;
        for (int i = 0; i < 161; ++i)
            if (stored[i] != expected[i])
                diff += QStringLiteral("%1:%2/%3 ").arg(i).arg(stored[i], 2, 16).arg(expected[i], 2, 16);
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
        QVERIFY2(on.ui.messages().isEmpty(), qPrintable(on.ui.messages().join(u'|')));
        form.close();
    }
};

QTEST_MAIN(TestHkvDataMainForm)
#include "tst_hkvdata_mainform.moc"
