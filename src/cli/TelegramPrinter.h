#pragma once
// Writes decoded telegrams in the chosen form; the CSV form starts with the data table's heading row.

#include "core/wmbus/TelegramResult.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace kvq::cli {

enum class OutputFormat { Text, Csv, Json };

class TelegramPrinter {
public:
    TelegramPrinter(std::ostream& out, OutputFormat format) : out_(out), format_(format) {}
    // allRecords, when given, replaces the 20 value/unit pairs in the text and JSON forms.
    void print(int index, const wmbus::TelegramResult& result,
               const std::vector<wmbus::ValuePair>* allRecords = nullptr);

private:
    std::ostream& out_;
    OutputFormat format_;
    bool headerWritten_ = false;
    std::string line_; // reused for every telegram
};

} // namespace kvq::cli
