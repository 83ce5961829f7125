#pragma once
// The viewer's wheel source m_CWheel: started on the viewer window (outside a debug run)
// and wired to the viewer's wheel handlers.
class QWidget;
class ViewerMouse;
class clsWheelMouse;

// True when the source now watches the window; its events then reach the mouse handlers.
bool StartViewerWheel(clsWheelMouse& m_CWheel, QWidget& viewer, ViewerMouse& mouse);
