#pragma once
// The main frame "設定": holds the program's secondary windows as maximized children with a
// tab strip across the top (each new child's tab goes in at the far left, one tab per
// caption). It starts minimized, and it carries the orderly shutdown: closing it keeps it
// on screen and ends the program through the viewer's unload, which saves everything.
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

class QMdiArea;
class QMdiSubWindow;
class QTabBar;
class WindowEffects;
struct ViewerState;

class MDIForm1 : public QWidget {
    Q_OBJECT
public:
    // What the frame asks of the rest of the program.
    struct Calls {
        std::function<std::vector<QWidget*>()> children; // in the order they are shown
        std::function<void()> startViewerQuit;            // the viewer's Timer8
        std::function<void()> unloadViewer;               // the viewer's unload, now
        std::function<void()> endProgram;
    };

    MDIForm1(ViewerState& state, WindowEffects& effects, Calls calls, QWidget* parent = nullptr);
    ~MDIForm1() override;

    static QString Caption();
    static constexpr int kOpacity = 217; // 85 % of 255

    void MDIForm_Load();
    // Shows the frame below the other windows: where no window manager can minimize it (a
    // bare X server) it must not cover the viewer.
    void ShowBehind();
    // Shows the frame in front, with the keys: the user asked for one of its windows.
    void ShowInFront();
    // Shows a child window in the frame and activates it: a caption without a tab gets one
    // at the far left; a caption already tabbed adds none.
    void AddChild(QWidget* child);
    void MDIForm_Activate();
    void TabC();
    void Timer1_Timer(); // start: show the children, then minimize
    void Timer2_Timer(); // the frame was closed: start the viewer's quit
    void Timer3_Timer(); // shutdown watch

    QTabBar& TabStrip1() { return *tabStrip_; }
    QMdiArea& Area() { return *area_; }
    QStringList TabCaptions() const;
    QTimer& Timer(int number); // 1..3

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMdiSubWindow* SubWindowOf(QWidget* child) const;
    void SetTakesFocus(bool takes);
    // Restored from the task bar or clicked while behind: the user wants the frame.
    void TakeFocusForUser();
    static void FocusInto(QWidget* child);
    void BringForward(QMdiSubWindow* sub); // its tab, once per caption, and maximized

    ViewerState& state_;
    WindowEffects& effects_;
    Calls calls_;
    QTabBar* tabStrip_;
    QMdiArea* area_;
    // The children with a tab, in the order they were added; the spare slot of the
    // original layout is the local `active` of MDIForm_Activate.
    std::vector<QPointer<QMdiSubWindow>> ChildForms;
    QTimer timer1_, timer2_, timer3_;
};
