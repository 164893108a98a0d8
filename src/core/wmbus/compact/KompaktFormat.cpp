#include "core/wmbus/compact/KompaktFormat.h"

#include "core/app/Bytes.h"
#include "core/wmbus/Crc16.h"

namespace kvq::wmbus {

namespace {

std::uint8_t lengthOf(std::uint8_t dif) {
    // Data field 13 counts as 4 here; its real length comes with the data.
    static constexpr std::uint8_t lengths[16] = {0, 1, 2, 3, 4, 4, 6, 8, 0, 1, 2, 3, 4, 4, 6, 0};
    return lengths[dif & 0x0F];
}

} // namespace

Status parseKompaktFormat(TKompaktFormat& f) {
    f.recordCount = 0;
    f.records = {};
    std::vector<std::uint8_t> bytes;
    if (!parseHexText(f.format.toStdString(), bytes))
        return Status::failure(kompaktFormatError());
    std::size_t q = 0;
    while (q < bytes.size()) {
        if (f.recordCount == TKompaktFormat::kMaxRecords)
            return Status::failure(kompaktFormatError());
        KompaktRecord r;
        r.dif = bytes[q++];
        r.length = lengthOf(r.dif);
        r.variable = (r.dif & 0x0F) == 13;
        std::uint8_t last = r.dif;
        for (std::size_t k = 0; last & 0x80; ++k) {
            if (k == r.dife.size() || q >= bytes.size())
                return Status::failure(kompaktFormatError());
            last = r.dife[k] = bytes[q++];
        }
        if (q >= bytes.size())
            return Status::failure(kompaktFormatError());
        r.vif = last = bytes[q++];
        for (std::size_t k = 0; last & 0x80; ++k) {
            if (k == r.vife.size() || q >= bytes.size())
                return Status::failure(kompaktFormatError());
            last = r.vife[k] = bytes[q++];
        }
        f.records[f.recordCount++] = r;
    }
    return {};
}

std::optional<std::size_t> expandKompakt(const TKompaktFormat& f, std::span<const std::uint8_t> data,
                                         std::span<std::uint8_t> out) {
    std::size_t n = 0, q = 0;
    auto put = [&](std::uint8_t b) {
        if (n >= out.size())
            return false;
        out[n++] = b;
        return true;
    };
    for (std::size_t i = 0; i < f.recordCount; ++i) {
        const KompaktRecord& r = f.records[i];
        bool ok = put(r.dif);
        for (std::uint8_t b : r.dife)
            if (b)
                ok = ok && put(b);
        ok = ok && put(r.vif);
        for (std::uint8_t b : r.vife)
            if (b)
                ok = ok && put(b);
        std::size_t length = r.length;
        if (r.variable) {
            // The length byte travels with the data; only plain lengths (texts up to 0xBF, BCD and
            // binary numbers by their low bits) can be placed.
            if (q >= data.size())
                return std::nullopt;
            const std::uint8_t lvar = data[q];
            if (lvar <= 0xBF)
                length = lvar;
            else if (lvar <= 0xC9 || (lvar >= 0xD0 && lvar <= 0xD9))
                length = lvar & 0x0F;
            else if (lvar >= 0xE0 && lvar <= 0xEF)
                length = lvar - 0xE0;
            else
                return std::nullopt;
            length += 1;
        }
        if (!ok || length > data.size() - q || length > out.size() - n)
            return std::nullopt;
        std::copy_n(data.begin() + q, length, out.begin() + n);
        q += length;
        n += length;
    }
    return n;
}

QString kompaktSignatureText(std::uint8_t first, std::uint8_t second) {
    return QStringLiteral("%1%2")
        .arg(first, 2, 16, QLatin1Char('0'))
        .arg(second, 2, 16, QLatin1Char('0'))
        .toUpper();
}

QString kompaktSignature(std::span<const std::uint8_t> headers) {
    const std::uint16_t crc = wmbusCrc(headers);
    return kompaktSignatureText(static_cast<std::uint8_t>(crc & 0xFF), static_cast<std::uint8_t>(crc >> 8));
}

} // namespace kvq::wmbus
