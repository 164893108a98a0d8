// The recorder's telegram log and the loading of recorded telegrams, wired to the window: the log
// switch and its file, the lines that reach the log, loading through the menu, the progress row,
// stopping and cancelling. A logged drive loading into the same rows is the end-to-end test's.

#include "ui/wmbus/AnalysePage.h"
#include "ui/wmbus/HexMonitor.h"
#include "ui/wmbus/ReplayControl.h"
#include "ui/wmbus/TFormWMBUSRadioCraft.h"
#include "ui/wmbus/TelegramLogControl.h"
#include "ui/wmbus/table/DatenPage.h"
#include "ui/wmbus/table/ResultTableModel.h"

#include "RecordingPort.h"
#include "Telegrams.h"
#include "TempDataRoot.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

using namespace kvq;
using test::LinkFields;

namespace {

const char kRoute[] = "[SETUP]\r\nRFMODE=T\r\n[ROUTE]\r\nNAME=R\r\nHAUSER=1\r\n"
                      "[HAUS1]\r\nNAME=Haus1\r\nANZETAGEN=1\r\nANZS=2\r\n[HAUS1_E1]\r\nNAME=Etage1\r\n"
                      "[HAUS1_S1]\r\nRADIOID=12345678\r\nMEDIUM=7\r\nMANCODE=CEN\r\nETAGE=Etage1\r\n"
                      "[HAUS1_S2]\r\nRADIOID=12345679\r\nMEDIUM=7\r\nMANCODE=CEN\r\nETAGE=Etage1\r\n";

QString hexText(const std::vector<std::uint8_t>& bytes) {
    QString s;
    for (std::uint8_t b : bytes)
        s += QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
    return s;
}

// Telegram i of a drive: two route devices and a stranger in turn, each with its own access number.
std::vector<std::uint8_t> driveFrame(int i) {
    LinkFields f;
    f.id[0] = static_cast<std::uint8_t>(0x78 + i % 3); // 12345678, 12345679, 1234567A (stranger)
    f.rest[0] = static_cast<std::uint8_t>(i);
    return test::radioCraftFrame(f);
}

struct Rig {
    test::TempDataRoot& root;
    test::FakeToolHost host;
    test::RecordingPort port;
    std::unique_ptr<TFormWMBUSRadioCraft> w;

    explicit Rig(test::TempDataRoot& r) : root(r) {
        host.settingsValue.Tmode = host.settingsValue.Smode = host.settingsValue.Cmode = false;
        const QString path = root.path() + QStringLiteral("/r.ROUTE");
        if (!QFile::exists(path)) {
            QFile f(path);
            f.open(QIODevice::WriteOnly);
            f.write(kRoute);
        }
        host.settingsValue.AutoLoad = true;
        host.settingsValue.Geraeteliste = path;
        w = std::make_unique<TFormWMBUSRadioCraft>(host);
        w->setReceiverPort(&port);
        w->afterOpen();
        w->resize(900, 640);
        w->show();
    }
    AnalysePage* page() { return w->analysePage(); }
    HexMonitor* monitor() { return page()->RichEdit1; }
    ReplayControl* replay() { return w->replayControl(); }
    void feed(const std::vector<std::uint8_t>& bytes) {
        w->receiveChunk(bytes.data(), static_cast<std::uint16_t>(bytes.size()), 0.0);
    }
    // Switches the log on into the given file name (below the log folder).
    void logInto(const QString& name) {
        host.ui.texts.push_back(TelegramLogControl::folder() + QLatin1Char('/') + name);
        page()->sBitBtnLOGProt->click();
    }
    QStringList table() {
        ResultTableModel* m = w->datenPage()->model();
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
    QString cell(int row, int column) {
        w->datenPage()->model()->flush();
        return w->datenPage()->model()->index(row, column).data().toString();
    }
    void load(const QString& path) {
        QVERIFY(replay()->start(path));
        QTRY_VERIFY_WITH_TIMEOUT(!replay()->running(), 20000);
    }
};

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString writeFile(const QString& path, const QByteArray& content) {
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(content);
    return path;
}

} // namespace

class TestRecorderReplay : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void monitorBatchKeepsOrderAndLastScreen();
    void logSwitchAsksForItsFile();
    void logTakesDroppedLinesAndTheLastScreen();
    void logWriteFailureIsToldOnce();
    void timedLineKeepsItsTimeAndCountsWhatItSkips();
    void menuClosesThePortBeforeChoosing();
    void stopHoldsAndCancelKeepsWhatWasLoaded();
    void closingDuringALoadStopsIt();
};

// Loading keeps the monitor's lines aside while a slice runs: the lines that leave, and the screen
// that stays, must be those that line by line would give.
void TestRecorderReplay::monitorBatchKeepsOrderAndLastScreen() {
    HexMonitor plain, batched;
    for (HexMonitor* m : {&plain, &batched})
        m->resize(300, 5 * HexMonitor::kLineHeight);
    QStringList droppedPlain, droppedBatched;
    connect(&plain, &HexMonitor::lineDropped, this, [&](const QString& t) { droppedPlain << t; });
    connect(&batched, &HexMonitor::lineDropped, this, [&](const QString& t) { droppedBatched << t; });
    const std::vector<QColor> colours{Qt::red, QColor(232, 94, 17)};
    int n = 0;
    auto add = [&](HexMonitor& m, int count) {
        for (int i = 0; i < count; ++i) {
            const std::vector<std::uint8_t> line{0x68, std::uint8_t(n++), 0x16};
            m.appendLine(line, colours);
        }
    };
    add(plain, 3);
    n = 0;
    add(batched, 3);
    const int start = n;
    for (int count : {2, 9}) { // a batch within the screen, one far beyond it
        n = start;
        add(plain, count);
        n = start;
        batched.beginBatch();
        add(batched, count);
        batched.endBatch();
        QCOMPARE(droppedBatched, droppedPlain);
        QCOMPARE(batched.lineCount(), plain.lineCount());
        for (int l = 0; l < plain.lineCount(); ++l)
            QCOMPARE(batched.lineText(l), plain.lineText(l));
        QCOMPARE(batched.byteColour(plain.lineCount() - 1, 1), QColor(232, 94, 17));
        QCOMPARE(batched.byteColour(plain.lineCount() - 1, 2), QColor(Qt::white));
    }
}

void TestRecorderReplay::logSwitchAsksForItsFile() {
    test::TempDataRoot root;
    Rig r(root);
    QPushButton* sw = r.page()->sBitBtnLOGProt;
    QVERIFY(sw->isVisible());
    QCOMPARE(sw->text(), QStringLiteral("LOG Protokolle in Datei"));

    r.host.ui.texts.push_back(std::nullopt); // cancelled
    sw->click();
    QVERIFY(!sw->isChecked());
    QVERIFY(!r.w->telegramLog()->logging());
    QCOMPARE(r.host.ui.shown.back().kind, QStringLiteral("save"));
    QCOMPARE(r.host.ui.shown.back().text, QDir(root.path()).filePath(QStringLiteral("QUELMAR/WMBUSLOG")));
    QVERIFY(QDir(r.host.ui.shown.back().text).exists());

    r.logInto(QStringLiteral("fahrt"));
    QVERIFY(sw->isChecked());
    QCOMPARE(r.w->telegramLog()->path(), TelegramLogControl::folder() + QStringLiteral("/fahrt.TXT"));
    r.logInto(QStringLiteral("x")); // a second click switches off without asking
    QVERIFY(!sw->isChecked());
    QCOMPARE(r.host.ui.texts.size(), std::size_t(1));
}

void TestRecorderReplay::logTakesDroppedLinesAndTheLastScreen() {
    test::TempDataRoot root;
    Rig r(root);
    const int screen = r.monitor()->maxLines();
    QVERIFY(screen > 2);
    r.logInto(QStringLiteral("A.TXT"));
    const QString path = r.w->telegramLog()->path();

    // Less than a screen: nothing is written until the log is switched off, then all of it.
    for (int i = 0; i < screen - 1; ++i)
        r.feed(driveFrame(i));
    QCOMPARE(readFile(path), QByteArray());
    r.page()->sBitBtnLOGProt->click();
    QList<QByteArray> lines = readFile(path).split('\n');
    QCOMPARE(lines.size(), screen); // screen - 1 lines and the empty rest after the last line end
    QCOMPARE(lines.front(), r.monitor()->lineText(0).toLatin1() + "\r");

    // Logged once: a new log does not take those lines again when they leave the monitor, nor the
    // lines that leave while reception is stopped.
    r.logInto(QStringLiteral("B.TXT"));
    const QString second = r.w->telegramLog()->path();
    for (int i = 0; i < screen; ++i)
        r.feed(driveFrame(100 + i)); // pushes out every line already logged
    QCOMPARE(readFile(second), QByteArray());
    r.page()->sBitBtnStop->click();
    r.monitor()->resize(r.monitor()->width(), r.monitor()->height() - 3 * HexMonitor::kLineHeight);
    r.monitor()->trim();
    r.page()->sBitBtnStop->click();
    QCOMPARE(readFile(second), QByteArray());
    const int left = r.monitor()->lineCount();
    QCOMPARE(left, screen - 3);
    const QString newest = r.monitor()->lineText(left - 1);

    // Closing the window writes what is still on the monitor.
    r.host.ui.answers = {false}; // do not save the table
    QVERIFY(r.w->close());
    const QByteArray written = readFile(second);
    QCOMPARE(written.count('\n'), left);
    QVERIFY(written.endsWith(newest.toLatin1() + "\r\n"));
    QVERIFY(!r.page()->sBitBtnLOGProt->isChecked());
}

void TestRecorderReplay::logWriteFailureIsToldOnce() {
    test::TempDataRoot root;
    Rig r(root);
    r.logInto(QStringLiteral("gone/deeper/X.TXT")); // a folder that does not exist
    QVERIFY(r.page()->sBitBtnLOGProt->isChecked());
    QVERIFY(r.host.status[4].startsWith(QStringLiteral("LOG-Datei kann nicht geschrieben werden")));
    r.host.status[4].clear();
    for (int i = 0; i < 2 * r.monitor()->maxLines(); ++i)
        r.feed(driveFrame(i));
    r.page()->sBitBtnLOGProt->click();
    QCOMPARE(r.host.status[4], QString());
    QVERIFY(r.host.ui.messages().isEmpty());
}

void TestRecorderReplay::timedLineKeepsItsTimeAndCountsWhatItSkips() {
    test::TempDataRoot root;
    Rig r(root);
    const QString frame = hexText(test::radioCraftFrame(LinkFields{}));
    const QString path =
        writeFile(root.path() + QStringLiteral("/m.DAT"),
                  ("01.02.2020 10:20:30;" + frame + "\r\nZZ\r\n" + frame + "\r\n").toLatin1());
    r.load(path);
    QCOMPARE(r.table().size(), 2);
    QCOMPARE(r.cell(0, wmbus::AllColumns::RTime), QStringLiteral("01.02.2020 10:20:30"));
    QCOMPARE(r.cell(1, wmbus::AllColumns::RTime), QStringLiteral("15.03.2026 10:30:00")); // "now"
    QCOMPARE(r.replay()->ProgressBarReplay->maximum(), 3);
    QCOMPARE(r.replay()->ProgressBarReplay->value(), 3);
    QVERIFY(r.replay()->LabelReplay->text().contains(QStringLiteral("1 fehlerhafte")));
    QVERIFY(r.replay()->isVisible());
    QVERIFY(!r.replay()->ButtonReplayAbbrechen->isVisible());

    QVERIFY(!r.replay()->start(root.path() + QStringLiteral("/missing.DAT")));
    QVERIFY(r.host.ui.messages().isEmpty());
}

void TestRecorderReplay::menuClosesThePortBeforeChoosing() {
    test::TempDataRoot root;
    Rig r(root);
    QMenu* daten = r.w->datenMenu();
    QVERIFY(daten->actions().contains(r.replay()->LadeRxDatenMobileApp));
    QVERIFY(daten->actions().contains(r.replay()->LadeRxDatenGateway));

    r.port.closes = false;
    r.host.ui.clear();
    r.replay()->LadeRxDatenGateway->trigger();
    QCOMPARE(r.host.ui.lastMessage(), QStringLiteral("Fehler beim Trennen der Schnittstelle!"));
    QCOMPARE(r.host.ui.shown.size(), std::size_t(1)); // no file dialog

    r.port.closes = true;
    QDir().mkpath(ReplayControl::folder());
    const QString path =
        writeFile(ReplayControl::folder() + QStringLiteral("/drive.DAT"), hexText(driveFrame(0)).toLatin1());
    r.host.ui.texts.push_back(ReplayControl::folder() + QStringLiteral("/drive")); // extension added
    r.replay()->LadeRxDatenMobileApp->trigger();
    QCOMPARE(r.port.closeCalls, 2);
    QCOMPARE(r.host.ui.shown.back().kind, QStringLiteral("open"));
    QCOMPARE(r.host.ui.shown.back().text, QDir(root.path()).filePath(QStringLiteral("QUELMAR/Routes")));
    QVERIFY(r.replay()->running());
    QVERIFY(!r.replay()->LadeRxDatenMobileApp->isEnabled());
    QTRY_VERIFY(!r.replay()->running());
    QVERIFY(r.replay()->LadeRxDatenMobileApp->isEnabled());
    QCOMPARE(r.table().size(), 1);
    QVERIFY(QFile::exists(path));
}

void TestRecorderReplay::stopHoldsAndCancelKeepsWhatWasLoaded() {
    test::TempDataRoot root;
    Rig r(root);
    QByteArray content;
    for (int i = 0; i < 50000; ++i)
        content += hexText(driveFrame(0)).toLatin1() + "\n";
    const QString path = writeFile(root.path() + QStringLiteral("/big.DAT"), content);

    // "STOP Daten vom Empfänger" holds the load; nothing is read while it is on.
    r.page()->sBitBtnStop->click();
    QVERIFY(r.replay()->start(path));
    r.replay()->slice();
    QCOMPARE(r.replay()->session().linesRead(), 0);
    r.page()->sBitBtnStop->click();
    r.replay()->slice();
    const int after = r.replay()->session().linesRead();
    QVERIFY(after > 0);
    QCOMPARE(r.table().size(), after);

    r.replay()->ButtonReplayAbbrechen->click();
    QVERIFY(!r.replay()->running());
    QCOMPARE(r.table().size(), after);
    QVERIFY(r.replay()->LabelReplay->text().startsWith(QStringLiteral("Abgebrochen")));
    QCoreApplication::processEvents();
    QCOMPARE(r.table().size(), after);
}

void TestRecorderReplay::closingDuringALoadStopsIt() {
    test::TempDataRoot root;
    Rig r(root);
    QByteArray content;
    for (int i = 0; i < 50000; ++i)
        content += hexText(driveFrame(i)).toLatin1() + "\n";
    const QString path = writeFile(root.path() + QStringLiteral("/big.DAT"), content);
    r.logInto(QStringLiteral("C.TXT"));
    QVERIFY(r.replay()->start(path));
    r.replay()->slice();
    r.host.ui.answers = {false}; // do not save the table
    QVERIFY(r.w->close());
    QVERIFY(!r.replay()->running());
    r.w.reset();
    QCoreApplication::processEvents(); // no slice is left to run on a window that is gone
    QVERIFY(!readFile(root.path() + QStringLiteral("/QUELMAR/WMBUSLOG/C.TXT")).isEmpty());
}

QTEST_MAIN(TestRecorderReplay)
#include "tst_recorderreplay.moc"
