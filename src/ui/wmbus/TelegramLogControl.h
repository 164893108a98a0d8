#pragma once
// The recorder's telegram log behind the switch "LOG Protokolle in Datei": every line that leaves the
// hex monitor while the log is on and reception is not stopped goes to the log file, and the lines
// still on the monitor follow when the log is switched off or the window closes. Each monitor line is
// written once, also across several logs.

#include "core/wmbus/replay/TelegramLog.h"

#include <QObject>
#include <QString>

#include <functional>

namespace kvq {

class AnalysePage;
class UserInteraction;

class TelegramLogControl : public QObject {
    Q_OBJECT
public:
    // status: where a write failure is told, once per log.
    TelegramLogControl(AnalysePage& page, UserInteraction& ui, std::function<void(const QString&)> status,
                       QObject* parent = nullptr);

    // The switch went on (asks for the file; cancelled, the switch goes back off) or off.
    void sBitBtnLOGProtClick(bool on);
    // The window closes: the lines on the monitor are written and the log is closed.
    void finish();

    bool logging() const { return !path_.isEmpty(); }
    QString path() const { return path_; }

    static QString folder();

private:
    void lineDropped(const QString& text);
    void writeScreen();
    void write(const QString& line);
    void tellFailure(const QString& reason);

    AnalysePage& page_;
    UserInteraction& ui_;
    std::function<void(const QString&)> status_;
    wmbus::TelegramLog log_;
    QString path_;
    // Lines at the top of the monitor that are already in a log.
    int logged_ = 0;
    bool failureTold_ = false;
};

} // namespace kvq
