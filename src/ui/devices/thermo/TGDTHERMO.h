#pragma once
// "Gerätedaten WMBus Therm": the radio thermometer's device-data window. It is the allocator's window
// on the thermometer's record: the same read, merge and write, identity, clock, send mask, AES and
// service commands, with the temperatures in place of the allocator's values and its own frames.

#include "core/devices/thermo/ThermoForm.h"
#include "ui/devices/common/FormBinder.h"
#include "ui/devices/hca/HcaLayoutWindow.h"

#include <memory>

namespace Ui {
class TGDTHERMOForm;
}

namespace kvq {

class TGDTHERMO : public HcaLayoutWindow {
    Q_OBJECT
public:
    // Without a channel the window talks to the device through the main window's link.
    TGDTHERMO(ToolHost& host, QWidget* parent = nullptr, DeviceChannel* channel = nullptr);
    ~TGDTHERMO() override;

    ToolKind kind() const override { return ToolKind::ThermoData; }
    QSize sizeHint() const override;

protected:
    hca::HcaForm& form() override { return form_; }
    hca::Record& image() override;
    const hca::RecordMapping& mapping() const override;
    void applyPresets() override;
    void collect() override { binder_.collect(form_); }
    void applyControls() override { binder_.apply(form_); }

private:
    std::unique_ptr<Ui::TGDTHERMOForm> ui_;
    thermo::ThermoForm form_;
    FormBinder<thermo::ThermoForm> binder_;
};

// The factory of the main window's menu entry "Gerätedaten WMTHERMO".
ToolWindow* createThermoDataWindow(ToolHost& host, QWidget* parent);

} // namespace kvq
