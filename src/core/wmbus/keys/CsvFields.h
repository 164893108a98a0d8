#pragma once
// Reading the semicolon-separated lists users bring from spreadsheets: lines, fields (a field in
// double quotes may hold ';' and doubled quotes), and the field forms of radio IDs, device types
// and AES keys.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace kvq::wmbus {

// The file's lines (UTF-8 with or without BOM, or Windows-1252), line ends removed. Line i of the
// result is line i + 1 of the file.
QStringList csvLines(const QByteArray& bytes);
// The fields of one line, unquoted, blanks around each field removed.
QStringList csvFields(const QString& line);

// A radio ID: decimal digits, at most 32 bits.
std::optional<std::uint32_t> radioIdField(const QString& field);
// A device type 0..255: decimal, or hexadecimal after "0x" (anything up to an 'x' or 'X' is a
// prefix and dropped).
std::optional<int> deviceTypeField(const QString& field);
// An AES key: 32 hex digits, blanks allowed, an "0x" prefix dropped. The key as 32 upper-case
// digits; an empty field gives an empty text. No value for anything else.
std::optional<QString> keyField(const QString& field);

} // namespace kvq::wmbus
