#pragma once
// Units of the value information field: the primary VIF table and the two extension tables
// (VIF 0xFD and VIF 0xFB, indexed by the first VIFE).

#include <cstdint>
#include <string_view>

namespace kvq::wmbus {

// How the data of a record turns into its value text.
enum class ValueKind : std::uint8_t {
    Number,          // by data field: integer, real or BCD, scaled by the decimal exponent
    Date,            // type G for data field 2, else Number
    DateTime,        // type F for data field 4, type I for data field 6, else Number
    DateOrDateTime,  // type G for data field 2, else as DateTime
    DateTimeSeconds, // type I (chosen by the data field, never in a table)
    HexBytes,        // every data byte as two hex digits, in data order
    HexValue,        // the little-endian value as four (or more) hex digits
    Empty,           // no value text
};

struct UnitInfo {
    std::string_view unit;      // static text, may be empty
    int exponent = 0;           // decimal exponent e
    bool storageSuffix = false; // unit is followed by "[s]" for storage number s > 0
    ValueKind kind = ValueKind::Number;
};

// Unit of a record. vife is the first VIFE (only looked at for VIF 0xFD and 0xFB).
UnitInfo unitInfo(std::uint8_t vif, std::uint8_t vife);

} // namespace kvq::wmbus
