#pragma once
// What the display settings change on the viewer window: its own surface and the page
// buffer (colours, font), the page's colour stack, the redraw of the current page, the
// window's opacity and the background colour key. The application object hands the viewer
// in through this; tests hand in surfaces of their own.
#include <cstdint>

#include "core/Surface.h"

class ViewerDisplay {
public:
    virtual ~ViewerDisplay() = default;

    virtual Surface& CanvasSurface() = 0;     // the viewer window's surface
    virtual Surface& PageBufferSurface() = 0; // the off-screen page of the animations
    // The layout's colour routine; mode 99 makes the colour the whole stack.
    virtual void Irohenge(Colour& colour, int32_t& mode) = 0;
    // Lays the current page out again from its start (nothing before start-up has ended).
    virtual void FormRedraw() = 0;
    virtual void SetWindowAlpha(int32_t level) = 0; // 0..255
    // Pixels in the canvas's back colour let the desktop through while on.
    virtual void SetColourKeyTransparency(bool on) = 0;
};
