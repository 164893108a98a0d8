#pragma once
// The state of the heat cost allocator's device-data form, control by control, without a window.
// Members carry the control names; the window copies them to and from its widgets, and every rule
// of the form (record mapping, input consistency, presets) works on this state.

#include "core/devices/common/SendMaskForm.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QTime>
#include <array>

namespace kvq::hca {

struct MonthRow {
    QString value = QStringLiteral("0"); // Edit<n>Wert
    QString month = QStringLiteral("0"); // Edit<n>WertMon
    QString year = QStringLiteral("0");  // Edit<n>WertJahr
};

struct HcaForm : SendMaskForm {
    // Identity and battery
    QString Edit1GeraeteID = QStringLiteral("0");
    QString EditFunkID = QStringLiteral("0");
    QString EditSerienNR = QStringLiteral("0");
    QString Edit1BattMon = QStringLiteral("0");
    QString Edit1BattJahr = QStringLiteral("0");
    bool CheckBox1keineSNrueberschr = true;
    bool CheckBox1AutoSerNr = false;

    // Reading date, scale and coefficients
    int ComboBoxStartmonat = 0; // item index = value 0..12
    int ComboBoxStichTag = 11;  // item index = month - 1
    QString EditK1 = QStringLiteral("1538");
    QString EditK2 = QStringLiteral("2500");
    QString EditKQ = QStringLiteral("1000");
    QString EditDeltaT = QStringLiteral("30");
    QString Edit1TempOffset = QStringLiteral("0");
    bool CheckBoxKorrEdit = false;
    bool RadioButtonESkala = true;
    bool RadioButtonPSkala = false;
    bool RadioButtonSTMon = false;
    bool RadioButtonSTJahr = true;
    bool CheckBoxZweiFuehle = true;
    bool CheckBoxFernf = false;

    // Values
    QString Edit1Verbrauch = QStringLiteral("0");
    QString Edit1VorVerbrauch = QStringLiteral("0");
    QString EditPZVerbrauch = QStringLiteral("0");
    QString Edit1Zaehlerst = QStringLiteral("0");
    QString Edit1ZaehlerstVorj = QStringLiteral("0");
    QString Edit1Temp = QStringLiteral("20");
    QString Edit1TempRaum = QStringLiteral("20");
    QString EditTempMax = QStringLiteral("0");
    QString LabelStichdatum;
    QString LabelFehlerdatum = QCoreApplication::translate("HcaForm", "Fehlerdatum:");
    std::array<MonthRow, 18> monthRows;

    // Device clock; the weekday boxes are display only (Monday .. Sunday)
    QTime sTimePicker1 = QTime(0, 0, 0);
    QDate sDateEdit1 = QDate(2000, 1, 1);
    std::array<bool, 7> weekdayShown{};
    bool CheckBoxAutoTime = false;

    // Status word
    bool CheckBoxMon = false, CheckBoxTag = false, CheckBoxWo = false, CheckBoxStd = false,
         CheckBoxFenster = false;
    bool CheckBox1MessFehler = false, CheckBox1Sabotage = false, CheckBox1LowBatt = false,
         CheckBox1CSfehler = false, CheckBoxHFError = false, CheckBoxRESET = false;
    bool CheckBoxFunkUpdate = false;

    // Mode word
    bool CheckBoxMessfrei_Enabled = false;
    bool CheckBox4StartMessung = true;
    bool CheckBox5Speed = false;
    bool CheckBoxSonderAnz = false;
    bool CheckBoxAESM7 = false;
    bool RadioButton1StartMenue = true;
    bool RadioButton2Stromtest = false;
    bool RadioButton3Lager = false;
    bool RadioButtonZeit = false;
    bool RadioButtonZaehler = false;
    bool RadioButtonTemp = false;
    bool CheckBox1LCD_ON = false;
    bool RadioButtonTestMode = false;

    // Option word (the remaining bits are above: scale, reading rhythm, sensors)
    bool CheckBoxFunk = false;
    bool CheckBoxEinmessMode = false;
    bool CheckBoxFunkTraegerON = false;

    // Measurement-free months May .. August
    std::array<bool, 4> freeMonths{true, true, true, true};

    // Radio: send mask, times, key, manufacturer
    QString LabelZyklusNr = QStringLiteral("0");
    QString EditAESKEY;
    bool CheckBoxAutoAES = false;
    QString EditManCode = QStringLiteral("QLM");

    // Schedule calculation

    // State that follows from the values above (refreshDerived) or from the device record
    QString RadioButton_Funk_S1Caption = QStringLiteral("WMBUS S1");
    bool EditKQEnabled = false;
    bool Edit1TempOffsetEnabled = false;
    bool EditAESKEYEnabled = false;
    bool CheckBoxAESM7Enabled = false;
    bool identityEditsEnabled = false; // Edit1GeraeteID, EditFunkID, Edit1BattJahr, Edit1BattMon
    bool GroupBoxFunkVisible = false;
    bool GroupBoxTestmodeRed = false;
};

// Control names of the repeated boxes, in bit order.
extern const std::array<const char*, 7> kWeekdayShownBoxes; // CheckBoxMo .. CheckBoxSo
extern const std::array<const char*, 4> kFreeMonthBoxes;    // CheckBoxMFmai .. CheckBoxMFaug

// Names of the value, month and year edits of month-table row i (0..17): Edit1Wert1 for the
// first row, Edit<i+1>Wert after it.
QString monthValueEditName(int row);
QString monthMonthEditName(int row);
QString monthYearEditName(int row);

} // namespace kvq::hca
