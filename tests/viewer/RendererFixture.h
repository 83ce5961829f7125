#pragma once
// A viewer without a window: the program-wide state, one page state, a canvas of the
// viewer's size with the designed font, and the renderers working on them.
#include <QImage>
#include <QString>
#include <cmath>
#include <set>
#include <vector>

#include "viewer/Pagination.h"
#include "viewer/ViewerFonts.h"
#include "viewer/WindowlessViewer.h"

inline constexpr Colour kWhite = 0x00FFFFFF;
inline constexpr Colour kBlack = 0x00000000;

struct RendererFixture : WindowlessViewer {
    explicit RendererFixture(int widthPx = 591, int heightPx = 153) : WindowlessViewer(widthPx, heightPx)
    {
        canvas.setTwipsPerPixel(15);
        canvas.setFont(viewerfonts::ViewerFont());
        canvas.setBackColor(kBlack);
        canvas.Cls();
        viewer.TextColour = kWhite;
        viewer.BackColour = kBlack;
        viewer.ShadowShift = -1;
    }

    void setText(const QString& text)
    {
        viewer.CurrentText = text;
        viewer.ReadPosition = 1;
    }

    // Starts a page at ReadPosition the way the window does (cleared canvas, pen at the
    // page start, typing on) and calls the renderer until it reports the page done.
    void drawPage()
    {
        canvas.Cls();
        viewer.PageText.clear();
        page.PenPos = {0, 0};
        host.SetTimer1Enabled(true);
        for (int guard = 0; host.Timer1Enabled() && guard < 100000; ++guard)
            renderer.Hitomoji_Print();
    }

    // One page, returning for every call that drew something in the text area the set of
    // colours it put there (the status line and the gauge are left out).
    std::vector<std::set<Colour>> drawPageByCall()
    {
        canvas.Cls();
        viewer.PageText.clear();
        page.PenPos = {0, 0};
        host.SetTimer1Enabled(true);
        std::vector<std::set<Colour>> calls;
        for (int guard = 0; host.Timer1Enabled() && guard < 100000; ++guard) {
            const QImage before = canvas.image().copy();
            renderer.Hitomoji_Print();
            std::set<Colour> drawn = changedColours(before, canvas.image(), textArea());
            if (!drawn.empty())
                calls.push_back(std::move(drawn));
        }
        return calls;
    }

    // The text area: above the status line, left of the gauge.
    QRect textArea() const
    {
        const int lh = int(lineHeightTwips() / 15);
        return QRect(0, 0, canvas.widthPx() - 12, canvas.heightPx() - lh - 1);
    }

    static std::set<Colour> changedColours(const QImage& before, const QImage& after,
                                           QRect area = QRect())
    {
        std::set<Colour> out;
        if (area.isNull())
            area = after.rect();
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (before.pixel(x, y) != after.pixel(x, y))
                    out.insert(FromQColor(QColor(after.pixel(x, y))));
        return out;
    }

    // Pixels of the area that differ from the back colour, as a mask image.
    QImage inkMask(QRect area) const
    {
        QImage mask(area.size(), QImage::Format_Mono);
        const QRgb back = ToQColor(canvas.BackColor()).rgb();
        for (int y = 0; y < area.height(); ++y)
            for (int x = 0; x < area.width(); ++x)
                mask.setPixel(x, y, canvas.image().pixel(area.x() + x, area.y() + y) != back);
        return mask;
    }

    int countColour(Colour c, QRect area) const
    {
        int n = 0;
        const QRgb want = ToQColor(c).rgb();
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += canvas.image().pixel(x, y) == want;
        return n;
    }

    // The renderer's line height: the glyph height plus one pixel, whole twips.
    double lineHeightTwips() const { return std::trunc(canvas.TextHeight(u"▼") + 15); }
};
