#include "link/SerialPort.h"

#include <QCoreApplication>

#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QSerialPort>
#include <QThread>

#ifndef Q_OS_WIN
#include <cerrno>
#include <unistd.h>
#endif

namespace kvq {

Q_LOGGING_CATEGORY(lcLink, "kvq.link", QtWarningMsg)

namespace {

QSerialPort::Parity toQt(ParityCode p) {
    switch (p) {
    case ParityCode::Odd:
        return QSerialPort::OddParity;
    case ParityCode::Even:
        return QSerialPort::EvenParity;
    case ParityCode::Mark:
        return QSerialPort::MarkParity;
    case ParityCode::Space:
        return QSerialPort::SpaceParity;
    case ParityCode::None:
        break;
    }
    return QSerialPort::NoParity;
}

QSerialPort::StopBits toQt(StopBitsCode s) {
    switch (s) {
    case StopBitsCode::OneAndHalf:
        return QSerialPort::OneAndHalfStop;
    case StopBitsCode::Two:
        return QSerialPort::TwoStop;
    case StopBitsCode::One:
        break;
    }
    return QSerialPort::OneStop;
}

// Qt knows one flow control at a time and no DTR/DSR handshake; RTS/CTS wins over XOn/XOff.
QSerialPort::FlowControl flowControlOf(const LineSettings& s) {
    if (s.ctsOutFlow || s.rtsHandshake)
        return QSerialPort::HardwareControl;
    if (s.outX || s.inX)
        return QSerialPort::SoftwareControl;
    return QSerialPort::NoFlowControl;
}

Error classifyOpenFailure(const QSerialPort& port, const QString& name) {
    switch (port.error()) {
    case QSerialPort::DeviceNotFoundError:
        return {
            ErrorCode::PortNotFound,
            QCoreApplication::translate(
                "kvq::SerialPort", "%1 nicht gefunden: Gerät anschließen oder andere Schnittstelle wählen.")
                .arg(name)};
    case QSerialPort::PermissionError: {
        // Qt says "permission" both for a missing group membership and for a port another program holds.
#ifndef Q_OS_WIN
        const QByteArray path = QFile::encodeName(port.portName().startsWith(u'/') ? port.portName() : name);
        if (::access(path.constData(), R_OK | W_OK) != 0 && errno == EACCES)
            return {ErrorCode::PortNoPermission,
                    QCoreApplication::translate(
                        "kvq::SerialPort",
                        "Keine Berechtigung für %1: Benutzer in die Gruppe \"dialout\" aufnehmen "
                        "und neu anmelden.")
                        .arg(name)};
#endif
        return {ErrorCode::PortBusy,
                QCoreApplication::translate(
                    "kvq::SerialPort",
                    "%1 wird von einem anderen Programm benutzt: das andere Programm beenden und "
                    "erneut versuchen.")
                    .arg(name)};
    }
    default:
        return {ErrorCode::Failed, QStringLiteral("%1: %2").arg(name, port.errorString())};
    }
}

} // namespace

SerialPort::SerialPort(const QString& systemName) : systemName_(systemName), port_(new QSerialPort(this)) {
    connect(port_, &QSerialPort::readyRead, this, &SerialPort::readyRead);
    connect(port_, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) { onError(e); });
}

SerialPort::~SerialPort() {
    if (port_->isOpen())
        port_->close();
}

Result<std::unique_ptr<SerialPort>> SerialPort::open(const QString& systemName, const LineSettings& s,
                                                     int rxQueueSize, int txQueueSize) {
    auto fail = [](Error e) -> Result<std::unique_ptr<SerialPort>> {
        qCInfo(lcLink) << "open failed:" << e.message;
        return e;
    };
    if (systemName.isEmpty())
        return fail({ErrorCode::PortNotMapped,
                     QCoreApplication::translate("kvq::SerialPort", "Keine Schnittstelle gewählt.")});

    std::unique_ptr<SerialPort> p(new SerialPort(systemName));
    QSerialPort& q = *p->port_;
    q.setPortName(systemName);
    // The driver queue of the platform has no counterpart here; the receive size bounds what is held
    // between two reads, the transmit size is kept for the settings only.
    Q_UNUSED(txQueueSize);
    q.setReadBufferSize(rxQueueSize > 0 ? rxQueueSize : 0);
    if (!q.open(QIODevice::ReadWrite))
        return fail(classifyOpenFailure(q, systemName));

    const bool configured = q.setBaudRate(s.baudRate) && q.setDataBits(QSerialPort::DataBits(s.dataBits)) &&
                            q.setParity(toQt(s.parity)) && q.setStopBits(toQt(s.stopBits)) &&
                            q.setFlowControl(flowControlOf(s));
    if (!configured) {
        Error e{ErrorCode::PortSettings,
                QCoreApplication::translate("kvq::SerialPort", "%1 lässt sich nicht einstellen: %2")
                    .arg(systemName, q.errorString())};
        q.close();
        return fail(std::move(e));
    }
    q.clearError();
    return p;
}

bool SerialPort::isOpen() const {
    return port_->isOpen();
}

void SerialPort::onError(int error) {
    if (failed_)
        return;
    if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError &&
        error != QSerialPort::WriteError)
        return;
    failed_ = true;
    const QString reason = port_->errorString();
    qCWarning(lcLink) << systemName_ << "device disconnected:" << reason;
    port_->close();
    Q_EMIT failed(reason);
}

QueueCounts SerialPort::queueCounts() {
    if (!port_->isOpen())
        return {};
    QueueCounts c{port_->bytesAvailable(), port_->bytesToWrite()};
    port_->clearError();
    return c;
}

qint64 SerialPort::read(std::uint8_t* buffer, qint64 maxBytes) {
    if (!port_->isOpen())
        return 0;
    const qint64 n = port_->read(reinterpret_cast<char*>(buffer), maxBytes);
    return n > 0 ? n : 0;
}

void SerialPort::write(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return;
    QMetaObject::invokeMethod(
        this,
        [this, bytes] {
            if (port_->isOpen())
                port_->write(bytes);
        },
        Qt::AutoConnection);
}

bool SerialPort::raiseDtr() {
    if (!port_->isOpen())
        return false;
    const bool ok = port_->setDataTerminalReady(true);
    if (!ok) {
        qCDebug(lcLink) << systemName_ << "has no DTR line:" << port_->errorString();
        port_->clearError();
    }
    return ok;
}

bool SerialPort::close() {
    Q_ASSERT(QThread::currentThread() == thread());
    if (port_->isOpen())
        port_->close();
    return !port_->isOpen();
}

QString portSystemName(int portNumber, const PortMap& map) {
    if (portNumber <= 0)
        return {};
#ifdef Q_OS_WIN
    Q_UNUSED(map);
    return portNumber < 10 ? QStringLiteral("COM%1").arg(portNumber)
                           : QStringLiteral("\\\\.\\COM%1").arg(portNumber);
#else
    return map.pathFor(portNumber).value_or(QString());
#endif
}

} // namespace kvq
