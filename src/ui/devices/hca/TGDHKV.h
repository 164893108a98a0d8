#pragma once
// "Gerätedaten FALKOII": the heat cost allocator's device-data window. It reads the device record,
// shows every field, lets the technician edit it and writes it back (read, merge, write); it carries
// the transmission schedule, the presets and the service commands.

#include "core/devices/hca/HcaForm.h"
#include "ui/devices/common/FormBinder.h"
#include "ui/devices/hca/HcaLayoutWindow.h"

#include <functional>
#include <memory>

namespace Ui {
class TGDHKVForm;
}

namespace kvq {

class TFormBestellung;

class TGDHKV : public HcaLayoutWindow {
    Q_OBJECT
public:
    // Without a channel the window talks to the device through the main window's link.
    TGDHKV(ToolHost& host, QWidget* parent = nullptr, DeviceChannel* channel = nullptr);
    ~TGDHKV() override;

    ToolKind kind() const override { return ToolKind::HKVData; }
    QSize sizeHint() const override;

    void sDateEdit1CloseUp();
    void Button1Click();

    // "Vergleich zur Bestellung", made on the first "Bestell Check" and kept with this window.
    TFormBestellung& orderWindow();

protected:
    hca::HcaForm& form() override { return form_; }
    hca::Record& image() override;
    bool extendedFirmware() const override;
    const hca::RecordMapping& mapping() const override;
    void applyPresets() override;
    void collect() override { binder_.collect(form_); }
    void applyControls() override { binder_.apply(form_); }

private:
    void buildControls();
    void bindControls();
    void connectHandlers();
    void FormCreate();

    template <class T = QWidget> T* control(const char* name) const {
        return requireWidget<T>(*this, QString::fromLatin1(name));
    }

    std::unique_ptr<Ui::TGDHKVForm> ui_;
    hca::HcaForm form_;
    FormBinder<hca::HcaForm> binder_;
    bool reportingMeterConflict_ = false; // the message box itself ends the editing once more
    TFormBestellung* orderWindow_ = nullptr;
};

// The factory the main window's menu entry "Gerätedaten EHKV" uses.
ToolWindow* createHkvDataWindow(ToolHost& host, QWidget* parent);

} // namespace kvq
