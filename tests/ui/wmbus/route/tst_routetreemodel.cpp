#include "core/wmbus/route/Route.h"
#include "ui/wmbus/route/RouteImages.h"
#include "ui/wmbus/route/RouteTreeModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTreeView>
#include <QtTest>

using namespace kvq;
using namespace kvq::wmbus;

namespace {

RouteDevice device(std::uint32_t id, const QString& medium = QStringLiteral("8")) {
    RouteDevice d;
    d.radioId = id;
    d.medium = medium;
    return d;
}

QImage image(const QVariant& icon) {
    return icon.value<QIcon>().pixmap(RouteImages::kSize, RouteImages::kSize).toImage();
}

} // namespace

class TestRouteTreeModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void staysConsistentThroughEveryEdit();
    void textsAndImagesOfNodes();
    void insertAndRemoveAnnouncedAtTheirPlace();
    void sortKeepsPersistentIndexesOnTheirDevices();
    void loadedRouteResetsTheModel();
    void receptionRedrawsOnlyTheDevice();
};

// The tester checks every signal and answer of the model against the rules of item models while
// the route goes through each kind of change.
void TestRouteTreeModel::staysConsistentThroughEveryEdit() {
    Route route;
    RouteTreeModel model(route);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QTreeView view;
    view.setModel(&model);
    view.expandAll();

    const RouteNodeId h1 = route.addBuilding();
    const RouteNodeId h2 = route.addBuilding();
    const RouteNodeId e1 = route.addFloor(h1);
    const RouteNodeId e2 = route.addFloor(h1);
    const RouteNodeId e3 = route.addFloor(h2);
    for (std::uint32_t id : {30u, 10u, 20u})
        route.appendDevice(e1, device(id));
    const RouteNodeId d4 = route.appendDevice(e2, device(5, QStringLiteral("7")));
    route.appendDevice(e3, device(1));
    view.expandAll();
    QCOMPARE(model.rowCount(model.indexOf(e1)), 3);

    route.sortDevicesByRadioId();
    RouteDevice changed = *route.device(d4);
    changed.radioId = 99;
    route.setDevice(d4, changed);
    route.remove(route.child(e1, 1));
    route.remove(e2);
    route.remove(h1);
    QCOMPARE(model.rowCount(model.indexOf(route.root())), 1);
    route.clear();
    QCOMPARE(model.rowCount(model.indexOf(route.root())), 0);
    QCOMPARE(model.rowCount(), 1); // the route node stays
    QVERIFY(!QTest::currentTestFailed());
}

void TestRouteTreeModel::textsAndImagesOfNodes() {
    Route route;
    RouteTreeModel model(route);
    const RouteNodeId h = route.addBuilding();
    const RouteNodeId e = route.addFloor(h);
    const RouteNodeId water = route.appendDevice(e, device(1234, QStringLiteral("7")));
    const RouteNodeId odd = route.appendDevice(e, device(4294967295u, QStringLiteral("99")));
    const RouteNodeId noNumber = route.appendDevice(e, device(7, QStringLiteral("x")));

    const QModelIndex root = model.index(0, 0);
    QCOMPARE(root.data().toString(), QStringLiteral("Route 1"));
    QCOMPARE(model.indexOf(h).data().toString(), QStringLiteral("Haus1"));
    QCOMPARE(model.indexOf(e).data().toString(), QStringLiteral("Etage1"));
    QCOMPARE(model.indexOf(water).data().toString(), QStringLiteral("00001234"));
    QCOMPARE(model.indexOf(odd).data().toString(), QStringLiteral("4294967295"));

    const auto img = [&](RouteNodeId n) {
        return model.indexOf(n).data(RouteTreeModel::NodeImageRole).toInt();
    };
    QCOMPARE(img(route.root()), 0);
    QCOMPARE(img(h), 1);
    QCOMPARE(img(e), 2);
    QCOMPARE(img(water), 4);
    QCOMPARE(img(odd), 5);
    QCOMPARE(img(noNumber), 5);
    QCOMPARE(model.indexOf(water).data(RouteTreeModel::StateImageRole).toInt(), kStateNotReceived);
    QCOMPARE(model.indexOf(h).data(RouteTreeModel::StateImageRole).toInt(), -1);
    QVERIFY(model.indexOf(water).data(Qt::ToolTipRole).toString().contains(QStringLiteral("QLM")));
    QVERIFY(model.flags(model.indexOf(water)).testFlag(Qt::ItemNeverHasChildren));
    QVERIFY(!model.flags(model.indexOf(e)).testFlag(Qt::ItemNeverHasChildren));

    // Each kind of node and each receive state looks different.
    const QImage waterImage = image(model.indexOf(water).data(Qt::DecorationRole));
    QVERIFY(!waterImage.isNull());
    QCOMPARE(waterImage.size(), QSize(RouteImages::kSize, RouteImages::kSize));
    QVERIFY(waterImage != image(model.indexOf(odd).data(Qt::DecorationRole)));
    QVERIFY(image(model.indexOf(h).data(Qt::DecorationRole)) !=
            image(model.indexOf(e).data(Qt::DecorationRole)));
    QVERIFY(image(RouteImages::icon(4, kStateReceived)) != waterImage);
    QVERIFY(image(RouteImages::icon(4, kStateReceivedEncrypted)) !=
            image(RouteImages::icon(4, kStateReceived)));
    // Indexes outside the tree draw as an unknown device instead of failing.
    QCOMPARE(image(RouteImages::icon(57, kStateNotReceived)), image(RouteImages::icon(5, kStateNotReceived)));

    QCOMPARE(model.nodeAt(QModelIndex()), RouteNodeId(0));
    QVERIFY(!model.indexOf(12345).isValid());
    QVERIFY(!model.index(1, 0).isValid());
    QVERIFY(!model.index(0, 1).isValid());
}

void TestRouteTreeModel::insertAndRemoveAnnouncedAtTheirPlace() {
    Route route;
    RouteTreeModel model(route);
    const RouteNodeId h = route.addBuilding();
    const RouteNodeId e = route.addFloor(h);
    route.appendDevice(e, device(1));
    route.appendDevice(e, device(2));

    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    const RouteNodeId third = route.appendDevice(e, device(3));
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted[0][0].value<QModelIndex>(), model.indexOf(e));
    QCOMPARE(inserted[0][1].toInt(), 2);
    QCOMPARE(inserted[0][2].toInt(), 2);
    QCOMPARE(model.indexOf(third).row(), 2);

    route.remove(route.child(e, 0));
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed[0][0].value<QModelIndex>(), model.indexOf(e));
    QCOMPARE(removed[0][1].toInt(), 0);
    // The rows after it moved up.
    QCOMPARE(model.indexOf(third).row(), 1);
    QCOMPARE(model.index(1, 0, model.indexOf(e)).data().toString(), QStringLiteral("00000003"));

    route.addBuilding();
    route.addBuilding();
    route.clear();
    QCOMPARE(removed.count(), 2);
    QCOMPARE(removed[1][0].value<QModelIndex>(), model.index(0, 0));
    QCOMPARE(removed[1][1].toInt(), 0);
    QCOMPARE(removed[1][2].toInt(), 2);
}

void TestRouteTreeModel::sortKeepsPersistentIndexesOnTheirDevices() {
    Route route;
    RouteTreeModel model(route);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const RouteNodeId h = route.addBuilding();
    const RouteNodeId e = route.addFloor(h);
    const RouteNodeId d30 = route.appendDevice(e, device(30));
    route.appendDevice(e, device(10));
    const RouteNodeId d20 = route.appendDevice(e, device(20));

    const QPersistentModelIndex p30(model.indexOf(d30));
    const QPersistentModelIndex p20(model.indexOf(d20));
    QCOMPARE(p30.row(), 0);
    QSignalSpy layout(&model, &QAbstractItemModel::layoutChanged);
    route.sortDevicesByRadioId();
    QCOMPARE(layout.count(), 1);
    QCOMPARE(p30.row(), 2);
    QCOMPARE(p30.data().toString(), QStringLiteral("00000030"));
    QCOMPARE(p20.row(), 1);
    QCOMPARE(model.index(0, 0, model.indexOf(e)).data().toString(), QStringLiteral("00000010"));
}

void TestRouteTreeModel::loadedRouteResetsTheModel() {
    Route route;
    RouteTreeModel model(route);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    route.addBuilding();

    Route loaded;
    RouteRecord r = loaded.routeRecord();
    r.name = QStringLiteral("Nord");
    loaded.setRouteRecord(r);
    const RouteNodeId h = loaded.addBuilding();
    loaded.addBuilding();
    loaded.appendDevice(loaded.addFloor(h), device(77));

    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    route.replaceWith(std::move(loaded));
    QCOMPARE(reset.count(), 1);
    const QModelIndex root = model.index(0, 0);
    QCOMPARE(root.data().toString(), QStringLiteral("Nord"));
    QCOMPARE(model.rowCount(root), 2);
    const QModelIndex floor = model.index(0, 0, model.index(0, 0, root));
    QCOMPARE(model.index(0, 0, floor).data().toString(), QStringLiteral("00000077"));
}

void TestRouteTreeModel::receptionRedrawsOnlyTheDevice() {
    Route route;
    RouteTreeModel model(route);
    const RouteNodeId e = route.addFloor(route.addBuilding());
    route.appendDevice(e, device(1));
    const RouteNodeId d = route.appendDevice(e, device(2));

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    LastTelegram t;
    t.linkId = QStringLiteral("00000002");
    route.updateReceived(d, t, QStringLiteral("60"), ReceiveState::Received);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed[0][0].value<QModelIndex>(), model.indexOf(d));
    QCOMPARE(changed[0][1].value<QModelIndex>(), model.indexOf(d));
    QCOMPARE(model.indexOf(d).data(RouteTreeModel::StateImageRole).toInt(), kStateReceived);

    changed.clear();
    route.resetReceiveState();
    QCOMPARE(changed.count(), 1); // only the device that had been received
    QCOMPARE(model.indexOf(d).data(RouteTreeModel::StateImageRole).toInt(), kStateNotReceived);
}

QTEST_MAIN(TestRouteTreeModel)
#include "tst_routetreemodel.moc"
