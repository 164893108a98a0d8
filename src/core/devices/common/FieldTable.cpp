#include "core/devices/common/FieldTable.h"

#include "core/app/Bytes.h"
#include "core/devices/common/GermanNumbers.h"
#include "core/devices/common/RecordCodes.h"

#include <QCoreApplication>
#include <cfloat>
#include <cmath>
#include <cstring>

namespace kvq::fields {

namespace {

bool isInteger(Codec c) {
    switch (c) {
    case Codec::U8:
    case Codec::I8:
    case Codec::BE16:
    case Codec::BE16Signed:
    case Codec::LE16:
    case Codec::BE32:
    case Codec::LE32:
        return true;
    default:
        return false;
    }
}

std::uint32_t readWord(const std::uint8_t* p, int bytes, ByteOrder order) {
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) {
        const int at = order == ByteOrder::Big ? i : bytes - 1 - i;
        v = (v << 8) | p[at];
    }
    return v;
}

void writeWord(std::uint8_t* p, int bytes, ByteOrder order, std::uint32_t v) {
    for (int i = 0; i < bytes; ++i) {
        const int at = order == ByteOrder::Big ? bytes - 1 - i : i;
        p[at] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

// A row that does not fit its record is a programming error in the table; it must never read or
// write past the record.
bool fits(std::span<const std::uint8_t> record, int offset, int size) {
    return offset >= 0 && size >= 0 && std::size_t(offset) + std::size_t(size) <= record.size();
}

float readFloat(const std::uint8_t* p, ByteOrder order) {
    const std::uint32_t bits = readWord(p, 4, order);
    float v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

void writeFloat(std::uint8_t* p, ByteOrder order, float v) {
    std::uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    writeWord(p, 4, order, bits);
}

} // namespace

QString translated(const char* text) {
    return QCoreApplication::translate("FieldTexts", text);
}

int codecSize(Codec codec) {
    switch (codec) {
    case Codec::U8:
    case Codec::I8:
        return 1;
    case Codec::BE16:
    case Codec::BE16Signed:
    case Codec::LE16:
    case Codec::ManCode:
    case Codec::ManCodeBE:
        return 2;
    case Codec::BE32:
    case Codec::LE32:
    case Codec::BEFloat:
    case Codec::LEFloat:
    case Codec::BcdId:
    case Codec::BcdIdBE:
        return 4;
    }
    return 0;
}

std::int64_t placeMin(const Placement& s) {
    if (s.min != 0 || s.max != 0)
        return s.min;
    switch (s.codec) {
    case Codec::I8:
        return -128;
    case Codec::BE16Signed:
        return -32768;
    default:
        return 0;
    }
}

std::int64_t placeMax(const Placement& s) {
    if (s.min != 0 || s.max != 0)
        return s.max;
    switch (s.codec) {
    case Codec::I8:
        return 127;
    case Codec::U8:
        return 255;
    case Codec::BE16Signed:
        return 32767;
    case Codec::BE16:
    case Codec::LE16:
        return 65535;
    default:
        return 0xFFFFFFFFll;
    }
}

QString captionText(const Placement& s) {
    const QString t = translated(s.caption ? s.caption : "");
    return s.row ? t + u' ' + QString::number(s.row) : t;
}

std::int64_t integerValue(std::span<const std::uint8_t> record, const Placement& s) {
    if (!isInteger(s.codec) || !fits(record, s.offset, codecSize(s.codec)))
        return 0;
    const std::uint8_t* p = record.data() + s.offset;
    switch (s.codec) {
    case Codec::U8:
        return p[0];
    case Codec::I8:
        return static_cast<std::int8_t>(p[0]);
    case Codec::BE16:
        return readWord(p, 2, ByteOrder::Big);
    case Codec::BE16Signed:
        return static_cast<std::int16_t>(readWord(p, 2, ByteOrder::Big));
    case Codec::LE16:
        return readWord(p, 2, ByteOrder::Little);
    case Codec::BE32:
        return readWord(p, 4, ByteOrder::Big);
    case Codec::LE32:
        return readWord(p, 4, ByteOrder::Little);
    default:
        return 0;
    }
}

QString showValue(std::span<const std::uint8_t> record, const Placement& s) {
    if (!fits(record, s.offset, codecSize(s.codec)))
        return QString();
    const std::uint8_t* p = record.data() + s.offset;
    switch (s.codec) {
    case Codec::BEFloat:
        return formatFloat(readFloat(p, ByteOrder::Big));
    case Codec::LEFloat:
        return formatFloat(readFloat(p, ByteOrder::Little));
    case Codec::BcdId:
        return bcdIdText(readWord(p, 4, ByteOrder::Little));
    case Codec::BcdIdBE:
        return bcdIdText(readWord(p, 4, ByteOrder::Big));
    case Codec::ManCode:
        return manCodeText(std::uint16_t(readWord(p, 2, ByteOrder::Little)));
    case Codec::ManCodeBE:
        return manCodeText(std::uint16_t(readWord(p, 2, ByteOrder::Big)));
    default:
        return s.decimals ? formatFixed(integerValue(record, s), s.decimals)
                          : QString::number(integerValue(record, s));
    }
}

Status storeValue(std::span<std::uint8_t> record, const Placement& s, const QString& text) {
    if (!fits(record, s.offset, codecSize(s.codec)))
        return Status::failure(
            QCoreApplication::translate("FieldTexts", "%1: liegt außerhalb des Datensatzes!")
                .arg(captionText(s)));
    std::uint8_t* p = record.data() + s.offset;
    switch (s.codec) {
    case Codec::BEFloat:
    case Codec::LEFloat: {
        const auto v = parseDecimal(text);
        if (!v || std::fabs(*v) > double(FLT_MAX))
            return Status::failure(
                QCoreApplication::translate("FieldTexts", "%1: bitte eine Zahl mit Dezimalkomma eingeben!")
                    .arg(captionText(s)));
        writeFloat(p, s.codec == Codec::BEFloat ? ByteOrder::Big : ByteOrder::Little, static_cast<float>(*v));
        return {};
    }
    case Codec::BcdId:
    case Codec::BcdIdBE: {
        const auto v = parseBcdId(text.trimmed());
        if (!v)
            return Status::failure(
                QCoreApplication::translate("FieldTexts", "%1: nur Ziffern, höchstens 8 Stellen!")
                    .arg(captionText(s)));
        writeWord(p, 4, s.codec == Codec::BcdId ? ByteOrder::Little : ByteOrder::Big, *v);
        return {};
    }
    case Codec::ManCode:
    case Codec::ManCodeBE: {
        if (text.size() != 3)
            return {};
        const auto v = parseManCode(text);
        if (!v)
            return Status::failure(
                QCoreApplication::translate("FieldTexts", "%1: bitte drei Buchstaben A bis Z eingeben!")
                    .arg(captionText(s)));
        writeWord(p, 2, s.codec == Codec::ManCode ? ByteOrder::Little : ByteOrder::Big, *v);
        return {};
    }
    default:
        break;
    }
    const std::int64_t lo = placeMin(s), hi = placeMax(s);
    const auto v = s.decimals ? parseFixed(text, s.decimals) : parseInteger(text);
    if (!v || *v < lo || *v > hi) {
        if (s.decimals)
            return Status::failure(
                QCoreApplication::translate("FieldTexts", "%1: bitte eine Zahl von %2 bis %3 eingeben!")
                    .arg(captionText(s), formatFixed(lo, s.decimals), formatFixed(hi, s.decimals)));
        return Status::failure(
            QCoreApplication::translate("FieldTexts", "%1: bitte eine ganze Zahl von %2 bis %3 eingeben!")
                .arg(captionText(s), QString::number(lo), QString::number(hi)));
    }
    const auto u = static_cast<std::uint32_t>(*v);
    switch (s.codec) {
    case Codec::U8:
    case Codec::I8:
        p[0] = static_cast<std::uint8_t>(u);
        break;
    case Codec::BE16:
    case Codec::BE16Signed:
        writeWord(p, 2, ByteOrder::Big, u);
        break;
    case Codec::LE16:
        writeWord(p, 2, ByteOrder::Little, u);
        break;
    case Codec::BE32:
        writeWord(p, 4, ByteOrder::Big, u);
        break;
    case Codec::LE32:
        writeWord(p, 4, ByteOrder::Little, u);
        break;
    default:
        break;
    }
    return {};
}

bool bitValue(std::span<const std::uint8_t> record, const Bit& b) {
    if (!fits(record, b.offset, b.bytes))
        return false;
    return (readWord(record.data() + b.offset, b.bytes, b.order) >> b.bit) & 1u;
}

void setBitValue(std::span<std::uint8_t> record, const Bit& b, bool on) {
    if (!fits(record, b.offset, b.bytes))
        return;
    std::uint32_t w = readWord(record.data() + b.offset, b.bytes, b.order);
    const std::uint32_t mask = std::uint32_t(1) << b.bit;
    w = on ? (w | mask) : (w & ~mask);
    writeWord(record.data() + b.offset, b.bytes, b.order, w);
}

void clearWord(std::span<std::uint8_t> record, const Word& w) {
    if (fits(record, w.offset, w.bytes))
        std::fill_n(record.data() + w.offset, w.bytes, std::uint8_t(0));
}

} // namespace kvq::fields
