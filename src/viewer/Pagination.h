#pragma once
// Paginating the current text without drawing: the renderer in measure-only mode, page
// after page from the current reading position.
#include <cstdint>
#include <vector>

struct ViewerState;
struct ViewerPageState;
class CharacterRenderer;
class RendererHost;

// Lays out one page from ReadPosition with MeasureOnly set, the way the instant display
// does (pen at the page start, page text cleared, typing timer on until the renderer
// switches it off). Returns false when the text had already ended.
bool MeasurePage(ViewerState& viewer, ViewerPageState& page, RendererHost& host,
                 CharacterRenderer& renderer);

// The start of every page from ReadPosition to the end of the text (at most maxPages).
// Stops early when a page does not move forward (a canvas too small for one character).
struct PageStarts {
    std::vector<int32_t> starts;
    bool stalled = false;
};
PageStarts MeasurePageStarts(ViewerState& viewer, ViewerPageState& page, RendererHost& host,
                             CharacterRenderer& renderer, int64_t maxPages = INT32_MAX);
