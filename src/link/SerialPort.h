#pragma once
// Our own small port layer over QSerialPort. A port is opened and configured on the window thread,
// handed to the link worker while it runs and given back before it is closed. Writes may come from
// any thread and go out in call order on the port's own thread. A read or resource error closes the
// port at once and is reported once: the device went away, and QSerialPort would otherwise repeat the
// error endlessly while claiming the port is still open.

#include "core/app/Result.h"
#include "core/link/PortMap.h"
#include "core/link/PortSettings.h"

#include <QByteArray>
#include <QLoggingCategory>
#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>

class QSerialPort;

namespace kvq {

Q_DECLARE_LOGGING_CATEGORY(lcLink)

struct QueueCounts {
    qint64 rx = 0;
    qint64 tx = 0;
};

class SerialPort : public QObject {
    Q_OBJECT
public:
    ~SerialPort() override;

    // Opens and configures a port; on any failure the port is closed again and the error says what went
    // wrong and what the user can do about it (codes PortNotMapped .. PortSettings, or Failed).
    static Result<std::unique_ptr<SerialPort>> open(const QString& systemName, const LineSettings& settings,
                                                    int rxQueueSize, int txQueueSize);

    const QString& systemName() const { return systemName_; }
    bool isOpen() const;
    bool hasFailed() const { return failed_; }

    // On the port's thread: bytes waiting to be read and to be sent; clears the error state.
    QueueCounts queueCounts();
    qint64 read(std::uint8_t* buffer, qint64 maxBytes);

    // From any thread.
    void write(const QByteArray& bytes);

    // Raises DTR. False where the line does not exist (pseudo-terminals); that is no failure.
    bool raiseDtr();

    // Closes the port on its own thread; true when it is closed afterwards.
    bool close();

Q_SIGNALS:
    void readyRead();
    // The device went away; the port is closed already.
    void failed(const QString& reason);

private:
    explicit SerialPort(const QString& systemName);
    void onError(int error);

    QString systemName_;
    QSerialPort* port_ = nullptr; // child: moves with this object between threads
    bool failed_ = false;
};

// System name of a port number: "COM9", "\\.\COM10" on Windows; elsewhere the path the map holds
// (empty when the number is not mapped).
QString portSystemName(int portNumber, const PortMap& map);

} // namespace kvq
