#include "core/devices/variants/RadioVariants.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kvq::variants;

TEST(RadioVariants, SavedVariantLoadsBackAndKeepsTheOthers) {
    QTemporaryDir tmp;
    const QString path = tmp.filePath("QUELMAR/KVQ/Radiovarianten.ini");

    RadioVariant v;
    v.months[0] = v.months[11] = true;
    v.weeks[4] = true;
    v.days[5] = true;
    v.t1 = true;
    v.aes = true;
    v.start = 7;
    v.stop = 18;
    v.cycle = 23;
    v.variance = 5;
    const std::array<QString, 4> texts{"eins", "zwei", "drei", "vier"};
    ASSERT_TRUE(saveVariant(path, 2, v, texts).ok());
    RadioVariant other;
    other.s1 = true;
    other.cycle = 300;
    ASSERT_TRUE(saveVariant(path, 3, other, texts).ok());

    const auto back = loadVariant(path, 2);
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back->text, "zwei");
    EXPECT_EQ(back->months, v.months);
    EXPECT_EQ(back->weeks, v.weeks);
    EXPECT_EQ(back->days, v.days);
    EXPECT_TRUE(back->t1 && back->aes && !back->s1);
    EXPECT_EQ(back->start, 7);
    EXPECT_EQ(back->stop, 18);
    EXPECT_EQ(back->cycle, 23);
    EXPECT_EQ(back->variance, 5);
    EXPECT_EQ(loadVariant(path, 3)->cycle, 300);
    EXPECT_EQ(loadDescriptions(path)->at(3), "vier");
}

TEST(RadioVariants, MissingSectionOrKeysReadAsNothing) {
    QTemporaryDir tmp;
    const QString path = tmp.filePath("v.ini");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Variante1]\r\nText=kurz\r\nJan=1\r\nZyclus=abc\r\n");
    f.close();
    const auto one = loadVariant(path, 1);
    ASSERT_TRUE(one.ok());
    EXPECT_TRUE(one->months[0]);
    EXPECT_FALSE(one->months[1]);
    EXPECT_EQ(one->cycle, 0);
    const auto four = loadVariant(path, 4);
    ASSERT_TRUE(four.ok());
    EXPECT_TRUE(four->text.isEmpty());
    EXPECT_EQ(four->months, (std::array<bool, 12>{}));
    EXPECT_TRUE(loadVariant(tmp.filePath("none.ini"), 1).ok());
}
