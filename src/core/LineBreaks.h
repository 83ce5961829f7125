#pragma once
// Text that arrives from the platform (clipboard, drops) may break lines with LF alone or
// CR alone; inside the reader every line break is CR LF, which the renderer and the page
// counts rely on.
#include <QString>

// Every lone LF and lone CR becomes CR LF; CR LF pairs stay as they are.
QString ToCrLf(const QString& text);
