// The main frame off screen: the tab strip's order and one tab per caption, and the close
// box that keeps the frame and hands the end of the program to the viewer.
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabBar>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include "shell/ui/MDIForm1.h"
#include "state/ViewerState.h"
#include "viewer/ui/WindowEffects.h"

namespace {

struct NoEffects : WindowEffects {
    void SetWindowAlpha(QWidget&, int32_t a) override { alpha = a; }
    void SetAlwaysOnTop(QWidget&, bool) override {}
    int32_t alpha = -1;
};

QWidget* Child(const QString& caption)
{
    auto* w = new QLabel(caption);
    w->setWindowTitle(caption);
    return w;
}

} // namespace

TEST(MDIForm1, ChildrenGetTabsAtTheFarLeftOncePerCaptionAndTabsBringThemForward)
{
    ViewerState state;
    NoEffects effects;
    QWidget* form2 = Child(QStringLiteral("表示設定"));
    QWidget* form3 = Child(QStringLiteral("ブラウザ"));
    QWidget* form5 = Child(QStringLiteral("検索"));
    MDIForm1 frame(state, effects,
                   {[&] { return std::vector<QWidget*>{form2, nullptr, form3, form5}; }, {}, {}, {}});
    frame.MDIForm_Load();
    EXPECT_EQ(effects.alpha, MDIForm1::kOpacity);
    frame.ShowBehind(); // as at start-up: shown behind the viewer before the children come
    frame.Timer1_Timer();
    // A missing child is skipped; each new tab went in at the far left.
    EXPECT_EQ(frame.TabCaptions(), (QStringList{QStringLiteral("検索"), QStringLiteral("ブラウザ"),
                                                QStringLiteral("表示設定")}));
    EXPECT_TRUE(frame.isMinimized());
    // Behind the viewer the frame cannot take the keys, whatever its children ask for.
    EXPECT_TRUE(frame.windowHandle()->flags() & Qt::WindowDoesNotAcceptFocus);

    QTest::mouseClick(frame.windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(frame.windowHandle()->flags() & Qt::WindowDoesNotAcceptFocus) << "a click asks for the frame";
    frame.ShowBehind();
    EXPECT_TRUE(frame.windowHandle()->flags() & Qt::WindowDoesNotAcceptFocus);

    frame.ShowInFront();
    EXPECT_FALSE(frame.windowHandle()->flags() & Qt::WindowDoesNotAcceptFocus);
    EXPECT_FALSE(frame.isMinimized());

    // Activating a tabbed child again, or another window with the same caption, adds none.
    frame.AddChild(form3);
    EXPECT_EQ(frame.TabStrip1().currentIndex(), 1); // the shown child's tab is the current one
    frame.AddChild(Child(QStringLiteral("検索")));
    EXPECT_EQ(frame.TabStrip1().count(), 3);
    EXPECT_TRUE(frame.Area().activeSubWindow()->isMaximized());

    frame.TabStrip1().setCurrentIndex(2);
    frame.TabC();
    EXPECT_EQ(frame.Area().activeSubWindow()->widget(), form2);
    EXPECT_TRUE(frame.Area().activeSubWindow()->isMaximized());

    // The keys go to a control of the child shown, not to its container or the tab strip.
    auto* form7 = new QWidget;
    form7->setWindowTitle(QStringLiteral("ﾏｸﾛ"));
    auto* field = new QLineEdit(form7);
    frame.AddChild(form7);
    EXPECT_EQ(frame.focusWidget(), field);
    frame.TabStrip1().setCurrentIndex(1);
    frame.TabC();
    EXPECT_NE(frame.focusWidget(), field);
    frame.TabStrip1().setCurrentIndex(0);
    frame.TabC();
    EXPECT_EQ(frame.focusWidget(), field);
}

TEST(MDIForm1, ClosingKeepsTheFrameAndEndsOnlyAfterTheViewerHasUnloaded)
{
    ViewerState state;
    NoEffects effects;
    QStringList calls;
    MDIForm1 frame(state, effects,
                   {{}, [&] { calls << "viewer quit"; }, [&] { calls << "unload"; }, [&] { calls << "end"; }});
    frame.MDIForm_Load();
    frame.show();

    EXPECT_FALSE(frame.close()); // refused: the frame stays
    EXPECT_TRUE(frame.isVisible());
    EXPECT_EQ(state.QuitState, 1);
    frame.Timer2_Timer();
    EXPECT_EQ(calls, QStringList{"viewer quit"});

    // The watch unloads a viewer that has not unloaded yet, and ends the program only
    // once the unload is done.
    frame.Timer3_Timer();
    EXPECT_EQ(calls, (QStringList{"viewer quit", "unload"}));
    state.QuitState = 2;
    frame.Timer3_Timer();
    EXPECT_EQ(calls.last(), "end");

    // A frame made while the program ends does nothing.
    ViewerState ending;
    ending.QuitState = 2;
    MDIForm1 late(ending, effects, {});
    effects.alpha = -1;
    late.MDIForm_Load();
    EXPECT_EQ(effects.alpha, -1);
    EXPECT_FALSE(late.Timer(1).isActive());
}
