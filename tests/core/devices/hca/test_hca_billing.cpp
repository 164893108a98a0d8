#include "core/app/Bytes.h"
#include "core/devices/hca/HcaBilling.h"

#include <gtest/gtest.h>

using namespace kvq;
using namespace kvq::hca;

namespace {
const QLocale kGerman(QLocale::German, QLocale::Germany);
}

TEST(HcaBilling, ReadingDateBefore) {
    EXPECT_EQ(previousReadingDate(15, 1, 2025, true, kGerman), "15.12.2024");
    EXPECT_EQ(previousReadingDate(15, 1, 2025, false, kGerman), "15.1.2024");
    EXPECT_EQ(previousReadingDate(31, 3, 2024, true, kGerman), "29.02.2024");
    EXPECT_EQ(previousReadingDate(31, 3, 2025, true, kGerman), "28.02.2025");
    EXPECT_EQ(previousReadingDate(31, 5, 2025, true, kGerman), "30.04.2025");
    EXPECT_EQ(previousReadingDate(0, 5, 2025, true, kGerman), "--.--.----");
    EXPECT_EQ(previousReadingDate(1, 13, 2025, true, kGerman), "--.--.----");
}

TEST(HcaBilling, ViewAndLogLineFromRecord) {
    Record r{};
    storeId(r, off::DeviceId, 0x12345678);
    writeBEFloat(r.data() + off::MeterReading, 1234.56f);
    writeBEFloat(r.data() + off::MeterReadingPrev, 1000.10f);
    setWord(r, off::Consumption, 812);
    setWord(r, off::PrevConsumption, 700);
    setWord(r, off::OptionWord, opt::ReadingMonthly);
    r[off::CheckNumber] = 42;
    r[off::ReadingDay] = 15;
    r[off::ReadingDateMonth] = 1;
    r[off::ReadingYear] = 25;
    setWord(r, off::MonthTable + 4, 77);
    r[off::MonthTable + 6] = 11;
    r[off::MonthTable + 7] = 24;

    const BillingView v = billingView(r, kGerman);
    EXPECT_EQ(v.Edit1Zaehlerst, " 1234,56");
    EXPECT_EQ(v.Edit1VerbrSeitSticht, "234");
    EXPECT_EQ(v.readingDate, "15.1.2025");
    EXPECT_EQ(v.LabelVerbr1, "15.12.2024");
    EXPECT_EQ(v.monthRows[1].value, "77");
    EXPECT_EQ(v.monthRows[1].month, "11");
    EXPECT_EQ(v.monthRows[1].year, "24");

    const QStringList line = billingLogFields(v, QDate(2026, 12, 8), kGerman);
    EXPECT_EQ(line, (QStringList{"12345678", "08.12.2026", " 1234,56", " 1000,10", "234", "812", "42",
                                 "15.1.2025", "Monat"}));
    EXPECT_EQ(line.size(), billingLogHeader().size());
}
