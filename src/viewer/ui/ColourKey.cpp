#include "viewer/ui/ColourKey.h"

#include <QColor>

QImage KeyOutColour(const QImage& image, const QRect& r, uint32_t key)
{
    QImage part = image.copy(r).convertToFormat(QImage::Format_ARGB32);
    const QRgb keyRgb = qRgb(int(key & 0xFF), int((key >> 8) & 0xFF), int((key >> 16) & 0xFF));
    for (int y = 0; y < part.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(part.scanLine(y));
        for (int x = 0; x < part.width(); ++x)
            if ((line[x] & 0x00FFFFFF) == (keyRgb & 0x00FFFFFF))
                line[x] = 0;
    }
    return part;
}
