#include "core/wmbus/RecordReader.h"

#include "core/wmbus/ValueText.h"
#include "core/wmbus/VifTables.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace kvq::wmbus {

namespace {

constexpr std::uint8_t kFiller = 0x2F;
constexpr int kMaxDife = 10;
constexpr int kMaxVife = 10;

// Fixed data length of a data field; 13 (variable) and 15 are handled by the caller.
constexpr std::size_t fixedLength(std::uint8_t df) {
    constexpr std::size_t lengths[16] = {0, 1, 2, 3, 4, 4, 6, 8, 0, 1, 2, 3, 4, 0, 6, 0};
    return lengths[df & 0x0F];
}

// Length of variable-length data from its length byte. Up to 0xBF the byte is the length of a
// text; above it the codes for BCD and binary numbers carry their length in the low bits.
std::optional<std::size_t> variableLength(std::uint8_t lvar) {
    if (lvar <= 0xBF)
        return lvar;
    if (lvar >= 0xC0 && lvar <= 0xC9)
        return lvar - 0xC0;
    if (lvar >= 0xD0 && lvar <= 0xD9)
        return lvar - 0xD0;
    if (lvar >= 0xE0 && lvar <= 0xEF)
        return lvar - 0xE0;
    if (lvar >= 0xF0 && lvar <= 0xF4)
        return 4u * (lvar - 0xEC);
    if (lvar == 0xF5)
        return 48;
    if (lvar == 0xF6)
        return 64;
    return std::nullopt;
}

std::uint64_t littleEndian(std::span<const std::uint8_t> data) {
    std::uint64_t v = 0;
    const std::size_t n = std::min<std::size_t>(data.size(), 8);
    for (std::size_t k = n; k-- > 0;)
        v = (v << 8) | data[k];
    return v;
}

// Type B: two's complement over all bytes of the field.
std::int64_t signedLittleEndian(std::span<const std::uint8_t> data) {
    const std::size_t n = std::min<std::size_t>(data.size(), 8);
    if (n == 0)
        return 0;
    const std::uint64_t v = littleEndian(data);
    if (n == 8)
        return static_cast<std::int64_t>(v);
    const std::uint64_t sign = std::uint64_t{1} << (8 * n - 1);
    return static_cast<std::int64_t>((v ^ sign) - sign);
}

bool isBcd(std::uint8_t df) {
    return df >= 9 && df <= 14 && df != 13;
}

} // namespace

RecordReader::RecordReader(std::span<const std::uint8_t> bytes, std::size_t limit, RecordOptions options)
    : bytes_(bytes), limit_(std::min(limit, bytes.size())), options_(options) {}

bool RecordReader::next(DataRecord& r) {
    if (end_ != RecordListEnd::Open)
        return false;
    if (pos_ >= limit_)
        return fail(RecordListEnd::Complete);
    const std::uint8_t* d = bytes_.data();
    const std::size_t size = bytes_.size();
    std::size_t q = pos_;
    const std::uint8_t dif = d[q++];
    if (dif == kFiller)
        return fail(RecordListEnd::Filler);
    const std::uint8_t df = dif & 0x0F;
    if (df == 0x0F)
        return fail(RecordListEnd::ManufacturerData);

    std::uint64_t storage = (dif >> 6) & 1;
    std::uint8_t prev = dif;
    for (int k = 0; (prev & 0x80) && k < kMaxDife; ++k) {
        if (q >= size)
            return fail(RecordListEnd::Truncated);
        prev = d[q++];
        storage |= static_cast<std::uint64_t>(prev & 0x0F) << (1 + 4 * k);
    }
    if (q >= size)
        return fail(RecordListEnd::Truncated);
    const std::uint8_t vif = d[q++];
    std::uint8_t vife = 0;
    bool hasVife = false;
    if (vif & 0x80) {
        if (q >= size)
            return fail(RecordListEnd::Truncated);
        vife = d[q++];
        hasVife = true;
        // Only the first VIFE selects the unit, but a chain of them must be stepped over, or the
        // following bytes would be read as data.
        prev = vife;
        for (int k = 1; (prev & 0x80) && k < kMaxVife; ++k) {
            if (q >= size)
                return fail(RecordListEnd::Truncated);
            prev = d[q++];
        }
    }
    std::size_t unitOffset = 0, unitLength = 0;
    if ((vif & 0x7F) == 0x7C) { // unit given as plain text: length byte and characters
        if (q >= size || d[q] > size - q - 1)
            return fail(RecordListEnd::Truncated);
        unitOffset = q + 1;
        unitLength = d[q];
        q += 1 + d[q];
    }
    std::size_t length = fixedLength(df);
    std::uint8_t lvar = 0;
    if (df == 13) {
        if (q >= size)
            return fail(RecordListEnd::Truncated);
        lvar = d[q++];
        const auto var = variableLength(lvar);
        if (!var)
            return fail(RecordListEnd::Truncated);
        length = *var;
    }
    if (length > size - q)
        return fail(RecordListEnd::Truncated);

    r.offset = pos_;
    r.dataOffset = q;
    r.dataLength = length;
    r.dif = dif;
    r.dataField = df;
    r.storage = storage;
    r.vif = vif;
    r.vife = vife;
    r.hasVife = hasVife;
    r.lvar = lvar;
    r.unitOffset = unitOffset;
    r.unitLength = unitLength;
    if (options_.formatValues)
        formatValue(r, bytes_.subspan(q, length));
    pos_ = q + length;
    return true;
}

void RecordReader::formatValue(DataRecord& r, std::span<const std::uint8_t> data) const {
    UnitInfo info = unitInfo(r.vif, r.vife);
    r.unit.assign(info.unit);
    if (r.unitLength > 0) {
        // A plain-text unit is stored last character first; its value is a plain number.
        for (std::size_t k = r.unitLength; k-- > 0;)
            r.unit += static_cast<char>(bytes_[r.unitOffset + k]);
        info = UnitInfo{{}, 0, false, ValueKind::Number};
    }
    if (info.storageSuffix && r.storage > 0) {
        r.unit += '[';
        appendPadded(r.unit, r.storage, 1);
        r.unit += ']';
    }
    r.value.clear();
    const std::uint8_t df = r.dataField;
    const char sep = options_.decimalSeparator;
    ValueKind kind = info.kind;
    // Type G needs data field 2, type F data field 4, type I data field 6; else the data is a number.
    auto dateTimeKind = [df] {
        return df == 4 ? ValueKind::DateTime : df == 6 ? ValueKind::DateTimeSeconds : ValueKind::Number;
    };
    if (kind == ValueKind::Date)
        kind = df == 2 ? ValueKind::Date : ValueKind::Number;
    else if (kind == ValueKind::DateTime)
        kind = dateTimeKind();
    else if (kind == ValueKind::DateOrDateTime)
        kind = df == 2 ? ValueKind::Date : dateTimeKind();

    switch (kind) {
    case ValueKind::Empty:
        return;
    case ValueKind::HexBytes:
        appendHexBytes(r.value, data);
        return;
    case ValueKind::HexValue:
        if (!data.empty())
            appendHexValue(r.value, littleEndian(data), 4);
        return;
    case ValueKind::Date:
        appendDateG(r.value, data[0], data[1]);
        return;
    case ValueKind::DateTime:
        appendDateTimeF(r.value, std::span<const std::uint8_t, 4>(data.first(4)));
        return;
    case ValueKind::DateTimeSeconds:
        appendDateTimeI(r.value, std::span<const std::uint8_t, 6>(data.first(6)));
        return;
    default:
        break;
    }

    const int e = info.exponent;
    if ((df >= 1 && df <= 4) || df == 6 || df == 7) {
        // Digits at least: 8, 16, 24, 32-bit as 3, 5, 8, 10; 48 and 64-bit as 10 and 20.
        constexpr int widths[] = {0, 3, 5, 8, 10, 0, 10, 20};
        const std::int64_t v = signedLittleEndian(data);
        if (e == 0)
            appendPaddedSigned(r.value, v, widths[df]);
        else
            appendScaledText(r.value, static_cast<double>(v), e, sep);
    } else if (df == 5) {
        const std::uint32_t bits = static_cast<std::uint32_t>(littleEndian(data));
        float f;
        std::memcpy(&f, &bits, sizeof f);
        appendScaledText(r.value, f, e, sep);
    } else if (isBcd(df)) {
        appendBcdText(r.value, data, e, sep);
    } else if (df == 13) {
        formatVariable(r, data, e);
    }
    // Data fields 0 and 8 carry no data.
}

void RecordReader::formatVariable(DataRecord& r, std::span<const std::uint8_t> data, int e) const {
    const std::uint8_t lvar = r.lvar;
    const char sep = options_.decimalSeparator;
    if (lvar <= 0xBF) {
        // Text, stored last character first; shown as text only when every byte is printable.
        const bool printable =
            std::all_of(data.begin(), data.end(), [](std::uint8_t c) { return c >= 0x20 && c < 0x7F; });
        if (printable) {
            for (std::size_t k = data.size(); k-- > 0;)
                r.value += static_cast<char>(data[k]);
        } else {
            appendHexBytes(r.value, data);
        }
    } else if (lvar <= 0xC9) {
        appendBcdText(r.value, data, e, sep);
    } else if (lvar >= 0xD0 && lvar <= 0xD9) {
        if (!data.empty())
            r.value += '-';
        appendBcdText(r.value, data, e, sep);
    } else if (lvar >= 0xE0 && lvar <= 0xEF && data.size() <= 8) {
        const std::int64_t v = signedLittleEndian(data);
        if (e == 0)
            appendPaddedSigned(r.value, v, 1);
        else
            appendScaledText(r.value, static_cast<double>(v), e, sep);
    } else {
        appendHexBytes(r.value, data); // long binary numbers
    }
}

std::vector<std::string> decodeRecordTexts(std::span<const std::uint8_t> bytes, RecordOptions options) {
    std::vector<std::string> out;
    RecordReader reader(bytes, options);
    DataRecord r;
    while (reader.next(r)) {
        out.push_back(r.value);
        out.push_back(r.unit);
    }
    return out;
}

} // namespace kvq::wmbus
