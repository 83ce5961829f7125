#include <gtest/gtest.h>

#include "core/Codec.h"
#include "settings/HotKeySettings.h"
#include "support/TempFolder.h"

namespace {

class HotKeySettingsTest : public ::testing::Test {
protected:
    void writeIni(const QString& text) { folder.write(folder.saveFile("Setting.ini"), codec::EncodeTextFile(text)); }

    TempFolder folder;
    IniStore ini{folder.paths()};
    HotKeys keys;
};

} // namespace

TEST_F(HotKeySettingsTest, NoSectionGivesTheBuiltInTable)
{
    LoadHotKeySettings(ini, keys);
    EXPECT_EQ(keys.HotKeyName[0], "非表示/再表示");
    EXPECT_EQ(keys.HotKeyName[4], "追加貼り付け");
    const std::array<std::array<int16_t, 2>, 5> builtIn{{{0, 19}, {1, 38}, {1, 40}, {1, 19}, {5, 19}}};
    for (int s = 0; s < 5; ++s)
        EXPECT_EQ(keys.HotKeyTable[s], builtIn[s]) << s;
    for (int s = 5; s < HotKeys::kSlots; ++s) {
        EXPECT_EQ(keys.HotKeyName[s], "") << s;
        EXPECT_EQ(keys.HotKeyTable[s], (std::array<int16_t, 2>{0, 0})) << s;
    }
}

TEST_F(HotKeySettingsTest, APresentSectionIsTakenAsItStands)
{
    writeIni("[HotKey]\r\nName0=表示\r\nShift0=2\r\nKeyCode0=80\r\nName3=貼り付け\r\nShift3=1\r\n");
    keys.HotKeyTable[6] = {4, 65}; // a missing value keeps what the table held
    LoadHotKeySettings(ini, keys);
    EXPECT_EQ(keys.HotKeyName[0], "表示");
    EXPECT_EQ(keys.HotKeyTable[0], (std::array<int16_t, 2>{2, 80}));
    EXPECT_EQ(keys.HotKeyTable[3], (std::array<int16_t, 2>{1, 0})); // no built-in key code
    EXPECT_EQ(keys.HotKeyName[1], "");
    EXPECT_EQ(keys.HotKeyTable[1], (std::array<int16_t, 2>{0, 0}));
    EXPECT_EQ(keys.HotKeyTable[6], (std::array<int16_t, 2>{4, 65}));
}

TEST_F(HotKeySettingsTest, SavedTableLoadsBackWhole)
{
    SetDefaultHotKeyNames(keys);
    keys.HotKeyName[16] = "ｶﾅ🙂";
    keys.HotKeyTable[16] = {6, 123};
    keys.HotKeyTable[2] = {0, 0};
    SaveHotKeySettings(ini, keys);
    const QString file = codec::DecodeTextFile(folder.read(folder.saveFile("Setting.ini")));
    EXPECT_TRUE(file.startsWith("[HotKey]\r\nName0=非表示/再表示\r\nShift0=0\r\nKeyCode0=19\r\nName1="));
    EXPECT_TRUE(file.contains("\r\nName5=\r\nShift5=0\r\nKeyCode5=0\r\n"));
    EXPECT_TRUE(file.endsWith("\r\nName16=ｶﾅ🙂\r\nShift16=6\r\nKeyCode16=123\r\n"));

    HotKeys loaded;
    LoadHotKeySettings(ini, loaded);
    EXPECT_EQ(loaded.HotKeyName, keys.HotKeyName);
    EXPECT_EQ(loaded.HotKeyTable, keys.HotKeyTable); // a stored 0 is not replaced by a default
}

TEST_F(HotKeySettingsTest, ValuesBeyond16BitsSaturate)
{
    writeIni("[HotKey]\r\nName0=x\r\nShift0=70000\r\nKeyCode0=-70000\r\nKeyCode1=2.5\r\n");
    LoadHotKeySettings(ini, keys);
    EXPECT_EQ(keys.HotKeyTable[0], (std::array<int16_t, 2>{INT16_MAX, INT16_MIN}));
    EXPECT_EQ(keys.HotKeyTable[1][HotKeys::kKeyCode], 2);
}
