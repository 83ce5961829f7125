#pragma once
// What the viewer's key and mouse commands need of the viewer window: its state, its
// display modes and timers, the button bar, the link tooltip and the window itself.
// The viewer window provides it (through a thin adapter); tests may provide their own.
#include <cstdint>

class QLabel;
class QWidget;
class Surface;
struct ViewerPageState;
struct ViewerState;

class ViewerCommandsWindow {
public:
    virtual ~ViewerCommandsWindow() = default;

    virtual ViewerState& viewer() = 0;
    virtual ViewerPageState& page() = 0;
    // The window itself: visibility, focus, position and size, mouse pointer.
    virtual QWidget& widget() = 0;
    // The window's own drawing surface (what Canvas is when nothing animates).
    virtual Surface& windowSurface() = 0;
    // The label used as the link tooltip.
    virtual QLabel& FormToolTipText() = 0;

    // --- renderers and display modes
    virtual void line_print() = 0;
    virtual void Hitomoji_Print() = 0;
    virtual void Shunkan_Hyouji() = 0;
    virtual void Scroll_start(int32_t direction) = 0;
    virtual void Timer1_Timer() = 0;
    virtual bool Timer1Enabled() const = 0;
    virtual void SetTimer1Enabled(bool on) = 0;
    // Timer2, Timer3 or Timer5: a page turn, reveal or scroll is under way.
    virtual bool AnimationRunning() const = 0;
    virtual void FormHihyouji() = 0;
    virtual void Timer6_kiru() = 0;

    // --- button bar
    virtual bool Picture3Visible() const = 0;
    virtual void Picture3_Visible(bool wanted) = 0;
    // The bar's back and forward buttons (Command1(0), Command1(1)).
    virtual void SetPanelBackForwardEnabled(bool back, bool forward) = 0;

    // --- window
    virtual void SetAlwaysOnTop(bool onTop) = 0;
    // Closes the viewer; its unload saves the state and ends the program.
    virtual void Unload() = 0;
};
