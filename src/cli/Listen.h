#pragma once
// Live reception for kvq-wmbus: configures the receiver module with the chosen radio mode and prints
// each telegram as it arrives, until interrupted (or for a given number of seconds).

#include "cli/TelegramPrinter.h"
#include "core/wmbus/Framing.h"
#include "core/wmbus/TelegramDecoder.h"

#include <QString>
#include <iosfwd>

namespace kvq::cli {

struct ListenOptions {
    QString port;
    wmbus::Framing framing = wmbus::Framing::RadioCraft;
    QString mode = QStringLiteral("T"); // "T" (T/C), "C" or "S"
    int seconds = 0;                    // 0: until SIGINT or SIGTERM
    int pauseMs = 2000;                 // the receiver's response period between configuration steps
};

int listen(const ListenOptions& options, wmbus::TelegramDecoder& decoder, TelegramPrinter& printer,
           std::ostream& err);

} // namespace kvq::cli
