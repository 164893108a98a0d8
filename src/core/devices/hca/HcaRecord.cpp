#include "core/devices/hca/HcaRecord.h"

#include "core/app/Bytes.h"
#include "core/devices/common/RecordCodes.h"

#include <QDate>

namespace kvq::hca {

QString idText(const Record& r, int offset) {
    return bcdIdText(readLE32(r.data() + offset));
}

std::optional<std::uint32_t> parseIdText(const QString& text) {
    return parseBcdId(text);
}

void storeId(Record& r, int offset, std::uint32_t bcd) {
    writeLE32(r.data() + offset, bcd);
}

QString manCodeText(const Record& r) {
    return kvq::manCodeText(readLE16(r.data() + off::ManCode));
}

void repairClock(Record& r) {
    if (r[off::ClockHours] > 23 || r[off::ClockMinutes] > 59 || r[off::ClockSeconds] > 59)
        r[off::ClockHours] = r[off::ClockMinutes] = r[off::ClockSeconds] = 0;
    const int y = r[off::DateYear], m = r[off::DateMonth], d = r[off::DateDay];
    // A date that does not exist (day 0, 30 February) is as unusable as month 13.
    if (!(y <= 99 && m >= 1 && m <= 12 && d >= 1 && QDate(2000 + y, m, d).isValid())) {
        r[off::DateYear] = 0;
        r[off::DateMonth] = 1;
        r[off::DateDay] = 1;
    }
}

QString keyText(const DeviceKey& key) {
    const std::string hex = toHexText(key);
    return QString::fromLatin1(hex.data(), static_cast<qsizetype>(hex.size()) - 1);
}

DeviceKey keyAt(const Record& r) {
    DeviceKey key;
    std::copy_n(r.begin() + off::AesKey, key.size(), key.begin());
    return key;
}

void storeKey(Record& r, const DeviceKey& key) {
    std::copy(key.begin(), key.end(), r.begin() + off::AesKey);
}

} // namespace kvq::hca
