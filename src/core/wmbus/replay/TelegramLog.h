#pragma once
// The telegram log: monitor lines appended to a text file, one line each, so that a log can be loaded
// again like a recording of the mobile reading app.

#include "core/app/Result.h"

#include <QFile>
#include <QString>

namespace kvq::wmbus {

class TelegramLog {
public:
    // Windows line ends: the logs are exchanged with programs on Windows; the replay reader takes both.
    static constexpr char kLineEnd[] = "\r\n";

    // Opens the file for appending (made when missing). A log already open is closed first.
    Status open(const QString& path);
    void close();
    bool isOpen() const { return file_.isOpen(); }
    QString path() const { return file_.fileName(); }

    // Appends one monitor line as it stands, then the line end, and hands it to the system at once,
    // so that a crash or a pulled stick loses no more than the line being written.
    Status append(const QString& line);

private:
    QFile file_;
};

} // namespace kvq::wmbus
