#pragma once
// Replay files of recorded telegrams (mobile reading app, gateway server): one receiver frame per line,
// either as bare hex text or as "DD.MM.YYYY hh:mm:ss;" followed by the hex text.

#include "core/app/Result.h"
#include "core/wmbus/Telegram.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace kvq::wmbus {

struct ReplayLine {
    int lineNumber = 0;              // 1-based line in the file
    ReceiveTime receiveTime = 0;     // the line's local time as ms since 1970 UTC; 0: none ("now")
    std::vector<std::uint8_t> bytes; // the receiver frame
};

struct ReplayLineError {
    int lineNumber = 0;
    QString message;
};

// Parses one line. Blank lines give an empty frame and no error. Blanks inside the hex text are allowed.
bool parseReplayLine(std::string_view line, int lineNumber, ReplayLine& out, ReplayLineError& error);

// Reads a replay file in large blocks without holding it in memory: `onLine` gets each frame,
// `onError` each line that is no frame. Fails when the file cannot be read.
Status readReplayFile(const QString& path, const std::function<void(const ReplayLine&)>& onLine,
                      const std::function<void(const ReplayLineError&)>& onError);

} // namespace kvq::wmbus
