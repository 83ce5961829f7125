#include "web/PageHistoryPush.h"

#include <gtest/gtest.h>

namespace {

void ShowDocument(ViewerState& viewer, PageRecord& page, int n)
{
    viewer.CurrentText = QStringLiteral("text %1").arg(n);
    viewer.ReadPosition = n;
    viewer.PageStartList = QStringLiteral("%1,1").arg(n);
    page.PageUrl = QStringLiteral("http://example.test/%1").arg(n);
    page.PageHtml = QStringLiteral("<p>%1</p>").arg(n);
    page.PageRequestUrl = page.PageUrl + QStringLiteral("#a");
    page.PageTitle = QStringLiteral("title %1").arg(n);
}

} // namespace

TEST(PageHistoryPush, SnapshotLandsInTheNewestBackSlotWithEveryField)
{
    PageHistory history;
    PageRecord page;
    ViewerState viewer;
    ShowDocument(viewer, page, 7);
    PushPageHistory(history, page, viewer);

    EXPECT_EQ(history.CurrentText[31], QStringLiteral("text 7"));
    EXPECT_EQ(history.ReadPosition[31], 7);
    EXPECT_EQ(history.PageStartList[31], QStringLiteral("7,1"));
    EXPECT_EQ(history.PageUrl[31], QStringLiteral("http://example.test/7"));
    EXPECT_EQ(history.PageHtml[31], QStringLiteral("<p>7</p>"));
    EXPECT_EQ(history.PageRequestUrl[31], QStringLiteral("http://example.test/7#a"));
    EXPECT_EQ(history.PageTitle[31], QStringLiteral("title 7"));
    EXPECT_TRUE(history.occupied(31));
    EXPECT_FALSE(history.occupied(32));
}

TEST(PageHistoryPush, ThirtyOnePushesDropTheOldestAndKeepOrder)
{
    PageHistory history;
    PageRecord page;
    ViewerState viewer;
    for (int n = 1; n <= 31; ++n) {
        ShowDocument(viewer, page, n);
        PushPageHistory(history, page, viewer);
    }
    EXPECT_EQ(history.CurrentText[31], QStringLiteral("text 31"));
    EXPECT_EQ(history.CurrentText[60], QStringLiteral("text 2"));
    for (int slot = 31; slot <= 60; ++slot)
        EXPECT_EQ(history.ReadPosition[slot], 62 - slot) << slot;
}

TEST(PageHistoryPush, ForwardSideIsEmptiedAndOversizedDepthStaysInsideTheSlots)
{
    PageHistory history;
    PageRecord page;
    ViewerState viewer;
    for (int slot = 0; slot < PageHistory::kCurrent; ++slot) {
        history.CurrentText[slot] = QStringLiteral("forward");
        history.ReadPosition[slot] = 5;
    }
    ShowDocument(viewer, page, 3);
    PushPageHistory(history, page, viewer);
    for (int slot = 0; slot < PageHistory::kCurrent; ++slot) {
        EXPECT_FALSE(history.occupied(slot)) << slot;
        EXPECT_TRUE(history.CurrentText[slot].isEmpty()) << slot;
    }

    history.HistoryDepth = 1000; // e.g. from a damaged history file; must not write past 60
    PushPageHistory(history, page, viewer);
    EXPECT_EQ(history.CurrentText[32], QStringLiteral("text 3"));
}
