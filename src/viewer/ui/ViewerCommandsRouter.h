#pragma once
// Routes the viewer window's Qt input events to the commands: key presses (translated to
// key codes and the Shift mask), mouse buttons and moves (buttons 1/2/4, twips), and text
// drops. Installed as an event filter on the viewer window; the events it takes stop there.
#include <QObject>
#include <cstdint>

class QDropEvent;
class QMouseEvent;
class QWidget;
class ViewerCommands;
struct ViewerState;

class ViewerCommandsRouter : public QObject {
    Q_OBJECT
public:
    ViewerCommandsRouter(ViewerCommands& commands, ViewerState& viewer, QObject* parent = nullptr);

    // Starts routing the window's input; it also starts accepting drops.
    void attach(QWidget& window);
    // True when the event was a command input and has been handled.
    bool route(QWidget& window, QEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void mouse(QWidget& window, const QMouseEvent& event);

    ViewerCommands& commands_;
    ViewerState& viewer_;
};

// Mouse buttons as the commands number them: 1 left, 2 right, 4 middle.
int16_t ButtonCode(Qt::MouseButtons buttons);
