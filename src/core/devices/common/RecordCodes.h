#pragma once
// Identification numbers and manufacturer codes as the device records of every family hold them.

#include <QString>
#include <cstdint>
#include <optional>

namespace kvq {

// Identification number text: the eight nibbles of the value, most significant first, each as
// nibble + '0' (a valid BCD number thus shows its eight decimal digits).
QString bcdIdText(std::uint32_t value);
// Up to eight decimal digits, read left to right four bits per digit ("1234" is 0x00001234).
// Nothing else is an identification number: a non-digit or a ninth digit gives nullopt.
std::optional<std::uint32_t> parseBcdId(const QString& text);

// Manufacturer code: three letters packed five bits each ('@' + value), first letter highest.
QString manCodeText(std::uint16_t value);
// Three letters A..Z (lower case taken as upper case), or the signs '@' and '[' .. '_' that stand
// for the other 5-bit values; anything else gives nullopt.
std::optional<std::uint16_t> parseManCode(const QString& text);

} // namespace kvq
