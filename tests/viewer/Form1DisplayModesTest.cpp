// The display modes of the real viewer window, stepped by hand: typing pace and throttle,
// the line-scroll page turn with the reveal, the bottom-to-top scroll, instant redraws.
#include <gtest/gtest.h>

#include "Form1Fixture.h"
#include "core/Codec.h"
#include "core/Notation.h"

namespace form1test {
namespace {

QImage TextArea(Form1& form)
{
    const QImage& img = form.CanvasSurface().image();
    return img.copy(0, 0, img.width(), img.height() * 3 / 4);
}

struct LoadedViewer {
    explicit LoadedViewer(const QString& text)
    {
        program.writeClipText(codec::EncodeTextFile(text));
        run = std::make_unique<ViewerRun>(program.paths());
        EXPECT_TRUE(run->load());
        // Both surfaces in one background colour, as the display settings leave them.
        form().CanvasSurface().setBackColor(form().PageBufferSurface().BackColor());
        instantPage(1);
    }
    Form1& form() { return *run->form; }
    ViewerState& viewer() { return run->viewer; }
    ViewerPageState& page() { return run->form->Page(); }

    // Starts typing a page at ReadPosition, as the page commands do.
    void startTyping()
    {
        form().CanvasSurface().Cls();
        viewer().PageText.clear();
        page().PenPos = {0, 0};
        form().SetTimerEnabled(1, true);
    }
    // The page that starts at `start`, drawn at once.
    QImage instantPage(int32_t start)
    {
        viewer().PageStartList = start == 1 ? QStringLiteral("1") : QString::number(start) + QStringLiteral(",1");
        form().FormRedraw();
        return TextArea(form());
    }

    ProgramFolder program;
    std::unique_ptr<ViewerRun> run;
};

} // namespace
} // namespace form1test

TEST(Form1Typing, SpeedSetsCharactersPerTickAndEveryTickTypesAtLeastOne)
{
    const struct {
        int32_t speed;
        int32_t perTick;
    } cases[] = {{1, 10}, {5, 6}, {9, 2}, {12, 1}};
    LoadedViewer v(QString(2000, u'a'));
    for (const auto& c : cases) {
        v.viewer().ReadPosition = 1;
        v.viewer().MessageSpeed = c.speed;
        v.startTyping();
        v.form().Timer1_Timer();
        v.form().Timer1_Timer();
        EXPECT_EQ(v.viewer().ReadPosition, 1 + 2 * c.perTick) << "speed " << c.speed;
    }
}

TEST(Form1Typing, TicksComeNoCloserThanTheIntervalUnlessTickNowIsSet)
{
    LoadedViewer v(QString(2000, u'a'));
    v.viewer().MessageSpeed = 1;
    v.viewer().ReadPosition = 1;
    v.form().Timer6_Timer(); // the first idle second sets the 20 ms pace
    EXPECT_EQ(v.viewer().TickIntervalMs, 20);
    v.startTyping();
    v.run->now = 1000;
    v.form().Timer1_Timer();
    EXPECT_EQ(v.viewer().ReadPosition, 11);
    v.run->now = 1019;
    v.form().Timer1_Timer();
    EXPECT_EQ(v.viewer().ReadPosition, 11);
    v.run->now = 1020;
    v.form().Timer1_Timer();
    EXPECT_EQ(v.viewer().ReadPosition, 21);
    v.run->now = 1021;
    v.page().TickNow = true;
    v.form().Timer1_Timer();
    v.page().TickNow = false;
    EXPECT_EQ(v.viewer().ReadPosition, 31);
}

TEST(Form1Typing, TypedPageLooksLikeThePageDrawnAtOnce)
{
    LoadedViewer v(NumberedLines(300));
    const int32_t second = v.viewer().ReadPosition;
    const QImage expected = v.instantPage(second);
    const int32_t third = v.viewer().ReadPosition;

    v.viewer().ReadPosition = second;
    v.viewer().MessageSpeed = 4;
    v.startTyping();
    EXPECT_GT(v.run->stepUntilOff(1, &Form1::Timer1_Timer), 5);
    EXPECT_EQ(v.viewer().ReadPosition, third);
    EXPECT_EQ(TextArea(v.form()), expected);
}

TEST(Form1PageTurn, LineScrollMovesTheOldPageOutThenRevealsTheNewOne)
{
    LoadedViewer v(NumberedLines(300));
    const int32_t second = v.viewer().ReadPosition;
    const QImage first = TextArea(v.form());
    const QImage expected = v.instantPage(second);
    v.instantPage(1);
    ASSERT_EQ(TextArea(v.form()), first);

    // Next page with a redraw at the end of the scroll, as a click does it.
    v.viewer().ReadPosition = second;
    v.viewer().PageStartList = QString::number(second) + QStringLiteral(",1");
    v.page().PenPos = {0, 0};
    v.page().RedrawAfterScroll = true;
    v.page().PageTurnBusy = true;
    v.form().Scroll_start(1);
    EXPECT_FALSE(v.form().TimerEnabled(1));
    EXPECT_EQ(v.form().Timer(2).interval(), 5);
    v.form().Timer2_Timer();
    EXPECT_NE(TextArea(v.form()), first); // moved
    EXPECT_GT(v.run->stepUntilOff(2, &Form1::Timer2_Timer), 1);

    // The new page was drawn at once and slides in from the buffer.
    ASSERT_TRUE(v.form().TimerEnabled(3));
    EXPECT_NE(TextArea(v.form()), expected);
    EXPECT_GT(v.run->stepUntilOff(3, &Form1::Timer3_Timer), 1);
    EXPECT_FALSE(v.page().PageTurnBusy);
    EXPECT_EQ(TextArea(v.form()), expected);
}

TEST(Form1PageTurn, LineScrollWithoutRedrawTypesTheNewPage)
{
    LoadedViewer v(NumberedLines(300));
    const int32_t second = v.viewer().ReadPosition;
    const QImage expected = v.instantPage(second);
    v.instantPage(1);

    v.viewer().ReadPosition = second;
    v.page().PenPos = {0, 0};
    v.form().Scroll_start(1);
    v.run->stepUntilOff(2, &Form1::Timer2_Timer);
    EXPECT_TRUE(v.form().TimerEnabled(1));
    EXPECT_FALSE(v.form().TimerEnabled(3));
    v.run->stepUntilOff(1, &Form1::Timer1_Timer);
    EXPECT_EQ(TextArea(v.form()), expected);
}

TEST(Form1PageTurn, ScrollModeAndBackwardTurnsBringThePageInFromTheBuffer)
{
    LoadedViewer v(NumberedLines(300));
    const int32_t second = v.viewer().ReadPosition;
    const QImage pageOne = TextArea(v.form());
    const QImage pageTwo = v.instantPage(second);
    v.instantPage(1);

    // Forward at speed 0: the page start is recorded and the scroll takes over.
    v.viewer().MessageSpeed = 0;
    v.viewer().ReadPosition = second;
    v.page().ScrollState[0] = 1;
    v.page().PenPos = {0, 0};
    v.form().SetTimerEnabled(1, true); // the old page stays on screen
    v.form().Timer1_Timer();
    EXPECT_FALSE(v.form().TimerEnabled(1));
    ASSERT_TRUE(v.form().TimerEnabled(5));
    EXPECT_EQ(notation::Val(v.viewer().PageStartList), second);
    // One tick, two lines: the new page's first two lines rise in above the status line.
    v.form().Timer5_Timer();
    Surface& s = v.form().CanvasSurface();
    const int lh = int(notation::Fix(s.TextHeight(u"▼") / s.twipsPerPixel() + 3));
    const int bottom = s.heightPx() - lh;
    const QImage& shown = s.image();
    const QImage& buffer = v.form().PageBufferSurface().image();
    EXPECT_EQ(shown.copy(0, bottom - 2 * lh, 200, 2 * lh), buffer.copy(0, 0, 200, 2 * lh));
    EXPECT_EQ(shown.copy(0, 0, 200, lh), pageOne.copy(0, 2 * lh, 200, lh));
    EXPECT_GT(v.run->stepUntilOff(5, &Form1::Timer5_Timer), 2);
    EXPECT_EQ(TextArea(v.form()), pageTwo);
    EXPECT_EQ(v.viewer().Canvas, &v.form().CanvasSurface());

    // Backward at a typing speed goes the same way, from the top.
    v.viewer().MessageSpeed = 5;
    v.viewer().PageStartList = QStringLiteral("1");
    v.viewer().ReadPosition = 1;
    v.page().ScrollState[0] = -1;
    v.startTyping();
    v.form().Timer1_Timer();
    ASSERT_TRUE(v.form().TimerEnabled(5));
    EXPECT_EQ(v.viewer().PageStartList, QStringLiteral("1"));
    v.run->stepUntilOff(5, &Form1::Timer5_Timer);
    EXPECT_EQ(TextArea(v.form()), pageOne);
}

TEST(Form1Redraw, FirstPageIsShownWithoutRevealAndAnEmptyListStartsAgainAtOne)
{
    LoadedViewer v(NumberedLines(300));
    v.form().Shunkan_Hyouji();
    EXPECT_FALSE(v.form().TimerEnabled(3));

    v.viewer().PageStartList.clear();
    v.viewer().ReadPosition = 500;
    v.form().FormRedraw();
    EXPECT_EQ(v.viewer().PageStartList, QStringLiteral("1"));
    EXPECT_TRUE(v.viewer().PageText.startsWith(QStringLiteral("line 1 ")));
    EXPECT_FALSE(v.form().TimerEnabled(3));
    EXPECT_FALSE(v.page().InstantRedraw);

    // A later page drawn without the instant flag slides in.
    v.viewer().PageStartList = QString::number(v.viewer().ReadPosition) + QStringLiteral(",1");
    v.viewer().ReadPosition = int32_t(notation::Val(v.viewer().PageStartList));
    v.form().Shunkan_Hyouji();
    EXPECT_TRUE(v.form().TimerEnabled(3));
}
