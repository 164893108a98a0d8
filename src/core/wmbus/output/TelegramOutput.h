#pragma once
// Text forms of a decoded telegram: the data table row (and its CSV line), a readable block for the
// terminal and one JSON object per telegram for scripts.

#include "core/wmbus/TelegramResult.h"

#include <QDateTime>
#include <span>
#include <string>
#include <vector>

namespace kvq::wmbus {

// "Index", "Length", "RadioID", "TCount", "MeterID", "RTime", "Medium", "MC", "AES", "RSSI", then 20
// pairs "Value", "Unit".
const std::vector<std::string>& dataTableHeader();

// Receive time as shown in the table ("DD.MM.YYYY hh:mm:ss", local time); `now` stands in for a
// time of 0 or less.
std::string receiveTimeText(ReceiveTime time, const QDateTime& now);

// Appends the receive time text to out.
void appendReceiveTimeText(std::string& out, ReceiveTime time, const QDateTime& now);

// One row of the data table: row number, L, link ID text, access number, header ID text, receive
// time, device type, manufacturer, encrypted "yes"/"no", RSSI text and the 20 value/unit pairs.
std::vector<std::string> dataTableRow(int index, const TelegramResult& result, const QDateTime& now);

// Cells joined with ";". A ';' or line break inside a cell would split it, so such cells are
// quoted (with inner quotes doubled); no cell is ever cut or dropped.
std::string csvLine(const std::vector<std::string>& cells);
// The CSV line of a data table row appended to out, without building the cells (the replay's path).
void appendCsvRow(std::string& out, int index, const TelegramResult& result, const QDateTime& now);

// A readable multi-line block: link fields, header ID, access number, security and key text, values.
// `values`, when not empty, stands in for the result's 20 pairs (every record of the telegram).
std::string telegramTextBlock(int index, const TelegramResult& result, const QDateTime& now,
                              std::span<const ValuePair> values = {});

// One JSON object on one line (no trailing line break).
std::string telegramJson(int index, const TelegramResult& result, const QDateTime& now);
void appendTelegramJson(std::string& out, int index, const TelegramResult& result, const QDateTime& now,
                        std::span<const ValuePair> values = {});

} // namespace kvq::wmbus
