#pragma once
// clip.utx: the page record, the page starts and the reading position as eight delimited
// fields, one per line. Read field by field, so a damaged field costs only its own value.
#include <QByteArray>
#include <QString>

#include "state/ViewerState.h"
#include "state/PageRecord.h"

QByteArray WriteClipRecord(const PageRecord& page, const ViewerState& viewer);

// Fills what parses; fields that are missing or do not parse as their type leave the
// variable as it was. PageStartList and ReadPosition only when restoreViewerPosition.
void ReadClipRecord(const QString& text, PageRecord& page, ViewerState& viewer, bool restoreViewerPosition);
