// The billing window's wiring: its read request, the record in its controls, its log window, the one
// log line per evaluated answer and the close that takes the log window with it.

#include "core/app/Bytes.h"
#include "core/devices/hca/HcaBilling.h"
#include "ui/devices/hca/TFormAbrechendaten.h"
#include "ui/log/TFormDataLog.h"

#include "HkvTestHost.h"
#include "TempDataRoot.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QtTest>

using namespace kvq;
using namespace kvq::hca;

class TestBillingWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readShowLogAndClose() {
        test::TempDataRoot root;
        test::HkvTestHost host;
        test::RecordingChannel channel;
        auto* w = new TFormAbrechendaten(host, nullptr, &channel);
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->show();
        w->afterOpen();
        QPointer<TFormDataLog> log = w->dataLog();
        QVERIFY(log && log->isVisible());
        QCOMPARE(log->HeaderNames(), billingLogHeader());
        QVERIFY(log->LogPath().endsWith(QStringLiteral("_heatcount.csv")));

        // The link plays the billing role with this window, and no write roles.
        QCOMPARE(w->billing(), static_cast<BillingEvaluator*>(w));
        QVERIFY(!w->acknowledgement() && !w->readFollowUp());
        QVERIFY(w->deviceByteSink());

        QTest::mouseClick(w->findChild<QAbstractButton*>(QStringLiteral("ButtonHoleDaten")), Qt::LeftButton);
        QCOMPARE(channel.requests.size(), std::size_t(1));
        QCOMPARE(channel.requests[0].progressMaximum, 184);
        QCOMPARE(channel.requests[0].progress, DeviceChannel::Progress::Loading);
        QCOMPARE(channel.frames, std::vector<Frame>{buildBillingReadFrame()});
        w->clearLinkLogs(); // a window without logs takes the link's log calls

        // The answer as the link delivers it: shown, evaluated, logged.
        Record& r = host.params.DataEHKV.bytes;
        storeId(r, off::DeviceId, 0x00471100);
        writeBEFloat(r.data() + off::MeterReading, 1234.56f);
        setWord(r, off::MonthTable + off::MonthEntrySize * 17, 4321);
        w->ShowRecord();
        QCOMPARE(w->findChild<QLineEdit*>(QStringLiteral("EditSeriennummer"))->text(),
                 QStringLiteral("00471100"));
        QCOMPARE(w->findChild<QLineEdit*>(QStringLiteral("Edit18Wert"))->text(), QStringLiteral("4321"));
        QVERIFY(w->findChild<QLineEdit*>(QStringLiteral("Edit18Wert"))->isReadOnly());
        w->billingEvaluation();
        w->dataLogEntry(QStringLiteral("heatcount"));
        w->dataLogEntry(QStringLiteral("heatcount")); // no second line without a second answer
        QCOMPARE(log->model().rowCount(), 1);
        QCOMPARE(log->model().data(log->model().index(0, 0)).toString(), QStringLiteral("00471100"));

        w->close();
        QCOMPARE(channel.endConnections, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!log);
        QVERIFY(host.ui.messages().isEmpty());
    }
};

QTEST_MAIN(TestBillingWindow)
#include "tst_billing_window.moc"
