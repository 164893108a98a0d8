#include "core/devices/watermodule/WzForm.h"

namespace kvq::wz {

const std::array<const char*, 7> kWeekdayShownBoxes = {
    "CheckBoxMo", "CheckBoxDie", "CheckBoxMitt", "CheckBoxDo", "CheckBoxFr", "CheckBoxSa", "CheckBoxSo"};
const std::array<const char*, 12> kSendMonthBoxes = {
    "CheckBoxJan", "CheckBoxFeb", "CheckBoxMrz", "CheckBoxApr", "CheckBoxMai", "CheckBoxJun",
    "CheckBoxJul", "CheckBoxAug", "CheckBoxSe",  "CheckBoxOkt", "CheckBoxNov", "CheckBoxDe"};
const std::array<const char*, 5> kSendWeekBoxes = {"CheckBoxW1", "CheckBoxW2", "CheckBoxW3", "CheckBoxW4",
                                                   "CheckBoxW5"};
const std::array<const char*, 7> kSendDayBoxes = {
    "CheckBoxMontag",  "CheckBoxDienstag",  "CheckBoxMittwoch", "CheckBoxDonnerstag",
    "CheckBoxFreitag", "CheckBoxSonnabend", "CheckBoxSonntag"};

QString monthValueEditName(int row) {
    return row == 0 ? QStringLiteral("Edit1Wert1") : QStringLiteral("Edit%1Wert").arg(row + 1);
}

QString monthMonthEditName(int row) {
    return QStringLiteral("Edit%1WertMon").arg(row + 1);
}

QString monthYearEditName(int row) {
    return QStringLiteral("Edit%1WertJahr").arg(row + 1);
}

} // namespace kvq::wz
