#pragma once
// The rows of a data table and the display options that decide how a telegram enters it.
//
// A table knows nothing of columns: a TableColumns layout turns its rows into cells, so several
// grids (all values, one per export format) can share the same kind of table. Observers hear of
// every change; a view model batches them.

#include "core/wmbus/table/StoredResult.h"

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

namespace kvq::wmbus {

struct TelegramResult;

// "Echtzeit alle", "Echtzeit neuste", "einmalig", "aus".
enum class DisplayOption { LiveAll, LiveNewest, Once, Off };

class ResultTableObserver {
public:
    virtual ~ResultTableObserver() = default;
    // Rows first..last were appended.
    virtual void appended(int first, int last) {}
    // A row took new content; no row came or went.
    virtual void rowChanged(int row) {}
    // The whole content is replaced (emptied or refilled).
    virtual void aboutToReset() {}
    virtual void reset() {}
};

class ResultTable {
public:
    ResultTable() = default;
    ResultTable(const ResultTable&) = delete;
    ResultTable& operator=(const ResultTable&) = delete;

    int size() const { return static_cast<int>(rows_.size()); }
    bool empty() const { return rows_.empty(); }
    const StoredResult& at(int row) const { return rows_[static_cast<std::size_t>(row)]; }

    // A telegram of a route device under the display option: "Echtzeit alle" appends,
    // "Echtzeit neuste" overwrites the device's row (appends when it has none), "einmalig" and
    // "aus" leave the table alone. The row written, or -1.
    int store(const TelegramResult& telegram, DisplayOption option, ReceiveTime now);

    int append(StoredResult row);
    // Overwrites the newest row of the row's device, or appends.
    int putNewest(StoredResult row);
    void clear();
    // Replaces the content, as one reset.
    void assign(std::vector<StoredResult> rows);

    // The newest row of a device, by its device key.
    std::optional<int> rowOfDevice(std::uint64_t deviceKey) const;

    // Rows stored since the table was last emptied or marked saved.
    bool hasUnsavedRows() const { return unsaved_; }
    void markSaved() { unsaved_ = false; }

    // Bytes the rows and the device index hold (an estimate of the heap cost).
    std::size_t memoryBytes() const;

    void addObserver(ResultTableObserver* observer);
    void removeObserver(ResultTableObserver* observer);

private:
    void index(int row);
    template <typename F> void notify(F&& f);

    std::vector<StoredResult> rows_;
    std::unordered_map<std::uint64_t, int> newestRow_;
    std::vector<ResultTableObserver*> observers_;
    bool unsaved_ = false;
};

} // namespace kvq::wmbus
