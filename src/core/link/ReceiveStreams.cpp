#include "core/link/ReceiveStreams.h"

#include "core/app/Bytes.h"

namespace kvq {

std::optional<std::array<int, 3>> parseSensorTestLog(const QString& logText) {
    if (logText.size() != 21 || !logText.startsWith(QLatin1String("E5")))
        return std::nullopt;
    QString digits;
    for (qsizetype i = 3; i < logText.size(); ++i)
        if (logText[i] != u' ')
            digits += logText[i];
    int b[6] = {};
    for (int i = 0; i < 6; ++i) {
        const int hi = 2 * i < digits.size() ? hexDigitValue(char(digits[2 * i].toLatin1())) : 0;
        const int lo = 2 * i + 1 < digits.size() ? hexDigitValue(char(digits[2 * i + 1].toLatin1())) : 0;
        b[i] = static_cast<std::int8_t>(static_cast<std::uint8_t>(hi * 16 + lo));
    }
    return std::array<int, 3>{b[0] * 256 + b[1], b[2] * 256 + b[3], b[4] * 256 + b[5]};
}

} // namespace kvq
