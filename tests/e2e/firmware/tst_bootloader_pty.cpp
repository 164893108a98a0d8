// Firmware upload end to end: the firmware window, the link and the simulated bootloader on a real
// pseudo-terminal, paced at 2400 baud. KVQ_FIRMWARE_IMAGE_SIZE sets the image size (64 KiB by hand:
// about five minutes).

#include "../../link/support/LinkTestSupport.h"

#include "BootLoaderSim.h"
#include "FakeToolHost.h"
#include "core/firmware/XmodemSender.h"
#include "ui/firmware/TFormBootLoader.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using namespace kvq;
using namespace kvq::test;
using namespace kvq::devsim;

namespace {
int imageSize() {
    const int size = qEnvironmentVariableIntValue("KVQ_FIRMWARE_IMAGE_SIZE");
    return size > 0 ? size : 1100; // nine packets, the last one short
}
// Generous: a packet and its answer take about 0.6 s on the wire, a repeat up to 1.1 s more.
int transferTimeoutMs(int size) {
    return (size / 128 + 1) * 2000 + 20000;
}
} // namespace

class TestBootLoaderPty : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<SimulatedBootLoader> loader;
    std::unique_ptr<FakeToolHost> host;
    std::unique_ptr<LinkController> link;
    TestDeviceWindow moduleWindow; // the water-meter module window that opened the firmware window
    std::unique_ptr<TFormBootLoader> window;
    QByteArray image;

    void start(const std::function<void(SimulatedBootLoader&)>& setup) {
        loader = std::make_unique<SimulatedBootLoader>();
        setup(*loader);
        QVERIFY(loader->start());
        host = std::make_unique<FakeToolHost>();
        link = std::make_unique<LinkController>(host->ui);
        link->portMap().setPath(3, loader->path(), true);
        link->settings.SIO1Port = 3;
        link->OpenInterface();
        QVERIFY(link->SIO1Open());
        host->linkValue = link.get();
        window = std::make_unique<TFormBootLoader>(*host);
        moduleWindow.bootloader = window.get();
        makeCurrent(*link, &moduleWindow);
        window->show();

        image.resize(imageSize());
        QRandomGenerator rng(42);
        for (char& c : image)
            c = char(rng.generate());
        const QString path = dir.filePath(QStringLiteral("app.bin"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(image);
        f.close();
        host->ui.texts.push_back(path);
    }
    template <typename T> T* child(const char* name) { return window->findChild<T*>(QLatin1String(name)); }
    QString status() {
        auto* l = child<QLabel>("LabelStatus");
        return l->isVisible() ? l->text() : QString();
    }
    // What the module holds after a complete upload: the image, then 1A and zeros to the block's end.
    QByteArray expectedApplication() const {
        QByteArray a = image;
        a.append(char(0x1A));
        a.append(QByteArray((128 - a.size() % 128) % 128, 0));
        return a;
    }

private Q_SLOTS:
    void cleanup() {
        moduleWindow.bootloader = nullptr;
        window.reset();
        if (link)
            link->CloseInterface();
        link.reset();
        host.reset();
        loader.reset();
    }

    void imageArrivesByteForByte_data() {
        QTest::addColumn<bool>("crc");
        QTest::addColumn<int>("corruptEvery");
        QTest::addColumn<int>("dropAckEvery");
        QTest::newRow("crc") << true << 0 << 0;
        QTest::newRow("sum, every 7th packet damaged") << false << 7 << 0;
        QTest::newRow("crc, every 5th ACK lost") << true << 0 << 5;
    }
    void imageArrivesByteForByte() {
        QFETCH(bool, crc);
        QFETCH(int, corruptEvery);
        QFETCH(int, dropAckEvery);
        start([&](SimulatedBootLoader& l) {
            l.crcMode = crc;
            l.faults.corruptEvery = corruptEvery;
            l.faults.dropAckEvery = dropAckEvery;
        });
        QElapsedTimer t;
        t.start();
        QTest::mouseClick(child<QPushButton>("Button1"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!window->busy(), transferTimeoutMs(image.size()));
        qInfo("%lld bytes in %.1f s", qlonglong(image.size()), t.elapsed() / 1000.0);
        QCOMPARE(status(), QStringLiteral("Application successfully transmitted"));
        QCOMPARE(loader->lineState()->baudRate, 2400);
        const QByteArray received = loader->application();
        QCOMPARE(received.size(), expectedApplication().size());
        QVERIFY(received == expectedApplication());
        if (corruptEvery)
            QVERIFY(loader->stats().packetsBad >= 1);
        if (dropAckEvery)
            QVERIFY(loader->stats().duplicates >= 1);

        // Outside the transfer the bootloader's text reaches the window.
        QTest::mouseClick(child<QPushButton>("ButtonCRC"), Qt::LeftButton);
        const std::uint16_t crcOfApp = firmware::crc16Xmodem(std::span(
            reinterpret_cast<const std::uint8_t*>(received.constData()), std::size_t(received.size())));
        const QString expected = QStringLiteral("CRC %1\n").arg(crcOfApp, 4, 16, QLatin1Char('0')).toUpper();
        QTRY_COMPARE_WITH_TIMEOUT(child<QPlainTextEdit>("MemoRxBL")->toPlainText(), expected, 5000);
    }

    void hangUpMidTransferFailsAndLeavesTheWindowUsable() {
        start([](SimulatedBootLoader& l) { l.faults.hangUpAfter = 3; });
        QTest::mouseClick(child<QPushButton>("Button1"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!window->busy(), 20000);
        QCOMPARE(status(), QStringLiteral("Flash transmit error"));
        QVERIFY(child<QPushButton>("Button1")->isEnabled());
        // A second attempt on the dead port ends at once with the same report.
        QTest::mouseClick(child<QPushButton>("Button1"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!window->busy(), 3000);
        QCOMPARE(status(), QStringLiteral("Flash transmit error"));
    }

    void closingMidTransferSendsCan() {
        start([](SimulatedBootLoader&) {});
        QTest::mouseClick(child<QPushButton>("Button1"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(loader->stats().packetsGood >= 2, 10000);
        QElapsedTimer t;
        t.start();
        window->reject();
        QVERIFY(t.elapsed() < 1000);
        QVERIFY(!window->busy());
        QTRY_VERIFY_WITH_TIMEOUT(loader->received().endsWith(QByteArray(3, char(0x18))), 3000);
    }
};

QTEST_MAIN(TestBootLoaderPty)
#include "tst_bootloader_pty.moc"
