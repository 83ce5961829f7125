#pragma once
// Plugs the key and mouse commands into the viewer window: Form1 sends every key, mouse
// button, move and drop here, and the commands drive Form1's display modes through it.
// The application object creates one per viewer and hands it to Form1::SetInput.
#include <QObject>

#include "viewer/ui/ViewerCommands.h"
#include "viewer/ui/ViewerCommandsWindow.h"
#include "viewer/ui/ViewerInput.h"

class Form1;
class ViewerCommandHost;

// Form1 seen as what the commands need of a window.
class ViewerCommandsForm1Window final : public ViewerCommandsWindow {
public:
    explicit ViewerCommandsForm1Window(Form1& form) : form_(form) {}

    ViewerState& viewer() override;
    ViewerPageState& page() override;
    QWidget& widget() override;
    Surface& windowSurface() override;
    QLabel& FormToolTipText() override;
    void line_print() override;
    void Hitomoji_Print() override;
    void Shunkan_Hyouji() override;
    void Scroll_start(int32_t direction) override;
    void Timer1_Timer() override;
    bool Timer1Enabled() const override;
    void SetTimer1Enabled(bool on) override;
    bool AnimationRunning() const override;
    void FormHihyouji() override;
    void Timer6_kiru() override;
    bool Picture3Visible() const override;
    void Picture3_Visible(bool wanted) override;
    void SetPanelBackForwardEnabled(bool back, bool forward) override;
    void SetAlwaysOnTop(bool onTop) override;
    void Unload() override;

private:
    Form1& form_;
};

class ViewerCommandsInput final : public QObject, public ViewerInput {
public:
    // host: the other windows; it must outlive this object, as must the form.
    ViewerCommandsInput(Form1& form, ViewerCommandHost& host);
    ~ViewerCommandsInput() override;

    void Picture1_KeyDown(int16_t& KeyCode, int16_t& Shift) override;
    void Form_KeyDown(int16_t& KeyCode, int16_t& Shift) override;
    void Form_MouseDown(int16_t Button, int16_t Shift, double X, double Y) override;
    void Form_MouseMove(int16_t Button, int16_t Shift, double X, double Y) override;
    void Form_OLEDragDrop(const QString& text, int16_t Shift) override;
    bool AcceptsDrops() const override { return true; }

    ViewerCommands& Commands() { return commands_; }
    ViewerMouse& Mouse() { return commands_.mouse(); }
    ViewerCommandsWindow& Window() { return window_; }

protected:
    // Drops that name files rather than carry text are stopped before the window sees them.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Form1& form_;
    ViewerCommandsForm1Window window_;
    ViewerCommands commands_;
};
