// The device-data window driven as a technician drives it: typing, clicking, reading, writing.

#include "core/app/Bytes.h"
#include "core/devices/hca/HcaFrames.h"
#include "core/devices/hca/HcaRecord.h"
#include "core/link/Frame.h"
#include "core/wmbus/crypto/DeviceKey.h"
#include "link/LinkController.h"
#include "ui/devices/hca/TGDHKV.h"

#include "HkvTestHost.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTimeEdit>
#include <QtTest>

using namespace kvq;
using namespace kvq::hca;

namespace {

struct Fixture {
    test::HkvTestHost host;
    test::RecordingChannel channel;
    std::unique_ptr<TGDHKV> w;

    Fixture() {
        host.settingsValue.TimeZoneDiff = 0;
        w = std::make_unique<TGDHKV>(host, nullptr, &channel);
    }
    Record& image() { return host.params.DataEHKV.bytes; }
    template <typename T = QWidget> T* get(const char* name) const {
        T* c = w->findChild<T*>(QString::fromLatin1(name));
        if (!c)
            qFatal("no control %s", name);
        return c;
    }
    QLineEdit* edit(const char* name) const { return get<QLineEdit>(name); }
    QAbstractButton* box(const char* name) const { return get<QAbstractButton>(name); }
    QString text(const char* name) const {
        if (auto* l = w->findChild<QLabel*>(QString::fromLatin1(name)))
            return l->text();
        return edit(name)->text();
    }
    void setChecked(const char* name, bool on) {
        if (box(name)->isChecked() != on)
            box(name)->click();
    }
    void type(const char* name, const QString& text) {
        QLineEdit* e = edit(name);
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, text);
    }
    // The device answers the read: its record lands in the image, then the window's write step runs.
    void deviceAnswers(const Record& device) {
        image() = device;
        w->ShowRecord();
        if (w->sendPending())
            w->WriteRecord();
    }
    Record sentRecord() const {
        const auto& f = channel.frames.back();
        Record r{};
        std::copy(f.begin() + 12, f.begin() + 12 + 161, r.begin());
        return r;
    }
};

// A device as it comes from the field: its own identity, key and factory offset.
Record deviceRecord() {
    Record r{};
    storeId(r, off::DeviceId, 0x87654321);
    storeId(r, off::RadioId, 0x87654320);
    r[off::BatteryMonth] = 9;
    r[off::BatteryYear] = 33;
    r[off::TempOffset] = static_cast<std::uint8_t>(-12);
    for (int i = 0; i < 16; ++i)
        r[off::AesKey + i] = std::uint8_t(0x30 + i);
    r[off::DateDay] = 1;
    r[off::DateMonth] = 2;
    r[off::DateYear] = 25;
    r[off::ReadingMonth] = 11;
    setWord(r, off::StatusWord, st::ProtocolS1 | st::Sabotage);
    setWord(r, off::ModeWord, md::UnitScale | md::CmdWorking | md::ShortTelegram);
    writeBE16(r.data() + off::CycleTime, 120);
    writeBE16(r.data() + off::Variance, 10);
    r[off::StopHour] = 24;
    storeId(r, off::SerialNumber, 0x00112233);
    return r;
}

} // namespace

class TestHkvDataWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensWithThePresets();
    void idTextsAreStoredAsBcd();
    void impossibleClockShowsMidnightAndIsWrittenAsZero();
    void batteryYearAndMeasurementFreeMonths();
    void readRequest();
    void writeMergesTheDevicesIdentityAndSendsBytes0To160();
    void theWriteAfterAReadGoesOutOnlyWhileTheWindowIsShown();
    void writeWithSendWindowUpdateClearsErrorBits();
    void startMonthZeroReleasesTheStart();
    void refusedInputStopsTheWriteAndKeepsTheRecord();
    void acknowledgementAdvancesTheDeviceId();
    void dynamicKeyFollowsTheDeviceId();
    void typingFilters();
    void scheduleFiguresAndColour();
    void sendTimeConsistency();
    void protocolChoiceAndExtendedFirmware();
    void serviceCommands();
    void sensorTimers();
    void timeZoneAndWeekday();
    void dependentControls();
    void meterReadingCheck();
    void closingReportsADisconnectFailure();
    void erasedDeviceTakesPresetsAndWrites();
};

void TestHkvDataWindow::opensWithThePresets() {
    Fixture t;
    QCOMPARE(t.text("Label25"), QStringLiteral("165"));
    QCOMPARE(t.text("EditK1"), QStringLiteral("1538"));
    QCOMPARE(t.text("EditManCode"), QStringLiteral("QLM"));
    QCOMPARE(t.get<QSpinBox>("CSpinEditZZ")->value(), 6);
    QCOMPARE(t.get<QComboBox>("ComboBoxStichTag")->currentIndex(), 11);
    QVERIFY(t.box("CheckBox1keineSNrueberschr")->isChecked());
    QVERIFY(!t.edit("Edit1GeraeteID")->isEnabled());
    QVERIFY(!t.get<QGroupBox>("GroupBoxFunk")->isVisibleTo(t.w.get()));
    // The presets are in the record too.
    QCOMPARE(word(t.image(), off::K2), 2500);
    QCOMPARE(t.image()[off::ReadingMonth], 11);
    QCOMPARE(t.get<QDateEdit>("sDateEdit1")->date(), QDate(2026, 3, 15));
    QVERIFY(t.box("CheckBoxSo")->isChecked());
    QVERIFY(t.channel.frames.empty());
    QVERIFY(t.host.ui.messages().isEmpty());
}

void TestHkvDataWindow::idTextsAreStoredAsBcd() {
    Fixture t;
    t.setChecked("CheckBox1keineSNrueberschr", false);
    t.type("Edit1GeraeteID", QStringLiteral("12345678"));
    QCOMPARE(t.text("EditFunkID"), QStringLiteral("12345678"));
    t.type("EditFunkID", QStringLiteral("1234"));
    QVERIFY(t.w->ReadForm());
    QCOMPARE(t.image()[0], 0x78);
    QCOMPARE(t.image()[1], 0x56);
    QCOMPARE(t.image()[2], 0x34);
    QCOMPARE(t.image()[3], 0x12);
    QCOMPARE(t.image()[6], 0x34);
    QCOMPARE(t.image()[7], 0x12);
    QCOMPARE(t.image()[8], 0x00);
    t.w->ShowRecord();
    QCOMPARE(t.text("Edit1GeraeteID"), QStringLiteral("12345678"));
    QCOMPARE(t.text("EditFunkID"), QStringLiteral("00001234"));
}

void TestHkvDataWindow::impossibleClockShowsMidnightAndIsWrittenAsZero() {
    Fixture t;
    Record r = deviceRecord();
    r[off::ClockHours] = 24;
    r[off::ClockMinutes] = 30;
    t.image() = r;
    t.w->ShowRecord();
    QCOMPARE(t.get<QTimeEdit>("sTimePicker1")->time(), QTime(0, 0, 0));
    QVERIFY(t.w->ReadForm());
    QCOMPARE(t.image()[off::ClockHours], 0);
    QCOMPARE(t.image()[off::ClockMinutes], 0);
    QCOMPARE(t.image()[off::ClockSeconds], 0);
}

void TestHkvDataWindow::batteryYearAndMeasurementFreeMonths() {
    Fixture t;
    t.setChecked("CheckBox1keineSNrueberschr", false);
    t.type("Edit1BattJahr", QStringLiteral("2025"));
    QVERIFY(t.w->ReadForm());
    QCOMPARE(t.image()[off::BatteryYear], 25);
    t.w->ShowRecord();
    QCOMPARE(t.text("Edit1BattJahr"), QStringLiteral("2025"));

    t.image()[off::FreeMonthFirst] = 6;
    t.image()[off::FreeMonthLast] = 5;
    t.w->ShowRecord();
    QVERIFY(!t.box("CheckBoxMFmai")->isChecked());
    QVERIFY(t.box("CheckBoxMFjuni")->isChecked());
    QVERIFY(!t.box("CheckBoxMFjuli")->isChecked());
    QVERIFY(!t.box("CheckBoxMFaug")->isChecked());
}

void TestHkvDataWindow::readRequest() {
    Fixture t;
    QTest::mouseClick(t.box("ButtonHoleDaten"), Qt::LeftButton);
    QCOMPARE(t.channel.frames.size(), 1u);
    QCOMPARE(toHexText(t.channel.frames[0]), std::string("68 08 08 68 53 FE 51 0F 00 00 A5 08 5E 16 "));
    QCOMPARE(t.channel.requests.back().progressMaximum, 184);
    QVERIFY(t.channel.requests.back().progress == DeviceChannel::Progress::Loading);
    QCOMPARE(word(t.image(), off::ModeWord), 0);
    QVERIFY(!t.w->sendPending());
    // A plain read never writes.
    t.deviceAnswers(deviceRecord());
    QCOMPARE(t.channel.frames.size(), 1u);
    QCOMPARE(t.text("Edit1GeraeteID"), QStringLiteral("87654321"));
    QCOMPARE(t.text("Edit1TempOffset"), QStringLiteral("-12"));
}

void TestHkvDataWindow::writeMergesTheDevicesIdentityAndSendsBytes0To160() {
    Fixture t;
    // The technician's record: another ID, key and battery date, the device keeps its own.
    t.setChecked("CheckBox1keineSNrueberschr", false);
    t.type("Edit1GeraeteID", QStringLiteral("11112222"));
    t.type("Edit1BattMon", QStringLiteral("3"));
    t.type("Edit1BattJahr", QStringLiteral("2031"));
    t.setChecked("CheckBoxAESenable", true);
    t.type("EditAESKEY", QStringLiteral("ff ee dd cc bb aa 99 88 77 66 55 44 33 22 11 00"));
    t.type("EditK1", QStringLiteral("1000"));
    t.setChecked("CheckBoxFunk", true);
    t.setChecked("CheckBox1keineSNrueberschr", true);
    t.type("EditSerienNR", QStringLiteral("99999999"));

    QTest::mouseClick(t.box("Button1SendeDaten"), Qt::LeftButton);
    QVERIFY(t.w->sendPending());
    QCOMPARE(t.channel.frames.size(), 1u);
    QCOMPARE(t.channel.frames[0][10], 0xA5);
    QVERIFY(!(word(t.w->pendingRecord(), off::ModeWord) & md::TestMode));

    const Record device = deviceRecord();
    t.deviceAnswers(device);
    QVERIFY(!t.w->sendPending());
    QCOMPARE(t.channel.frames.size(), 2u);
    const auto& frame = t.channel.frames[1];
    QCOMPARE(frame.size(), 175u);
    QCOMPARE(frame[1], 0x08);
    QCOMPARE(frame[2], 0x08);
    QCOMPARE(frame[10], 0xA1);
    QCOMPARE(frame[11], 0x09);
    QCOMPARE(frame[174], 0x16);
    QCOMPARE(frame[173], frame::checksum(frame, 4, 172));
    QVERIFY(t.channel.requests.back().progress == DeviceChannel::Progress::Sending);
    QCOMPARE(t.channel.requests.back().progressMaximum, 1);

    const Record sent = t.sentRecord();
    for (int i : {0, 1, 2, 3, 6, 7, 8, 9, 10, 11, int(off::TempOffset)})
        QCOMPARE(sent[i], device[i]);
    for (int i = 0; i < 16; ++i)
        QCOMPARE(sent[off::AesKey + i], std::uint8_t(0xFF - 0x11 * i));
    QCOMPARE(word(sent, off::K1), 1000);
    QVERIFY(word(sent, off::OptionWord) & opt::RadioFitted);
    // The window shows what went out, and the serial number typed never reached the frame.
    QCOMPARE(t.text("Edit1GeraeteID"), QStringLiteral("87654321"));
    QCOMPARE(t.text("EditK1"), QStringLiteral("1000"));
    QCOMPARE(std::vector<std::uint8_t>(frame.begin() + 12, frame.begin() + 173),
             std::vector<std::uint8_t>(t.image().begin(), t.image().begin() + 161));
}

void TestHkvDataWindow::theWriteAfterAReadGoesOutOnlyWhileTheWindowIsShown() {
    Fixture t;
    QTest::mouseClick(t.box("Button1SendeDaten"), Qt::LeftButton);
    QVERIFY(t.w->sendPending());
    // What the link does after a valid read answer.
    t.w->afterValidRead();
    QCOMPARE(t.channel.frames.size(), 1u);
    QVERIFY(t.w->sendPending());
    t.w->show();
    t.w->afterValidRead();
    QCOMPARE(t.channel.frames.size(), 2u);
    QVERIFY(!t.w->sendPending());
}

void TestHkvDataWindow::writeWithSendWindowUpdateClearsErrorBits() {
    Fixture t;
    t.setChecked("CheckBox1LowBatt", true);
    t.setChecked("CheckBox1Sabotage", true);
    QTest::mouseClick(t.box("Button1SendeDaten"), Qt::LeftButton);
    t.deviceAnswers(deviceRecord());
    // The error flags are the technician's, not the device's.
    QCOMPARE(word(t.sentRecord(), off::StatusWord) & st::ErrorBits, st::Sabotage | st::LowBattery);

    t.setChecked("CheckBox1LowBatt", true);
    t.setChecked("CheckBoxFunkUpdate", true);
    QTest::mouseClick(t.box("Button1SendeDaten"), Qt::LeftButton);
    t.deviceAnswers(deviceRecord());
    const std::uint16_t status = word(t.sentRecord(), off::StatusWord);
    QCOMPARE(status & st::ErrorBits, 0);
    QVERIFY(status & st::ProtocolS1);
}

void TestHkvDataWindow::startMonthZeroReleasesTheStart() {
    Fixture t;
    t.get<QComboBox>("ComboBoxStartmonat")->setCurrentIndex(0);
    t.setChecked("CheckBox4StartMessung", false);
    QTest::mouseClick(t.box("Button1SendeDaten"), Qt::LeftButton);
    t.deviceAnswers(deviceRecord());
    QVERIFY(word(t.sentRecord(), off::ModeWord) & md::StartRelease);

    // Start month 3: the box decides.
    auto* combo = t.get<QComboBox>("ComboBoxStartmonat");
    combo->setCurrentIndex(3);
    Q_EMIT combo->activated(3);
    QVERIFY(!t.box("CheckBox4StartMessung")->isChecked());
    QTest::mouseClick(t.box("Button1SendeDaten"), Qt::LeftButton);
    t.deviceAnswers(deviceRecord());
    QCOMPARE(t.sentRecord()[off::StartMonth], 3);
    QVERIFY(!(word(t.sentRecord(), off::ModeWord) & md::StartRelease));
}

void TestHkvDataWindow::refusedInputStopsTheWriteAndKeepsTheRecord() {
    Fixture t;
    const Record before = t.image();
    t.edit("EditK1")->setText(QStringLiteral("70000"));
    QTest::mouseClick(t.box("Button1SendeDaten"), Qt::LeftButton);
    QVERIFY(!t.w->sendPending());
    QVERIFY(t.channel.frames.empty());
    QCOMPARE(t.image(), before);
    QCOMPARE(t.host.ui.lastMessage(), QStringLiteral("K1: bitte eine ganze Zahl von 0 bis 65535 eingeben!"));

    t.edit("EditK1")->setText(QStringLiteral("1538"));
    t.setChecked("CheckBoxAESenable", true);
    t.edit("EditAESKEY")->setText(QStringLiteral("00112233445566778899AABBCCDDEEFF0"));
    QVERIFY(!t.w->ReadForm());
    QCOMPARE(t.image(), before);
    QVERIFY(t.host.ui.lastMessage().startsWith(QStringLiteral("AES Key:")));
}

void TestHkvDataWindow::acknowledgementAdvancesTheDeviceId() {
    Fixture t;
    t.setChecked("CheckBox1AutoSerNr", true);
    QVERIFY(!t.box("CheckBox1keineSNrueberschr")->isChecked());
    t.type("Edit1GeraeteID", QStringLiteral("00001234"));
    QTest::mouseClick(t.box("Button1SendeDaten"), Qt::LeftButton);
    t.deviceAnswers(deviceRecord());
    QCOMPARE(idText(t.sentRecord(), off::DeviceId), QStringLiteral("00001234"));
    t.w->OnWriteAck();
    QCOMPARE(t.text("Edit1GeraeteID"), QStringLiteral("1235"));
    QCOMPARE(t.text("EditFunkID"), QStringLiteral("1235"));
    QCOMPARE(idText(t.image(), off::DeviceId), QStringLiteral("00001235"));
    QCOMPARE(t.channel.acks, 1);

    // A service command's acknowledgement advances too.
    QTest::mouseClick(t.box("ButtonLCDTEST"), Qt::LeftButton);
    t.w->OnWriteAck();
    QCOMPARE(t.text("Edit1GeraeteID"), QStringLiteral("1236"));

    t.type("Edit1GeraeteID", QStringLiteral("99999999"));
    t.w->OnWriteAck();
    QCOMPARE(t.text("Edit1GeraeteID"), QStringLiteral("99999999"));
    QVERIFY(t.host.ui.lastMessage().contains(QStringLiteral("99999999")));
    QCOMPARE(t.channel.acks, 3);
}

void TestHkvDataWindow::dynamicKeyFollowsTheDeviceId() {
    Fixture t;
    t.setChecked("CheckBox1keineSNrueberschr", false);
    t.setChecked("CheckBoxAESenable", true);
    QVERIFY(t.edit("EditAESKEY")->isEnabled());
    t.setChecked("CheckBoxAutoAES", true);
    QVERIFY(!t.edit("EditAESKEY")->isEnabled());
    t.type("Edit1GeraeteID", QStringLiteral("12345678"));
    const crypto::DeviceKey expected = crypto::DeriveDeviceKey("12345678");
    QCOMPARE(t.text("EditAESKEY"), QString::fromStdString(expected.text));
    for (int i = 0; i < 16; ++i)
        QCOMPARE(t.image()[off::AesKey + i], expected.key[i]);

    // A short ID is the number with its leading zeros.
    t.type("Edit1GeraeteID", QStringLiteral("1234"));
    QCOMPARE(t.text("EditAESKEY"), QString::fromStdString(crypto::DeriveDeviceKey("00001234").text));

    // With the device's identity kept, the device's own key survives the write.
    t.setChecked("CheckBox1keineSNrueberschr", true);
    QTest::mouseClick(t.box("Button1SendeDaten"), Qt::LeftButton);
    t.deviceAnswers(deviceRecord());
    for (int i = 0; i < 16; ++i)
        QCOMPARE(t.sentRecord()[off::AesKey + i], std::uint8_t(0x30 + i));
}

void TestHkvDataWindow::typingFilters() {
    Fixture t;
    t.setChecked("CheckBox1keineSNrueberschr", false);
    t.edit("Edit1GeraeteID")->clear();
    QTest::keyClicks(t.edit("Edit1GeraeteID"), QStringLiteral("12a3-4567890"));
    QCOMPARE(t.text("Edit1GeraeteID"), QStringLiteral("12345678"));
    t.setChecked("CheckBoxAESenable", true);
    t.edit("EditAESKEY")->clear();
    QTest::keyClicks(t.edit("EditAESKEY"), QStringLiteral("ab 1g:f"));
    QCOMPARE(t.text("EditAESKEY"), QStringLiteral("AB 1F"));
    t.edit("EditK2")->clear();
    QTest::keyClicks(t.edit("EditK2"), QStringLiteral("2.5x00"));
    QCOMPARE(t.text("EditK2"), QStringLiteral("2500"));
    t.edit("Edit1Zaehlerst")->clear();
    QTest::keyClicks(t.edit("Edit1Zaehlerst"), QStringLiteral("12,5"));
    QCOMPARE(t.text("Edit1Zaehlerst"), QStringLiteral("12,5"));
}

void TestHkvDataWindow::scheduleFiguresAndColour() {
    Fixture t;
    t.setChecked("CheckBoxFunk", true);
    t.get<QSpinBox>("CSpinEditZZ")->setValue(100);
    t.get<QSpinBox>("CSpinEditV")->setValue(5);
    t.setChecked("RadioButton_Funk_T1", true);
    t.edit("EditLadung")->setText(QStringLiteral("0,3"));
    QCOMPARE(t.text("LabelAnzTage"), QStringLiteral("260"));
    QCOMPARE(t.text("LabelAnzSendungen"), QStringLiteral("224640"));
    QCOMPARE(t.text("LabelmAh1"), QStringLiteral("21,84"));
    QCOMPARE(t.text("LabelmAh11"), QStringLiteral("240,24"));
    auto* results = t.get<QGroupBox>("GroupBox16");
    QCOMPARE(results->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
    t.type("EditLadungmax", QStringLiteral("200"));
    QCOMPARE(results->palette().color(QPalette::Window), QColor(Qt::red));

    t.setChecked("CheckBoxW5", false);
    QCOMPARE(t.text("LabelAnzTage"), QStringLiteral("240"));
    for (const char* m : kSendMonthBoxes)
        t.setChecked(m, false);
    QCOMPARE(t.text("LabelAnzTage"), QStringLiteral("0"));
    QCOMPARE(t.text("LabelAnzSendungen"), QStringLiteral("0"));
    QCOMPARE(t.text("LabelmAh1"), QStringLiteral("0,00"));
}

void TestHkvDataWindow::sendTimeConsistency() {
    Fixture t;
    auto* zz = t.get<QSpinBox>("CSpinEditZZ");
    auto* v = t.get<QSpinBox>("CSpinEditV");
    zz->setValue(100);
    v->setValue(100);
    QCOMPARE(v->value(), 99);
    auto* start = t.get<QSpinBox>("CSpinEditStart");
    auto* stop = t.get<QSpinBox>("CSpinEditStop");
    stop->setValue(23);
    start->setValue(23);
    QCOMPARE(stop->value(), 24);
    start->setValue(0);
    stop->setValue(6);
    t.setChecked("CheckBoxFunk", true);
    zz->setValue(6);
    QCOMPARE(t.text("LabelAnzSendungen"), QString::number(260 * 3600));
}

void TestHkvDataWindow::protocolChoiceAndExtendedFirmware() {
    Fixture t;
    t.setChecked("CheckBoxFunk", true);
    t.box("RadioButton_Funk_T1")->click();
    QVERIFY(!t.box("RadioButton_Funk_S1")->isChecked());
    QVERIFY(t.box("CheckBoxShortProt")->isEnabled());
    QCOMPARE(t.text("EditLadung"), QStringLiteral("0,335"));
    t.box("CheckBoxShortProt")->click();
    QCOMPARE(t.text("EditLadung"), QStringLiteral("0,701"));
    t.box("RadioButton_Funk_S1")->click();
    QCOMPARE(t.text("EditLadung"), QStringLiteral("0,911"));
    QVERIFY(t.box("CheckBoxShortProt")->isChecked());
    QVERIFY(!t.box("CheckBoxShortProt")->isEnabled());
    QCOMPARE(t.box("RadioButton_Funk_S1")->text(), QStringLiteral("WMBUS S1"));
    QVERIFY(!t.box("CheckBoxAESM7")->isEnabled());

    Record ext = deviceRecord();
    setWord(ext, off::ModeWord, md::AesMode7 | md::AesOn);
    setWord(ext, off::OptionWord, opt::RadioFitted);
    t.image() = ext;
    t.host.params.DataEHKV.ExtVersionFlag = true;
    t.w->ShowRecord();
    QCOMPARE(t.box("RadioButton_Funk_S1")->text(), QStringLiteral("WMBUS C1"));
    QVERIFY(t.box("CheckBoxAESM7")->isEnabled());
    QVERIFY(t.box("CheckBoxAESM7")->isChecked());
    t.box("RadioButton_Funk_S1")->click();
    QVERIFY(t.box("CheckBoxShortProt")->isEnabled());
    QCOMPARE(t.text("EditLadung"), QStringLiteral("0,701"));
}

void TestHkvDataWindow::serviceCommands() {
    Fixture t;
    t.w->appendRxLog(QStringLiteral("E5 "));
    QTest::mouseClick(t.box("ButtonLCDTEST"), Qt::LeftButton);
    QCOMPARE(toHexText(t.channel.frames.back()),
             std::string("68 08 08 68 53 FE 51 0F 1A 1A 02 0F C1 10 C7 16 "));
    QVERIFY(t.channel.requests.back().progress == DeviceChannel::Progress::Hidden);
    QVERIFY(t.w->rxLogText().isEmpty());
    QTest::mouseClick(t.box("ButtonGoLagermode"), Qt::LeftButton);
    QCOMPARE(toHexText(t.channel.frames.back()),
             std::string("68 08 08 68 53 FE 51 0F 18 18 02 0F FB 04 F1 16 "));
    QVERIFY(!t.w->sensorTestActive());

    // A service command while a write waits for its read: the next answer is only shown.
    QTest::mouseClick(t.box("Button1SendeDaten"), Qt::LeftButton);
    QVERIFY(t.w->sendPending());
    QTest::mouseClick(t.box("ButtonSendeWMBus"), Qt::LeftButton);
    QVERIFY(!t.w->sendPending());
    const std::size_t sent = t.channel.frames.size();
    t.deviceAnswers(deviceRecord());
    QCOMPARE(t.channel.frames.size(), sent);
    QCOMPARE(t.text("Edit1GeraeteID"), QStringLiteral("87654321"));
}

void TestHkvDataWindow::sensorTimers() {
    Fixture t;
    QTest::mouseClick(t.box("ButtonSensorTest"), Qt::LeftButton);
    QVERIFY(t.w->sensorTestActive());
    QCOMPARE(t.channel.frames.back()[12], 0xC1);
    QCOMPARE(t.channel.frames.back()[13], 0x30);
    // The device's answer arrives through the link, which finds this window as the current one.
    LinkController link(t.host.ui);
    link.setWindowSource([&t]() -> LinkWindow* { return t.w.get(); });
    const QByteArray answer = QByteArray::fromHex("E5010203040506");
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(answer.constData());
    for (std::uint32_t i = 0; i < std::uint32_t(answer.size()); ++i)
        link.handleByte(bytes, std::uint32_t(answer.size()), i);
    QCOMPARE(t.text("LabelRefTimer"), QStringLiteral("258"));
    QCOMPARE(t.text("LabelSensor1Timer"), QStringLiteral("772"));
    QCOMPARE(t.text("LabelSensor2Timer"), QStringLiteral("1286"));

    // The flag stays while the window lives.
    QTest::mouseClick(t.box("ButtonLCDTEST"), Qt::LeftButton);
    QVERIFY(t.w->sensorTestActive());
}

void TestHkvDataWindow::timeZoneAndWeekday() {
    Fixture t;
    t.host.settingsValue.TimeZoneDiff = -11;
    t.host.clockValue.set(QDateTime(QDate(2026, 3, 16), QTime(9, 15, 0))); // Monday
    t.w->FillDateTime();
    QCOMPARE(t.get<QDateEdit>("sDateEdit1")->date(), QDate(2026, 3, 15));
    QCOMPARE(t.get<QTimeEdit>("sTimePicker1")->time(), QTime(22, 15, 0));
    QVERIFY(t.box("CheckBoxSo")->isChecked());
    QVERIFY(!t.box("CheckBoxMo")->isChecked());

    t.get<QDateEdit>("sDateEdit1")->setDate(QDate(2026, 3, 18));
    QVERIFY(t.box("CheckBoxMitt")->isChecked());
    QVERIFY(!t.box("CheckBoxSo")->isChecked());

    t.setChecked("CheckBoxAutoTime", true);
    t.host.clockValue.set(QDateTime(QDate(2026, 7, 4), QTime(12, 0, 0)));
    QTest::mouseClick(t.box("Button1SendeDaten"), Qt::LeftButton);
    QCOMPARE(t.w->pendingRecord()[off::ClockHours], 1);
    QCOMPARE(t.w->pendingRecord()[off::DateDay], 4);
    QCOMPARE(t.w->pendingRecord()[off::Weekday], 1u << 5); // Saturday 4 July, 01:00
}

void TestHkvDataWindow::dependentControls() {
    Fixture t;
    QVERIFY(!t.edit("EditKQ")->isEnabled());
    t.box("RadioButtonPSkala")->click();
    QVERIFY(t.edit("EditKQ")->isEnabled());
    QVERIFY(!t.box("RadioButtonESkala")->isChecked());
    t.edit("EditKQ")->setText(QStringLiteral("1200"));
    t.box("RadioButtonESkala")->click();
    QCOMPARE(t.text("EditKQ"), QStringLiteral("1000"));
    t.box("CheckBoxZweiFuehle")->click();
    QCOMPARE(t.text("EditDeltaT"), QStringLiteral("70"));
    QCOMPARE(t.text("EditK1"), QStringLiteral("1000"));

    t.box("RadioButtonTestMode")->click();
    QCOMPARE(t.get<QGroupBox>("GroupBoxTestmode")->palette().color(QPalette::Window), QColor(Qt::red));
    t.box("CheckBoxEinmessMode")->click();
    t.box("RadioButton3Lager")->click();
    QVERIFY(!t.box("RadioButtonTestMode")->isChecked());
    QVERIFY(!t.box("CheckBoxEinmessMode")->isChecked());
    QVERIFY(!t.box("RadioButton1StartMenue")->isChecked());
    QCOMPARE(t.get<QGroupBox>("GroupBoxTestmode")->palette().color(QPalette::Window),
             QColor(0xA0, 0xA0, 0xA4));

    t.box("CheckBoxMFjuni")->click(); // unchecks June and what follows
    QVERIFY(t.box("CheckBoxMFmai")->isChecked());
    QVERIFY(!t.box("CheckBoxMFjuli")->isChecked());

    t.box("CheckBox1AutoSerNr")->click();
    QVERIFY(!t.box("CheckBox1keineSNrueberschr")->isChecked());
    QVERIFY(t.edit("Edit1BattMon")->isEnabled());
    t.box("CheckBoxFunkUpdate")->click();
    QVERIFY(!t.box("CheckBox1AutoSerNr")->isChecked());

    t.setChecked("CheckBoxFunk", true);
    QVERIFY(t.get<QGroupBox>("GroupBoxFunk")->isVisibleTo(t.w.get()));
    t.setChecked("CheckBoxKorrEdit", true);
    QVERIFY(t.edit("Edit1TempOffset")->isEnabled());
    t.type("Edit1TempOffset", QStringLiteral("5"));
    t.image()[off::TempOffset] = 9;
    t.w->ShowRecord();
    QCOMPARE(t.text("Edit1TempOffset"), QStringLiteral("5")); // being edited
}

void TestHkvDataWindow::meterReadingCheck() {
    Fixture t;
    t.type("Edit1Zaehlerst", QStringLiteral("100"));
    t.type("Edit1ZaehlerstVorj", QStringLiteral("150,5"));
    Q_EMIT t.edit("Edit1ZaehlerstVorj")->editingFinished();
    QCOMPARE(t.host.ui.lastMessage(),
             QString::fromUtf8("Stichtagszählerstand darf nicht größer als der Zählerstand sein!"));
    QCOMPARE(t.host.ui.shown.back().title, QStringLiteral("Fehler"));
}

void TestHkvDataWindow::closingReportsADisconnectFailure() {
    Fixture t;
    t.channel.endConnectionResult = false;
    bool closed = false;
    QObject::connect(t.w.get(), &ToolWindow::closed, [&] { closed = true; });
    t.w->show();
    t.w->close();
    QVERIFY(closed);
    QCOMPARE(t.channel.endConnections, 1);
    QCOMPARE(t.host.ui.lastMessage(), QString::fromUtf8("Fehler beim Trennen der Schnittstelle!"));
}

void TestHkvDataWindow::erasedDeviceTakesPresetsAndWrites() {
    // An erased allocator reads FF in every nibble of its identification numbers.
    Fixture t;
    for (int o : {off::DeviceId, off::RadioId, off::SerialNumber})
        std::fill_n(t.image().begin() + o, 4, 0xFF);
    t.w->ShowRecord();
    t.box("Button2VorEinst")->click();
    QVERIFY(t.host.ui.messages().isEmpty());
    QCOMPARE(t.edit("Edit1GeraeteID")->text(), QStringLiteral("00000000")); // the preset
    QCOMPARE(readLE32(t.image().data() + off::SerialNumber), 0xFFFFFFFFu);
}

QTEST_MAIN(TestHkvDataWindow)
#include "tst_hkvdata_window.moc"
