#include "core/devices/hca/HcaBilling.h"

#include "core/app/Bytes.h"

#include <cmath>

namespace kvq::hca {

namespace {

QString fixed8(double v) {
    // "%8.2f" with the locale's separator: two decimals, right-aligned in eight places.
    if (!std::isfinite(v))
        return QString::number(v).rightJustified(8);
    double r = std::round(v * 100.0) / 100.0;
    if (r == 0.0)
        r = 0.0;
    QLocale c(QLocale::German);
    c.setNumberOptions(QLocale::OmitGroupSeparator);
    return c.toString(r, 'f', 2).rightJustified(8);
}

} // namespace

QString localeDateText(const QDate& date, const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return date.toString(format);
}

QString previousReadingDate(int day, int month, int year, bool monthly, const QLocale& locale) {
    if (!monthly)
        return QStringLiteral("%1.%2.%3").arg(day).arg(month).arg(year - 1);
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return QStringLiteral("--.--.----");
    int m = month - 1, y = year;
    if (m == 0) {
        m = 12;
        --y;
    }
    const int last = QDate(y, m, 1).daysInMonth();
    return localeDateText(QDate(y, m, std::min(day, last)), locale);
}

BillingView billingView(const Record& r, const QLocale& locale) {
    BillingView v;
    v.EditSeriennummer = idText(r, off::DeviceId);
    const float running = readBEFloat(r.data() + off::MeterReading);
    const float atReading = readBEFloat(r.data() + off::MeterReadingPrev);
    v.Edit1Zaehlerst = fixed8(running);
    v.Edit1ZaehlerstVorj = fixed8(atReading);
    const double since = double(running) - double(atReading);
    v.Edit1VerbrSeitSticht = std::isfinite(since) && std::fabs(since) < 9.0e18
                                 ? QString::number(static_cast<long long>(std::trunc(since)))
                                 : QString::number(since);
    v.Edit1Verbrauch = QString::number(word(r, off::Consumption));
    v.Edit1VorVerbrauch = QString::number(word(r, off::PrevConsumption));
    v.Edit1Pruefz = QString::number(r[off::CheckNumber]);
    v.Edit1StichTag = QString::number(r[off::ReadingMonth]);
    const std::uint16_t options = word(r, off::OptionWord);
    v.RadioButtonMonat = options & opt::ReadingMonthly;
    v.RadioButtonJahr = options & opt::ReadingYearly;
    const int day = r[off::ReadingDay], month = r[off::ReadingDateMonth], year = 2000 + r[off::ReadingYear];
    v.readingDate = QStringLiteral("%1.%2.%3").arg(day).arg(month).arg(year);
    v.LabelVerbr1 = previousReadingDate(day, month, year, v.RadioButtonMonat, locale);
    for (int i = 0; i < off::MonthEntries; ++i) {
        const int o = off::MonthTable + off::MonthEntrySize * i;
        v.monthRows[i] = {QString::number(word(r, o)), QString::number(r[o + 2]), QString::number(r[o + 3])};
    }
    return v;
}

QStringList billingLogFields(const BillingView& v, const QDate& today, const QLocale& locale) {
    return {v.EditSeriennummer,
            localeDateText(today, locale),
            v.Edit1Zaehlerst,
            v.Edit1ZaehlerstVorj,
            v.Edit1VerbrSeitSticht,
            v.Edit1Verbrauch,
            v.Edit1Pruefz,
            v.readingDate,
            v.RadioButtonMonat ? QStringLiteral("Monat") : QStringLiteral("Jahr")};
}

QStringList billingLogHeader() {
    return {QStringLiteral("SNR"),    QStringLiteral("RTIME"),  QStringLiteral("ZS"),
            QStringLiteral("ZSzumS"), QStringLiteral("VseitS"), QStringLiteral("VzumS"),
            QStringLiteral("PZS"),    QStringLiteral("SDATE"),  QStringLiteral("SMODUS")};
}

} // namespace kvq::hca
