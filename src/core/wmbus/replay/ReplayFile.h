#pragma once
// Replay files of recorded telegrams (mobile reading app, gateway server): one receiver frame per line,
// either as bare hex text or as "DD.MM.YYYY hh:mm:ss;" followed by the hex text.

#include "core/app/Result.h"

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

namespace kvq::wmbus {

struct ReplayLine {
    int lineNumber = 0;              // 1-based line in the file
    QDateTime receiveTime;           // invalid: "now" (no time in the line)
    std::vector<std::uint8_t> bytes; // the receiver frame
};

struct ReplayLineError {
    int lineNumber = 0;
    QString message;
};

// Parses one line. Blank lines give an empty frame and no error. Blanks inside the hex text are allowed.
bool parseReplayLine(const QString& line, int lineNumber, ReplayLine& out, ReplayLineError& error);

// Reads a replay file line by line without holding it in memory: `onLine` gets each frame, `onError`
// each line that is no frame. Fails when the file cannot be read.
Status readReplayFile(const QString& path, const std::function<void(const ReplayLine&)>& onLine,
                      const std::function<void(const ReplayLineError&)>& onError);

} // namespace kvq::wmbus
