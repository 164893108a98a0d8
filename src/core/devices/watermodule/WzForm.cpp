#include "core/devices/watermodule/WzForm.h"

namespace kvq::wz {

const std::array<const char*, 7> kWeekdayShownBoxes = {
    "CheckBoxMo", "CheckBoxDie", "CheckBoxMitt", "CheckBoxDo", "CheckBoxFr", "CheckBoxSa", "CheckBoxSo"};
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
