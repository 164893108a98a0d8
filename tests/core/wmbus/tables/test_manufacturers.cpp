#include "core/wmbus/ManufacturerDescriptions.h"
#include "core/wmbus/ManufacturerLists.h"

#include "TestData.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kvq::wmbus;

namespace {
QString writeFile(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString path = dir.filePath(QStringLiteral("mbusMANCODE.txt"));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}
} // namespace

TEST(ManufacturerDescriptions, MissingFileGivesItsMessage) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mbusMANCODE.txt"));
    const auto r = ManufacturerDescriptions(path).describe(QStringLiteral("ABB"));
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.message(),
              QStringLiteral("File ") + QDir::toNativeSeparators(path) + QStringLiteral(" missing!"));
}

TEST(ManufacturerDescriptions, LooksUpCodesAndBreaksOnlyTheFirstComma) {
    QTemporaryDir dir;
    const QString path = writeFile(dir, "; comment\r\n[OTHER]\r\nABB=wrong section\r\n"
                                        "[mancode]\r\nABB = ABB AG, Mannheim, Germany\r\n"
                                        "QLM=QUELMAR\r\nqds=Qundis, Germany\r\nABB=second entry\r\n");
    const ManufacturerDescriptions d(path);
    EXPECT_EQ(d.describe(QStringLiteral("ABB")).value(), QStringLiteral("ABB AG\n Mannheim, Germany"));
    EXPECT_EQ(d.describe(QStringLiteral("QLM")).value(), QStringLiteral("QUELMAR"));
    EXPECT_EQ(d.describe(QStringLiteral("QDS")).value(), QStringLiteral("Qundis\n Germany"));
    EXPECT_EQ(d.describe(QStringLiteral("XYZ")).value(), QStringLiteral("keine Information"));
    EXPECT_EQ(d.rawText(QStringLiteral("ABB")), QStringLiteral("ABB AG, Mannheim, Germany"));
}

TEST(ManufacturerDescriptions, ReadsWindows1252AndUtf8Files) {
    QTemporaryDir dir;
    const QString path = writeFile(dir, "[MANCODE]\nWZG=Neumann Wasserz\xE4hler Glaubitz, Deutschland\n");
    EXPECT_EQ(ManufacturerDescriptions(path).describe(QStringLiteral("WZG")).value(),
              QStringLiteral("Neumann Wasserzähler Glaubitz\n Deutschland"));
    writeFile(dir, "\xEF\xBB\xBF[MANCODE]\nWZG=Wasserz\xC3\xA4hler\n");
    EXPECT_EQ(ManufacturerDescriptions(path).describe(QStringLiteral("WZG")).value(),
              QStringLiteral("Wasserzähler"));
}

TEST(ManufacturerDescriptions, ShippedFileDescribesCommonCodes) {
    const ManufacturerDescriptions d(kvq::test::sourceDir() + QStringLiteral("/data/mbusMANCODE.txt"));
    EXPECT_EQ(d.describe(QStringLiteral("ABB")).value(), QStringLiteral("ABB\n Sweden"));
    EXPECT_NE(d.describe(QStringLiteral("QDS")).value(), QStringLiteral("keine Information"));
    EXPECT_NE(d.describe(QStringLiteral("EFE")).value(), QStringLiteral("keine Information"));
}

TEST(ReceivedManufacturers, KeepsDistinctCodesInOrderOfFirstAppearance) {
    ReceivedManufacturers list;
    EXPECT_TRUE(list.note(0x0443));
    EXPECT_TRUE(list.note(0x0CAE));
    EXPECT_FALSE(list.note(0x0443));
    EXPECT_FALSE(list.note(0x8443)); // same letters, bit 15 set
    EXPECT_FALSE(list.note(unpackFlagCode(0x0CAE)));
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list.codes()[0].view(), "ABC");
    EXPECT_EQ(list.codes()[1].view(), "CEN");
    list.clear();
    EXPECT_TRUE(list.note(0x0CAE));
    EXPECT_EQ(list.size(), 1u);
}

TEST(ManufacturerFilterList, AddsOnlyThreeCharacterCodesInUpperCase) {
    ManufacturerFilterList list(QStringList{QStringLiteral("QLM")});
    EXPECT_FALSE(list.add(QStringLiteral("AB")).ok());
    EXPECT_FALSE(list.add(QStringLiteral("ABCD")).ok());
    EXPECT_EQ(list.add(QStringLiteral("abc")).value(), QStringLiteral("ABC"));
    EXPECT_EQ(list.codes(), (QStringList{QStringLiteral("QLM"), QStringLiteral("ABC")}));
    EXPECT_FALSE(list.isChecked(0));
}

TEST(ManufacturerFilterList, PassesTickedCodesOrEveryoneWhenNoneIsTicked) {
    ManufacturerFilterList list;
    list.add(QStringLiteral("kam"));
    list.add(QStringLiteral("QDS"));
    EXPECT_TRUE(list.passes("EFE"));
    list.setChecked(1, true);
    EXPECT_TRUE(list.anyChecked());
    EXPECT_TRUE(list.passes("QDS"));
    EXPECT_FALSE(list.passes("KAM"));
    list.setChecked(0, true);
    EXPECT_TRUE(list.passes("KAM"));
    // Removing a ticked entry must take its tick away, not move it to a neighbour.
    EXPECT_TRUE(list.removeAt(1));
    EXPECT_FALSE(list.passes("QDS"));
    EXPECT_TRUE(list.passes("KAM"));
    EXPECT_TRUE(list.removeAt(0));
    EXPECT_FALSE(list.removeAt(0));
    EXPECT_TRUE(list.passes("QDS"));
}
