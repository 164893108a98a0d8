// The thermometer's device-data window against the simulated radio thermometer on a real
// pseudo-terminal: read, edit, write, acknowledgement, through the link as the program runs it.

#include "../hca/DeviceWindowRig.h"

#include "ui/devices/thermo/TGDTHERMO.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QtTest>

using namespace kvq;
using namespace kvq::devsim;

class TestThermoDataEndToEnd : public QObject {
    Q_OBJECT

    std::unique_ptr<test::DeviceWindowRig<TGDTHERMO>> rig;

    template <class T = QLineEdit> T* control(const char* name) {
        T* w = rig->window->findChild<T*>(QString::fromLatin1(name));
        [&] { QVERIFY2(w, name); }();
        return w;
    }
    void answer(int bytes) { rig->answer(bytes); }

private Q_SLOTS:
    void init() {
        rig = std::make_unique<test::DeviceWindowRig<TGDTHERMO>>();
        // An allocator under the same head hears every request and must stay out of the way.
        fillDemoImage(rig->bench->add(DeviceKind::RadioThermometer));
        fillDemoImage(rig->bench->add(DeviceKind::HeatCostAllocator));
        QVERIFY(rig->open(DeviceFamily::RadioThermometer));
    }
    void cleanup() { rig.reset(); }

    void readEditWriteStoresTheMergedRecord() {
        const std::vector<std::uint8_t> before = rig->bench->imageOf(DeviceKind::RadioThermometer);
        QTest::mouseClick(control<QAbstractButton>("ButtonHoleDaten"), Qt::LeftButton);
        answer(188);
        QCOMPARE(rig->status->panels[4], QStringLiteral("Gültige Daten"));
        QVERIFY(control<QPlainTextEdit>("Memo2")->toPlainText().startsWith(
            QStringLiteral("68 08 08 68 53 FE 51 0F 00 00 A5 28 ")));
        QCOMPARE(control("EditMinTempWand")->text(), QStringLiteral("-5"));
        QCOMPARE(control("EditTempWand")->text(), QStringLiteral("-0,35"));
        QCOMPARE(control("EditMaxTempRaum")->text(), QStringLiteral("8,4"));
        QCOMPARE(control("Edit1TempOffset")->text(), QStringLiteral("-7"));
        QCOMPARE(control("Edit1GeraeteID")->text(), QStringLiteral("12345678"));

        // The technician edits the offset, a temperature and the send mask.
        control<QAbstractButton>("CheckBoxKorrEdit")->click();
        QVERIFY(control<QAbstractButton>("CheckBoxKorrEdit")->isChecked());
        QVERIFY(control("Edit1TempOffset")->isEnabled());
        control("Edit1TempOffset")->setText(QStringLiteral("12"));
        control("EditTempRaum")->setText(QStringLiteral("21,5"));
        QVERIFY(!control<QAbstractButton>("CheckBoxSonntag")->isChecked());
        QTest::mouseClick(control<QAbstractButton>("CheckBoxSonntag"), Qt::LeftButton);
        control<QSpinBox>("CSpinEditZZ")->setValue(30);

        QTest::mouseClick(control<QAbstractButton>("Button1SendeDaten"), Qt::LeftButton);
        QVERIFY(rig->window->sendPending());
        answer(188);
        QVERIFY(!rig->window->sendPending());
        QCOMPARE(control("Edit1TempOffset")->text(), QStringLiteral("12"));
        answer(1);
        QCOMPARE(rig->host->status[4], QStringLiteral("OK"));
        QVERIFY(rig->host->ui.messages().isEmpty());

        const std::vector<std::uint8_t> stored = rig->bench->imageOf(DeviceKind::RadioThermometer);
        const auto& merged = rig->host->params.DataWMTHERMO;
        QVERIFY(std::equal(merged.begin(), merged.begin() + 161, stored.begin()));
        // "Korrekturwert Editieren" keeps the technician's offset over the device's own.
        QCOMPARE(stored[38], std::uint8_t(12));
        QCOMPARE((stored[148] << 8) | stored[149], 2150);
        QCOMPARE((stored[18] << 8) | stored[19], 0xFE0C); // -5.00 goes back as it came
        QVERIFY(stored[128] & 0x80);                      // Sunday
        QCOMPARE((stored[122] << 8) | stored[123], 30);
        QCOMPARE(stored[24], std::uint8_t(0x01)); // working mode
        QVERIFY(stored[25] & 0x08);               // no start month: measurement released
        for (int i : {0, 1, 2, 3, 4, 5, 10, 11, 20, 21, 48, 119, 152, 153, 156, 161, 164})
            QCOMPARE(stored[i], before[i]);
    }

    void serviceCommandCarriesTheThermometersByte() {
        // Only the thermometer takes a command with byte 11 = 0x2A; the allocator on the same head
        // stays silent.
        QTest::mouseClick(control<QAbstractButton>("ButtonLCDTEST"), Qt::LeftButton);
        answer(1);
        QCOMPARE(rig->host->status[4], QStringLiteral("OK"));
    }
};

QTEST_MAIN(TestThermoDataEndToEnd)
#include "tst_thermodata_e2e.moc"
