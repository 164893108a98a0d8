// "Abrechendaten EHKV" from the main window's menu, against the simulated allocator: every readout is
// shown and lands once in the log table and in the day's file, also through an echoing head.

#include "AllocatorOnBench.h"
#include "AnswerWait.h"
#include "core/app/Bytes.h"
#include "core/devices/hca/HcaBilling.h"
#include "core/log/DayLog.h"
#include "ui/devices/hca/TFormAbrechendaten.h"
#include "ui/log/TFormDataLog.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPointer>
#include <QtTest>

using namespace kvq;
using namespace kvq::devsim;
using kvq::test::answered;

namespace {

QList<QStringList> fileRecords(const QString& path) {
    QFile f(path);
    QList<QStringList> out;
    if (!f.open(QIODevice::ReadOnly))
        return out;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (!line.trimmed().isEmpty())
            out << log::splitLogLine(QString::fromLatin1(line).remove(u'\r'));
    return out;
}

constexpr int kAnswerBytes = 184; // 161 record bytes in a long frame
constexpr int kRequestBytes = 14;

} // namespace

class TestBillingMainForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readoutsReachWindowTableAndFile() {
        test::AllocatorOnBench on;
        QVERIFY(on.start());
        TMainForm& form = *on.form;
        LinkController& link = on.link();
        DeviceBench& bench = on.bench;
        const test::FakeClock& clock = on.clock;

        form.findChild<QAction*>(QStringLiteral("AbrechendatenEHKVItem"))->trigger();
        auto* w = qobject_cast<TFormAbrechendaten*>(form.currentToolWindow());
        QVERIFY(w);
        QVERIFY(form.HKVBillingOpen());
        QVERIFY(link.SIO1Open());
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QPointer<TFormDataLog> log = w->dataLog();
        QVERIFY(log);
        const QRect owner = qobject_cast<QMdiSubWindow*>(w->parentWidget())->geometry();
        const QRect below = qobject_cast<QMdiSubWindow*>(log->parentWidget())->geometry();
        QCOMPARE(below.left(), owner.left());
        QCOMPARE(below.top(), owner.top() + owner.height() + 10);
        QCOMPARE(below.height(), 100);
        const QString path = log->LogPath();
        QVERIFY(path.endsWith(clock.localNow().date().toString(QStringLiteral("dd_MM_yyyy")) +
                              QStringLiteral("_heatcount.csv")));

        auto expectedLine = [&] {
            return hca::billingLogFields(hca::billingView(form.currentParams().DataEHKV.bytes, QLocale()),
                                         clock.localNow().date(), QLocale());
        };

        QAbstractButton* hole = w->findChild<QAbstractButton*>(QStringLiteral("ButtonHoleDaten"));
        QTest::mouseClick(hole, Qt::LeftButton);
        QCOMPARE(form.LinkState, 1);
        QVERIFY(answered(link, kAnswerBytes));
        QCOMPARE(form.LinkState, 2);
        QCOMPARE(w->findChild<QLineEdit*>(QStringLiteral("EditSeriennummer"))->text(),
                 QStringLiteral("12345678"));
        const QStringList first = expectedLine();
        QCOMPARE(log->model().rowCount(), 1);
        QCOMPARE(fileRecords(path), (QList<QStringList>{hca::billingLogHeader(), first}));

        // A second readout of a changed device, through a head that echoes: the answer is found behind
        // the echo on the second attempt and logged once.
        bench.configure([](DeviceBench& b) {
            b.head.echo = true;
            std::vector<std::uint8_t>& im = b.device(DeviceKind::HeatCostAllocator)->image();
            writeBEFloat(im.data() + hca::off::MeterReading, 2345.5f);
        });
        QTest::mouseClick(hole, Qt::LeftButton);
        QVERIFY(answered(link, kRequestBytes + kAnswerBytes));
        QVERIFY(form.statusText(0).contains(QStringLiteral("ECHO")));
        const QStringList second = expectedLine();
        QVERIFY(second != first);
        QCOMPARE(w->findChild<QLineEdit*>(QStringLiteral("Edit1Zaehlerst"))->text(), second[2]);
        QCOMPARE(log->model().rowCount(), 2);
        QCOMPARE(fileRecords(path), (QList<QStringList>{hca::billingLogHeader(), first, second}));

        // Closing the billing window takes its log window with it.
        QVERIFY(qobject_cast<QMdiSubWindow*>(w->parentWidget())->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!log);
        QVERIFY(!form.HKVBillingOpen());
        form.close();
        QVERIFY2(on.ui.messages().isEmpty(), qPrintable(on.ui.messages().join(u'|')));
    }
};

QTEST_MAIN(TestBillingMainForm)
#include "tst_billing_mainform.moc"
