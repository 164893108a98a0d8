#pragma once
// The "Sendemaske" group as every device window with a radio shows it: the send months, weeks and
// weekdays, the daily window, cycle and variance, the radio protocol and the short telegram, and the
// "berechnete Häufigkeiten" that follow from them. Members carry the control names; a device form
// derives from it, and the family's SendMaskLayout says where the values sit in its record.

#include <QString>
#include <array>

namespace kvq {

struct SendMaskForm {
    std::array<bool, 12> sendMonths{}; // CheckBoxJan .. CheckBoxDe
    std::array<bool, 5> sendWeeks{};   // CheckBoxW1 .. CheckBoxW5
    std::array<bool, 7> sendDays{};    // CheckBoxMontag .. CheckBoxSonntag
    int CSpinEditStart = 0;
    int CSpinEditStop = 1;
    int CSpinEditZZ = 100;
    int CSpinEditV = 100;
    bool RadioButton_Funk_S1 = true;
    bool RadioButton_Funk_T1 = false;
    bool CheckBoxShortProt = true;
    bool CheckBoxShortProtEnabled = false;
    bool CheckBoxAESenable = false;
    // Firmware that sends S1 as C1 and may send the long telegram with it.
    bool extendedFirmware = false;
    // A device that always sends the short telegram, whatever the protocol.
    bool alwaysShort = false;

    // Charge per telegram (mAs) and battery capacity (mAh), and the results.
    QString EditLadung = QStringLiteral("0,3");
    QString EditLadungmax = QStringLiteral("390");
    QString LabelAnzTage, LabelAnzSendungen, LabelmAh1, LabelmAh11;
    bool GroupBox16Red = false; // the capacity does not last 11 years
};

// Control names of the send-mask boxes, in bit order.
extern const std::array<const char*, 12> kSendMonthBoxes; // CheckBoxJan .. CheckBoxDe
extern const std::array<const char*, 5> kSendWeekBoxes;   // CheckBoxW1 .. CheckBoxW5
extern const std::array<const char*, 7> kSendDayBoxes;    // CheckBoxMontag .. CheckBoxSonntag

// The schedule results of the send mask, times and charges (a cycle time of 0 becomes 1).
void updateSchedule(SendMaskForm& f);
// RadioButton_Funk_T1Click / RadioButton_Funk_S1Click: the charge per telegram and the short box follow.
void onProtocolSelected(SendMaskForm& f, bool t1);
void onShortProtClick(SendMaskForm& f);
// The daily window stays non-empty and the variance below the cycle time.
void onStartChange(SendMaskForm& f);
void onStopChange(SendMaskForm& f);
void onCycleOrVarianceChange(SendMaskForm& f);
void onCycleKeyUp(SendMaskForm& f);
void onVarianceKeyUp(SendMaskForm& f);

} // namespace kvq
