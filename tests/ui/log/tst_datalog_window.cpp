// The log window as a readout window drives it: the day's file and the table stay in step, a file that
// cannot be written loses no reading, and only the owner closes the window.

#include "core/log/DayLog.h"
#include "ui/log/TFormDataLog.h"

#include "FakeClock.h"
#include "ScriptedUserInteraction.h"
#include "TempDataRoot.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTableView>
#include <QtTest>

using namespace kvq;

namespace {

const QStringList kHeader{"SNR", "RTIME", "ZS"};

QStringList fileLines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(f.readAll())
        .split(QRegularExpression(QStringLiteral("\r?\n")), Qt::SkipEmptyParts);
}

struct Fixture {
    test::TempDataRoot root;
    test::ScriptedUserInteraction ui;
    test::FakeClock clock{QDateTime(QDate(2026, 12, 7), QTime(9, 0))};

    TFormDataLog* open(const QString& name = QStringLiteral("flowcount")) {
        auto* w = new TFormDataLog(ui, clock);
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->setHeaderNames(kHeader);
        w->OpenLog(name);
        return w;
    }
};

} // namespace

class TestDataLogWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tableAndFileStayInStep() {
        Fixture f;
        QPointer<TFormDataLog> w = f.open();
        const QString path =
            QDir(f.root.path()).filePath(QStringLiteral("QUELMAR/Logs/07_12_2026_flowcount.csv"));
        QCOMPARE(QDir::fromNativeSeparators(w->LogPath()), path);
        QCOMPARE(w->windowTitle(), w->LogPath());
        QVERIFY(w->isVisible());
        w->AppendRecord({"00001234", "07.12.2026", "12;5"});
        QCOMPARE(w->findChild<QTableView*>(QStringLiteral("StringGrid1"))->model()->rowCount(), 1);
        QCOMPARE(fileLines(path), (QStringList{"SNR;RTIME;ZS", "00001234;07.12.2026;\"12;5\""}));

        // The user's close only puts the log aside; the owner's close ends it.
        QVERIFY(!w->close());
        QCoreApplication::processEvents();
        QVERIFY(w);
        w->closeByOwner();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!w);

        // The same log opened again that day continues the file and shows it; another heading is told.
        QPointer<TFormDataLog> again = f.open();
        QCOMPARE(again->model().rowCount(), 1);
        QCOMPARE(again->model().data(again->model().index(0, 2)).toString(), QStringLiteral("12;5"));
        QVERIFY(f.ui.messages().isEmpty());
        again->closeByOwner();
        QFile::remove(path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("SNR;ZEIT;ZS\r\n");
        file.close();
        QPointer<TFormDataLog> other = f.open();
        QCOMPARE(f.ui.messages(), QStringList{QStringLiteral("Die Tabellenspalten stimmen nicht überein!")});
        other->closeByOwner();
    }

    void aReadingThatCannotBeWrittenWaitsInTheTable() {
        Fixture f;
        QPointer<TFormDataLog> w = f.open(QStringLiteral("heatcount"));
        const QString path = QDir::fromNativeSeparators(w->LogPath());
        const QStringList heading = fileLines(path);
        // A folder in the file's place: nothing can be appended, not even by an administrator.
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path));
        QAction* saveAgain = w->findChild<QAction*>(QStringLiteral("ActionErneutSpeichern"));
        QVERIFY(!saveAgain->isEnabled());

        w->AppendRecord({"1", "a", "x"});
        w->AppendRecord({"2", "b", "y"});
        QCOMPARE(f.ui.messages().size(), 1); // once, not at every reading
        QVERIFY(f.ui.lastMessage().contains(QStringLiteral("Erneut speichern")));
        QCOMPARE(w->model().rowCount(), 2);
        QVERIFY(w->model().data(w->model().index(1, 0), Qt::BackgroundRole).isValid());
        QVERIFY(saveAgain->isEnabled());

        // Asked to save while the file is still blocked, the window answers.
        saveAgain->trigger();
        QCOMPARE(f.ui.messages().size(), 2);

        QVERIFY(QDir().rmdir(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write((heading.first() + QStringLiteral("\r\n")).toLatin1());
        file.close();
        saveAgain->trigger();
        QCOMPARE(fileLines(path), (QStringList{heading.first(), "1;a;x", "2;b;y"}));
        QVERIFY(!w->model().data(w->model().index(1, 0), Qt::BackgroundRole).isValid());
        QVERIFY(!saveAgain->isEnabled());
        QCOMPARE(f.ui.messages().size(), 2);
        w->closeByOwner();
    }
};

QTEST_MAIN(TestDataLogWindow)
#include "tst_datalog_window.moc"
