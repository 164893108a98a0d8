#include "core/log/DayLog.h"

#include "core/app/DataRoot.h"
#include "core/log/WriteLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kvq::log {

QString dayLogFileName(const QDate& day, const QString& logName) {
    return day.toString(QStringLiteral("dd_MM_yyyy")) + u'_' + logName + QStringLiteral(".csv");
}

QString logFolder() {
    return dataPath({QStringLiteral("QUELMAR"), QStringLiteral("Logs")});
}

QString joinLogFields(const QStringList& fields) {
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i)
            line += u';';
        const QString& f = fields[i];
        if (f.contains(u';') || f.contains(u'"') || f.contains(u'\n') || f.contains(u'\r')) {
            QString quoted = f;
            quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
            line += u'"' + quoted + u'"';
        } else {
            line += f;
        }
    }
    return line;
}

QStringList splitLogLine(const QString& line) {
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < line.size() && line[i + 1] == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
        } else if (c == u'"' && field.isEmpty()) {
            quoted = true;
        } else if (c == u';') {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field;
    return fields;
}

namespace {

// Splits a whole file into its lines; a quoted field may hold a line break.
QStringList fileLines(const QString& text) {
    QStringList lines;
    QString line;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'"')
            quoted = !quoted;
        if (!quoted && (c == u'\n' || c == u'\r')) {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            lines << line;
            line.clear();
            continue;
        }
        line += c;
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

} // namespace

DayLog::OpenResult DayLog::open(const QString& folder, const QString& logName, const QDate& day) {
    OpenResult result;
    rows_.clear();
    heading_.clear();
    failing_ = false;
    path_ = QDir::toNativeSeparators(QDir(folder).filePath(dayLogFileName(day, logName)));
    lineEnd_ = logLineEnd();
    encoding_ = TextEncoding::Windows1252;
    columns_ = 0;

    QFile file(path_);
    if (!file.exists()) {
        if (!QDir().mkpath(folder)) {
            result.status = Status::failure(
                QCoreApplication::translate("kvq::CoreTexts", "Der Ordner %1 kann nicht angelegt werden.")
                    .arg(QDir::toNativeSeparators(folder)));
            return result;
        }
        heading_ = headerNames_;
        columns_ = int(headerNames_.size());
        result.status = writeLines(joinLogFields(headerNames_) + lineEnd_);
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = Status::failure(
            QCoreApplication::translate("kvq::CoreTexts", "Die Datei %1 kann nicht gelesen werden: %2")
                .arg(path_, file.errorString()));
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.contains("\r\n"))
        lineEnd_ = QStringLiteral("\r\n");
    else if (bytes.contains('\n'))
        lineEnd_ = QStringLiteral("\n");
    const QString text = decodeText(bytes, &encoding_);
    const QStringList lines = fileLines(text);
    if (lines.isEmpty())
        return result;

    const QStringList head = splitLogLine(lines.first());
    for (qsizetype k = 0; k < head.size(); ++k) {
        if (k < headerNames_.size() && head[k] == headerNames_[k]) {
            heading_ << head[k];
            columns_ = int(k + 1);
        } else {
            result.columnsMismatch = true;
            return result;
        }
    }
    for (qsizetype i = 1; i < lines.size(); ++i)
        rows_.append(Row{splitLogLine(lines[i]), true});
    return result;
}

Status DayLog::writeLines(const QString& text) {
    return appendToFile(path_, text, encoding_);
}

Status DayLog::append(const QStringList& fields) {
    rows_.append(Row{fields, false});
    return saveUnsaved();
}

Status DayLog::saveUnsaved() {
    QString text;
    for (const Row& row : rows_)
        if (!row.saved)
            text += joinLogFields(row.fields) + lineEnd_;
    if (text.isEmpty())
        return {};
    if (path_.isEmpty())
        return Status::failure(
            QCoreApplication::translate("kvq::CoreTexts", "Es ist keine Log-Datei geöffnet."));
    Status written = writeLines(text);
    if (written) {
        for (Row& row : rows_)
            row.saved = true;
        failing_ = false;
        return written;
    }
    // Told once per run of failures; the rows stay unsaved for the next attempt.
    const bool first = !failing_;
    failing_ = true;
    return first ? written : Status{};
}

int DayLog::unsavedCount() const {
    int n = 0;
    for (const Row& row : rows_)
        n += row.saved ? 0 : 1;
    return n;
}

} // namespace kvq::log
