#pragma once
// Section FormData of Setting.ini: where the viewer window stood, its speed, the line-break
// setting and the reading position with the list of page starts, so that a restart comes
// back to the same page.
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
void SaveFormDataSettings(IniStore& ini, const FormGeometry& window, const ViewerState& viewer);
