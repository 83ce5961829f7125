#pragma once
// Text dropped on the viewer: without Ctrl it is appended to the current text, with Ctrl it
// replaces it, each after the paste question. The drop waits in DroppedText, so a drop
// answered with Cancel is what the next paste takes instead of the clipboard.
#include <QString>
#include <cstdint>
#include <optional>

class QMimeData;
class ViewerCommands;
struct ViewerState;

// The plain text of dropped data with the reader's line breaks; nothing when the data has
// no plain-text form or is a list of files (a file manager's drop names files, not text).
std::optional<QString> DroppedPlainText(const QMimeData& data);

void Form_OLEDragDrop(ViewerCommands& commands, ViewerState& viewer, const QString& text,
                      int16_t Shift);
void Form_OLEDragDrop(ViewerCommands& commands, ViewerState& viewer, const QMimeData& data,
                      int16_t Shift);
