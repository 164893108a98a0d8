#include "core/wmbus/replay/ReplayFile.h"

#include "core/app/Bytes.h"

#include <QFile>

namespace kvq::wmbus {

namespace {

bool parseNumber(QStringView text, int& out) {
    bool ok = false;
    out = text.trimmed().toInt(&ok);
    return ok;
}

// "DD.MM.YYYY hh:mm:ss": split at the two points, the blank and the two colons.
bool parseReceiveTime(QStringView text, QDateTime& out) {
    text = text.trimmed();
    const qsizetype p1 = text.indexOf(u'.');
    const qsizetype p2 = p1 < 0 ? -1 : text.indexOf(u'.', p1 + 1);
    const qsizetype sp = p2 < 0 ? -1 : text.indexOf(u' ', p2 + 1);
    const qsizetype c1 = sp < 0 ? -1 : text.indexOf(u':', sp + 1);
    const qsizetype c2 = c1 < 0 ? -1 : text.indexOf(u':', c1 + 1);
    if (c2 < 0)
        return false;
    int d, mo, y, h, mi, s;
    if (!parseNumber(text.mid(0, p1), d) || !parseNumber(text.mid(p1 + 1, p2 - p1 - 1), mo) ||
        !parseNumber(text.mid(p2 + 1, sp - p2 - 1), y) || !parseNumber(text.mid(sp + 1, c1 - sp - 1), h) ||
        !parseNumber(text.mid(c1 + 1, c2 - c1 - 1), mi) || !parseNumber(text.mid(c2 + 1), s))
        return false;
    const QDate date(y, mo, d);
    const QTime time(h, mi, s);
    if (!date.isValid() || !time.isValid())
        return false;
    out = QDateTime(date, time);
    return true;
}

} // namespace

bool parseReplayLine(const QString& line, int lineNumber, ReplayLine& out, ReplayLineError& error) {
    out.lineNumber = lineNumber;
    out.receiveTime = QDateTime();
    out.bytes.clear();
    QStringView text = QStringView(line).trimmed();
    if (text.isEmpty())
        return true;
    const qsizetype semi = text.indexOf(u';');
    if (semi >= 0) {
        if (!parseReceiveTime(text.left(semi), out.receiveTime)) {
            error = {lineNumber,
                     QStringLiteral("line %1: no valid date and time before ';'").arg(lineNumber)};
            return false;
        }
        text = text.mid(semi + 1).trimmed();
    }
    if (!parseHexText(text.toString().toStdString(), out.bytes)) {
        error = {lineNumber, QStringLiteral("line %1: not a hex text of whole bytes").arg(lineNumber)};
        out.bytes.clear();
        return false;
    }
    return true;
}

Status readReplayFile(const QString& path, const std::function<void(const ReplayLine&)>& onLine,
                      const std::function<void(const ReplayLineError&)>& onError) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Status::failure(QStringLiteral("%1: %2").arg(path, file.errorString()), ErrorCode::FileAccess);
    }
    ReplayLine line;
    ReplayLineError error;
    int number = 0;
    while (!file.atEnd()) {
        const QByteArray raw = file.readLine();
        ++number;
        if (parseReplayLine(QString::fromLatin1(raw), number, line, error)) {
            if (!line.bytes.empty())
                onLine(line);
        } else if (onError) {
            onError(error);
        }
    }
    return {};
}

} // namespace kvq::wmbus
