#include "core/devices/watermodule/WzReadout.h"

namespace kvq::wz {

QString cubicMetres(std::int64_t litres, const QLocale& locale) {
    const bool negative = litres < 0;
    const std::uint64_t a = negative ? std::uint64_t(-(litres + 1)) + 1 : std::uint64_t(litres);
    QString text = QString::number(a / 1000).rightJustified(2, u'0') + locale.decimalPoint() +
                   QString::number(a % 1000).rightJustified(3, u'0');
    return negative ? u'-' + text : text;
}

Readout readout(const Image& im, const QString& versionText, const QLocale& locale) {
    Readout r;
    r.EditSeriennummer = idText(dword(im, off::DeviceId));
    r.LabelSWV = versionText + u'x';
    const int day = im[off::DueDay], month = im[off::DueDateMonth], year = 2000 + im[off::DueYear];
    r.dueDate = QStringLiteral("%1.%2.%3").arg(day).arg(month).arg(year);
    const std::uint32_t now = dword(im, off::MeterReading), atDue = dword(im, off::MeterReadingDue);
    r.Edit1Zaehlerst = cubicMetres(now, locale);
    r.Edit1ZaehlerstVorj = cubicMetres(atDue, locale);
    r.Edit1VerbrSeitSticht = cubicMetres(std::int64_t(now) - std::int64_t(atDue), locale);
    const std::uint16_t options = word(im, off::OptionsB);
    r.RadioButtonMonat = options & ob::DueMonthly;
    r.RadioButtonJahr = options & ob::DueYearly;
    r.Edit1StichTag = QString::number(im[off::DueMonth]);
    for (int i = 0; i < off::MonthEntries; ++i) {
        const int o = off::MonthTable + off::MonthEntrySize * i;
        QString value = QString::number(dword(im, o) / 1000);
        // Months without a value repeat the last value before them.
        if (value == u"0" && i > 0 && r.monthRows[i - 1].value != u"0")
            value = r.monthRows[i - 1].value;
        r.monthRows[i] = {value, QString::number(im[o + 4]), QString::number(im[o + 5])};
    }
    if (QDate(year, month, day).isValid()) {
        if (r.RadioButtonMonat) {
            const QDate first(year, month, 1);
            r.periodEnd = first.addDays(-1);
        } else {
            r.periodEnd = QDate(year, month, day);
        }
    }
    return r;
}

QStringList readoutLogHeader() {
    return {QStringLiteral("SNR"),    QStringLiteral("RTIME"),  QStringLiteral("ZS"),
            QStringLiteral("ZSzumS"), QStringLiteral("VseitS"), QStringLiteral("SDATE"),
            QStringLiteral("SMODUS")};
}

QStringList readoutLogFields(const Readout& r, const QString& todayText) {
    return {r.EditSeriennummer,
            todayText,
            r.Edit1Zaehlerst,
            r.Edit1ZaehlerstVorj,
            r.Edit1VerbrSeitSticht,
            r.dueDate,
            r.RadioButtonMonat ? QStringLiteral("Monat") : QStringLiteral("Jahr")};
}

} // namespace kvq::wz
