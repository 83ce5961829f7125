#pragma once
// What a system-wide hotkey does in the viewer, by id (256 + slot).
#include <cstdint>

class Form1;

// 256 hides or shows the viewer, also while it animates; 257..260 go through the viewer's
// command dispatcher as the previous page, next page, paste and append paste keys (which
// first bring a hidden viewer back); 261..272 do nothing.
void HotKeyWindowProc(Form1& viewer, int32_t id);
