#pragma once
// "Parametrierdaten": the installer's view of the heat cost allocator. It shows and writes only what an
// installer may set (start and reading month, scale, measurement-free months, send mask, protocol, AES,
// radio ID, four stored radio setups), asks before the first write of the window, refuses to write to
// another allocator than the one read last and can log every written scale configuration.

#include "core/devices/hca/HcaParamForm.h"
#include "ui/devices/common/DeviceWindow.h"
#include "ui/devices/common/FormBinder.h"

#include <array>
#include <functional>
#include <memory>

class QTimer;

namespace Ui {
class TForm1ParametrierdatenForm;
}

namespace kvq {

class TForm1Parametrierdaten : public DeviceWindow {
    Q_OBJECT
public:
    // Without a channel the window talks to the device through the main window's link.
    TForm1Parametrierdaten(ToolHost& host, QWidget* parent = nullptr, DeviceChannel* channel = nullptr);
    ~TForm1Parametrierdaten() override;

    ToolKind kind() const override { return ToolKind::HKVParam; }
    QSize sizeHint() const override;

    void ShowRecord() override;
    void afterOpen() override;
    bool collectRecord() override { return readForm(); }
    void requestFailed() override;

    void ButtonHoleDatenClick();
    void Button1SendeDatenClick();
    void ButtonLagerModeClick();
    void Button1ResetErrorClick();
    void Timer1Timer();
    void ButtonSVClick(int number);         // 1 .. 4
    void SpeedButtonSaveVClick(int number); // 1 .. 4

    bool writeConfirmed() const { return writeConfirmed_; }
    const hca::Record& pendingRecord() const { return pending_; }
    const QString& writeLogPath() const { return logPath_; }

protected:
    Frame readFrame() const override;
    int readProgressMaximum() const override;
    void beforeRead() override;
    bool takeWrite() override;
    std::optional<Frame> mergeWrite() override;
    void acknowledgedByDevice() override;

private:
    void buildVariantRows();
    void bindControls();
    void connectHandlers();
    void FormCreate();

    hca::Record& image();
    bool extendedFirmware() const;
    void collect() { binder_.collect(form_); }
    void apply();
    void update(const std::function<void(hca::ParamForm&)>& rule);
    // Controls to record; false (with a message, record unchanged) when an input does not fit.
    bool readForm();
    QString hiddenText(const char* label) const;

    std::unique_ptr<Ui::TForm1ParametrierdatenForm> ui_;
    hca::ParamForm form_;
    FormBinder<hca::ParamForm> binder_;
    QTimer* timer1_ = nullptr;
    hca::Record pending_{};
    bool writeConfirmed_ = false;
    bool writeSent_ = false; // the acknowledgement that follows is the write's, not a command's
    bool applying_ = false;
    // The read asks for the 161 bytes a write carries, without the serial number: the serial number of
    // the image is kept only while the same allocator answers.
    std::optional<std::array<std::uint8_t, 4>> idBeforeRead_;
    QString logPath_; // empty: no write log (its folder could not be made)
};

// The factory the main window's menu entry "Parameterdaten EHKV" uses.
ToolWindow* createHkvParamWindow(ToolHost& host, QWidget* parent);

} // namespace kvq
