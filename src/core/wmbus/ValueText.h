#pragma once
// Text forms of record values. Each function appends to out, so a caller can reuse one buffer.

#include <cstdint>
#include <span>
#include <string>

namespace kvq::wmbus {

// value x 10^e as a floating-point text: up to 15 significant digits, no trailing zeros, the given
// decimal separator; very large or small values in the form 1,5E-7.
void appendScaledText(std::string& out, double value, int e, char separator);
// Unsigned decimal with leading zeros to at least width digits.
void appendPadded(std::string& out, std::uint64_t value, int width);
// Signed decimal with at least width digits after the sign, as "%0w.wd" prints it (-5, 3: "-005").
void appendPaddedSigned(std::string& out, std::int64_t value, int width);
// BCD bytes (least significant byte first) as digits, last byte first; a nibble above 9 is written
// as its two-digit number. e > 0 appends zeros, e < 0 puts the separator before the last -e
// characters (with zeros in front when there are fewer). A most significant nibble F marks a negative
// number: it becomes the minus sign.
void appendBcdText(std::string& out, std::span<const std::uint8_t> bytes, int e, char separator);
// Type G date: DD.MM.YYYY.
void appendDateG(std::string& out, std::uint8_t b0, std::uint8_t b1);
// Type F date and time: DD.MM.YYYY hh:mm:00.
void appendDateTimeF(std::string& out, std::span<const std::uint8_t, 4> b);
// Type I date and time: seconds, minutes, hours, then day/month/year as in type G: DD.MM.YYYY hh:mm:ss.
void appendDateTimeI(std::string& out, std::span<const std::uint8_t, 6> b);
// Each byte as two upper-case hex digits, in the given order, without blanks.
void appendHexBytes(std::string& out, std::span<const std::uint8_t> bytes);
// Upper-case hex with leading zeros to at least width digits.
void appendHexValue(std::string& out, std::uint64_t value, int width);

} // namespace kvq::wmbus
