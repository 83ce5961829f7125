// The term search dialog walks the viewer's pages forwards and back to the page of a term.
#include <gtest/gtest.h>

#include "core/Notation.h"
#include "library/LibraryFixture.h"
#include "library/TextFolding.h"
#include "settings/TextFindSettings.h"

namespace {

struct TermSearch : ::testing::Test, LibraryFixture {
    void SetUp() override { show(NumberedLines(200)); }
    int32_t head() const { return notation::ToInt32(notation::Val(viewer.PageStartList)); }
    int pages() const { return int(viewer.PageStartList.count(u',')) + 1; }
};

} // namespace

TEST_F(TermSearch, ForwardsFindsOnlyWhatLiesAfterThePageOnScreenAndShowsItsPage)
{
    search(QStringLiteral("line 001"), 0); // only on the page on screen
    EXPECT_EQ(status(), QStringLiteral("検索用語:一番下まで検索しました。"));
    EXPECT_EQ(viewer.PageStartList, QStringLiteral("1"));

    const int32_t second = viewer.ReadPosition;
    const int32_t target = second + 10; // on the next page
    const QString term = viewer.CurrentText.mid(target - 1, 8);
    search(term, 0);
    EXPECT_EQ(status(), QStringLiteral("検索用語:検索完了しました。"));
    EXPECT_EQ(viewer.PageStartList, QStringLiteral("%1,1").arg(second)); // one page start more
    EXPECT_EQ(f().Timer1Enabled(), false);
    EXPECT_GT(viewer.ReadPosition, target); // the page holding it is on screen
    EXPECT_TRUE(f().isEnabled());
    EXPECT_TRUE(form5->Command1(0).isEnabled());
}

TEST_F(TermSearch, ForwardsIgnoresLetterCaseAndWidthBackwardsDoesNot)
{
    search(QStringLiteral("ＬＩＮＥ 150 OF"), 0);
    EXPECT_EQ(status(), QStringLiteral("検索用語:検索完了しました。"));
    const int far = pages();
    EXPECT_GT(far, 3);
    const int32_t found = int32_t(viewer.CurrentText.indexOf(QStringLiteral("line 150"))) + 1;
    EXPECT_LE(head(), found);
    EXPECT_GT(viewer.ReadPosition, found);

    search(QStringLiteral("LINE 002"), 1);
    EXPECT_EQ(status(), QStringLiteral("検索用語:一番上まで検索しました。"));
    EXPECT_EQ(pages(), far); // nothing changed

    search(QStringLiteral("line 002"), 1);
    EXPECT_EQ(status(), QStringLiteral("検索用語:検索完了しました。"));
    EXPECT_EQ(viewer.PageStartList, QStringLiteral("1"));
    EXPECT_EQ(f().Viewer().ReadPosition > 1, true);
}

TEST_F(TermSearch, BackwardsOnTheFirstPageStopsAtOnce)
{
    ASSERT_EQ(viewer.PageStartList, QStringLiteral("1"));
    search(QStringLiteral("l"), 1); // the first character of the text
    EXPECT_EQ(status(), QStringLiteral("検索用語:検索完了しました。"));
    EXPECT_EQ(viewer.PageStartList, QStringLiteral("1"));
}

TEST_F(TermSearch, FinderSearchesWithoutRecordingTheTerm)
{
    bool found = false;
    EXPECT_EQ(form5->Finder(0, QStringLiteral("line 120"), found), 0);
    EXPECT_TRUE(found);
    form5->Finder(1, QStringLiteral("no such words"), found);
    EXPECT_FALSE(found);
    EXPECT_EQ(form5->Combo1().findText(QStringLiteral("line 120")), -1);
}

TEST_F(TermSearch, KeepsTheTenNewestTermsAcrossARestart)
{
    for (int i = 1; i <= 11; ++i)
        form5->ComboAdd(QStringLiteral("term %1").arg(i));
    ASSERT_EQ(form5->Combo1().count(), 10);
    EXPECT_EQ(form5->Combo1().itemText(0), QStringLiteral("term 11"));
    EXPECT_EQ(form5->Combo1().findText(QStringLiteral("term 1")), -1); // the oldest went

    form5->ComboAdd(QStringLiteral("term 5"));
    EXPECT_EQ(form5->Combo1().itemText(0), QStringLiteral("term 5"));
    EXPECT_EQ(form5->Combo1().count(), 10); // moved, not doubled

    form5->SaveTextFindSettings();
    ini.WriteIniValue(QStringLiteral("TextFind"), QStringLiteral("FindKey3"), QString());
    RecentTerms again;
    LoadTextFindSettings(ini, again);
    ASSERT_EQ(again.list.size(), 10);
    EXPECT_EQ(again.text, QStringLiteral("term 5"));
    EXPECT_EQ(again.list[0], QStringLiteral("term 5"));
    EXPECT_EQ(again.list[1], QStringLiteral("term 11"));
    EXPECT_EQ(again.list[2], QString());
}

TEST(TextFolding, CaseAndFullWidthFoldWithoutChangingLength)
{
    using namespace textfolding;
    const QString text = QStringLiteral("Ｈｅｌｌｏ ΣΟΦΊΑ σοφίας Привет 𐐀x");
    EXPECT_EQ(FoldedForSearch(text).size(), text.size());
    EXPECT_EQ(InStrFolded(1, text, QStringLiteral("hello")), 1);
    EXPECT_EQ(InStrFolded(1, text, QStringLiteral("σοφία")), 7);
    EXPECT_EQ(InStrFolded(8, text, QStringLiteral("ΣΟΦΊΑΣ")), 13);
    EXPECT_EQ(InStrFolded(1, text, QStringLiteral("пРИВЕТ")), 20);
    EXPECT_EQ(InStrFolded(1, text, QStringLiteral("𐐨X")), 27); // Deseret, two units each
    EXPECT_EQ(InStrFolded(2, text, QStringLiteral("hello")), 0);
    // Backwards the match must end by the given position, and case counts.
    EXPECT_EQ(InStrRev(QStringLiteral("abcabc"), QStringLiteral("abc"), 5), 1);
    EXPECT_EQ(InStrRev(QStringLiteral("abcabc"), QStringLiteral("abc"), 6), 4);
    EXPECT_EQ(InStrRev(QStringLiteral("abcabc"), QStringLiteral("ABC"), 6), 0);
    EXPECT_EQ(InStrRev(QStringLiteral("abc"), QStringLiteral("a"), 0), 0);
}
