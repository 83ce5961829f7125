#pragma once
// Storing the current document in the page history before it is replaced (paste, fetch,
// in-page jump, loading a saved text): back side one slot older, forward side discarded.
#include "state/ViewerState.h"
#include "state/PageHistory.h"
#include "state/PageRecord.h"

void PushPageHistory(PageHistory& history, const PageRecord& page, const ViewerState& viewer);
