#include "core/wmbus/ValueText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace kvq::wmbus {

namespace {
constexpr char kHex[] = "0123456789ABCDEF";

double scaled(double value, int e) {
    // Dividing by an exact power of ten keeps 12345 x 10^-3 at the double nearest to 12.345.
    if (e >= 0)
        return value * std::pow(10.0, e);
    return value / std::pow(10.0, -e);
}
} // namespace

void appendScaledText(std::string& out, double value, int e, char separator) {
    const double v = scaled(value, e);
    if (std::isnan(v)) {
        out += "NAN";
        return;
    }
    if (std::isinf(v)) {
        out += v < 0 ? "-INF" : "INF";
        return;
    }
    char buf[40];
    // As "%.15g" prints it, without the cost of printf.
    const int n =
        static_cast<int>(std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15).ptr - buf);
    for (int k = 0; k < n; ++k) {
        const char c = buf[k];
        if (c == '.') {
            out += separator;
        } else if (c == 'e') {
            // Exponent as 1E20 / 1,5E-7: no plus sign, no leading zeros.
            out += 'E';
            int j = k + 1;
            if (buf[j] == '-')
                out += '-';
            if (buf[j] == '-' || buf[j] == '+')
                ++j;
            while (j < n - 1 && buf[j] == '0')
                ++j;
            out.append(buf + j, static_cast<std::size_t>(n - j));
            return;
        } else {
            out += c;
        }
    }
}

void appendPadded(std::string& out, std::uint64_t value, int width) {
    char buf[24];
    const int n = std::snprintf(buf, sizeof buf, "%0*llu", width, static_cast<unsigned long long>(value));
    out.append(buf, static_cast<std::size_t>(n));
}

void appendPaddedSigned(std::string& out, std::int64_t value, int width) {
    char buf[32];
    const int n = std::snprintf(buf, sizeof buf, "%0*.*lld", width, width, static_cast<long long>(value));
    out.append(buf, static_cast<std::size_t>(n));
}

void appendBcdText(std::string& out, std::span<const std::uint8_t> bytes, int e, char separator) {
    std::size_t start = out.size();
    const bool negative = !bytes.empty() && (bytes.back() >> 4) == 0x0F;
    if (negative) {
        out += '-';
        ++start;
    }
    // Nibbles from the most significant on; the sign nibble is skipped.
    for (std::size_t i = negative ? 1 : 0; i < bytes.size() * 2; ++i) {
        const std::uint8_t b = bytes[bytes.size() - 1 - i / 2];
        const int nibble = i % 2 == 0 ? b >> 4 : b & 0x0F;
        if (nibble > 9)
            out += '1'; // 0xA..0xF as 10..15
        out += static_cast<char>('0' + nibble % 10);
    }
    if (e > 0) {
        out.append(static_cast<std::size_t>(e), '0');
    } else if (e < 0) {
        const std::size_t fraction = static_cast<std::size_t>(-e);
        const std::size_t digits = out.size() - start;
        if (digits < fraction)
            out.insert(start, fraction - digits, '0');
        out.insert(out.size() - fraction, 1, separator);
    }
}

void appendDateG(std::string& out, std::uint8_t b0, std::uint8_t b1) {
    const int day = b0 & 31, month = b1 & 15;
    const int year = 2000 + ((b0 >> 5) | ((b1 & 0xF0) >> 1));
    char buf[16];
    const int n = std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", day, month, year);
    out.append(buf, static_cast<std::size_t>(n));
}

void appendDateTimeF(std::string& out, std::span<const std::uint8_t, 4> b) {
    const int minute = b[0] & 63, hour = b[1] & 31, day = b[2] & 31, month = b[3] & 15;
    const int year = 2000 + ((b[2] >> 5) | ((b[3] & 0xF0) >> 1));
    char buf[24];
    const int n =
        std::snprintf(buf, sizeof buf, "%02d.%02d.%04d %02d:%02d:00", day, month, year, hour, minute);
    out.append(buf, static_cast<std::size_t>(n));
}

void appendDateTimeI(std::string& out, std::span<const std::uint8_t, 6> b) {
    appendDateG(out, b[3], b[4]);
    const int second = b[0] & 63, minute = b[1] & 63, hour = b[2] & 31;
    char buf[16];
    const int n = std::snprintf(buf, sizeof buf, " %02d:%02d:%02d", hour, minute, second);
    out.append(buf, static_cast<std::size_t>(n));
}

void appendHexBytes(std::string& out, std::span<const std::uint8_t> bytes) {
    for (std::uint8_t b : bytes) {
        out += kHex[b >> 4];
        out += kHex[b & 0x0F];
    }
}

void appendHexValue(std::string& out, std::uint64_t value, int width) {
    char buf[24];
    const int n = std::snprintf(buf, sizeof buf, "%0*llX", width, static_cast<unsigned long long>(value));
    out.append(buf, static_cast<std::size_t>(n));
}

} // namespace kvq::wmbus
