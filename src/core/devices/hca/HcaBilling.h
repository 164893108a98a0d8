#pragma once
// What the allocator's billing readout shows and logs, computed from the record alone.

#include "core/devices/hca/HcaRecord.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <array>

namespace kvq::hca {

struct BillingMonthRow {
    QString value, month, year;
};

struct BillingView {
    QString EditSeriennummer;
    QString Edit1Zaehlerst;
    QString Edit1ZaehlerstVorj;
    QString Edit1VerbrSeitSticht;
    QString Edit1Verbrauch;
    QString Edit1VorVerbrauch;
    QString Edit1Pruefz;
    QString Edit1StichTag;
    bool RadioButtonMonat = false;
    bool RadioButtonJahr = false;
    QString readingDate; // LabelZS, LabelVseit, LabelVerbr, LabelStichdatum
    QString LabelVerbr1; // the reading date before
    std::array<BillingMonthRow, off::MonthEntries> monthRows;
};

// Date text of a locale with the year in four digits ("15.12.2024" in German).
QString localeDateText(const QDate& date, const QLocale& locale);

// The reading date before the last one. Yearly: the same day one year earlier, as the device's
// numbers stand ("15.1.2024"). Monthly: the same day of the month before, as date text of the
// locale; a day the month before does not have becomes its last day (31.3. -> 29.2.). A stored
// date with day 0 or above 31, or month 0 or above 12, has no date before: "--.--.----".
QString previousReadingDate(int day, int month, int year, bool monthly, const QLocale& locale);

BillingView billingView(const Record& r, const QLocale& locale);

// The nine fields of a readout's log line, in column order.
QStringList billingLogFields(const BillingView& v, const QDate& today, const QLocale& locale);
// Column names of the allocator's billing log.
QStringList billingLogHeader();

} // namespace kvq::hca
