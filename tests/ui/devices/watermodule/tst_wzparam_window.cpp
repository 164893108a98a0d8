// The module parameter window's wiring: which request each group button sends and how, the chain on
// the acknowledgements, the step a time-out names, the energy warning and the variant buttons. The
// bytes and rules are tested in core; the exchange with a module end to end.

#include "core/devices/watermodule/WzParamRequests.h"
#include "core/devices/watermodule/WzRecord.h"
#include "ui/devices/watermodule/TPDWZBRAM.h"

#include "../hca/HkvTestHost.h"
#include "TempDataRoot.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using namespace kvq;
using namespace kvq::wz;
using Progress = DeviceChannel::Progress;

namespace {

// Records each request with whether it asked for the wake-up preamble.
class Channel final : public DeviceChannel {
public:
    struct Sent {
        Frame frame;
        bool wakeUp;
        Progress progress;
    };
    void beginRequest(int, Progress p) override { progress = p; }
    void sendFrame(const std::vector<std::uint8_t>& f) override { sent.push_back({f, true, progress}); }
    void sendFrameAwake(const std::vector<std::uint8_t>& f) override { sent.push_back({f, false, progress}); }
    void acknowledged() override { ++acks; }
    bool endConnection() override { return true; }

    std::vector<Sent> sent;
    Progress progress = Progress::Hidden;
    int acks = 0;
};

} // namespace

class TestWzParamWindow : public QObject {
    Q_OBJECT

    struct Rig {
        test::TempDataRoot root;
        test::FakeToolHost host;
        Channel channel;
        std::unique_ptr<TPDWZBRAM> w;
        Rig() {
            host.params = PARAmeter(DeviceFamily::WaterMeterModule);
            host.clockValue.set(QDateTime(QDate(2025, 3, 15), QTime(10, 30)));
            w = std::make_unique<TPDWZBRAM>(host, nullptr, &channel);
        }
        void click(const QString& name) {
            auto* b = w->findChild<QAbstractButton*>(name);
            QVERIFY2(b, qPrintable(name));
            b->click();
        }
        template <class T> T* get(const char* name) { return w->findChild<T*>(QString::fromLatin1(name)); }
    };

private Q_SLOTS:
    void eachGroupButtonSendsItsRequest() {
        Rig r;
        for (const ParamRequestInfo& i : paramRequests()) {
            if (!i.buttonName)
                continue;
            r.click(QString::fromLatin1(i.buttonName));
            QVERIFY(!r.channel.sent.empty());
            const Channel::Sent& s = r.channel.sent.back();
            QCOMPARE(s.frame, buildParamRequest(i.request, r.host.params.DataWZBRAM));
            QVERIFY(s.wakeUp);
            QCOMPARE(s.progress,
                     i.request == ParamRequest::Activation ? Progress::Hidden : Progress::Sending);
            QCOMPARE(r.w->AckStep(), i.nextAckStep);
        }
        // "Sende Zeit" takes the PC's clock into the module's date first.
        QCOMPARE(r.host.params.DataWZBRAM[off::DateYear], 25);
        QVERIFY(r.host.ui.messages().isEmpty());

        // A write whose form does not collect sends nothing and says why; a change needs no collect.
        const std::size_t sent = r.channel.sent.size();
        r.get<QLineEdit>("EditAESKEY")->setText(QString(33, u'A'));
        r.click(QStringLiteral("sButtonSendeRF"));
        QCOMPARE(r.channel.sent.size(), sent);
        QCOMPARE(r.host.ui.messages().size(), 1);
        r.click(QStringLiteral("ButtonLagermode"));
        QCOMPARE(r.channel.sent.size(), sent + 1);
    }

    void chainRunsOnAcknowledgementsWithoutPreamble() {
        Rig r;
        r.get<QAbstractButton>("RadioButton_Funk_S1")->click();
        r.click(QStringLiteral("sButtonSendeRF"));
        r.w->OnWriteAck();
        r.w->OnWriteAck();
        QCOMPARE(r.channel.sent.size(), std::size_t(3));
        QCOMPARE(r.channel.sent[1].frame,
                 buildParamRequest(ParamRequest::StatusByte, r.host.params.DataWZBRAM));
        QCOMPARE(r.channel.sent[2].frame,
                 buildParamRequest(ParamRequest::ProtocolBits, r.host.params.DataWZBRAM));
        QVERIFY(!r.channel.sent[1].wakeUp && !r.channel.sent[2].wakeUp);
        QCOMPARE(r.channel.acks, 0);
        QCOMPARE(r.w->awaitedStep(),
                 QStringLiteral("Sende RF, Schritt 3 von 3 (AES und kurzes Telegramm) nicht bestätigt"));
        r.w->OnWriteAck();
        QCOMPARE(r.channel.acks, 1);
        QVERIFY(r.w->awaitedStep().isEmpty());

        // "RESET": the second step clears the error boxes the module reported.
        r.host.params.DataWZBRAM[off::StatusWord + 1] = 0xFF;
        setWord(r.host.params.DataWZBRAM, off::OptionsA, oa::Leak);
        r.w->ShowImage();
        QVERIFY(r.get<QAbstractButton>("CheckBox1Leck")->isChecked());
        r.click(QStringLiteral("sButtonResetErrors"));
        r.w->OnWriteAck();
        QCOMPARE(r.channel.sent.back().frame,
                 buildParamRequest(ParamRequest::ClearLeak, r.host.params.DataWZBRAM));
        for (const char* n : {"CheckBox1Leck", "CheckBox1MessFehler", "CheckBox1RueckFehler"})
            QVERIFY2(!r.get<QAbstractButton>(n)->isChecked(), n);
    }

    void energyWarningShowsAndDoesNotBlock() {
        Rig r;
        auto* warning = r.get<QGroupBox>("GroupBoxHFerror");
        QVERIFY(warning->isHidden());
        for (const char* n : kSendMonthBoxes)
            r.get<QAbstractButton>(n)->setChecked(true);
        for (const char* n : kSendWeekBoxes)
            r.get<QAbstractButton>(n)->setChecked(true);
        for (const char* n : kSendDayBoxes)
            r.get<QAbstractButton>(n)->setChecked(true);
        r.get<QSpinBox>("CSpinEditStop")->setValue(24);
        r.get<QSpinBox>("CSpinEditStart")->setValue(0);
        r.get<QSpinBox>("CSpinEditV")->setValue(1);
        r.get<QSpinBox>("CSpinEditZZ")->setValue(2);
        r.get<QAbstractButton>("RadioButton_Funk_T1")->click();
        r.get<QAbstractButton>("CheckBoxShortProt")->click();
        QVERIFY(r.get<QAbstractButton>("CheckBoxShortProt")->isChecked());
        QCOMPARE(r.w->ChargePerTelegram(), 0.18);
        QVERIFY(!warning->isHidden());
        r.click(QStringLiteral("sButtonSendeRF"));
        QCOMPARE(r.channel.sent.size(), std::size_t(1));

        r.get<QSpinBox>("CSpinEditZZ")->setValue(600);
        QVERIFY(warning->isHidden());
    }

    void variantsSaveAfterTheQuestionAndLoad() {
        Rig r;
        r.get<QAbstractButton>("CheckBoxJan")->click();
        r.get<QSpinBox>("CSpinEditZZ")->setValue(300);
        r.get<QLineEdit>("EditVar3")->setText(QStringLiteral("nur Januar"));
        r.host.ui.answers.push_back(false);
        r.click(QStringLiteral("SpeedButtonSaveV3"));
        QVERIFY(!QFile::exists(r.root.path() + QStringLiteral("/QUELMAR/KVQ/RadiovariantenFAM.ini")));
        r.host.ui.answers.push_back(true);
        r.click(QStringLiteral("SpeedButtonSaveV3"));
        QCOMPARE(r.host.ui.shown.back().text, QStringLiteral("Speichern?"));
        QCOMPARE(r.host.ui.shown.back().title, QStringLiteral("INFO"));

        r.click(QStringLiteral("ButtonSV1")); // never saved: all off
        QVERIFY(!r.get<QAbstractButton>("CheckBoxJan")->isChecked());
        QCOMPARE(r.get<QSpinBox>("CSpinEditZZ")->value(), 2);
        r.click(QStringLiteral("ButtonSV3"));
        QVERIFY(r.get<QAbstractButton>("CheckBoxJan")->isChecked());
        QCOMPARE(r.get<QSpinBox>("CSpinEditZZ")->value(), 300);

        // The next window shows the saved description.
        TPDWZBRAM next(r.host, nullptr, &r.channel);
        QCOMPARE(next.findChild<QLineEdit*>(QStringLiteral("EditVar3"))->text(),
                 QStringLiteral("nur Januar"));
        QVERIFY(r.host.ui.messages().isEmpty());
    }
};

QTEST_MAIN(TestWzParamWindow)
#include "tst_wzparam_window.moc"
