#pragma once
// "Abrechendaten EHKV": the meter reader's read-only view of a heat cost allocator at billing time.
// One button reads the record; every valid answer is shown and written as one line to the day's log
// ("heatcount"), which the window keeps open below itself while it is open.

#include "core/devices/hca/HcaBilling.h"
#include "link/LinkWindows.h"
#include "ui/devices/common/DeviceWindow.h"
#include "ui/devices/common/FormBinder.h"
#include "ui/log/TFormDataLog.h"

#include <QPointer>
#include <memory>

namespace Ui {
class TFormAbrechendaten;
}

namespace kvq {

class TFormAbrechendaten : public DeviceWindow, public BillingEvaluator {
    Q_OBJECT
public:
    // Without a channel the window talks to the device through the main window's link.
    TFormAbrechendaten(ToolHost& host, QWidget* parent = nullptr, DeviceChannel* channel = nullptr);
    ~TFormAbrechendaten() override;

    ToolKind kind() const override { return ToolKind::HKVBilling; }
    // Places itself at the top left of the client area and opens the day log below itself.
    void afterOpen() override;
    void ShowRecord() override;
    void ButtonHoleDatenClick();

    // Read only: no write step and no acknowledgement; the billing role instead.
    AcknowledgementHandler* acknowledgement() override { return nullptr; }
    ReadFollowUp* readFollowUp() override { return nullptr; }
    BillingEvaluator* billing() override { return this; }
    // The log line of the record just shown; handed to the day log by dataLogEntry, once.
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
    void bindControls();
    TFormDataLog& openLog(const QString& name);

    std::unique_ptr<Ui::TFormAbrechendaten> ui_;
    FormBinder<hca::BillingView> binder_;
    hca::BillingView view_;
    QStringList pendingLine_;
    QPointer<TFormDataLog> log_;
};

// The factory the main window's menu entry "Abrechendaten EHKV" uses.
ToolWindow* createHkvBillingWindow(ToolHost& host, QWidget* parent);

} // namespace kvq
