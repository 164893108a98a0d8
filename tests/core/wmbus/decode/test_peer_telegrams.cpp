// The public telegrams of other makers' meters, decoded and compared with the values that an
// independent decoder reads from the same records. Units differ (our Wh against its kWh), so numbers
// are compared after converting by the unit, dates by their fields.

#include "core/wmbus/RecordReader.h"
#include "core/wmbus/TelegramDecoder.h"

#include "PeerTelegrams.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>

using namespace kvq::wmbus;
using namespace kvq::wmbus::test;

namespace {

// Rows whose header is unencrypted and whose CI our decoder reads: short (0x7A) and long (0x72)
// headers, no header (0x78), behind an extended link layer (0x8C).
const std::set<int> kPlainRows = {3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                                  16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 31, 32};

// Values where our rules give another number than the reference, because ours say so:
// integers are unsigned; only data field 2 is a date and data field 4 a date-time (the 6-byte
// type I date-time stays a number).
const std::map<std::pair<int, std::size_t>, const char*> kRuleDifferences = {
    {{10, 23}, "6-byte date-time (type I) is a number"},
    {{17, 68}, "negative power read as unsigned integer"},
    {{21, 31}, "negative BCD: sign nibble F written as 15"},
    {{21, 54}, "6-byte date-time (type I) is a number"},
};

struct Conversion {
    const char* suffix;
    const char* unit;
    double factor; // reference value = ours x factor
};
const Conversion kConversions[] = {
    {"_m3", "m³", 1},
    {"_m3h", "m³/h", 1},
    {"_kwh", "Wh", 1e-3},
    {"_kwh", "MWh", 1e3},
    {"_mwh", "MWh", 1},
    {"_gj", "GJ", 1},
    {"_gj", "J", 1e-9},
    {"_kw", "W", 1e-3},
    {"_c", "°C", 1},
    {"_hca", "HCA", 1},
    {"_bar", "bar", 1},
    {"_v", "V", 1},
    {"_a", "A", 1},
    {"_h", "ON_TIME_SEC", 1 / 3600.0},
    {"_h", "ON_TIME_MIN", 1 / 60.0},
    {"_h", "ON_TIME_HOU", 1},
    {"_h", "ON_TIME_DAY", 24},
    {"_s", "ON_TIME_SEC", 1},
    {"_s", "AC_TIME_SEC", 1},
    {"_s", "AV_TIME_SEC", 1},
    {"_h", "AC_TIME_HOU", 1},
    {"_h", "AV_TIME_HOU", 1},
};

bool endsWith(const std::string& s, std::string_view suffix) {
    return s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::string baseUnit(const std::string& unit) {
    return unit.substr(0, unit.find('['));
}

bool parseNumber(const std::string& text, double& out) {
    if (text.empty())
        return false;
    char* end = nullptr;
    out = std::strtod(text.c_str(), &end);
    return end && *end == '\0';
}

// "2022-12-31 23:59" or "2022-12-31" in our form "31.12.2022 23:59:00" / "31.12.2022".
std::string ourDateForm(const std::string& iso) {
    if (iso.size() < 10)
        return {};
    std::string out = iso.substr(8, 2) + "." + iso.substr(5, 2) + "." + iso.substr(0, 4);
    if (iso.size() == 16)
        out += " " + iso.substr(11, 5) + ":00";
    else if (iso.size() == 19)
        out += " " + iso.substr(11, 8);
    else if (iso.size() != 10)
        return {};
    return out;
}

enum class Outcome { NotComparable, Same, Different };

Outcome compare(const PeerValue& ref, const DataRecord& r, std::string& detail) {
    const std::string unit = baseUnit(r.unit);
    std::ostringstream d;
    d << ref.name << "=" << ref.value << " ours " << r.value << " " << r.unit;
    detail = d.str();
    if (ref.quoted) {
        if (unit != "DATE" && unit != "DATETIME")
            return Outcome::NotComparable;
        const std::string expected = ourDateForm(ref.value);
        if (expected.empty())
            return Outcome::NotComparable;
        return expected == r.value ? Outcome::Same : Outcome::Different;
    }
    double expected = 0, ours = 0;
    if (!parseNumber(ref.value, expected))
        return Outcome::NotComparable;
    for (const Conversion& c : kConversions) {
        if (!endsWith(ref.name, c.suffix) || unit != c.unit)
            continue;
        if (!parseNumber(r.value, ours))
            return Outcome::Different;
        const double v = ours * c.factor;
        return std::fabs(v - expected) <= 1e-9 * std::max(1.0, std::fabs(expected)) ? Outcome::Same
                                                                                    : Outcome::Different;
    }
    return Outcome::NotComparable;
}

} // namespace

TEST(PeerTelegrams, UnencryptedTelegramsGiveTheReferenceValues) {
    const auto telegrams = loadPeerTelegrams();
    ASSERT_EQ(telegrams.size(), 65u);
    TelegramDecoder decoder;
    decoder.setDecimalSeparator('.');
    TelegramResult result;
    int compared = 0;
    for (const PeerTelegram& pt : telegrams) {
        if (!kPlainRows.count(pt.row))
            continue;
        SCOPED_TRACE("row " + std::to_string(pt.row));
        int perRow = 0;
        std::vector<std::uint8_t> t = pt.receiverBuffer();
        ASSERT_TRUE(decoder.decode(t, 0, result));
        EXPECT_FALSE(result.encrypted);
        EXPECT_TRUE(result.knownCi);
        EXPECT_FALSE(result.truncated);
        ASSERT_GT(result.recordCount, 0u);
        EXPECT_TRUE(result.valuesTaken);

        // Read the same record list with offsets, to meet the reference's values by position.
        std::map<std::size_t, DataRecord> byDataOffset;
        RecordReader reader(std::span<const std::uint8_t>(t).subspan(
                                result.recordsOffset, result.recordsEnd - result.recordsOffset),
                            RecordOptions{'.'});
        DataRecord r;
        std::size_t k = 0;
        while (reader.next(r)) {
            if (k < kMaxValuePairs) {
                EXPECT_EQ(result.values[k].value, r.value);
                EXPECT_EQ(result.values[k].unit, r.unit);
            }
            ++k;
            // Buffer index minus the receiver's start byte gives the offset in the radio telegram.
            byDataOffset[result.recordsOffset + r.dataOffset - 1] = r;
        }
        EXPECT_EQ(k, result.recordCount);
        // Row 4 carries manufacturer data that happens to parse as records until it runs out.
        if (pt.row != 4) {
            EXPECT_NE(reader.end(), RecordListEnd::Truncated);
        }

        for (const PeerValue& ref : loadPeerValues(pt.row)) {
            const auto it = byDataOffset.find(ref.dataOffset);
            if (it == byDataOffset.end())
                continue; // a value the reference takes from manufacturer data
            std::string detail;
            const Outcome o = compare(ref, it->second, detail);
            if (o == Outcome::NotComparable)
                continue;
            const auto known = kRuleDifferences.find({pt.row, ref.dataOffset});
            if (known != kRuleDifferences.end()) {
                EXPECT_EQ(o, Outcome::Different)
                    << detail << " (listed as differing: " << known->second << ")";
                continue;
            }
            EXPECT_EQ(o, Outcome::Same) << "at " << ref.dataOffset << ": " << detail;
            ++compared;
            ++perRow;
        }
        // Rows 4 and 11 carry only manufacturer counters the reference reads in its own way.
        if (pt.row != 4 && pt.row != 11) {
            EXPECT_GT(perRow, 0);
        }
    }
    EXPECT_GE(compared, 150);
}
