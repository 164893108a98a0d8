#include "core/devices/order/OrderComparison.h"

#include <gtest/gtest.h>

using namespace kvq::order;

TEST(OrderComparison, TimeZoneOffsetIsTheHourDifferenceWithoutWrap) {
    EXPECT_EQ(timeZoneOffsetText(QTime(8, 15), QTime(7, 50)), "+1");
    EXPECT_EQ(timeZoneOffsetText(QTime(8, 15), QTime(8, 59)), "0");
    EXPECT_EQ(timeZoneOffsetText(QTime(0, 30), QTime(23, 10)), "-23");
}

TEST(OrderComparison, CoefficientAndDeltaTCheck) {
    PlausibilityInput in{true, true, false, "1538", "2500", "1000", "30", false};
    EXPECT_EQ(plausibilityTests(in)[1].status, "OK");
    in.deltaT = "70";
    EXPECT_EQ(plausibilityTests(in)[1].status, "FEHLER");
    in.deltaT = "30";
    in.k1 = "01538";
    EXPECT_EQ(plausibilityTests(in)[1].status, "FEHLER");

    PlausibilityInput remote{true, true, true, "1538", "1538", "1000", "70", false};
    EXPECT_EQ(plausibilityTests(remote)[1].status, "OK");
    remote.deltaT = "30";
    EXPECT_EQ(plausibilityTests(remote)[1].status, "FEHLER");

    PlausibilityInput one{true, false, false, "1000", "1538", "1000", "30", false};
    EXPECT_EQ(plausibilityTests(one)[1].status, "OK");
    one.remoteSensor = true;
    one.deltaT = "70";
    EXPECT_EQ(plausibilityTests(one)[1].status, "FEHLER"); // no values fit one sensor with remote
}

TEST(OrderComparison, ScaleAndErrorRows) {
    PlausibilityInput in{false, true, false, "1538", "2500", "1000", "30", true};
    const auto rows = plausibilityTests(in);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].status, "FEHLER");
    EXPECT_EQ(rows[2].status, "FEHLER");
    EXPECT_EQ(rows[2].name, "Test ob keine Fehler Flags gesetzt sind");
    in.eScale = true;
    in.anyErrorBox = false;
    EXPECT_EQ(plausibilityTests(in)[0].status, "OK");
    EXPECT_EQ(plausibilityTests(in)[2].status, "OK");
}
