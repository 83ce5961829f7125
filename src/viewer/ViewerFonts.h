#pragma once
// The viewer's designed font and the substitution that maps it to an installed Japanese
// monospace font where the designed one is missing.
#include <QFont>
#include <QString>

namespace viewerfonts {

inline const QString kDesignedFamily = QStringLiteral("ＭＳ ゴシック");
inline constexpr double kDesignedPointSize = 9.75;
inline constexpr bool kDesignedBold = true;

// Registers the substitutes for the designed family (safe to call more than once).
void RegisterSubstitutions();

// The viewer font of that family and size, bold as designed unless told otherwise,
// without antialiasing (a colour-keyed transparent background needs crisp glyph edges).
QFont ViewerFont(const QString& family = kDesignedFamily, double pointSize = kDesignedPointSize,
                 bool bold = kDesignedBold);

} // namespace viewerfonts
