// The unit tables: every text our own tables define stays as it is, and the codes they left empty
// carry the units of EN 13757-3.

#include "core/wmbus/RecordReader.h"
#include "core/wmbus/VifTables.h"

#include <gtest/gtest.h>

using namespace kvq::wmbus;
using Bytes = std::vector<std::uint8_t>;

namespace {

struct Row {
    std::uint8_t table; // 0: primary VIF (the code is the VIF), else 0xFD or 0xFB (the code is the VIFE)
    std::uint8_t from, to;
    const char* unit;
    int exponent; // of the first code
    int step;     // exponent added per code
    bool storage;
};

UnitInfo infoOf(const Row& r, std::uint8_t code) {
    return r.table == 0 ? unitInfo(code, 0) : unitInfo(r.table, code);
}

// Every text of our tables, code by code.
const Row kDefined[] = {
    {0, 0x00, 0x07, "Wh", -3, 1, true},
    {0, 0x08, 0x0F, "J", 0, 1, true},
    {0, 0x10, 0x17, "m³", -6, 1, true},
    {0, 0x18, 0x1F, "kg", -3, 1, true},
    {0, 0x20, 0x20, "ON_TIME_SEC", 0, 0, false},
    {0, 0x21, 0x21, "ON_TIME_MIN", 0, 0, false},
    {0, 0x22, 0x22, "ON_TIME_HOU", 0, 0, false},
    {0, 0x23, 0x23, "ON_TIME_DAY", 0, 0, false},
    {0, 0x28, 0x2F, "W", -3, 1, true},
    {0, 0x30, 0x37, "J/h", 0, 1, true},
    {0, 0x38, 0x3F, "m³/h", -6, 1, true},
    {0, 0x40, 0x47, "m³/min", -7, 1, true},
    {0, 0x48, 0x4F, "m³/s", -9, 1, true},
    {0, 0x50, 0x57, "kg/h", -3, 1, true},
    {0, 0x58, 0x5B, "°C", -3, 1, true},
    {0, 0x5C, 0x5F, "°C", -3, 1, true},
    {0, 0x60, 0x63, "K", -3, 1, true},
    {0, 0x64, 0x67, "°C", -3, 1, true},
    {0, 0x68, 0x6B, "bar", -3, 1, true},
    {0, 0x6C, 0x6C, "DATE", 0, 0, true},
    {0, 0x6D, 0x6D, "DATETIME", 0, 0, true},
    {0, 0x6E, 0x6E, "HCA", 0, 0, true},
    {0, 0x70, 0x70, "AV_TIME_SEC", 0, 0, false},
    {0, 0x71, 0x71, "AV_TIME_MIN", 0, 0, false},
    {0, 0x72, 0x72, "AV_TIME_HOU", 0, 0, false},
    {0, 0x73, 0x73, "AV_TIME_DAY", 0, 0, false},
    {0, 0x74, 0x74, "AC_TIME_SEC", 0, 0, false},
    {0, 0x75, 0x75, "AC_TIME_MIN", 0, 0, false},
    {0, 0x76, 0x76, "AC_TIME_HOU", 0, 0, false},
    {0, 0x77, 0x77, "AC_TIME_DAY", 0, 0, false},
    {0, 0x78, 0x78, "FAB.NO", 0, 0, false},
    {0, 0x79, 0x79, "ENID", 0, 0, false},
    {0, 0x7A, 0x7A, "BUSADDRESS", 0, 0, false},
    {0, 0x7F, 0x7F, "MANSPECIFIC", 0, 0, false},
    {0xFD, 0x00, 0x03, "Credit", -3, 1, false},
    {0xFD, 0x04, 0x07, "Debit", -3, 1, false},
    {0xFD, 0x08, 0x08, "Access Number", 0, 0, false},
    {0xFD, 0x09, 0x09, "Medium", 0, 0, false},
    {0xFD, 0x0A, 0x0A, "Manufacturer", 0, 0, false},
    {0xFD, 0x0B, 0x0B, "Parameter set", 0, 0, false},
    {0xFD, 0x0C, 0x0C, "Model/Version", 0, 0, false},
    {0xFD, 0x0D, 0x0D, "HW Version", 0, 0, false},
    {0xFD, 0x0E, 0x0E, "FW Version", 0, 0, false},
    {0xFD, 0x0F, 0x0F, "SW Version", 0, 0, false},
    {0xFD, 0x10, 0x10, "Costomer location", 0, 0, false},
    {0xFD, 0x11, 0x11, "Costomer", 0, 0, false},
    {0xFD, 0x12, 0x12, "Access Code User", 0, 0, false},
    {0xFD, 0x13, 0x13, "Access Code Operator", 0, 0, false},
    {0xFD, 0x14, 0x14, "Access Code Sys Operator", 0, 0, false},
    {0xFD, 0x15, 0x15, "Access Code Developer", 0, 0, false},
    {0xFD, 0x16, 0x16, "PASSWORD", 0, 0, false},
    {0xFD, 0x17, 0x17, "ERROR FLAGS", 0, 0, false},
    {0xFD, 0x18, 0x18, "ERROR MASK", 0, 0, false},
    {0xFD, 0x19, 0x19, "PASSWORD", 0, 0, false},
    {0xFD, 0x1A, 0x1A, "DIGITAL OUT", 0, 0, false},
    {0xFD, 0x1B, 0x1B, "DIGITAL IN", 0, 0, false},
    {0xFD, 0x1C, 0x1C, "BAUD", 0, 0, false},
    {0xFD, 0x1D, 0x1D, "RESPONSE DELAY", 0, 0, false},
    {0xFD, 0x1E, 0x1E, "RETRY", 0, 0, false},
    {0xFD, 0x1F, 0x1F, "RESERVED", 0, 0, false},
    {0xFD, 0x20, 0x20, "FIRST STORAGE", 0, 0, false},
    {0xFD, 0x21, 0x21, "LAST STORAGE", 0, 0, false},
    {0xFD, 0x22, 0x22, "SIZE OF STORAGE", 0, 0, false},
    {0xFD, 0x23, 0x23, "RESERVED", 0, 0, false},
    {0xFD, 0x30, 0x30, "START OF TARIFF", 0, 0, false},
    {0xFD, 0x31, 0x31, "mm DURATION OF TARIFF", 0, 0, false},
    {0xFD, 0x32, 0x32, "hh DURATION OF TARIFF", 0, 0, false},
    {0xFD, 0x33, 0x33, "dd DURATION OF TARIFF", 0, 0, false},
    {0xFD, 0x34, 0x34, "ss PERIOD OF TARIFF", 0, 0, false},
    {0xFD, 0x35, 0x35, "mm PERIOD OF TARIFF", 0, 0, false},
    {0xFD, 0x36, 0x36, "hh PERIOD OF TARIFF", 0, 0, false},
    {0xFD, 0x37, 0x37, "dd PERIOD OF TARIFF", 0, 0, false},
    {0xFD, 0x38, 0x38, "PERIOD OF TARIFF MONTHS", 0, 0, false},
    {0xFD, 0x39, 0x39, "PERIOD OF TARIFF YEARS", 0, 0, false},
    {0xFD, 0x3A, 0x3A, " ", 0, 0, false},
    {0xFD, 0x3B, 0x3F, "RESERVED", 0, 0, false},
    {0xFD, 0x40, 0x4F, "V", -9, 1, false},
    {0xFD, 0x50, 0x5F, "A", -12, 1, false},
    {0xFD, 0x60, 0x60, "RESET COUNT", 0, 0, false},
    {0xFD, 0x61, 0x61, "COMULATION COUNT", 0, 0, false},
    {0xFD, 0x62, 0x62, "CONTROL SIGNAL", 0, 0, false},
    {0xFD, 0x63, 0x63, "DAY OF WEEK", 0, 0, false},
    {0xFD, 0x64, 0x64, "WEEK NUMBER", 0, 0, false},
    {0xFD, 0x65, 0x65, "TIME POINT OF DAY CHANGE", 0, 0, false},
    {0xFD, 0x66, 0x66, "STATE OF PAR ACTIVATION", 0, 0, false},
    {0xFD, 0x67, 0x67, "SPECIAl SUPPLIER INFO", 0, 0, false},
    {0xFD, 0x68, 0x68, "hh DURATION", 0, 0, false},
    {0xFD, 0x69, 0x69, "dd DURATION", 0, 0, false},
    {0xFD, 0x6A, 0x6A, "mm DURATION", 0, 0, false},
    {0xFD, 0x6B, 0x6B, "yy DURATION", 0, 0, false},
    {0xFD, 0x6C, 0x6C, "hh OPERATING TIME BAT", 0, 0, false},
    {0xFD, 0x6D, 0x6D, "dd OPERATING TIME BAT", 0, 0, false},
    {0xFD, 0x6E, 0x6E, "mm OPERATING TIME BAT", 0, 0, false},
    {0xFD, 0x6F, 0x6F, "yy OPERATING TIME BAT", 0, 0, false},
    {0xFD, 0x70, 0x7F, "DATETIME BAT CHANGE", 0, 0, false},
    {0xFB, 0x00, 0x01, "MWh", -1, 1, false},
    {0xFB, 0x08, 0x09, "GJ", -1, 1, false},
    {0xFB, 0x10, 0x11, "m³", 2, 1, false},
    {0xFB, 0x18, 0x19, "t", 2, 1, false},
    {0xFB, 0x20, 0x20, "Reserved", 0, 0, false},
    {0xFB, 0x21, 0x21, "feet?", -1, 0, false},
    {0xFB, 0x22, 0x22, "am gallon", -1, 0, false},
    {0xFB, 0x23, 0x23, "am gallon", 0, 0, false},
    {0xFB, 0x24, 0x24, "am gallon/min", -3, 0, false},
    {0xFB, 0x25, 0x25, "am gallon/min", 0, 0, false},
    {0xFB, 0x26, 0x26, "am gallon/h", 0, 0, false},
    {0xFB, 0x28, 0x29, "MW", -1, 1, false},
    {0xFB, 0x2A, 0x2F, "Reserved", 0, 0, false},
    {0xFB, 0x30, 0x31, "GJ/h", -1, 1, false},
    {0xFB, 0x32, 0x37, "Reserved", 0, 0, false},
    {0xFB, 0x57, 0x57, "Reserved", 0, 0, false},
    {0xFB, 0x58, 0x5B, "°F", -3, 1, false},
    {0xFB, 0x5C, 0x5F, "°F", -3, 1, false},
    {0xFB, 0x60, 0x63, "°F", -3, 1, false},
    {0xFB, 0x64, 0x67, "°F", -3, 1, false},
    {0xFB, 0x68, 0x6F, "Reserved", 0, 0, false},
    {0xFB, 0x70, 0x73, "°F", -3, 1, false},
    {0xFB, 0x74, 0x77, "°C", -3, 1, false},
    {0xFB, 0x78, 0x7F, "W", -3, 1, false},
};

// The codes our tables left without a unit or value, with the units of EN 13757-3.
const Row kExtensions[] = {
    {0xFD, 0x24, 0x24, "ss STORAGE INTERVAL", 0, 0, false},
    {0xFD, 0x25, 0x25, "mm STORAGE INTERVAL", 0, 0, false},
    {0xFD, 0x26, 0x26, "hh STORAGE INTERVAL", 0, 0, false},
    {0xFD, 0x27, 0x27, "dd STORAGE INTERVAL", 0, 0, false},
    {0xFD, 0x28, 0x28, "STORAGE INTERVAL MONTHS", 0, 0, false},
    {0xFD, 0x29, 0x29, "STORAGE INTERVAL YEARS", 0, 0, false},
    {0xFD, 0x2A, 0x2A, "OPERATOR SPECIFIC", 0, 0, false},
    {0xFD, 0x2B, 0x2B, "TIME POINT SECOND", 0, 0, false},
    {0xFD, 0x2C, 0x2C, "ss DURATION SINCE READOUT", 0, 0, false},
    {0xFD, 0x2D, 0x2D, "mm DURATION SINCE READOUT", 0, 0, false},
    {0xFD, 0x2E, 0x2E, "hh DURATION SINCE READOUT", 0, 0, false},
    {0xFD, 0x2F, 0x2F, "dd DURATION SINCE READOUT", 0, 0, false},
    {0xFB, 0x02, 0x03, "kVARh", 0, 1, false},
    {0xFB, 0x1A, 0x1B, "%RH", -1, 1, false},
};

void checkRows(std::span<const Row> rows) {
    for (const Row& r : rows) {
        for (int code = r.from; code <= r.to; ++code) {
            const UnitInfo info = infoOf(r, std::uint8_t(code));
            EXPECT_EQ(info.unit, r.unit) << std::hex << int(r.table) << " " << code;
            EXPECT_EQ(info.exponent, r.exponent + r.step * (code - r.from)) << std::hex << code;
            EXPECT_EQ(info.storageSuffix, r.storage) << std::hex << code;
        }
    }
}

std::pair<std::string, std::string> one(const Bytes& bytes) {
    const auto texts = decodeRecordTexts(bytes, RecordOptions{'.'});
    EXPECT_EQ(texts.size(), 2u);
    return texts.size() < 2 ? std::pair<std::string, std::string>() : std::pair(texts[0], texts[1]);
}
using Pair = std::pair<std::string, std::string>;

} // namespace

TEST(VifTables, EveryDefinedTextIsKept) {
    checkRows(kDefined);
}

TEST(VifTables, EmptyCodesCarryTheStandardUnits) {
    checkRows(kExtensions);
    // Hand-built records of the added codes.
    EXPECT_EQ(one({0x02, 0xFB, 0x1A, 0x1F, 0x02}), Pair("54.3", "%RH"));
    EXPECT_EQ(one({0x04, 0xFD, 0x2C, 0x10, 0x0E, 0x00, 0x00}),
              Pair("0000003600", "ss DURATION SINCE READOUT"));
    EXPECT_EQ(one({0x01, 0xFD, 0x27, 0x01}), Pair("001", "dd STORAGE INTERVAL"));
    EXPECT_EQ(one({0x02, 0xFD, 0x2A, 0x12, 0xAB}), Pair("12AB", "OPERATOR SPECIFIC"));
    EXPECT_EQ(one({0x02, 0xFB, 0x03, 0x05, 0x00}), Pair("50", "kVARh"));
}

TEST(VifTables, PlainTextUnitsAndVariableLengthData) {
    // VIF 0x7C: the unit's characters last first, then the value as for its data field.
    EXPECT_EQ(one({0x02, 0x7C, 0x03, 'h', 'k', 'l', 0x2A, 0x00}), Pair("00042", "lkh"));
    EXPECT_EQ(one({0x0A, 0xFC, 0x10, 0x02, 'C', 'P', 0x34, 0x12}), Pair("1234", "PC"));
    // Data field 13: a text last character first, hex when it is not printable.
    EXPECT_EQ(one({0x0D, 0xFD, 0x0C, 0x03, 'C', 'B', 'A'}), Pair("ABC", "Model/Version"));
    EXPECT_EQ(one({0x0D, 0xFD, 0x0C, 0x02, 0x01, 0xFF}), Pair("01FF", "Model/Version"));
    EXPECT_EQ(one({0x0D, 0xFD, 0x0C, 0x00}), Pair("", "Model/Version"));
    // Numbers of variable length: BCD, negative BCD, binary, scaled by the VIF.
    EXPECT_EQ(one({0x0D, 0x13, 0xC2, 0x45, 0x23}), Pair("2.345", "m³"));
    EXPECT_EQ(one({0x0D, 0x13, 0xD2, 0x45, 0x23}), Pair("-2.345", "m³"));
    EXPECT_EQ(one({0x0D, 0x13, 0xE2, 0xFF, 0xFF}), Pair("-0.001", "m³"));
    EXPECT_EQ(one({0x0D, 0x78, 0xE1, 0x07}), Pair("7", "FAB.NO"));
    // A length beyond the bytes there ends the list instead of reading past it.
    EXPECT_TRUE(decodeRecordTexts(Bytes{0x0D, 0x78, 0x05, 'A'}).empty());
    EXPECT_TRUE(decodeRecordTexts(Bytes{0x0D, 0x78, 0xF7, 'A'}).empty());
}
