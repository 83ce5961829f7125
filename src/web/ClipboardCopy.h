#pragma once
// The one place the logic touches the system clipboard; kept apart so that the text-only
// command line tool links no GUI library.
#include <QString>

// Puts ClipboardPlainText(text) on the clipboard with the platform's line breaks.
void CopyTextToClipboard(const QString& text);
