// Commands arriving while an animation, a fade or a quit is under way are dropped.
#include <gtest/gtest.h>

#include "viewer/CommandsFixture.h"

namespace {

struct CommandsGuard : ::testing::Test, CommandsFixture {
    void SetUp() override { show(NumberedLines(200)); }

    struct Snapshot {
        QString text, list;
        int32_t position, speed;
        bool returnMushi, onTop;
        bool operator==(const Snapshot&) const = default;
    };
    Snapshot snapshot() const
    {
        return {viewer.CurrentText, viewer.PageStartList, viewer.ReadPosition, viewer.MessageSpeed,
                viewer.ReturnMushi, viewer.AlwaysOnTop};
    }

    // Every command the keyboard, the mouse and a drop can send; nothing may get through.
    void sendEverything(bool withMouse = true)
    {
        for (Qt::Key k : {Qt::Key_T, Qt::Key_W, Qt::Key_F, Qt::Key_L, Qt::Key_S, Qt::Key_A,
                          Qt::Key_Z, Qt::Key_Y, Qt::Key_Down, Qt::Key_Up, Qt::Key_Home,
                          Qt::Key_Escape, Qt::Key_Return})
            QTest::keyClick(form.get(), k);
        for (Qt::Key k : {Qt::Key_B, Qt::Key_V, Qt::Key_C})
            QTest::keyClick(form.get(), k, Qt::ControlModifier);
        QTest::keyClick(form.get(), Qt::Key_Right, Qt::ShiftModifier);
        f().Picture1_KeyDown(85, 90);
        f().Picture1_KeyDown(40, 90);
        f().Picture1_KeyDown(40, 99);
        if (withMouse) {
            QTest::mouseClick(form.get(), Qt::LeftButton, {}, QPoint(20, 20));
            QTest::mouseClick(form.get(), Qt::RightButton, {}, QPoint(20, 20));
            QTest::mouseClick(form.get(), Qt::MiddleButton, {}, QPoint(20, 20));
        }
        input->Mouse().m_CWheel_MouseWheel(-1);
        input->Form_OLEDragDrop(QStringLiteral("dropped"), 2);
    }
};

} // namespace

TEST_F(CommandsGuard, EveryCommandIsRefusedWhileAnAnimationOrFadeRuns)
{
    const Snapshot before = snapshot();
    const QSize size = form->size();
    std::vector<std::function<void(bool)>> busy{
        [this](bool on) { f().SetTimerEnabled(2, on); },
        [this](bool on) { f().SetTimerEnabled(3, on); },
        [this](bool on) { f().SetTimerEnabled(5, on); },
        [this](bool on) { page().PageTurnBusy = on; },
        [this](bool on) { page().HideShowBusy = on; },
    };
    for (size_t i = 0; i < busy.size(); ++i) {
        prompter.queue(true);
        prompter.queue(true);
        busy[i](true);
        sendEverything();
        busy[i](false);
        EXPECT_TRUE(snapshot() == before) << "busy state " << i;
        EXPECT_EQ(prompter.asked(), 0) << i;
        EXPECT_TRUE(host.calls.isEmpty()) << i;
        EXPECT_TRUE(effects.onTop.isEmpty()) << i;
        EXPECT_EQ(form->size(), size) << i;
        EXPECT_TRUE(form->isVisible()) << i;
        EXPECT_TRUE(viewer.DroppedText == QStringLiteral("dropped") || viewer.DroppedText.isEmpty());
        viewer.DroppedText.clear();
    }
    f().SetTimerEnabled(2, false);
    f().SetTimerEnabled(3, false);
    f().SetTimerEnabled(5, false);
    key(Qt::Key_T); // and once the animation is over, commands run again
    EXPECT_EQ(effects.onTop, QList<bool>{true});
}

// Clicks on the page are only held back by animations; what reaches the dispatcher stops.
TEST_F(CommandsGuard, NoCommandRunsOnceTheViewerIsQuitting)
{
    viewer.QuitState = 1;
    const Snapshot before = snapshot();
    sendEverything(false);
    EXPECT_TRUE(snapshot() == before);
    EXPECT_EQ(prompter.asked(), 0);
    EXPECT_FALSE(f().Unloaded());
}

TEST_F(CommandsGuard, BusyFetchSkipsOnlyTheMarkedRows)
{
    viewer.FetchBusy = 1;
    const int32_t speed = viewer.MessageSpeed;
    f().Picture1_KeyDown(90, 0); // Z: a busy row
    f().Picture1_KeyDown(83, 0); // S: runs while busy
    f().Picture1_KeyDown(87, 0); // W: a busy row
    EXPECT_EQ(viewer.MessageSpeed, speed);
    EXPECT_EQ(host.calls, QStringList{"Form2"});
    key(Qt::Key_W); // a real key press clears the flag afterwards
    EXPECT_EQ(viewer.FetchBusy, 0);
    key(Qt::Key_W);
    EXPECT_EQ(host.calls, (QStringList{"Form2", "Form6"}));
}
