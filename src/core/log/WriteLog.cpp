#include "core/log/WriteLog.h"

#include "core/app/DataRoot.h"
#include "core/log/DayLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kvq::log {

Status appendToFile(const QString& path, const QString& text, TextEncoding encoding) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return Status::failure(
            QCoreApplication::translate("kvq::CoreTexts", "Die Datei %1 kann nicht geschrieben werden: %2")
                .arg(QDir::toNativeSeparators(path), file.errorString()));
    QByteArray bytes;
    if (encoding != TextEncoding::Windows1252) {
        bytes = text.toUtf8();
    } else if (!encodeWindows1252(text, bytes)) {
        bytes.clear();
        for (const QChar c : text) {
            QByteArray one;
            bytes += encodeWindows1252(QString(c), one) ? one : QByteArray("?");
        }
    }
    const qint64 before = file.size();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.resize(before);
        return Status::failure(
            QCoreApplication::translate("kvq::CoreTexts", "Die Datei %1 kann nicht geschrieben werden: %2")
                .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
    return {};
}

QString logLineEnd() {
#ifdef Q_OS_WIN
    return QStringLiteral("\r\n");
#else
    return QStringLiteral("\n");
#endif
}

Status ensureLogFile(const QString& path, const QStringList& header) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return Status::failure(
            QCoreApplication::translate("kvq::CoreTexts", "Der Ordner %1 kann nicht angelegt werden.")
                .arg(QDir::toNativeSeparators(folder)));
    if (QFileInfo::exists(path))
        return {};
    return appendToFile(path, joinLogFields(header) + logLineEnd());
}

Status appendLogLine(const QString& path, const QStringList& fields) {
    return appendToFile(path, joinLogFields(fields) + logLineEnd());
}

QString parameterWriteLogPath(const QDate& day) {
    return dataPath({QStringLiteral("QUELMAR"), QStringLiteral("Logs"), QString::number(day.year()),
                     QString::number(day.month()), QStringLiteral("HKVparmLog.csv")});
}

QStringList parameterWriteLogHeader() {
    return {QStringLiteral("SNR"),    QStringLiteral("WRITETIME"), QStringLiteral("SCALA"),
            QStringLiteral("K1"),     QStringLiteral("K2"),        QStringLiteral("KQ"),
            QStringLiteral("SENSOR"), QStringLiteral("REMOTE")};
}

QStringList parameterWriteLogFields(const ParameterWriteEntry& e, const QString& dateText) {
    return {e.serialNumber,
            dateText,
            e.pScale ? QStringLiteral("P") : QStringLiteral("E"),
            e.k1,
            e.k2,
            e.kq,
            e.twoSensors ? QStringLiteral("2F") : QStringLiteral("1F"),
            e.remoteSensor ? QStringLiteral("yes") : QStringLiteral("no")};
}

} // namespace kvq::log
