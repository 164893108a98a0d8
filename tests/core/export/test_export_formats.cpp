#include "core/export/ExportFormatFile.h"
#include "core/export/ExportFormatListe.h"
#include "core/export/ExportSample.h"
#include "core/wmbus/TelegramResult.h"
#include "core/wmbus/table/StoredResult.h"

#include "FakeClock.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kvq;
using namespace kvq::exporting;

namespace {

// A decoded telegram as the decoder leaves it, with the fields the formats read.
wmbus::TelegramResult telegram(std::uint32_t id, std::uint8_t l = 46, const char* mc = "CEN",
                               std::uint8_t deviceType = 7) {
    wmbus::TelegramResult r;
    r.link.l = l;
    for (int i = 0; i < 4; ++i)
        r.link.id[std::size_t(i)] = std::uint8_t(id >> (8 * i));
    char text[16];
    std::snprintf(text, sizeof text, "%08X", id); // BCD digits read as hex give the decimal text
    r.link.idText.assign(text);
    r.headerIdText.assign(text);
    std::copy_n(mc, 3, r.link.manufacturer.letters.begin());
    r.deviceType = deviceType;
    r.accessNumber = 17;
    r.rssiText.assign("-60");
    r.receiveTime = QDateTime(QDate(2026, 5, 3), QTime(8, 15, 0)).toMSecsSinceEpoch();
    return r;
}

ExportFilter filter(const char* laenge = "046") {
    ExportFilter f;
    f.rfidMin = "10000000";
    f.rfidMax = "19999999";
    f.mc = "CEN";
    f.medium = "07";
    f.laenge = laenge;
    f.enabled = true;
    return f;
}

const QDateTime kMay(QDate(2026, 5, 20), QTime(9, 0, 0));

QString heading(const char* source, const char* option, QDate day, const char* newHeading = "Neu") {
    return columnHeading(ExportColumn{source, newHeading, option}, day);
}

// The sheet as its CSV shows it: heading row first.
std::vector<std::vector<std::string>> cells(const ExportSheet& sheet) {
    std::vector<std::vector<std::string>> out(1);
    for (int c = 0; c < sheet.count(); ++c)
        out[0].emplace_back(sheet.header(c));
    for (int r = 0; r < sheet.table().size(); ++r) {
        auto& row = out.emplace_back();
        for (int c = 0; c < sheet.count(); ++c)
            sheet.cell(sheet.table().at(r), r, c, row.emplace_back());
    }
    return out;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(ExportFilter, EveryConditionMustHold) {
    const ExportFormat f("F", {{"RadioID", "ID", ""}}, filter("046"));
    const auto accepts = [&](const wmbus::TelegramResult& r) { return f.accepts(TelegramFields(r)); };
    EXPECT_TRUE(accepts(telegram(0x12345678, 46)));
    EXPECT_FALSE(accepts(telegram(0x12345678, 45)));
    EXPECT_FALSE(accepts(telegram(0x12345678, 47)));
    EXPECT_FALSE(accepts(telegram(0x12345678, 46, "KAM")));
    EXPECT_FALSE(accepts(telegram(0x12345678, 46, "CEN", 8)));
    EXPECT_TRUE(accepts(telegram(0x10000000))); // both range ends are inside
    EXPECT_TRUE(accepts(telegram(0x19999999)));
    EXPECT_FALSE(accepts(telegram(0x09999999)));
    EXPECT_FALSE(accepts(telegram(0x20000000)));

    ExportFilter off = filter();
    off.enabled = false;
    EXPECT_FALSE(ExportFormat("F", {}, off).accepts(TelegramFields(telegram(0x12345678))));

    // Texts that are no numbers count as 0: such a length matches no telegram, such a minimum
    // admits every radio ID up to the maximum.
    ExportFilter odd = filter("4x6");
    EXPECT_FALSE(ExportFormat("F", {}, odd).accepts(TelegramFields(telegram(0x12345678))));
    odd = filter();
    odd.rfidMin = "abc";
    EXPECT_TRUE(ExportFormat("F", {}, odd).accepts(TelegramFields(telegram(0x00000001))));
}

TEST(ExportHeadings, DatedOptionsCountBackFromToday) {
    const QDate may2026(2026, 5, 20);
    EXPECT_EQ(heading("Value[3]", "[M]", may2026), "Value / 28.2.2026");
    EXPECT_EQ(heading("Value[3]", "[M]", QDate(2028, 5, 2)), "Value / 29.2.2028");
    EXPECT_EQ(heading("Value[5]", "[M]", may2026), "Value / 31.12.2025"); // year change
    EXPECT_EQ(heading("Value[4]", "[M]", may2026), "Value / 31.1.2026");
    EXPECT_EQ(heading("Value[0]", "[M]", may2026), "Value / 31.5.2026");
    EXPECT_EQ(heading("Value[17]", "[M]", may2026), "Value / 31.12.2024"); // more than a year back
    EXPECT_EQ(heading("Value[29]", "[M]", QDate(2026, 5, 1)), "Value / 31.12.2023");
    EXPECT_EQ(heading("Wert3[2]", "[Y]", may2026), "Wert3 / 2024");
    EXPECT_EQ(heading("Wert[10]", "[D]", may2026), "Wert / 10.05.2026");
    EXPECT_EQ(heading("Wert[20]", "[D]", may2026), "Wert / 30.04.2026");

    // Without a bracketed number, or with another option, the user's heading stands.
    EXPECT_EQ(heading("Value", "[M]", may2026), "Neu");
    EXPECT_EQ(heading("Value[3]", "", may2026), "Neu");
    EXPECT_EQ(heading("Value[3]", "[Q]", may2026), "Neu");
    EXPECT_EQ(heading("Value[99999999999]", "[M]", may2026), "Neu");
    // "[X]" hides a column with or without a number.
    EXPECT_EQ(heading("Value[3]", "[X]", may2026), "");
    EXPECT_EQ(heading("RSSI", "[X]", may2026), "");
    EXPECT_EQ(heading("RSSI", "", may2026, ""), "");
}

TEST(ExportApply, RowPerRadioIdAndCellsInColumnOrder) {
    ExportFormat f("Wasser",
                   {{"Index", "Nr", ""},
                    {"RadioID", "Funk-ID", ""},
                    {"RSSI", "Pegel", "[X]"},
                    {"Value1", "Stand", ""},
                    {"Unit1", "Einheit", ""},
                    {"Value2[1]", "Stichtag", "[M]"},
                    {"Value3", "versteckt", "[X]"},
                    {"Value4", "", ""},
                    {"Value5", "fünf", ""},
                    {"RTime", "Zeit", ""},
                    {"TCount", "Zugriff", ""}},
                   filter());
    ExportSheet sheet(f);
    auto a = telegram(0x12345678);
    for (int i = 0; i < 5; ++i)
        a.values[std::size_t(i)] = {"v" + std::to_string(i + 1), "u" + std::to_string(i + 1)};
    sheet.apply(a, kMay);
    sheet.apply(telegram(0x11111111), kMay);
    a.values[0].value = "neu";
    a.accessNumber = 18;
    sheet.apply(a, kMay.addMonths(1)); // the headings stay those of the first use

    using Row = std::vector<std::string>;
    const auto t = cells(sheet);
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0],
              (Row{"Nr", "Funk-ID", "Stand", "Einheit", "Value2 / 30.4.2026", "fünf", "Zeit", "Zugriff"}));
    EXPECT_EQ(t[1], (Row{"1", "12345678", "neu", "u1", "v2", "v5", "03.05.2026 08:15:00", "18"}));
    EXPECT_EQ(t[2][0], "2");
    EXPECT_EQ(t[2][1], "11111111");

    // The CSV has a column per heading, nothing for the hidden ones.
    const QByteArray csv = sheet.csvBytes();
    EXPECT_TRUE(csv.startsWith("Nr;Funk-ID;Stand;Einheit;Value2 / 30.4.2026;f\xFCnf;Zeit;Zugriff\r\n"));
    EXPECT_EQ(csv.count("\r\n"), 3);
}

TEST(ExportApply, UnnumberedValueColumnsTakeThePairsInTurn) {
    ExportFormat f("F", {{"Value", "a", ""}, {"Value", "b", "[X]"}, {"Value", "c", ""}}, filter());
    // The reader drops repeated names; built by hand the columns still map pair by pair.
    auto r = telegram(0x12345678);
    r.values[0].value = "1";
    r.values[1].value = "2";
    r.values[2].value = "3";
    ExportSheet sheet(f);
    sheet.apply(r, kMay);
    EXPECT_EQ(cells(sheet)[1], (std::vector<std::string>{"1", "3"}));
}

TEST(ExportFormatListe, FirstAcceptingFormatInListOrderTakesTheTelegram) {
    const IniFile ini =
        IniFile::fromBytes("[A]\r\nRadioID=ID\r\nFILT_RFIDMIN=12000000\r\nFILT_RFIDMAX=12999999\r\n"
                           "FILT_MC=CEN\r\nFILT_MEDIUM=07\r\nFILT_LAENGE=046\r\nFILT_ENABLE=1\r\n"
                           "[B]\r\nRadioID=ID\r\nFILT_RFIDMIN=00000000\r\nFILT_RFIDMAX=99999999\r\n"
                           "FILT_MC=CEN\r\nFILT_MEDIUM=07\r\nFILT_LAENGE=046\r\nFILT_ENABLE=1\r\n");
    ExportFormatListe list = ExportFormatListe::fromIni(ini);
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list.apply(telegram(0x12345678), kMay), 0);
    EXPECT_EQ(list.apply(telegram(0x13345678), kMay), 1);
    EXPECT_EQ(list.apply(telegram(0x13345678, 47), kMay), -1);
    EXPECT_EQ(list.sheet(0).table().size(), 1);
    EXPECT_EQ(list.sheet(1).table().size(), 1);
}

TEST(ExportFormatFile, HandWrittenFileLoadsAndSavedFormatsLoadBackEqual) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Exportformat.EXF");
    writeFile(path, "; Formate\r\n[Andere]\r\nirgendwas=bleibt\r\n"
                    "[Heizung]\r\nRadioID=Funknummer\r\nOption_RadioID=\r\nValue3[1]=Vormonat\r\n"
                    "Option_Value3[1]=[M]\r\nRSSI=Pegel\r\nOption_RSSI=[X]\r\nFILT_RFIDMAX=99999999\r\n"
                    "FILT_RFIDMIN=00000000\r\nFILT_MC=QDS\r\nFILT_MEDIUM=08\r\nFILT_LAENGE=046\r\n"
                    "FILT_ENABLE=1\r\n");
    QStringList messages;
    auto loaded = ExportFormatListe::load(path, &messages);
    ASSERT_TRUE(loaded.ok());
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
    ASSERT_EQ(loaded->size(), 2);
    const ExportFormat& h = loaded->at(1);
    EXPECT_EQ(h.name(), "Heizung");
    EXPECT_EQ(h.columns(), (std::vector<ExportColumn>{{"RadioID", "Funknummer", ""},
                                                      {"Value3[1]", "Vormonat", "[M]"},
                                                      {"RSSI", "Pegel", "[X]"}}));
    EXPECT_EQ(h.filter().mc, "QDS");
    EXPECT_EQ(h.filter().medium, "08");
    EXPECT_EQ(h.filter().laenge, "046");
    EXPECT_TRUE(h.filter().enabled);

    // Renamed and changed: the old section goes, the other section and the comment stay.
    ExportFormat changed("Heizung 2", {{"RadioID", "ID", ""}, {"Value1", "Stand", "[Y]"}}, h.filter());
    ASSERT_TRUE(ExportFormatListe::saveFormat(path, changed, "Heizung").ok());
    auto again = ExportFormatListe::load(path);
    ASSERT_TRUE(again.ok());
    ASSERT_EQ(again->size(), 2);
    EXPECT_EQ(again->at(0).name(), "Andere");
    EXPECT_EQ(again->at(1), changed);
    EXPECT_TRUE(readAll(path).startsWith("; Formate\r\n[Andere]\r\nirgendwas=bleibt\r\n"));

    ASSERT_TRUE(ExportFormatListe::deleteFormat(path, "Heizung 2").ok());
    EXPECT_EQ(ExportFormatListe::load(path)->size(), 1);

    // Names that cannot be a section, key or file name are refused and leave the file alone.
    const QByteArray before = readAll(path);
    EXPECT_FALSE(ExportFormatListe::saveFormat(path, ExportFormat("../x", {}, {}), {}).ok());
    EXPECT_FALSE(ExportFormatListe::saveFormat(path, ExportFormat("X", {{"a=b", "c", ""}}, {}), {}).ok());
    EXPECT_FALSE(
        ExportFormatListe::saveFormat(path, ExportFormat("X", {{"Option_A", "c", ""}}, {}), {}).ok());
    EXPECT_EQ(readAll(path), before);

    // A missing file is an empty list.
    EXPECT_TRUE(ExportFormatListe::load(dir.filePath("fehlt.EXF"))->empty());
}

TEST(ExportFormatFile, BadSectionsLoadWhatTheyCan) {
    QByteArray text =
        "[Kaputt]\r\nRadioID=A\r\nradioid=B\r\nOption_Value9=[M]\r\nValue1=Stand\r\n"
        "Option_Value1=[M]\r\nOption_Value1=[Y]\r\nFILT_LAENGE=abc\r\nohne Gleichheitszeichen\r\n"
        "[Riesig]\r\n";
    for (int i = 0; i < 10000; ++i)
        text += "S" + QByteArray::number(i) + "=H\r\nOption_S" + QByteArray::number(i) + "=[X]\r\n";
    QStringList messages;
    ExportFormatListe list = ExportFormatListe::fromIni(IniFile::fromBytes(text), &messages);
    ASSERT_EQ(list.size(), 2);
    const ExportFormat& k = list.at(0);
    EXPECT_EQ(k.columns(), (std::vector<ExportColumn>{{"RadioID", "A", ""}, {"Value1", "Stand", "[M]"}}));
    EXPECT_EQ(k.filter().rfidMin, "00000000"); // missing keys keep the defaults
    EXPECT_EQ(k.filter().rfidMax, "99999999");
    EXPECT_FALSE(k.filter().enabled);
    EXPECT_EQ(list.at(1).columns().size(), std::size_t(kMaxColumns));
    EXPECT_EQ(list.at(1).columns().back().option, "[X]");
    EXPECT_EQ(messages.size(), 3); // the repeated column, the stray option, the cut
}

TEST(ExportFormatListe, WritesEveryFormatItCanAndNamesTheOthers) {
    QTemporaryDir dir;
    const IniFile ini =
        IniFile::fromBytes("[Gut]\r\nRadioID=ID\r\nValue1=Stand\r\nUnit1=Einheit\r\n"
                           "FILT_MC=CEN\r\nFILT_MEDIUM=7\r\nFILT_LAENGE=46\r\nFILT_ENABLE=1\r\n"
                           "[Leer]\r\nRadioID=ID\r\nFILT_ENABLE=1\r\n"
                           "[Sch/lecht]\r\nRadioID=ID\r\nFILT_MC=KAM\r\nFILT_MEDIUM=7\r\n"
                           "FILT_LAENGE=46\r\nFILT_ENABLE=1\r\n");
    ExportFormatListe list = ExportFormatListe::fromIni(ini);
    auto r = telegram(0x12345678);
    r.values[0] = {"12,5", "m³"};
    ASSERT_EQ(list.apply(r, kMay), 0);
    ASSERT_EQ(list.apply(telegram(0x12345678, 46, "KAM"), kMay), 2);

    const QString folder = dir.filePath("consumption");
    const auto failures = list.writeAll(folder);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].format, "Sch/lecht");
    EXPECT_EQ(readAll(QDir(folder).filePath("Gut.csv")), "ID;Stand;Einheit\r\n12345678;12,5;m\xB3\r\n");
    EXPECT_FALSE(QFile::exists(QDir(folder).filePath("Leer.csv"))); // never used, nothing to write

    // A folder that cannot be made (a file stands in its way) is reported for every format.
    writeFile(dir.filePath("blockiert"), "x");
    EXPECT_EQ(list.writeAll(dir.filePath("blockiert")).size(), 2u);
}

TEST(ExportSample, WizardBuildsDatedColumnsFromATelegram) {
    auto r = telegram(0x33225544, 25, "SEN");
    r.values[0] = {"123,529", "m³"};
    r.values[1] = {"100,000", "m³[1]"};
    r.values[3] = {"7", "h"};
    const auto sample = sampleFields(4, wmbus::StoredResult::fromTelegram(r, 0));
    ASSERT_EQ(sample.size(), 16u);
    EXPECT_EQ(sample[0].name, "Index");
    EXPECT_EQ(sample[0].value, "4");
    EXPECT_EQ(sample[2].value, "33225544");
    EXPECT_EQ(sample[10].name, "Value1");
    EXPECT_EQ(sample[12].name, "Value2[1]");
    EXPECT_EQ(sample[14].name, "Value4"); // pair 3 is empty and left out
    EXPECT_EQ(sample[15].name, "Unit4");

    const auto columns = wizardColumns(sample);
    ASSERT_EQ(columns.size(), sample.size());
    EXPECT_EQ(columns[12], (ExportColumn{"Value2[1]", "100,000", "[M]"}));
    EXPECT_EQ(columns[10].option, "");
    EXPECT_EQ(columns[13].option, ""); // a unit is not dated

    // A format built from the sample takes the telegram it was built from, cell for cell.
    ExportFormat f("Neu", columns, sampleFilter(wmbus::StoredResult::fromTelegram(r, 0)));
    EXPECT_EQ(f.filter().laenge, "025");
    EXPECT_EQ(f.filter().medium, "07");
    ASSERT_TRUE(f.accepts(TelegramFields(r)));
    ExportSheet sheet(f);
    sheet.apply(r, kMay);
    const auto t = cells(sheet);
    EXPECT_EQ(t[0][12], "Value2 / 30.4.2026");
    EXPECT_EQ(t[1][12], "100,000");
    EXPECT_EQ(t[1][15], "h");
}

TEST(ExportFormatListe, ReloadKeepsTheTablesOfFormatsThatStay) {
    const QByteArray a =
        "[A]\r\nRadioID=ID\r\nFILT_MC=CEN\r\nFILT_MEDIUM=7\r\nFILT_LAENGE=46\r\nFILT_ENABLE=1\r\n";
    const QByteArray b =
        "[B]\r\nRadioID=ID\r\nFILT_MC=CEN\r\nFILT_MEDIUM=7\r\nFILT_LAENGE=46\r\nFILT_ENABLE=1\r\n";
    ExportFormatListe list = ExportFormatListe::fromIni(IniFile::fromBytes(a + b));
    list.apply(telegram(0x12345678), kMay);
    list.adopt(ExportFormatListe::fromIni(IniFile::fromBytes(b + a)));
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list.at(0).name(), "B");
    EXPECT_EQ(list.sheet(1).table().size(), 1);
    list.adopt(
        ExportFormatListe::fromIni(IniFile::fromBytes(QByteArray(a).replace("RadioID=ID", "TCount=Z"))));
    ASSERT_EQ(list.size(), 1);
    EXPECT_FALSE(list.sheet(0).started()); // new columns, new table
}
