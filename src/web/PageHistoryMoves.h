#pragma once
// Back and forward through the page history, and emptying it. Both moves store the current
// document in slot 30 first and then shift every slot one step, so the stored document
// ends beside the one restored and going the other way brings it back.
#include "state/PageHistory.h"
#include "state/PageRecord.h"
#include "state/ViewerState.h"

// One step back; false (nothing moves) when slot 31 is empty.
bool HistoryBack(PageHistory& history, PageRecord& page, ViewerState& viewer);
// One step forward; false (nothing moves) when slot 29 is empty.
bool HistoryForward(PageHistory& history, PageRecord& page, ViewerState& viewer);
// Empties every slot but the current one.
void ClearPageHistory(PageHistory& history);
