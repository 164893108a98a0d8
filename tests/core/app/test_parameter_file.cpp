#include "core/app/ParameterFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kvq;

namespace {

QString writeBytes(const QTemporaryDir& dir, const QString& name, int size, char fill) {
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(QByteArray(size, fill));
    return path;
}

} // namespace

TEST(ParameterFile, OnlyTheExactSizeLoadsAndOnlyTheImageChanges) {
    QTemporaryDir tmp;
    const QString good = writeBytes(tmp, "a.HKV", 165, '\x5A');
    PARAmeter hca(DeviceFamily::HeatCostAllocator);
    hca.DataEHKV.ExtVersionFlag = true;
    hca.DeviceName = "FALKOII";
    ASSERT_TRUE(loadParameterFile(hca, good).ok());
    EXPECT_EQ(hca.DataEHKV.bytes[0], 0x5A);
    EXPECT_EQ(hca.DataEHKV.bytes[164], 0x5A);
    EXPECT_TRUE(hca.DataEHKV.ExtVersionFlag);
    EXPECT_EQ(hca.DeviceName, "FALKOII");

    // Only the size is tested: the same file is a thermometer record too.
    PARAmeter thermo(DeviceFamily::RadioThermometer);
    ASSERT_TRUE(loadParameterFile(thermo, good).ok());
    EXPECT_EQ(thermo.DataWMTHERMO[100], 0x5A);

    for (int size : {164, 166, 0}) {
        PARAmeter before(DeviceFamily::HeatCostAllocator);
        PARAmeter p = before;
        const Status s = loadParameterFile(p, writeBytes(tmp, "b.HKV", size, '\x01'));
        EXPECT_EQ(s.code(), kParameterFileWrongSize) << size;
        EXPECT_EQ(s.message().toStdString(), "Die Datei hat nicht die erwartete Größe!");
        EXPECT_EQ(p.DataEHKV.bytes, before.DataEHKV.bytes);
    }
    PARAmeter p(DeviceFamily::HeatCostAllocator);
    EXPECT_EQ(loadParameterFile(p, tmp.filePath("missing.HKV")).code(), kParameterFileUnreadable);
}

TEST(ParameterFile, SaveReplacesTheExtensionAndWritesTheWholeImage) {
    QTemporaryDir tmp;
    EXPECT_EQ(withParameterExtension(tmp.filePath("meter1.txt"), DeviceFamily::WaterMeterModule),
              tmp.filePath("meter1.WAZ"));
    EXPECT_EQ(withParameterExtension("meter1", DeviceFamily::HeatCostAllocator), "meter1.HKV");
    EXPECT_EQ(withParameterExtension(tmp.filePath("a.b.wtm"), DeviceFamily::RadioThermometer),
              tmp.filePath("a.b.WTM"));

    PARAmeter wz(DeviceFamily::WaterMeterModule);
    wz.DataWZBRAM[314] = 0xA5;
    const QString path = withParameterExtension(tmp.filePath("meter1.txt"), DeviceFamily::WaterMeterModule);
    ASSERT_TRUE(saveParameterFile(wz, path).ok());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    ASSERT_EQ(bytes.size(), 315);
    EXPECT_EQ(std::uint8_t(bytes[314]), 0xA5);

    // A folder in the way: the failure names the file.
    const Status s = saveParameterFile(wz, tmp.filePath("nofolder/x.WAZ"));
    EXPECT_EQ(s.code(), kParameterFileUnwritable);
    EXPECT_TRUE(s.message().contains("x.WAZ"));
}
