// The term search's silent page step walks the text page by page without drawing.
#include <gtest/gtest.h>

#include "viewer/CommandsFixture.h"
#include "viewer/ui/FindMojiretsu.h"

namespace {

struct CommandsFindMojiretsu : ::testing::Test, CommandsFixture {
    void SetUp() override { show(NumberedLines(200)); }
};

} // namespace

TEST_F(CommandsFindMojiretsu, EachStepRecordsThePageAndSaysWhetherThePositionIsBehind)
{
    const QImage before = f().CanvasSurface().image().copy();
    const int32_t second = viewer.ReadPosition;
    const int32_t target = second + 10; // on the second page

    EXPECT_TRUE(FindMojiretsu(input->Window(), target));
    EXPECT_EQ(viewer.PageStartList, QStringLiteral("%1,1").arg(second));
    EXPECT_GT(viewer.ReadPosition, target);
    EXPECT_FALSE(page().MeasureOnly);
    EXPECT_TRUE(f().CanvasSurface().image() == before); // nothing drawn

    const int32_t third = viewer.ReadPosition;
    EXPECT_FALSE(FindMojiretsu(input->Window(), viewer.CurrentText.size()));
    EXPECT_EQ(viewer.PageStartList, QStringLiteral("%1,%2,1").arg(third).arg(second));
}

