#pragma once
// Devices that are not in the route: those heard on air ("nicht registrierte Geräte") and those read
// from a device list without a place in the route. One entry per device; a telegram of a listed
// device refreshes its entry through an index, so the list costs the same with thousands of entries.

#include "core/wmbus/Telegram.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kvq::wmbus {

struct TelegramResult;

struct UnregisteredDevice {
    QString idText;       // link ID text as received (eight digits for BCD IDs)
    QString manufacturer; // flag code
    int deviceType = 0;
    QString keyText;      // imported devices may bring their key; heard ones have none
    QString positionText; // imported devices: remark for the route
    QString rssi;         // of the last telegram
    ReceiveTime lastTime = 0;
    std::uint32_t telegrams = 0;

    // The radio ID a route device would get; none when the ID text is no number that fits.
    std::optional<std::uint32_t> radioId() const;
};

class UnregisteredListObserver {
public:
    virtual ~UnregisteredListObserver() = default;
    virtual void appended(int row) {}
    virtual void changed(int row) {}
    virtual void aboutToRemove(int row) {}
    virtual void removed(int row) {}
    virtual void aboutToReset() {}
    virtual void reset() {}
};

class UnregisteredList {
public:
    // A telegram's sender: a new entry or a refresh of its entry. The entry's row.
    int note(const TelegramResult& telegram, ReceiveTime now);
    // An entry of an imported list. False when the device is listed already or cannot be a route
    // device (its ID is no number, its code no flag code).
    bool add(const UnregisteredDevice& device);

    int size() const { return static_cast<int>(entries_.size()); }
    const UnregisteredDevice& at(int row) const { return entries_[static_cast<std::size_t>(row)]; }
    std::optional<int> rowOf(std::string_view idText, int deviceType, std::string_view manufacturer) const;

    bool remove(int row);
    void clear();
    // Ascending radio ID; equal IDs keep their order.
    void sortByRadioId();

    void addObserver(UnregisteredListObserver* observer);
    void removeObserver(UnregisteredListObserver* observer);

private:
    void reindex();
    template <typename F> void notify(F&& f);

    std::vector<UnregisteredDevice> entries_;
    std::unordered_map<std::uint64_t, int> rowOfKey_;
    std::vector<UnregisteredListObserver*> observers_;
};

} // namespace kvq::wmbus
