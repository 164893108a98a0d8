#include "ui/wmbus/ReplayControl.h"

#include "core/app/DataRoot.h"
#include "core/app/UserInteraction.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace kvq {

ReplayControl::ReplayControl(UserInteraction& ui, Recorder recorder, QWidget* parent)
    : QWidget(parent), ui_(ui), recorder_(std::move(recorder)) {
    setObjectName(QStringLiteral("ReplayBar"));
    LadeRxDatenMobileApp = new QAction(tr("Lade Rx Daten von Mobile App"), this);
    LadeRxDatenMobileApp->setObjectName(QStringLiteral("LadeRxDatenMobileApp"));
    connect(LadeRxDatenMobileApp, &QAction::triggered, this,
            [this] { LadeRxDatenClick(LadeRxDatenMobileApp->text()); });
    LadeRxDatenGateway = new QAction(tr("Lade Rx Daten als csv vom Gateway-Server"), this);
    LadeRxDatenGateway->setObjectName(QStringLiteral("LadeRxDatenGateway"));
    connect(LadeRxDatenGateway, &QAction::triggered, this,
            [this] { LadeRxDatenClick(LadeRxDatenGateway->text()); });

    ProgressBarReplay = new QProgressBar(this);
    ProgressBarReplay->setObjectName(QStringLiteral("ProgressBarReplay"));
    ProgressBarReplay->setAccessibleName(tr("Rx Daten laden"));
    LabelReplay = new QLabel(this);
    LabelReplay->setObjectName(QStringLiteral("LabelReplay"));
    ButtonReplayAbbrechen = new QPushButton(tr("Abbrechen"), this);
    ButtonReplayAbbrechen->setObjectName(QStringLiteral("ButtonReplayAbbrechen"));
    connect(ButtonReplayAbbrechen, &QPushButton::clicked, this, &ReplayControl::ButtonAbbrechenClick);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(ProgressBarReplay, 1);
    row->addWidget(LabelReplay, 1);
    row->addWidget(ButtonReplayAbbrechen);

    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &ReplayControl::slice);
    hide();
}

QString ReplayControl::folder() {
    return dataPath({QStringLiteral("QUELMAR"), QStringLiteral("Routes")});
}

bool ReplayControl::running() const {
    return session_.isOpen();
}

void ReplayControl::LadeRxDatenClick(const QString& title) {
    if (running())
        return;
    // Live bytes must not run into the recorded ones: the receiver port closes first.
    if (recorder_.closeReceiverPort && !recorder_.closeReceiverPort()) {
        ui_.message(tr("Fehler beim Trennen der Schnittstelle!"), tr("Fehler"), UserInteraction::Icon::Error);
        return;
    }
    const auto chosen = ui_.openFileName(title, folder(), tr("Mobile Data  (*.dat *.DAT)"));
    if (!chosen || chosen->trimmed().isEmpty())
        return;
    QString path = *chosen;
    if (!QFileInfo::exists(path) && QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".DAT");
    start(path);
}

bool ReplayControl::start(const QString& path) {
    if (running() || !QFileInfo(path).isFile())
        return false;
    if (const Status opened = session_.open(path); !opened) {
        ui_.message(opened.message(), tr("Fehler"), UserInteraction::Icon::Error);
        return false;
    }
    ProgressBarReplay->setRange(0, session_.lineCount());
    ProgressBarReplay->setValue(0);
    LabelReplay->setText(QFileInfo(path).fileName());
    setRunning(true);
    show();
    timer_->start(0);
    return true;
}

void ReplayControl::slice() {
    if (!running())
        return;
    if (recorder_.held && recorder_.held()) {
        timer_->start(kHeldRetryMs);
        return;
    }
    QElapsedTimer clock;
    clock.start();
    if (recorder_.batch)
        recorder_.batch(true);
    // Line by line, so that a stop from the trigger holds the very next line back.
    for (int n = 1; !session_.atEnd(); ++n) {
        session_.step(1, recorder_.chunkArrival);
        if (!running())
            break; // the window closed from inside the chunk arrival
        if (recorder_.held && recorder_.held())
            break;
        if (n % kLinesPerStep == 0 && clock.elapsed() >= kSliceMs)
            break;
    }
    if (recorder_.batch)
        recorder_.batch(false);
    if (!running())
        return;
    ProgressBarReplay->setValue(session_.linesRead());
    if (session_.atEnd())
        end(false);
    else
        timer_->start(0);
}

void ReplayControl::ButtonAbbrechenClick() {
    if (running())
        end(true);
}

void ReplayControl::stop() {
    timer_->stop();
    session_.close();
    setRunning(false);
}

void ReplayControl::end(bool cancelled) {
    const int read = session_.linesRead(), total = session_.lineCount(), bad = session_.malformedLines();
    ProgressBarReplay->setValue(read);
    stop();
    LabelReplay->setText(
        cancelled ? tr("Abgebrochen nach %1 von %2 Zeilen, %3 fehlerhafte Zeilen übersprungen")
                        .arg(read)
                        .arg(total)
                        .arg(bad)
                  : tr("%1 Zeilen geladen, %2 fehlerhafte Zeilen übersprungen").arg(read).arg(bad));
}

void ReplayControl::setRunning(bool running) {
    ButtonReplayAbbrechen->setVisible(running);
    LadeRxDatenMobileApp->setEnabled(!running);
    LadeRxDatenGateway->setEnabled(!running);
}

} // namespace kvq
