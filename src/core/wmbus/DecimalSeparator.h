#pragma once
// The decimal separator of value texts, from the user's locale.

#include <QLocale>

namespace kvq::wmbus {

// The locale's decimal point when it is one ASCII character, else ',' (value texts are bytes, and
// exports expect a single character).
char decimalSeparatorOf(const QLocale& locale);

} // namespace kvq::wmbus
