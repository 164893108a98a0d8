#pragma once
// Decoded telegrams for the table tests, filled field by field.

#include "core/wmbus/FlagCode.h"
#include "core/wmbus/TelegramResult.h"

#include <string>

namespace kvq::wmbus::test {

inline TelegramResult telegram(std::string_view id, std::uint8_t type = 7, std::string_view man = "CEN",
                               std::uint8_t access = 1, std::string value = "12,345") {
    TelegramResult r;
    r.link.l = 0x1E;
    r.link.idText.assign(id);
    r.link.manufacturer = unpackFlagCode(*packFlagCode(man));
    r.link.deviceType = type;
    r.deviceType = type;
    r.headerIdText.assign(id);
    r.accessNumber = access;
    r.rssiText.assign("-69");
    r.valuesTaken = true;
    r.values[0] = {std::move(value), "m³"};
    r.values[1] = {"01.01.2026", "Datum"};
    return r;
}

} // namespace kvq::wmbus::test
