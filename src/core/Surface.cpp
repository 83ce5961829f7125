#include "core/Surface.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <vector>

QColor ToQColor(Colour c)
{
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

Colour FromQColor(const QColor& c)
{
    return Colour(c.red()) | (Colour(c.green()) << 8) | (Colour(c.blue()) << 16);
}

// Metrics of one font on one image resolution. Widths of single UTF-16 units are kept in a
// flat table filled on first use: layout asks for one character's width per call.
class SurfaceFontCache {
public:
    SurfaceFontCache(const QFont& font, QPaintDevice* device)
        : metrics_(font, device), height_(metrics_.height()), ascent_(metrics_.ascent())
    {
    }

    int charWidth(char16_t ch)
    {
        if (widths_.empty())
            widths_.assign(0x10000, -1);
        int& w = widths_[ch];
        if (w < 0)
            w = metrics_.horizontalAdvance(QChar(ch));
        return w;
    }

    int textWidth(QStringView text)
    {
        if (text.size() == 1)
            return charWidth(text[0].unicode());
        return metrics_.horizontalAdvance(text.toString());
    }

    int height() const { return height_; }
    int ascent() const { return ascent_; }

private:
    QFontMetrics metrics_;
    int height_;
    int ascent_;
    std::vector<int> widths_;
};

namespace {

void SetImageResolution(QImage& image, double twipsPerPixel)
{
    const double dpi = 1440.0 / twipsPerPixel;
    const int dotsPerMeter = int(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
}

QImage NewImage(int w, int h, double twipsPerPixel, Colour back)
{
    QImage image(std::max(1, w), std::max(1, h), QImage::Format_RGB32);
    SetImageResolution(image, twipsPerPixel);
    image.fill(ToQColor(back));
    return image;
}

} // namespace

Surface::Surface(int widthPx, int heightPx)
    : twipsPerPixel_(ScreenTwipsPerPixel())
{
    image_ = NewImage(widthPx, heightPx, twipsPerPixel_, back_);
    cache_ = std::make_unique<SurfaceFontCache>(font_, &image_);
}

Surface::~Surface() = default;

double Surface::ScreenTwipsPerPixel()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return 15;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return dpi > 0 ? 1440.0 / dpi : 15;
}

void Surface::setTwipsPerPixel(double twipsPerPixel)
{
    if (!(twipsPerPixel > 0) || twipsPerPixel == twipsPerPixel_)
        return;
    twipsPerPixel_ = twipsPerPixel;
    SetImageResolution(image_, twipsPerPixel_);
    cache_ = std::make_unique<SurfaceFontCache>(font_, &image_);
}

double Surface::unitsPerPixel() const
{
    return mode_ == ScaleMode::Twips ? twipsPerPixel_ : 1.0;
}

double Surface::ScaleWidth() const { return image_.width() * unitsPerPixel(); }
double Surface::ScaleHeight() const { return image_.height() * unitsPerPixel(); }

int Surface::toPx(double units) const
{
    const double px = units / unitsPerPixel();
    if (!(px > -1e9))
        return -1000000000;
    if (px > 1e9)
        return 1000000000;
    return int(std::floor(px + 0.5));
}

void Surface::resize(int widthPx, int heightPx)
{
    QImage next = NewImage(widthPx, heightPx, twipsPerPixel_, back_);
    {
        QPainter p(&next);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, image_);
    }
    image_ = std::move(next);
    cache_ = std::make_unique<SurfaceFontCache>(font_, &image_);
    changed(image_.rect());
}

void Surface::setFont(const QFont& font)
{
    if (font == font_ && font.resolveMask() == font_.resolveMask())
        return;
    font_ = font;
    cache_ = std::make_unique<SurfaceFontCache>(font_, &image_);
}

double Surface::CharWidth(char16_t ch) const
{
    return cache_->charWidth(ch) * unitsPerPixel();
}

double Surface::TextWidth(QStringView text) const
{
    if (text.isEmpty())
        return 0;
    return cache_->textWidth(text) * unitsPerPixel();
}

double Surface::TextHeight(QStringView text) const
{
    const qsizetype lines = 1 + text.count(u'\n');
    return double(lines) * cache_->height() * unitsPerPixel();
}

void Surface::Cls()
{
    image_.fill(ToQColor(back_));
    CurrentX = 0;
    CurrentY = 0;
    changed(image_.rect());
}

void Surface::Print(QStringView text)
{
    PrintAt(CurrentX, CurrentY, text);
    CurrentX += TextWidth(text);
}

void Surface::PrintAt(double x, double y, QStringView text)
{
    if (text.isEmpty())
        return;
    const int px = toPx(x);
    const int py = toPx(y);
    const QString s = text.toString();
    QPainter p(&image_);
    p.setFont(font_);
    p.setPen(ToQColor(fore_));
    p.drawText(QPoint(px, py + cache_->ascent()), s);
    changed(QRect(px, py, cache_->textWidth(text) + 2, cache_->height() + 1));
}

QRect Surface::pxBox(double x1, double y1, double x2, double y2) const
{
    const int l = toPx(std::min(x1, x2));
    const int r = toPx(std::max(x1, x2));
    const int t = toPx(std::min(y1, y2));
    const int b = toPx(std::max(y1, y2));
    return QRect(QPoint(l, t), QPoint(r, b));
}

void Surface::FillBox(double x1, double y1, double x2, double y2, Colour c)
{
    const QRect r = pxBox(x1, y1, x2, y2).intersected(image_.rect());
    if (r.isEmpty())
        return;
    QPainter p(&image_);
    p.fillRect(r, ToQColor(c));
    changed(r);
}

void Surface::Box(double x1, double y1, double x2, double y2, Colour c)
{
    const QRect r = pxBox(x1, y1, x2, y2);
    QPainter p(&image_);
    p.setPen(QPen(ToQColor(c), 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(r.left(), r.top(), r.width() - 1, r.height() - 1));
    changed(r);
}

void Surface::Line(double x1, double y1, double x2, double y2, Colour c)
{
    const QPoint a(toPx(x1), toPx(y1));
    const QPoint b(toPx(x2), toPx(y2));
    QPainter p(&image_);
    p.setPen(QPen(ToQColor(c), 0));
    p.drawLine(a, b);
    changed(QRect(a, b).normalized());
}

void Surface::CopyRect(double dstX, double dstY, double w, double h, const Surface& src,
                       double srcX, double srcY)
{
    const QRect wanted(src.toPx(srcX), src.toPx(srcY), toPx(w), toPx(h));
    // Only the part that lies inside the source is copied; the rest of the target stays.
    const QRect from = wanted.intersected(src.image_.rect());
    if (from.isEmpty())
        return;
    const QPoint to = QPoint(toPx(dstX), toPx(dstY)) + (from.topLeft() - wanted.topLeft());
    // A copy first, so that overlapping moves within one surface read the old pixels.
    const QImage piece = src.image_.copy(from);
    QPainter p(&image_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(to, piece);
    changed(QRect(to, piece.size()));
}

void Surface::Refresh() { changed(image_.rect()); }

void Surface::setChangedHandler(std::function<void(const QRect&)> handler)
{
    changedHandler_ = std::move(handler);
}

void Surface::changed(const QRect& r)
{
    if (changedHandler_)
        changedHandler_(r.intersected(image_.rect()));
}
