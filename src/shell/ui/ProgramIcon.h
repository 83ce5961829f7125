#pragma once
// The program's own icon (every size the desktops ask for), on the viewer, the main frame
// and the tray.
#include <QIcon>

QIcon ProgramIcon();
