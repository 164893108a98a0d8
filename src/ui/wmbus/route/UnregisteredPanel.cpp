#include "ui/wmbus/route/UnregisteredPanel.h"

#include "ui/wmbus/route/RoutePage.h"
#include "ui/wmbus/route/UnregisteredTreeModel.h"

#include "ui_UnregisteredPanel.h"

#include <QLabel>
#include <QMenu>
#include <QTreeView>

namespace kvq {

UnregisteredPanel::UnregisteredPanel(wmbus::UnregisteredList& received, wmbus::UnregisteredList& imported,
                                     QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::UnregisteredPanel>()), received_(received),
      imported_(imported) {
    ui_->setupUi(this);
    TreeViewScann = ui_->TreeViewScann;
    LabelAnzahlSenderScann = ui_->LabelAnzahlSenderScann;
    model_ = new UnregisteredTreeModel(received_, imported_, this);
    TreeViewScann->setModel(model_);
    TreeViewScann->expandAll();

    PopupMenuTreeViewScann = new QMenu(this);
    PopupMenuTreeViewScann->setObjectName(QStringLiteral("PopupMenuTreeViewScann"));
    const auto add = [this](const QString& text, const char* name, void (UnregisteredPanel::*handler)()) {
        QAction* a = PopupMenuTreeViewScann->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    LeereEmpfangsliste =
        add(tr("leere Empfangsliste"), "LeereEmpfangsliste", &UnregisteredPanel::LeereEmpfangslisteClick);
    LeereImportliste =
        add(tr("leere Importliste"), "LeereImportliste", &UnregisteredPanel::LeereImportlisteClick);
    SortiereFunkIDsScann =
        add(tr("sortiere nach Funk IDs"), "SortiereFunkIDsScann", &UnregisteredPanel::SortiereFunkIDsClick);
    connect(TreeViewScann, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        PopupMenuTreeViewScann->popup(TreeViewScann->viewport()->mapToGlobal(pos));
    });

    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(model_, signal, this, &UnregisteredPanel::updateCount);
    // A new first entry opens its list.
    connect(model_, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex& parent) {
        if (parent.isValid() && !TreeViewScann->isExpanded(parent))
            TreeViewScann->expand(parent);
    });
    updateCount();
}

UnregisteredPanel::~UnregisteredPanel() {
    delete TreeViewScann;
}

void UnregisteredPanel::updateCount() {
    LabelAnzahlSenderScann->setText(QString::number(received_.size()));
}

bool UnregisteredPanel::placeOnFloor(const QMimeData& data, RoutePage& page, wmbus::RouteNodeId floor) {
    const auto entry = model_->entryOf(data);
    if (!entry)
        return false;
    wmbus::UnregisteredList& list = model_->list(entry->list);
    const wmbus::UnregisteredDevice& d = list.at(entry->row);
    const auto radioId = d.radioId();
    if (!radioId)
        return false;
    wmbus::RouteDevice device;
    device.radioId = *radioId;
    device.manufacturer = d.manufacturer;
    device.medium = QString::number(d.deviceType);
    device.keyText = d.keyText;
    device.positionText = d.positionText;
    if (!page.addDevice(floor, device))
        return false;
    list.remove(entry->row);
    return true;
}

void UnregisteredPanel::LeereEmpfangslisteClick() {
    received_.clear();
}

void UnregisteredPanel::LeereImportlisteClick() {
    imported_.clear();
}

void UnregisteredPanel::SortiereFunkIDsClick() {
    received_.sortByRadioId();
    imported_.sortByRadioId();
}

} // namespace kvq
