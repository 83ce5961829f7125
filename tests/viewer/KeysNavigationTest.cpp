// Paging through a text with the keys: the page-start list stays in step with the page on
// screen, the first page is a floor, and only the listed keys look at modifiers.
#include <gtest/gtest.h>

#include "viewer/CommandsFixture.h"

namespace {

struct KeysNavigation : ::testing::Test, CommandsFixture {
    void SetUp() override { show(NumberedLines(200)); }
    // What the renderer lays out from a position: the text with each CR LF as one break.
    QString laidOutFrom(int32_t position) const
    {
        QString text = viewer.CurrentText.mid(position - 1);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
        return text.left(viewer.PageText.size());
    }
    // The window's pixels above the status line.
    QImage textArea()
    {
        Surface& s = f().CanvasSurface();
        const int statusPx = int(s.TextHeight(u"▼") / s.twipsPerPixel()) + 2;
        return s.image().copy(0, 0, s.widthPx(), s.heightPx() - statusPx);
    }
};

} // namespace

TEST_F(KeysNavigation, DownPushesEachPageStartAndUpWalksBackToTheFirstPage)
{
    const QString firstPage = viewer.PageText;
    const int32_t second = viewer.ReadPosition;
    ASSERT_GT(second, 1);
    key(Qt::Key_Down);
    EXPECT_EQ(viewer.PageStartList, QStringLiteral("%1,1").arg(second));
    EXPECT_EQ(viewer.PageText, laidOutFrom(second));
    const int32_t third = viewer.ReadPosition;
    key(Qt::Key_Down);
    EXPECT_EQ(viewer.PageStartList, QStringLiteral("%1,%2,1").arg(third).arg(second));

    key(Qt::Key_Up);
    EXPECT_EQ(viewer.PageStartList, QStringLiteral("%1,1").arg(second));
    EXPECT_EQ(viewer.PageText, laidOutFrom(second));
    key(Qt::Key_Up);
    EXPECT_EQ(viewer.PageStartList, QStringLiteral("1"));
    EXPECT_EQ(viewer.PageText, firstPage);
}

TEST_F(KeysNavigation, UpOnTheFirstPageChangesNothing)
{
    for (const QString& list : {QStringLiteral("1"), QString()}) {
        viewer.PageStartList = list;
        const int32_t position = viewer.ReadPosition;
        const QImage before = textArea();
        key(Qt::Key_Up);
        EXPECT_EQ(viewer.PageStartList, QStringLiteral("1"));
        EXPECT_EQ(viewer.ReadPosition, position);
        EXPECT_FALSE(animating());
        EXPECT_TRUE(textArea() == before);
    }
}

TEST_F(KeysNavigation, UpFromAPageDeepInTheListLaysOutThePageBefore)
{
    viewer.PageStartList = QStringLiteral("260,120,1");
    viewer.ReadPosition = 300;
    key(Qt::Key_Up);
    EXPECT_EQ(viewer.PageStartList, QStringLiteral("120,1"));
    EXPECT_EQ(viewer.PageText, laidOutFrom(120));
    EXPECT_FALSE(viewer.PageText.isEmpty());
}

TEST_F(KeysNavigation, UpWithAListThatNamesNoPositionReturnsToTheStart)
{
    viewer.PageStartList = QStringLiteral("260"); // a list cut short in a hand-edited file
    key(Qt::Key_Up);
    EXPECT_EQ(viewer.PageStartList, QStringLiteral("1"));
    EXPECT_EQ(viewer.PageText, laidOutFrom(1));
}

TEST_F(KeysNavigation, HomeTurnsToTheTextStartAndKeepsTheList)
{
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    const QString list = viewer.PageStartList;
    key(Qt::Key_Home);
    EXPECT_EQ(viewer.PageText, laidOutFrom(1));
    EXPECT_TRUE(viewer.PageStartList.endsWith(list)); // not reset, so Up still walks back
}

TEST_F(KeysNavigation, TenSpeedChangesComeBackAndZeroWrapsToNine)
{
    const int32_t pageEnd = viewer.ReadPosition;
    const QString page = viewer.PageText;
    std::vector<int32_t> speeds;
    for (int i = 0; i < 10; ++i) {
        key(Qt::Key_Z);
        speeds.push_back(viewer.MessageSpeed);
    }
    EXPECT_EQ(speeds, (std::vector<int32_t>{4, 3, 2, 1, 0, 9, 8, 7, 6, 5}));
    // Each change lays the page on screen out again, from its own start.
    EXPECT_EQ(viewer.ReadPosition, pageEnd);
    EXPECT_EQ(viewer.PageText, page);
}

TEST_F(KeysNavigation, LetterCommandsIgnoreModifiersAndPagingKeysNeedNone)
{
    key(Qt::Key_S, Qt::ControlModifier);
    key(Qt::Key_F, Qt::AltModifier);
    key(Qt::Key_L, Qt::ShiftModifier);
    key(Qt::Key_F1);
    key(Qt::Key_W);
    EXPECT_EQ(host.calls, (QStringList{"Form2", "Form5", "Form3", "Form2", "Form6"}));

    const QString list = viewer.PageStartList;
    const int32_t position = viewer.ReadPosition;
    key(Qt::Key_Down, Qt::ControlModifier);
    key(Qt::Key_Up, Qt::AltModifier);
    key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(viewer.PageStartList, list);
    EXPECT_EQ(viewer.ReadPosition, position);
}


TEST_F(KeysNavigation, DownOrClickPastTheLastPagePushesNoPageStartTwice)
{
    for (int guard = 0; guard < 100 && viewer.ReadPosition <= viewer.CurrentText.size(); ++guard)
        key(Qt::Key_Down);
    ASSERT_GT(viewer.ReadPosition, viewer.CurrentText.size()) << "the last page was never reached";
    const QString atLastPage = viewer.PageStartList;
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    QTest::mouseClick(form.get(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    settle();
    const QStringList starts = viewer.PageStartList.split(u',');
    EXPECT_EQ(starts.size(), QSet<QString>(starts.begin(), starts.end()).size()) << viewer.PageStartList.toStdString();
    EXPECT_TRUE(viewer.PageStartList.endsWith(atLastPage.section(u',', 1)));
}
