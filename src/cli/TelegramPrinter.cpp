#include "cli/TelegramPrinter.h"

#include "core/wmbus/output/TelegramOutput.h"

#include <QDateTime>
#include <ostream>

namespace kvq::cli {

void TelegramPrinter::print(int index, const wmbus::TelegramResult& result,
                            const std::vector<wmbus::ValuePair>* allRecords) {
    std::span<const wmbus::ValuePair> values;
    if (allRecords)
        values = *allRecords;
    // Only telegrams without their own receive time need the clock.
    const QDateTime now = result.receiveTime > 0 ? QDateTime() : QDateTime::currentDateTime();
    switch (format_) {
    case OutputFormat::Text:
        out_ << wmbus::telegramTextBlock(index, result, now, values);
        break;
    case OutputFormat::Json:
        line_.clear();
        wmbus::appendTelegramJson(line_, index, result, now, values);
        line_ += '\n';
        out_.write(line_.data(), std::streamsize(line_.size()));
        break;
    case OutputFormat::Csv:
        if (!headerWritten_) {
            out_ << wmbus::csvLine(wmbus::dataTableHeader()) << "\r\n";
            headerWritten_ = true;
        }
        line_.clear();
        wmbus::appendCsvRow(line_, index, result, now);
        line_ += "\r\n";
        out_.write(line_.data(), std::streamsize(line_.size()));
        break;
    }
}

} // namespace kvq::cli
