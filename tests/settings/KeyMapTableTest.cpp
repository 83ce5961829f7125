#include <gtest/gtest.h>

#include <QFile>

#include "core/Codec.h"
#include "settings/KeyMapTable.h"
#include "support/TempFolder.h"

TEST(KeyMapTable, TheSuppliedTableNamesTheCapturableKeys)
{
    TempFolder folder;
    const ProgramPaths paths = folder.paths();
    ASSERT_TRUE(QFile::copy(TR_SOURCE_DIR "/data/KeyMap.tbl", paths.programFile("KeyMap.tbl")));
    EXPECT_EQ(LoadKeyMapTable(paths, 19), "Pause");
    EXPECT_EQ(LoadKeyMapTable(paths, 21), "かな");
    EXPECT_EQ(LoadKeyMapTable(paths, 220), "\\");
    EXPECT_EQ(LoadKeyMapTable(paths, 0), "");
    for (int code : {8, 9, 13, 27, 32, 33, 37, 38, 39, 40, 45, 46, 48, 57, 65, 90, 112, 123})
        EXPECT_NE(LoadKeyMapTable(paths, int16_t(code)), "") << code;
}

TEST(KeyMapTable, FieldsAreReadTwoAtATime)
{
    const QString table = "3,\"Cancel\"\r\n\"19\",\"quoted code\"\r\n19 , \"Pause, Break\" junk\r\n"
                          "  20\r\n\"Caps\"\n\n 65,A\r\n66,\"B\"";
    EXPECT_EQ(FindKeyName(table, 19), "Pause, Break"); // the quoted "19" is text, not a code
    EXPECT_EQ(FindKeyName(table, 20), "Caps");         // a pair may span lines
    EXPECT_EQ(FindKeyName(table, 65), "A");
    EXPECT_EQ(FindKeyName(table, 66), "B");
    EXPECT_EQ(FindKeyName(table, 4), "");
    EXPECT_EQ(FindKeyName(u"1,\"a\"\r\n2", 2), ""); // a code without its name
    EXPECT_EQ(FindKeyName(u"x,\"a\",5,\"five\"", 5), "five");
    EXPECT_EQ(FindKeyName(u"\"unclosed\r\n7,\"seven\"", 7), "");
    EXPECT_EQ(FindKeyName(u"", 7), "");
}

TEST(KeyMapTable, OnlyTheProgramFolderIsSearchedAndHandEncodingsAreRead)
{
    TempFolder folder;
    const ProgramPaths paths = folder.paths();
    folder.write(paths.dataFile("KeyMap.tbl"), "19,\"Pause\"\r\n");
    EXPECT_EQ(LoadKeyMapTable(paths, 19), ""); // Save/ is not the program folder

    folder.write(paths.programFile("KeyMap.tbl"), codec::EncodeCp932(u"28,\"変換\"\r\n").value());
    EXPECT_EQ(LoadKeyMapTable(paths, 28), "変換");
    folder.write(paths.programFile("KeyMap.tbl"), "\xEF\xBB\xBF" "29,\"無変換\"\r\n");
    EXPECT_EQ(LoadKeyMapTable(paths, 29), "無変換");
    folder.write(paths.programFile("KeyMap.tbl"), "29,\"other\"\r\n"); // read anew each time
    EXPECT_EQ(LoadKeyMapTable(paths, 29), "other");
}
