// "Messdaten AN" in "Gerätedaten WZ" against the simulated water-meter module: the sensor window opens,
// the module's stream arrives as samples, "Senden" changes the module's thresholds (and the stream then
// carries them), and closing the window stops the stream.

#include "AnswerWait.h"
#include "DeviceBench.h"
#include "FakeClock.h"
#include "ScriptedUserInteraction.h"
#include "TempDataRoot.h"
#include "core/devices/watermodule/WzRecord.h"
#include "ui/app/TMainForm.h"
#include "ui/devices/watermodule/TFormBramData.h"
#include "ui/devices/watermodule/TGDWZBRAM.h"
#include "ui/link/MainFormLink.h"

#include <QAction>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using namespace kvq;
using namespace kvq::devsim;
using kvq::test::waitUntil;
namespace off = kvq::wz::off;

class TestSensorStreamE2E : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void streamThresholdsAndStop() {
        test::TempDataRoot root;
        test::ScriptedUserInteraction ui;
        test::FakeClock clock;
        DeviceBench bench;
        fillDemoImage(bench.add(DeviceKind::WaterMeterModule));
        bench.answerDelayMs = 5;
        QVERIFY(bench.start());
        TMainForm form(ui, clock, {QString(), 1280, true});
        form.show();
        LinkController& link = form.linkWiring()->link();
        link.portMap().setPath(4, bench.path());
        form.settings().link.SIO1Port = 4;

        form.findChild<QAction*>(QStringLiteral("GeraetedatenWZItem"))->trigger();
        auto* w = qobject_cast<TGDWZBRAM*>(form.currentToolWindow());
        QVERIFY(w);
        QPointer<TFormBramData> sensor;
        w->setSensorWindow([&] {
            sensor = new TFormBramData(*w, ui, w);
            sensor->setAttribute(Qt::WA_DeleteOnClose);
            sensor->show();
        });
        auto streaming = [&] {
            return (bench.imageOf(DeviceKind::WaterMeterModule)[off::OptionsB + 1] & 0x20) != 0;
        };

        w->findChild<QPushButton*>(QStringLiteral("ButtonMessdatenAN"))->click();
        QVERIFY(sensor);
        QVERIFY(waitUntil([&] { return streaming(); }));
        // The sensors swing: both band widths grow above 0 within a few dozen frames.
        QVERIFY(waitUntil([&] { return sensor->bandWidth(0) > 0 && sensor->drawnPoints(0) > 40; }));
        const std::array<int, 2> widths{sensor->bandWidth(0), sensor->bandWidth(1)};
        QVERIFY(waitUntil(
            [&] { return sensor->bandWidth(0) != widths[0] || sensor->bandWidth(1) != widths[1]; }));

        sensor->findChild<QSpinBox*>(QStringLiteral("SpinEditTHS1"))->setValue(44);
        sensor->findChild<QSpinBox*>(QStringLiteral("SpinEditTHS2"))->setValue(55);
        sensor->findChild<QPushButton*>(QStringLiteral("ButtonSenden"))->click();
        QVERIFY(waitUntil([&] {
            const auto im = bench.imageOf(DeviceKind::WaterMeterModule);
            return im[off::TS1] == 44 && im[off::TS2] == 55;
        }));
        // The stream reports the module's thresholds back into the image.
        form.currentParams().DataWZBRAM[off::TS1] = 0;
        QVERIFY(waitUntil([&] { return form.currentParams().DataWZBRAM[off::TS1] == 44; }));
        QCOMPARE(form.currentParams().DataWZBRAM[off::TS2], 55);

        sensor->close();
        QVERIFY(!w->SensorWindowOpen());
        QVERIFY(waitUntil([&] { return !streaming(); }));
        // Nothing more arrives once the module has stopped.
        RxRingBuffer& ring = link.rxRing();
        QTest::qWait(100);
        const auto before = ring.RxWritePos;
        QTest::qWait(300);
        QCOMPARE(ring.RxWritePos, before);
        form.close();
    }
};

QTEST_MAIN(TestSensorStreamE2E)
#include "tst_sensor_stream_e2e.moc"
