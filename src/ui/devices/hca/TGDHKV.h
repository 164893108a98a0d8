#pragma once
// "Gerätedaten FALKOII": the heat cost allocator's device-data window. It reads the device record,
// shows every field, lets the technician edit it and writes it back (read, merge, write); it carries
// the transmission schedule, the presets and the service commands.

#include "core/devices/hca/HcaForm.h"
#include "core/devices/hca/HcaFormMapping.h"
#include "core/devices/hca/HcaFrames.h"
#include "link/LinkWindows.h"
#include "ui/devices/common/DeviceWindow.h"
#include "ui/devices/common/FormBinder.h"

#include <functional>
#include <memory>

namespace Ui {
class TGDHKVForm;
}

namespace kvq {

class TFormBestellung;

class TGDHKV : public DeviceWindow {
    Q_OBJECT
public:
    // Without a channel the window talks to the device through the main window's link.
    TGDHKV(ToolHost& host, QWidget* parent = nullptr, DeviceChannel* channel = nullptr);
    ~TGDHKV() override;

    ToolKind kind() const override { return ToolKind::HKVData; }
    QSize sizeHint() const override;
    void afterOpen() override;
    void ShowRecord() override;

    // Operations of the read-merge-write cycle and their answers.
    void ButtonHoleDatenClick();
    void Button1SendeDatenClick();
    void MergeAfterRead();
    // Controls to record; false (with a message, record unchanged) when an input does not fit.
    bool ReadForm();
    bool collectRecord() override { return ReadForm(); }
    void Button2VorEinstClick();
    void FillDateTime();
    void DeriveDeviceKey();
    void sDateEdit1CloseUp();
    void Button1Click();
    void serviceCommand(hca::ServiceCommand command);

    bool sensorTestActive() const override { return sensorTest_; }
    const hca::Record& pendingRecord() const { return pending_; }
    void showSensorTimers(int referenceTimer, int sensor1Timer, int sensor2Timer) override;

    // "Vergleich zur Bestellung", made on the first "Bestell Check" and kept with this window.
    TFormBestellung& orderWindow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    Frame readFrame() const override;
    int readProgressMaximum() const override;
    void beforeRead() override;
    bool takeWrite() override;
    std::optional<Frame> mergeWrite() override;
    void acknowledgedByDevice() override;

private:
    void buildControls();
    void bindControls();
    void connectHandlers();
    void FormCreate();

    // Form state to and from the widgets.
    void collect();
    void apply();
    // Runs a rule on the form as the widgets hold it and shows the outcome.
    void update(const std::function<void(hca::HcaForm&)>& rule);
    hca::KeyDerivation keyDerivation() const;
    bool readFormWith(const hca::KeyDerivation& derive);

    template <class T = QWidget> T* control(const char* name) const {
        return requireWidget<T>(*this, QString::fromLatin1(name));
    }

    std::unique_ptr<Ui::TGDHKVForm> ui_;
    hca::HcaForm form_;
    FormBinder<hca::HcaForm> binder_;
    hca::Record pending_{};
    bool sensorTest_ = false;
    bool applying_ = false;
    bool reportingMeterConflict_ = false; // the message box itself ends the editing once more
    TFormBestellung* orderWindow_ = nullptr;
};

// The factory the main window's menu entry "Gerätedaten EHKV" uses.
ToolWindow* createHkvDataWindow(ToolHost& host, QWidget* parent);

} // namespace kvq
