#include "core/app/IniFile.h"
#include "core/wmbus/route/RouteKeyProtection.h"
#include "ui/wmbus/route/RouteDetailPages.h"
#include "ui/wmbus/route/RoutePage.h"
#include "ui/wmbus/route/RouteTreeModel.h"

#include "FakeClock.h"
#include "ScriptedUserInteraction.h"
#include "TempDataRoot.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeView>
#include <QtTest>

using namespace kvq;
using namespace kvq::wmbus;

namespace {

const QString kKeyA = QStringLiteral("2B7E151628AED2A6ABF7158809CF4F3C");
const QString kChangedQuestion =
    QStringLiteral("Es wurden Änderungen an der Route vorgenommen die noch nicht gespeichert wurden! \n"
                   "Jetzt speichern?");

// A page with its user stand-in and a scripted new-device dialog.
struct Fixture {
    test::TempDataRoot root;
    test::ScriptedUserInteraction ui;
    test::FakeClock clock;
    RoutePage page{ui, clock};
    // Answers of the new-device dialog in turn; nullopt is Cancel, and so is running out.
    std::vector<std::optional<TNewIDDlg::Values>> newDevices;
    std::size_t nextDevice = 0;

    Fixture() {
        page.setNewDeviceRequest([this]() -> std::optional<TNewIDDlg::Values> {
            if (nextDevice >= newDevices.size())
                return std::nullopt;
            return newDevices[nextDevice++];
        });
        page.setRadioModeSource([] { return QStringLiteral("S"); });
    }
    Route& route() { return page.route(); }
    QString selectedText() const { return page.route().nodeText(page.selectedNode()); }
    void key(Qt::Key k) { QTest::keyClick(page.TreeViewHauser, k); }
    // Adds a device to the selected floor as the dialog would hand it back.
    void insertDevice(const QString& id, const QString& type = QStringLiteral("8"), const QString& key = {}) {
        newDevices.push_back(TNewIDDlg::Values{id, QStringLiteral("QLM"), type, key});
        page.ZaehlerEinfuegenClick();
    }
    QString routesFolder() const { return QDir(root.path()).filePath(QStringLiteral("QUELMAR/Routes")); }
};

void writeFile(const QString& path, const QByteArray& text) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

} // namespace

class TestRoutePage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menuHoldsEveryRouteEntry();
    void entriesFollowTheSelectedNode();
    void insertKeyAddsBelowTheSelectedNode();
    void newDeviceFromTheDialog();
    void deleteKeyRemovesTheSelectedNode();
    void emptySortAndResetFromTheMenu();
    void detailPagesShowAndSaveTheirRecord();
    void devicePageRefusesBadEntries();
    void saveWritesTheFileAndClearsTheChangedState();
    void failedSaveKeepsTheChangedState();
    void loadReplacesTheRouteAndStartsItsModes();
    void loadAsksBeforeDroppingChanges();
    void damagedFileLoadsWhatIsSoundAndSaysSoOnce();
    void unreadableFileLeavesTheRoute();
    void closeQuestion();
    void receptionShowsInCountersAndDevicePage();
    void everyInputHasAnAccessibleName();
};

void TestRoutePage::menuHoldsEveryRouteEntry() {
    Fixture f;
    QStringList captions;
    for (QAction* a : f.page.PopupMenuTreeViewRoute->actions()) {
        if (!a->isSeparator())
            captions << a->text();
    }
    const QStringList expected = {"Haus einfügen",
                                  "Etage einfügen",
                                  "Zähler einfügen",
                                  "Zähler löschen",
                                  "Etrage löschen",
                                  "Haus löschen",
                                  "sortiere nach Funk IDs",
                                  "leere Routenliste",
                                  "Empfangsstatus zurücksetzen",
                                  "Lade Route",
                                  "Speicher Route",
                                  "Importiere AES Key's"};
    QCOMPARE(captions, expected);
    QCOMPARE(f.selectedText(), QStringLiteral("Route 1"));
    QCOMPARE(f.route().routeRecord().created, f.clock.localNow());
    QVERIFY(!f.page.isRouteChanged());
}

void TestRoutePage::entriesFollowTheSelectedNode() {
    Fixture f;
    const auto enabled = [&] {
        QStringList on;
        for (QAction* a : {f.page.HausEinfuegen, f.page.EtageEinfuegen, f.page.ZaehlerEinfuegen,
                           f.page.ZaehlerLoeschen, f.page.EtageLoeschen, f.page.HausLoeschen}) {
            if (a->isEnabled())
                on << a->objectName();
        }
        return on.join(u',');
    };
    QCOMPARE(enabled(), QStringLiteral("HausEinfuegen"));
    f.page.HausEinfuegenClick();
    QCOMPARE(enabled(), QStringLiteral("HausEinfuegen,EtageEinfuegen,HausLoeschen"));
    f.page.EtageEinfuegenClick();
    QCOMPARE(enabled(), QStringLiteral("HausEinfuegen,EtageEinfuegen,ZaehlerEinfuegen,EtageLoeschen"));
    f.insertDevice(QStringLiteral("00000001"));
    QCOMPARE(enabled(), QStringLiteral("HausEinfuegen,EtageEinfuegen,ZaehlerEinfuegen,ZaehlerLoeschen"));

    // Entries that do not fit the node change nothing, even when called.
    f.page.HausLoeschenClick();
    f.page.EtageLoeschenClick();
    QCOMPARE(f.route().deviceCount(), 1);
    QCOMPARE(f.route().childCount(f.route().root()), 1);
}

void TestRoutePage::insertKeyAddsBelowTheSelectedNode() {
    Fixture f;
    QSignalSpy changed(&f.page, &RoutePage::routeChanged);
    f.key(Qt::Key_Insert); // on the route: a building
    QCOMPARE(f.selectedText(), QStringLiteral("Haus1"));
    QVERIFY(f.page.isRouteChanged());
    f.key(Qt::Key_Insert); // on the building: a floor
    QCOMPARE(f.selectedText(), QStringLiteral("Etage1"));
    f.page.selectNode(f.route().buildingOf(f.page.selectedNode()));
    f.key(Qt::Key_Insert);
    QCOMPARE(f.selectedText(), QStringLiteral("Etage2"));
    f.page.EtageEinfuegenClick(); // from a floor: into its building
    QCOMPARE(f.selectedText(), QStringLiteral("Etage3"));
    QCOMPARE(f.route().childCount(f.route().child(f.route().root(), 0)), 3);
    f.page.HausEinfuegenClick();
    QCOMPARE(f.selectedText(), QStringLiteral("Haus2"));
    QCOMPARE(changed.count(), 5);
    // The new node is visible: its parent is expanded.
    QVERIFY(f.page.TreeViewHauser->isExpanded(f.page.model()->indexOf(f.route().root())));

    // On a floor the key asks for a device; a cancelled dialog adds nothing.
    f.page.selectNode(f.route().child(f.route().child(f.route().root(), 0), 0));
    f.newDevices.push_back(std::nullopt);
    f.key(Qt::Key_Insert);
    QCOMPARE(f.route().deviceCount(), 0);
    f.newDevices.push_back(TNewIDDlg::Values{"00000042", "QLM", "7", {}});
    f.key(Qt::Key_Insert);
    QCOMPARE(f.selectedText(), QStringLiteral("00000042"));
    // On a device: another device on the same floor.
    f.newDevices.push_back(TNewIDDlg::Values{"00000043", "QLM", "7", {}});
    f.key(Qt::Key_Insert);
    QCOMPARE(f.route().childCount(f.route().parent(f.page.selectedNode())), 2);
}

void TestRoutePage::newDeviceFromTheDialog() {
    Fixture f;
    f.page.HausEinfuegenClick();
    f.page.EtageEinfuegenClick();
    const RouteNodeId floor = f.page.selectedNode();
    f.insertDevice(QStringLiteral("00001234"), QStringLiteral("7"), kKeyA);
    const RouteDevice* d = f.route().device(f.page.selectedNode());
    QVERIFY(d);
    QCOMPARE(d->radioId, 1234u);
    QCOMPARE(d->medium, QStringLiteral("7"));
    QCOMPARE(d->keyText, kKeyA);
    QCOMPARE(f.selectedText(), QStringLiteral("00001234"));
    QCOMPARE(f.page.model()->indexOf(f.page.selectedNode()).data(RouteTreeModel::NodeImageRole).toInt(), 4);
    QCOMPARE(f.page.details()->currentIndex(), int(RouteDetailPages::GeraetPageIndex));
    QCOMPARE(f.page.LabelAnzahlSender->text(), QStringLiteral("1"));

    // An ID that is no number other than 0 adds nothing and says so.
    f.page.selectNode(floor);
    f.insertDevice(QStringLiteral("00000000"));
    QCOMPARE(f.ui.lastMessage(), QStringLiteral("Only numbers permissible!"));
    QCOMPARE(f.route().deviceCount(), 1);
    QCOMPARE(f.page.selectedNode(), floor);
}

void TestRoutePage::deleteKeyRemovesTheSelectedNode() {
    Fixture f;
    f.page.HausEinfuegenClick();
    f.page.EtageEinfuegenClick();
    const RouteNodeId floor1 = f.page.selectedNode();
    for (const char* id : {"00000001", "00000002", "00000003"}) {
        f.page.selectNode(floor1);
        f.insertDevice(QString::fromLatin1(id));
    }
    f.page.selectNode(f.route().child(floor1, 1));
    f.key(Qt::Key_Delete);
    QCOMPARE(f.route().deviceCount(), 2);
    QCOMPARE(f.selectedText(), QStringLiteral("00000003")); // the next one moved up
    f.key(Qt::Key_Delete);
    QCOMPARE(f.selectedText(), QStringLiteral("00000001")); // no next one: the one before
    f.key(Qt::Key_Delete);
    QCOMPARE(f.page.selectedNode(), floor1); // no sibling: the floor
    QCOMPARE(f.page.LabelAnzahlSender->text(), QStringLiteral("0"));

    f.page.selectNode(f.route().parent(floor1));
    f.page.EtageEinfuegenClick();
    f.insertDevice(QStringLiteral("00000009"));
    f.page.selectNode(f.route().parent(f.page.selectedNode()));
    f.key(Qt::Key_Delete); // a floor goes with its devices
    QCOMPARE(f.route().deviceCount(), 0);
    QCOMPARE(f.route().childCount(f.route().buildingOf(floor1)), 1);

    f.page.selectNode(f.route().buildingOf(floor1));
    f.key(Qt::Key_Delete);
    QCOMPARE(f.route().childCount(f.route().root()), 0);
    QCOMPARE(f.page.selectedNode(), f.route().root());
    // The route node itself stays.
    f.key(Qt::Key_Delete);
    QVERIFY(f.route().contains(f.route().root()));
    QCOMPARE(f.ui.beeps, 1);
    QCOMPARE(f.page.details()->currentIndex(), int(RouteDetailPages::RoutePageIndex));
}

void TestRoutePage::emptySortAndResetFromTheMenu() {
    Fixture f;
    f.page.HausEinfuegenClick();
    f.page.EtageEinfuegenClick();
    const RouteNodeId floor = f.page.selectedNode();
    for (const char* id : {"00000030", "00000010", "00000020"}) {
        f.page.selectNode(floor);
        f.insertDevice(QString::fromLatin1(id));
    }
    const RouteNodeId d30 = f.route().child(floor, 0);
    f.page.selectNode(d30);
    f.route().setModified(false);
    f.page.SortiereFunkIDs->trigger();
    QCOMPARE(f.route().nodeText(f.route().child(floor, 0)), QStringLiteral("00000010"));
    QCOMPARE(f.page.selectedNode(), d30); // the selection stays on its device
    QVERIFY(f.page.isRouteChanged());

    LastTelegram t;
    f.route().updateReceived(d30, t, QStringLiteral("55"), ReceiveState::Received);
    QCOMPARE(f.page.LabelAnzahlEmpfangen->text(), QStringLiteral("1"));
    f.route().setModified(false);
    f.page.EmpfangsstatusZuruecksetzen->trigger();
    QCOMPARE(f.route().device(d30)->state, ReceiveState::NotReceived);
    QCOMPARE(f.page.LabelAnzahlEmpfangen->text(), QStringLiteral("0"));
    QVERIFY(!f.page.isRouteChanged()); // reception is nothing to save

    f.page.LeereRoutenliste->trigger();
    QCOMPARE(f.route().childCount(f.route().root()), 0);
    QCOMPARE(f.page.model()->rowCount(), 1);
    QCOMPARE(f.page.selectedNode(), f.route().root());
    QCOMPARE(f.page.LabelAnzahlSender->text(), QStringLiteral("0"));
    QVERIFY(f.page.isRouteChanged());
}

void TestRoutePage::detailPagesShowAndSaveTheirRecord() {
    Fixture f;
    RouteDetailPages* d = f.page.details();
    QSignalSpy changed(&f.page, &RoutePage::routeChanged);
    QCOMPARE(d->EditRouteName->text(), QStringLiteral("Route 1"));
    QCOMPARE(d->LabelRouteCreate->text(), QStringLiteral("15.03.2026 10:30:00"));
    d->EditRouteName->setText(QStringLiteral("Rundgang Nord"));
    d->EditRouteBemerkung->setText(QStringLiteral("März"));
    QTest::mouseClick(d->ButtonSaveRoute, Qt::LeftButton);
    QCOMPARE(f.route().routeRecord().remark, QStringLiteral("März"));
    QCOMPARE(f.page.model()->index(0, 0).data().toString(), QStringLiteral("Rundgang Nord"));
    QCOMPARE(changed.count(), 1);

    f.page.HausEinfuegenClick();
    const RouteNodeId h = f.page.selectedNode();
    QCOMPARE(d->currentIndex(), int(RouteDetailPages::HausPageIndex));
    QVERIFY(!d->isTabEnabled(RouteDetailPages::GeraetPageIndex));
    QCOMPARE(d->EditHausName->text(), QStringLiteral("Haus1"));
    d->EditHausName->setText(QStringLiteral("Schule"));
    d->EditHausStrasse->setText(QStringLiteral("Hauptstraße"));
    d->EditHausNr->setText(QStringLiteral("12a"));
    d->EditHausOrt->setText(QStringLiteral("Köln"));
    d->EditHausPLZ->setText(QStringLiteral("50667"));
    d->EditHausBemerkung->setText(QStringLiteral("Hof"));
    d->ButtonSaveHausClick();
    const BuildingRecord* b = f.route().building(h);
    QCOMPARE((QStringList{b->name, b->street, b->houseNumber, b->town, b->postCode, b->remark}),
             (QStringList{"Schule", "Hauptstraße", "12a", "Köln", "50667", "Hof"}));

    // Edits not saved are dropped when another node is shown.
    d->EditHausName->setText(QStringLiteral("nicht gespeichert"));
    f.page.selectNode(f.route().root());
    f.page.selectNode(h);
    QCOMPARE(d->EditHausName->text(), QStringLiteral("Schule"));

    f.page.EtageEinfuegenClick();
    f.page.selectNode(h);
    f.page.EtageEinfuegenClick();
    const RouteNodeId e2 = f.page.selectedNode();
    QCOMPARE(d->EditEtageName->text(), QStringLiteral("Etage2"));
    // A second floor of that name would take the first floor's devices when read back.
    d->EditEtageName->setText(QStringLiteral(" Etage1 "));
    d->ButtonSaveEtageClick();
    QCOMPARE(f.route().floor(e2)->name, QStringLiteral("Etage2"));
    QCOMPARE(f.ui.shown.back().title, QStringLiteral("FEHLER"));
    d->EditEtageName->setText(QStringLiteral("Keller"));
    d->EditEtageBemerkung->setText(QStringLiteral("feucht"));
    d->ButtonSaveEtageClick();
    QCOMPARE(f.route().floor(e2)->name, QStringLiteral("Keller"));
    QCOMPARE(f.route().floor(e2)->remark, QStringLiteral("feucht"));

    f.insertDevice(QStringLiteral("00000077"), QStringLiteral("7"));
    const RouteNodeId dev = f.page.selectedNode();
    QCOMPARE(d->EditGeraetFunkID->text(), QStringLiteral("00000077"));
    QCOMPARE(d->LabelGeraetRSSI->text(), QStringLiteral("107"));
    d->EditGeraetFunkID->setText(QStringLiteral("1234"));
    d->EditGeraetManCode->setText(QStringLiteral("abc"));
    d->EditGeraetMedium->setText(QStringLiteral("08"));
    d->EditGeraetAESKey->setText(QStringLiteral("2b 7e 15 16 28 ae d2 a6 ab f7 15 88 09 cf 4f 3c"));
    d->EditGeraetText->setText(QStringLiteral("Bad, links"));
    d->ButtonSaveGeraetClick();
    const RouteDevice* rd = f.route().device(dev);
    QCOMPARE(rd->radioId, 1234u);
    QCOMPARE(rd->manufacturer, QStringLiteral("ABC"));
    QCOMPARE(rd->medium, QStringLiteral("8"));
    QCOMPARE(rd->keyText, kKeyA);
    QCOMPARE(rd->positionText, QStringLiteral("Bad, links"));
    QCOMPARE(f.page.model()->indexOf(dev).data().toString(), QStringLiteral("00001234"));
    QCOMPARE(d->EditGeraetFunkID->text(), QStringLiteral("00001234"));
    QCOMPARE(d->EditGeraetAESKey->text(), QStringLiteral("2B 7E 15 16 28 AE D2 A6 AB F7 15 88 09 CF 4F 3C"));
    // The lookup of received telegrams finds the device under its new identity.
    QVERIFY(f.route().findRouteDevice(1234, 8, "ABC"));
    QVERIFY(!f.route().findRouteDevice(77, 7, "QLM"));
}

void TestRoutePage::devicePageRefusesBadEntries() {
    Fixture f;
    RouteDetailPages* d = f.page.details();
    f.page.HausEinfuegenClick();
    f.page.EtageEinfuegenClick();
    f.insertDevice(QStringLiteral("00000005"), QStringLiteral("7"), kKeyA);
    const RouteNodeId dev = f.page.selectedNode();
    f.route().setModified(false);

    struct Case {
        const char* field;
        QString text;
        QString message;
    };
    const QList<Case> cases = {
        {"EditGeraetAESKey", kKeyA.left(31), QStringLiteral("Falsches Format des AES KEY!")},
        {"EditGeraetAESKey", kKeyA + QStringLiteral("0"), QStringLiteral("Falsches Format des AES KEY!")},
        {"EditGeraetAESKey", kKeyA.left(31) + QStringLiteral("G"),
         QStringLiteral("Falsches Format des AES KEY!")},
        {"EditGeraetFunkID", QStringLiteral(""), QStringLiteral("Only numbers permissible!")},
        {"EditGeraetFunkID", QStringLiteral("0"), QStringLiteral("Only numbers permissible!")},
        {"EditGeraetManCode", QStringLiteral("AB"), {}},
        {"EditGeraetManCode", QStringLiteral("A1C"), {}},
        {"EditGeraetMedium", QStringLiteral(""), {}},
    };
    for (const Case& c : cases) {
        // Fresh texts from the record.
        f.page.selectNode(f.route().parent(dev));
        f.page.selectNode(dev);
        d->findChild<QLineEdit*>(QString::fromLatin1(c.field))->setText(c.text);
        const auto before = f.ui.shown.size();
        d->ButtonSaveGeraetClick();
        QVERIFY2(f.ui.shown.size() == before + 1, c.field);
        QCOMPARE(f.ui.shown.back().title, QStringLiteral("FEHLER"));
        if (!c.message.isEmpty())
            QCOMPARE(f.ui.shown.back().text, c.message);
        QCOMPARE(f.route().device(dev)->keyText, kKeyA);
        QCOMPARE(f.route().device(dev)->radioId, 5u);
        QCOMPARE(f.route().device(dev)->manufacturer, QStringLiteral("QLM"));
        QVERIFY(!f.page.isRouteChanged());
    }
    // An empty key is no key.
    f.page.selectNode(f.route().parent(dev));
    f.page.selectNode(dev);
    d->EditGeraetAESKey->clear();
    d->ButtonSaveGeraetClick();
    QVERIFY(f.route().device(dev)->keyText.isEmpty());
}

void TestRoutePage::saveWritesTheFileAndClearsTheChangedState() {
    Fixture f;
    f.page.HausEinfuegenClick();
    f.page.EtageEinfuegenClick();
    const RouteNodeId e1 = f.page.selectedNode();
    f.page.selectNode(f.route().parent(e1));
    f.page.EtageEinfuegenClick();
    const RouteNodeId e2 = f.page.selectedNode();
    f.page.selectNode(e1);
    f.insertDevice(QStringLiteral("00001234"), QStringLiteral("7"), kKeyA);
    f.page.selectNode(e1);
    f.insertDevice(QStringLiteral("00000022"));
    f.page.selectNode(e2);
    f.insertDevice(QStringLiteral("00000099"), QStringLiteral("99"));

    f.ui.texts.push_back(f.routesFolder() + QStringLiteral("/Rundgang"));
    QVERIFY(f.page.SpeicherRouteClick());
    QCOMPARE(f.ui.shown.back().kind, QStringLiteral("save"));
    QCOMPARE(QDir::fromNativeSeparators(f.ui.shown.back().text), f.routesFolder());
    QVERIFY(QDir(f.routesFolder()).exists()); // made for the dialog
    const QString path = f.routesFolder() + QStringLiteral("/Rundgang.ROUTE");
    QCOMPARE(f.page.routeFilePath(), path);
    QVERIFY(!f.page.isRouteChanged());
    QVERIFY(f.ui.messages().isEmpty());

    auto ini = IniFile::load(path);
    QVERIFY(ini && ini->existed());
    QCOMPARE(ini->readString("SETUP", "RFMODE"), QStringLiteral("S"));
    QCOMPARE(ini->readString("ROUTE", "CREATE"), QStringLiteral("15.03.2026 10:30:00"));
    QCOMPARE(ini->readString("HAUS1", "ANZETAGEN"), QStringLiteral("2"));
    QCOMPARE(ini->readString("HAUS1", "ANZS"), QStringLiteral("3"));
    QCOMPARE(ini->readString("HAUS1_S3", "ETAGE"), QStringLiteral("Etage2"));
    const QString stored = ini->readString("HAUS1_S1", "AESKEY");
    QVERIFY(!stored.isEmpty() && stored != kKeyA);
    QCOMPARE(*unprotectKeyText(stored), kKeyA);
    QVERIFY(!readFile(path).contains(kKeyA.toLatin1()));

    // A name with the extension in another case is kept as typed.
    f.ui.texts.push_back(f.routesFolder() + QStringLiteral("/zwei.route"));
    QVERIFY(f.page.SpeicherRoute->isEnabled());
    f.page.SpeicherRoute->trigger();
    QVERIFY(QFile::exists(f.routesFolder() + QStringLiteral("/zwei.route")));

    // Cancelling the dialog writes nothing.
    f.page.HausEinfuegenClick();
    f.ui.texts.push_back(std::nullopt);
    QVERIFY(!f.page.SpeicherRouteClick());
    QVERIFY(f.page.isRouteChanged());
}

void TestRoutePage::failedSaveKeepsTheChangedState() {
    Fixture f;
    QDir().mkpath(f.routesFolder());
    // A name at the file system's limit: the file is there, but no temporary file beside it fits.
    const QString path = f.routesFolder() + u'/' + QString(249, u'r') + QStringLiteral(".ROUTE");
    writeFile(path, "[ROUTE]\r\nNAME=alt\r\n");
    f.page.HausEinfuegenClick();
    f.ui.texts.push_back(path);
    QVERIFY(!f.page.SpeicherRouteClick());
    QCOMPARE(f.ui.shown.back().title, QStringLiteral("FEHLER"));
    QVERIFY(f.page.isRouteChanged());
    QCOMPARE(readFile(path), QByteArray("[ROUTE]\r\nNAME=alt\r\n"));
    QCOMPARE(QDir(f.routesFolder()).entryList(QDir::Files).size(), 1);
    QVERIFY(f.page.routeFilePath().isEmpty());
}

void TestRoutePage::loadReplacesTheRouteAndStartsItsModes() {
    Fixture f;
    // Saved by one page, loaded by another.
    {
        Fixture writer;
        writer.page.HausEinfuegenClick();
        writer.page.EtageEinfuegenClick();
        writer.insertDevice(QStringLiteral("00001234"), QStringLiteral("7"), kKeyA);
        writer.insertDevice(QStringLiteral("00000002"), QStringLiteral("8"));
        writer.ui.texts.push_back(f.routesFolder() + QStringLiteral("/a"));
        QDir().mkpath(f.routesFolder());
        QVERIFY(writer.page.SpeicherRouteClick());
    }
    f.page.HausEinfuegenClick();
    f.route().setModified(false);
    QSignalSpy loaded(&f.page, &RoutePage::routeLoaded);
    f.ui.texts.push_back(f.routesFolder() + QStringLiteral("/a.ROUTE"));
    f.page.LadeRoute->trigger();
    QCOMPARE(f.ui.shown.back().kind, QStringLiteral("open"));
    QCOMPARE(loaded.count(), 1);
    QCOMPARE(loaded[0][0].toStringList(), QStringList{QStringLiteral("S")});
    QVERIFY(!f.page.isRouteChanged());
    QCOMPARE(f.route().childCount(f.route().root()), 1); // the old building is gone
    QCOMPARE(f.route().deviceCount(), 2);
    QCOMPARE(f.page.LabelAnzahlSender->text(), QStringLiteral("2"));
    const auto match = f.route().findRouteDevice(1234, 7, "QLM");
    QVERIFY(match);
    QCOMPARE(f.route().device(match->node)->keyText, kKeyA);
    QCOMPARE(f.page.selectedNode(), f.route().root());
    QVERIFY(f.page.TreeViewHauser->isExpanded(f.page.model()->indexOf(f.route().parent(match->node))));
    QVERIFY(f.ui.messages().isEmpty());

    // A file without RFMODE starts every mode in turn (as when loaded at start).
    const QString bare = f.routesFolder() + QStringLiteral("/bare.ROUTE");
    writeFile(bare, "[ROUTE]\r\nNAME=Leer\r\nHAUSER=0\r\n");
    QVERIFY(f.page.loadRouteFile(bare));
    QCOMPARE(loaded.count(), 2);
    QCOMPARE(loaded[1][0].toStringList(), (QStringList{"T", "S", "C"}));
    QCOMPARE(f.page.details()->EditRouteName->text(), QStringLiteral("Leer"));
    QCOMPARE(f.page.routeFilePath(), bare);
}

void TestRoutePage::loadAsksBeforeDroppingChanges() {
    Fixture f;
    const QString path = f.routesFolder() + QStringLiteral("/x.ROUTE");
    QDir().mkpath(f.routesFolder());
    writeFile(path, "[ROUTE]\r\nNAME=Datei\r\nHAUSER=0\r\n");
    f.page.HausEinfuegenClick();

    // Yes, but the save is cancelled: nothing is loaded, the edits stay.
    f.ui.answers = {true};
    f.ui.texts = {std::nullopt};
    f.page.LadeRouteClick();
    QCOMPARE(f.ui.shown[0].kind, QStringLiteral("question"));
    QCOMPARE(f.ui.shown[0].text, kChangedQuestion);
    QCOMPARE(f.ui.shown[0].title, QStringLiteral("WARNUNG"));
    QCOMPARE(f.ui.shown.size(), std::size_t(2)); // no open dialog
    QCOMPARE(f.route().childCount(f.route().root()), 1);

    // No: the file is loaded over the edits.
    f.ui.clear();
    f.ui.answers = {false};
    f.ui.texts = {path};
    f.page.LadeRouteClick();
    QCOMPARE(f.route().routeRecord().name, QStringLiteral("Datei"));
    QCOMPARE(f.route().childCount(f.route().root()), 0);

    // Unchanged: no question at all.
    f.ui.clear();
    f.ui.texts = {path};
    f.page.LadeRouteClick();
    QCOMPARE(f.ui.shown.size(), std::size_t(1));
    QCOMPARE(f.ui.shown[0].kind, QStringLiteral("open"));
}

void TestRoutePage::damagedFileLoadsWhatIsSoundAndSaysSoOnce() {
    Fixture f;
    QDir().mkpath(f.routesFolder());
    const QString path = f.routesFolder() + QStringLiteral("/kaputt.ROUTE");
    QByteArray text = "[SETUP]\r\nRFMODE=C\r\n[ROUTE]\r\nNAME=Kaputt\r\nHAUSER=1000000\r\n"
                      "[HAUS1]\r\nNAME=A\r\nANZETAGEN=1\r\nANZS=4\r\n[HAUS1_E1]\r\nNAME=EG\r\n"
                      "[HAUS1_S1]\r\nRADIOID=11\r\nETAGE=EG\r\n"
                      "[HAUS1_S2]\r\nRADIOID=zwoelf\r\nETAGE=EG\r\n"
                      "[HAUS1_S3]\r\nRADIOID=13\r\nETAGE=Dach\r\n"
                      "[HAUS1_S4]\r\nRADIOID=14\r\nETAGE=EG\r\nAESKEY=XYZ\r\n";
    writeFile(path, text);
    QSignalSpy loaded(&f.page, &RoutePage::routeLoaded);
    QVERIFY(f.page.loadRouteFile(path));
    QCOMPARE(loaded.count(), 1);
    QCOMPARE(loaded[0][0].toStringList(), QStringList{QStringLiteral("C")});
    QCOMPARE(f.route().deviceCount(), 2); // 11, and 14 without its key
    QVERIFY(f.route().findRouteDevice(11, 8, "QLM"));
    QVERIFY(f.route().device(f.route().findRouteDevice(14, 8, "QLM")->node)->keyText.isEmpty());
    QCOMPARE(f.ui.messages().size(), 1);
    QCOMPARE(f.ui.shown.back().title, QStringLiteral("WARNUNG"));
    const QString m = f.ui.lastMessage();
    QVERIFY(m.contains(QStringLiteral("HAUSER")));
    QVERIFY(m.contains(QStringLiteral("zwoelf")));
    QVERIFY(m.contains(QStringLiteral("Dach")));
    QVERIFY(m.contains(QStringLiteral("HAUS1_S4")));
    QVERIFY(!f.page.isRouteChanged());

    // Many faults are counted, not listed one by one.
    QByteArray many = "[ROUTE]\r\nHAUSER=1\r\n[HAUS1]\r\nANZETAGEN=1\r\nANZS=40\r\n[HAUS1_E1]\r\nNAME=EG\r\n";
    for (int s = 1; s <= 40; ++s)
        many += "[HAUS1_S" + QByteArray::number(s) + "]\r\nRADIOID=x\r\nETAGE=EG\r\n";
    writeFile(path, many);
    f.ui.clear();
    QVERIFY(f.page.loadRouteFile(path));
    QCOMPARE(f.ui.messages().size(), 1);
    QVERIFY(f.ui.lastMessage().contains(
        QStringLiteral("… und %1 weitere").arg(40 - RoutePage::kMaxListedLoadMessages)));
    QVERIFY(f.ui.lastMessage().count(u'\n') < RoutePage::kMaxListedLoadMessages + 4);
}

void TestRoutePage::unreadableFileLeavesTheRoute() {
    Fixture f;
    f.page.HausEinfuegenClick();
    QSignalSpy loaded(&f.page, &RoutePage::routeLoaded);
    QVERIFY(!f.page.loadRouteFile(f.routesFolder() + QStringLiteral("/fehlt.ROUTE")));
    QCOMPARE(f.ui.shown.back().title, QStringLiteral("FEHLER"));
    QCOMPARE(loaded.count(), 0);
    QCOMPARE(f.route().childCount(f.route().root()), 1);
    QVERIFY(f.page.isRouteChanged());
    QVERIFY(f.page.routeFilePath().isEmpty());
}

void TestRoutePage::closeQuestion() {
    Fixture f;
    QVERIFY(f.page.queryClose());
    QVERIFY(f.ui.shown.empty());

    f.page.HausEinfuegenClick();
    f.ui.answers = {false};
    QVERIFY(f.page.queryClose());
    QCOMPARE(f.ui.shown.size(), std::size_t(1));
    QCOMPARE(f.ui.shown[0].text, kChangedQuestion);
    QCOMPARE(f.ui.shown[0].title, QStringLiteral("WARNUNG"));

    // Yes, and the save does not happen: the recorder stays open, nothing is lost.
    f.ui.clear();
    f.ui.answers = {true};
    f.ui.texts = {std::nullopt};
    QVERIFY(!f.page.queryClose());
    QVERIFY(f.page.isRouteChanged());

    f.ui.clear();
    f.ui.answers = {true};
    f.ui.texts = {f.routesFolder() + QStringLiteral("/ende")};
    QVERIFY(f.page.queryClose());
    QVERIFY(QFile::exists(f.routesFolder() + QStringLiteral("/ende.ROUTE")));
    QVERIFY(!f.page.isRouteChanged());
}

void TestRoutePage::receptionShowsInCountersAndDevicePage() {
    Fixture f;
    f.page.HausEinfuegenClick();
    f.page.EtageEinfuegenClick();
    f.insertDevice(QStringLiteral("00000001"));
    const RouteNodeId dev = f.page.selectedNode();
    RouteDetailPages* d = f.page.details();
    d->EditGeraetText->setText(QStringLiteral("wird gerade getippt"));
    QCOMPARE(d->LabelGeraetEmpfang->text(), QStringLiteral("nicht empfangen"));

    LastTelegram t;
    t.receiveTime = QDateTime(QDate(2026, 3, 15), QTime(11, 0, 5));
    f.route().updateReceived(dev, t, QStringLiteral("71"), ReceiveState::Received);
    QCOMPARE(f.page.LabelAnzahlEmpfangen->text(), QStringLiteral("1"));
    QCOMPARE(d->LabelGeraetRSSI->text(), QStringLiteral("71"));
    QCOMPARE(d->LabelGeraetEmpfang->text(), QStringLiteral("empfangen 15.03.2026 11:00:05"));
    // What the user is typing is not overwritten by reception.
    QCOMPARE(d->EditGeraetText->text(), QStringLiteral("wird gerade getippt"));
    QCOMPARE(f.page.model()->indexOf(dev).data(RouteTreeModel::StateImageRole).toInt(), kStateReceived);
}

void TestRoutePage::everyInputHasAnAccessibleName() {
    Fixture f;
    for (QLineEdit* e : f.page.findChildren<QLineEdit*>())
        QVERIFY2(!e->accessibleName().isEmpty(), qPrintable(e->objectName()));
    QVERIFY(!f.page.TreeViewHauser->accessibleName().isEmpty());
    // Two fields on one captioned row are told apart.
    QCOMPARE(f.page.details()->EditHausStrasse->accessibleName(), QStringLiteral("Straße"));
    QCOMPARE(f.page.details()->EditHausNr->accessibleName(), QStringLiteral("Hausnummer"));
}

QTEST_MAIN(TestRoutePage)
#include "tst_routepage.moc"
