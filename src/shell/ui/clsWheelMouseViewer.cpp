#include "shell/ui/clsWheelMouseViewer.h"

#include <QWidget>

#include "shell/ui/clsWheelMouse.h"
#include "viewer/ui/ViewerMouse.h"

bool StartViewerWheel(clsWheelMouse& m_CWheel, QWidget& viewer, ViewerMouse& mouse)
{
    if (!m_CWheel.Initialize(&viewer))
        return false;
    QObject::connect(&m_CWheel, &clsWheelMouse::MouseWheel, &viewer,
                     [&mouse](short v) { mouse.m_CWheel_MouseWheel(v); });
    QObject::connect(&m_CWheel, &clsWheelMouse::MouseWheelButtonDown, &viewer,
                     [&mouse](float x, float y) { mouse.m_CWheel_MouseWheelButtonDown(x, y); });
    QObject::connect(&m_CWheel, &clsWheelMouse::MouseWheelButtonUp, &viewer,
                     [&mouse](float x, float y) { mouse.m_CWheel_MouseWheelButtonUp(x, y); });
    return true;
}
