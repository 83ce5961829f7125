#pragma once
// The term search's silent page step: lays the next page out without drawing and records
// its start, so that the search can walk forward to the page holding a position.
#include <cstdint>

class ViewerCommandsWindow;

// True when Findmojilen lies on the page just laid out or before it.
bool FindMojiretsu(ViewerCommandsWindow& window, int32_t Findmojilen);
