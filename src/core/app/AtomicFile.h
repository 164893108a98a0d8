#pragma once
// Files with user data are replaced, never rewritten in place: a failed save leaves the old file.

#include "core/app/Result.h"

#include <QByteArray>
#include <QString>

namespace kvq {

// Writes `bytes` to a temporary file beside `path`, flushes it and renames it over `path`.
Status writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace kvq
