#include "ui/wmbus/export/ExportTableModel.h"

namespace kvq {

ExportTableModel::ExportTableModel(exporting::ExportTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {
    table_.setObserver(this);
}

ExportTableModel::~ExportTableModel() {
    table_.setObserver(nullptr);
}

int ExportTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.rowCount();
}

int ExportTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.columnCount();
}

QVariant ExportTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= table_.rowCount() ||
        index.column() >= table_.columnCount())
        return {};
    return QString::fromStdString(table_.row(index.row())[std::size_t(index.column())]);
}

QVariant ExportTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return section < table_.columnCount() ? QString::fromStdString(table_.heading()[std::size_t(section)])
                                          : QVariant();
}

void ExportTableModel::rowChanged(int row) {
    Q_EMIT dataChanged(index(row, 0), index(row, std::max(0, table_.columnCount() - 1)));
}

} // namespace kvq
