#include "core/app/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kvq;

namespace {
QByteArray readAll(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}
} // namespace

TEST(IniFile, LookupIgnoresCaseAndKeepsValuesVerbatim) {
    const IniFile ini = IniFile::fromBytes("[Com]\r\nCOM1=3\r\nPath=C:\\Daten\\x.csv\r\nList=1,5\r\n"
                                           "Text=a;b \"quoted\"\r\n  Spaced  =  value  \r\n");
    EXPECT_EQ(ini.readInteger("COM", "com1", 0), 3);
    EXPECT_EQ(ini.readString("com", "PATH"), "C:\\Daten\\x.csv");
    EXPECT_EQ(ini.readString("COM", "list"), "1,5");
    EXPECT_EQ(ini.readString("COM", "Text"), "a;b \"quoted\"");
    EXPECT_EQ(ini.readString("COM", "spaced"), "value");
    EXPECT_EQ(ini.readString("COM", "missing", "dflt"), "dflt");
    EXPECT_EQ(ini.readString("Nope", "com1", "d"), "d");
}

TEST(IniFile, NumbersAndBooleansFallBackToDefaults) {
    const IniFile ini = IniFile::fromBytes("[S]\nA=12\nB=-3\nC=x1\nD=\nT=1\nF=0\nOther=7\nFl=1,5\n");
    EXPECT_EQ(ini.readInteger("S", "A", 0), 12);
    EXPECT_EQ(ini.readInteger("S", "B", 0), -3);
    EXPECT_EQ(ini.readInteger("S", "C", 99), 99);
    EXPECT_EQ(ini.readInteger("S", "D", 98), 98);
    EXPECT_TRUE(ini.readBool("S", "T", false));
    EXPECT_FALSE(ini.readBool("S", "F", true));
    EXPECT_TRUE(ini.readBool("S", "Other", false));
    EXPECT_TRUE(ini.readBool("S", "C", true));
    EXPECT_DOUBLE_EQ(ini.readFloat("S", "Fl", 0), 1.5);
}

TEST(IniFile, UnchangedFileIsWrittenBackByteForByte) {
    const QByteArray original = "; comment\r\n[First]\r\nKey = Value \r\n\r\n[Umlaut]\r\nName=M\xFC"
                                "ller\r\n[empty]\r\nnoequals line\r\n";
    IniFile ini = IniFile::fromBytes(original);
    EXPECT_EQ(ini.toBytes(), original);
    ini.writeString("first", "KEY", "Value"); // same value: the original line stays
    EXPECT_EQ(ini.toBytes(), original);
    const QByteArray lf = "[A]\nx=1\ny=2";
    EXPECT_EQ(IniFile::fromBytes(lf).toBytes(), lf);
}

TEST(IniFile, WritesKeepOrderAndUnknownSections) {
    IniFile ini = IniFile::fromBytes("[Unknown]\r\nz=1\r\na=2\r\n\r\n[WMBUS]\r\nX=1\r\n");
    ini.writeString("unknown", "m", "3");
    ini.writeInteger("Unknown", "Z", 5);
    ini.writeString("New", "k", "v");
    EXPECT_EQ(ini.keys("Unknown"), (QStringList{"z", "a", "m"}));
    EXPECT_EQ(ini.sections(), (QStringList{"Unknown", "WMBUS", "New"}));
    EXPECT_EQ(ini.toBytes(),
              QByteArray("[Unknown]\r\nz=5\r\na=2\r\nm=3\r\n\r\n[WMBUS]\r\nX=1\r\n[New]\r\nk=v\r\n"));
}

TEST(IniFile, EraseSectionAndDeleteKey) {
    IniFile ini = IniFile::fromBytes("[A]\nk=1\n[B]\nk=2\nj=3\n[C]\nk=4\n");
    ini.eraseSection("b");
    EXPECT_FALSE(ini.sectionExists("B"));
    EXPECT_EQ(ini.readInteger("C", "k", 0), 4);
    ini.writeString("B", "new", "x");
    EXPECT_EQ(ini.keys("B"), QStringList{"new"});
    ini.deleteKey("A", "K");
    EXPECT_FALSE(ini.valueExists("A", "k"));
    EXPECT_TRUE(ini.sectionExists("A"));
}

TEST(IniFile, EncodingIsDetectedAndKept) {
    // Windows-1252: ü = FC, € = 80.
    IniFile cp = IniFile::fromBytes("[S]\r\nName=Gr\xFC\xDF\x65 \x80\r\n");
    EXPECT_EQ(cp.encoding(), TextEncoding::Windows1252);
    EXPECT_EQ(cp.readString("S", "Name"), QString::fromUtf8("Grüße €"));
    cp.writeString("S", "Other", QString::fromUtf8("Ä"));
    EXPECT_TRUE(cp.toBytes().contains("Other=\xC4"));

    IniFile utf = IniFile::fromBytes("[S]\nName=Gr\xC3\xBC\xC3\x9F\x65\n");
    EXPECT_EQ(utf.encoding(), TextEncoding::Utf8);
    EXPECT_EQ(utf.readString("S", "Name"), QString::fromUtf8("Grüße"));
    utf.writeString("S", "X", QString::fromUtf8("Ö"));
    EXPECT_TRUE(utf.toBytes().contains("X=\xC3\x96"));

    IniFile bom = IniFile::fromBytes("\xEF\xBB\xBF[S]\nA=\xC3\xA4\n");
    EXPECT_EQ(bom.encoding(), TextEncoding::Utf8Bom);
    EXPECT_EQ(bom.readString("s", "a"), QString::fromUtf8("ä"));
    EXPECT_TRUE(bom.toBytes().startsWith("\xEF\xBB\xBF[S]"));

    // A text Windows-1252 cannot hold turns the file into UTF-8 rather than losing characters.
    IniFile fresh;
    fresh.writeString("S", "Greek", QString::fromUtf8("Ωmega"));
    EXPECT_EQ(IniFile::fromBytes(fresh.toBytes()).readString("S", "Greek"), QString::fromUtf8("Ωmega"));
}

TEST(IniFile, SaveReplacesAtomicallyAndMissingFileIsEmpty) {
    QTemporaryDir dir;
    const QString path = dir.filePath("x.ini");
    auto missing = IniFile::load(path);
    ASSERT_TRUE(missing.ok());
    EXPECT_FALSE(missing->existed());

    IniFile ini;
    ini.writeString("A", "k", QString::fromUtf8("Müller"));
    ASSERT_TRUE(ini.save(path).ok());
    EXPECT_EQ(readAll(path), QByteArray("[A]\r\nk=M\xFCller\r\n"));
    auto loaded = IniFile::load(path);
    ASSERT_TRUE(loaded.ok());
    EXPECT_TRUE(loaded->existed());
    EXPECT_EQ(loaded->readString("A", "k"), QString::fromUtf8("Müller"));

    // A folder that does not exist: the save fails with a message and writes nothing.
    const Status bad = ini.save(dir.filePath("no/such/dir/x.ini"));
    EXPECT_FALSE(bad.ok());
    EXPECT_FALSE(bad.message().isEmpty());
    // The old file survives a failed replace (target is a directory that cannot be replaced).
    QDir(dir.path()).mkdir("occupied.ini");
    QFile(dir.filePath("occupied.ini/keep")).open(QIODevice::WriteOnly);
    EXPECT_FALSE(ini.save(dir.filePath("occupied.ini")).ok());
    EXPECT_TRUE(QFile::exists(dir.filePath("occupied.ini/keep")));
}

TEST(IniFile, LargeFilesStayIndexed) {
    QByteArray big;
    for (int i = 0; i < 20000; ++i)
        big += "[HAUS1_S" + QByteArray::number(i) + "]\nID=" + QByteArray::number(i) + "\n";
    const IniFile ini = IniFile::fromBytes(big);
    long long sum = 0;
    for (int i = 0; i < 20000; ++i)
        sum += ini.readInteger(QStringLiteral("haus1_s%1").arg(i), "id", 0);
    EXPECT_EQ(sum, 19999LL * 20000 / 2);
}
