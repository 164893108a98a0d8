#pragma once
// Item model of a data table: rows from a ResultTable, columns from a TableColumns layout, each
// cell formatted when the view asks. Appended and changed rows are announced in batches (one
// insert per burst, not one per telegram), so a fast receiver or a replay does not redraw the view
// for every row.

#include "core/wmbus/table/ResultTable.h"
#include "core/wmbus/table/TableColumns.h"

#include <QAbstractTableModel>

#include <string>

class QTimer;

namespace kvq {

class ResultTableModel final : public QAbstractTableModel, private wmbus::ResultTableObserver {
    Q_OBJECT
public:
    // Pending rows are announced at the latest after this many milliseconds.
    static constexpr int kBatchMs = 100;

    // The table and the layout must outlive the model.
    ResultTableModel(wmbus::ResultTable& table, const wmbus::TableColumns& columns,
                     QObject* parent = nullptr);
    ~ResultTableModel() override;

    wmbus::ResultTable& table() const { return table_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Announces what is pending now (the batch timer does this by itself).
    void flush();
    bool hasPending() const;

private:
    void appended(int first, int last) override;
    void rowChanged(int row) override;
    void aboutToReset() override;
    void reset() override;
    void schedule();

    wmbus::ResultTable& table_;
    const wmbus::TableColumns& columns_;
    QTimer* batch_;
    int shown_ = 0;         // rows the views know of
    int changedFirst_ = -1; // changed rows among them, not yet announced
    int changedLast_ = -1;
    mutable std::string cell_; // reused for every cell
};

} // namespace kvq
