// The recorder's main road behind a real serial link: a simulated receiver sends published telegrams,
// the devices of the route fill the data table and their device panel, the others the list of
// unregistered devices.

#include "core/wmbus/route/Route.h"
#include "link/LinkController.h"
#include "ui/wmbus/TFormWMBUSRadioCraft.h"
#include "ui/wmbus/route/RouteDetailPages.h"
#include "ui/wmbus/route/RoutePage.h"
#include "ui/wmbus/route/UnregisteredPanel.h"
#include "ui/wmbus/table/DatenPage.h"
#include "ui/wmbus/table/ResultTableModel.h"

#include "FakeToolHost.h"
#include "ReceiverSim.h"
#include "TempDataRoot.h"
#include "TestData.h"

#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <QtTest>

#include <set>

using namespace kvq;

namespace {

// Fields of a radio telegram (L C M M A A A A V T CI ...), read here straight from the bytes.
struct Sender {
    QString id;
    QString man;
    int type = 0;
    friend bool operator<(const Sender& a, const Sender& b) {
        return std::tie(a.id, a.man, a.type) < std::tie(b.id, b.man, b.type);
    }
};

Sender senderOf(const QByteArray& t) {
    Sender s;
    for (int i = 7; i >= 4; --i)
        s.id += QStringLiteral("%1").arg(static_cast<std::uint8_t>(t[i]), 2, 16, QLatin1Char('0'));
    const int m = static_cast<std::uint8_t>(t[2]) | (static_cast<std::uint8_t>(t[3]) << 8);
    for (int shift : {10, 5, 0})
        s.man += QChar(64 + ((m >> shift) & 0x1F));
    s.type = static_cast<std::uint8_t>(t[9]);
    return s;
}

bool bcdId(const QByteArray& t) {
    for (int i = 4; i <= 7; ++i) {
        const auto b = static_cast<std::uint8_t>(t[i]);
        if ((b >> 4) > 9 || (b & 0x0F) > 9)
            return false;
    }
    return true;
}

// A short transport header without encryption: its values can be read without a key.
bool plainShortHeader(const QByteArray& t) {
    return t.size() > 16 && static_cast<std::uint8_t>(t[10]) == 0x7A &&
           (static_cast<std::uint8_t>(t[14]) & 0x1F) == 0;
}

} // namespace

class TestDataTablePty : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void telegramsFillTheTableAndTheDevicePanel();
};

void TestDataTablePty::telegramsFillTheTableAndTheDevicePanel() {
    std::vector<QByteArray> rows;
    devsim::loadTelegramFile(test::testDataDir() + QStringLiteral("/wmbus/peer-telegrams.tsv"), rows);
    std::vector<QByteArray> list;
    for (const QByteArray& t : rows)
        if (t.size() >= 12 && t.size() <= devsim::kMaxTelegramBody + 1 && bcdId(t))
            list.push_back(t);
    const auto chosen = std::find_if(list.begin(), list.end(), plainShortHeader);
    QVERIFY(chosen != list.end());
    const Sender device = senderOf(*chosen);
    list.push_back(*chosen); // heard twice
    int ofDevice = 0;
    std::set<Sender> others;
    for (const QByteArray& t : list) {
        const Sender s = senderOf(t);
        if (!(s < device) && !(device < s))
            ++ofDevice;
        else
            others.insert(s);
    }

    test::TempDataRoot root;
    const QString routePath = root.path() + QStringLiteral("/e2e.ROUTE");
    QFile f(routePath);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("[SETUP]\r\nRFMODE=T\r\n[ROUTE]\r\nNAME=E2E\r\nHAUSER=1\r\n"
                           "[HAUS1]\r\nNAME=Haus1\r\nANZETAGEN=1\r\nANZS=1\r\n[HAUS1_E1]\r\nNAME=EG\r\n"
                           "[HAUS1_S1]\r\nRADIOID=%1\r\nMEDIUM=%2\r\nMANCODE=%3\r\nETAGE=EG\r\n")
                .arg(device.id.toInt())
                .arg(device.type)
                .arg(device.man)
                .toLatin1());
    f.close();

    QString error;
    auto sim = devsim::startSimulatedReceiver(&error);
    QVERIFY2(sim, qPrintable(error));
    test::FakeToolHost host;
    test::ScriptedUserInteraction linkUi;
    LinkController link(linkUi);
    link.settings.SIO1Active = false;
    link.settings.SIO2Active = true;
    link.settings.SIO2Port = link.addPortPath(sim->path());
    link.OpenInterface();
    QVERIFY(link.SIO2Open());
    host.linkValue = &link;
    host.settingsValue.Tmode = host.settingsValue.Smode = host.settingsValue.Cmode = false;
    host.settingsValue.AutoLoad = true;
    host.settingsValue.Geraeteliste = routePath;
    {
        TFormWMBUSRadioCraft w(host);
        link.setWindowSource([&w]() -> LinkWindow* { return &w; });
        w.afterOpen();
        w.show();
        QCOMPARE(w.routePage()->route().deviceCount(), 1);

        devsim::ReceiverStream o;
        o.maxChunk = 300;
        const int good = sim->stream(list, o);
        QCOMPARE(good, static_cast<int>(list.size()));
        QTRY_COMPARE_WITH_TIMEOUT(w.telegramCount(), std::uint64_t(good), 30000);

        // The table shows the route device's telegrams, once the batch is announced.
        ResultTableModel* model = w.datenPage()->model();
        QTRY_COMPARE_WITH_TIMEOUT(model->rowCount(), ofDevice, 5000);
        QCOMPARE(model->index(0, 2).data().toString(), device.id);
        QCOMPARE(model->index(0, 7).data().toString(), device.man);
        QCOMPARE(w.datenPage()->LabelAnzahlZeilen->text(), QString::number(ofDevice));
        QCOMPARE(w.unregisteredPanel()->LabelAnzahlSenderScann->text(), QString::number(others.size()));

        // The device panel shows its values.
        const wmbus::Route& route = w.routePage()->route();
        const wmbus::RouteNodeId node = route.devicesInTreeOrder().front();
        w.routePage()->selectNode(node);
        RouteDetailPages* d = w.routePage()->details();
        QVERIFY(d->TableGeraetWerte->rowCount() > 0);
        QCOMPARE(d->TableGeraetWerte->item(0, 0)->text(), route.device(node)->last.values[0].value);
        QCOMPARE(model->index(0, 10).data().toString(), route.device(node)->last.values[0].value);
        QCOMPARE(d->LabelGeraetAES->text(), QStringLiteral("unverschlüsselt"));
        QCOMPARE(w.routePage()->LabelAnzahlEmpfangen->text(), QStringLiteral("1"));

        // Everything heard: closing asks only about the unsaved table.
        host.ui.answers = {false};
        QVERIFY(w.close());
        QCOMPARE(host.ui.shown.size(), std::size_t(1));
        link.setWindowSource({});
    }
    link.CloseInterface();
    sim->stop();
}

QTEST_MAIN(TestDataTablePty)
#include "tst_datatable_pty.moc"
