#include "core/wmbus/keys/KeyList.h"

#include "core/wmbus/keys/CsvFields.h"

namespace kvq::wmbus {

namespace {

std::uint64_t pack(std::uint32_t radioId, int deviceType) {
    return (std::uint64_t(radioId) << 8) | static_cast<std::uint8_t>(deviceType);
}

} // namespace

void KeyList::add(KeyListEntry entry) {
    first_.try_emplace(pack(entry.radioId, entry.deviceType), entries_.size());
    entries_.push_back(std::move(entry));
}

const KeyListEntry* KeyList::find(std::uint32_t radioId, int deviceType) const {
    if (deviceType < 0 || deviceType > 255)
        return nullptr;
    const auto it = first_.find(pack(radioId, deviceType));
    return it == first_.end() ? nullptr : &entries_[it->second];
}

std::variant<KeyList, ListLineError> parseKeyList(const QByteArray& bytes) {
    const QStringList lines = csvLines(bytes);
    KeyList list;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const int lineNo = static_cast<int>(i + 1);
        if (lines[i].trimmed().isEmpty())
            continue;
        const QStringList f = csvFields(lines[i]);
        if (f.size() < 4)
            return ListLineError{lineNo, ListLineFault::TooFewFields};
        const auto id = radioIdField(f[1]);
        if (!id)
            return ListLineError{lineNo, ListLineFault::BadRadioId};
        const auto type = deviceTypeField(f[2]);
        if (!type)
            return ListLineError{lineNo, ListLineFault::BadDeviceType};
        const auto key = keyField(f[3]);
        if (!key || key->isEmpty())
            return ListLineError{lineNo, ListLineFault::BadKey};
        list.add(KeyListEntry{lineNo, *id, *type, *key});
    }
    return list;
}

int applyKeyList(const KeyList& list, Route& route) {
    int taken = 0;
    for (RouteNodeId node : route.devicesInTreeOrder()) {
        const RouteDevice& device = *route.device(node);
        bool ok = false;
        const int type = device.medium.trimmed().toInt(&ok);
        if (!ok)
            continue;
        const KeyListEntry* entry = list.find(device.radioId, type);
        if (!entry)
            continue;
        RouteDevice changed = device;
        changed.keyText = entry->keyText;
        route.setDevice(node, changed);
        ++taken;
    }
    return taken;
}

} // namespace kvq::wmbus
