#pragma once
// A telegram field by field, as a technician reads it: one line per protocol field and per data
// record, with its offset in the radio telegram (the L field at 0), its bytes and its meaning.

#include "core/wmbus/TelegramResult.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kvq::wmbus {

// Lines for a telegram buffer that `decode` has already run on (so an encrypted payload is in plain
// text where a key fitted). `result` is that decode's result.
std::vector<std::string> explainTelegram(std::span<const std::uint8_t> telegram, const TelegramResult& result,
                                         char decimalSeparator);

} // namespace kvq::wmbus
