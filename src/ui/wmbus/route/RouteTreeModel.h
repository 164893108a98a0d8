#pragma once
// Item model of the route tree: the route node is the one top-level row, buildings below it, then
// floors, then devices. Internal ids are the route's node ids; the route's observer calls drive
// the model's change signals, so views stay in step with every change, whoever makes it.

#include "core/wmbus/route/Route.h"

#include <QAbstractItemModel>
#include <QHash>
#include <QIcon>

#include <functional>

namespace kvq {

class RouteTreeModel final : public QAbstractItemModel, private wmbus::RouteObserver {
    Q_OBJECT
public:
    enum Role {
        NodeIdRole = Qt::UserRole + 1, // wmbus::RouteNodeId
        NodeKindRole,                  // int of wmbus::RouteNodeKind
        NodeImageRole,                 // node image index
        StateImageRole,                // state image index of devices, else -1
    };

    // The route must outlive the model.
    explicit RouteTreeModel(wmbus::Route& route, QObject* parent = nullptr);
    ~RouteTreeModel() override;

    wmbus::Route& route() const { return route_; }
    QModelIndex indexOf(wmbus::RouteNodeId node) const;
    wmbus::RouteNodeId nodeAt(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Drops onto floors (or onto a device, meaning its floor): the handler gets the floor and the
    // dropped data and says whether it took them. Without a handler nothing can be dropped.
    using DropHandler = std::function<bool(wmbus::RouteNodeId floor, const QMimeData& data)>;
    void setDropHandler(QStringList mimeTypes, DropHandler handler);
    QStringList mimeTypes() const override;
    Qt::DropActions supportedDropActions() const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

private:
    void aboutToInsert(wmbus::RouteNodeId parent, int first, int last) override;
    void inserted(wmbus::RouteNodeId parent, int first, int last) override;
    void aboutToRemove(wmbus::RouteNodeId parent, int first, int last) override;
    void removed(wmbus::RouteNodeId parent, int first, int last) override;
    void aboutToReorder() override;
    void reordered() override;
    void changed(wmbus::RouteNodeId node) override;
    void aboutToReset() override;
    void reset() override;

    wmbus::RouteNodeId dropFloor(const QModelIndex& target) const;
    QIcon iconFor(int image, int stateImage) const;
    QString toolTip(wmbus::RouteNodeId node) const;

    wmbus::Route& route_;
    QStringList dropTypes_;
    DropHandler dropHandler_;
    mutable QHash<int, QIcon> icons_;
    // Node ids of the persistent indexes while the route reorders children.
    QModelIndexList reorderFrom_;
    std::vector<wmbus::RouteNodeId> reorderIds_;
};

} // namespace kvq
