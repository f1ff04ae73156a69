#include "platform/TempFiles.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

TEST(TempFiles, SoundFileLivesInAPrivateFolderNotTheCurrentOne)
{
    const QString path = platform::soundFilePath();
    const QFileInfo info(path);
    EXPECT_EQ(info.fileName(), QStringLiteral("dummy.wav"));
    EXPECT_NE(info.absolutePath(), QDir::currentPath());
    EXPECT_TRUE(QFileInfo(info.absolutePath()).isDir());
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
        | QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(QFileInfo(info.absolutePath()).permissions() & others, QFile::Permissions());
    // one folder for the whole run
    EXPECT_EQ(platform::temporaryFilePath(QStringLiteral("other.wav")), info.absolutePath() + QStringLiteral("/other.wav"));
}
