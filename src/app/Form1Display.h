#pragma once
// The viewer window as the display settings dialog drives it.
#include "settings/ui/ViewerDisplay.h"
#include "viewer/ui/Form1.h"

class Form1Display : public ViewerDisplay {
public:
    explicit Form1Display(Form1& viewer) : viewer_(viewer) {}
    Surface& CanvasSurface() override { return viewer_.CanvasSurface(); }
    Surface& PageBufferSurface() override { return viewer_.PageBufferSurface(); }
    void Irohenge(Colour& colour, int32_t& mode) override { viewer_.Irohenge(colour, mode); }
    void FormRedraw() override { viewer_.FormRedraw(); }
    void SetWindowAlpha(int32_t level) override { viewer_.SetWindowAlpha(level); }
    void SetColourKeyTransparency(bool on) override { viewer_.SetColourKeyTransparency(on); }

private:
    Form1& viewer_;
};
