// The installer's parameter window, wired: the confirmation before the first write, the send button
// that the schedule gates, the radio group and K edits that follow the record, the stored setups, a
// write log that cannot be made, and the pending write a failed request disarms.

#include "core/devices/hca/HcaFrames.h"
#include "core/devices/hca/HcaRecord.h"
#include "ui/devices/hca/TForm1Parametrierdaten.h"
#include "ui/devices/hca/TGDHKV.h"

#include "HkvTestHost.h"
#include "TempDataRoot.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>

using namespace kvq;
using namespace kvq::hca;

namespace {

struct Fixture {
    test::TempDataRoot root;
    test::HkvTestHost host;
    test::RecordingChannel channel;
    std::unique_ptr<TForm1Parametrierdaten> w;

    Fixture() {
        w = std::make_unique<TForm1Parametrierdaten>(host, nullptr, &channel);
        w->show();
    }
    Record& image() { return host.params.DataEHKV.bytes; }
    template <typename T = QWidget> T* get(const QString& name) const {
        T* c = w->findChild<T*>(name);
        if (!c)
            qFatal("no control %s", qPrintable(name));
        return c;
    }
    QAbstractButton* button(const char* name) const {
        return get<QAbstractButton>(QString::fromLatin1(name));
    }
    // A radio allocator on the E scale with a schedule its battery carries.
    void showDevice(std::uint16_t options = opt::RadioFitted | opt::SecondSensor) {
        Record& r = image();
        storeId(r, off::DeviceId, 0x12345678);
        setWord(r, off::ModeWord, md::UnitScale);
        setWord(r, off::OptionWord, options);
        r[off::DateDay] = 1, r[off::DateMonth] = 1, r[off::DateYear] = 25;
        r[off::CycleTime + 1] = 120, r[off::Variance + 1] = 10, r[off::StopHour] = 24;
        r[off::SendMask0] = 0xFF, r[off::SendMask1] = 0xFF, r[off::SendMask2] = 0xFF;
        w->ShowRecord();
    }
};

} // namespace

class TestHkvParamWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void confirmationOnlyBeforeTheFirstWrite() {
        Fixture f;
        f.showDevice();
        QVERIFY(f.button("Button1SendeDaten")->isEnabled());
        f.host.ui.answers = {false};
        f.button("Button1SendeDaten")->click();
        QCOMPARE(int(f.host.ui.shown.size()), 1);
        QCOMPARE(f.host.ui.shown[0].kind, QStringLiteral("question"));
        QCOMPARE(f.host.ui.shown[0].title, QStringLiteral("ACHTUNG"));
        QCOMPARE(f.host.ui.shown[0].text,
                 QString::fromUtf8("Überprüfen Sie bitte die Parameter vor dem Senden!"));
        QVERIFY(f.channel.frames.empty());

        f.host.ui.answers = {true};
        f.button("Button1SendeDaten")->click();
        QCOMPARE(int(f.host.ui.shown.size()), 2);
        QCOMPARE(int(f.channel.frames.size()), 1);
        QCOMPARE(f.channel.frames[0], buildReadFrame(0x08, kSentRecordCount));
        QVERIFY(f.w->sendPending());
        QCOMPARE(f.w->pendingRecord()[off::DeviceId], std::uint8_t(0x78));

        f.button("Button1SendeDaten")->click();
        QCOMPARE(int(f.host.ui.shown.size()), 2);
        QCOMPARE(int(f.channel.frames.size()), 2);
    }

    void sendButtonAndGroupsFollowTheRecord() {
        Fixture f;
        QVERIFY(!f.button("Button1SendeDaten")->isEnabled());
        f.showDevice();
        QVERIFY(f.button("Button1SendeDaten")->isEnabled());
        QVERIFY(f.get<QGroupBox>(QStringLiteral("GroupBoxRadio"))->isVisible());
        QVERIFY(!f.get(QStringLiteral("EditK1"))->isVisible());
        // A telegram every two seconds empties the battery long before eleven years.
        f.get<QSpinBox>(QStringLiteral("CSpinEditV"))->setValue(1);
        f.get<QSpinBox>(QStringLiteral("CSpinEditZZ"))->setValue(2);
        QVERIFY(!f.button("Button1SendeDaten")->isEnabled());
        f.button("RadioButtonPSkala")->click();
        QVERIFY(f.get(QStringLiteral("EditK1"))->isVisible());

        f.showDevice(opt::SecondSensor);
        QVERIFY(!f.get<QGroupBox>(QStringLiteral("GroupBoxRadio"))->isVisible());
    }

    void timerFillsTheClockWithPcTime() {
        Fixture f;
        f.host.clockValue.set(QDateTime(QDate(2026, 3, 4), QTime(22, 30, 15)));
        f.host.settingsValue.TimeZoneDiff = 2;
        f.w->Timer1Timer();
        QCOMPARE(f.get<QLineEdit>(QStringLiteral("Edit1Std"))->text(), QStringLiteral("0"));
        f.button("CheckBoxAutoTime")->click();
        f.w->Timer1Timer();
        QStringList clock;
        for (const char* n : kClockEdits)
            clock << f.get<QLineEdit>(QString::fromLatin1(n))->text();
        QCOMPARE(clock.join(u' '), QStringLiteral("5 3 26 0 30 15"));
        QVERIFY(f.button("CheckBoxDo")->isChecked()); // 5 March 2026 is a Thursday
    }

    void setupVariantsAreStored() {
        Fixture f;
        f.showDevice();
        auto* text2 = f.get<QLineEdit>(QStringLiteral("EditVar2"));
        QCOMPARE(text2->text(), QStringLiteral("S1 täglich 24h lang aller 15min"));
        text2->clear();
        f.button("SpeedButtonSaveV2")->click();
        QCOMPARE(f.host.ui.lastMessage(),
                 QString::fromUtf8("Bitte tragen Sie für das Setup eine Erklärung / Bezeichnung ein."));
        QCOMPARE(f.host.ui.shown.back().title, QStringLiteral("INFO"));
        const QString file = QDir(f.root.path()).filePath(QStringLiteral("QUELMAR/KVQ/Radiovarianten.ini"));
        QVERIFY(!QFile::exists(file));

        text2->setText(QStringLiteral("Werktags"));
        f.get<QSpinBox>(QStringLiteral("CSpinEditStart"))->setValue(7);
        f.host.ui.answers = {true};
        f.button("SpeedButtonSaveV2")->click();
        QCOMPARE(f.host.ui.shown.back().text, QStringLiteral("Speichern?"));
        QVERIFY(QFile::exists(file));

        f.get<QSpinBox>(QStringLiteral("CSpinEditStart"))->setValue(2);
        f.button("ButtonSV2")->click();
        QCOMPARE(f.get<QSpinBox>(QStringLiteral("CSpinEditStart"))->value(), 7);

        // A new window shows the descriptions saved.
        TForm1Parametrierdaten again(f.host, nullptr, &f.channel);
        QCOMPARE(again.findChild<QLineEdit*>(QStringLiteral("EditVar2"))->text(), QStringLiteral("Werktags"));
    }

    void serialNumberIsKeptOnlyForTheSameAllocator() {
        Fixture f;
        f.showDevice();
        storeId(f.image(), off::SerialNumber, 0x00424242);
        f.w->ShowRecord();
        auto* serial = f.get<QLineEdit>(QStringLiteral("Edit1SerienNr"));
        QCOMPARE(serial->text(), QStringLiteral("00424242"));
        f.button("ButtonHoleDaten")->click();
        f.w->ShowRecord(); // the same allocator answered
        QCOMPARE(serial->text(), QStringLiteral("00424242"));
        f.button("ButtonHoleDaten")->click();
        storeId(f.image(), off::DeviceId, 0x87654321); // another one did
        f.w->ShowRecord();
        QCOMPARE(serial->text(), QStringLiteral("00000000"));
    }

    void missingLogFolderIsReportedAndTheWindowWorks() {
        test::TempDataRoot root;
        QFile blocker(QDir(root.path()).filePath(QStringLiteral("QUELMAR")));
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
        blocker.close();
        test::HkvTestHost host;
        test::RecordingChannel channel;
        TForm1Parametrierdaten w(host, nullptr, &channel);
        QCOMPARE(int(host.ui.messages().size()), 1);
        QVERIFY(w.writeLogPath().isEmpty());
        w.ButtonHoleDatenClick();
        QCOMPARE(int(channel.frames.size()), 1);
    }

    void failedRequestDisarmsThePendingWrite() {
        Fixture f;
        f.showDevice();
        test::HkvTestHost hkvHost;
        test::RecordingChannel hkvChannel;
        TGDHKV hkv(hkvHost, nullptr, &hkvChannel);
        hkv.show();
        f.host.ui.answers = {true};
        for (DeviceWindow* w : std::initializer_list<DeviceWindow*>{f.w.get(), &hkv}) {
            w->requestWrite();
            QVERIFY(w->sendPending());
            w->requestFailed();
            QVERIFY(!w->sendPending());
        }
        const auto frames = f.channel.frames.size() + hkvChannel.frames.size();
        f.w->afterValidRead();
        hkv.afterValidRead();
        QCOMPARE(f.channel.frames.size() + hkvChannel.frames.size(), frames);
    }
};

QTEST_MAIN(TestHkvParamWindow)
#include "tst_hkvparam_window.moc"
