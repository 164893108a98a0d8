#include "core/devices/watermodule/WzRules.h"

#include "core/devices/common/GermanNumbers.h"
#include "core/devices/watermodule/WzSchedule.h"
#include "core/wmbus/crypto/DeviceKey.h"

#include <QCoreApplication>

#include <cstdlib>
#include <limits>

namespace kvq::wz {

std::uint8_t weekdayBit(const QDate& date) {
    return std::uint8_t(1u << (date.dayOfWeek() - 1));
}

void evaluateWindow(Image& im, const QDate& moduleDate, bool s1, bool t1) {
    const std::uint8_t dayBit = weekdayBit(moduleDate);
    im[off::Weekday] |= dayBit;
    const ScheduleCache mask = ScheduleCache::fromImage(im);
    std::uint16_t status = 0;
    if (mask.monthMask & (1u << (moduleDate.month() - 1))) {
        status = st::Month;
        if (mask.weekdayMask & dayBit) {
            status |= st::Day;
            if (mask.weekMask & (1u << ((moduleDate.day() - 1) / 7)))
                status |= st::Week;
        }
    }
    if (s1)
        status |= st::ProtocolS1;
    if (t1)
        status |= st::ProtocolT1;
    setWord(im, off::StatusWord, status);
}

QDateTime moduleLocalTime(const QDateTime& utcNow, int zoneHours) {
    // The clock's UTC wall time, whatever zone the value is tagged with.
    return QDateTime(utcNow.date(), utcNow.time(), Qt::UTC).addSecs(qint64(zoneHours) * 3600);
}

QString zoneText(int zoneHours) {
    return QStringLiteral("UTC%1%2h").arg(QChar(zoneHours < 0 ? u'-' : u'+')).arg(std::abs(zoneHours));
}

std::array<MonthYear, off::MonthEntries> monthsBack(const QDate& today) {
    std::array<MonthYear, off::MonthEntries> rows;
    int month = today.month(), year = today.year() - 2000;
    for (MonthYear& r : rows) {
        if (--month == 0) {
            month = 12;
            --year;
        }
        r = {month, year};
    }
    return rows;
}

std::array<int, off::MonthEntries> monthColumn(int firstMonth) {
    std::array<int, off::MonthEntries> months;
    int m = firstMonth;
    for (int& row : months) {
        row = m;
        if (--m < 1)
            m = 12;
    }
    return months;
}

QString clampBatteryYearText(const QString& text) {
    static const QString limit = QStringLiteral("2999");
    return QString::compare(text, limit, Qt::CaseSensitive) > 0 ? limit : text;
}

std::optional<QString> nextDeviceId(const QString& idText) {
    const QString t = idText.trimmed();
    if (t.isEmpty() || t.size() > 8)
        return std::nullopt;
    std::uint32_t v = 0;
    for (QChar c : t) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        v = v * 10 + (c.unicode() - u'0');
    }
    if (v >= 99999999u)
        return std::nullopt;
    return QStringLiteral("%1").arg(v + 1, 8, 10, QLatin1Char('0'));
}

bool dueReadingExceedsReading(const QString& reading, const QString& dueReading) {
    const auto now = parseFixed(reading, 3), due = parseFixed(dueReading, 3);
    return now && due && *due > *now;
}

QString temperatureText(std::uint16_t tenths) {
    const int v = static_cast<std::int16_t>(tenths);
    const int a = std::abs(v);
    QString text = QString::number(a / 10);
    if (a % 10)
        text += u',' + QString::number(a % 10);
    return v < 0 ? u'-' + text : text;
}

QString dueDateText(const Image& im) {
    return QStringLiteral("%1.%2.%3")
        .arg(im[off::DueDay])
        .arg(im[off::DueDateMonth])
        .arg(im[off::DueYear] + 2000);
}

QString errorDateText(const Image& im) {
    return QCoreApplication::translate("WzForm", "Fehlerdatum: %1.%2")
        .arg(im[off::ErrorDate + 1])
        .arg(im[off::ErrorDate]);
}

ModuleKey DeriveModuleKey(const QString& deviceIdText) {
    return crypto::DeriveDeviceKey(deviceIdText.toStdString()).key;
}

} // namespace kvq::wz
