// The recorder's data page, unregistered list, filter switch, menus and close questions, wired to
// the window: telegrams fed as receiver frames, the user scripted.

#include "core/wmbus/route/Route.h"
#include "ui/wmbus/FilterPage.h"
#include "ui/wmbus/TFormWMBUSRadioCraft.h"
#include "ui/wmbus/route/RouteDetailPages.h"
#include "ui/wmbus/route/RoutePage.h"
#include "ui/wmbus/route/RouteTreeModel.h"
#include "ui/wmbus/route/UnregisteredPanel.h"
#include "ui/wmbus/route/UnregisteredTreeModel.h"
#include "ui/wmbus/table/DatenPage.h"
#include "ui/wmbus/table/ResultTableModel.h"

#include "FakeToolHost.h"
#include "Telegrams.h"
#include "TempDataRoot.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QTreeView>
#include <QtTest>

using namespace kvq;
using test::LinkFields;

namespace {

const char kRoute[] = "[SETUP]\r\nRFMODE=T\r\n[ROUTE]\r\nNAME=R\r\nHAUSER=1\r\n"
                      "[HAUS1]\r\nNAME=Haus1\r\nANZETAGEN=1\r\nANZS=2\r\n[HAUS1_E1]\r\nNAME=Etage1\r\n"
                      "[HAUS1_S1]\r\nRADIOID=12345678\r\nMEDIUM=7\r\nMANCODE=CEN\r\nETAGE=Etage1\r\n"
                      "[HAUS1_S2]\r\nRADIOID=23800604\r\nMEDIUM=8\r\nMANCODE=VIP\r\nETAGE=Etage1\r\n";

struct Rig {
    test::TempDataRoot root;
    test::FakeToolHost host;
    std::unique_ptr<TFormWMBUSRadioCraft> w;
    Rig() {
        host.settingsValue.Tmode = host.settingsValue.Smode = host.settingsValue.Cmode = false;
        const QString path = root.path() + QStringLiteral("/r.ROUTE");
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(kRoute);
        f.close();
        host.settingsValue.AutoLoad = true;
        host.settingsValue.Geraeteliste = path;
        w = std::make_unique<TFormWMBUSRadioCraft>(host);
        w->afterOpen();
    }
    void feed(const LinkFields& fields, int times = 1) {
        const auto bytes = test::radioCraftFrame(fields);
        for (int i = 0; i < times; ++i)
            w->receiveChunk(bytes.data(), static_cast<std::uint16_t>(bytes.size()), 0.0);
    }
    int rows() {
        w->datenPage()->model()->flush();
        return w->datenPage()->Verbrauchstabelle->model()->rowCount();
    }
    QString cell(int row, int column) {
        w->datenPage()->model()->flush();
        return w->datenPage()->model()->index(row, column).data().toString();
    }
    QAction* menuAction(QMenu* menu, const char* name) {
        for (QAction* a : menu->actions())
            if (a->objectName() == QLatin1String(name))
                return a;
        return nullptr;
    }
    wmbus::Route& route() { return w->routePage()->route(); }
};

LinkFields stranger() {
    LinkFields f;
    f.id[3] = 0x55; // 55345678
    return f;
}

} // namespace

class TestRecorderData : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Value texts take the decimal separator of the user's locale; these checks read German ones.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void displayOptionsFillTheTable();
    void strangersGoToTheUnregisteredListAndCanBeDraggedOntoAFloor();
    void tableIsSavedFromTheDatenMenu();
    void keyListImportTellsWhatHappened();
    void deviceListFillsRouteAndImportList();
    void filterSwitchNeedsATickedCode();
    void closeAsksAboutMissingDevicesAndUnsavedRows();
};

void TestRecorderData::displayOptionsFillTheTable() {
    Rig r;
    QCOMPARE(r.w->mainPages()->tabText(r.w->mainPages()->indexOf(r.w->datenPage())), QStringLiteral("Daten"));
    QVERIFY(r.w->mainPages()->isTabVisible(r.w->mainPages()->indexOf(r.w->datenPage())));
    r.feed(LinkFields{}, 3);
    QCOMPARE(r.rows(), 3); // "Echtzeit alle" at start
    QCOMPARE(r.cell(2, 2), QStringLiteral("12345678"));

    r.w->datenPage()->sRBLiveDataNew->click();
    r.feed(LinkFields{}, 2);
    QCOMPARE(r.rows(), 3);

    r.w->datenPage()->sRBAusData->click();
    r.feed(LinkFields{});
    QCOMPARE(r.rows(), 3);

    // "einmalig": one row per route device, in tree order.
    r.w->datenPage()->sRBEinmalData->click();
    QCOMPARE(r.rows(), 2);
    QCOMPARE(r.cell(0, 2), QStringLiteral("12345678"));
    QCOMPARE(r.cell(1, 2), QStringLiteral("23800604"));

    // The device panel shows what the device sent.
    const wmbus::RouteNodeId node = r.route().devicesInTreeOrder().front();
    r.w->routePage()->selectNode(node);
    RouteDetailPages* d = r.w->routePage()->details();
    QCOMPARE(d->LabelGeraetZugriff->text(), QStringLiteral("1"));
    QCOMPARE(d->LabelGeraetAES->text(), QStringLiteral("unverschlüsselt"));
    QCOMPARE(d->TableGeraetWerte->rowCount(), 1);
    QCOMPARE(d->TableGeraetWerte->item(0, 0)->text(), QStringLiteral("12,345"));
    QCOMPARE(d->TableGeraetWerte->item(0, 1)->text(), QString::fromUtf8("m³"));
}

void TestRecorderData::strangersGoToTheUnregisteredListAndCanBeDraggedOntoAFloor() {
    Rig r;
    r.feed(stranger(), 2);
    QCOMPARE(r.rows(), 0);
    UnregisteredPanel* p = r.w->unregisteredPanel();
    QCOMPARE(p->LabelAnzahlSenderScann->text(), QStringLiteral("1"));
    UnregisteredTreeModel* m = p->model();
    const QModelIndex entry = m->entryIndex(UnregisteredTreeModel::Received, 0);
    QCOMPARE(entry.data().toString(), QStringLiteral("55345678  CEN  7"));

    // Dropped onto the floor: a route device with the entry's ID, manufacturer and type, no key.
    std::unique_ptr<QMimeData> data(m->mimeData({entry}));
    RouteTreeModel* routeModel = r.w->routePage()->model();
    const wmbus::RouteNodeId floor = r.route().child(r.route().child(r.route().root(), 0), 0);
    const wmbus::RouteNodeId device = r.route().devicesInTreeOrder().front();
    QVERIFY(!routeModel->canDropMimeData(data.get(), Qt::MoveAction, -1, 0,
                                         routeModel->indexOf(r.route().root())));
    QVERIFY(routeModel->canDropMimeData(data.get(), Qt::MoveAction, -1, 0, routeModel->indexOf(device)));
    QVERIFY(routeModel->dropMimeData(data.get(), Qt::MoveAction, -1, 0, routeModel->indexOf(floor)));
    const auto found = r.route().findRouteDevice(55345678, 7, "CEN");
    QVERIFY(found);
    QVERIFY(r.route().device(found->node)->keyText.isEmpty());
    QCOMPARE(p->LabelAnzahlSenderScann->text(), QStringLiteral("0"));
    QVERIFY(r.w->routePage()->isRouteChanged());
    // The same drag again names nothing any more.
    QVERIFY(!routeModel->dropMimeData(data.get(), Qt::MoveAction, -1, 0, routeModel->indexOf(floor)));
    // Its telegrams now reach the table.
    r.feed(stranger());
    QCOMPARE(r.rows(), 1);

    // A device heard, then added by hand, leaves the list.
    LinkFields other = stranger();
    other.id[3] = 0x66;
    r.feed(other);
    QCOMPARE(p->LabelAnzahlSenderScann->text(), QStringLiteral("1"));
    r.w->routePage()->selectNode(floor);
    r.w->routePage()->setNewDeviceRequest([] {
        return TNewIDDlg::Values{QStringLiteral("66345678"), QStringLiteral("CEN"), QStringLiteral("7"), {}};
    });
    r.w->routePage()->ZaehlerEinfuegenClick();
    QCOMPARE(p->LabelAnzahlSenderScann->text(), QStringLiteral("0"));
    r.feed(other);
    p->SortiereFunkIDsScann->trigger();
    p->LeereEmpfangsliste->trigger();
    QCOMPARE(m->rowCount(m->listIndex(UnregisteredTreeModel::Received)), 0);
}

void TestRecorderData::tableIsSavedFromTheDatenMenu() {
    Rig r;
    r.feed(LinkFields{});
    QMenu* daten = r.w->datenMenu();
    QCOMPARE(r.w->menuBar()->actions().front()->text(), QStringLiteral("&Daten"));
    QAction* save = r.menuAction(daten, "SpeicherDatenAlsCsv");
    QVERIFY(save);
    r.host.ui.texts = {DatenPage::csvFolder() + QStringLiteral("/heute")};
    save->trigger();
    QCOMPARE(r.host.ui.shown.back().kind, QStringLiteral("save"));
    QCOMPARE(r.host.ui.shown.back().text, DatenPage::csvFolder());
    QFile f(DatenPage::csvFolder() + QStringLiteral("/heute.CSV"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll().count('\n'), 2);
    r.menuAction(daten, "LeereTabelle")->trigger();
    QCOMPARE(r.rows(), 0);
    const QStringList route = {"Lade Route", "Speicher Route", "Importiere AES Key's",
                               "Importiere Messgeräte in Route"};
    QStringList captions;
    for (QAction* a : r.w->routeMenu()->actions())
        if (!a->isSeparator())
            captions << a->text();
    QCOMPARE(captions, route);
}

void TestRecorderData::keyListImportTellsWhatHappened() {
    Rig r;
    RoutePage* page = r.w->routePage();
    const QString folder = RoutePage::keyFolder();
    r.host.ui.texts = {folder + QStringLiteral("/fehlt.csv")};
    page->ImportiereAESKeys->trigger();
    QCOMPARE(r.host.ui.lastMessage(), QStringLiteral("Incorrect path"));
    QVERIFY(QDir(folder).exists());

    const QString path = folder + QStringLiteral("/keys.csv");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("Nr;ID;Typ;Key\r\n1;12345678;0x07;0x000102030405060708090A0B0C0D0E0F\r\n2;23800604;8;00\r\n");
    f.close();
    r.host.ui.texts = {path};
    page->ImportiereAESKeysClick();
    QVERIFY(r.host.ui.lastMessage().startsWith(QStringLiteral("Incorrect csv Data!\nZeile 3")));
    QVERIFY(!page->isRouteChanged()); // nothing of the list was taken

    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("Nr;ID;Typ;Key\r\n1;12345678;0x07;0x000102030405060708090A0B0C0D0E0F\r\n");
    f.close();
    r.host.ui.texts = {path};
    page->ImportiereAESKeysClick();
    QCOMPARE(r.host.ui.lastMessage(), QStringLiteral("1 AES KEY's importiert."));
    QCOMPARE(r.route().findRouteDevice(12345678, 7, "CEN")->keyText, "000102030405060708090A0B0C0D0E0F");
    QVERIFY(page->isRouteChanged());
}

void TestRecorderData::deviceListFillsRouteAndImportList() {
    Rig r;
    const QString path = RoutePage::deviceListFolder() + QStringLiteral("/liste.csv");
    QDir().mkpath(RoutePage::deviceListFolder());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("Haus;Etage;FunkID;Hersteller;Medium;AESKey;Bemerkung\r\n"
            "Haus1;Etage1;33333333;QLM;8;;Flur\r\n"
            ";;44444444;CEN;7;000102030405060708090A0B0C0D0E0F\r\n"
            "Haus1;Etage1;12345678;CEN;7;\r\n");
    f.close();
    r.host.ui.texts = {path};
    r.menuAction(r.w->routeMenu(), "ImportiereMessgeraete")->trigger();
    QCOMPARE(r.host.ui.shown.front().text, RoutePage::deviceListFolder());
    QCOMPARE(r.host.ui.lastMessage(),
             QStringLiteral("1 Geräte in die Route übernommen, 1 in die Importliste.\nNicht übernommen:\n"
                            "Zeile 4: Gerät ist schon in der Route oder der Importliste"));
    QVERIFY(r.route().findRouteDevice(33333333, 8, "QLM"));
    QCOMPARE(r.route().deviceCount(), 3);
    // The device without a place waits in the import list, key included, until it is dragged.
    QCOMPARE(r.w->importList().size(), 1);
    UnregisteredTreeModel* m = r.w->unregisteredPanel()->model();
    std::unique_ptr<QMimeData> data(m->mimeData({m->entryIndex(UnregisteredTreeModel::Imported, 0)}));
    const wmbus::RouteNodeId floor = r.route().child(r.route().child(r.route().root(), 0), 0);
    QVERIFY(r.w->routePage()->model()->dropMimeData(data.get(), Qt::MoveAction, -1, 0,
                                                    r.w->routePage()->model()->indexOf(floor)));
    QCOMPARE(r.route().findRouteDevice(44444444, 7, "CEN")->keyText, "000102030405060708090A0B0C0D0E0F");
    QCOMPARE(r.w->importList().size(), 0);
}

void TestRecorderData::filterSwitchNeedsATickedCode() {
    Rig r;
    r.host.settingsValue.manufacturerCodes = {};
    FilterPage* filter = r.w->filterPage();
    r.feed(stranger());
    filter->sSliderFilter->click();
    QVERIFY(!filter->sSliderFilter->isChecked());
    QCOMPARE(r.host.ui.shown.back().kind, QStringLiteral("question"));
    QCOMPARE(r.host.ui.shown.back().text,
             QStringLiteral("Bitte erst Hersteller zum Filtern eintragen und auswählen!"));
    QCOMPARE(r.host.ui.shown.back().title, QStringLiteral("WARNUNG"));
    QVERIFY(filter->isVisibleTo(r.w.get()) ||
            r.w->findChild<QTabWidget*>("PageControlRoute")->currentWidget() == filter);
    QCOMPARE(r.w->unregisteredList().size(), 1);

    r.host.ui.texts = {QStringLiteral("CEN")};
    filter->NewFlagIDClick();
    filter->list()->item(0)->setCheckState(Qt::Checked);
    filter->sSliderFilter->click();
    QVERIFY(filter->sSliderFilter->isChecked());
    QCOMPARE(r.w->unregisteredList().size(), 0);
}

void TestRecorderData::closeAsksAboutMissingDevicesAndUnsavedRows() {
    Rig r;
    r.w->show();
    r.feed(LinkFields{}); // one of two route devices, one table row
    r.host.ui.answers = {false};
    QVERIFY(!r.w->close());
    QCOMPARE(r.host.ui.shown.back().text,
             QStringLiteral(
                 "Es sind noch nicht alle Geräte auf der Route empfangen worden!\nWeiter mit Schließen?"));

    // Going on; the table is offered for saving, the save dialog is cancelled: the window stays.
    r.host.ui.answers = {true, true};
    r.host.ui.texts = {std::nullopt};
    QVERIFY(!r.w->close());
    QCOMPARE(r.host.ui.shown.back().kind, QStringLiteral("save"));

    r.host.ui.answers = {true, false};
    QVERIFY(r.w->close());
}

QTEST_MAIN(TestRecorderData)
#include "tst_recorderdata.moc"
