#pragma once
// A format's table on the "Daten" page: the heading row as column headers, one row per radio ID.

#include "core/export/ExportTable.h"

#include <QAbstractTableModel>

namespace kvq {

class ExportTableModel final : public QAbstractTableModel, private exporting::ExportTableObserver {
    Q_OBJECT
public:
    explicit ExportTableModel(exporting::ExportTable& table, QObject* parent = nullptr);
    ~ExportTableModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void aboutToAppend(int row) override { beginInsertRows({}, row, row); }
    void appended(int) override { endInsertRows(); }
    void rowChanged(int row) override;
    void aboutToReset() override { beginResetModel(); }
    void reset() override { endResetModel(); }

    exporting::ExportTable& table_;
};

} // namespace kvq
