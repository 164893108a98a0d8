#pragma once
// A day's log of meter readings: a table in memory and a ";" separated file, one line per reading.
// The file of a day is named "dd_mm_yyyy_<log name>.csv" and lives in QUELMAR/Logs; opening the
// same log again on the same day continues the file and shows what it already holds.
//
// Fields are written as they are. Only a field that holds ";", a double quote or a line break is
// put in double quotes (inner quotes doubled), so such a reading neither splits its line nor
// shifts the columns after it, and every spreadsheet reads it back as one cell.
//
// A reading whose line cannot be appended (disk full, file locked by another program) stays in the
// table marked unsaved; the next append, or saveUnsaved(), writes the waiting lines first, in order.

#include "core/app/Result.h"
#include "core/app/TextCodec.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace kvq::log {

// "dd_mm_yyyy_<logName>.csv"
QString dayLogFileName(const QDate& day, const QString& logName);
// The folder QUELMAR/Logs below the data root.
QString logFolder();

// One line of the file from its fields, and back.
QString joinLogFields(const QStringList& fields);
QStringList splitLogLine(const QString& line);

class DayLog {
public:
    struct Row {
        QStringList fields;
        bool saved = true; // false while its line is not in the file
    };

    // Outcome of opening: the file may have been loaded only in part.
    struct OpenResult {
        Status status;                // the file could not be created or read
        bool columnsMismatch = false; // "Die Tabellenspalten stimmen nicht überein!" is due
    };

    void setHeaderNames(const QStringList& names) { headerNames_ = names; }
    const QStringList& headerNames() const { return headerNames_; }

    // Forms the path of the day's file in `folder`, creates the folder and the file with its heading
    // line, or loads the file. Loading stops at the first heading field that differs from the
    // expected name; what was loaded until then stays.
    OpenResult open(const QString& folder, const QString& logName, const QDate& day);

    // Adds a row and appends its line (after any lines still waiting). A failure is returned only
    // when it starts a run of failures, so the user is told once and not at every reading.
    Status append(const QStringList& fields);
    // Writes the lines that are still waiting.
    Status saveUnsaved();

    const QString& logPath() const { return path_; }
    // Columns found in the file's heading (all header names for a new file).
    int columnCount() const { return columns_; }
    // Heading fields as loaded (row 0 of the table).
    const QStringList& heading() const { return heading_; }
    const QList<Row>& rows() const { return rows_; }
    int unsavedCount() const;

private:
    Status writeLines(const QString& text);

    QStringList headerNames_;
    QStringList heading_;
    QList<Row> rows_;
    QString path_;
    QString lineEnd_;
    TextEncoding encoding_ = TextEncoding::Windows1252;
    int columns_ = 0;
    bool failing_ = false;
};

} // namespace kvq::log
