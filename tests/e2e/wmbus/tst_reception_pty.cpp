// The recorder behind a real serial link: a simulated receiver on a pseudo-terminal, the link's port
// and worker, and the window counting what arrives.

#include "link/LinkController.h"
#include "ui/wmbus/AnalysePage.h"
#include "ui/wmbus/HexMonitor.h"
#include "ui/wmbus/TFormWMBUSRadioCraft.h"

#include "../../ui/wmbus/RecordingPort.h"
#include "ReceiverSim.h"
#include "TestData.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTextDocument>
#include <QtTest>

using namespace kvq;
using devsim::ReceiverFraming;
using devsim::ReceiverStream;

namespace {

// ID text of a radio telegram (L C M M A A A A ...): eight BCD digits, else the decimal value.
QString idTextOf(const QByteArray& t) {
    QString digits;
    bool bcd = true;
    for (int i = 7; i >= 4; --i) {
        const auto b = static_cast<std::uint8_t>(t[i]);
        bcd = bcd && (b >> 4) <= 9 && (b & 0x0F) <= 9;
        digits += QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0'));
    }
    if (bcd)
        return digits;
    quint32 v = 0;
    for (int i = 7; i >= 4; --i)
        v = (v << 8) | static_cast<std::uint8_t>(t[i]);
    return QString::number(v);
}

std::vector<QByteArray> publicTelegrams() {
    std::vector<QByteArray> rows;
    devsim::loadTelegramFile(test::testDataDir() + QStringLiteral("/wmbus/peer-telegrams.tsv"), rows);
    return rows;
}

struct Rig {
    test::FakeToolHost host;
    test::ScriptedUserInteraction linkUi;
    LinkController link{linkUi};
    std::unique_ptr<devsim::SimulatedReceiver> sim;
    std::unique_ptr<TFormWMBUSRadioCraft> w;
    int maxLinesSeen = 0;

    explicit Rig(int receiverType) {
        QString error;
        sim = devsim::startSimulatedReceiver(&error);
        if (!sim)
            qFatal("no pseudo-terminal: %s", qPrintable(error));
        link.settings.SIO1Active = false;
        link.settings.SIO2Active = true;
        link.settings.SIO2Port = link.addPortPath(sim->path());
        link.OpenInterface();
        host.linkValue = &link;
        host.settingsValue.RECEIVERTYPE = receiverType;
        host.settingsValue.Tmode = host.settingsValue.Smode = host.settingsValue.Cmode = false;
        w = std::make_unique<TFormWMBUSRadioCraft>(host);
        // What the main window does: the recorder is the current tool window.
        link.setWindowSource([this]() -> LinkWindow* { return w.get(); });
        w->afterOpen();
        w->resize(900, 640);
        w->show();
        HexMonitor* m = monitor();
        QObject::connect(m->document(), &QTextDocument::blockCountChanged, m,
                         [this, m] { maxLinesSeen = std::max(maxLinesSeen, m->lineCount()); });
    }
    ~Rig() {
        w.reset();
        link.CloseInterface();
        sim->stop();
    }
    HexMonitor* monitor() const { return w->findChild<HexMonitor*>("RichEdit1"); }
    QString label(const char* name) const { return w->findChild<QLabel*>(QString::fromLatin1(name))->text(); }
};

} // namespace

class TestReceptionPty : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void thousandTelegramsWithNoise_data();
    void thousandTelegramsWithNoise();
    void lineRateIsPaced();
    void hangUpMidStream();
};

void TestReceptionPty::thousandTelegramsWithNoise_data() {
    QTest::addColumn<int>("receiverType");
    QTest::addColumn<int>("framing");
    QTest::newRow("RadioCraft") << 0 << int(ReceiverFraming::RadioCraft);
    QTest::newRow("Amber") << 2 << int(ReceiverFraming::Amber);
}

void TestReceptionPty::thousandTelegramsWithNoise() {
    QFETCH(int, receiverType);
    QFETCH(int, framing);
    Rig rig(receiverType);
    QVERIFY(rig.link.SIO2Open());

    const auto rows = publicTelegrams();
    QVERIFY(rows.size() > 50);
    std::vector<QByteArray> list;
    for (std::size_t i = 0; list.size() < 1000; ++i) {
        const QByteArray& t = rows[i % rows.size()];
        if (t.size() >= 12 && t.size() <= devsim::kMaxTelegramBody + 1)
            list.push_back(t);
    }
    ReceiverStream o;
    o.framing = ReceiverFraming(framing);
    o.maxNoiseBytes = 12;
    o.brokenEvery = 7;
    o.minChunk = 1;
    o.maxChunk = 700;
    o.chunkGapMs = 0;
    o.seed = 20260315;
    const int good = rig.sim->stream(list, o);
    QCOMPARE(good, 1000);

    // The window thread must keep running: the worker hands every chunk over to it.
    QTRY_COMPARE_WITH_TIMEOUT(rig.w->telegramCount(), std::uint64_t(good), 60000);
    QVERIFY(rig.sim->waitStreamed(1000));
    QTest::qWait(200); // nothing late arrives beyond the good ones
    QCOMPARE(rig.w->telegramCount(), std::uint64_t(good));
    QCOMPARE(rig.label("LabelAnzahlProtokolle"), QString::number(good));
    QCOMPARE(rig.label("LabelFunkID"), idTextOf(list.back()));
    QCOMPARE(rig.label("LabelLenght"), QString::number(list.back().size())); // L with the RSSI byte
    QCOMPARE(rig.label("LabelRSSI"),
             framing == int(ReceiverFraming::RadioCraft) ? QStringLiteral("-69") : QStringLiteral("-134"));
    QVERIFY(rig.maxLinesSeen > 0);
    QVERIFY2(rig.maxLinesSeen <= rig.monitor()->maxLines(),
             qPrintable(QStringLiteral("%1 lines on a screen of %2")
                            .arg(rig.maxLinesSeen)
                            .arg(rig.monitor()->maxLines())));
}

void TestReceptionPty::lineRateIsPaced() {
    Rig rig(0);
    auto rows = publicTelegrams();
    rows.resize(12);
    ReceiverStream o;
    o.lineRate = true;
    qint64 bytes = 0;
    for (const QByteArray& t : rows)
        bytes += t.size() + 3;
    QElapsedTimer clock;
    clock.start();
    const int good = rig.sim->stream(rows, o);
    QTRY_COMPARE_WITH_TIMEOUT(rig.w->telegramCount(), std::uint64_t(good), 20000);
    // 19200 baud carry 1.92 bytes a millisecond: the stream cannot arrive faster than that.
    QVERIFY2(clock.elapsed() >= qint64(0.9 * bytes / 1.92),
             qPrintable(QStringLiteral("%1 bytes in %2 ms").arg(bytes).arg(clock.elapsed())));
}

void TestReceptionPty::hangUpMidStream() {
    Rig rig(0);
    QSignalSpy gone(&rig.link, &LinkController::interfaceDisconnected);
    auto rows = publicTelegrams();
    rows.resize(40);
    ReceiverStream o;
    o.maxChunk = 100;
    o.hangUpAtEnd = true;
    const int good = rig.sim->stream(rows, o);
    QTRY_COMPARE_WITH_TIMEOUT(rig.w->telegramCount(), std::uint64_t(good), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(gone.count() == 1, 5000);
    QVERIFY(!rig.link.SIO2Open());
    QTest::qWait(100);
    QCOMPARE(gone.count(), 1); // reported once, no storm
    QCOMPARE(rig.w->telegramCount(), std::uint64_t(good));
}

QTEST_MAIN(TestReceptionPty)
#include "tst_reception_pty.moc"
