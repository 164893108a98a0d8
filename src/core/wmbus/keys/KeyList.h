#pragma once
// AES key list files: a heading line, then one device a line, fields separated by ';':
//   field 0  free (not read)
//   field 1  radio ID, decimal
//   field 2  device type, decimal or "0x" hexadecimal
//   field 3  AES key, 32 hex digits (blanks allowed, "0x" prefix allowed)
// Further fields are ignored, empty lines skipped. A list is taken whole or not at all: one bad line
// refuses the file, so a route never holds half of a list.

#include "core/wmbus/route/Route.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <unordered_map>
#include <variant>
#include <vector>

namespace kvq::wmbus {

// Why a line of a list was refused.
enum class ListLineFault {
    TooFewFields,
    BadRadioId,
    BadDeviceType,
    BadKey,
    BadManufacturer,
    MissingPlace,   // device lists: building without floor or floor without building
    AlreadyInRoute, // device lists: the route (or an earlier line) has the device already
};

struct ListLineError {
    int line = 0; // 1 = first line of the file
    ListLineFault fault = ListLineFault::TooFewFields;
};

struct KeyListEntry {
    int line = 0;
    std::uint32_t radioId = 0;
    int deviceType = 0;
    QString keyText; // 32 upper-case hex digits
};

class KeyList {
public:
    const std::vector<KeyListEntry>& entries() const { return entries_; }
    // The key of a device: the first line with its radio ID and device type.
    const KeyListEntry* find(std::uint32_t radioId, int deviceType) const;

    void add(KeyListEntry entry);

private:
    std::vector<KeyListEntry> entries_;
    std::unordered_map<std::uint64_t, std::size_t> first_;
};

// The list, or the first bad line.
std::variant<KeyList, ListLineError> parseKeyList(const QByteArray& bytes);

// Gives every device of the route whose radio ID and device type the list names its key. The number
// of devices that took a key.
int applyKeyList(const KeyList& list, Route& route);

} // namespace kvq::wmbus
