#pragma once
// The meter reader's view of a water-meter module: readings in m³, the due date, the consumption
// since it, the monthly values, and the line each readout adds to the day log.

#include "core/devices/watermodule/WzRecord.h"

#include <QDate>
#include <QLocale>
#include <QStringList>
#include <array>
#include <optional>

namespace kvq::wz {

struct ReadoutMonthRow {
    QString value, month, year;
};

struct Readout {
    QString EditSeriennummer;
    QString LabelSWV;           // version text + "x"
    QString dueDate;            // LabelZS, LabelVseit, LabelStichdatum: "1.3.2024"
    QString Edit1Zaehlerst;     // "12,345" (m³, "00.000" with the locale's separator)
    QString Edit1ZaehlerstVorj; // at the due date
    QString Edit1VerbrSeitSticht;
    QString Edit1StichTag;
    bool RadioButtonMonat = false;
    bool RadioButtonJahr = false;
    std::array<ReadoutMonthRow, off::MonthEntries> monthRows;
    // End of the billing period the due date closes: with the monthly rhythm the last day of the
    // month before the due date, else the due date itself; none for a date that does not exist.
    std::optional<QDate> periodEnd;
};

// Litres as m³ in the pattern "00.000": at least two integer digits, three decimals.
QString cubicMetres(std::int64_t litres, const QLocale& locale);

Readout readout(const Image& im, const QString& versionText, const QLocale& locale);

// "SNR", "RTIME", "ZS", "ZSzumS", "VseitS", "SDATE", "SMODUS"
QStringList readoutLogHeader();
QStringList readoutLogFields(const Readout& r, const QString& todayText);

} // namespace kvq::wz
