// The firmware window's wiring: buttons, byte hook, file checks, finishing texts and closing during a
// transfer. The bootloader is played by a line that answers like an XMODEM receiver; the protocol
// itself is tested in core, the road over a real port end to end.

#include "FakeToolHost.h"
#include "ui/firmware/TFormBootLoader.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace kvq;
using namespace kvq::test;

namespace {

// Answers 'u' with 'C', a complete packet with ACK (or with nothing when mute), EOT with ACK, 'c' with a
// text. Answers come later through the event loop, as the link delivers them.
class AnsweringLine final : public BootLoaderLine {
public:
    TFormBootLoader* window = nullptr;
    QByteArray sent;
    bool open = true;
    bool muteAfterStart = false;
    int packets = 0;

    bool isOpen() const override { return open; }
    void send(std::uint8_t b) override {
        sent.append(char(b));
        pending_.append(char(b));
        if (pending_.startsWith(char(0x01))) {
            if (pending_.size() == 133) {
                pending_.clear();
                ++packets;
                if (!muteAfterStart)
                    answer("\x06");
            }
            return;
        }
        const char c = pending_.at(0);
        pending_.clear();
        if (c == 'u')
            answer("C");
        else if (c == 0x04)
            answer("\x06");
        else if (c == 'c')
            answer("CRC 1234\r\n");
    }

private:
    void answer(const QByteArray& bytes) {
        QTimer::singleShot(0, window, [w = window, bytes] {
            for (char c : bytes)
                w->OnByte(std::uint8_t(c));
        });
    }
    QByteArray pending_;
};

QByteArray randomBytes(int n) {
    QByteArray b(n, 0);
    for (int i = 0; i < n; ++i)
        b[i] = char((i * 131 + 7) ^ (i >> 3));
    return b;
}

} // namespace

class TestBootLoaderWindow : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<FakeToolHost> host;
    std::unique_ptr<AnsweringLine> line;
    std::unique_ptr<TFormBootLoader> window;

    QString writeFile(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }
    template <typename T> T* child(const char* name) {
        T* w = window->findChild<T*>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QString status() {
        return child<QLabel>("LabelStatus")->isVisible() ? child<QLabel>("LabelStatus")->text() : QString();
    }
    void click(const char* name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }

private Q_SLOTS:
    void init() {
        host = std::make_unique<FakeToolHost>();
        line = std::make_unique<AnsweringLine>();
        window = std::make_unique<TFormBootLoader>(*host, *line);
        line->window = window.get();
        window->show();
    }
    void cleanup() {
        window.reset();
        line.reset();
        host.reset();
    }

    void commandsShowTheAnswer() {
        auto* memo = child<QPlainTextEdit>("MemoRxBL");
        memo->setPlainText(QStringLiteral("old"));
        click("ButtonCRC");
        QTRY_COMPARE(memo->toPlainText(), QStringLiteral("CRC 1234\n"));
        click("ButtonBOOT");
        QCOMPARE(memo->toPlainText(), QString());
        click("ButtonSTART");
        QCOMPARE(line->sent, QByteArray("crb"));
    }

    void flashTwiceWithTheRememberedFile() {
        const QByteArray image = randomBytes(300);
        const QString path = writeFile(QStringLiteral("app.bin"), image);
        host->ui.texts.push_back(path);
        for (int round = 0; round < 2; ++round) {
            line->sent.clear();
            click("Button1");
            QVERIFY(window->busy());
            QVERIFY(!child<QPushButton>("ButtonCRC")->isEnabled());
            QTRY_VERIFY_WITH_TIMEOUT(!window->busy(), 10000);
            QCOMPARE(status(), QStringLiteral("Application successfully transmitted"));
            QCOMPARE(child<QPlainTextEdit>("MemoRxBL")->toPlainText(),
                     QStringLiteral("Please wait a few seconds to start up the application!"));
            QCOMPARE(window->windowTitle(), QStringLiteral("Firmware  Datei:") + path);
            QCOMPARE(child<QLabel>("LabelFilename")->text(), path);
            QCOMPARE(child<QLabel>("LabelFilesize")->text(), QStringLiteral("300"));
            // 'u', three packets, EOT; every byte of the transfer counted.
            QCOMPARE(line->sent.size(), 1 + 3 * 133 + 1);
            QCOMPARE(line->sent.at(0), 'u');
            QCOMPARE(line->sent.mid(4, 128), image.left(128));
            QCOMPARE(child<QLabel>("LabelTXByte")->text(), QString::number(3 * 133 + 1));
            QVERIFY(!child<QProgressBar>("GaugeProgress")->isVisible());
            QVERIFY(child<QPushButton>("ButtonCRC")->isEnabled());
        }
        QCOMPARE(int(host->ui.shown.size()), 1); // the chooser opened once
    }

    void filesThatCannotBeSentAreRefusedBeforeAnythingGoesOut() {
        const QString big = writeFile(QStringLiteral("big.bin"), randomBytes(64 * 1024 + 1));
        host->ui.texts = {big, dir.filePath(QStringLiteral("gone.bin")), std::nullopt};
        click("Button1");
        QVERIFY(host->ui.lastMessage().contains(QStringLiteral("zu groß")));
        click("Button1");
        QVERIFY(host->ui.lastMessage().contains(QStringLiteral("gone.bin")));
        click("Button1"); // cancelled chooser
        QCOMPARE(line->sent, QByteArray());
        QVERIFY(!window->busy());
        QCOMPARE(host->ui.messages().size(), 2);
    }

    void closingDuringATransferStopsItWithCan() {
        line->muteAfterStart = true; // no ACK: the sender keeps waiting and repeating
        host->ui.texts.push_back(writeFile(QStringLiteral("app.bin"), randomBytes(1000)));
        click("Button1");
        QTRY_VERIFY(line->packets >= 1);
        QElapsedTimer t;
        t.start();
        window->reject();
        QVERIFY(t.elapsed() < 1000);
        QVERIFY(!window->busy());
        QVERIFY(line->sent.endsWith(QByteArray(3, char(0x18))));
        const qsizetype sentAtClose = line->sent.size();
        QTest::qWait(300);
        QCOMPARE(line->sent.size(), sentAtClose); // nothing left in flight goes out after the CAN
    }

    void noOpenPortEndsAsFailed() {
        line->open = false;
        host->ui.texts.push_back(writeFile(QStringLiteral("app.bin"), randomBytes(200)));
        click("Button1");
        QTRY_VERIFY(!window->busy());
        QCOMPARE(status(), QStringLiteral("Flash transmit error"));
        QCOMPARE(child<QPlainTextEdit>("MemoRxBL")->toPlainText(), QString());
    }
};

QTEST_MAIN(TestBootLoaderWindow)
#include "tst_bootloader_window.moc"
