#include "core/app/LanguageFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kvq;

// The three-letter abbreviation first, then its two-letter form; nothing that could leave the folder.
TEST(LanguageFiles, TranslationFileNames) {
    EXPECT_EQ(translationFileNames(QStringLiteral("ENG")),
              (QStringList{QStringLiteral("kvq_eng.qm"), QStringLiteral("kvq_en.qm")}));
    EXPECT_EQ(translationFileNames(QStringLiteral("DE")), QStringList{QStringLiteral("kvq_de.qm")});
    EXPECT_EQ(translationFileNames(QStringLiteral(" fra ")),
              (QStringList{QStringLiteral("kvq_fra.qm"), QStringLiteral("kvq_fr.qm")}));
    EXPECT_TRUE(translationFileNames(QString()).isEmpty());
    EXPECT_TRUE(translationFileNames(QStringLiteral("../ENG")).isEmpty());
    EXPECT_TRUE(translationFileNames(QStringLiteral("E N")).isEmpty());
}

TEST(LanguageFiles, ManualOfTheHelpFile) {
    EXPECT_EQ(manualPageFor(QStringLiteral("KVQ_Help_eng.chm")), QStringLiteral("manual/en/index.html"));
    EXPECT_EQ(manualPageFor(QStringLiteral("KVQ_Help_de.chm")), QStringLiteral("manual/de/index.html"));
    EXPECT_EQ(manualPageFor(QStringLiteral("Hilfe.chm")), QStringLiteral("manual/de/index.html"));
}

// The file is created with its folder, other keys of it stay, and a file that cannot be written says so.
TEST(LanguageFiles, RememberedLanguage) {
    QTemporaryDir tmp;
    const QString path = tmp.filePath(QStringLiteral("user/kvq-user.ini"));
    EXPECT_EQ(readRememberedLanguage(path), QString());
    ASSERT_TRUE(rememberLanguage(path, QStringLiteral("ENG")).ok());
    EXPECT_EQ(readRememberedLanguage(path), QStringLiteral("ENG"));

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("[Other]\r\nKey=1\r\n");
    f.close();
    ASSERT_TRUE(rememberLanguage(path, QStringLiteral("DE")).ok());
    EXPECT_EQ(readRememberedLanguage(path), QStringLiteral("DE"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("Key=1"));
    f.close();

    // A folder where the file belongs cannot be replaced by a file.
    QDir().mkpath(tmp.filePath(QStringLiteral("blocked/kvq-user.ini")));
    const Status failed =
        rememberLanguage(tmp.filePath(QStringLiteral("blocked/kvq-user.ini")), QStringLiteral("ENG"));
    EXPECT_FALSE(failed.ok());
    EXPECT_TRUE(failed.message().contains(QStringLiteral("kvq-user.ini"))) << failed.message().toStdString();

    // A folder that cannot be made: a file stands where it belongs.
    QFile blocker(tmp.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const Status noFolder =
        rememberLanguage(tmp.filePath(QStringLiteral("file/user/kvq-user.ini")), QStringLiteral("ENG"));
    EXPECT_FALSE(noFolder.ok());
    EXPECT_TRUE(noFolder.message().contains(QStringLiteral("kvq-user.ini")))
        << noFolder.message().toStdString();
}
