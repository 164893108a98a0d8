#pragma once
// The Route page of the recorder: the route tree `TreeViewHauser` with its pop-up menu
// `PopupMenuTreeViewRoute`, the detail pages of the selected node, the device counters, and the
// route file dialogs. The page owns the route; the recorder reads it for decoding and reception.

#include "core/wmbus/keys/KeyList.h"
#include "core/wmbus/route/Route.h"
#include "ui/wmbus/route/TNewIDDlg.h"

#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QModelIndex;
class QTreeView;

namespace kvq {

class Clock;
class RouteDetailPages;
class RouteTreeModel;
class UserInteraction;
namespace wmbus {
class UnregisteredList;
}

class RoutePage : public QWidget {
    Q_OBJECT
public:
    // Asks for a new device; the dialog by default, a script in tests.
    using NewDeviceRequest = std::function<std::optional<TNewIDDlg::Values>()>;
    // The radio mode letter ("T", "S", "C") written into saved route files.
    using RadioModeSource = std::function<QString()>;

    // Messages of a damaged route file beyond this many are counted, not listed.
    static constexpr int kMaxListedLoadMessages = 20;

    // The new route is named "Route 1" and created at the clock's local time.
    RoutePage(UserInteraction& ui, const Clock& clock, QWidget* parent = nullptr);
    ~RoutePage() override;

    wmbus::Route& route() { return *route_; }
    const wmbus::Route& route() const { return *route_; }
    RouteTreeModel* model() const { return model_; }
    RouteDetailPages* details() const { return details_; }

    void setRadioModeSource(RadioModeSource source) { radioMode_ = std::move(source); }
    // Where devices of an imported device list without a place go.
    void setImportList(wmbus::UnregisteredList* list) { importList_ = list; }
    void setNewDeviceRequest(NewDeviceRequest request) { newDevice_ = std::move(request); }
    // Codes offered in the new-device dialog besides the default.
    void setManufacturerCodes(const QStringList& codes) { manufacturerCodes_ = codes; }

    // Folder of the route dialogs (created when a dialog opens).
    static QString routeFolder();
    static QString saveFilter();
    static QString loadFilter();

    // Reads a route file into the page (also at start, when the settings ask for it). A file
    // that cannot be read leaves the route as it was; parts skipped of a damaged file are
    // reported in one message. Emits routeLoaded on success.
    bool loadRouteFile(const QString& path);
    // Asked by the recorder before it closes: offers to save a changed route. False keeps the
    // recorder open (the save the user asked for did not happen).
    bool queryClose();

    bool isRouteChanged() const { return route_->isModified(); }
    // The file last loaded or saved; empty before.
    QString routeFilePath() const { return filePath_; }

    wmbus::RouteNodeId selectedNode() const;
    void selectNode(wmbus::RouteNodeId node);

    // Pop-up menu entries.
    void HausEinfuegenClick();
    void EtageEinfuegenClick();
    void ZaehlerEinfuegenClick();
    void ZaehlerLoeschenClick();
    void EtageLoeschenClick();
    void HausLoeschenClick();
    void SortiereFunkIDsClick();
    void LeereRoutenlisteClick();
    void EmpfangsstatusZuruecksetzenClick();
    void LadeRouteClick();
    // True when the route was written.
    bool SpeicherRouteClick();
    // "Importiere AES Key's": keys of a key list file for the devices of the route.
    void ImportiereAESKeysClick();
    // "Importiere Messgeräte in Route": devices of a device list file into the route.
    void ImportiereMessgeraeteClick();
    // Adds a device to a floor as the user's edit; the new node, or 0 when `floor` is no floor.
    wmbus::RouteNodeId addDevice(wmbus::RouteNodeId floor, const wmbus::RouteDevice& device);
    // Text of a refused line of a key or device list.
    static QString lineFaultText(const wmbus::ListLineError& error);
    static QString keyFolder();
    static QString deviceListFolder();
    // The Insert and Delete keys on the tree act on the selected node.
    void TreeViewHauserInsert();
    void TreeViewHauserDelete();

    QTreeView* TreeViewHauser;
    QMenu* PopupMenuTreeViewRoute;
    QLabel* LabelHAUS;  // caption that names new buildings
    QLabel* LabelFLOOR; // caption that names new floors
    QLabel* LabelAnzahlSender;
    QLabel* LabelAnzahlEmpfangen;

    QAction* HausEinfuegen;
    QAction* EtageEinfuegen;
    QAction* ZaehlerEinfuegen;
    QAction* ZaehlerLoeschen;
    QAction* EtageLoeschen;
    QAction* HausLoeschen;
    QAction* SortiereFunkIDs;
    QAction* LeereRoutenliste;
    QAction* EmpfangsstatusZuruecksetzen;
    QAction* LadeRoute;
    QAction* SpeicherRoute;
    QAction* ImportiereAESKeys;

Q_SIGNALS:
    // A route file was read; radioModes are the modes to start, in order.
    void routeLoaded(const QStringList& radioModes);
    // The user changed the route (tree or record).
    void routeChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* addMenuAction(const QString& caption, const char* name, void (RoutePage::*handler)());
    void buildMenu();
    void currentChanged(const QModelIndex& current);
    void updateActions();
    void updateCounters();
    void edited(wmbus::RouteNodeId select);
    void removeSelected(wmbus::RouteNodeKind kind);
    // Offers to save a changed route; false when the user wanted it saved and it was not.
    bool offerSave();
    QString radioMode() const;

    UserInteraction& ui_;
    std::unique_ptr<wmbus::Route> route_;
    RouteTreeModel* model_;
    RouteDetailPages* details_;
    RadioModeSource radioMode_;
    NewDeviceRequest newDevice_;
    QStringList manufacturerCodes_;
    QString filePath_;
    wmbus::UnregisteredList* importList_ = nullptr;
};

} // namespace kvq
