// The commands that act on the window: always on top, quit, hide and show, resize.
#include <QWidget>
#include <cmath>

#include "core/Surface.h"
#include "viewer/ViewerPageState.h"
#include "state/ViewerState.h"
#include "viewer/ui/ViewerCommands.h"
#include "viewer/ui/ViewerCommandsWindow.h"

void ViewerCommands::ToggleAlwaysOnTop()
{
    ViewerState& v = ctx_.window.viewer();
    v.AlwaysOnTop = !v.AlwaysOnTop;
    ctx_.window.SetAlwaysOnTop(v.AlwaysOnTop);
    ctx_.window.line_print();
}

void ViewerCommands::Quit()
{
    if (ctx_.window.widget().isVisible())
        ctx_.window.FormHihyouji();
    ctx_.window.Unload();
}

// Without the fade: the hide/show hotkey or the tray icon brings the window back.
void ViewerCommands::ToggleVisible()
{
    QWidget& window = ctx_.window.widget();
    window.setVisible(!window.isVisible());
}

// Shift+arrows grow or shrink the window by half a character cell of the viewer's font.
void ViewerCommands::ResizeByHalfCell(int16_t KeyCode)
{
    ViewerCommandsWindow& w = ctx_.window;
    Surface& canvas = w.windowSurface();
    const double tpp = canvas.twipsPerPixel();
    const double cellW = std::floor(tpp + canvas.TextWidth(u"▼") * tpp / canvas.unitsPerPixel());
    const double cellH = std::floor(tpp + canvas.TextHeight(u"▼") * tpp / canvas.unitsPerPixel());
    const double stepW = cellW / 2, stepH = cellH / 2;

    QWidget& window = w.widget();
    double width = window.width() * tpp, height = window.height() * tpp;
    if (KeyCode == 38)
        height = std::abs(height - stepH);
    else if (KeyCode == 40)
        height += stepH;
    else if (KeyCode == 37)
        width = std::abs(width - stepW);
    else
        width += stepW;
    window.resize(int(std::lround(width / tpp)), int(std::lround(height / tpp)));

    if (Surface* buffer = w.viewer().PageBuffer)
        buffer->resize(window.width(), window.height());
    canvas.Cls();
    w.line_print();
}
