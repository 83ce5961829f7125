#include "viewer/ui/ViewerCommandsRouter.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QWidget>

#include "viewer/ui/KeyTranslation.h"
#include "viewer/ui/ViewerCommands.h"
#include "viewer/ui/ViewerDrop.h"

int16_t ButtonCode(Qt::MouseButtons buttons)
{
    int16_t code = 0;
    if (buttons & Qt::LeftButton)
        code |= 1;
    if (buttons & Qt::RightButton)
        code |= 2;
    if (buttons & Qt::MiddleButton)
        code |= 4;
    return code;
}

ViewerCommandsRouter::ViewerCommandsRouter(ViewerCommands& commands, ViewerState& viewer,
                                           QObject* parent)
    : QObject(parent), commands_(commands), viewer_(viewer)
{
}

void ViewerCommandsRouter::attach(QWidget& window)
{
    window.setAcceptDrops(true);
    window.setMouseTracking(true); // link hover needs moves without a button held
    window.installEventFilter(this);
}

bool ViewerCommandsRouter::eventFilter(QObject* watched, QEvent* event)
{
    auto* window = qobject_cast<QWidget*>(watched);
    return window && route(*window, *event);
}

void ViewerCommandsRouter::mouse(QWidget& window, const QMouseEvent& event)
{
    const double x = event.position().x() * 1440.0 / window.logicalDpiX();
    const double y = event.position().y() * 1440.0 / window.logicalDpiY();
    const int16_t shift = ShiftMask(event.modifiers());
    if (event.type() == QEvent::MouseMove)
        commands_.mouse().Form_MouseMove(ButtonCode(event.buttons()), shift, x, y);
    else
        commands_.mouse().Form_MouseDown(ButtonCode(event.button()), shift, x, y);
}

bool ViewerCommandsRouter::route(QWidget& window, QEvent& event)
{
    switch (event.type()) {
    case QEvent::KeyPress: {
        const VirtualKey key = TranslateKeyEvent(static_cast<QKeyEvent&>(event));
        if (key.KeyCode != 0)
            commands_.Form_KeyDown(key.KeyCode, key.Shift);
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
        mouse(window, static_cast<QMouseEvent&>(event));
        return true;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto& drag = static_cast<QDropEvent&>(event);
        if (drag.mimeData() && DroppedPlainText(*drag.mimeData()))
            drag.acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto& drop = static_cast<QDropEvent&>(event);
        drop.acceptProposedAction();
        if (drop.mimeData())
            Form_OLEDragDrop(commands_, viewer_, *drop.mimeData(), ShiftMask(drop.modifiers()));
        return true;
    }
    default:
        return false;
    }
}
