#pragma once
// "Geräte- und Parameterdaten Funkaufsatzmodul für Veltrimus Wasserzähler", the installer's view:
// the module's settings are changed group by group, each with its own short write that touches only
// that group's bytes; "Sende RF", "Sende ST" and "RESET" run chains of requests, each sent when the
// module acknowledged the one before. Four setup variants of the send mask are kept in
// "RadiovariantenFAM.ini", and a schedule that draws more than the battery holds is warned about.

#include "core/devices/watermodule/WzForm.h"
#include "core/devices/watermodule/WzParamRequests.h"
#include "core/devices/watermodule/WzSchedule.h"
#include "ui/devices/common/DeviceWindow.h"
#include "ui/devices/common/FormBinder.h"

#include <array>
#include <memory>

class QLineEdit;
class QTimer;

namespace Ui {
class TPDWZBRAM;
}

namespace kvq {

class TPDWZBRAM : public DeviceWindow {
    Q_OBJECT
public:
    // Without a channel the window talks to the module through the main window's link.
    TPDWZBRAM(ToolHost& host, QWidget* parent = nullptr, DeviceChannel* channel = nullptr);
    ~TPDWZBRAM() override;

    ToolKind kind() const override { return ToolKind::WZParam; }
    QSize sizeHint() const override;
    void ShowRecord() override { ShowImage(); }
    void ShowImage();
    // Controls to image; false (with a message naming the field, image unchanged) when an input
    // does not fit.
    bool CollectFormToImage();
    bool collectRecord() override { return CollectFormToImage(); }

    void ButtonHoleDatenClick();
    void GetHistoryClick();
    // A group button: its write or change, and the chain that follows its acknowledgement.
    void sendGroup(wz::ParamRequest request);
    void SetCurrentTime();
    void Timer1Timer();
    // "Variante n" and its save button, n = 1..4.
    void loadVariant(int number);
    void saveVariant(int number);

    // The chain continues on the acknowledgement, or ends with it.
    void OnWriteAck() override;
    QString awaitedStep() const override;
    int AckStep() const { return chain_.AckStep(); }
    double ChargePerTelegram() const;
    const wz::ScheduleCache& scheduleCache() const { return scheduleCache_; }

protected:
    Frame readFrame() const override { return wz::buildReadRequest(); }
    int readProgressMaximum() const override { return wz::kReadProgressMax; }
    void beforeRead() override;
    // Nothing is written after a read: every group has its own request.
    bool takeWrite() override { return false; }
    std::optional<Frame> mergeWrite() override { return std::nullopt; }

private:
    void buildVariantRows();
    void bindForm();
    void connectHandlers();
    void update(const std::function<void(wz::WzForm&)>& rule);
    void apply();
    void sendChained(wz::ParamRequest request);
    std::array<QString, 4> descriptions() const;

    std::unique_ptr<Ui::TPDWZBRAM> ui_;
    FormBinder<wz::WzForm> binder_;
    wz::WzForm form_;
    wz::ScheduleCache scheduleCache_;
    wz::AckChain chain_;
    std::array<QLineEdit*, 4> EditVar{};
    QString variantFile_;
    QTimer* Timer1 = nullptr;
};

// The factory the main window's menu entry "Parameterdaten WZ" uses.
ToolWindow* createWzParamWindow(ToolHost& host, QWidget* parent);

} // namespace kvq
