#pragma once
// "Geräte- und Parameterdaten Funkaufsatzmodul für Veltrimus Wasserzähler": the water-meter radio
// module's device-data window. It reads the module's image and its reset history, shows every field,
// writes the edited image back, sends the service commands as single-byte changes of the image and
// computes the transmission schedule and its battery charge.

#include "core/devices/common/FieldTable.h"
#include "core/devices/watermodule/WzForm.h"
#include "core/devices/watermodule/WzFrames.h"
#include "core/devices/watermodule/WzSchedule.h"
#include "ui/devices/common/DeviceWindow.h"
#include "ui/devices/common/FormBinder.h"

#include <functional>
#include <memory>

class QTimer;

namespace Ui {
class TGDWZBRAM;
}

namespace kvq {

class TFormBestellungWZ;

class TGDWZBRAM : public DeviceWindow {
    Q_OBJECT
public:
    // Without a channel the window talks to the module through the main window's link.
    TGDWZBRAM(ToolHost& host, QWidget* parent = nullptr, DeviceChannel* channel = nullptr);
    ~TGDWZBRAM() override;

    ToolKind kind() const override { return ToolKind::WZData; }
    QSize sizeHint() const override;
    // The answer is in the record: show the image.
    void ShowRecord() override { ShowImage(); }
    void ShowImage();
    // Controls to image; false (with a message naming the field, image unchanged) when an input
    // does not fit. Also used before the image is saved to a file.
    bool CollectFormToImage();
    bool collectRecord() override { return CollectFormToImage(); }

    void ButtonHoleDatenClick();
    void GetHistoryClick();
    void Button1SendeDatenClick();
    void sendChange(wz::WzCommand command);
    void ButtonBootLClick();
    void Button2VorEinstClick();
    void ButtonBestellcheckClick();
    void SetCurrentTime();
    void Timer1Timer();

    // Set while the firmware update window is open: requests go out without the wake-up preamble and
    // the received bytes are the bootloader's.
    bool NoPreamble() const { return bootLoader_ != nullptr; }
    BootloaderByteSink* bootloaderByte() override { return bootLoader_; }
    // Set while the sensor window is open: the received bytes are its stream.
    bool SensorWindowOpen() const { return sensorWindow_ != nullptr; }
    SensorStreamSink* sensorStream() override { return sensorWindow_; }
    // The sensor window tells when it opens and when it has closed.
    void setSensorWindowOpen(SensorStreamSink* window) { sensorWindow_ = window; }
    // "Messdaten AN": the module starts its stream, and the sensor window opens unless it is open.
    void ButtonMessdatenANClick();
    // The module's image as the last answer or the sensor stream left it.
    wz::Image& moduleImage();
    bool SendInProgress() const { return sendInProgress_; }
    const wz::ScheduleCache& scheduleCache() const { return scheduleCache_; }

    // Shows the firmware update window modally and points the given sink at it while it is open; by
    // default the program's own.
    using FirmwareWindow = std::function<void(BootloaderByteSink*& openWindow)>;
    void setFirmwareWindow(FirmwareWindow showModal) { firmwareWindow_ = std::move(showModal); }
    // "Vergleich zur Bestellung", made on the first "Bestell Check" and kept with this window.
    TFormBestellungWZ& orderWindow();
    // Shows the sensor window modally; by default the program's own.
    void setSensorWindow(std::function<void()> showModal) { sensorWindowShow_ = std::move(showModal); }

protected:
    Frame readFrame() const override { return wz::buildReadRequest(); }
    int readProgressMaximum() const override { return wz::kReadProgressMax; }
    void beforeRead() override;
    // The module is written directly ("Sende Daten"), never after a read.
    bool takeWrite() override { return false; }
    std::optional<Frame> mergeWrite() override { return std::nullopt; }
    void acknowledgedByDevice() override;

private:
    void bindForm();
    void connectHandlers();
    // Runs a rule on the form as the widgets hold it and shows the outcome.
    void update(const std::function<void(wz::WzForm&)>& rule);
    void apply();
    void reportInputError(const InputError& error);
    void checkReadings();

    std::unique_ptr<Ui::TGDWZBRAM> ui_;
    FormBinder<wz::WzForm> binder_;
    wz::WzForm form_;
    wz::ScheduleCache scheduleCache_;
    BootloaderByteSink* bootLoader_ = nullptr;
    SensorStreamSink* sensorWindow_ = nullptr;
    std::function<void()> sensorWindowShow_;
    bool sendInProgress_ = false;
    bool reportingReadings_ = false;
    QTimer* Timer1 = nullptr;
    FirmwareWindow firmwareWindow_;
    TFormBestellungWZ* orderWindow_ = nullptr;
};

// The factory the main window's menu entry "Gerätedaten WZ" uses.
ToolWindow* createWzDataWindow(ToolHost& host, QWidget* parent);

} // namespace kvq
