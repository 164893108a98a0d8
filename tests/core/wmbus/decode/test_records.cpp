#include "core/wmbus/DecimalSeparator.h"
#include "core/wmbus/RecordReader.h"
#include "core/wmbus/ValueText.h"

#include <gtest/gtest.h>

using namespace kvq::wmbus;
using Bytes = std::vector<std::uint8_t>;

namespace {
// Value and unit of the only record in bytes.
std::pair<std::string, std::string> one(const Bytes& bytes, char sep = ',') {
    const auto texts = decodeRecordTexts(bytes, RecordOptions{sep});
    EXPECT_EQ(texts.size(), 2u);
    if (texts.size() < 2)
        return {};
    return {texts[0], texts[1]};
}
using Pair = std::pair<std::string, std::string>;
} // namespace

TEST(RecordValues, IntegerVolumeScaledByTheExponentAndTheLocaleSeparator) {
    EXPECT_EQ(one({0x04, 0x13, 0x39, 0x30, 0x00, 0x00}), Pair("12,345", "m³"));
    EXPECT_EQ(one({0x04, 0x13, 0x39, 0x30, 0x00, 0x00}, '.'), Pair("12.345", "m³"));
    EXPECT_EQ(one({0x04, 0x13, 0x00, 0x00, 0x00, 0x00}), Pair("0", "m³"));
    EXPECT_EQ(one({0x02, 0x06, 0x05, 0x00}), Pair("5000", "Wh")); // e = +3
}

TEST(RecordValues, IntegersAreSignedOverAllTheirBytes) {
    // A flow temperature just below zero, and every width with its sign bit set.
    EXPECT_EQ(one({0x02, 0x5A, 0xFE, 0xFF}, '.'), Pair("-0.2", "°C"));
    EXPECT_EQ(one({0x04, 0x13, 0xFF, 0xFF, 0xFF, 0xFF}, '.'), Pair("-0.001", "m³"));
    EXPECT_EQ(one({0x01, 0xFD, 0x08, 0xFB}), Pair("-005", "Access Number"));
    EXPECT_EQ(one({0x03, 0x78, 0xFF, 0xFF, 0xFF}), Pair("-00000001", "FAB.NO"));
    EXPECT_EQ(one({0x04, 0x78, 0xFF, 0xFF, 0xFF, 0xFF}), Pair("-0000000001", "FAB.NO"));
    EXPECT_EQ(one({0x04, 0x78, 0xFF, 0xFF, 0xFF, 0x7F}), Pair("2147483647", "FAB.NO"));
    EXPECT_EQ(one({0x06, 0x6E, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), Pair("-0000000002", "HCA"));
    EXPECT_EQ(one({0x06, 0x6E, 0x00, 0x00, 0x00, 0x00, 0xFF, 0x7F}), Pair("140733193388032", "HCA"));
    EXPECT_EQ(one({0x07, 0x6E, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}),
              Pair("-00000000000000000001", "HCA"));
    EXPECT_EQ(one({0x07, 0x6E, 0, 0, 0, 0, 0, 0, 0, 0x80}), Pair("-09223372036854775808", "HCA"));
    // A hex text keeps the bytes as they are.
    EXPECT_EQ(one({0x02, 0xFD, 0x17, 0xFF, 0xFF}), Pair("FFFF", "ERROR FLAGS"));
}

TEST(RecordValues, IntegersWithoutExponentKeepTheirFieldWidths) {
    EXPECT_EQ(one({0x01, 0xFD, 0x08, 0x05}), Pair("005", "Access Number"));
    EXPECT_EQ(one({0x02, 0x6E, 0x34, 0x12}), Pair("04660", "HCA"));
    EXPECT_EQ(one({0x03, 0x78, 0x01, 0x00, 0x01}), Pair("00065537", "FAB.NO"));
    EXPECT_EQ(one({0x06, 0x6E, 0x01, 0, 0, 0, 0, 0}), Pair("0000000001", "HCA"));
    EXPECT_EQ(one({0x07, 0x6E, 0x02, 0, 0, 0, 0, 0, 0, 0}), Pair("00000000000000000002", "HCA"));
    // All six bytes count, not only the low four.
    EXPECT_EQ(one({0x06, 0x6E, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00}), Pair("4294967296", "HCA"));
}

TEST(RecordValues, BcdDigitsWithAppendedZerosOrSeparator) {
    EXPECT_EQ(one({0x0C, 0x13, 0x45, 0x23, 0x01, 0x00}, '.'), Pair("00012.345", "m³"));
    EXPECT_EQ(one({0x0C, 0x13, 0x45, 0x23, 0x01, 0x00}), Pair("00012,345", "m³"));
    EXPECT_EQ(one({0x0A, 0x5A, 0x59, 0x01}), Pair("015,9", "°C"));
    EXPECT_EQ(one({0x0C, 0x06, 0x78, 0x56, 0x34, 0x12}), Pair("12345678000", "Wh"));
    EXPECT_EQ(one({0x09, 0x6E, 0x1A}), Pair("110", "HCA")); // nibble A written as 10
    // Fewer digits than the exponent asks for: zeros in front keep the value right.
    EXPECT_EQ(one({0x09, 0x13, 0x45}), Pair(",045", "m³"));
    EXPECT_EQ(one({0x0E, 0x6E, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06}), Pair("060504030201", "HCA"));
    // F in the most significant nibble is the minus sign; elsewhere it stays the number 15.
    EXPECT_EQ(one({0x0C, 0x2B, 0x22, 0x00, 0x00, 0xF0}), Pair("-0000022", "W"));
    EXPECT_EQ(one({0x0A, 0x5A, 0x59, 0xF1}, '.'), Pair("-15.9", "°C"));
    EXPECT_EQ(one({0x09, 0x6E, 0xFF}), Pair("-15", "HCA"));
    EXPECT_EQ(one({0x0A, 0x6E, 0xF0, 0x0F}), Pair("015150", "HCA"));
}

TEST(RecordValues, RealsDatesAndHexTexts) {
    EXPECT_EQ(one({0x05, 0x2B, 0x00, 0x00, 0xC0, 0x3F}), Pair("1,5", "W"));
    EXPECT_EQ(one({0x05, 0x13, 0x00, 0x00, 0xC0, 0x3F}, '.'), Pair("0.0015", "m³"));
    EXPECT_EQ(one({0x42, 0x6C, 0x3F, 0x2C}), Pair("31.12.2017", "DATE[1]"));
    EXPECT_EQ(one({0x04, 0x6D, 0x3B, 0x37, 0xDF, 0x2C}), Pair("31.12.2022 23:59:00", "DATETIME"));
    // Dates only in their own data fields; otherwise the number.
    EXPECT_EQ(one({0x02, 0x6D, 0x01, 0x02}), Pair("00513", "DATETIME"));
    EXPECT_EQ(one({0x02, 0xFD, 0x17, 0x01, 0x00}), Pair("0001", "ERROR FLAGS"));
    EXPECT_EQ(one({0x02, 0xFD, 0x1B, 0xCD, 0xAB}), Pair("ABCD", "DIGITAL IN"));
    EXPECT_EQ(one({0x04, 0x79, 0x01, 0x02, 0x03, 0xA4}), Pair("010203A4", "ENID"));
    EXPECT_EQ(one({0x02, 0xFF, 0x01, 0xAB, 0xCD}), Pair("ABCD", "MANSPECIFIC"));
    EXPECT_EQ(one({0x02, 0xFD, 0x30, 0x3F, 0x2C}), Pair("31.12.2017", "START OF TARIFF"));
    EXPECT_EQ(one({0x04, 0xFD, 0x70, 0x3B, 0x37, 0xDF, 0x2C}),
              Pair("31.12.2022 23:59:00", "DATETIME BAT CHANGE"));
    // Six bytes: seconds, minutes, hours, then day, month and year as in a date.
    EXPECT_EQ(one({0x06, 0x6D, 0x2C, 0x1A, 0xA1, 0xD5, 0x21, 0x00}), Pair("21.01.2022 01:26:44", "DATETIME"));
    EXPECT_EQ(one({0x46, 0x6D, 0x3B, 0x3B, 0x17, 0xFF, 0xFC, 0x00}),
              Pair("31.12.2127 23:59:59", "DATETIME[1]"));
    EXPECT_EQ(one({0x06, 0xFD, 0x30, 0x00, 0x00, 0x06, 0x21, 0x2A, 0x00}),
              Pair("01.10.2017 06:00:00", "START OF TARIFF"));
    EXPECT_EQ(one({0x06, 0xFD, 0x71, 0x00, 0x00, 0x00, 0x3F, 0x2C, 0x00}),
              Pair("31.12.2017 00:00:00", "DATETIME BAT CHANGE"));
}

TEST(RecordUnits, StorageNumberFromDifAndDifes) {
    EXPECT_EQ(one({0x44, 0x13, 0x01, 0, 0, 0}).second, "m³[1]");
    EXPECT_EQ(one({0x84, 0x01, 0x13, 0x01, 0, 0, 0}).second, "m³[2]");
    EXPECT_EQ(one({0xC4, 0x01, 0x13, 0x01, 0, 0, 0}).second, "m³[3]");
    EXPECT_EQ(one({0x84, 0x80, 0x01, 0x13, 0x01, 0, 0, 0}).second, "m³[32]");
    // Units without the storage mark stay plain.
    EXPECT_EQ(one({0x41, 0x78, 0x01}).second, "FAB.NO");
    EXPECT_EQ(one({0x42, 0xFD, 0x17, 0x00, 0x00}).second, "ERROR FLAGS");
}

TEST(RecordUnits, TablesOfThePrimaryAndExtensionVifs) {
    struct Case {
        Bytes vif;
        const char* unit;
        const char* value; // of the 1-byte integer 5
    };
    // Group edges and the exponent arithmetic of each table; n is the low bits of the code.
    const Case cases[] = {
        {{0x03}, "Wh", "005"},
        {{0x0B}, "J", "5000"},
        {{0x49}, "m³/s", "5E-8"},
        {{0x5D}, "°C", "0,05"},
        {{0x61}, "K", "0,05"},
        {{0x66}, "°C", "0,5"},
        {{0x26}, "ON_TIME_HOU", "005"},
        {{0x77}, "AC_TIME_DAY", "005"},
        {{0x6F}, "", ""},
        {{0x7E}, "", ""},
        {{0xFD, 0x02}, "Credit", "0,5"},
        {{0xFD, 0x25}, "mm STORAGE INTERVAL", "005"},
        {{0xFD, 0x3A}, " ", "005"},
        {{0xFD, 0x48}, "V", "0,5"},
        {{0xFD, 0x5C}, "A", "005"},
        {{0xFB, 0x08}, "GJ", "0,5"},
        {{0xFB, 0x11}, "m³", "5000"},
        {{0xFB, 0x05}, "", "005"},
        {{0xFB, 0x24}, "am gallon/min", "0,005"},
        {{0xFB, 0x74}, "°C", "0,005"},
        {{0xFB, 0x7F}, "W", "50000"},
    };
    for (const Case& c : cases) {
        Bytes record = {0x01};
        record.insert(record.end(), c.vif.begin(), c.vif.end());
        record.push_back(0x05);
        EXPECT_EQ(one(record), Pair(c.value, c.unit)) << int(c.vif[0]) << " " << int(c.vif.back());
    }
}

TEST(RecordList, ChainedVifesAreSteppedOver) {
    // FW version as text behind two VIFEs, then an ordinary record.
    const Bytes bytes = {0x0D, 0xFD, 0x8E, 0x00, 0x03, 0x31, 0x2E, 0x32, 0x04, 0x13, 0x39, 0x30, 0x00, 0x00};
    const auto texts = decodeRecordTexts(bytes);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[1], "FW Version");
    EXPECT_EQ(texts[2], "12,345");
    EXPECT_EQ(texts[3], "m³");
}

TEST(RecordList, VariableLengthAndPlainTextUnits) {
    // Length byte of a text, then of a 2-byte binary number (0xE2), then a plain-text unit VIF.
    const Bytes bytes = {0x0D, 0x78, 0x03, 0x41, 0x42, 0x43, 0x0D, 0x79, 0xE2, 0x12,
                         0x34, 0x01, 0x7C, 0x02, 0x48, 0x4B, 0x07, 0x01, 0x13, 0x01};
    RecordReader reader(bytes);
    DataRecord r;
    ASSERT_TRUE(reader.next(r));
    EXPECT_EQ(r.dataOffset, 3u);
    EXPECT_EQ(r.dataLength, 3u);
    ASSERT_TRUE(reader.next(r));
    EXPECT_EQ(r.dataLength, 2u);
    EXPECT_EQ(r.value, "1234");
    ASSERT_TRUE(reader.next(r));
    EXPECT_EQ(r.dataOffset, 16u);
    EXPECT_EQ(r.value, "007");
    EXPECT_EQ(r.unit, "KH");
    ASSERT_TRUE(reader.next(r));
    EXPECT_EQ(r.unit, "m³");
    EXPECT_FALSE(reader.next(r));
    EXPECT_EQ(reader.end(), RecordListEnd::Complete);
}

TEST(RecordList, EndsAtFillerManufacturerDataAndTruncation) {
    struct Case {
        Bytes bytes;
        std::size_t records;
        RecordListEnd end;
    };
    const Case cases[] = {
        {{0x01, 0x13, 0x05, 0x2F, 0x01, 0x13, 0x05}, 1, RecordListEnd::Filler},
        {{0x01, 0x13, 0x05, 0x0F, 0x01, 0x02}, 1, RecordListEnd::ManufacturerData},
        {{0x1F, 0x01, 0x13, 0x05}, 0, RecordListEnd::ManufacturerData},
        {{0x01, 0x13, 0x05, 0x04, 0x13, 0x01, 0x02}, 1, RecordListEnd::Truncated},
        {{0x84}, 0, RecordListEnd::Truncated},
        {{0x04}, 0, RecordListEnd::Truncated},
        {{0x04, 0x93}, 0, RecordListEnd::Truncated},
        {{0x0D, 0x13, 0x05, 0x01}, 0, RecordListEnd::Truncated},
        {{0x0D, 0x13, 0xF8, 0x01}, 0, RecordListEnd::Truncated}, // reserved length code
        {{0x01, 0x7C, 0x05, 0x41}, 0, RecordListEnd::Truncated},
        {{0x00, 0x13, 0x08, 0x13}, 2, RecordListEnd::Complete}, // no data fields
        {{}, 0, RecordListEnd::Complete},
    };
    for (const Case& c : cases) {
        RecordReader reader(c.bytes);
        DataRecord r;
        std::size_t n = 0;
        while (reader.next(r))
            ++n;
        EXPECT_EQ(n, c.records) << ::testing::PrintToString(c.bytes);
        EXPECT_EQ(reader.end(), c.end) << ::testing::PrintToString(c.bytes);
    }
}

TEST(RecordList, TenDifesAtMostThenTheVif) {
    Bytes bytes = {0x81};
    for (int k = 0; k < 10; ++k)
        bytes.push_back(0x80);
    bytes.push_back(0x13); // taken as the VIF although the last DIFE asks for more
    bytes.push_back(0x07);
    RecordReader reader(bytes);
    DataRecord r;
    ASSERT_TRUE(reader.next(r));
    EXPECT_EQ(r.vif, 0x13);
    EXPECT_EQ(r.value, "0,007");
}

TEST(RecordList, RecordsStartOnlyBelowTheLimit) {
    const Bytes bytes = {0x01, 0x13, 0x05, 0x01, 0x13, 0x06};
    RecordReader reader(bytes, 3);
    DataRecord r;
    EXPECT_TRUE(reader.next(r));
    EXPECT_FALSE(reader.next(r));
    // A record that starts below the limit may reach beyond it.
    RecordReader longer(bytes, 1);
    EXPECT_TRUE(longer.next(r));
    EXPECT_EQ(r.value, "0,005");
}

TEST(ValueText, FloatingPointTexts) {
    auto text = [](double v, int e, char sep = ',') {
        std::string s;
        appendScaledText(s, v, e, sep);
        return s;
    };
    EXPECT_EQ(text(12345, -3), "12,345");
    EXPECT_EQ(text(1, 20), "1E20");
    EXPECT_EQ(text(15, -8), "1,5E-7");
    EXPECT_EQ(text(123456789012345678.0, 0, '.'), "1.23456789012346E17");
    EXPECT_EQ(text(-2.5, 0), "-2,5");
    EXPECT_EQ(text(0.1, 0, '.'), "0.1");
    EXPECT_EQ(text(std::numeric_limits<double>::quiet_NaN(), 0), "NAN");
    EXPECT_EQ(text(-std::numeric_limits<double>::infinity(), 0), "-INF");
}

TEST(RecordValues, DecimalSeparatorFollowsTheLocale) {
    EXPECT_EQ(decimalSeparatorOf(QLocale(QLocale::German, QLocale::Germany)), ',');
    EXPECT_EQ(decimalSeparatorOf(QLocale(QLocale::English, QLocale::UnitedStates)), '.');
    EXPECT_EQ(decimalSeparatorOf(QLocale::c()), '.');
    // A separator outside ASCII (Arabic) falls back to the comma.
    EXPECT_EQ(decimalSeparatorOf(QLocale(QLocale::Arabic, QLocale::Egypt)), ',');
}
