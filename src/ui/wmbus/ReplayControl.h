#pragma once
// Loading recorded telegrams into the recorder ("Lade Rx Daten von Mobile App", "Lade Rx Daten als csv
// vom Gateway-Server"): the receiver port is closed, a file is chosen, and its lines go to the
// recorder's chunk arrival a slice at a time on the window thread, so the window stays responsive.
// This row shows the progress, offers "Abbrechen" and keeps the outcome until the next load.

#include "core/wmbus/Telegram.h"
#include "core/wmbus/replay/ReplaySession.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <span>

class QAction;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace kvq {

class UserInteraction;

class ReplayControl : public QWidget {
    Q_OBJECT
public:
    // A slice looks at the time every kLinesPerStep lines and gives the window its turn after kSliceMs.
    static constexpr int kLinesPerStep = 64;
    static constexpr int kSliceMs = 30;
    // While reception is stopped the load waits and looks again after this time.
    static constexpr int kHeldRetryMs = 100;

    // What the recorder lends to the load.
    struct Recorder {
        std::function<bool()> closeReceiverPort; // false: the port stayed open
        std::function<void(std::span<const std::uint8_t>, wmbus::ReceiveTime)> chunkArrival;
        std::function<bool()> held; // "STOP Daten vom Empfänger" is on
        // Around each slice: true before its first line, false after its last.
        std::function<void(bool)> batch;
    };

    ReplayControl(UserInteraction& ui, Recorder recorder, QWidget* parent = nullptr);

    // Both menu entries: close the port, choose the file, load it.
    void LadeRxDatenClick(const QString& title);
    // Starts loading a file; false when there is nothing to load (a missing file is ignored).
    bool start(const QString& path);
    // "Abbrechen": what was loaded stays.
    void ButtonAbbrechenClick();
    // The window closes: the load ends without a word.
    void stop();
    bool running() const;
    // One slice of the load (the timer calls it; tests may too).
    void slice();

    const wmbus::ReplaySession& session() const { return session_; }
    static QString folder();

    QAction* LadeRxDatenMobileApp;
    QAction* LadeRxDatenGateway;
    QProgressBar* ProgressBarReplay;
    QLabel* LabelReplay;
    QPushButton* ButtonReplayAbbrechen;

private:
    void end(bool cancelled);
    void setRunning(bool running);

    UserInteraction& ui_;
    Recorder recorder_;
    wmbus::ReplaySession session_;
    QTimer* timer_;
};

} // namespace kvq
