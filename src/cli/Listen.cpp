#include "cli/Listen.h"

#include "cli/WmbusCli.h"
#include "core/wmbus/receiver/SequenceRunner.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QSerialPort>
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

std::string openFailure(const QSerialPort& port, const QString& path) {
    if (port.error() == QSerialPort::PermissionError) {
        const QFileInfo info(path);
        if (info.exists() && !info.isWritable())
            return "no permission for " + path.toStdString() + " (join the group dialout and log in again)";
        return path.toStdString() + " is in use by another program";
    }
    if (port.error() == QSerialPort::DeviceNotFoundError)
        return path.toStdString() + ": no such device";
    return path.toStdString() + ": " + port.errorString().toStdString();
}

} // namespace

int listen(const ListenOptions& o, wmbus::TelegramDecoder& decoder, TelegramPrinter& printer,
           std::ostream& err) {
    QSerialPort port;
    port.setPortName(o.port);
    port.setBaudRate(19200);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    if (!port.open(QIODevice::ReadWrite)) {
        err << "listen: " << openFailure(port, o.port) << '\n';
        return kExitInput;
    }

    gInterrupted = false;
    auto oldInt = std::signal(SIGINT, onInterrupt);
    auto oldTerm = std::signal(SIGTERM, onInterrupt);

    QEventLoop loop;
    int rc = kExitOk;
    wmbus::TelegramFramer framer(o.framing);
    wmbus::TelegramResult result;
    wmbus::TelegramBuffer buffer;
    int index = 0;

    QObject::connect(&port, &QSerialPort::readyRead, &loop, [&] {
        const QByteArray chunk = port.readAll();
        framer.receive(
            std::span(reinterpret_cast<const std::uint8_t*>(chunk.constData()), std::size_t(chunk.size())),
            [&](const wmbus::ReceivedFrame& f) {
                if (buffer.assign(f.telegram) && decoder.decode(buffer, result))
                    printer.print(++index, result);
            });
        std::fflush(nullptr);
    });
    // A vanished device reports its error over and over: end at the first one.
    QObject::connect(&port, &QSerialPort::errorOccurred, &loop, [&](QSerialPort::SerialPortError e) {
        if (e == QSerialPort::ReadError || e == QSerialPort::ResourceError || e == QSerialPort::WriteError) {
            if (rc == kExitOk)
                err << "listen: device disconnected\n";
            rc = kExitInput;
            port.close();
            loop.quit();
        }
    });

    wmbus::receiver::SequenceRunner runner;
    runner.start(sequenceFor(o.mode));
    QTimer pause;
    pause.setSingleShot(true);
    pause.setInterval(o.pauseMs);
    auto step = [&] {
        if (!port.isOpen())
            return;
        const auto s = runner.run([&](std::uint8_t b) {
            const char c = static_cast<char>(b);
            port.write(&c, 1);
        });
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
    if (port.isOpen())
        port.close();
    return rc;
}

} // namespace kvq::cli
