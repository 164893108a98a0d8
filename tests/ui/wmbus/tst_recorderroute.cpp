#include "core/wmbus/route/Route.h"
#include "ui/wmbus/AnalysePage.h"
#include "ui/wmbus/TFormWMBUSRadioCraft.h"
#include "ui/wmbus/route/RoutePage.h"

#include "RecordingPort.h"
#include "Telegrams.h"
#include "TempDataRoot.h"

#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace kvq;
using test::LinkFields;

namespace {

const char kRouteFile[] =
    "[SETUP]\r\nEDITKEY=\r\n%1"
    "[ROUTE]\r\nNAME=Strasse 5\r\nHAUSER=1\r\n"
    "[HAUS1]\r\nNAME=Haus1\r\nANZETAGEN=1\r\nANZS=2\r\n"
    "[HAUS1_E1]\r\nNAME=Etage1\r\n"
    "[HAUS1_S1]\r\nRADIOID=12345678\r\nMEDIUM=7\r\nMANCODE=CEN\r\nETAGE=Etage1\r\nAESKEY=\r\n"
    "[HAUS1_S2]\r\nRADIOID=23800604\r\nMEDIUM=8\r\nMANCODE=VIP\r\nETAGE=Etage1\r\nAESKEY=\r\n";

QString writeRoute(const QTemporaryDir& dir, const QString& setupLines) {
    const QString path = dir.filePath(QStringLiteral("test.ROUTE"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write(QString::fromLatin1(kRouteFile).arg(setupLines).toLatin1());
    return path;
}

int runPauses(TFormWMBUSRadioCraft& w) {
    int n = 0;
    while (w.findChild<QTimer*>("TimerWaitOfResponse")->isActive() && n < 50) {
        ++n;
        w.TimerWaitOfResponseTimer();
    }
    return n;
}

void feed(TFormWMBUSRadioCraft& w, const std::vector<std::uint8_t>& bytes) {
    w.receiveChunk(bytes.data(), static_cast<std::uint16_t>(bytes.size()), 0.0);
}

wmbus::RouteNodeId deviceNode(const wmbus::Route& route, std::uint32_t radioId) {
    for (wmbus::RouteNodeId id : route.devicesInTreeOrder())
        if (route.device(id)->radioId == radioId)
            return id;
    return 0;
}

} // namespace

class TestRecorderRoute : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Value texts take the decimal separator of the user's locale; these checks read German ones.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void autoLoadStartsTheFileModes_data();
    void autoLoadStartsTheFileModes();
    void routeDevicesTakeTheirTelegrams();
    void encryptedTelegramWithTheRouteKey();
    void savedRouteKeepsTheModeLetter();
    void changedRouteIsOfferedOnClose();
};

void TestRecorderRoute::autoLoadStartsTheFileModes_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("firstBytes");
    QTest::newRow("S") << QStringLiteral("RFMODE=S\r\n") << QStringLiteral("S") << QStringLiteral("58");
    // Without the key every mode starts in turn, each cutting into the one before: C remains.
    QTest::newRow("none") << QString() << QStringLiteral("C") << QStringLiteral("58 58 58");
}

void TestRecorderRoute::autoLoadStartsTheFileModes() {
    QFETCH(QString, setup);
    QFETCH(QString, letter);
    QFETCH(QString, firstBytes);
    QTemporaryDir dir;
    test::FakeToolHost host;
    host.settingsValue.Tmode = host.settingsValue.Smode = host.settingsValue.Cmode = false;
    host.settingsValue.AutoLoad = true;
    host.settingsValue.Geraeteliste = writeRoute(dir, setup);
    test::RecordingPort port;
    TFormWMBUSRadioCraft w(host);
    w.setReceiverPort(&port);
    w.afterOpen();
    QCOMPARE(port.hex(), firstBytes);
    QCOMPARE(w.radioModeLetter(), letter);
    QCOMPARE(host.statusText(2),
             letter == QLatin1String("S") ? QStringLiteral("Mode: S") : QStringLiteral("Mode: C"));
    runPauses(w);
    QVERIFY(!w.receiverBusy());
    const wmbus::Route& route = w.routePage()->route();
    QCOMPARE(route.deviceCount(), 2);
    QCOMPARE(route.routeRecord().name, QStringLiteral("Strasse 5"));
    QVERIFY(!w.routePage()->isRouteChanged());
}

void TestRecorderRoute::routeDevicesTakeTheirTelegrams() {
    QTemporaryDir dir;
    test::FakeToolHost host;
    host.settingsValue.AutoLoad = true;
    host.settingsValue.Geraeteliste = writeRoute(dir, QStringLiteral("RFMODE=T\r\n"));
    TFormWMBUSRadioCraft w(host);
    w.afterOpen();
    const wmbus::Route& route = w.routePage()->route();
    const auto node = deviceNode(route, 12345678);
    QVERIFY(node);
    QCOMPARE(route.device(node)->state, wmbus::ReceiveState::NotReceived);

    LinkFields stranger;
    stranger.id[0] = 0x99;
    feed(w, test::radioCraftFrame(stranger));
    QCOMPARE(route.receivedDeviceCount(), 0);

    feed(w, test::radioCraftFrame(LinkFields{}));
    QCOMPARE(route.receivedDeviceCount(), 1);
    const wmbus::RouteDevice* d = route.device(node);
    QCOMPARE(d->state, wmbus::ReceiveState::Received);
    QCOMPARE(d->rssi, QStringLiteral("-69"));
    QCOMPARE(d->last.linkId, QStringLiteral("12345678"));
    QCOMPARE(d->last.accessNumber, QStringLiteral("1"));
    QCOMPARE(d->last.encrypted, QStringLiteral("no"));
    QCOMPARE(d->last.values[0].value, QStringLiteral("12,345"));
    QCOMPARE(d->last.values[0].unit, QString::fromUtf8("m³"));
    QCOMPARE(d->last.receiveTime, host.clockValue.localNow());
    QVERIFY(!w.routePage()->isRouteChanged()); // reception is no edit of the route
}

void TestRecorderRoute::encryptedTelegramWithTheRouteKey() {
    QTemporaryDir dir;
    test::FakeToolHost host;
    host.settingsValue.AutoLoad = true;
    host.settingsValue.Geraeteliste = writeRoute(dir, QStringLiteral("RFMODE=T\r\n"));
    TFormWMBUSRadioCraft w(host);
    w.afterOpen();
    wmbus::Route& route = w.routePage()->route();
    const auto node = deviceNode(route, 23800604);
    QVERIFY(node);

    // A published heat cost allocator telegram in security mode 5 and its key.
    const QByteArray radio = QByteArray::fromHex("4E443059040680231E087AC40040050E6AA476257C0C3ADAE8277EDC999"
                                                 "B39B38222FCB387A91E94CB6ED47CEEC6470F5F686F"
                                                 "89A8574415FA262BD43C88F7F153CE3C66E8E44DA338A06C62AB21B1");
    std::vector<std::uint8_t> frame = {0x68, static_cast<std::uint8_t>(radio.size())};
    frame.insert(frame.end(), radio.begin() + 1, radio.end());
    frame.push_back(0x80);
    frame.push_back(0x16);

    feed(w, frame); // no key yet
    QCOMPARE(w.findChild<QLabel*>("LabelAES")->text(), QStringLiteral("yes"));
    QCOMPARE(route.device(node)->state, wmbus::ReceiveState::ReceivedEncrypted);
    QVERIFY(route.device(node)->last.values[0].value.isEmpty());

    wmbus::RouteDevice record = *route.device(node);
    record.keyText = QStringLiteral("82B0551191F51D66EFCDAB8967452301");
    route.setDevice(node, record);
    feed(w, frame);
    const wmbus::RouteDevice* d = route.device(node);
    QCOMPARE(d->state, wmbus::ReceiveState::Received);
    QCOMPARE(d->last.decrypted, QStringLiteral("yes"));
    QVERIFY(!d->last.values[0].value.isEmpty());
    QCOMPARE(w.analysePage()->StringGridWerte->item(0, 0)->text(), d->last.values[0].value);
}

void TestRecorderRoute::savedRouteKeepsTheModeLetter() {
    test::TempDataRoot root;
    QTemporaryDir dir;
    test::FakeToolHost host;
    host.settingsValue.Tmode = host.settingsValue.Smode = host.settingsValue.Cmode = false;
    TFormWMBUSRadioCraft w(host);
    w.afterOpen();
    w.StartModeS();
    const QString path = dir.filePath(QStringLiteral("saved.ROUTE"));
    host.ui.texts = {path};
    QVERIFY(w.routePage()->SpeicherRouteClick());
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readAll().contains("RFMODE=S"));
}

void TestRecorderRoute::changedRouteIsOfferedOnClose() {
    test::TempDataRoot root;
    test::FakeToolHost host;
    auto* w = new TFormWMBUSRadioCraft(host);
    w->afterOpen();
    w->show();
    w->routePage()->HausEinfuegenClick();
    QVERIFY(w->routePage()->isRouteChanged());

    // Yes, then the save dialog is cancelled: the window stays.
    host.ui.answers = {true};
    host.ui.texts = {std::nullopt};
    QVERIFY(!w->close());
    QVERIFY(w->isVisible());
    QCOMPARE(host.ui.shown.front().kind, QStringLiteral("question"));
    QCOMPARE(host.ui.shown.front().title, QStringLiteral("WARNUNG"));

    // No: it closes without saving.
    host.ui.answers = {false};
    QVERIFY(w->close());
    delete w;
}

QTEST_MAIN(TestRecorderRoute)
#include "tst_recorderroute.moc"
