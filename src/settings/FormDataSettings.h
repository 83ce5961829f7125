#pragma once
// Section FormData of Setting.ini: where the viewer window stood, its speed, the line-break
// setting and the reading position with the list of page starts, so that a restart comes
// back to the same page.
#include <QList>
#include <QRect>
#include <cstdint>

class IniStore;
struct ViewerState;

// The viewer window's outer rectangle in twips.
struct FormGeometry {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
};

// Missing keys keep what window and viewer hold, except the left and top edges (0), the
// line-break setting (False) and the page-start list (empty).
void LoadFormDataSettings(IniStore& ini, FormGeometry& window, ViewerState& viewer);
// With savePosition false the page-start list and reading position are left as stored
// (they belong to a text that could not be saved).
void SaveFormDataSettings(IniStore& ini, const FormGeometry& window, const ViewerState& viewer,
                          bool savePosition = true);

// The stored window made usable on these screens (rectangles in twips): no side below
// minimum, none beyond the screen the window is on (so never beyond the desktop), and a
// window that would show less than a grip of itself is moved fully onto the nearest screen.
FormGeometry ClampToScreens(const FormGeometry& window, const QList<QRect>& screens, int32_t minimum);

// The stored position made to fit the current text: a reading position outside
// 1..length + 1 goes back to the start, and the page-start list keeps only positions inside
// the text that increase from the oldest to the newest ("1" when none is left).
void ClampReadingPosition(ViewerState& viewer);
