#include "ui/wmbus/route/TNewIDDlg.h"

#include "ScriptedUserInteraction.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace kvq;

class TestNewIDDlg : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsWithItsDefaults();
    void kindsMapToDeviceTypes();
    void okNeedsFullIdAndEmptyOrFullKey();
    void fieldsTakeOnlyDigitsAndHexDigits();
    void returnWithShortKeyTellsAndStaysOpen();
    void valuesAsTyped();
};

void TestNewIDDlg::startsWithItsDefaults() {
    test::ScriptedUserInteraction ui;
    TNewIDDlg dlg(ui, {QStringLiteral("ABC"), QStringLiteral("QLM")});
    QCOMPARE(dlg.windowTitle(), QStringLiteral("neues W-MBUS Gerät"));
    QCOMPARE(dlg.ValueEditID->text(), QStringLiteral("00000000"));
    QVERIFY(dlg.ValueEditID->alignment() & Qt::AlignRight);
    QCOMPARE(dlg.ValueEditID->maxLength(), 8);
    QCOMPARE(dlg.LabelCountSer->text(), QStringLiteral("0/8"));
    QCOMPARE(dlg.ComboBoxManCode->currentText(), QStringLiteral("QLM"));
    QCOMPARE(dlg.ComboBoxManCode->count(), 2); // QLM once, then the user's codes
    QCOMPARE(dlg.EditAESkey->maxLength(), 32);
    QCOMPARE(dlg.sLabelCount->text(), QStringLiteral("0/32"));
    QCOMPARE(dlg.ButtonOK->text(), QStringLiteral("OK"));
    QVERIFY(dlg.ButtonOK->isDefault());
    QCOMPARE(dlg.ButtonAbbrechen->text(), QStringLiteral("Abbrechen"));
    QCOMPARE(dlg.ValueEditID->accessibleName(), QStringLiteral("ID"));
    QCOMPARE(dlg.EditAESkey->accessibleName(), QStringLiteral("AES-KEY"));
}

void TestNewIDDlg::kindsMapToDeviceTypes() {
    test::ScriptedUserInteraction ui;
    TNewIDDlg dlg(ui, {});
    const std::pair<const char*, int> expected[] = {
        {"EHKV", 8},        {"WASSERZÄHLER", 7},
        {"STROMZÄHLER", 2}, {"WÄRMEZAHLER", 4},
        {"GASZÄHLER", 3},   {"RAUCHMELDER", 26},
        {"ABFALL", 41},     {"RAUMSENSOR", 27},
        {"GASMELDER", 28},  {"ELEKTRISCHER UNTERBRECHER", 32},
        {"VENTIL", 33},     {"DISPLAY", 37},
        {"ABWASSER", 40},   {"CO2 SENSOR", 42},
    };
    QCOMPARE(dlg.sComboBox1->count(), int(std::size(expected)));
    for (const auto& [text, code] : expected) {
        const int i = dlg.sComboBox1->findText(QString::fromUtf8(text));
        QVERIFY2(i >= 0, text);
        dlg.sComboBox1->setCurrentIndex(i);
        QCOMPARE(dlg.values().deviceType, QString::number(code));
    }
}

void TestNewIDDlg::okNeedsFullIdAndEmptyOrFullKey() {
    test::ScriptedUserInteraction ui;
    TNewIDDlg dlg(ui, {});
    dlg.ValueEditID->setText(QStringLiteral("1234567"));
    QVERIFY(!dlg.ButtonOK->isEnabled());
    QCOMPARE(dlg.LabelCountSer->text(), QStringLiteral("7/8"));
    dlg.ValueEditID->setText(QStringLiteral("12345678"));
    QVERIFY(dlg.ButtonOK->isEnabled());
    QCOMPARE(dlg.LabelCountSer->text(), QStringLiteral("8/8"));

    const QString key = QStringLiteral("2B7E151628AED2A6ABF7158809CF4F3C");
    dlg.EditAESkey->setText(key.left(31));
    QVERIFY(!dlg.ButtonOK->isEnabled());
    QCOMPARE(dlg.sLabelCount->text(), QStringLiteral("31/32"));
    dlg.EditAESkey->setText(key);
    QVERIFY(dlg.ButtonOK->isEnabled());
    QCOMPARE(dlg.sLabelCount->text(), QStringLiteral("32/32"));
    dlg.EditAESkey->clear();
    QVERIFY(dlg.ButtonOK->isEnabled());
}

void TestNewIDDlg::fieldsTakeOnlyDigitsAndHexDigits() {
    test::ScriptedUserInteraction ui;
    TNewIDDlg dlg(ui, {});
    dlg.ValueEditID->clear();
    QTest::keyClicks(dlg.ValueEditID, QStringLiteral("12a-3 4567890"));
    QCOMPARE(dlg.ValueEditID->text(), QStringLiteral("12345678"));
    QTest::keyClicks(dlg.EditAESkey, QStringLiteral("0fXg 1A"));
    QCOMPARE(dlg.EditAESkey->text(), QStringLiteral("0f1A"));
}

void TestNewIDDlg::returnWithShortKeyTellsAndStaysOpen() {
    test::ScriptedUserInteraction ui;
    TNewIDDlg dlg(ui, {});
    dlg.show();
    dlg.ValueEditID->setText(QStringLiteral("12345678"));
    dlg.EditAESkey->setText(QStringLiteral("0011"));
    QTest::keyClick(dlg.EditAESkey, Qt::Key_Return);
    QCOMPARE(ui.messages(), QStringList{QStringLiteral("Falsches Format des AES KEY!")});
    QCOMPARE(ui.shown.back().title, QStringLiteral("FEHLER"));
    QVERIFY(dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Rejected));

    // An incomplete ID is never taken, even by Return.
    dlg.EditAESkey->clear();
    dlg.ValueEditID->setText(QStringLiteral("123"));
    QTest::keyClick(dlg.ValueEditID, Qt::Key_Return);
    QVERIFY(dlg.isVisible());

    dlg.ValueEditID->setText(QStringLiteral("12345678"));
    QTest::keyClick(dlg.ValueEditID, Qt::Key_Return);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(ui.messages().size(), 1);
}

void TestNewIDDlg::valuesAsTyped() {
    test::ScriptedUserInteraction ui;
    TNewIDDlg dlg(ui, {});
    dlg.ValueEditID->setText(QStringLiteral("00001234"));
    dlg.ComboBoxManCode->setEditText(QStringLiteral("abc"));
    dlg.EditAESkey->setText(QStringLiteral("2b7e151628aed2a6abf7158809cf4f3c"));
    dlg.sComboBox1->setCurrentIndex(dlg.sComboBox1->findText(QStringLiteral("WASSERZÄHLER")));
    const TNewIDDlg::Values v = dlg.values();
    QCOMPARE(v.idText, QStringLiteral("00001234"));
    QCOMPARE(v.manufacturer, QStringLiteral("ABC"));
    QCOMPARE(v.deviceType, QStringLiteral("7"));
    QCOMPARE(v.keyText, QStringLiteral("2B7E151628AED2A6ABF7158809CF4F3C"));
}

QTEST_MAIN(TestNewIDDlg)
#include "tst_newiddlg.moc"
