#pragma once
// The viewer's line and status renderers: a text with its drop shadow, the status line at
// the foot of the canvas, its position counter and the position gauge at the right edge.
// All draw on ViewerState::Canvas in its current unit (twips) and leave its fore colour
// as they found it.
#include <QString>
#include <cstdint>

struct ViewerState;
struct ViewerPageState;
class Surface;

class StatusRenderer {
public:
    StatusRenderer(ViewerState& viewer, ViewerPageState& page);

    // Draws the text with its shadow at (x, y); the shadow is offset by `offset` both ways.
    void mojiretsu_kagehyouji(const QString& text, int32_t offset, int32_t x, int32_t y);
    // The whole status line, separator and gauge. Nothing while MeasureOnly.
    void line_print();
    // Only the position counter and the separator (cheap: runs for every typed character).
    void line_print_mojisuu();
    // The gauge showing which part of the text the page covers.
    void line_print_Color();

    // The texts the status line shows, built from the current state.
    QString BuildStatusText(double surfaceWidth) const;
    QString PositionCounter() const;

private:
    struct Metrics;
    Metrics metrics(const Surface& s) const;
    void drawCounter(const Surface& s, const Metrics& m, bool rectWithPx);
    void drawSeparator(const Metrics& m);

    ViewerState& viewer_;
    ViewerPageState& page_;
};

// The shadow colour for a drawing colour: each component shifted by shift * 180 and kept
// within 1..255.
uint32_t ShadowColourFor(uint32_t drawingColour, int shift);
