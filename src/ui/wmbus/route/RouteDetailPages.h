#pragma once
// The detail pages beside the route tree: "Route", "Haus Daten", "Etage" and "Geräte Daten". The
// page of the selected node shows its record; its "Save" button copies the edited texts back.

#include "core/wmbus/route/Route.h"

#include <QTabWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace kvq {

class UserInteraction;

class RouteDetailPages : public QTabWidget {
    Q_OBJECT
public:
    enum Page { RoutePageIndex, HausPageIndex, EtagePageIndex, GeraetPageIndex };

    // The route must outlive the pages.
    RouteDetailPages(wmbus::Route& route, UserInteraction& ui, QWidget* parent = nullptr);

    // Fills the page of the node's kind and brings it to the front; other pages are disabled.
    // An unknown node shows the route.
    void showNode(wmbus::RouteNodeId node);
    wmbus::RouteNodeId shownNode() const { return shown_; }
    // Refreshes what reception changes (RSSI, receive state) without touching edited texts.
    void refreshReceiveInfo();

    void ButtonSaveRouteClick();
    void ButtonSaveHausClick();
    void ButtonSaveEtageClick();
    void ButtonSaveGeraetClick();

    // "Route"
    QLineEdit* EditRouteName;
    QLineEdit* EditRouteBemerkung;
    QLabel* LabelRouteCreate;
    QPushButton* ButtonSaveRoute;
    // "Haus Daten"
    QLineEdit* EditHausName;
    QLineEdit* EditHausStrasse;
    QLineEdit* EditHausNr;
    QLineEdit* EditHausOrt;
    QLineEdit* EditHausPLZ;
    QLineEdit* EditHausBemerkung;
    QPushButton* ButtonSaveHaus;
    // "Etage"
    QLineEdit* EditEtageName;
    QLineEdit* EditEtageBemerkung;
    QPushButton* ButtonSaveEtage;
    // "Geräte Daten"
    QLineEdit* EditGeraetFunkID;
    QLineEdit* EditGeraetManCode;
    QLineEdit* EditGeraetMedium;
    QLabel* LabelGeraetMediumText;
    QLineEdit* EditGeraetAESKey;
    QLineEdit* EditGeraetText;
    QLabel* LabelGeraetRSSI;
    QLabel* LabelGeraetEmpfang;
    QLabel* LabelGeraetZugriff;     // its access number
    QLabel* LabelGeraetAES;         // encrypted, and whether it could be read
    QTableWidget* TableGeraetWerte; // its value/unit pairs
    QPushButton* ButtonSaveGeraet;

Q_SIGNALS:
    // A Save button changed a record of the route.
    void recordSaved(wmbus::RouteNodeId node);

private:
    QWidget* buildRoutePage();
    QWidget* buildHausPage();
    QWidget* buildEtagePage();
    QWidget* buildGeraetPage();
    void showPage(Page page);
    void showMediumText();
    void error(const QString& text);

    wmbus::Route& route_;
    UserInteraction& ui_;
    wmbus::RouteNodeId shown_ = 0;
};

} // namespace kvq
