// The sensor window's wiring: "Messdaten AN" opens it once, the link's groups become samples in the
// image and the curves (drawn in batches), "Senden" sends and keeps the thresholds, the recording
// file and its failure, and closing stops the stream. Frame and band-width rules are tested in core.

#include "core/devices/watermodule/WzFrames.h"
#include "core/devices/watermodule/WzRecord.h"
#include "ui/devices/watermodule/TFormBramData.h"
#include "ui/devices/watermodule/TGDWZBRAM.h"

#include "../hca/HkvTestHost.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace kvq;
using namespace kvq::wz;

class TestSensorWindow : public QObject {
    Q_OBJECT

    struct Rig {
        test::FakeToolHost host;
        test::RecordingChannel channel;
        std::unique_ptr<TGDWZBRAM> w;
        QPointer<TFormBramData> sensor;
        int opened = 0;
        Rig() {
            host.params = PARAmeter(DeviceFamily::WaterMeterModule);
            w = std::make_unique<TGDWZBRAM>(host, nullptr, &channel);
            host.params.DataWZBRAM[off::TS1] = 41;
            host.params.DataWZBRAM[off::TS2] = 52;
            // Shown without blocking; the window lives until it is closed.
            w->setSensorWindow([this] {
                ++opened;
                sensor = new TFormBramData(*w, host.userInteraction(), w.get());
                sensor->setAttribute(Qt::WA_DeleteOnClose);
                sensor->show();
            });
            channel.frames.clear();
        }
        Image& image() { return host.params.DataWZBRAM; }
        template <class T> T* in(QWidget* p, const char* name) {
            return p->findChild<T*>(QString::fromLatin1(name));
        }
    };

private Q_SLOTS:
    void opensOnceTakesSamplesSendsAndStops() {
        Rig r;
        r.in<QPushButton>(r.w.get(), "ButtonMessdatenAN")->click();
        QCOMPARE(r.channel.frames.back(), buildChangeRequest(WzCommand::MeasurementOn));
        QVERIFY(r.sensor);
        QVERIFY(r.w->SensorWindowOpen());
        QCOMPARE(r.w->sensorStream(), static_cast<SensorStreamSink*>(r.sensor.data()));
        QCOMPARE(r.in<QSpinBox>(r.sensor, "SpinEditTHS1")->value(), 41);
        QCOMPARE(r.in<QSpinBox>(r.sensor, "SpinEditTHS2")->value(), 52);
        // Open already: the command goes out again, no second window.
        r.in<QPushButton>(r.sensor, "ButtonMessdatenAN")->click();
        QCOMPARE(r.opened, 1);
        QCOMPARE(int(r.channel.frames.size()), 2);

        // A group of end byte 9E with 1E 40 42: thresholds into the image, curves once per tick.
        r.w->sensorStream()->sensorGroup(0x9E, 0x1E, 0x40, 0x42);
        QCOMPARE(r.image()[off::TS1], 0x1E);
        QCOMPARE(r.image()[off::TS2], 0x1E);
        QCOMPARE(r.in<QLabel>(r.sensor, "LabelB1")->text(), QStringLiteral("64"));
        QCOMPARE(r.in<QProgressBar>(r.sensor, "ILProgressBarS2")->value(), 20);
        QCOMPARE(r.sensor->drawnPoints(0), 0);
        for (int i = 0; i < 1200; ++i)
            r.sensor->sensorGroup(0x9E, 0x1E, 0x40, 0x42);
        r.sensor->drawPending();
        for (int c = 0; c < 4; ++c)
            QCOMPARE(r.sensor->drawnPoints(c), TFormBramData::kMaxPoints);
        QCOMPARE(r.sensor->bandWidth(0), 0);

        r.in<QSpinBox>(r.sensor, "SpinEditTHS1")->setValue(33);
        r.in<QSpinBox>(r.sensor, "SpinEditTHS2")->setValue(80);
        r.in<QPushButton>(r.sensor, "ButtonSenden")->click();
        const Frame expected{
            0x68, 0x08, 0x08,
            0x68, 0x53, 0xFE,
            0x51, 0x0F, 0x27,
            0x27, 0x02, 0x21,
            33,   80,   std::uint8_t(0x53 + 0xFE + 0x51 + 0x0F + 0x27 + 0x27 + 0x02 + 0x21 + 33 + 80),
            0x16};
        QCOMPARE(r.channel.frames.back(), expected);
        QCOMPARE(r.image()[off::TS1], 33);
        QCOMPARE(r.image()[off::TS2], 80);

        r.sensor->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!r.sensor);
        QCOMPARE(r.channel.frames.back(), buildChangeRequest(WzCommand::MeasurementOff));
        QVERIFY(!r.w->SensorWindowOpen());
        QCOMPARE(r.w->sensorStream(), nullptr);
    }

    void recordsToTheChosenFileAndStopsOnFailure() {
        Rig r;
        QTemporaryDir dir;
        r.in<QPushButton>(r.w.get(), "ButtonMessdatenAN")->click();
        QCheckBox* log = r.in<QCheckBox>(r.sensor, "CheckBoxLog");
        r.host.ui.texts.push_back(std::nullopt);
        log->click();
        QVERIFY(!log->isChecked());
        QVERIFY(!r.sensor->LogOn());

        r.host.ui.texts.push_back(dir.filePath(QStringLiteral("lauf.txt")));
        log->click();
        QVERIFY(r.sensor->LogOn());
        QCOMPARE(r.sensor->logPath(), dir.filePath(QStringLiteral("lauf.CSV")));
        r.sensor->sensorGroup(0x9E, 0x1E, 0x40, 0x42);
        r.sensor->sensorGroup(0x9E, 0x1E, 0x07, 0x7F);
        QFile f(r.sensor->logPath());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("64;66\r\n7;127\r\n"));

        // The folder goes away: the next sample cannot be recorded, and recording stops.
        r.host.ui.texts.push_back(dir.filePath(QStringLiteral("weg/lauf.csv")));
        log->click(); // off
        log->click(); // on again, into a folder that does not exist
        QVERIFY(r.sensor->LogOn());
        r.sensor->sensorGroup(0x9E, 0x1E, 0x40, 0x42);
        QVERIFY(!r.sensor->LogOn());
        QVERIFY(!log->isChecked());
    }
};

QTEST_MAIN(TestSensorWindow)
#include "tst_sensor_window.moc"
