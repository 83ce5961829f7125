#pragma once
// A drawing surface measured in twips: an image with a current font, fore and back colour
// and a twips-per-pixel scale. The viewer's renderers draw on it, the window paints it, and
// the page-turn animations copy rectangles within and between surfaces.
//
// Coordinates and sizes are in the current scale unit: twips (the default) or pixels
// (the animations switch while they copy). Text is drawn with a transparent background,
// its top-left corner at the given point.
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <functional>
#include <memory>

using Colour = uint32_t; // 0x00BBGGRR, red in the low byte

QColor ToQColor(Colour c);
Colour FromQColor(const QColor& c);

class SurfaceFontCache;

class Surface {
public:
    enum class ScaleMode { Twips, Pixels };

    // A surface of the given size in pixels; the scale is the screen's (1440 / logical DPI).
    explicit Surface(int widthPx = 1, int heightPx = 1);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // --- scale and size
    static double ScreenTwipsPerPixel(); // 15 at 96 DPI; 15 when there is no screen
    void setTwipsPerPixel(double twipsPerPixel);
    double twipsPerPixel() const { return twipsPerPixel_; }
    void setScaleMode(ScaleMode mode) { mode_ = mode; }
    ScaleMode scaleMode() const { return mode_; }
    double unitsPerPixel() const; // twipsPerPixel() in twips mode, 1 in pixel mode
    double ScaleWidth() const;    // width in the current unit
    double ScaleHeight() const;
    int widthPx() const { return image_.width(); }
    int heightPx() const { return image_.height(); }
    // Keeps the pixels that still fit; new area is filled with the back colour.
    void resize(int widthPx, int heightPx);

    // --- font and colours
    void setFont(const QFont& font);
    const QFont& font() const { return font_; }
    void setForeColor(Colour c) { fore_ = c; }
    Colour ForeColor() const { return fore_; }
    void setBackColor(Colour c) { back_ = c; }
    Colour BackColor() const { return back_; }

    // --- measuring, in the current unit, with the current font
    double TextWidth(QStringView text) const;
    double TextHeight(QStringView text) const; // line height times the number of lines
    double CharWidth(char16_t ch) const;       // cached per font

    // --- drawing
    double CurrentX = 0; // where Print puts the next text, current unit
    double CurrentY = 0;
    void Cls(); // fills with the back colour, CurrentX = CurrentY = 0
    void Print(QStringView text); // at (CurrentX, CurrentY) in the fore colour; CurrentX advances
    void PrintAt(double x, double y, QStringView text);
    // Filled box with corners (x1, y1) and (x2, y2), both included.
    void FillBox(double x1, double y1, double x2, double y2, Colour c);
    void Box(double x1, double y1, double x2, double y2, Colour c); // outline, pen width 1
    void Line(double x1, double y1, double x2, double y2, Colour c);
    // Copies a w x h rectangle from (srcX, srcY) of src (this surface allowed, overlapping
    // allowed) to (dstX, dstY) here. The source position is in src's current unit, the
    // rest in this surface's. Parts outside the source are left out.
    void CopyRect(double dstX, double dstY, double w, double h, const Surface& src,
                  double srcX, double srcY);
    // Asks the owner to show the surface now (the window repaints on its own otherwise).
    void Refresh();

    // Called with the changed pixel rectangle after every drawing operation (the window
    // schedules a repaint of that area) and with the whole surface on Refresh.
    void setChangedHandler(std::function<void(const QRect&)> handler);

    const QImage& image() const { return image_; }
    QImage& image() { return image_; }
    int toPx(double units) const; // current unit to pixels, rounded

private:
    QRect pxBox(double x1, double y1, double x2, double y2) const;
    void changed(const QRect& r);

    QImage image_;
    QFont font_;
    Colour fore_ = 0;
    Colour back_ = 0x00FFFFFF;
    double twipsPerPixel_ = 15;
    ScaleMode mode_ = ScaleMode::Twips;
    std::unique_ptr<SurfaceFontCache> cache_;
    std::function<void(const QRect&)> changedHandler_;
};
