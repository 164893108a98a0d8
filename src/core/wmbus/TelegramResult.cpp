#include "core/wmbus/TelegramResult.h"

namespace kvq::wmbus {

void TelegramResult::reset() {
    std::string key = std::move(keyText), flags = std::move(errorFlags);
    std::array<ValuePair, kMaxValuePairs> pairs = std::move(values);
    *this = TelegramResult();
    keyText = std::move(key);
    keyText.clear();
    errorFlags = std::move(flags);
    errorFlags.clear();
    values = std::move(pairs);
    for (ValuePair& p : values) {
        p.value.clear();
        p.unit.clear();
    }
}

} // namespace kvq::wmbus
