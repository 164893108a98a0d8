#pragma once
// Data records (DIF, DIFE, VIF, VIFE, data) of an application-layer payload, turned into value and
// unit texts.
//
// Every length is checked against the bytes really given: a record whose header or data would
// reach past the end is not decoded and ends the list. The list also ends at a DIF of 0x2F (idle
// filler) and at data field 15 (manufacturer-specific data of unknown layout follows).
//
// Record layout: DIF, at most 10 DIFEs (storage number from DIF bit 6 and the low nibbles of the
// DIFEs), VIF, and when VIF bit 7 is set the VIFEs: the first selects the unit of VIF 0xFD and
// 0xFB, further ones (chained by bit 7) are stepped over. A plain-text unit (VIF 0x7C/0xFC) is
// stepped over by its length byte. Data field 13 takes its length from the byte after the VIFs
// (up to 0xBF a text of that length; the BCD and binary codes above it as EN 13757-3 defines them).

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kvq::wmbus {

struct RecordOptions {
    char decimalSeparator = ','; // the user's locale: ',' German, '.' English
    bool formatValues = true;    // false: only the structure (offsets, fields), no texts
};

struct DataRecord {
    std::size_t offset = 0;     // index of the DIF in the decoded bytes
    std::size_t dataOffset = 0; // index of the first data byte (after a variable length byte)
    std::size_t dataLength = 0;
    std::uint8_t dif = 0;
    std::uint8_t dataField = 0;
    std::uint64_t storage = 0; // storage number from DIF bit 6 and the DIFEs
    std::uint8_t vif = 0;
    std::uint8_t vife = 0; // first VIFE, 0 when there is none
    bool hasVife = false;
    std::uint8_t lvar = 0;      // length byte of variable-length data (data field 13)
    std::size_t unitOffset = 0; // first character of a plain-text unit (VIF 0x7C/0xFC)
    std::size_t unitLength = 0; // its characters, 0 without one
    std::string value;          // value text
    std::string unit;           // unit text, with "[s]" for a storage number s > 0 where the unit takes it
};

enum class RecordListEnd {
    Open,             // not at the end yet
    Complete,         // all records up to the limit were read
    Filler,           // DIF 0x2F
    ManufacturerData, // data field 15
    Truncated,        // a record reached past the bytes given, or has an unknown variable length
};

// Reads records one by one. Records start only at offsets below `limit` (the count of the
// interface), but may reach up to the end of `bytes`.
class RecordReader {
public:
    RecordReader(std::span<const std::uint8_t> bytes, std::size_t limit, RecordOptions options = {});
    explicit RecordReader(std::span<const std::uint8_t> bytes, RecordOptions options = {})
        : RecordReader(bytes, bytes.size(), options) {}

    // Fills `record` (its strings keep their capacity) and returns true, or returns false at the end.
    bool next(DataRecord& record);
    RecordListEnd end() const { return end_; }
    // Offset of the next record, or where the list ended.
    std::size_t position() const { return pos_; }

private:
    bool fail(RecordListEnd why) {
        end_ = why;
        return false;
    }
    void formatValue(DataRecord& r, std::span<const std::uint8_t> data) const;
    void formatVariable(DataRecord& r, std::span<const std::uint8_t> data, int e) const;

    std::span<const std::uint8_t> bytes_;
    std::size_t limit_;
    RecordOptions options_;
    std::size_t pos_ = 0;
    RecordListEnd end_ = RecordListEnd::Open;
};

// Value and unit texts of every record, value first, as one list.
std::vector<std::string> decodeRecordTexts(std::span<const std::uint8_t> bytes, RecordOptions options = {});

} // namespace kvq::wmbus
