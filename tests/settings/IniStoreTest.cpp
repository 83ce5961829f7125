#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <unistd.h>

#include "core/Codec.h"
#include "settings/IniStore.h"
#include "support/FileSizeLimit.h"
#include "support/ReadOnlyFolder.h"
#include "support/TempFolder.h"

namespace {

QByteArray Cp932(const QString& text) { return codec::EncodeCp932(text).value(); }

class IniStoreTest : public ::testing::Test {
protected:
    void writeIni(const QByteArray& bytes) { folder.write(path(), bytes); }
    QByteArray readIni() const { return folder.read(path()); }
    QString path() const { return folder.saveFile("Setting.ini"); }

    TempFolder folder;
    IniStore ini{folder.paths()};
};

} // namespace

TEST_F(IniStoreTest, MissingAndEmptyValuesReadAlike)
{
    writeIni("[S]\r\nEmpty=\r\nQuotedEmpty=\"\"\r\n");
    for (const char* key : {"Empty", "QuotedEmpty", "Absent"}) {
        SCOPED_TRACE(key);
        EXPECT_EQ(ini.ReadIniValue("S", key), IniValue());
        EXPECT_EQ(ini.ReadIniNumber("S", key), 0);
        EXPECT_EQ(ini.ReadIniFlag("S", key), IniValue::fromBoolean(false));
        EXPECT_EQ(ini.ReadIniNumberOr("S", key, 7), 7);
        EXPECT_EQ(ini.LastIniText(), "");
        EXPECT_EQ(ini.ReadIniText("S", key, 100), IniValue());
    }
    EXPECT_EQ(ini.ReadIniNumberOr("Absent", "Empty", -3), -3);

    IniStore noFolder{TempFolder().paths(false)};
    EXPECT_EQ(noFolder.ReadIniNumberOr("S", "Empty", 7), 7);
    EXPECT_EQ(noFolder.ReadIniValue("S", "Empty"), IniValue());
}

TEST_F(IniStoreTest, StoredZeroAndBooleansAreNotDefaults)
{
    writeIni("[S]\r\nZero=0\r\nYes=True\r\nNo=False\r\nlower=true\r\nNum= 12abc\r\nHex=&H1F\r\n");
    EXPECT_EQ(ini.ReadIniNumberOr("S", "Zero", 7), 0);
    EXPECT_EQ(ini.ReadIniValue("S", "Yes"), IniValue::fromBoolean(true));
    EXPECT_EQ(ini.LastIniText(), "True");
    EXPECT_EQ(ini.ReadIniNumberOr("S", "Yes", 7), 0); // not empty, and its number is 0
    EXPECT_EQ(ini.ReadIniFlag("S", "No"), IniValue::fromBoolean(false));
    EXPECT_EQ(ini.ReadIniValue("S", "lower"), IniValue::fromText("true"));
    EXPECT_EQ(ini.ReadIniNumber("S", "Num"), 12);
    EXPECT_EQ(ini.ReadIniNumber("S", "Hex"), 31);
}

TEST_F(IniStoreTest, NamesIgnoreCaseAndTheFirstMatchWins)
{
    writeIni("; comment=1\r\n[hotkey]\r\n  name0 =  first  \r\nNAME0=second\r\n"
             "Quoted=\"  keeps inner blanks \"\r\nHalf=\"open\r\n"
             "[HotKey]\r\nName0=third\r\nOnlyLater=x\r\n");
    EXPECT_EQ(ini.ReadIniValue("HotKey", "Name0").toText(), "first");
    EXPECT_EQ(ini.ReadIniValue("HOTKEY", "quoted").toText(), "  keeps inner blanks ");
    EXPECT_EQ(ini.ReadIniValue("HotKey", "Half").toText(), "\"open");
    // Only the first section of a name is looked at.
    EXPECT_EQ(ini.ReadIniValue("HotKey", "OnlyLater"), IniValue());
    EXPECT_EQ(ini.ReadIniValue("hotkey", "; comment"), IniValue());
}

TEST_F(IniStoreTest, ReadsAreCutToTheCapacityIn932Bytes)
{
    const QString ascii(100, u'a');
    const QString kanji(50, u'漢');       // 2 bytes each
    const QString kana(100, QChar(0xFF71)); // half-width katakana, 1 byte each
    writeIni(Cp932("[S]\r\nA=" + ascii + "\r\nK=" + kanji + "\r\nH=" + kana + "\r\nR=1,2,3,4,5,6,7\r\n"));

    EXPECT_EQ(ini.ReadIniValue("S", "A").toText(), ascii.left(79));
    EXPECT_EQ(ini.ReadIniText("S", "A", 100).toText(), ascii);
    EXPECT_EQ(ini.ReadIniValue("S", "A").toText(), ascii.left(79)); // back to the default
    EXPECT_EQ(ini.ReadIniValue("S", "K").toText(), kanji.left(39)); // 79 would split a character
    EXPECT_EQ(ini.ReadIniValue("S", "H").toText(), kana.left(79));
    EXPECT_EQ(ini.ReadIniText("S", "R", 2).toText(), "1,2,3,4,5,6"); // 12-byte buffer
    EXPECT_EQ(ini.ReadIniText("S", "A", 0).toText(), ascii.left(79));
    EXPECT_EQ(ini.ReadIniText("S", "A", INT32_MAX).toText(), ascii);
}

TEST_F(IniStoreTest, WritesChangeOnlyTheirOwnLine)
{
    const QByteArray before = Cp932("; 設定\r\n[TextView]\r\nR = 10 \r\n\r\n; 色\r\nG=20\r\n\r\n"
                                    "[Other]\nkeep=\"as is\"\n");
    writeIni(before + "\x81\x7F"); // a byte pair 932 does not define stays as it was
    ini.WriteIniValue("textview", "r", "255");
    ini.WriteIniValue("TextView", "B", "30");
    ini.WriteIniValue("TextFind", "FindKey", "検索");
    const QByteArray expected = Cp932("; 設定\r\n[TextView]\r\nr=255\r\n\r\n; 色\r\nG=20\r\nB=30\r\n\r\n"
                                      "[Other]\nkeep=\"as is\"\n")
                                + "\x81\x7F\r\n" + Cp932("[TextFind]\r\nFindKey=検索\r\n");
    EXPECT_EQ(readIni(), expected);
    EXPECT_EQ(ini.ReadIniNumber("TextView", "R"), 255);
    EXPECT_EQ(ini.ReadIniValue("Other", "keep").toText(), "as is");
}

TEST_F(IniStoreTest, TextsOutside932TurnTheFileIntoUtf8)
{
    const QString value = QString("本🙂𠮷ｶﾅ");
    ini.WriteIniValue("S", "Plain", "日本語ｶﾅ");
    EXPECT_EQ(readIni(), Cp932("[S]\r\nPlain=日本語ｶﾅ\r\n"));
    ini.WriteIniValue("S", "Wide", value);
    EXPECT_EQ(readIni(), QByteArray("\xEF\xBB\xBF") + ("[S]\r\nPlain=日本語ｶﾅ\r\nWide=" + value + "\r\n").toUtf8());
    EXPECT_EQ(ini.ReadIniValue("S", "Wide").toText(), value);
    EXPECT_EQ(ini.ReadIniValue("S", "Plain").toText(), "日本語ｶﾅ");
    ini.WriteIniValue("S", "Plain", "x"); // once UTF-8, the file stays UTF-8
    EXPECT_TRUE(codec::HasUtf8Bom(readIni()));
    EXPECT_EQ(ini.ReadIniValue("S", "Wide").toText(), value);
}

TEST_F(IniStoreTest, AValueCannotForgeLinesAndBadNamesWriteNothing)
{
    ini.WriteIniValue("S", "Key", "a\r\n[Other]\r\nk=v");
    EXPECT_EQ(ini.ReadIniValue("Other", "k"), IniValue());
    EXPECT_EQ(ini.ReadIniValue("S", "Key").toText(), "a  [Other]  k=v");
    const QByteArray before = readIni();
    ini.WriteIniValue("S", "a=b", "1");
    ini.WriteIniValue("S]x", "k", "1");
    ini.WriteIniValue("S", "", "1");
    EXPECT_EQ(readIni(), before);
}

TEST_F(IniStoreTest, AFailedWriteLeavesTheFileAsItWas)
{
    const QByteArray before = "[S]\r\nKey=old\r\n" + QByteArray(4000, ';') + "\r\n";
    writeIni(before);
    {
        FileSizeLimit fullDisk(1000);
        IniStore::Batch save(ini);
        ini.WriteIniValue("S", "Key", "new");
        ini.WriteIniValue("S", "More", "1");
        const IniSaveResult result = save.Commit();
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.reason.contains("Setting.ini"));
    }
    EXPECT_EQ(readIni(), before);
    EXPECT_EQ(ini.ReadIniValue("S", "Key").toText(), "old");

    IniStore noFolder{TempFolder().paths(false)};
    noFolder.WriteIniValue("S", "Key", "x"); // no Save/ folder: nothing, and said so
    EXPECT_FALSE(noFolder.LastSaveResult().ok);
    EXPECT_EQ(noFolder.ReadIniValue("S", "Key"), IniValue());
}

TEST_F(IniStoreTest, AWriteIntoAReadOnlyFolderLeavesTheFileAsItWas)
{
    const QByteArray before = "[S]\r\nKey=old\r\n";
    writeIni(before);
    {
        ReadOnlyFolder ro(folder.paths(false).dataFolder());
        if (!ro.ok())
            GTEST_SKIP() << "the folder cannot be made read-only here";
        ini.WriteIniValue("S", "Key", "new");
        EXPECT_FALSE(ini.LastSaveResult().ok);
    }
    EXPECT_EQ(readIni(), before);
}

TEST_F(IniStoreTest, AnOversizedFileIsReportedAndKeptAsBadBeforeANewOneIsWritten)
{
    QByteArray big = "[S]\r\nKey=1\r\n" + QByteArray(IniStore::kMaxFileBytes, 'x');
    writeIni(big);
    EXPECT_EQ(ini.ReadIniNumberOr("S", "Key", 5), 5);
    const std::optional<QString> notice = ini.TakeNotice();
    ASSERT_TRUE(notice);
    EXPECT_TRUE(notice->contains("Setting.ini.bad"));
    EXPECT_FALSE(ini.TakeNotice()); // told once
    ini.WriteIniValue("S", "Key", "2");
    EXPECT_TRUE(ini.LastSaveResult().ok);
    EXPECT_EQ(readIni(), "[S]\r\nKey=2\r\n");
    EXPECT_EQ(QFile(path() + ".bad").size(), big.size());
}

TEST_F(IniStoreTest, ABatchWritesOnceWithTheBytesOfKeyByKeyWrites)
{
    // A last line without a break, a blank before the next section, keys in any case.
    const QByteArray before = Cp932("[HotKey]\r\nname0=x\r\n\r\n[FormData]\nFormL=1\n; end\r");
    const auto save = [](IniStore& store) {
        store.WriteIniValue("HotKey", "Name0", "非表示/再表示");
        store.WriteIniValue("HotKey", "Shift0", "0");
        store.WriteIniValue("FormData", "Rireki", "12,1");
        store.WriteIniValue("TextView", "FontName", "𠮷");
        store.WriteIniValue("FormData", "FormL", "3");
    };
    writeIni(before);
    save(ini);
    const QByteArray oneByOne = readIni();

    writeIni(before);
    IniStore gathered{folder.paths()};
    IniStore::Batch batch(gathered);
    {
        IniStore::Batch inner(gathered); // joins the outer one
        save(gathered);
        EXPECT_TRUE(inner.Commit().ok);
    }
    EXPECT_EQ(gathered.ReadIniValue("FormData", "Rireki").toText(), "12,1"); // reads see the writes
    EXPECT_EQ(readIni(), before); // nothing written yet
    EXPECT_TRUE(batch.Commit().ok);
    EXPECT_EQ(readIni(), oneByOne);
}

TEST_F(IniStoreTest, TheKeptParseFollowsChangesMadeByOthers)
{
    writeIni("[S]\r\nKey=1\r\n");
    EXPECT_EQ(ini.ReadIniNumber("S", "Key"), 1);
    writeIni("[S]\r\nKey=22\r\n"); // edited by hand while the reader runs
    EXPECT_EQ(ini.ReadIniNumber("S", "Key"), 22);
    QFile::remove(path());
    EXPECT_EQ(ini.ReadIniNumberOr("S", "Key", 7), 7);
    ini.WriteIniValue("S", "Other", "x");
    EXPECT_EQ(readIni(), "[S]\r\nOther=x\r\n");
}

TEST_F(IniStoreTest, ALongLineReadsInLinearTime)
{
    writeIni("[S]\r\nLong=" + QByteArray(3 << 20, '7') + "\r\nAfter=1\r\n");
    EXPECT_EQ(ini.ReadIniValue("S", "Long").toText(), QString(79, u'7'));
    EXPECT_EQ(ini.ReadIniNumber("S", "After"), 1);
}

TEST(IniValueConversion, RoundsHalvesToEvenAndReadsFlags)
{
    EXPECT_EQ(IniValue::fromText("2.5").toInt32(), 2);
    EXPECT_EQ(IniValue::fromText("3.5").toInt32(), 4);
    EXPECT_EQ(IniValue::fromNumber(1e12).toInt16(), INT16_MAX);
    EXPECT_EQ(IniValue::fromBoolean(true).toInt32(), -1);
    EXPECT_TRUE(IniValue::fromText("true").toBool());
    EXPECT_TRUE(IniValue::fromText("1").toBool());
    EXPECT_FALSE(IniValue::fromText("0").toBool());
    EXPECT_FALSE(IniValue().toBool());
}
