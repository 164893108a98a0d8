#include "core/wmbus/table/UnregisteredList.h"

#include "core/wmbus/TelegramResult.h"
#include "core/wmbus/route/Route.h"
#include "core/wmbus/table/StoredResult.h"

#include <algorithm>

namespace kvq::wmbus {

namespace {

std::optional<std::uint64_t> keyOf(const UnregisteredDevice& d) {
    return deviceKeyOf(d.idText.toStdString(), d.deviceType, d.manufacturer.trimmed().toStdString());
}

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

std::optional<std::uint32_t> UnregisteredDevice::radioId() const {
    return radioIdFromText(idText.toStdString());
}

template <typename F> void UnregisteredList::notify(F&& f) {
    for (UnregisteredListObserver* o : observers_)
        f(*o);
}

void UnregisteredList::addObserver(UnregisteredListObserver* observer) {
    if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void UnregisteredList::removeObserver(UnregisteredListObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

int UnregisteredList::note(const TelegramResult& t, ReceiveTime now) {
    const auto key = deviceKeyOf(t.link.idText.view(), t.deviceType, t.link.manufacturer.view());
    // A telegram's ID text is always digits and its code always a flag code, so the key exists.
    int row = -1;
    if (key) {
        if (const auto it = rowOfKey_.find(*key); it != rowOfKey_.end())
            row = it->second;
    }
    const bool added = row < 0;
    if (added) {
        UnregisteredDevice d;
        d.idText = text(t.link.idText.view());
        d.manufacturer = text(t.link.manufacturer.view());
        d.deviceType = t.deviceType;
        entries_.push_back(std::move(d));
        row = size() - 1;
        if (key)
            rowOfKey_.emplace(*key, row);
    }
    UnregisteredDevice& d = entries_[static_cast<std::size_t>(row)];
    d.rssi = text(t.rssiText.view());
    d.lastTime = t.receiveTime > 0 ? t.receiveTime : now;
    ++d.telegrams;
    if (added)
        notify([row](UnregisteredListObserver& o) { o.appended(row); });
    else
        notify([row](UnregisteredListObserver& o) { o.changed(row); });
    return row;
}

bool UnregisteredList::add(const UnregisteredDevice& device) {
    const auto key = keyOf(device);
    if (!key || !device.radioId() || rowOfKey_.count(*key))
        return false;
    entries_.push_back(device);
    const int row = size() - 1;
    rowOfKey_.emplace(*key, row);
    notify([row](UnregisteredListObserver& o) { o.appended(row); });
    return true;
}

std::optional<int> UnregisteredList::rowOf(std::string_view idText, int deviceType,
                                           std::string_view manufacturer) const {
    const auto key = deviceKeyOf(idText, deviceType, manufacturer);
    if (!key)
        return std::nullopt;
    const auto it = rowOfKey_.find(*key);
    if (it == rowOfKey_.end())
        return std::nullopt;
    return it->second;
}

void UnregisteredList::reindex() {
    rowOfKey_.clear();
    for (int r = 0; r < size(); ++r)
        if (const auto key = keyOf(entries_[static_cast<std::size_t>(r)]))
            rowOfKey_.emplace(*key, r);
}

bool UnregisteredList::remove(int row) {
    if (row < 0 || row >= size())
        return false;
    notify([row](UnregisteredListObserver& o) { o.aboutToRemove(row); });
    entries_.erase(entries_.begin() + row);
    reindex();
    notify([row](UnregisteredListObserver& o) { o.removed(row); });
    return true;
}

void UnregisteredList::clear() {
    notify([](UnregisteredListObserver& o) { o.aboutToReset(); });
    entries_.clear();
    rowOfKey_.clear();
    notify([](UnregisteredListObserver& o) { o.reset(); });
}

void UnregisteredList::sortByRadioId() {
    notify([](UnregisteredListObserver& o) { o.aboutToReset(); });
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const UnregisteredDevice& a, const UnregisteredDevice& b) {
                         return a.radioId().value_or(0xFFFFFFFFu) < b.radioId().value_or(0xFFFFFFFFu);
                     });
    reindex();
    notify([](UnregisteredListObserver& o) { o.reset(); });
}

} // namespace kvq::wmbus
