#include "core/wmbus/table/ResultTable.h"

#include "core/wmbus/TelegramResult.h"

#include <algorithm>

namespace kvq::wmbus {

template <typename F> void ResultTable::notify(F&& f) {
    for (ResultTableObserver* o : observers_)
        f(*o);
}

void ResultTable::addObserver(ResultTableObserver* observer) {
    if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void ResultTable::removeObserver(ResultTableObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

int ResultTable::store(const TelegramResult& telegram, DisplayOption option, ReceiveTime now) {
    switch (option) {
    case DisplayOption::LiveAll:
        return append(StoredResult::fromTelegram(telegram, now));
    case DisplayOption::LiveNewest:
        return putNewest(StoredResult::fromTelegram(telegram, now));
    case DisplayOption::Once:
    case DisplayOption::Off:
        break;
    }
    return -1;
}

void ResultTable::index(int row) {
    if (const auto key = rows_[static_cast<std::size_t>(row)].deviceKey())
        newestRow_[*key] = row;
}

int ResultTable::append(StoredResult row) {
    rows_.push_back(std::move(row));
    const int r = size() - 1;
    index(r);
    unsaved_ = true;
    notify([r](ResultTableObserver& o) { o.appended(r, r); });
    return r;
}

int ResultTable::putNewest(StoredResult row) {
    const auto key = row.deviceKey();
    if (!key)
        return append(std::move(row));
    const auto it = newestRow_.find(*key);
    if (it == newestRow_.end())
        return append(std::move(row));
    const int r = it->second;
    rows_[static_cast<std::size_t>(r)] = std::move(row);
    unsaved_ = true;
    notify([r](ResultTableObserver& o) { o.rowChanged(r); });
    return r;
}

void ResultTable::clear() {
    assign({});
}

void ResultTable::assign(std::vector<StoredResult> rows) {
    notify([](ResultTableObserver& o) { o.aboutToReset(); });
    rows_ = std::move(rows);
    newestRow_.clear();
    for (int r = 0; r < size(); ++r)
        index(r);
    unsaved_ = !rows_.empty();
    notify([](ResultTableObserver& o) { o.reset(); });
}

std::optional<int> ResultTable::rowOfDevice(std::uint64_t deviceKey) const {
    const auto it = newestRow_.find(deviceKey);
    if (it == newestRow_.end())
        return std::nullopt;
    return it->second;
}

std::size_t ResultTable::memoryBytes() const {
    // Each packed block also pays the allocator's bookkeeping (about 16 bytes on glibc).
    std::size_t bytes = rows_.capacity() * sizeof(StoredResult);
    for (const StoredResult& r : rows_)
        bytes += r.packedBytes() ? ((r.packedBytes() + 8 + 15) & ~std::size_t(15)) : 0;
    bytes += newestRow_.bucket_count() * sizeof(void*) +
             newestRow_.size() * (sizeof(std::uint64_t) + 2 * sizeof(void*) + sizeof(int));
    return bytes;
}

} // namespace kvq::wmbus
