// The thermometer's device-data window: its controls reach the thermometer's rules and frames.

#include "ui/devices/thermo/TGDTHERMO.h"

#include "../hca/HkvTestHost.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLineEdit>
#include <QtTest>

using namespace kvq;

class TestThermoDataWindow : public QObject {
    Q_OBJECT

    test::HkvTestHost host;
    test::RecordingChannel channel;
    std::unique_ptr<TGDTHERMO> w;

    template <typename T = QLineEdit> T* get(const char* name) const {
        T* c = w->findChild<T*>(QString::fromLatin1(name));
        if (!c)
            qFatal("no control %s", name);
        return c;
    }

private Q_SLOTS:
    void init() {
        host.params = PARAmeter(DeviceFamily::RadioThermometer);
        channel = {};
        w = std::make_unique<TGDTHERMO>(host, nullptr, &channel);
    }
    void cleanup() { w.reset(); }

    void opensWithTheThermometersControlsAndPresets() {
        QCOMPARE(w->windowTitle(), QString::fromUtf8("Gerätedaten WMBus Therm"));
        for (const char* allocatorOnly :
             {"ComboBoxStartmonat", "ComboBoxStichTag", "EditK1", "Edit1Zaehlerst", "Edit1Wert1",
              "CheckBoxAESM7", "CheckBoxMFmai", "RadioButtonESkala"})
            QVERIFY2(!w->findChild<QWidget*>(QString::fromLatin1(allocatorOnly)), allocatorOnly);
        QCOMPARE(get<QAbstractButton>("RadioButton_Funk_S1")->text(), QStringLiteral("WMBUS S1"));
        QCOMPARE(get("EditManCode")->text(), QStringLiteral("QLM"));
        QVERIFY(get<QAbstractButton>("CheckBoxFunk")->isChecked());
        QVERIFY(!get<QGroupBox>("GroupBoxFunk")->isHidden());
        QCOMPARE(get("EditLadung")->text(), QStringLiteral("0,911"));
        // The presets were built into the thermometer's image, not the allocator's.
        QCOMPARE(host.params.DataWMTHERMO[146] | host.params.DataWMTHERMO[147] << 8, 0x458D);
    }

    void protocolChoiceKeepsTheShortTelegram() {
        QAbstractButton* shortBox = get<QAbstractButton>("CheckBoxShortProt");
        get<QAbstractButton>("RadioButton_Funk_T1")->click();
        QCOMPARE(get("EditLadung")->text(), QStringLiteral("0,335"));
        QVERIFY(shortBox->isChecked());
        QVERIFY(!shortBox->isEnabled());
    }

    void temperatureEditsTakeSignedDecimals() {
        QLineEdit* e = get("EditMinTempWand");
        e->clear();
        QTest::keyClicks(e, QStringLiteral("-5a,2-5"));
        QCOMPARE(e->text(), QStringLiteral("-5,25"));
    }
};

QTEST_MAIN(TestThermoDataWindow)
#include "tst_thermodata_window.moc"
