// "Abrechendaten WZ" from the main window's menu against the simulated water-meter module: a readout
// shows the module's readings and adds exactly one line to the day's "flowcount" file; closing the
// window takes its log window with it.

#include "AnswerWait.h"
#include "DeviceBench.h"
#include "FakeClock.h"
#include "ScriptedUserInteraction.h"
#include "TempDataRoot.h"
#include "core/devices/hca/HcaBilling.h"
#include "core/devices/watermodule/WzReadout.h"
#include "core/log/DayLog.h"
#include "ui/app/TMainForm.h"
#include "ui/devices/watermodule/TABL_WZBRAMKESTEL.h"
#include "ui/link/MainFormLink.h"
#include "ui/log/TFormDataLog.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QLabel>
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

void putDword(std::vector<std::uint8_t>& im, int offset, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        im[offset + i] = std::uint8_t(v >> (8 * i));
}

} // namespace

class TestWzReadoutMainForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readoutIsShownAndLoggedOnce() {
        test::TempDataRoot root;
        test::ScriptedUserInteraction ui;
        test::FakeClock clock;
        DeviceBench bench;
        SimulatedDevice& module = bench.add(DeviceKind::WaterMeterModule);
        fillDemoImage(module);
        bench.answerDelayMs = 5;
        QVERIFY(bench.start());
        TMainForm form(ui, clock, {QString(), 1280, true});
        form.show();
        LinkController& link = form.linkWiring()->link();
        link.portMap().setPath(4, bench.path());
        form.settings().link.SIO1Port = 4;

        form.findChild<QAction*>(QStringLiteral("AbrechendatenWZItem"))->trigger();
        auto* w = qobject_cast<TABL_WZBRAMKESTEL*>(form.currentToolWindow());
        QVERIFY(w);
        QVERIFY(form.WZReadoutOpen());
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QPointer<TFormDataLog> log = w->dataLog();
        QVERIFY(log);
        QCOMPARE(log->HeaderNames(), wz::readoutLogHeader());
        const QString path = log->LogPath();
        QVERIFY(path.endsWith(clock.localNow().date().toString(QStringLiteral("dd_MM_yyyy")) +
                              QStringLiteral("_flowcount.csv")));

        QTest::mouseClick(w->findChild<QAbstractButton*>(QStringLiteral("ButtonHoleDaten")), Qt::LeftButton);
        QCOMPARE(form.LinkState, 1);
        QVERIFY(answered(link, 17 + 231 + 6));
        QCOMPARE(form.LinkState, 2);

        const wz::Readout expected =
            wz::readout(form.currentParams().DataWZBRAM,
                        QString::fromStdString(form.currentParams().VersionText), QLocale());
        QCOMPARE(w->findChild<QLineEdit*>(QStringLiteral("EditSeriennummer"))->text(),
                 expected.EditSeriennummer);
        QVERIFY(expected.EditSeriennummer != QStringLiteral("00000000"));
        QCOMPARE(w->findChild<QLineEdit*>(QStringLiteral("Edit1Zaehlerst"))->text(), expected.Edit1Zaehlerst);
        QCOMPARE(w->findChild<QLabel*>(QStringLiteral("LabelStichdatum"))->text(), expected.dueDate);
        QCOMPARE(w->findChild<QLineEdit*>(QStringLiteral("Edit18WertJahr"))->text(),
                 expected.monthRows[17].year);
        const QStringList line =
            wz::readoutLogFields(expected, hca::localeDateText(clock.localNow().date(), QLocale()));
        QCOMPARE(log->model().rowCount(), 1);
        QCOMPARE(fileRecords(path), (QList<QStringList>{wz::readoutLogHeader(), line}));

        // A second readout of a changed module is a second line.
        bench.configure([](DeviceBench& b) {
            putDword(b.device(DeviceKind::WaterMeterModule)->image(), wz::off::MeterReading, 12345);
        });
        QTest::mouseClick(w->findChild<QAbstractButton*>(QStringLiteral("ButtonHoleDaten")), Qt::LeftButton);
        QVERIFY(answered(link, 17 + 231 + 6));
        QCOMPARE(w->findChild<QLineEdit*>(QStringLiteral("Edit1Zaehlerst"))->text(),
                 wz::cubicMetres(12345, QLocale()));
        QCOMPARE(log->model().rowCount(), 2);
        QCOMPARE(fileRecords(path).size(), 3);

        QVERIFY(qobject_cast<QMdiSubWindow*>(w->parentWidget())->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!log);
        QVERIFY(!form.WZReadoutOpen());
        form.close();
        QVERIFY2(ui.messages().isEmpty(), qPrintable(ui.messages().join(u'|')));
    }
};

QTEST_MAIN(TestWzReadoutMainForm)
#include "tst_wzreadout_mainform.moc"
