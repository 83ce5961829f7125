// The wheel source on the real viewer window: a notch pages like Down and Up, and a wheel
// turned while the middle button's paste question is open pages nothing.
#include <QWheelEvent>
#include <gtest/gtest.h>

#include "shell/ui/clsWheelMouse.h"
#include "shell/ui/clsWheelMouseViewer.h"
#include "viewer/CommandsFixture.h"

namespace {

struct ViewerWheel : ::testing::Test, CommandsFixture {
    clsWheelMouse m_CWheel;
    void SetUp() override
    {
        show(NumberedLines(200));
        ASSERT_TRUE(StartViewerWheel(m_CWheel, *form, input->Mouse()));
    }
    void TearDown() override { m_CWheel.Terminate(); }
    void wheel(int delta)
    {
        QWheelEvent e(QPointF(30, 30), form->mapToGlobal(QPointF(30, 30)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(form.get(), &e);
        settle();
    }
    void middle(QEvent::Type type)
    {
        QMouseEvent e(type, QPointF(30, 30), form->mapToGlobal(QPointF(30, 30)), Qt::MiddleButton,
                      type == QEvent::MouseButtonPress ? Qt::MiddleButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &e);
        settle();
    }
};

} // namespace

TEST_F(ViewerWheel, ANotchTowardsTheUserTurnsOnePageAndAwayTurnsBack)
{
    const int32_t second = viewer.ReadPosition;
    for (int i = 0; i < 4; ++i)
        wheel(-30); // a fine-grained wheel: four small steps make the notch
    EXPECT_EQ(viewer.PageStartList, QStringLiteral("%1,1").arg(second));
    wheel(240);
    EXPECT_EQ(viewer.PageStartList, QStringLiteral("1"));
}

TEST_F(ViewerWheel, AWheelTurnDuringThePasteQuestionPagesNothing)
{
    prompter.whileAsking = [this] { wheel(-120); };
    prompter.queue(false);
    middle(QEvent::MouseButtonPress);
    middle(QEvent::MouseButtonRelease);
    EXPECT_EQ(prompter.asked(), 1); // the window still got the middle button
    EXPECT_EQ(viewer.PageStartList, QStringLiteral("1"));

    prompter.whileAsking = nullptr;
    wheel(-120); // and once the question is answered the wheel works again
    EXPECT_NE(viewer.PageStartList, QStringLiteral("1"));
}

TEST_F(ViewerWheel, NothingHappensWhileAnAnimationRuns)
{
    f().SetTimerEnabled(3, true);
    wheel(-120);
    f().SetTimerEnabled(3, false);
    EXPECT_EQ(viewer.PageStartList, QStringLiteral("1"));
}
