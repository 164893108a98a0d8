#pragma once
// Item model of `TreeViewScann`: two top rows, the devices heard that are not in the route
// ("Empfangsliste") and the devices of an imported device list without a place ("Importliste"),
// each with its entries below. Entries can be dragged; the drag carries which entry it is.

#include "core/wmbus/table/UnregisteredList.h"

#include <QAbstractItemModel>

#include <optional>

namespace kvq {

class UnregisteredTreeModel final : public QAbstractItemModel {
    Q_OBJECT
public:
    enum List { Received = 0, Imported = 1 };
    static QString mimeType();

    // The lists must outlive the model.
    UnregisteredTreeModel(wmbus::UnregisteredList& received, wmbus::UnregisteredList& imported,
                          QObject* parent = nullptr);
    ~UnregisteredTreeModel() override;

    wmbus::UnregisteredList& list(List which) const { return which == Received ? received_ : imported_; }
    QModelIndex listIndex(List which) const;
    QModelIndex entryIndex(List which, int row) const;

    struct Entry {
        List list;
        int row;
    };
    // The entry a drag names, when it is still there with the same device.
    std::optional<Entry> entryOf(const QMimeData& data) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override;

private:
    class Watcher;
    wmbus::UnregisteredList& received_;
    wmbus::UnregisteredList& imported_;
    std::unique_ptr<Watcher> watchers_[2];
};

} // namespace kvq
