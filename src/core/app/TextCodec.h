#pragma once
// Text encodings of the files users exchange with Windows programs: Windows-1252 and UTF-8.

#include <QByteArray>
#include <QString>

namespace kvq {

enum class TextEncoding { Windows1252, Utf8, Utf8Bom };

QString decodeWindows1252(const QByteArray& bytes);
// False when a character has no Windows-1252 code; `out` is then unusable.
bool encodeWindows1252(const QString& text, QByteArray& out);

// Decodes a whole file: UTF-8 with BOM, valid UTF-8, otherwise Windows-1252. Pure ASCII counts as
// Windows-1252, so that a file we write back stays in the classic encoding.
QString decodeText(const QByteArray& bytes, TextEncoding* detected = nullptr);
// Encodes in the wanted encoding; Windows-1252 falls back to UTF-8 when a character cannot be
// represented (the encoding really used is stored in `used`).
QByteArray encodeText(const QString& text, TextEncoding wanted, TextEncoding* used = nullptr);

} // namespace kvq
