#include "viewer/ViewerFonts.h"

#include <QStringList>

namespace viewerfonts {

void RegisterSubstitutions()
{
    // Japanese monospace fonts that lay out like the designed one, best first. Qt takes the
    // first one that is installed; registering the same list again changes nothing.
    const QStringList substitutes{QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック"),
                                  QStringLiteral("Noto Sans Mono CJK JP"),
                                  QStringLiteral("VL Gothic"), QStringLiteral("monospace")};
    for (const QString& name : substitutes)
        QFont::insertSubstitution(kDesignedFamily, name);
}

QFont ViewerFont(const QString& family, double pointSize, bool bold)
{
    RegisterSubstitutions();
    QFont font(family);
    font.setPointSizeF(pointSize > 0 ? pointSize : kDesignedPointSize);
    font.setBold(bold);
    font.setStyleHint(QFont::TypeWriter, QFont::NoAntialias);
    font.setFixedPitch(true);
    return font;
}

} // namespace viewerfonts
