#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <unistd.h>

#include "core/FileStore.h"
#include "core/ProgramPaths.h"
#include "support/FileSizeLimit.h"
#include "support/ReadOnlyFolder.h"
#include "support/TempFolder.h"

using namespace filestore;

TEST(FileStore, ReplacesTheWholeFile)
{
    TempFolder folder;
    const QString path = folder.path() + "/a.txt";
    ASSERT_TRUE(ReplaceFile(path, QByteArray(1000, 'x')));
    ASSERT_TRUE(ReplaceFile(path, QByteArray("short")));
    EXPECT_EQ(ReadWholeFile(path).value(), QByteArray("short"));   // no old tail left behind
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1); // no temporary left behind
}

TEST(FileStore, AFailedWriteLeavesTheOldFileWhole)
{
    TempFolder folder;
    const QString path = folder.path() + "/Setting.ini";
    ASSERT_TRUE(ReplaceFile(path, QByteArray("old content")));
    {
        FileSizeLimit fullDisk(100);
        EXPECT_FALSE(ReplaceFile(path, QByteArray(5000, 'n')));
    }
    EXPECT_EQ(ReadWholeFile(path).value(), QByteArray("old content"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1);
}

TEST(FileStore, WritingIntoAMissingFolderFails)
{
    TempFolder folder;
    EXPECT_FALSE(ReplaceFile(folder.path() + "/missing/x.txt", "x"));
    EXPECT_FALSE(QDir(folder.path() + "/missing").exists());
}

TEST(FileStore, WritingIntoAReadOnlyFolderFails)
{
    TempFolder folder;
    const QString path = folder.path() + "/ro/x.txt";
    QDir().mkpath(folder.path() + "/ro");
    ASSERT_TRUE(ReplaceFile(path, "old"));
    {
        ReadOnlyFolder ro(folder.path() + "/ro");
        if (!ro.ok())
            GTEST_SKIP() << "the folder cannot be made read-only here";
        EXPECT_FALSE(ReplaceFile(path, "new"));
    }
    EXPECT_EQ(ReadWholeFile(path).value(), QByteArray("old"));
}

TEST(FileStore, ReadsAreBounded)
{
    TempFolder folder;
    const QString path = folder.path() + "/big";
    ASSERT_TRUE(ReplaceFile(path, QByteArray(4096, 'b')));
    EXPECT_FALSE(ReadWholeFile(path, 1000).has_value());
    EXPECT_EQ(ReadFileStart(path, 10).value().size(), 10);
    EXPECT_FALSE(ReadWholeFile(folder.path() + "/none").has_value());
}

TEST(ProgramPaths, DataFolderJoinsWithOneSeparator)
{
    EXPECT_EQ(ProgramPaths("/opt/reader").dataFile("Setting.ini"), "/opt/reader/Save/Setting.ini");
    EXPECT_EQ(ProgramPaths("/opt/reader/").dataFolder(), "/opt/reader/Save/");
    EXPECT_EQ(ProgramPaths("/").dataFile("clip.txt"), "/Save/clip.txt");
    EXPECT_EQ(ProgramPaths("C:\\").dataFolder(), "C:\\Save/");
    EXPECT_EQ(ProgramPaths("/opt/reader").programFile("KeyMap.tbl"), "/opt/reader/KeyMap.tbl");
}
