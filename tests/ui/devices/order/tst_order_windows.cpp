// The order comparison windows' wiring: "Bestell Check" refreshes the comparison from the device
// window's controls as they stand (not from the record) and shows it. The copy rules, the time-zone
// offset and the plausibility tests themselves are tested in core.

#include "ui/devices/hca/TGDHKV.h"
#include "ui/devices/order/TFormBestellung.h"
#include "ui/devices/order/TFormBestellungWZ.h"
#include "ui/devices/watermodule/TGDWZBRAM.h"

#include "../hca/HkvTestHost.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimeEdit>
#include <QtTest>

using namespace kvq;

namespace {

template <class T> T* child(const QWidget& root, const char* name) {
    // The device window's own control, not the comparison window's control of the same name.
    for (T* w : root.findChildren<T*>(QString::fromLatin1(name)))
        if (!qobject_cast<OrderSheet*>(w->window()))
            return w;
    return nullptr;
}

void setChecked(const QWidget& device, const char* name, bool on) {
    auto* b = child<QAbstractButton>(device, name);
    QVERIFY2(b, name);
    b->setChecked(on);
}

bool shows(const OrderSheet& sheet, const char* name) {
    return sheet.findChild<QAbstractButton*>(QString::fromLatin1(name))->isChecked();
}

QString label(const OrderSheet& sheet, const char* name) {
    return sheet.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

} // namespace

class TestOrderWindows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void allocatorCheckCopiesTheControlsAndRunsTheTests() {
        test::HkvTestHost host;
        test::RecordingChannel channel;
        host.clockValue.set(QDateTime(QDate(2026, 3, 15), QTime(8, 50))); // 07:50 UTC
        TGDHKV w(host, nullptr, &channel);
        int shown = 0;
        w.orderWindow().setShowModal([&](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Vergleich zur Bestellung"));
            ++shown;
        });
        auto* button = child<QPushButton>(w, "Button1");
        QVERIFY(button->isEnabled());

        child<QTimeEdit>(w, "sTimePicker1")->setTime(QTime(8, 15));
        setChecked(w, "RadioButtonESkala", true);
        setChecked(w, "CheckBoxZweiFuehle", true);
        setChecked(w, "CheckBoxFernf", false);
        setChecked(w, "CheckBoxMessfrei_Enabled", false);
        setChecked(w, "CheckBoxMFmai", true);
        setChecked(w, "CheckBoxJan", true);
        setChecked(w, "CheckBoxFeb", false);
        for (const char* box : order::errorBoxNames())
            setChecked(w, box, false);
        child<QSpinBox>(w, "CSpinEditStart")->setValue(7);
        child<QLineEdit>(w, "EditManCode")->setText(QStringLiteral("QDS"));
        child<QLineEdit>(w, "EditK1")->setText(QStringLiteral("1538"));
        child<QLineEdit>(w, "EditK2")->setText(QStringLiteral("2500"));
        child<QLineEdit>(w, "EditKQ")->setText(QStringLiteral("1000"));
        child<QLineEdit>(w, "EditDeltaT")->setText(QStringLiteral("30"));
        auto* startMonth = child<QComboBox>(w, "ComboBoxStartmonat");
        startMonth->setCurrentIndex(startMonth->count() - 1);

        button->click();
        QCOMPARE(shown, 1);
        const TFormBestellung& sheet = w.orderWindow();
        QCOMPARE(label(sheet, "LabelZeitZ"), QStringLiteral("+1"));
        QCOMPARE(label(sheet, "LabelStart"), QStringLiteral("7:00"));
        QCOMPARE(label(sheet, "LabelMMcode"), QStringLiteral("QDS"));
        QCOMPARE(label(sheet, "LabelStartmon"), startMonth->currentText());
        QVERIFY(shows(sheet, "CheckBoxJan") && !shows(sheet, "CheckBoxFeb"));
        QVERIFY(shows(sheet, "CheckBox2F") && !shows(sheet, "CheckBox1F"));
        QVERIFY(!shows(sheet, "CheckBoxFFja") && shows(sheet, "CheckBoxFFnein"));
        QVERIFY2(!shows(sheet, "CheckBoxMFmai"), "measurement-free months need the switch");
        auto* grid = sheet.findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
        QCOMPARE(grid->horizontalHeaderItem(0)->text(), QStringLiteral("Status"));
        QCOMPARE(grid->columnWidth(0), 45);
        QCOMPARE(grid->columnWidth(1), 240);
        for (int row = 0; row < 3; ++row)
            QCOMPARE(grid->item(row, 0)->text(), QStringLiteral("OK"));
        QCOMPARE(grid->item(1, 1)->text(), QStringLiteral("Test K1,K2,Kq,dT plausiebel sind"));

        // Typed but not written: the next check sees it, and every row is refreshed.
        setChecked(w, "CheckBoxMessfrei_Enabled", true);
        setChecked(w, "CheckBoxMFmai", true);
        setChecked(w, "CheckBox1LowBatt", true);
        child<QLineEdit>(w, "EditK1")->setText(QStringLiteral("01538"));
        button->click();
        QCOMPARE(shown, 2);
        QVERIFY(shows(sheet, "CheckBoxMFmai"));
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("OK"));
        QCOMPARE(grid->item(1, 0)->text(), QStringLiteral("FEHLER"));
        QCOMPARE(grid->item(2, 0)->text(), QStringLiteral("FEHLER"));
        QCOMPARE(w.findChildren<TFormBestellung*>().size(), 1); // made once, kept
    }

    void waterMeterCheckShowsTheRadioModeAndTimes() {
        test::FakeToolHost host;
        test::RecordingChannel channel;
        host.params = PARAmeter(DeviceFamily::WaterMeterModule);
        host.clockValue.set(QDateTime(QDate(2026, 3, 15), QTime(9, 59))); // 08:59 UTC
        TGDWZBRAM w(host, nullptr, &channel);
        int shown = 0;
        w.orderWindow().setShowModal([&](QDialog&) { ++shown; });
        auto* button = child<QPushButton>(w, "ButtonBestellcheck");
        QVERIFY(button->isEnabled());

        child<QTimeEdit>(w, "sTimePicker1")->setTime(QTime(8, 15));
        setChecked(w, "RadioButton_Funk_T1", true);
        setChecked(w, "CheckBoxShortProt", true);
        setChecked(w, "RadioButtonSTMon", true);
        child<QSpinBox>(w, "CSpinEditZZ")->setValue(120);
        child<QLineEdit>(w, "EditAESKEY")->setText(QStringLiteral("000102030405060708090A0B0C0D0E0F"));
        button->click();
        QCOMPARE(shown, 1);
        const TFormBestellungWZ& sheet = w.orderWindow();
        QVERIFY(shows(sheet, "RadioButton_Funk_T1k"));
        QVERIFY(!shows(sheet, "RadioButton_Funk_T1l") && !shows(sheet, "RadioButton_Funk_S1"));
        QVERIFY(shows(sheet, "CheckBoxMonatl") && !shows(sheet, "CheckBoxJaehrl"));
        QCOMPARE(label(sheet, "LabelZZ"), QStringLiteral("120s"));
        QCOMPARE(label(sheet, "LabelAESkey"), QStringLiteral("000102030405060708090A0B0C0D0E0F"));
        QCOMPARE(label(sheet, "LabelZeitZ"), QStringLiteral("0"));

        setChecked(w, "RadioButton_Funk_S1", true);
        button->click();
        QVERIFY(shows(sheet, "RadioButton_Funk_S1"));
        QVERIFY(!shows(sheet, "RadioButton_Funk_T1k") && !shows(sheet, "RadioButton_Funk_T1l"));
    }
};

QTEST_MAIN(TestOrderWindows)
#include "tst_order_windows.moc"
