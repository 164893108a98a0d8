#pragma once
// What the module's device-data and parameter windows have alike: the 18 monthly rows, the reset
// history grid, the key edit's input, and the identity, clock and key controls beside the table.

#include "core/devices/watermodule/WzForm.h"
#include "ui/devices/common/FormBinder.h"

#include <QValidator>
#include <functional>

class QTableWidget;

namespace kvq {

// Hex digits (lower case taken as upper case) and blanks, as the key is typed.
class WzKeyValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// Two blocks of nine monthly rows (value, month, year) inside container, named as the table names them.
void buildWzMonthRows(QWidget& container);
// Header "Date" / "Reset Count" and the row heights.
void setupWzHistoryGrid(QTableWidget& grid);
void showWzHistory(QTableWidget& grid, const wz::WzForm& form);

// Binds the device and radio ID, battery year, key, the error date, version, due date and zone labels
// and the module clock, and gives the ID and number edits their input filters.
void bindWzModuleControls(FormBinder<wz::WzForm>& binder, QWidget& window);

// Runs a rule on the form as the widgets hold it and shows the outcome.
using WzUpdate = std::function<void(void (*rule)(wz::WzForm&))>;
// Wires the send-mask boxes, the protocol choice, the daily window, cycle and variance, and the
// device ID (the radio ID follows it) to their rules.
void connectWzSendMask(QWidget& window, const WzUpdate& update);

} // namespace kvq
