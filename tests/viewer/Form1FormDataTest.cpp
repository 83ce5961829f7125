// The viewer's section of Setting.ini: the window, speed, line-break setting and the
// reading position with its page-start list.
#include <gtest/gtest.h>

#include "settings/FormDataSettings.h"
#include "settings/IniStore.h"
#include "support/TempFolder.h"
#include "viewer/ViewerState.h"

namespace {

QString PageStarts(int chars)
{
    QString list;
    for (int n = 100000; list.size() < chars; n += 1000)
        list += QString::number(n) + u',';
    return list.left(chars - 1) + u'1';
}

} // namespace

TEST(Form1FormData, MissingFileKeepsTheDesignedWindowAndTheStartValues)
{
    TempFolder folder;
    IniStore ini(folder.paths());
    FormGeometry window{900, 800, 8865, 2295};
    ViewerState viewer;
    viewer.MessageSpeed = 5;
    viewer.ReadPosition = 1;
    viewer.PageStartList = QStringLiteral("1");
    viewer.ReturnMushi = true;
    LoadFormDataSettings(ini, window, viewer);
    EXPECT_EQ(window.Left, 0);
    EXPECT_EQ(window.Top, 0);
    EXPECT_EQ(window.Width, 8865);
    EXPECT_EQ(window.Height, 2295);
    EXPECT_EQ(viewer.MessageSpeed, 5);
    EXPECT_FALSE(viewer.ReturnMushi);
    EXPECT_EQ(viewer.PageStartList, QString());
    EXPECT_EQ(viewer.ReadPosition, 1);
}

TEST(Form1FormData, LongPageStartListSurvivesWholeAndStoredZeroIsKept)
{
    TempFolder folder;
    IniStore ini(folder.paths());
    ViewerState saved;
    saved.MessageSpeed = 0; // a stored 0 is a value, not a missing key
    saved.ReturnMushi = true;
    saved.PageStartList = PageStarts(500);
    saved.ReadPosition = 123456;
    SaveFormDataSettings(ini, {15, -30, 6000, 1500}, saved);

    FormGeometry window{1, 2, 3, 4};
    ViewerState loaded;
    loaded.MessageSpeed = 5;
    LoadFormDataSettings(ini, window, loaded);
    EXPECT_EQ(window.Left, 15);
    EXPECT_EQ(window.Top, -30);
    EXPECT_EQ(window.Width, 6000);
    EXPECT_EQ(window.Height, 1500);
    EXPECT_EQ(loaded.MessageSpeed, 0);
    EXPECT_TRUE(loaded.ReturnMushi);
    EXPECT_EQ(loaded.PageStartList, saved.PageStartList);
    EXPECT_EQ(loaded.ReadPosition, 123456);
}

TEST(Form1FormData, ListWithoutItsLengthIsReadWithTheSmallBuffer)
{
    TempFolder folder;
    IniStore ini(folder.paths());
    ini.WriteIniValue(QStringLiteral("FormData"), QStringLiteral("Rireki"), PageStarts(40));
    ini.WriteIniValue(QStringLiteral("FormData"), QStringLiteral("Textlength"), QStringLiteral("1e12"));
    FormGeometry window;
    ViewerState viewer;
    LoadFormDataSettings(ini, window, viewer);
    EXPECT_EQ(viewer.PageStartList, PageStarts(40).left(11));
    // A hand-edited position beyond the 32-bit range is held at its limit.
    EXPECT_EQ(viewer.ReadPosition, INT32_MAX);
}
