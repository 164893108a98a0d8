#include "cli/Listen.h"

#include "cli/WmbusCli.h"
#include "core/link/PortSettings.h"
#include "core/wmbus/receiver/SequenceRunner.h"
#include "link/SerialPort.h"

#include <QEventLoop>
#include <QTimer>
#include <atomic>
#include <csignal>
#include <ostream>

namespace kvq::cli {

namespace {

std::atomic<bool> gInterrupted{false};

extern "C" void onInterrupt(int) {
    gInterrupted = true;
}

wmbus::receiver::ReceiverSequence sequenceFor(const QString& mode) {
    if (mode == QLatin1String("C"))
        return wmbus::receiver::ReceiverSequence::ModeC;
    if (mode == QLatin1String("S"))
        return wmbus::receiver::ReceiverSequence::ModeS;
    return wmbus::receiver::ReceiverSequence::ModeTC;
}

} // namespace

int listen(const ListenOptions& o, wmbus::TelegramDecoder& decoder, TelegramPrinter& printer,
           std::ostream& err) {
    // The receiver's line: 19200 baud, 8 data bits, no parity, one stop bit, no handshake.
    LineSettings line;
    line.baudRate = 19200;
    auto opened = SerialPort::open(o.port, line, 8192, 4096);
    if (!opened) {
        err << "listen: " << opened.message().toStdString() << '\n';
        return kExitInput;
    }
    std::unique_ptr<SerialPort> port = std::move(opened).value();

    gInterrupted = false;
    auto oldInt = std::signal(SIGINT, onInterrupt);
    auto oldTerm = std::signal(SIGTERM, onInterrupt);

    QEventLoop loop;
    int rc = kExitOk;
    wmbus::TelegramFramer framer(o.framing);
    wmbus::TelegramResult result;
    wmbus::TelegramBuffer buffer;
    int index = 0;

    QObject::connect(port.get(), &SerialPort::readyRead, &loop, [&] {
        std::uint8_t chunk[4096];
        for (qint64 n; (n = port->read(chunk, sizeof chunk)) > 0;)
            framer.receive(std::span<const std::uint8_t>(chunk, std::size_t(n)),
                           [&](const wmbus::ReceivedFrame& f) {
                               if (buffer.assign(f.telegram) && decoder.decode(buffer, result))
                                   printer.print(++index, result);
                           });
        std::fflush(nullptr);
    });
    // The port layer closes a vanished device at once and says so once.
    QObject::connect(port.get(), &SerialPort::failed, &loop, [&](const QString& reason) {
        err << "listen: device disconnected: " << reason.toStdString() << '\n';
        rc = kExitInput;
        loop.quit();
    });

    wmbus::receiver::SequenceRunner runner;
    runner.start(sequenceFor(o.mode));
    QTimer pause;
    pause.setSingleShot(true);
    pause.setInterval(o.pauseMs);
    auto step = [&] {
        if (!port->isOpen())
            return;
        const auto s = runner.run([&](std::uint8_t b) { port->write(QByteArray(1, static_cast<char>(b))); });
        if (s == wmbus::receiver::SequenceRunner::Step::Paused)
            pause.start();
        else
            err << "listen: receiver set to mode " << o.mode.toStdString() << '\n';
    };
    QObject::connect(&pause, &QTimer::timeout, &loop, step);
    QTimer::singleShot(0, &loop, step);

    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &loop, [&] {
        if (gInterrupted)
            loop.quit();
    });
    watch.start(100);
    if (o.seconds > 0)
        QTimer::singleShot(o.seconds * 1000, &loop, [&] { loop.quit(); });

    loop.exec();
    std::signal(SIGINT, oldInt);
    std::signal(SIGTERM, oldTerm);
    port->close();
    return rc;
}

} // namespace kvq::cli
