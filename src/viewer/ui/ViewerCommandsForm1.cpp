#include "viewer/ui/ViewerCommandsForm1.h"

#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>

#include "viewer/ui/ButtonBar.h"
#include "viewer/ui/Form1.h"
#include "viewer/ui/ViewerDrop.h"

ViewerState& ViewerCommandsForm1Window::viewer() { return form_.Viewer(); }
ViewerPageState& ViewerCommandsForm1Window::page() { return form_.Page(); }
QWidget& ViewerCommandsForm1Window::widget() { return form_; }
Surface& ViewerCommandsForm1Window::windowSurface() { return form_.CanvasSurface(); }
QLabel& ViewerCommandsForm1Window::FormToolTipText() { return form_.FormToolTipText(); }
void ViewerCommandsForm1Window::line_print() { form_.line_print(); }
void ViewerCommandsForm1Window::Hitomoji_Print() { form_.Hitomoji_Print(); }
void ViewerCommandsForm1Window::Shunkan_Hyouji() { form_.Shunkan_Hyouji(); }
void ViewerCommandsForm1Window::Scroll_start(int32_t direction) { form_.Scroll_start(direction); }
void ViewerCommandsForm1Window::Timer1_Timer() { form_.Timer1_Timer(); }
bool ViewerCommandsForm1Window::Timer1Enabled() const { return form_.Timer1Enabled(); }
void ViewerCommandsForm1Window::SetTimer1Enabled(bool on) { form_.SetTimer1Enabled(on); }

bool ViewerCommandsForm1Window::AnimationRunning() const
{
    return form_.TimerEnabled(2) || form_.TimerEnabled(3) || form_.TimerEnabled(5);
}

void ViewerCommandsForm1Window::FormHihyouji() { form_.FormHihyouji(); }
void ViewerCommandsForm1Window::Timer6_kiru() { form_.Timer6_kiru(); }
bool ViewerCommandsForm1Window::Picture3Visible() const { return form_.Picture3().isVisible(); }
void ViewerCommandsForm1Window::Picture3_Visible(bool wanted) { form_.Picture3_Visible(wanted); }

void ViewerCommandsForm1Window::SetPanelBackForwardEnabled(bool back, bool forward)
{
    form_.Command1(0).setEnabled(back);
    form_.Command1(1).setEnabled(forward);
}

void ViewerCommandsForm1Window::SetAlwaysOnTop(bool onTop) { form_.SetAlwaysOnTop(onTop); }
void ViewerCommandsForm1Window::Unload() { form_.Form_Unload(); }

ViewerCommandsInput::ViewerCommandsInput(Form1& form, ViewerCommandHost& host)
    : form_(form), window_(form),
      commands_({window_, host, form.Prompts(), form.History(), form.Record(), form.Paths()})
{
    form.installEventFilter(this);
}

ViewerCommandsInput::~ViewerCommandsInput() { form_.removeEventFilter(this); }

void ViewerCommandsInput::Picture1_KeyDown(int16_t& KeyCode, int16_t& Shift)
{
    commands_.Picture1_KeyDown(0, KeyCode, Shift);
}

void ViewerCommandsInput::Form_KeyDown(int16_t& KeyCode, int16_t& Shift)
{
    commands_.Form_KeyDown(KeyCode, Shift);
}

void ViewerCommandsInput::Form_MouseDown(int16_t Button, int16_t Shift, double X, double Y)
{
    commands_.mouse().Form_MouseDown(Button, Shift, X, Y);
}

void ViewerCommandsInput::Form_MouseMove(int16_t Button, int16_t Shift, double X, double Y)
{
    commands_.mouse().Form_MouseMove(Button, Shift, X, Y);
}

void ViewerCommandsInput::Form_OLEDragDrop(const QString& text, int16_t Shift)
{
    ::Form_OLEDragDrop(commands_, form_.Viewer(), text, Shift);
}

bool ViewerCommandsInput::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched != &form_ || (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop))
        return false;
    const QMimeData* data = static_cast<QDropEvent*>(event)->mimeData();
    if (data && DroppedPlainText(*data))
        return false;
    event->ignore();
    return true;
}
