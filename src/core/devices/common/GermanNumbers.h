#pragma once
// Numbers as the device windows show and take them: German decimal comma, no thousands separator.

#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>

namespace kvq {

// German locale without group separators, either way.
const QLocale& germanLocale();

// Two decimals ("21,84").
QString formatFixed2(double v);
// Shortest text that reads back as the same float, never in exponent form ("12345,5", "0,1").
QString formatFloat(float v);
// A value in 1/10^decimals as a decimal number without trailing zeros (2057, 2: "20,57"; 2000, 2: "20").
QString formatFixed(std::int64_t v, int decimals);
QString formatHundredths(std::int64_t v);
// Decimal text ("0,335") of a double, at most six decimals.
QString formatDecimal(double v);

// Whole number: optional minus sign and decimal digits, blanks around allowed.
std::optional<std::int64_t> parseInteger(const QString& text);
// Decimal number with the comma as separator ("12,5", "-3", ",5"); no group separators.
std::optional<double> parseDecimal(const QString& text);
// Decimal number in hundredths, cut (not rounded) after the second decimal, computed from the
// digits so that "0,29" gives 29 and never 28.
std::optional<std::int64_t> parseHundredths(const QString& text);
// The same for any number of decimals (0..9).
std::optional<std::int64_t> parseFixed(const QString& text, int decimals);

} // namespace kvq
