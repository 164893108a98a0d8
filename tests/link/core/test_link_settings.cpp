#include "core/app/IniFile.h"
#include "core/link/LinkSettings.h"

#include <gtest/gtest.h>

using namespace kvq;

TEST(LinkSettings, VersionRangesAreReadPerFamilyAndNeverWritten) {
    LinkSettings s;
    s.read(IniFile::fromBytes("[Version]\nEHKVMin=40\nWZMax=99\n[COM]\ncom1=5\ncom2ative=1\n"));
    EXPECT_EQ(s.SIO1Port, 5);
    EXPECT_TRUE(s.SIO2Active);
    EXPECT_TRUE(s.versions.of(0).contains(40));
    EXPECT_TRUE(s.versions.of(0).contains(72)) << "the missing maximum keeps its default";
    EXPECT_FALSE(s.versions.of(0).contains(73));
    EXPECT_TRUE(s.versions.of(1).contains(13));
    EXPECT_FALSE(s.versions.of(1).contains(14));
    EXPECT_TRUE(s.versions.of(2).contains(99));
    EXPECT_FALSE(s.versions.of(2).contains(9));
    EXPECT_FALSE(s.versions.of(3).contains(0)) << "an unknown family accepts no version";

    IniFile out;
    s.write(out);
    EXPECT_FALSE(out.toBytes().contains("Version"));
    EXPECT_TRUE(out.toBytes().contains("com1=5"));
}
