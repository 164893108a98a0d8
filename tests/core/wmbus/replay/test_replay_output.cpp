#include "core/wmbus/FlagCode.h"
#include "core/wmbus/output/TelegramOutput.h"

#include <gtest/gtest.h>

using namespace kvq::wmbus;

TEST(ReplayOutput, CsvRowWrittenDirectlyEqualsTheTableRowsLine) {
    TelegramResult r;
    r.link.l = 0x2E;
    r.link.idText.assign("12345678");
    r.link.manufacturer = manufacturerText(0xAE, 0x0C);
    r.headerIdText.assign("87654321");
    r.accessNumber = 42;
    r.deviceType = 7;
    r.encrypted = true;
    r.rssiText.assign("-69");
    r.receiveTime = 1580548830000;
    r.values[0] = {"12,345", "m³"};
    r.values[1] = {"a;b", "say \"x\""}; // cells that must be quoted
    r.values[2] = {"line\nbreak", ""};
    std::string direct;
    appendCsvRow(direct, 17, r, QDateTime());
    EXPECT_EQ(direct, csvLine(dataTableRow(17, r, QDateTime())));
    const std::string json = telegramJson(17, r, QDateTime());
    const std::string start =
        "{\"index\":17,\"time\":\"" + receiveTimeText(r.receiveTime, QDateTime()) + "\",\"l\":46,";
    EXPECT_EQ(json.substr(0, start.size()), start);
    EXPECT_NE(json.find("{\"value\":\"a;b\",\"unit\":\"say \\\"x\\\"\"}"), std::string::npos) << json;
}
