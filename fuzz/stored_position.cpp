// A stored window and reading position as any bytes (a hand-edited or damaged Setting.ini):
// after clamping, the window is on a screen, no side is beyond it, and the page starts lie
// inside the text and only move forward.
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "FuzzRequire.h"
#include "settings/FormDataSettings.h"
#include "state/ViewerState.h"

namespace {

int32_t Int32At(const uint8_t* data, size_t size, size_t at)
{
    int32_t v = 0;
    if (at + 4 <= size)
        std::memcpy(&v, data + at, 4);
    return v;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QRect> screens{QRect(0, 0, 28800, 16200), QRect(-19200, 3000, 19200, 10800)};
    const FormGeometry stored{Int32At(data, size, 0), Int32At(data, size, 4), Int32At(data, size, 8),
                              Int32At(data, size, 12)};
    const FormGeometry g = ClampToScreens(stored, screens, 1000);
    const QRect window(g.Left, g.Top, g.Width, g.Height);
    bool onScreen = false;
    for (const QRect& s : screens)
        onScreen = onScreen || s.intersects(window);
    Require(onScreen);
    Require(g.Width >= 1000 && g.Height >= 1000 && g.Width <= 28800 && g.Height <= 16200);

    ViewerState viewer;
    const size_t textAt = std::min<size_t>(size, 20);
    viewer.ReadPosition = Int32At(data, size, 16);
    const size_t split = textAt + (size - textAt) / 2;
    viewer.PageStartList = QString::fromUtf8(reinterpret_cast<const char*>(data + textAt), qsizetype(split - textAt));
    viewer.CurrentText = QString::fromUtf8(reinterpret_cast<const char*>(data + split), qsizetype(size - split));
    ClampReadingPosition(viewer);
    const qsizetype end = viewer.CurrentText.size() + 1;
    Require(viewer.ReadPosition >= 1 && viewer.ReadPosition <= end);
    qlonglong newer = end + 1;
    for (const QString& entry : viewer.PageStartList.split(u',')) {
        bool ok = false;
        const qlonglong n = entry.toLongLong(&ok);
        Require(ok && n >= 1 && n < newer);
        newer = n;
    }
    return 0;
}
