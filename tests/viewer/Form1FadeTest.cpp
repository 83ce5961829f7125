// Hiding and showing the real viewer window: the fade levels, background transparency,
// the idle timer's auto-hide and the debug run's idle timer.
#include <gtest/gtest.h>

#include "Form1Fixture.h"

namespace form1test {
namespace {

struct ShownViewer : ProgramFolder {
    explicit ShownViewer(const QString& commandLine = QString()) : run(paths())
    {
        EXPECT_TRUE(run.load(commandLine));
        run.effects.levels.clear();
    }
    ViewerRun run;
};

} // namespace
} // namespace form1test

TEST(Form1Fade, LevelsRoundHalvesToEvenAndHideUsesThemInReverse)
{
    ShownViewer v;
    v.run.viewer.Alfa = 50;
    v.run.form->FormHihyouji();
    EXPECT_EQ(v.run.effects.levels, (std::vector<int32_t>{128, 102, 76, 51, 26, 0}));
    EXPECT_FALSE(v.run.form->isVisible());
    v.run.effects.levels.clear();
    v.run.form->FormHihyouji();
    EXPECT_EQ(v.run.effects.levels, (std::vector<int32_t>{0, 26, 51, 76, 102, 128}));
    EXPECT_TRUE(v.run.form->isVisible());
    EXPECT_FALSE(v.run.form->Page().HideShowBusy);

    // With the background keyed out there is no fade.
    v.run.effects.levels.clear();
    v.run.viewer.BackTouka = true;
    v.run.form->FormHihyouji();
    v.run.form->FormHihyouji();
    EXPECT_EQ(v.run.effects.levels, (std::vector<int32_t>{50, 50}));
    EXPECT_EQ(v.run.hooks.calls.count(QStringLiteral("HideMainFrame")), 2);
}

TEST(Form1Fade, IdleViewerHidesAfterCloseTimeOnlyWhenCloseTimeIsSet)
{
    ShownViewer v;
    v.run.viewer.IdleTimer[1] = 3;
    v.run.form->Timer6_Timer();
    v.run.form->Timer6_Timer();
    v.run.form->Timer6_kiru(); // the user acted: the count starts again
    v.run.form->Timer6_Timer();
    v.run.form->Timer6_Timer();
    EXPECT_TRUE(v.run.form->isVisible());
    v.run.form->Timer6_Timer();
    EXPECT_FALSE(v.run.form->isVisible());
    EXPECT_TRUE(v.run.form->TimerEnabled(6));

    v.run.form->FormHihyouji();
    v.run.viewer.IdleTimer[1] = 0;
    for (int i = 0; i < 400; ++i)
        v.run.form->Timer6_Timer();
    EXPECT_TRUE(v.run.form->isVisible());

    // A debug run's idle timer stops at its first tick.
    ShownViewer debug(QStringLiteral("/DEBUG"));
    debug.run.form->Timer6_Timer();
    EXPECT_FALSE(debug.run.form->TimerEnabled(6));
    EXPECT_TRUE(v.run.form->TimerEnabled(6));
}

TEST(Form1Fade, ColourKeyPaintsOnlyTheBackgroundTransparent)
{
    ShownViewer v;
    Surface& s = v.run.form->CanvasSurface();
    s.setBackColor(0x102030);
    s.Cls();
    s.FillBox(0, 0, 300, 300, 0xFFFFFF);
    auto paint = [&] {
        QImage out(v.run.form->size(), QImage::Format_ARGB32);
        v.run.form->render(&out);
        return out;
    };
    EXPECT_EQ(qAlpha(paint().pixel(100, 100)), 255);
    v.run.form->SetColourKeyTransparency(true);
    const QImage keyed = paint();
    EXPECT_EQ(qAlpha(keyed.pixel(100, 100)), 0);
    EXPECT_EQ(keyed.pixel(2, 2), qRgb(255, 255, 255));
}
