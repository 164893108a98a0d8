#include "core/wmbus/VifTables.h"

namespace kvq::wmbus {

namespace {

constexpr UnitInfo number(std::string_view unit, int e, bool storage = false) {
    return {unit, e, storage, ValueKind::Number};
}
constexpr UnitInfo ofKind(std::string_view unit, ValueKind kind, bool storage = false) {
    return {unit, 0, storage, kind};
}
constexpr UnitInfo kEmpty{{}, 0, false, ValueKind::Empty};

UnitInfo primary(std::uint8_t v) {
    static constexpr std::string_view onTime[] = {"ON_TIME_SEC", "ON_TIME_MIN", "ON_TIME_HOU", "ON_TIME_DAY"};
    static constexpr std::string_view avTime[] = {"AV_TIME_SEC", "AV_TIME_MIN", "AV_TIME_HOU", "AV_TIME_DAY"};
    static constexpr std::string_view acTime[] = {"AC_TIME_SEC", "AC_TIME_MIN", "AC_TIME_HOU", "AC_TIME_DAY"};
    const int n7 = v & 7, n3 = v & 3;
    switch (v >> 3) {
    case 0x00 >> 3:
        return number("Wh", n7 - 3, true);
    case 0x08 >> 3:
        return number("J", n7, true);
    case 0x10 >> 3:
        return number("m³", n7 - 6, true);
    case 0x18 >> 3:
        return number("kg", n7 - 3, true);
    case 0x20 >> 3:
        return number(onTime[n3], 0);
    case 0x28 >> 3:
        return number("W", n7 - 3, true);
    case 0x30 >> 3:
        return number("J/h", n7, true);
    case 0x38 >> 3:
        return number("m³/h", n7 - 6, true);
    case 0x40 >> 3:
        return number("m³/min", n7 - 7, true);
    case 0x48 >> 3:
        return number("m³/s", n7 - 9, true);
    case 0x50 >> 3:
        return number("kg/h", n7 - 3, true);
    case 0x58 >> 3:
        return number("°C", n3 - 3, true); // flow 0x58..0x5B, return 0x5C..0x5F
    case 0x60 >> 3:
        return v < 0x64 ? number("K", n3 - 3, true) : number("°C", n3 - 3, true); // external 0x64..0x67
    case 0x68 >> 3:
        if (v < 0x6C)
            return number("bar", n3 - 3, true);
        if (v == 0x6C)
            return ofKind("DATE", ValueKind::Date, true);
        if (v == 0x6D)
            return ofKind("DATETIME", ValueKind::DateTime, true);
        if (v == 0x6E)
            return number("HCA", 0, true);
        return kEmpty; // 0x6F
    case 0x70 >> 3:
        return v < 0x74 ? number(avTime[n3], 0) : number(acTime[n3], 0);
    default: // 0x78..0x7F
        switch (v) {
        case 0x78:
            return number("FAB.NO", 0);
        case 0x79:
            return ofKind("ENID", ValueKind::HexBytes);
        case 0x7A:
            return ofKind("BUSADDRESS", ValueKind::HexBytes);
        case 0x7F:
            return ofKind("MANSPECIFIC", ValueKind::HexBytes);
        default:
            return kEmpty;
        }
    }
}

UnitInfo extensionFD(std::uint8_t x) {
    static constexpr std::string_view t00[] = {"Credit",        "Credit",     "Credit",       "Credit",
                                               "Debit",         "Debit",      "Debit",        "Debit",
                                               "Access Number", "Medium",     "Manufacturer", "Parameter set",
                                               "Model/Version", "HW Version", "FW Version",   "SW Version"};
    static constexpr std::string_view t10[] = {"Costomer location",
                                               "Costomer",
                                               "Access Code User",
                                               "Access Code Operator",
                                               "Access Code Sys Operator",
                                               "Access Code Developer",
                                               "PASSWORD",
                                               "ERROR FLAGS",
                                               "ERROR MASK",
                                               "PASSWORD",
                                               "DIGITAL OUT",
                                               "DIGITAL IN",
                                               "BAUD",
                                               "RESPONSE DELAY",
                                               "RETRY",
                                               "RESERVED"};
    static constexpr std::string_view t30[] = {"START OF TARIFF",
                                               "mm DURATION OF TARIFF",
                                               "hh DURATION OF TARIFF",
                                               "dd DURATION OF TARIFF",
                                               "ss PERIOD OF TARIFF",
                                               "mm PERIOD OF TARIFF",
                                               "hh PERIOD OF TARIFF",
                                               "dd PERIOD OF TARIFF",
                                               "PERIOD OF TARIFF MONTHS",
                                               "PERIOD OF TARIFF YEARS",
                                               " ",
                                               "RESERVED",
                                               "RESERVED",
                                               "RESERVED",
                                               "RESERVED",
                                               "RESERVED"};
    static constexpr std::string_view t60[] = {"RESET COUNT",
                                               "COMULATION COUNT",
                                               "CONTROL SIGNAL",
                                               "DAY OF WEEK",
                                               "WEEK NUMBER",
                                               "TIME POINT OF DAY CHANGE",
                                               "STATE OF PAR ACTIVATION",
                                               "SPECIAl SUPPLIER INFO",
                                               "hh DURATION",
                                               "dd DURATION",
                                               "mm DURATION",
                                               "yy DURATION",
                                               "hh OPERATING TIME BAT",
                                               "dd OPERATING TIME BAT",
                                               "mm OPERATING TIME BAT",
                                               "yy OPERATING TIME BAT"};
    const int low4 = x & 0x0F;
    switch (x >> 4) {
    case 0x0:
        if (x < 0x08)
            return number(t00[low4], (x & 3) - 3);
        return number(t00[low4], 0);
    case 0x1: {
        const bool hex = x == 0x17 || x == 0x18 || x == 0x1A || x == 0x1B;
        return hex ? ofKind(t10[low4], ValueKind::HexValue) : number(t10[low4], 0);
    }
    case 0x2: {
        // Extensions from EN 13757-3 where our table had no value: storage interval, operator
        // data, time point, duration since the last readout.
        static constexpr UnitInfo t24[] = {
            {"ss STORAGE INTERVAL", 0, false, ValueKind::Number},
            {"mm STORAGE INTERVAL", 0, false, ValueKind::Number},
            {"hh STORAGE INTERVAL", 0, false, ValueKind::Number},
            {"dd STORAGE INTERVAL", 0, false, ValueKind::Number},
            {"STORAGE INTERVAL MONTHS", 0, false, ValueKind::Number},
            {"STORAGE INTERVAL YEARS", 0, false, ValueKind::Number},
            {"OPERATOR SPECIFIC", 0, false, ValueKind::HexBytes},
            {"TIME POINT SECOND", 0, false, ValueKind::Number},
            {"ss DURATION SINCE READOUT", 0, false, ValueKind::Number},
            {"mm DURATION SINCE READOUT", 0, false, ValueKind::Number},
            {"hh DURATION SINCE READOUT", 0, false, ValueKind::Number},
            {"dd DURATION SINCE READOUT", 0, false, ValueKind::Number},
        };
        if (x == 0x20)
            return number("FIRST STORAGE", 0);
        if (x == 0x21)
            return number("LAST STORAGE", 0);
        if (x == 0x22)
            return number("SIZE OF STORAGE", 0);
        if (x == 0x23)
            return number("RESERVED", 0);
        return t24[x - 0x24];
    }
    case 0x3:
        return x == 0x30 ? ofKind(t30[0], ValueKind::DateOrDateTime) : number(t30[low4], 0);
    case 0x4:
        return number("V", low4 - 9);
    case 0x5:
        return number("A", low4 - 12);
    case 0x6:
        return number(t60[low4], 0);
    default:
        return ofKind("DATETIME BAT CHANGE", ValueKind::DateOrDateTime);
    }
}

UnitInfo extensionFB(std::uint8_t x) {
    const int n1 = x & 1, n3 = x & 3;
    if (x < 0x20) {
        // Extensions from EN 13757-3 where our table had no unit: reactive energy, relative humidity.
        if (x == 0x02 || x == 0x03)
            return number("kVARh", n1);
        if (x == 0x1A || x == 0x1B)
            return number("%RH", n1 - 1);
        const bool named = (x & 7) < 2;
        if (!named)
            return number({}, 0);
        switch (x >> 3) {
        case 0:
            return number("MWh", n1 - 1);
        case 1:
            return number("GJ", n1 - 1);
        case 2:
            return number("m³", n1 + 2);
        default:
            return number("t", n1 + 2);
        }
    }
    switch (x) {
    case 0x20:
        return number("Reserved", 0);
    case 0x21:
        return number("feet?", -1);
    case 0x22:
        return number("am gallon", -1);
    case 0x23:
        return number("am gallon", 0);
    case 0x24:
        return number("am gallon/min", -3);
    case 0x25:
        return number("am gallon/min", 0);
    case 0x26:
        return number("am gallon/h", 0);
    default:
        break;
    }
    if (x == 0x28 || x == 0x29)
        return number("MW", n1 - 1);
    if (x >= 0x2A && x <= 0x2F)
        return number("Reserved", 0);
    if (x == 0x30 || x == 0x31)
        return number("GJ/h", n1 - 1);
    if (x >= 0x32 && x <= 0x37)
        return number("Reserved", 0);
    if (x == 0x57)
        return number("Reserved", 0);
    if (x >= 0x58 && x <= 0x67)
        return number("°F", n3 - 3);
    if (x >= 0x68 && x <= 0x6F)
        return number("Reserved", 0);
    if (x >= 0x70 && x <= 0x73)
        return number("°F", n3 - 3);
    if (x >= 0x74 && x <= 0x77)
        return number("°C", n3 - 3);
    if (x >= 0x78)
        return number("W", (x & 7) - 3);
    return number({}, 0);
}

} // namespace

UnitInfo unitInfo(std::uint8_t vif, std::uint8_t vife) {
    if (vif == 0xFD)
        return extensionFD(vife & 0x7F);
    if (vif == 0xFB)
        return extensionFB(vife & 0x7F);
    return primary(vif & 0x7F);
}

} // namespace kvq::wmbus
