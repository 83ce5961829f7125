// The mouse on the page: left turns, right goes back, middle pastes, Ctrl with a button
// held drags the window, Shift+left opens the button bar, the wheel pages.
#include <QMouseEvent>
#include <QPushButton>
#include <gtest/gtest.h>

#include "viewer/CommandsFixture.h"
#include "viewer/ui/ButtonBar.h"

namespace {

struct Mouse : ::testing::Test, CommandsFixture {
    void SetUp() override { show(NumberedLines(200)); }

    void send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at,
              Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QMouseEvent e(type, QPointF(at), form->mapToGlobal(QPointF(at)), button, held, mods);
        QApplication::sendEvent(form.get(), &e);
        settle();
    }
    void click(Qt::MouseButton b, QPoint at = QPoint(40, 40), Qt::KeyboardModifiers mods = {})
    {
        send(QEvent::MouseButtonPress, b, b, at, mods);
        send(QEvent::MouseButtonRelease, b, Qt::NoButton, at, mods);
    }
    // Press, move by the delta with the button held, release.
    void drag(Qt::MouseButton b, QPoint delta, Qt::KeyboardModifiers mods)
    {
        const QPoint start(60, 40);
        send(QEvent::MouseButtonPress, b, b, start, mods);
        send(QEvent::MouseMove, Qt::NoButton, b, start + delta, mods);
        send(QEvent::MouseButtonRelease, b, Qt::NoButton, start + delta, mods);
    }
};

} // namespace

TEST_F(Mouse, LeftClickTurnsForwardAndRightClickBack)
{
    const int32_t second = viewer.ReadPosition;
    click(Qt::LeftButton);
    EXPECT_EQ(viewer.PageStartList, QStringLiteral("%1,1").arg(second));
    click(Qt::RightButton);
    EXPECT_EQ(viewer.PageStartList, QStringLiteral("1"));
}

TEST_F(Mouse, LeftClickWhileTypingFinishesThePageFirst)
{
    show(NumberedLines(200), 9);
    viewer.ReadPosition = 1;
    viewer.PageStartList = QStringLiteral("1");
    f().FormRedraw();
    // Start typing the first page again and stop after a few characters.
    viewer.PageText.clear();
    f().CanvasSurface().Cls();
    page().PenPos = PenPosition{};
    viewer.ReadPosition = 1;
    f().SetTimer1Enabled(true);
    for (int i = 0; i < 3; ++i)
        f().Timer1_Timer();
    ASSERT_TRUE(f().Timer1Enabled());
    click(Qt::LeftButton);
    const QString list = viewer.PageStartList;
    EXPECT_TRUE(list.endsWith(QStringLiteral(",1")));
    EXPECT_GT(list.section(u',', 0, 0).toInt(), 100); // the whole first page was laid out
}

TEST_F(Mouse, MiddleClickAsksThePasteQuestion)
{
    click(Qt::MiddleButton);
    EXPECT_EQ(prompter.titles, QStringList{QStringLiteral("貼り付け処理しますか？")});
}

TEST_F(Mouse, CtrlDragMovesTheWindowByTheMouseDelta)
{
    form->move(100, 100);
    const QString list = viewer.PageStartList;
    drag(Qt::LeftButton, QPoint(20, 15), Qt::ControlModifier);
    EXPECT_EQ(form->pos(), QPoint(120, 115));
    drag(Qt::RightButton, QPoint(-30, 5), Qt::ControlModifier);
    EXPECT_EQ(form->pos(), QPoint(90, 120));
    EXPECT_EQ(viewer.PageStartList, list); // a Ctrl click neither turns nor goes back

    drag(Qt::LeftButton, QPoint(25, 25), Qt::NoModifier); // a plain drag moves nothing
    EXPECT_EQ(form->pos(), QPoint(90, 120));
}

TEST_F(Mouse, ShiftClickOpensTheButtonBarWithTheBrowserButtonsAndAClickClosesIt)
{
    host.back = true;
    host.forward = false;
    const QString list = viewer.PageStartList;
    click(Qt::LeftButton, QPoint(40, 40), Qt::ShiftModifier);
    EXPECT_TRUE(f().Picture3().isVisible());
    EXPECT_TRUE(f().Command1(0).isEnabled());
    EXPECT_FALSE(f().Command1(1).isEnabled());
    click(Qt::LeftButton, QPoint(300, 100));
    EXPECT_FALSE(f().Picture3().isVisible());
    EXPECT_EQ(viewer.PageStartList, list); // that click only closed the bar
}

