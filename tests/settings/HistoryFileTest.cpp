#include <gtest/gtest.h>

#include <QFile>

#include "settings/HistoryFile.h"
#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"

namespace {

void Occupy(PageHistory& h, int slot, const QString& text = {})
{
    h.PageUrl[slot] = "http://example.com/" + QString::number(slot);
    h.PageStartList[slot] = "1";
    h.CurrentText[slot] = text.isEmpty() ? "page " + QString::number(slot) : text;
    h.ReadPosition[slot] = slot + 1;
    h.PageHtml[slot] = "<p>" + h.CurrentText[slot] + "</p>";
    h.PageRequestUrl[slot] = h.PageUrl[slot] + "#top";
    h.PageTitle[slot] = "題" + QString::number(slot);
}

void ExpectSameSlots(const PageHistory& a, const PageHistory& b)
{
    EXPECT_EQ(a.PageUrl, b.PageUrl);
    EXPECT_EQ(a.PageStartList, b.PageStartList);
    EXPECT_EQ(a.CurrentText, b.CurrentText);
    EXPECT_EQ(a.ReadPosition, b.ReadPosition);
    EXPECT_EQ(a.PageHtml, b.PageHtml);
    EXPECT_EQ(a.PageRequestUrl, b.PageRequestUrl);
    EXPECT_EQ(a.PageTitle, b.PageTitle);
}

} // namespace

TEST(HistoryFile, EmptyHistoryIs976ZeroBytesAndAKnownRecordIsByteExact)
{
    PageHistory h;
    EXPECT_EQ(EncodeHistory(h), QByteArray(976, '\0'));

    h.PageUrl[30] = "http://a/";
    h.PageStartList[30] = "1";
    h.CurrentText[30] = "あ";
    h.ReadPosition[30] = 258;
    h.PageTitle[30] = "ｱ";
    const QByteArray record("\x09\x00http://a/\x01\x00" "1\x02\x00\x82\xA0\x00\x00\x02\x01\x00\x00\x00\x00\x01\x00\xB1", 29);
    EXPECT_EQ(EncodeHistory(h), QByteArray(480, '\0') + record + QByteArray(480, '\0'));
}

TEST(HistoryFile, TextsOfEveryKindSurviveASaveAndLoad)
{
    TempFolder folder;
    PageHistory h;
    Occupy(h, 30, "日本語とﾊﾝｶｸｶﾅ\r\n次の行");
    Occupy(h, 31, "絵文字🙂と𠮷");                    // 932 cannot hold these
    Occupy(h, 29, QString(0xFFFD, u'x'));             // the longest plain count
    Occupy(h, 32, QString(0xFFFE, u'y'));             // just too long for it
    Occupy(h, 28, QString(40000, u'漢') + "🙂");       // long and outside 932
    h.ReadPosition[33] = 1;                           // occupied with empty texts
    ASSERT_TRUE(SaveHistory(folder.paths(), h));

    PageHistory loaded;
    Occupy(loaded, 0); // every slot is overwritten by the load
    LoadHistory(folder.paths(), loaded);
    ExpectSameSlots(loaded, h);
}

TEST(HistoryFile, OnlyTheUnbrokenRunAroundTheCurrentSlotIsSaved)
{
    PageHistory h;
    for (int s : {28, 29, 30, 31, 32, 33, 35, 10})
        Occupy(h, s);
    PageHistory loaded;
    DecodeHistory(EncodeHistory(h), loaded);
    for (int s = 0; s < PageHistory::kSlots; ++s)
        EXPECT_EQ(loaded.occupied(s), s >= 28 && s <= 33) << s;
    EXPECT_EQ(loaded.CurrentText[33], "page 33");
    EXPECT_EQ(loaded.PageUrl[35], "");

    // Under the size cap the run grows from the current slot, a back slot first, and
    // stops on both sides at the first slot that would not fit.
    PageHistory fits;
    for (int s : {29, 30, 31, 32})
        Occupy(fits, s);
    const QByteArray capped = EncodeHistory(fits);
    EXPECT_EQ(EncodeHistory(h, capped.size()), capped);
    fits.ReadPosition[32] = 0;
    fits.PageUrl[32] = fits.PageStartList[32] = fits.CurrentText[32] = fits.PageHtml[32] = "";
    fits.PageRequestUrl[32] = fits.PageTitle[32] = "";
    EXPECT_EQ(EncodeHistory(h, capped.size() - 1), EncodeHistory(fits)) << "one byte short: slot 32 stays out";

    h.ReadPosition[30] = 0; // an empty current slot empties the file
    EXPECT_EQ(EncodeHistory(h), QByteArray(976, '\0'));
}

TEST(HistoryFile, ACutOrCorruptFileLoadsWhatIsWhole)
{
    PageHistory h;
    for (int s = 27; s <= 33; ++s)
        Occupy(h, s);
    const QByteArray whole = EncodeHistory(h);
    // Cut points and how many of the occupied slots 27..33 each leaves whole.
    const std::pair<qsizetype, int> cuts[] = {
        {whole.size() - 1, 7}, {27 * 16 + 5, 0}, {0, 0}, {whole.size() / 2, -1}};
    for (auto [cut, expected] : cuts) {
        SCOPED_TRACE(cut);
        PageHistory loaded;
        DecodeHistory(whole.first(cut), loaded);
        int kept = 0;
        while (kept < 7 && loaded.PageHtml[27 + kept] == h.PageHtml[27 + kept]
               && loaded.PageTitle[27 + kept] == h.PageTitle[27 + kept])
            ++kept;
        if (expected >= 0)
            EXPECT_EQ(kept, expected);
        for (int s = 27 + kept; s < PageHistory::kSlots; ++s)
            EXPECT_TRUE(!loaded.occupied(s) && loaded.PageUrl[s].isEmpty()) << s;
    }
    // Lengths claiming more than the file holds: nothing is read past the end.
    PageHistory loaded;
    Occupy(loaded, 0);
    DecodeHistory(QByteArray("\xFF\xFF\xFF\xFF\xFF\xFF" "abc", 9), loaded);
    EXPECT_EQ(loaded.PageUrl[0], "");
    DecodeHistory(QByteArray(16, '\0') + "\xFE\xFF\x00\x00\x00\x80" + QByteArray(64, 'z'), loaded);
    EXPECT_FALSE(loaded.occupied(1));
}

TEST(HistoryFile, AnEmptyFileLoadsEmptyAndTheNextSaveWrites976Bytes)
{
    TempFolder folder;
    const ProgramPaths paths = folder.paths();
    PageHistory h;
    Occupy(h, 30);
    LoadHistory(paths, h); // the missing file is created empty
    EXPECT_TRUE(QFile::exists(paths.dataFile("rireki.dat")));
    EXPECT_FALSE(h.occupied(30));
    ASSERT_TRUE(SaveHistory(paths, h));
    EXPECT_EQ(folder.read(paths.dataFile("rireki.dat")), QByteArray(976, '\0'));
}

TEST(HistoryFile, AFailedSaveLeavesTheOldFileWhole)
{
    TempFolder folder;
    const ProgramPaths paths = folder.paths();
    PageHistory h;
    Occupy(h, 30);
    ASSERT_TRUE(SaveHistory(paths, h));
    const QByteArray before = folder.read(paths.dataFile("rireki.dat"));
    Occupy(h, 30, QString(5000, u'n'));
    {
        FileSizeLimit fullDisk(2000);
        EXPECT_FALSE(SaveHistory(paths, h));
    }
    EXPECT_EQ(folder.read(paths.dataFile("rireki.dat")), before);
    EXPECT_FALSE(SaveHistory(TempFolder().paths(false), h)); // no Save/ folder
}

TEST(HistoryFile, AFullHistoryKeepsItsFirstAndLastSlots)
{
    PageHistory h;
    for (int s = 0; s < PageHistory::kSlots; ++s)
        Occupy(h, s);
    PageHistory loaded;
    DecodeHistory(EncodeHistory(h), loaded);
    ExpectSameSlots(loaded, h);
    EXPECT_EQ(loaded.CurrentText[0], "page 0");
    EXPECT_EQ(loaded.CurrentText[60], "page 60");
}

TEST(HistoryFile, ACutRecordFollowedByWholeLookingBytesEndsTheLoad)
{
    PageHistory one;
    Occupy(one, 30);
    const QByteArray encoded = EncodeHistory(one);
    const QByteArray record = encoded.mid(30 * 16, encoded.size() - 60 * 16);
    // Slot 30's first text claims 0x0400 bytes; what follows is a whole record, twice.
    const QByteArray file = QByteArray(30 * 16, '\0') + QByteArray("\x00\x04", 2) + record + record;
    ASSERT_LT(file.size() - 30 * 16, 0x0400);
    PageHistory loaded;
    Occupy(loaded, 45);
    DecodeHistory(file, loaded);
    for (int s = 0; s < PageHistory::kSlots; ++s)
        EXPECT_TRUE(!loaded.occupied(s) && loaded.PageUrl[s].isEmpty() && loaded.CurrentText[s].isEmpty()) << s;
}
