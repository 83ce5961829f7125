#pragma once
// Small steps that the key commands, the mouse and the term search's page walk share.
#include <cstdint>

class ViewerCommandsWindow;
struct ViewerState;

namespace viewercommands {

// The start of the page on screen: the head of PageStartList. A list that names no
// position (empty, or damaged in a hand-edited settings file) starts the text again at 1.
int32_t PageOnScreenStart(ViewerState& viewer);
// Records ReadPosition as the start of the page about to be shown, unless it is already
// the head of PageStartList.
void RecordPageStart(ViewerState& viewer);
// A new text is read from its start, typed out from the top of a clear window.
void StartNewText(ViewerCommandsWindow& window);
// One Timer1_Timer step now, past the tick throttle.
void RunTimer1Step(ViewerCommandsWindow& window);
// Turns the page off screen in the given direction (scroll mode, backward turns).
void StartOffscreenTurn(ViewerCommandsWindow& window, int32_t direction);
// Repeats Timer1_Timer until the renderer switches Timer1 off. The number of steps is
// bounded by the text's length, so a speed that lays out nothing per tick (a hand-edited
// value above 10) cannot hang the window.
void FinishPage(ViewerCommandsWindow& window);
// Repeats Hitomoji_Print until Timer1 goes off, with the same bound.
void LayOutRestOfPage(ViewerCommandsWindow& window);

} // namespace viewercommands
