#pragma once
// The state of the water-meter module's device-data form, control by control, without a window.
// Members carry the control names; the window copies them to and from its widgets, and every rule
// of the form (image mapping, input consistency, presets) works on this state.

#include "core/devices/common/SendMaskForm.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QTime>
#include <array>

namespace kvq::wz {

struct MonthRow {
    QString value = QStringLiteral("0"); // Edit1Wert1, Edit2Wert .. Edit18Wert
    QString month = QStringLiteral("0"); // Edit<n>WertMon
    QString year = QStringLiteral("0");  // Edit<n>WertJahr
};

struct HistoryCells {
    QString date;
    QString resetCount;
};

struct WzForm {
    // "ID's"
    QString EditSerienNR = QStringLiteral("00000000");
    QString Edit1GeraeteID = QStringLiteral("00000000");
    QString EditFunkID = QStringLiteral("00000000");

    // "Fehlerbits" (bits 8..15 of word 18) and the leak report
    bool CheckBox1MessFehler = false, CheckBox1Sabotage = false, CheckBox1LowBatt = false,
         CheckBox1CSfehler = false, CheckBoxHFError = false, CheckBoxRESET = false,
         CheckBox1StillFehler = false, CheckBox1RueckFehler = false;
    bool CheckBox1Leck = false;
    QString LabelFehlerdatum = QCoreApplication::translate("WzForm", "Fehlerdatum:");

    // "Sendemaske"
    std::array<bool, 12> sendMonths{};
    std::array<bool, 5> sendWeeks{};
    std::array<bool, 7> sendDays{};
    int CSpinEditStart = 0;
    int CSpinEditStop = 1;
    int CSpinEditZZ = 2;
    int CSpinEditV = 1;
    bool CheckBoxMon = false, CheckBoxTag = false, CheckBoxWo = false, CheckBoxStd = false,
         CheckBoxFenster = false;
    bool RadioButton_Funk_S1 = true;
    bool RadioButton_Funk_T1 = false;
    bool CheckBoxShortProt = false;
    QString EditAESKEY = QStringLiteral("00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
    bool CheckBoxAESenable = false;
    bool CheckBoxAutoAES = true;
    QString EditManCode;
    QString LabelSWV = QStringLiteral("0.0.0");
    QString LabelZyklusNr = QStringLiteral("0");
    QString LabelAnzTage, LabelAnzSendungen, LabelmAh1, LabelmAh11;
    QString EditLadung = QStringLiteral("0,3");
    QString EditLadungmax = QStringLiteral("600");

    // "Geräteoptionen"
    int CSpinEditSaboStart = 1;
    int CSpinEditRueckGrenze = 1;
    int CSpinEditMaxStillstand = 1;
    int CSpinEditPulsmass = 1;
    int CSpinEditAnlaufDurchfluss = 1;
    int CSpinEditMaxLeckstunden = 1;

    // "Optionale Kommandos" and "Testmode"
    QString EditTS1 = QStringLiteral("0");
    QString EditTS2 = QStringLiteral("0");
    bool CheckBoxFunk = true;
    bool CheckBoxSensortest = false;
    bool CheckBoxFunkTest = false;
    bool CheckBoxMessDatenAusgabe = false;
    bool RadioButtonLED_Puls = false;
    bool RadioButtonSenden = false;
    bool RadioButtonLED_AUS = true;

    // Module clock; the weekday boxes Mo .. So show byte 30
    QDate sDateEdit1 = QDate(2000, 1, 1);
    QTime sTimePicker1 = QTime(0, 0, 0);
    std::array<bool, 7> weekdayShown{};
    QString sLabelTime;

    // "Zählerstände/Verbräuche"
    std::array<MonthRow, 18> monthRows;
    QString Edit1Zaehlerst = QStringLiteral("0");
    QString Edit1ZaehlerstVorj = QStringLiteral("0");
    QString LabelStichdatum;
    QString Edit1Temperatur = QStringLiteral("0");
    bool RadioButtonSTMon = false;
    bool RadioButtonSTJahr = true;
    int ComboBoxStichTag = 0; // item index = due-date month - 1

    // "Gespeicherte Historie"
    std::array<HistoryCells, 10> History;

    // "Batt.Lebenszeit"
    QString Edit1BattMon = QStringLiteral("0");
    QString Edit1BattJahr = QStringLiteral("0");

    // "Optionen und Verhalten dieses Fensters"
    bool CheckBoxAutoTime = true;
    bool CheckBox1AutoSerNr = false;
    bool CheckBox1keineSNrueberschr = true;

    // State that follows from the values above (refreshDerived)
    bool identityEditsEnabled = false; // Edit1GeraeteID, EditFunkID, Edit1BattMon, Edit1BattJahr
    bool EditAESKEYEnabled = false;
    bool CheckBoxShortProtEnabled = false;
    bool GroupBoxSendemaskeVisible = true;
    bool GroupBoxTestmodeRed = false;
    bool GroupBoxHaeufigkeitenRed = false;
};

// Control names of the weekday boxes of the module clock, in bit order; the send-mask boxes are
// those of every device with a radio (SendMaskForm).
extern const std::array<const char*, 7> kWeekdayShownBoxes; // CheckBoxMo .. CheckBoxSo

// Names of the value, month and year edits of monthly row i (0..17): Edit1Wert1 for the first row,
// Edit<i+1>Wert after it.
QString monthValueEditName(int row);
QString monthMonthEditName(int row);
QString monthYearEditName(int row);

} // namespace kvq::wz
