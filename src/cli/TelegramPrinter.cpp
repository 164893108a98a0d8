#include "cli/TelegramPrinter.h"

#include "core/wmbus/output/TelegramOutput.h"

#include <QDateTime>
#include <ostream>

namespace kvq::cli {

void TelegramPrinter::print(int index, const wmbus::TelegramResult& result) {
    // Only telegrams without their own receive time need the clock.
    const QDateTime now = result.receiveTime > 0 ? QDateTime() : QDateTime::currentDateTime();
    switch (format_) {
    case OutputFormat::Text:
        out_ << wmbus::telegramTextBlock(index, result, now);
        break;
    case OutputFormat::Json:
        out_ << wmbus::telegramJson(index, result, now) << '\n';
        break;
    case OutputFormat::Csv:
        if (!headerWritten_) {
            out_ << wmbus::csvLine(wmbus::dataTableHeader()) << "\r\n";
            headerWritten_ = true;
        }
        out_ << wmbus::csvLine(wmbus::dataTableRow(index, result, now)) << "\r\n";
        break;
    }
}

} // namespace kvq::cli
