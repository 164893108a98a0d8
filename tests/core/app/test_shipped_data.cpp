#include "core/app/ShippedData.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kvq;

namespace {

void touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

} // namespace

// A build tree keeps the files beside the program, an installation in <prefix>/share/kvq-commander;
// a file beside the program wins, and a missing file is looked for where an installation puts it.
TEST(ShippedData, BesideTheProgramThenBelowThePrefix) {
    QTemporaryDir tmp;
    const QString bin = tmp.filePath(QStringLiteral("prefix/bin"));
    const QString share = tmp.filePath(QStringLiteral("prefix/share/kvq-commander"));
    QDir().mkpath(bin);

    EXPECT_EQ(shippedDataFile(QStringLiteral("a.txt"), bin), share + QStringLiteral("/a.txt"));
    touch(share + QStringLiteral("/a.txt"));
    EXPECT_EQ(shippedDataFile(QStringLiteral("a.txt"), bin), share + QStringLiteral("/a.txt"));
    touch(bin + QStringLiteral("/a.txt"));
    EXPECT_EQ(shippedDataFile(QStringLiteral("a.txt"), bin), bin + QStringLiteral("/a.txt"));

    // A folder of the same name is no file.
    QDir().mkpath(bin + QStringLiteral("/b.txt"));
    touch(share + QStringLiteral("/b.txt"));
    EXPECT_EQ(shippedDataFile(QStringLiteral("b.txt"), bin), share + QStringLiteral("/b.txt"));
}
