#include "ui/wmbus/route/RoutePage.h"

#include "core/app/Clock.h"
#include "core/app/DataRoot.h"
#include "core/app/UserInteraction.h"
#include "core/wmbus/keys/DeviceList.h"
#include "core/wmbus/route/RouteFile.h"
#include "core/wmbus/table/UnregisteredList.h"
#include "ui/wmbus/route/RouteDetailPages.h"
#include "ui/wmbus/route/RouteTreeModel.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QSplitter>
#include <QTreeView>
#include <QVBoxLayout>

namespace kvq {

using wmbus::RouteNodeId;
using wmbus::RouteNodeKind;

namespace {

const QString kRouteSuffix = QStringLiteral(".ROUTE");

// The chosen name with the route extension; a name ending in it (any case) is kept as typed.
QString withRouteSuffix(const QString& path) {
    if (path.endsWith(kRouteSuffix, Qt::CaseInsensitive))
        return path;
    return path + kRouteSuffix;
}

} // namespace

RoutePage::RoutePage(UserInteraction& ui, const Clock& clock, QWidget* parent)
    : QWidget(parent), ui_(ui), route_(std::make_unique<wmbus::Route>(clock.localNow())) {
    setObjectName(QStringLiteral("sTabRouteTree"));

    // Captions of new names, kept as hidden labels so a language module can replace them.
    LabelHAUS = new QLabel(tr("Haus"), this);
    LabelHAUS->setObjectName(QStringLiteral("LabelHAUS"));
    LabelHAUS->hide();
    LabelFLOOR = new QLabel(tr("Etage"), this);
    LabelFLOOR->setObjectName(QStringLiteral("LabelFLOOR"));
    LabelFLOOR->hide();

    model_ = new RouteTreeModel(*route_);
    TreeViewHauser = new QTreeView(this);
    TreeViewHauser->setObjectName(QStringLiteral("TreeViewHauser"));
    TreeViewHauser->setAccessibleName(tr("Route"));
    TreeViewHauser->setHeaderHidden(true);
    TreeViewHauser->setUniformRowHeights(true);
    TreeViewHauser->setSelectionMode(QAbstractItemView::SingleSelection);
    TreeViewHauser->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeViewHauser->setModel(model_);
    TreeViewHauser->installEventFilter(this);
    connect(TreeViewHauser->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { currentChanged(current); });

    details_ = new RouteDetailPages(*route_, ui_, this);
    connect(details_, &RouteDetailPages::recordSaved, this, [this](RouteNodeId node) { edited(node); });

    auto* countCaption = new QLabel(tr("Geräte:"), this);
    LabelAnzahlSender = new QLabel(this);
    LabelAnzahlSender->setObjectName(QStringLiteral("LabelAnzahlSender"));
    auto* receivedCaption = new QLabel(tr("empfangen:"), this);
    LabelAnzahlEmpfangen = new QLabel(this);
    LabelAnzahlEmpfangen->setObjectName(QStringLiteral("LabelAnzahlEmpfangen"));
    auto* counters = new QHBoxLayout;
    counters->addWidget(countCaption);
    counters->addWidget(LabelAnzahlSender);
    counters->addSpacing(12);
    counters->addWidget(receivedCaption);
    counters->addWidget(LabelAnzahlEmpfangen);
    counters->addStretch(1);

    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(TreeViewHauser, 1);
    leftLayout->addLayout(counters);
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(left);
    splitter->addWidget(details_);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    setTabOrder(TreeViewHauser, details_);

    buildMenu();

    connect(model_, &QAbstractItemModel::rowsInserted, this, &RoutePage::updateCounters);
    connect(model_, &QAbstractItemModel::rowsRemoved, this, [this] {
        updateCounters();
        if (!route_->contains(details_->shownNode()))
            details_->showNode(route_->root());
    });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        updateCounters();
        selectNode(route_->root());
    });
    connect(model_, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& from) {
        updateCounters();
        if (model_->nodeAt(from) == details_->shownNode())
            details_->refreshReceiveInfo();
    });

    selectNode(route_->root());
    updateCounters();
}

RoutePage::~RoutePage() {
    // The views and pages refer to the route: they go while it is still there.
    delete TreeViewHauser;
    delete details_;
    delete model_;
}

QAction* RoutePage::addMenuAction(const QString& caption, const char* name, void (RoutePage::*handler)()) {
    QAction* a = PopupMenuTreeViewRoute->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    connect(a, &QAction::triggered, this, handler);
    return a;
}

void RoutePage::buildMenu() {
    PopupMenuTreeViewRoute = new QMenu(this);
    PopupMenuTreeViewRoute->setObjectName(QStringLiteral("PopupMenuTreeViewRoute"));
    HausEinfuegen = addMenuAction(tr("Haus einfügen"), "HausEinfuegen", &RoutePage::HausEinfuegenClick);
    EtageEinfuegen = addMenuAction(tr("Etage einfügen"), "EtageEinfuegen", &RoutePage::EtageEinfuegenClick);
    ZaehlerEinfuegen =
        addMenuAction(tr("Zähler einfügen"), "ZaehlerEinfuegen", &RoutePage::ZaehlerEinfuegenClick);
    ZaehlerLoeschen =
        addMenuAction(tr("Zähler löschen"), "ZaehlerLoeschen", &RoutePage::ZaehlerLoeschenClick);
    EtageLoeschen = addMenuAction(tr("Etrage löschen"), "EtageLoeschen", &RoutePage::EtageLoeschenClick);
    HausLoeschen = addMenuAction(tr("Haus löschen"), "HausLoeschen", &RoutePage::HausLoeschenClick);
    PopupMenuTreeViewRoute->addSeparator();
    SortiereFunkIDs =
        addMenuAction(tr("sortiere nach Funk IDs"), "SortiereFunkIDs", &RoutePage::SortiereFunkIDsClick);
    LeereRoutenliste =
        addMenuAction(tr("leere Routenliste"), "LeereRoutenliste", &RoutePage::LeereRoutenlisteClick);
    EmpfangsstatusZuruecksetzen =
        addMenuAction(tr("Empfangsstatus zurücksetzen"), "EmpfangsstatusZuruecksetzen",
                      &RoutePage::EmpfangsstatusZuruecksetzenClick);
    PopupMenuTreeViewRoute->addSeparator();
    LadeRoute = addMenuAction(tr("Lade Route"), "LadeRoute", &RoutePage::LadeRouteClick);
    SpeicherRoute = PopupMenuTreeViewRoute->addAction(tr("Speicher Route"));
    SpeicherRoute->setObjectName(QStringLiteral("SpeicherRoute"));
    connect(SpeicherRoute, &QAction::triggered, this, [this] { SpeicherRouteClick(); });
    ImportiereAESKeys =
        addMenuAction(tr("Importiere AES Key's"), "ImportiereAESKeys", &RoutePage::ImportiereAESKeysClick);

    TreeViewHauser->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(TreeViewHauser, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        const QModelIndex at = TreeViewHauser->indexAt(pos);
        if (at.isValid())
            TreeViewHauser->setCurrentIndex(at);
        updateActions();
        PopupMenuTreeViewRoute->popup(TreeViewHauser->viewport()->mapToGlobal(pos));
    });
}

bool RoutePage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TreeViewHauser && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            if (key->key() == Qt::Key_Insert) {
                TreeViewHauserInsert();
                return true;
            }
            if (key->key() == Qt::Key_Delete) {
                TreeViewHauserDelete();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

// --- selection -------------------------------------------------------------------------------

RouteNodeId RoutePage::selectedNode() const {
    const RouteNodeId node = model_->nodeAt(TreeViewHauser->currentIndex());
    return route_->contains(node) ? node : route_->root();
}

void RoutePage::selectNode(RouteNodeId node) {
    const QModelIndex index = model_->indexOf(route_->contains(node) ? node : route_->root());
    TreeViewHauser->setCurrentIndex(index);
    TreeViewHauser->scrollTo(index);
    // setCurrentIndex signals nothing when the index is already current.
    details_->showNode(model_->nodeAt(index));
    updateActions();
}

void RoutePage::currentChanged(const QModelIndex& current) {
    details_->showNode(model_->nodeAt(current));
    updateActions();
}

void RoutePage::updateActions() {
    const auto kind = route_->kind(selectedNode());
    const bool building = kind == RouteNodeKind::Building;
    const bool floor = kind == RouteNodeKind::Floor;
    const bool device = kind == RouteNodeKind::Device;
    EtageEinfuegen->setEnabled(building || floor || device);
    ZaehlerEinfuegen->setEnabled(floor || device);
    ZaehlerLoeschen->setEnabled(device);
    EtageLoeschen->setEnabled(floor);
    HausLoeschen->setEnabled(building);
}

void RoutePage::updateCounters() {
    LabelAnzahlSender->setText(QString::number(route_->deviceCount()));
    LabelAnzahlEmpfangen->setText(QString::number(route_->receivedDeviceCount()));
}

void RoutePage::edited(RouteNodeId select) {
    if (select) {
        const QModelIndex index = model_->indexOf(select);
        TreeViewHauser->expand(index.parent());
        selectNode(select);
    }
    updateCounters();
    Q_EMIT routeChanged();
}

// --- tree editing ----------------------------------------------------------------------------

void RoutePage::HausEinfuegenClick() {
    edited(route_->addBuilding(LabelHAUS->text()));
}

void RoutePage::EtageEinfuegenClick() {
    const RouteNodeId building = route_->buildingOf(selectedNode());
    if (building == 0)
        return;
    edited(route_->addFloor(building, LabelFLOOR->text()));
}

void RoutePage::ZaehlerEinfuegenClick() {
    RouteNodeId floor = selectedNode();
    if (route_->kind(floor) == RouteNodeKind::Device)
        floor = route_->parent(floor);
    if (route_->kind(floor) != RouteNodeKind::Floor)
        return;
    const auto values = newDevice_ ? newDevice_() : TNewIDDlg::ask(ui_, manufacturerCodes_, this);
    if (!values)
        return;
    bool ok = false;
    const std::uint32_t radioId = values->idText.trimmed().toUInt(&ok, 10);
    if (!ok || radioId == 0) {
        ui_.message(tr("Only numbers permissible!"));
        return;
    }
    wmbus::RouteDevice device;
    device.radioId = radioId;
    device.manufacturer = values->manufacturer;
    device.medium = values->deviceType;
    device.keyText = values->keyText;
    addDevice(floor, device);
}

RouteNodeId RoutePage::addDevice(RouteNodeId floor, const wmbus::RouteDevice& device) {
    const RouteNodeId node = route_->appendDevice(floor, device);
    if (node)
        edited(node);
    return node;
}

void RoutePage::removeSelected(RouteNodeKind kind) {
    const RouteNodeId node = selectedNode();
    if (route_->kind(node) != kind)
        return;
    // The next node to work on: the one that moves up into the row, else the one before, else
    // the parent.
    const RouteNodeId parent = route_->parent(node);
    const int row = route_->row(node);
    route_->remove(node);
    RouteNodeId next = route_->child(parent, row);
    if (next == 0 && row > 0)
        next = route_->child(parent, row - 1);
    edited(next ? next : parent);
}

void RoutePage::ZaehlerLoeschenClick() {
    removeSelected(RouteNodeKind::Device);
}

void RoutePage::EtageLoeschenClick() {
    removeSelected(RouteNodeKind::Floor);
}

void RoutePage::HausLoeschenClick() {
    removeSelected(RouteNodeKind::Building);
}

void RoutePage::TreeViewHauserInsert() {
    switch (*route_->kind(selectedNode())) {
    case RouteNodeKind::Route:
        HausEinfuegenClick();
        break;
    case RouteNodeKind::Building:
        EtageEinfuegenClick();
        break;
    case RouteNodeKind::Floor:
    case RouteNodeKind::Device:
        ZaehlerEinfuegenClick();
        break;
    }
}

void RoutePage::TreeViewHauserDelete() {
    switch (*route_->kind(selectedNode())) {
    case RouteNodeKind::Route:
        // The route node stays.
        ui_.beep();
        break;
    case RouteNodeKind::Building:
        HausLoeschenClick();
        break;
    case RouteNodeKind::Floor:
        EtageLoeschenClick();
        break;
    case RouteNodeKind::Device:
        ZaehlerLoeschenClick();
        break;
    }
}

void RoutePage::SortiereFunkIDsClick() {
    const RouteNodeId keep = selectedNode();
    route_->sortDevicesByRadioId();
    edited(keep);
}

void RoutePage::LeereRoutenlisteClick() {
    route_->clear();
    edited(route_->root());
}

void RoutePage::EmpfangsstatusZuruecksetzenClick() {
    // Reception is no change of the route: nothing to save.
    route_->resetReceiveState();
    updateCounters();
}

// --- route files -----------------------------------------------------------------------------

QString RoutePage::routeFolder() {
    return dataPath({QStringLiteral("QUELMAR"), QStringLiteral("Routes")});
}

// The patterns name both spellings: file names are case-sensitive outside Windows.
QString RoutePage::saveFilter() {
    return tr("Geräliste  (*.route *.ROUTE)");
}

QString RoutePage::loadFilter() {
    return tr("Geräteliste  (*.route *.ROUTE)");
}

QString RoutePage::radioMode() const {
    return radioMode_ ? radioMode_() : QString();
}

bool RoutePage::SpeicherRouteClick() {
    const QString folder = routeFolder();
    QDir().mkpath(folder);
    const auto chosen = ui_.saveFileName(tr("Speicher Route"), folder, saveFilter());
    if (!chosen || chosen->trimmed().isEmpty())
        return false;
    const QString path = withRouteSuffix(*chosen);
    const auto written = wmbus::writeRouteFile(*route_, path, radioMode());
    if (!written) {
        ui_.message(tr("Die Route wurde nicht gespeichert:\n%1").arg(written.message()), tr("FEHLER"),
                    UserInteraction::Icon::Error);
        return false;
    }
    route_->setModified(false);
    filePath_ = path;
    if (!written->isEmpty()) {
        ui_.message(tr("Die Route wurde gespeichert, mit diesen Hinweisen:\n%1")
                        .arg(written->join(QLatin1Char('\n'))),
                    tr("WARNUNG"), UserInteraction::Icon::Warning);
    }
    return true;
}

void RoutePage::LadeRouteClick() {
    if (!offerSave())
        return;
    const QString folder = routeFolder();
    QDir().mkpath(folder);
    const auto chosen = ui_.openFileName(tr("Lade Route"), folder, loadFilter());
    if (!chosen || chosen->trimmed().isEmpty())
        return;
    loadRouteFile(*chosen);
}

bool RoutePage::loadRouteFile(const QString& path) {
    auto read = wmbus::readRouteFile(path);
    if (!read) {
        ui_.message(tr("Die Route wurde nicht geladen:\n%1").arg(read.message()), tr("FEHLER"),
                    UserInteraction::Icon::Error);
        return false;
    }
    wmbus::RouteReadResult& result = read.value();
    route_->replaceWith(std::move(result.route));
    filePath_ = path;
    TreeViewHauser->expandAll();
    selectNode(route_->root());
    if (!result.messages.isEmpty()) {
        QStringList listed = result.messages.mid(0, kMaxListedLoadMessages);
        if (result.messages.size() > kMaxListedLoadMessages)
            listed << tr("… und %1 weitere").arg(result.messages.size() - kMaxListedLoadMessages);
        ui_.message(tr("%1\nDiese Teile der Routendatei wurden übersprungen:\n%2")
                        .arg(QDir::toNativeSeparators(path), listed.join(QLatin1Char('\n'))),
                    tr("WARNUNG"), UserInteraction::Icon::Warning);
    }
    Q_EMIT routeLoaded(result.radioModes);
    return true;
}

// --- key and device lists --------------------------------------------------------------------

QString RoutePage::keyFolder() {
    return dataPath({QStringLiteral("QUELMAR"), QStringLiteral("AESKey")});
}

QString RoutePage::deviceListFolder() {
    return dataPath({QStringLiteral("QUELMAR"), QStringLiteral("Haus")});
}

QString RoutePage::lineFaultText(const wmbus::ListLineError& error) {
    using F = wmbus::ListLineFault;
    QString why;
    switch (error.fault) {
    case F::TooFewFields:
        why = tr("zu wenige Felder");
        break;
    case F::BadRadioId:
        why = tr("keine gültige Funk ID");
        break;
    case F::BadDeviceType:
        why = tr("kein gültiges Medium (0 bis 255)");
        break;
    case F::BadKey:
        why = tr("kein AES KEY aus 32 Hex-Ziffern");
        break;
    case F::BadManufacturer:
        why = tr("keine FLAG ID aus drei Buchstaben");
        break;
    case F::MissingPlace:
        why = tr("Haus und Etage müssen beide angegeben oder beide leer sein");
        break;
    case F::AlreadyInRoute:
        why = tr("Gerät ist schon in der Route oder der Importliste");
        break;
    }
    return tr("Zeile %1: %2").arg(error.line).arg(why);
}

namespace {
std::optional<QByteArray> readWhole(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return f.readAll();
}
} // namespace

void RoutePage::ImportiereAESKeysClick() {
    const QString folder = keyFolder();
    QDir().mkpath(folder);
    const auto chosen =
        ui_.openFileName(tr("Importiere AES Key's"), folder, tr("AES_KEY_liste  (*.csv *.CSV)"));
    if (!chosen || chosen->trimmed().isEmpty())
        return;
    const auto bytes = readWhole(*chosen);
    if (!bytes) {
        ui_.message(tr("Incorrect path"), tr("FEHLER"), UserInteraction::Icon::Error);
        return;
    }
    const auto parsed = wmbus::parseKeyList(*bytes);
    if (const auto* bad = std::get_if<wmbus::ListLineError>(&parsed)) {
        ui_.message(tr("Incorrect csv Data!") + QLatin1Char('\n') + lineFaultText(*bad), tr("FEHLER"),
                    UserInteraction::Icon::Error);
        return;
    }
    const int taken = wmbus::applyKeyList(std::get<wmbus::KeyList>(parsed), *route_);
    if (taken > 0)
        edited(selectedNode());
    ui_.message(QString::number(taken) + tr(" AES KEY's importiert."));
}

void RoutePage::ImportiereMessgeraeteClick() {
    const QString folder = deviceListFolder();
    QDir().mkpath(folder);
    const auto chosen =
        ui_.openFileName(tr("Importiere Messgeräte in Route"), folder, tr("Devicelist  (*.csv *.CSV)"));
    if (!chosen || chosen->trimmed().isEmpty())
        return;
    const auto bytes = readWhole(*chosen);
    if (!bytes) {
        ui_.message(tr("Incorrect path"), tr("FEHLER"), UserInteraction::Icon::Error);
        return;
    }
    wmbus::DeviceListImport result = wmbus::importDeviceList(wmbus::parseDeviceList(*bytes), *route_);
    int listed = 0;
    for (const wmbus::DeviceListLine& line : result.unplaced) {
        wmbus::UnregisteredDevice d;
        d.idText = wmbus::radioIdText(line.device.radioId);
        d.manufacturer = line.device.manufacturer;
        d.deviceType = line.device.medium.toInt();
        d.keyText = line.device.keyText;
        d.positionText = line.device.positionText;
        if (importList_ && importList_->add(d))
            ++listed;
        else
            result.refused.push_back({line.line, wmbus::ListLineFault::AlreadyInRoute});
    }
    if (result.placed > 0) {
        TreeViewHauser->expandAll();
        edited(selectedNode());
    }
    QString text =
        tr("%1 Geräte in die Route übernommen, %2 in die Importliste.").arg(result.placed).arg(listed);
    if (result.refused.empty()) {
        ui_.message(text);
        return;
    }
    std::sort(result.refused.begin(), result.refused.end(),
              [](const wmbus::ListLineError& a, const wmbus::ListLineError& b) { return a.line < b.line; });
    QStringList lines;
    for (const wmbus::ListLineError& e : result.refused) {
        if (lines.size() == kMaxListedLoadMessages) {
            lines << tr("… und %1 weitere")
                         .arg(static_cast<int>(result.refused.size()) - kMaxListedLoadMessages);
            break;
        }
        lines << lineFaultText(e);
    }
    text += QLatin1Char('\n') + tr("Nicht übernommen:") + QLatin1Char('\n') + lines.join(QLatin1Char('\n'));
    ui_.message(text, tr("WARNUNG"), UserInteraction::Icon::Warning);
}

bool RoutePage::offerSave() {
    if (!route_->isModified())
        return true;
    const bool save =
        ui_.question(tr("Es wurden Änderungen an der Route vorgenommen die noch nicht gespeichert wurden! \n"
                        "Jetzt speichern?"),
                     tr("WARNUNG"));
    return !save || SpeicherRouteClick();
}

bool RoutePage::queryClose() {
    return offerSave();
}

} // namespace kvq
