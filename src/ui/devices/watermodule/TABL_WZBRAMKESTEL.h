#pragma once
// "Abrechendaten WZ": the meter reader's read-only view of a water-meter radio module. One button reads
// the module; every valid answer is shown and written as one line to the day's log ("flowcount"),
// which the window keeps open below itself while it is open.

#include "core/devices/watermodule/WzReadout.h"
#include "link/LinkWindows.h"
#include "ui/devices/common/DeviceWindow.h"

#include <QPointer>
#include <array>
#include <memory>

class QLineEdit;

namespace Ui {
class TABL_WZBRAMKESTEL;
}

namespace kvq {

class TFormDataLog;

class TABL_WZBRAMKESTEL : public DeviceWindow, public BillingEvaluator {
    Q_OBJECT
public:
    // Without a channel the window talks to the module through the main window's link.
    TABL_WZBRAMKESTEL(ToolHost& host, QWidget* parent = nullptr, DeviceChannel* channel = nullptr);
    ~TABL_WZBRAMKESTEL() override;

    ToolKind kind() const override { return ToolKind::WZReadout; }
    // Places itself at the top left of the client area and opens the day log below itself.
    void afterOpen() override;
    void ShowRecord() override { ShowReadout(); }
    void ShowReadout();
    void ButtonHoleDatenClick();

    // Read only: no write step and no acknowledgement; the billing role instead.
    AcknowledgementHandler* acknowledgement() override { return nullptr; }
    ReadFollowUp* readFollowUp() override { return nullptr; }
    BillingEvaluator* billing() override { return this; }
    // The log line of the readout just shown; handed to the day log by dataLogEntry, once. The
    // window's log is always "flowcount", whatever name the caller has in mind.
    void billingEvaluation() override;
    void dataLogEntry(const QString& name) override;

    TFormDataLog* dataLog() const { return log_; }

protected:
    Frame readFrame() const override;
    int readProgressMaximum() const override;
    bool takeWrite() override { return false; }
    std::optional<Frame> mergeWrite() override { return std::nullopt; }
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMonthRows();
    TFormDataLog& openLog();

    std::unique_ptr<Ui::TABL_WZBRAMKESTEL> ui_;
    // The 18 rows of value, month and year edits, in row order.
    std::array<std::array<QLineEdit*, 3>, wz::off::MonthEntries> rows_{};
    wz::Readout readout_;
    QStringList pendingLine_;
    QPointer<TFormDataLog> log_;
};

// The factory the main window's menu entry "Abrechendaten WZ" uses.
ToolWindow* createWzReadoutWindow(ToolHost& host, QWidget* parent);

} // namespace kvq
