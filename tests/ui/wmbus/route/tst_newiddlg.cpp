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
    void okNeedsFullIdAndEmptyOrFullKey();
    void fieldsTakeOnlyDigitsAndHexDigits();
    void returnWithShortKeyTellsAndStaysOpen();
    void valuesAsTyped();
};

void TestNewIDDlg::okNeedsFullIdAndEmptyOrFullKey() {
    test::ScriptedUserInteraction ui;
    TNewIDDlg dlg(ui, {});
    QCOMPARE(dlg.LabelCountSer->text(), QStringLiteral("0/8"));
    QCOMPARE(dlg.sLabelCount->text(), QStringLiteral("0/32"));
    dlg.ValueEditID->setText(QStringLiteral("1234567"));
    QVERIFY(!dlg.ButtonOK->isEnabled());
    QCOMPARE(dlg.LabelCountSer->text(), QStringLiteral("7/8"));
    dlg.ValueEditID->setText(QStringLiteral("12345678"));
    QVERIFY(dlg.ButtonOK->isEnabled());

    const QString key = QStringLiteral("2B7E151628AED2A6ABF7158809CF4F3C");
    dlg.EditAESkey->setText(key.left(31));
    QVERIFY(!dlg.ButtonOK->isEnabled());
    QCOMPARE(dlg.sLabelCount->text(), QStringLiteral("31/32"));
    dlg.EditAESkey->setText(key);
    QVERIFY(dlg.ButtonOK->isEnabled());
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
    dlg.ComboBoxManCode->clearEditText();
    QTest::keyClicks(dlg.ComboBoxManCode, QStringLiteral("a1b-cd"));
    QCOMPARE(dlg.ComboBoxManCode->currentText(), QStringLiteral("abc"));
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

    // An incomplete ID is never taken, even by Return.
    dlg.EditAESkey->clear();
    dlg.ValueEditID->setText(QStringLiteral("123"));
    QTest::keyClick(dlg.ValueEditID, Qt::Key_Return);
    QVERIFY(dlg.isVisible());

    // Nor a manufacturer code that no telegram can carry.
    dlg.ValueEditID->setText(QStringLiteral("12345678"));
    dlg.ComboBoxManCode->setEditText(QStringLiteral("QL"));
    QTest::mouseClick(dlg.ButtonOK, Qt::LeftButton);
    QVERIFY(dlg.isVisible());
    QCOMPARE(ui.messages().size(), 2);

    dlg.ComboBoxManCode->setEditText(QStringLiteral("QLM"));
    QTest::keyClick(dlg.ValueEditID, Qt::Key_Return);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(ui.messages().size(), 2);
}

void TestNewIDDlg::valuesAsTyped() {
    test::ScriptedUserInteraction ui;
    TNewIDDlg dlg(ui, {QStringLiteral("ABC"), QStringLiteral("QLM")});
    QCOMPARE(dlg.ComboBoxManCode->currentText(), QStringLiteral("QLM"));
    QCOMPARE(dlg.ComboBoxManCode->count(), 2);              // the default once, then the user's codes
    QCOMPARE(dlg.values().deviceType, QStringLiteral("8")); // "EHKV" first

    dlg.ValueEditID->setText(QStringLiteral("00001234"));
    dlg.ComboBoxManCode->setEditText(QStringLiteral("abc"));
    dlg.EditAESkey->setText(QStringLiteral("2b7e151628aed2a6abf7158809cf4f3c"));
    dlg.sComboBox1->setCurrentIndex(dlg.sComboBox1->findText(QStringLiteral("WASSERZÄHLER")));
    const TNewIDDlg::Values v = dlg.values();
    QCOMPARE(v.idText, QStringLiteral("00001234"));
    QCOMPARE(v.manufacturer, QStringLiteral("ABC"));
    QCOMPARE(v.deviceType, QStringLiteral("7"));
    QCOMPARE(v.keyText, QStringLiteral("2B7E151628AED2A6ABF7158809CF4F3C"));
    dlg.sComboBox1->setCurrentIndex(dlg.sComboBox1->findText(QStringLiteral("CO2 SENSOR")));
    QCOMPARE(dlg.values().deviceType, QStringLiteral("42"));
}

QTEST_MAIN(TestNewIDDlg)
#include "tst_newiddlg.moc"
