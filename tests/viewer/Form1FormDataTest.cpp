// The viewer's section of Setting.ini: the window, speed, line-break setting and the
// reading position with its page-start list.
#include <gtest/gtest.h>

#include "settings/FormDataSettings.h"
#include "settings/IniStore.h"
#include "support/TempFolder.h"
#include "state/ViewerState.h"

namespace {

QString PageStarts(int chars)
{
    QString list;
    for (int n = 100000; list.size() < chars; n += 1000)
        list += QString::number(n) + u',';
    return list.left(chars - 1) + u'1';
}

} // namespace

TEST(Form1FormData, LongPageStartListSurvivesWholeAndMissingKeysKeepTheStartValues)
{
    TempFolder folder;
    IniStore ini(folder.paths());
    FormGeometry window{900, 800, 8865, 2295};
    ViewerState viewer;
    viewer.MessageSpeed = 5;
    viewer.ReadPosition = 1;
    viewer.PageStartList = QStringLiteral("1");
    viewer.ReturnMushi = true;
    LoadFormDataSettings(ini, window, viewer); // no file yet
    EXPECT_EQ(window.Left + window.Top, 0);
    EXPECT_EQ(window.Width, 8865);
    EXPECT_EQ(viewer.MessageSpeed, 5);
    EXPECT_FALSE(viewer.ReturnMushi);
    EXPECT_EQ(viewer.PageStartList, QString());
    EXPECT_EQ(viewer.ReadPosition, 1);

    viewer.MessageSpeed = 0; // a stored 0 is a value, not a missing key
    viewer.ReturnMushi = true;
    viewer.PageStartList = PageStarts(500);
    viewer.ReadPosition = 123456;
    SaveFormDataSettings(ini, {15, -30, 6000, 1500}, viewer);
    FormGeometry back{1, 2, 3, 4};
    ViewerState loaded;
    loaded.MessageSpeed = 5;
    LoadFormDataSettings(ini, back, loaded);
    EXPECT_EQ(back.Left, 15);
    EXPECT_EQ(back.Top, -30);
    EXPECT_EQ(back.Height, 1500);
    EXPECT_EQ(loaded.MessageSpeed, 0);
    EXPECT_TRUE(loaded.ReturnMushi);
    EXPECT_EQ(loaded.PageStartList, viewer.PageStartList);
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
    EXPECT_EQ(viewer.ReadPosition, INT32_MAX); // a hand-edited position held at the limit
}
