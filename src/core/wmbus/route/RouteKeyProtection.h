#pragma once
// Device keys are not stored in plain text in a route file: each is encrypted as one AES block
// under a fixed file key and written as 32 upper-case hex digits.

#include "core/app/Result.h"

#include <QString>

#include <optional>

namespace kvq::wmbus {

// The protected form of a key text (blanks ignored); an empty key stays empty.
QString protectKeyText(const QString& keyText);

// The key text of a protected form, as 32 upper-case hex digits; empty stays empty. None when
// the stored text is not 32 hex digits.
Result<QString> unprotectKeyText(const QString& stored);

} // namespace kvq::wmbus
