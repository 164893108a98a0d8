#pragma once
// A running CSV log that only grows: created with its heading line, then one appended line per
// event. The allocator's parameter window logs its acknowledged writes this way.

#include "core/app/Result.h"
#include "core/app/TextCodec.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace kvq::log {

// Appends text to a file in the given encoding (characters Windows-1252 lacks become '?'); a
// write that fails half-way is cut back, so a later attempt never follows a broken line.
Status appendToFile(const QString& path, const QString& text,
                    TextEncoding encoding = TextEncoding::Windows1252);
QString logLineEnd();

// Creates the folder (all missing levels) and, for a new file, the heading line.
Status ensureLogFile(const QString& path, const QStringList& header);
// Appends one line; a field with ";" is quoted as in the day logs.
Status appendLogLine(const QString& path, const QStringList& fields);

// QUELMAR/Logs/<year>/<month>/HKVparmLog.csv for the day the window opens (no leading zeros).
QString parameterWriteLogPath(const QDate& day);
QStringList parameterWriteLogHeader();

struct ParameterWriteEntry {
    QString serialNumber; // Edit1SerienNr
    bool pScale = false;  // RadioButtonPSkala
    QString k1, k2, kq;
    bool twoSensors = false;   // CheckBoxZweiFuehle
    bool remoteSensor = false; // CheckBoxFernf
};
QStringList parameterWriteLogFields(const ParameterWriteEntry& e, const QString& dateText);

} // namespace kvq::log
