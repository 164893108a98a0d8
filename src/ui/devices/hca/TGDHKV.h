#pragma once
// "Gerätedaten FALKOII": the heat cost allocator's device-data window. It reads the device record,
// shows every field, lets the technician edit it and writes it back (read, merge, write); it carries
// the transmission schedule, the presets and the service commands.

#include "core/devices/hca/HcaForm.h"
#include "core/devices/hca/HcaFormMapping.h"
#include "core/devices/hca/HcaFrames.h"
#include "link/LinkWindows.h"
#include "ui/app/ToolWindow.h"
#include "ui/devices/hca/HcaDeviceChannel.h"

#include <QHash>
#include <functional>
#include <memory>

class QAbstractButton;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QTimeEdit;

namespace kvq {

class TGDHKV : public ToolWindow, public DeviceByteSink, public AcknowledgementHandler, public ReadFollowUp {
    Q_OBJECT
public:
    // Without a channel the window talks to the device through the main window's link.
    TGDHKV(ToolHost& host, QWidget* parent = nullptr, HcaDeviceChannel* channel = nullptr);
    ~TGDHKV() override;

    ToolKind kind() const override { return ToolKind::HKVData; }
    // The roles the link asks for.
    DeviceByteSink* deviceByteSink() override { return this; }
    AcknowledgementHandler* acknowledgement() override { return this; }
    ReadFollowUp* readFollowUp() override { return this; }
    // After a valid read the merged record goes out, when a write is pending and the window is shown.
    void afterValidRead() override;
    QSize sizeHint() const override;
    void afterOpen() override;
    void ShowRecord() override;

    // Operations of the read-merge-write cycle and their answers.
    void ButtonHoleDatenClick();
    void Button1SendeDatenClick();
    void MergeAfterRead();
    void WriteRecord();
    void OnWriteAck() override;
    // Controls to record; false (with a message, record unchanged) when an input does not fit.
    bool ReadForm();
    void Button2VorEinstClick();
    void FillDateTime();
    void DeriveDeviceKey();
    void sDateEdit1CloseUp();
    void Button1Click();
    void serviceCommand(hca::ServiceCommand command);
    void BerechneAnzSendungen();

    bool sendPending() const { return sendPending_; }
    bool sensorTestActive() const override { return sensorTest_; }
    const hca::Record& pendingRecord() const { return pending_; }

    // Receive (Memo1) and transmit (Memo2) logs, written by the link.
    void clearLinkLogs() override;
    void appendTxLog(const QString& hexText) override;
    void appendRxLog(const QString& hexText) override;
    QString rxLogText() const override;
    int rxLogLineCount() const override;
    void clearRxLog() override;
    void showSensorTimers(int referenceTimer, int sensor1Timer, int sensor2Timer) override;

    // "Bestell Check" opens the order comparison when one is installed; the button stays disabled until then.
    void setOrderCheck(std::function<void(TGDHKV&)> open);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void connectHandlers();
    void FormCreate();
    void FormClose();

    // Form state to and from the widgets.
    void collect();
    void apply();
    // Runs a rule on the form as the widgets hold it and shows the outcome.
    void update(const std::function<void(hca::HcaForm&)>& rule);
    hca::KeyDerivation keyDerivation() const;
    bool readFormWith(const hca::KeyDerivation& derive);
    void startRead();

    QWidget* control(const QString& name) const { return controls_.value(name); }
    QLineEdit* edit(const QString& name) const;
    QAbstractButton* button(const QString& name) const;
    QLabel* label(const QString& name) const;
    void addControl(QWidget* w);

    HcaDeviceChannel& channel();

    hca::HcaForm form_;
    hca::Record pending_{};
    bool sendPending_ = false;
    bool sensorTest_ = false;
    hca::Frame frame_; // the last frame built
    QHash<QString, QWidget*> controls_;
    // The 18 rows of the month table: value, month and year edit of each.
    struct MonthRowEdits {
        QLineEdit* value;
        QLineEdit* month;
        QLineEdit* year;
    };
    std::array<MonthRowEdits, 18> monthRows_{};
    QPlainTextEdit* Memo1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    bool applying_ = false;
    bool reportingMeterConflict_ = false; // the message box itself ends the editing once more
    std::function<void(TGDHKV&)> orderCheck_;
    HcaDeviceChannel* channel_ = nullptr;
    std::unique_ptr<HcaDeviceChannel> ownChannel_;
};

// The factory the main window's menu entry "Gerätedaten EHKV" uses.
ToolWindow* createHkvDataWindow(ToolHost& host, QWidget* parent);

} // namespace kvq
