#pragma once
// "nicht registrierte Geräte": the tree `TreeViewScann` with the devices heard outside the route and
// those of an imported device list, their count `LabelAnzahlSenderScann`, and the pop-up menu
// `PopupMenuTreeViewScann`. Entries are dragged from here onto a floor of the route tree.

#include "core/wmbus/route/Route.h"
#include "core/wmbus/table/UnregisteredList.h"

#include <QWidget>

#include <memory>

class QAction;
class QLabel;
class QMenu;
class QMimeData;
class QTreeView;

namespace Ui {
class UnregisteredPanel;
}

namespace kvq {

class RoutePage;
class UnregisteredTreeModel;

class UnregisteredPanel : public QWidget {
    Q_OBJECT
public:
    // The lists must outlive the panel.
    UnregisteredPanel(wmbus::UnregisteredList& received, wmbus::UnregisteredList& imported,
                      QWidget* parent = nullptr);
    ~UnregisteredPanel() override;

    UnregisteredTreeModel* model() const { return model_; }

    // A dragged entry dropped onto a floor: it becomes a device of the route with the entry's ID,
    // manufacturer and device type (and, for an imported entry, its key and remark), and leaves the
    // list. False when the data names no entry that is still listed.
    bool placeOnFloor(const QMimeData& data, RoutePage& page, wmbus::RouteNodeId floor);

    void LeereEmpfangslisteClick();
    void LeereImportlisteClick();
    void SortiereFunkIDsClick();

    QTreeView* TreeViewScann;
    QLabel* LabelAnzahlSenderScann;
    QMenu* PopupMenuTreeViewScann;
    QAction* LeereEmpfangsliste;
    QAction* LeereImportliste;
    QAction* SortiereFunkIDsScann;

private:
    void updateCount();

    std::unique_ptr<Ui::UnregisteredPanel> ui_;
    wmbus::UnregisteredList& received_;
    wmbus::UnregisteredList& imported_;
    UnregisteredTreeModel* model_;
};

} // namespace kvq
