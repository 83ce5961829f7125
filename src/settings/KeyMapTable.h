#pragma once
// KeyMap.tbl, beside the executable: pairs of fields — a virtual-key code (unquoted number)
// and the name shown for it (quoted text) — separated by commas or line ends. The file is
// edited by hand and read anew for every lookup.
#include <QString>
#include <QStringView>
#include <cstdint>

#include "core/ProgramPaths.h"

// The name paired with the code; the empty text when no pair matches or the file is
// missing or unreadable. A quoted first field is text and never equals a code.
QString LoadKeyMapTable(const ProgramPaths& paths, int16_t code);

// The lookup over the file's decoded text.
QString FindKeyName(QStringView table, int16_t code);
