#pragma once
// Lays out the current marked text one character per call of Hitomoji_Print: consumes
// markup, draws at most one character at the pen position on the canvas, collects link
// rectangles, and switches the typing timer off when the page is full or the text ends.
#include <QString>
#include <cstdint>

#include "viewer/MarkedText.h"

struct ViewerState;
struct ViewerPageState;
class RendererHost;
class StatusRenderer;
class Surface;

class CharacterRenderer {
public:
    CharacterRenderer(ViewerState& viewer, ViewerPageState& page, RendererHost& host,
                      StatusRenderer& status);

    void Hitomoji_Print();

    // The colour save stack: flag 99 resets to colour, 0 pushes colour, 1 pops into colour
    // (a reset leaves flag at 0).
    void Irohenge(uint32_t& colour, int32_t& flag);

    // Why the last call ended the page (None: it did not).
    enum class Stop { None, PageFull, EndOfText };
    Stop LastStop() const { return lastStop_; }

private:
    struct Metrics;
    Metrics metrics(const Surface& s) const;
    void startPage(Surface& s);
    void endOfText();
    bool takeColourMarker(Surface& s, QStringView at);
    bool takeMarkerPair(Surface& s, QStringView at, QStringView onMarker, QStringView offMarker,
                        bool& on, uint32_t colour);
    bool takeAnchor(QStringView at);
    bool takeLinkCharacter(Surface& s, QStringView glyph);
    void startLink(Surface& s, const Metrics& m, QStringView glyph);
    void lineBreak(Metrics& m, QStringView glyph);
    void ordinaryCharacter(Surface& s, const Metrics& m, QStringView glyph, int advance);
    void pageFull();
    void skipBlankLines(const Metrics& m, QStringView glyph);
    uint32_t pop();
    void push(uint32_t c);

    ViewerState& viewer_;
    ViewerPageState& page_;
    RendererHost& host_;
    StatusRenderer& status_;
    LinkIndex links_; // link list entries of the current text, found once per text
    Stop lastStop_ = Stop::None;
    bool linkStartedHere_ = false; // this call recorded a link in the page's table
};
