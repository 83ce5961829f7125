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
    return img.copy(0, 0, img.width(), img.height() * 3 / 4); // the status line left out
}

struct LoadedViewer : ProgramFolder {
    explicit LoadedViewer(const QString& text)
    {
        writeClipText(codec::EncodeTextFile(text));
        run = std::make_unique<ViewerRun>(paths());
        EXPECT_TRUE(run->load());
        // Both surfaces in one background colour, as the display settings leave them.
        form().CanvasSurface().setBackColor(form().PageBufferSurface().BackColor());
        pageOne = instantPage(1);
        second = viewer().ReadPosition;
        pageTwo = instantPage(second);
        instantPage(1);
    }
    Form1& form() { return *run->form; }
    ViewerState& viewer() { return run->viewer; }
    ViewerPageState& page() { return run->form->Page(); }

    QImage instantPage(int32_t start)
    {
        viewer().PageStartList = start == 1 ? QStringLiteral("1") : QString::number(start) + QStringLiteral(",1");
        form().FormRedraw();
        return TextArea(form());
    }
    // A page begins at ReadPosition with the typing timer, the old page left on screen.
    void startPage(int32_t at, int32_t direction)
    {
        viewer().ReadPosition = at;
        page().ScrollState[0] = direction;
        page().PenPos = {0, 0};
        form().SetTimerEnabled(1, true);
    }

    std::unique_ptr<ViewerRun> run;
    QImage pageOne, pageTwo;
    int32_t second = 0;
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
        v.viewer().MessageSpeed = c.speed;
        v.startPage(1, 0);
        v.form().Timer1_Timer();
        v.form().Timer1_Timer();
        EXPECT_EQ(v.viewer().ReadPosition, 1 + 2 * c.perTick) << "speed " << c.speed;
    }
}

TEST(Form1Typing, TicksComeNoCloserThanTheIntervalUnlessTickNowIsSet)
{
    LoadedViewer v(QString(2000, u'a'));
    v.viewer().MessageSpeed = 1;
    v.form().Timer6_Timer(); // the first idle second sets the 20 ms pace
    v.startPage(1, 0);
    const struct {
        double now;
        bool tickNow;
        int32_t position;
    } ticks[] = {{1000, false, 11}, {1019, false, 11}, {1020, false, 21}, {1021, true, 31}};
    for (const auto& t : ticks) {
        v.run->now = t.now;
        v.page().TickNow = t.tickNow;
        v.form().Timer1_Timer();
        EXPECT_EQ(v.viewer().ReadPosition, t.position) << "at " << t.now;
    }
}

TEST(Form1PageTurn, LineScrollMovesTheOldPageOutThenRevealsOrTypesTheNewOne)
{
    LoadedViewer v(NumberedLines(300));
    // With a redraw at the end, as a click turns the page: drawn at once, then slid in.
    v.viewer().PageStartList = QString::number(v.second) + QStringLiteral(",1");
    v.page().RedrawAfterScroll = true;
    v.page().PageTurnBusy = true;
    v.startPage(v.second, 0);
    v.form().Scroll_start(1);
    EXPECT_FALSE(v.form().TimerEnabled(1));
    v.form().Timer2_Timer();
    EXPECT_NE(TextArea(v.form()), v.pageOne);
    EXPECT_GT(v.run->stepUntilOff(2, &Form1::Timer2_Timer), 1);
    ASSERT_TRUE(v.form().TimerEnabled(3));
    EXPECT_NE(TextArea(v.form()), v.pageTwo);
    EXPECT_GT(v.run->stepUntilOff(3, &Form1::Timer3_Timer), 1);
    EXPECT_FALSE(v.page().PageTurnBusy);
    EXPECT_EQ(TextArea(v.form()), v.pageTwo);

    // Without: the new page is typed.
    v.instantPage(1);
    v.startPage(v.second, 0);
    v.form().Scroll_start(1);
    v.run->stepUntilOff(2, &Form1::Timer2_Timer);
    EXPECT_FALSE(v.form().TimerEnabled(3));
    EXPECT_GT(v.run->stepUntilOff(1, &Form1::Timer1_Timer), 5);
    EXPECT_EQ(TextArea(v.form()), v.pageTwo);
}

TEST(Form1PageTurn, ScrollModeAndBackwardTurnsBringThePageInFromTheBuffer)
{
    LoadedViewer v(NumberedLines(300));
    // Forward at speed 0: the page start is recorded and the scroll takes over.
    v.viewer().MessageSpeed = 0;
    v.startPage(v.second, 1);
    v.form().Timer1_Timer();
    EXPECT_FALSE(v.form().TimerEnabled(1));
    ASSERT_TRUE(v.form().TimerEnabled(5));
    EXPECT_EQ(notation::Val(v.viewer().PageStartList), v.second);
    // One tick, two lines: the new page's first lines rise in above the status line.
    v.form().Timer5_Timer();
    Surface& s = v.form().CanvasSurface();
    const int lh = int(notation::Fix(s.TextHeight(u"▼") / s.twipsPerPixel() + 3));
    const int bottom = s.heightPx() - lh;
    const QImage& buffer = v.form().PageBufferSurface().image();
    EXPECT_EQ(s.image().copy(0, bottom - 2 * lh, 200, 2 * lh), buffer.copy(0, 0, 200, 2 * lh));
    EXPECT_EQ(s.image().copy(0, 0, 200, lh), v.pageOne.copy(0, 2 * lh, 200, lh));
    EXPECT_GT(v.run->stepUntilOff(5, &Form1::Timer5_Timer), 2);
    EXPECT_EQ(TextArea(v.form()), v.pageTwo);
    EXPECT_EQ(v.viewer().Canvas, &s);

    // Backward at a typing speed goes the same way, from the top.
    v.viewer().MessageSpeed = 5;
    v.viewer().PageStartList = QStringLiteral("1");
    v.startPage(1, -1);
    v.form().Timer1_Timer();
    ASSERT_TRUE(v.form().TimerEnabled(5));
    EXPECT_EQ(v.viewer().PageStartList, QStringLiteral("1"));
    v.run->stepUntilOff(5, &Form1::Timer5_Timer);
    EXPECT_EQ(TextArea(v.form()), v.pageOne);
}

TEST(Form1Redraw, OnlyALaterPageIsRevealedAndAnEmptyListStartsAgainAtOne)
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

    v.viewer().PageStartList = QString::number(v.second) + QStringLiteral(",1");
    v.viewer().ReadPosition = v.second;
    v.form().Shunkan_Hyouji();
    EXPECT_TRUE(v.form().TimerEnabled(3));
}
