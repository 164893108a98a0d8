#pragma once
// One compact-frame format definition (a section of "kformate.ini"): the record headers that the
// compact frames of one signature, manufacturer and device type leave out.

#include "core/app/Result.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kvq::wmbus {

struct KompaktRecord {
    std::uint8_t dif = 0;
    std::array<std::uint8_t, 5> dife{};
    std::uint8_t vif = 0;
    std::array<std::uint8_t, 5> vife{};
    std::uint8_t length = 0; // data bytes in the compact frame
    bool variable = false;   // data field 13: the compact data carries the length byte first
};

struct TKompaktFormat {
    static constexpr std::size_t kMaxRecords = 30;

    QString name = QStringLiteral("---");
    QString signature; // four upper-case hex digits: first signature byte, then second
    QString herst = QStringLiteral("QLM");
    int medium = 8;
    QString format = QStringLiteral("2F2F");
    std::array<KompaktRecord, kMaxRecords> records{};
    std::uint8_t recordCount = 0;
};

// The message of a definition that cannot be read.
inline QString kompaktFormatError() {
    return QStringLiteral("Error in kformate.ini!");
}

// Reads `format` into the record definitions. An empty text gives none. Fails with
// kompaktFormatError() on a text that is no hex, a record with more than 5 DIFE or VIFE, a record
// cut off before its VIF, or more than 30 records (the compact data of the records after them could
// not be placed, and every value behind would be wrong).
Status parseKompaktFormat(TKompaktFormat& format);

// Writes the full records of compact data: each record's headers, then its data. Returns the bytes
// written, or nullopt when the data does not fit the definition or `out` is too small.
std::optional<std::size_t> expandKompakt(const TKompaktFormat& format, std::span<const std::uint8_t> data,
                                         std::span<std::uint8_t> out);

// The signature of record headers: the CRC of EN 13757-4 over them, as the text the file uses.
QString kompaktSignature(std::span<const std::uint8_t> headers);
// Signature bytes as received (first, second) as the text the file uses.
QString kompaktSignatureText(std::uint8_t first, std::uint8_t second);

} // namespace kvq::wmbus
