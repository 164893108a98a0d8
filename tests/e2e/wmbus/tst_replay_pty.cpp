// A drive recorded behind a real serial link and loaded again: a simulated receiver sends published
// telegrams with noise and broken frames while the telegram log is on; the log is switched off, the
// table emptied, and the log loaded through the menu, which closes the receiver port first. The table
// must come out as the drive made it.

#include "core/wmbus/route/Route.h"
#include "link/LinkController.h"
#include "ui/wmbus/AnalysePage.h"
#include "ui/wmbus/ReplayControl.h"
#include "ui/wmbus/TFormWMBUSRadioCraft.h"
#include "ui/wmbus/TelegramLogControl.h"
#include "ui/wmbus/route/RoutePage.h"
#include "ui/wmbus/table/DatenPage.h"
#include "ui/wmbus/table/ResultTableModel.h"

#include "FakeToolHost.h"
#include "ReceiverSim.h"
#include "TempDataRoot.h"
#include "TestData.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QtTest>

#include <map>

using namespace kvq;

namespace {

// Senders of radio telegrams (L C M M A A A A V T ...) with eight BCD digits, read from the bytes.
struct Sender {
    QString id;
    QString man;
    int type = 0;
};

std::optional<Sender> senderOf(const QByteArray& t) {
    Sender s;
    for (int i = 7; i >= 4; --i) {
        const auto b = static_cast<std::uint8_t>(t[i]);
        if ((b >> 4) > 9 || (b & 0x0F) > 9)
            return std::nullopt;
        s.id += QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0'));
    }
    const int m = static_cast<std::uint8_t>(t[2]) | (static_cast<std::uint8_t>(t[3]) << 8);
    for (int shift : {10, 5, 0})
        s.man += QChar(64 + ((m >> shift) & 0x1F));
    s.type = static_cast<std::uint8_t>(t[9]);
    return s;
}

QStringList tableOf(TFormWMBUSRadioCraft& w) {
    ResultTableModel* m = w.datenPage()->model();
    m->flush();
    QStringList rows;
    for (int r = 0; r < m->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < m->columnCount(); ++c)
            cells << m->index(r, c).data().toString();
        rows << cells.join(QLatin1Char(';'));
    }
    return rows;
}

} // namespace

class TestReplayPty : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void recordedDriveLoadsIntoTheSameTable();
};

void TestReplayPty::recordedDriveLoadsIntoTheSameTable() {
    std::vector<QByteArray> all, list;
    devsim::loadTelegramFile(test::testDataDir() + QStringLiteral("/wmbus/peer-telegrams.tsv"), all);
    // Every second BCD sender joins the route: the others go to the unregistered list.
    std::map<QString, Sender> route;
    for (const QByteArray& t : all) {
        if (t.size() < 12 || t.size() > devsim::kMaxTelegramBody + 1)
            continue;
        list.push_back(t);
        if (const auto s = senderOf(t); s && route.size() < 40 && list.size() % 2 == 0)
            route.emplace(s->id + s->man + QString::number(s->type), *s);
    }
    QVERIFY(route.size() > 5);

    test::TempDataRoot root;
    const QString routePath = root.path() + QStringLiteral("/e2e.ROUTE");
    QString text =
        QStringLiteral("[SETUP]\r\nRFMODE=T\r\n[ROUTE]\r\nNAME=E2E\r\nHAUSER=1\r\n[HAUS1]\r\nNAME=Haus1\r\n"
                       "ANZETAGEN=1\r\nANZS=%1\r\n[HAUS1_E1]\r\nNAME=EG\r\n")
            .arg(route.size());
    int n = 0;
    for (const auto& [key, s] : route)
        text += QStringLiteral("[HAUS1_S%1]\r\nRADIOID=%2\r\nMEDIUM=%3\r\nMANCODE=%4\r\nETAGE=EG\r\n")
                    .arg(++n)
                    .arg(s.id.toInt())
                    .arg(s.type)
                    .arg(s.man);
    QFile f(routePath);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text.toLatin1());
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
        w.resize(900, 640);
        w.show();

        const QString log = TelegramLogControl::folder() + QStringLiteral("/drive.TXT");
        host.ui.texts.push_back(log);
        w.analysePage()->sBitBtnLOGProt->click();
        QVERIFY(w.telegramLog()->logging());

        devsim::ReceiverStream o;
        o.repeat = 3;
        o.maxNoiseBytes = 6;
        o.brokenEvery = 7;
        o.minChunk = 1;
        o.maxChunk = 300;
        const int good = sim->stream(list, o);
        QTRY_COMPARE_WITH_TIMEOUT(w.telegramCount(), std::uint64_t(good), 60000);
        w.analysePage()->sBitBtnLOGProt->click();
        const QStringList drive = tableOf(w);
        QVERIFY(drive.size() > 10);

        // The log loads with the port closed, into an emptied table.
        w.datenPage()->LeereTabelle->trigger();
        QCOMPARE(tableOf(w).size(), 0);
        host.ui.texts.push_back(log);
        w.replayControl()->LadeRxDatenMobileApp->trigger();
        QVERIFY(!link.SIO2Open());
        QVERIFY(w.replayControl()->running());
        QTRY_VERIFY_WITH_TIMEOUT(!w.replayControl()->running(), 60000);
        QCOMPARE(w.telegramCount(), std::uint64_t(2 * good));
        QCOMPARE(tableOf(w), drive);

        // A sender whose long header names another device type is not the route's device: the
        // close may first ask about devices not heard. The table is not saved.
        const wmbus::Route& r = w.routePage()->route();
        host.ui.answers = {false};
        if (r.receivedDeviceCount() < r.deviceCount())
            host.ui.answers.push_front(true);
        QVERIFY(w.close());
        link.setWindowSource({});
    }
    link.CloseInterface();
    sim->stop();
}

QTEST_MAIN(TestReplayPty)
#include "tst_replay_pty.moc"
