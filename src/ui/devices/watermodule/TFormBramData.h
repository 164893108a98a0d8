#pragma once
// The live view of the water-meter module's two LC sensors while its measurement data output is on:
// both raw values and both detection thresholds as curves, the band width of each sensor over its
// last 300 values, the thresholds to send, and an optional recording of the raw values.

#include "core/devices/watermodule/SensorStream.h"
#include "link/LinkWindows.h"

#include <QDialog>
#include <QList>
#include <QPointF>
#include <array>

class QChart;
class QCheckBox;
class QLabel;
class QLineSeries;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTimer;
class QValueAxis;

namespace kvq {

class TGDWZBRAM;
class UserInteraction;

class TFormBramData : public QDialog, public SensorStreamSink {
    Q_OBJECT
public:
    static constexpr int kMaxPoints = 950;
    static constexpr int kDrawIntervalMs = 40;

    // Sends and changes the module through the device-data window that opens it.
    TFormBramData(TGDWZBRAM& owner, UserInteraction& ui, QWidget* parent = nullptr);
    ~TFormBramData() override;

    void sensorGroup(std::uint8_t marker, std::uint8_t b0, std::uint8_t b1, std::uint8_t b2) override;
    void AddSample(const wz::SensorSample& s);
    void ButtonSendenClick();
    void CheckBoxLogClick(bool checked);

    bool LogOn() const { return logOn_; }
    const QString& logPath() const { return logPath_; }
    int bandWidth(int sensor) const { return bandWidths_[sensor]; }
    // Points of a channel as drawn, and samples still waiting for the next drawing tick.
    int drawnPoints(int channel) const;
    int pendingPoints() const { return int(pending_[0].size()); }
    // Draws what is waiting; the drawing timer calls it.
    void drawPending();

    void done(int result) override;

private:
    void buildControls();
    void record(const wz::SensorSample& s);

    TGDWZBRAM& owner_;
    UserInteraction& ui_;
    QChart* chart_ = nullptr;
    std::array<QLineSeries*, 4> series_{};
    QValueAxis* axisX_ = nullptr;
    std::array<QList<QPointF>, 4> pending_;
    qint64 sampleCount_ = 0;
    QTimer* drawTimer_ = nullptr;
    std::array<wz::BandWidth, 2> histories_;
    std::array<int, 2> bandWidths_{};
    std::array<QProgressBar*, 2> gauges_{};
    std::array<QLabel*, 2> bandLabels_{};
    QSpinBox* SpinEditTHS1 = nullptr;
    QSpinBox* SpinEditTHS2 = nullptr;
    QCheckBox* CheckBoxLog = nullptr;
    bool logOn_ = false;
    bool closed_ = false;
    QString logPath_;
};

} // namespace kvq
