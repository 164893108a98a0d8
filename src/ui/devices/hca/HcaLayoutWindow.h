#pragma once
// A device-data window on a record with the heat cost allocator's layout (the allocator's own, the
// radio thermometer's): the read, merge and write with their frames, presets, clock, key derivation,
// ID advance and service commands, on the allocator's form rules. A window gives its form, its record
// image, its table mapping and its frame bytes, and wires its own controls.

#include "core/devices/hca/HcaForm.h"
#include "core/devices/hca/HcaFormMapping.h"
#include "core/devices/hca/HcaFrames.h"
#include "ui/devices/common/DeviceWindow.h"

#include <functional>

namespace kvq {

class HcaLayoutWindow : public DeviceWindow {
    Q_OBJECT
public:
    void ShowRecord() override;
    void afterOpen() override;

    void ButtonHoleDatenClick();
    void Button1SendeDatenClick();
    void MergeAfterRead();
    // Controls to record; false (with a message, record unchanged) when an input does not fit.
    bool ReadForm();
    // Before the record is saved to a file.
    bool collectRecord() override { return ReadForm(); }
    void Button2VorEinstClick();
    void FillDateTime();
    void DeriveDeviceKey();
    void serviceCommand(hca::ServiceCommand command);

    bool sensorTestActive() const override { return sensorTest_; }
    void showSensorTimers(int referenceTimer, int sensor1Timer, int sensor2Timer) override;
    const hca::Record& pendingRecord() const { return pending_; }

protected:
    // The record's frame bytes: read and write command, sub-address of the service commands.
    struct Commands {
        std::uint8_t read;
        std::uint8_t write;
        std::uint8_t serviceSub;
    };
    HcaLayoutWindow(ToolHost& host, QWidget* parent, DeviceChannel* channel, Commands commands);

    // The window's form, its record image and how the two meet.
    virtual hca::HcaForm& form() = 0;
    virtual hca::Record& image() = 0;
    virtual bool extendedFirmware() const { return false; }
    virtual const hca::RecordMapping& mapping() const = 0;
    virtual void applyPresets() = 0;
    // Widgets to form and form to widgets: the window's binder.
    virtual void collect() = 0;
    virtual void applyControls() = 0;
    // Form to widgets with what follows from the values, without running the handlers.
    void apply();

    // Collects the form, runs the rule (none: only what follows from the values) and shows the form.
    void update(const std::function<void(hca::HcaForm&)>& rule);
    // Connects the buttons of the read, write, presets and service commands, the shared controls and
    // the send mask.
    void connectCommonHandlers();

    Frame readFrame() const override;
    int readProgressMaximum() const override;
    void beforeRead() override;
    bool takeWrite() override;
    std::optional<Frame> mergeWrite() override;
    void acknowledgedByDevice() override;

private:
    bool readFormWith(const hca::KeyDerivation& derive);

    Commands commands_;
    hca::Record pending_{};
    bool sensorTest_ = false;
    bool applying_ = false;
};

} // namespace kvq
