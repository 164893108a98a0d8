#include "PeerTelegrams.h"

#include "TestData.h"

#include "core/wmbus/RecordReader.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <sstream>

#include <gtest/gtest.h>

namespace kvq::wmbus::test {

namespace {

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
    {"_rh", "%RH", 1},
    {"_s", "ss DURATION SINCE READOUT", 1},
    {"_h", "hh DURATION SINCE READOUT", 1},
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
        std::string expected = ourDateForm(ref.value), ours = r.value;
        if (expected.empty())
            return Outcome::NotComparable;
        // The reference shows a six-byte date-time to the minute only.
        if (ref.value.size() == 16 && r.dataField == 6) {
            expected.resize(16);
            ours.resize(std::min<std::size_t>(ours.size(), 16));
        }
        return expected == ours ? Outcome::Same : Outcome::Different;
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

// Why our rules give another value than the reference for this record, or null when they should
// not differ.
const char* ruleDifference(const PeerValue&, const DataRecord& r) {
    const std::string unit = baseUnit(r.unit);
    double number = 0;
    if (r.dataField == 13 && !parseNumber(r.value, number))
        return "a data container that the reference splits by the maker's layout";
    if ((unit == "DATETIME" && r.dataField != 4 && r.dataField != 6) || (unit == "DATE" && r.dataField != 2))
        return "a date in another data field than G (2), F (4) or I (6) is a number";
    return nullptr;
}

} // namespace

std::vector<std::uint8_t> PeerTelegram::receiverBuffer(std::uint8_t rssi) const {
    std::vector<std::uint8_t> t(radio.size() + 1);
    t[0] = 0x68;
    std::copy(radio.begin(), radio.end(), t.begin() + 1);
    t[1] = static_cast<std::uint8_t>(t[1] + 1);
    t.push_back(rssi);
    return t;
}

std::vector<std::uint8_t> withoutFormatACrcs(const std::vector<std::uint8_t>& radio) {
    std::vector<std::uint8_t> out;
    std::size_t k = 0, block = 10;
    while (k < radio.size()) {
        const std::size_t n = std::min(block, radio.size() - k);
        const std::size_t data = n > 2 ? std::min(block, radio.size() - k - 2) : 0;
        out.insert(out.end(), radio.begin() + k, radio.begin() + k + data);
        k += data + 2;
        block = 16;
    }
    return out;
}

std::vector<std::string> peerBytesDiffering(int row, std::span<const std::uint8_t> t) {
    std::vector<std::string> out;
    static const char* digits = "0123456789ABCDEF";
    for (const PeerValue& ref : loadPeerValues(row)) {
        std::string ours;
        for (std::size_t k = 0; k < ref.dataHex.size() / 2 && ref.dataOffset + 1 + k < t.size(); ++k) {
            const std::uint8_t b = t[ref.dataOffset + 1 + k];
            ours += digits[b >> 4];
            ours += digits[b & 15];
        }
        if (ours != ref.dataHex)
            out.push_back("at " + std::to_string(ref.dataOffset) + ": " + ref.name + " " + ref.dataHex +
                          " ours " + ours);
    }
    return out;
}

std::vector<PeerTelegram> loadPeerTelegrams() {
    QFile f(kvq::test::testDataDir() + QStringLiteral("/wmbus/peer-telegrams.tsv"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text));
    QTextStream in(&f);
    in.readLine(); // header
    std::vector<PeerTelegram> out;
    int row = 0;
    while (!in.atEnd()) {
        const QStringList cols = in.readLine().split(u'\t');
        if (cols.size() < 4)
            continue;
        PeerTelegram t;
        t.row = ++row;
        const QByteArray raw = QByteArray::fromHex(cols[0].toLatin1());
        t.radio.assign(raw.begin(), raw.end());
        t.keyHex = cols[1].toStdString();
        t.notes = cols[3].toStdString();
        out.push_back(std::move(t));
    }
    return out;
}

std::vector<PeerValue> loadPeerValues(int row) {
    QFile f(kvq::test::testDataDir() + QStringLiteral("/wmbus/peer-decodes/%1.txt").arg(row));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text)) << row;
    // "020 C!: 84278406 ("total_m3":6842.784)"
    static const QRegularExpression line(
        QStringLiteral(R"re(^(\d{3}) C!: ([0-9A-Fa-f]+) \("([^"]+)":("?)([^")]*)"?\))re"));
    std::vector<PeerValue> out;
    QTextStream in(&f);
    while (!in.atEnd()) {
        const auto m = line.match(in.readLine());
        if (!m.hasMatch())
            continue;
        PeerValue v;
        v.dataOffset = m.captured(1).toULongLong();
        v.dataHex = m.captured(2).toUpper().toStdString();
        v.name = m.captured(3).toStdString();
        v.quoted = !m.captured(4).isEmpty();
        v.value = m.captured(5).toStdString();
        out.push_back(std::move(v));
    }
    return out;
}

} // namespace kvq::wmbus::test

namespace kvq::wmbus::test {

PeerCheck checkAgainstPeer(int row, std::span<const std::uint8_t> t, const TelegramResult& result) {
    PeerCheck check;
    std::map<std::size_t, DataRecord> byDataOffset;
    if (result.recordsEnd > result.recordsOffset && result.recordsEnd <= t.size()) {
        RecordReader reader(t.subspan(result.recordsOffset, result.recordsEnd - result.recordsOffset),
                            RecordOptions{'.'});
        DataRecord r;
        std::size_t k = 0;
        while (reader.next(r)) {
            if (k < kMaxValuePairs && (result.values[k].value != r.value || result.values[k].unit != r.unit))
                check.mismatches.push_back("pair " + std::to_string(k) + " differs from its record");
            ++k;
            // Buffer index minus the receiver's start byte gives the offset in the radio telegram.
            byDataOffset[result.recordsOffset + r.dataOffset - 1] = r;
        }
        check.records = k;
        check.end = reader.end();
    }
    for (const PeerValue& ref : loadPeerValues(row)) {
        const auto it = byDataOffset.find(ref.dataOffset);
        if (it == byDataOffset.end())
            continue; // a value the reference takes from manufacturer data
        std::string detail;
        const Outcome o = compare(ref, it->second, detail);
        if (o == Outcome::NotComparable)
            continue;
        if (o == Outcome::Same) {
            ++check.compared;
        } else if (const char* why = ruleDifference(ref, it->second)) {
            check.ruleDifferences.push_back("at " + std::to_string(ref.dataOffset) + ": " + detail + " (" +
                                            why + ")");
        } else {
            check.different.push_back("at " + std::to_string(ref.dataOffset) + ": " + detail);
        }
    }
    return check;
}

} // namespace kvq::wmbus::test
