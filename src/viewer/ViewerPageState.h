#pragma once
// The layout state of one viewer window: where the pen is on the page being laid out, what
// has been read of the current line and link, the page's clickable links, the status
// line's texts and the animation flags. Owned by the window, used by the renderers.
#include <QString>
#include <array>
#include <cstdint>

inline constexpr int kMaxPageLinks = 201;   // link table entries per page, 0..200
inline constexpr int32_t kNoSelectedLink = 500;

struct PenPosition {
    double X = 0; // twips
    double Y = 0;
    bool atPageStart() const { return X == 0 && Y == 0; }
};

struct ViewerPageState {
    PenPosition PenPos;            // (0, 0): a new page starts with the next character
    int32_t BreakRun = 0;          // line breaks laid out in a row
    int32_t AfterBreak = 0;        // 1 right after a line break
    bool LineWrapped = false;
    QString CurrentLine;
    int32_t CurrentLineLength = 0;
    int32_t SkippedMarkup = 0;     // markup read since the last drawn character
    QString LinkUrlBuffer;         // label of the link being laid out
    bool MeasureOnly = false;      // lay out without drawing; status renderers do nothing
    // [0] links on the page so far, [1] links of the last completed page, [2] selected link
    std::array<int32_t, 3> LinkCount{0, 0, kNoSelectedLink};
    std::array<std::array<int32_t, 4>, kMaxPageLinks> LinkRect{}; // left, top, right, bottom
    std::array<QString, kMaxPageLinks> LinkUrl;
    QString StatusText;            // left part of the status line
    QString StatusMessage;         // last command message, shown after ":"
    bool InstantRedraw = false;
    bool RedrawAfterScroll = false;
    std::array<int32_t, 2> ScrollState{}; // [0] direction -1/1/0, [1] progress
    std::array<double, 2> ScrollOrigin{}; // [0] start Y, [1] offset so far (twips)
    bool TickNow = false;
    bool PageTurnBusy = false;
    bool HideShowBusy = false;
};
