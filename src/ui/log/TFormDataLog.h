#pragma once
// "Logfile": the day's log of meter readings beside a readout window. The readout window opens it
// below itself with the column names and a log name, appends one record per valid reading and closes
// it when it closes itself; the user can only minimise it. A reading that could not be written stays
// in the table, marked, and "Erneut speichern" writes it once the file can be written again.

#include "ui/log/DataLogModel.h"

#include <QStringList>
#include <QWidget>

class QAction;
class QTableView;

namespace kvq {

class Clock;
class UserInteraction;

class TFormDataLog : public QWidget {
    Q_OBJECT
public:
    TFormDataLog(UserInteraction& ui, const Clock& clock, QWidget* parent = nullptr);

    // The owner's side: creates the log window below the owner (inside the same MDI area when the
    // owner is a sub-window there: same left edge and width, 10 below it, 100 high), opens the day's
    // log and shows it.
    static TFormDataLog* openBelow(QWidget& owner, UserInteraction& ui, const Clock& clock,
                                   const QStringList& headerNames, const QString& logName);
    // The owner closes: the window may go now, and goes.
    void closeByOwner();

    void setHeaderNames(const QStringList& names);
    const QStringList& HeaderNames() const { return headerNames_; }
    const QString& LogPath() const { return model_.dayLog().logPath(); }
    bool AllowClose = false;

    // The day's file "dd_mm_yyyy_<logName>.csv" in QUELMAR/Logs: created with its heading, or loaded.
    void OpenLog(const QString& logName);
    // One table row and one line in the file.
    void AppendRecord(const QStringList& fields);
    // "Erneut speichern": the readings still waiting go to the file.
    void SaveAgain();

    const DataLogModel& model() const { return model_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void reportWrite(const Status& written);
    void updateSaveAgain();

    UserInteraction& ui_;
    const Clock& clock_;
    QStringList headerNames_;
    DataLogModel model_;
    QTableView* StringGrid1 = nullptr;
    QAction* saveAgain_ = nullptr;
};

} // namespace kvq
