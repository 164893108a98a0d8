#include "ui/devices/watermodule/TFormBramData.h"

#include "core/app/UserInteraction.h"
#include "core/devices/watermodule/WzFrames.h"
#include "ui/devices/watermodule/TGDWZBRAM.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineSeries>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>

namespace kvq {

using namespace wz;

namespace {
constexpr int kThresholdMin = 10, kThresholdMax = 80;
constexpr int kBandMax = 20;
const QColor kSensor1Colour(Qt::cyan); // aqua
const QColor kSensor2Colour(Qt::yellow);
} // namespace

TFormBramData::TFormBramData(TGDWZBRAM& owner, UserInteraction& ui, QWidget* parent)
    : QDialog(parent), owner_(owner), ui_(ui) {
    setObjectName(QStringLiteral("TFormBramData"));
    setWindowTitle(tr("FormBramData"));
    buildControls();
    const Image& im = owner_.moduleImage();
    SpinEditTHS1->setValue(im[off::TS1]);
    SpinEditTHS2->setValue(im[off::TS2]);
    drawTimer_ = new QTimer(this);
    drawTimer_->setInterval(kDrawIntervalMs);
    connect(drawTimer_, &QTimer::timeout, this, &TFormBramData::drawPending);
    drawTimer_->start();
    owner_.setSensorWindowOpen(this);
}

TFormBramData::~TFormBramData() = default;

void TFormBramData::buildControls() {
    chart_ = new QChart;
    chart_->setTitle(tr("LC-Sensorabtastung"));
    chart_->setBackgroundBrush(Qt::black);
    chart_->setTitleBrush(Qt::white);
    chart_->legend()->setLabelColor(Qt::white);
    axisX_ = new QValueAxis;
    axisX_->setRange(0, kMaxPoints);
    axisX_->setLabelFormat(QStringLiteral("%d"));
    auto* axisY = new QValueAxis;
    axisY->setRange(0, 127);
    axisY->setLabelFormat(QStringLiteral("%d"));
    for (QValueAxis* a : {axisX_, axisY}) {
        a->setLabelsColor(Qt::white);
        a->setGridLineColor(QColor(60, 60, 60));
    }
    chart_->addAxis(axisX_, Qt::AlignBottom);
    chart_->addAxis(axisY, Qt::AlignLeft);
    const struct {
        const char* name;
        QColor colour;
        Qt::PenStyle style;
    } channels[] = {{"Sensor1", kSensor1Colour, Qt::SolidLine},
                    {"Sensor2", kSensor2Colour, Qt::SolidLine},
                    {"ThresholdS1", kSensor1Colour, Qt::DashLine},
                    {"ThresholdS2", kSensor2Colour, Qt::DashLine}};
    for (int i = 0; i < 4; ++i) {
        auto* s = new QLineSeries;
        s->setName(QString::fromLatin1(channels[i].name));
        s->setPen(QPen(channels[i].colour, 1.5, channels[i].style));
        s->setUseOpenGL(false);
        chart_->addSeries(s);
        s->attachAxis(axisX_);
        s->attachAxis(axisY);
        series_[i] = s;
    }
    auto* SLScope1 = new QChartView(chart_);
    SLScope1->setObjectName(QStringLiteral("SLScope1"));
    SLScope1->setRenderHint(QPainter::Antialiasing, false);

    auto* panel = new QGridLayout;
    const char* bandTexts[] = {QT_TR_NOOP("Bandbreite S1="), QT_TR_NOOP("Bandbreite S2=")};
    for (int i = 0; i < 2; ++i) {
        auto* text = new QLabel(tr(bandTexts[i]));
        text->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        bandLabels_[i] = new QLabel(QStringLiteral("0"));
        bandLabels_[i]->setObjectName(QStringLiteral("LabelB%1").arg(i + 1));
        bandLabels_[i]->setMinimumWidth(30);
        gauges_[i] = new QProgressBar;
        gauges_[i]->setObjectName(QStringLiteral("ILProgressBarS%1").arg(i + 1));
        gauges_[i]->setRange(0, kBandMax);
        gauges_[i]->setValue(0);
        gauges_[i]->setTextVisible(false);
        gauges_[i]->setMinimumWidth(160);
        panel->addWidget(text, i, 0);
        panel->addWidget(bandLabels_[i], i, 1);
        panel->addWidget(gauges_[i], i, 2);
    }
    auto threshold = [panel](int row, const QString& caption, const QColor& colour, const char* name) {
        auto* label = new QLabel(caption);
        label->setStyleSheet(QStringLiteral("background-color: %1; padding: 2px;").arg(colour.name()));
        auto* spin = new QSpinBox;
        spin->setObjectName(QString::fromLatin1(name));
        spin->setRange(kThresholdMin, kThresholdMax);
        spin->setValue(30);
        label->setBuddy(spin);
        panel->addWidget(label, row, 3);
        panel->addWidget(spin, row, 4);
        return spin;
    };
    SpinEditTHS1 = threshold(0, tr("S1"), kSensor1Colour, "SpinEditTHS1");
    SpinEditTHS2 = threshold(1, tr("S2"), kSensor2Colour, "SpinEditTHS2");
    auto button = [](const QString& text, const char* name) {
        auto* b = new QPushButton(text);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    QPushButton* senden = button(tr("Senden"), "ButtonSenden");
    QPushButton* an = button(tr("Messdaten AN"), "ButtonMessdatenAN");
    QPushButton* aus = button(tr("Messdaten AUS"), "ButtonMessdatenAUS");
    CheckBoxLog = new QCheckBox(tr("Log Daten"));
    CheckBoxLog->setObjectName(QStringLiteral("CheckBoxLog"));
    panel->addWidget(senden, 0, 5, 2, 1);
    panel->addWidget(an, 0, 6);
    panel->addWidget(aus, 1, 6);
    panel->addWidget(CheckBoxLog, 0, 7);
    panel->setColumnStretch(8, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SLScope1, 1);
    layout->addLayout(panel);
    resize(1000, 560);

    connect(senden, &QPushButton::clicked, this, &TFormBramData::ButtonSendenClick);
    connect(an, &QPushButton::clicked, &owner_, &TGDWZBRAM::ButtonMessdatenANClick);
    connect(aus, &QPushButton::clicked, &owner_, [this] { owner_.sendChange(WzCommand::MeasurementOff); });
    connect(CheckBoxLog, &QCheckBox::clicked, this, &TFormBramData::CheckBoxLogClick);
}

void TFormBramData::sensorGroup(std::uint8_t marker, std::uint8_t b0, std::uint8_t b1, std::uint8_t b2) {
    AddSample(sampleOfGroup(marker, b0, b1, b2));
}

void TFormBramData::AddSample(const SensorSample& s) {
    Image& im = owner_.moduleImage();
    im[off::TS1] = s.ts1;
    im[off::TS2] = s.ts2;
    // The points wait for the next drawing tick: one repaint for a batch, not one per frame.
    const qreal x = qreal(sampleCount_++);
    const int values[] = {s.sensor1, s.sensor2, s.ts1, s.ts2};
    for (int i = 0; i < 4; ++i) {
        if (pending_[i].size() == kMaxPoints)
            pending_[i].removeFirst();
        pending_[i].append(QPointF(x, values[i]));
    }
    for (int i = 0; i < 2; ++i) {
        bandWidths_[i] = histories_[i].add(i == 0 ? s.sensor1 : s.sensor2);
        gauges_[i]->setValue(std::min(bandWidths_[i], kBandMax));
        bandLabels_[i]->setText(QString::number(bandWidths_[i]));
    }
    if (logOn_)
        record(s);
}

void TFormBramData::drawPending() {
    if (pending_[0].isEmpty())
        return;
    for (int i = 0; i < 4; ++i) {
        QLineSeries& s = *series_[i];
        const int keep = std::max(0, kMaxPoints - int(pending_[i].size()));
        QList<QPointF> points = s.points();
        if (points.size() > keep)
            points.remove(0, points.size() - keep);
        points.append(pending_[i]);
        s.replace(points);
        pending_[i].clear();
    }
    const qreal last = qreal(sampleCount_ - 1);
    axisX_->setRange(std::max<qreal>(0, last - kMaxPoints + 1), std::max<qreal>(kMaxPoints - 1, last));
}

int TFormBramData::drawnPoints(int channel) const {
    return int(series_[channel]->count());
}

void TFormBramData::ButtonSendenClick() {
    const std::uint8_t ts[] = {std::uint8_t(SpinEditTHS1->value()), std::uint8_t(SpinEditTHS2->value())};
    owner_.sendCommand(ImageAccessRequest(off::TS1, 2, ImageOp::Write, ts));
    Image& im = owner_.moduleImage();
    im[off::TS1] = ts[0];
    im[off::TS2] = ts[1];
}

void TFormBramData::CheckBoxLogClick(bool checked) {
    logOn_ = false;
    if (!checked)
        return;
    const auto name = ui_.saveFileName(tr("Log Daten"), QCoreApplication::applicationDirPath(),
                                       tr("Logfiles  (*.csv *.CSV)"));
    if (!name) {
        const QSignalBlocker block(CheckBoxLog);
        CheckBoxLog->setChecked(false);
        return;
    }
    const QFileInfo fi(*name);
    logPath_ = fi.dir().filePath(fi.completeBaseName() + QStringLiteral(".CSV"));
    logOn_ = true;
}

void TFormBramData::record(const SensorSample& s) {
    QFile f(logPath_);
    const QByteArray line = QByteArray::number(s.sensor1) + ';' + QByteArray::number(s.sensor2) + "\r\n";
    if (f.open(QIODevice::WriteOnly | QIODevice::Append) && f.write(line) == line.size() && f.flush())
        return;
    logOn_ = false;
    const QSignalBlocker block(CheckBoxLog);
    CheckBoxLog->setChecked(false);
}

void TFormBramData::done(int result) {
    // Closing, by the title bar or by Escape: the module stops its stream.
    if (!closed_) {
        closed_ = true;
        drawTimer_->stop();
        owner_.sendChange(WzCommand::MeasurementOff);
        owner_.setSensorWindowOpen(nullptr);
    }
    QDialog::done(result);
}

} // namespace kvq
