// The keys that act on the window: always on top, hide and show, resize, quit, and the
// commands the browser and the settings send.
#include <gtest/gtest.h>

#include "viewer/CommandsFixture.h"

namespace {

struct KeysWindow : ::testing::Test, CommandsFixture {
    void SetUp() override { show(NumberedLines(200)); }
    // Half the viewer font's cell, in pixels, as the resize keys step.
    QSizeF halfCell()
    {
        Surface& s = f().CanvasSurface();
        const double tpp = s.twipsPerPixel();
        return QSizeF(std::floor(tpp + s.TextWidth(u"▼")) / 2 / tpp,
                      std::floor(tpp + s.TextHeight(u"▼")) / 2 / tpp);
    }
};

} // namespace

TEST_F(KeysWindow, TTogglesAlwaysOnTopAndAHiddenViewerIsShownFirst)
{
    key(Qt::Key_T);
    form->hide();
    key(Qt::Key_T, Qt::ControlModifier);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(effects.onTop, (QList<bool>{true, false}));
}

TEST_F(KeysWindow, ShiftArrowsResizeByHalfACharacterCell)
{
    const QSize start = form->size();
    const QSizeF step = halfCell();
    key(Qt::Key_Right, Qt::ShiftModifier);
    key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_NEAR(form->width(), start.width() + step.width(), 1);
    EXPECT_NEAR(form->height(), start.height() + step.height(), 1);
    EXPECT_EQ(f().PageBufferSurface().widthPx(), form->width());
    key(Qt::Key_Left, Qt::ShiftModifier);
    key(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_NEAR(form->width(), start.width(), 1);
    EXPECT_NEAR(form->height(), start.height(), 1);
}

TEST_F(KeysWindow, EscQuitsAndYAsksTheSettingsForTransparency)
{
    key(Qt::Key_Y);
    EXPECT_EQ(host.calls, QStringList{"BackTouka"});
    key(Qt::Key_Escape);
    EXPECT_TRUE(f().Unloaded());
    EXPECT_EQ(viewer.QuitState, 2);
}

TEST_F(KeysWindow, FetchCompletedStartsTheNewTextFromTheTop)
{
    key(Qt::Key_Down);
    viewer.CurrentText = QStringLiteral("取得したページ\r\n本文");
    f().Picture1_KeyDown(85, 90);
    EXPECT_EQ(viewer.PageStartList, QStringLiteral("1"));
    EXPECT_EQ(viewer.FetchBusy, 0);
    EXPECT_EQ(page().StatusMessage, QStringLiteral("HTML取得完了"));
    EXPECT_TRUE(f().Timer1Enabled());
    settle();
    EXPECT_EQ(viewer.PageText, QStringLiteral("取得したページ\r本文"));
    f().Picture1_KeyDown(85, 0); // U alone is no command
    EXPECT_EQ(page().StatusMessage, QStringLiteral("HTML取得完了"));
}
