// Lays out arbitrary marked text without drawing, page after page, and checks that the
// layout only moves forward and never writes past the link table.
#include <QGuiApplication>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/Surface.h"
#include "viewer/CharacterRenderer.h"
#include "viewer/RendererHost.h"
#include "viewer/StatusRenderer.h"
#include "viewer/ViewerFonts.h"
#include "viewer/ViewerPageState.h"
#include "state/ViewerState.h"

namespace {

constexpr int kMaxCalls = 4000; // bounded work per input

QString TextFrom(const uint8_t* data, size_t size, bool utf16)
{
    if (!utf16)
        return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    for (size_t i = 0; i + 1 < size; i += 2)
        text[qsizetype(i / 2)] = QChar(char16_t(data[i] | (data[i + 1] << 8)));
    return text;
}

void Check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

// fontconfig keeps the font patterns it has loaded until the process ends; that is a cache
// of the system library, not a leak of the layout.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    static QGuiApplication app(*argc, *argv);
    // Font fallback keeps what it loads for the rest of the process; load it all now, so
    // that it is not taken for a leak of the first input that needs it.
    Surface warmUp;
    warmUp.setFont(viewerfonts::ViewerFont());
    for (uint32_t ch = 0; ch <= 0xFFFF; ++ch)
        warmUp.CharWidth(char16_t(ch));
    warmUp.TextWidth(u"\U0001F600");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const uint8_t flags = data[0];
    Surface canvas(120 + (flags & 0x0F) * 20, 40 + (flags >> 4) * 10);
    canvas.setFont(viewerfonts::ViewerFont());
    ViewerState viewer;
    viewer.Canvas = &canvas;
    viewer.CurrentText = TextFrom(data + 1, size - 1, flags & 0x40);
    viewer.ReturnMushi = flags & 0x80;
    viewer.ReadPosition = 1;
    viewer.PageStartList = QStringLiteral("1");
    ViewerPageState page;
    page.MeasureOnly = true;
    FlagRendererHost host;
    StatusRenderer status(viewer, page);
    CharacterRenderer renderer(viewer, page, host, status);

    int calls = 0;
    while (calls < kMaxCalls) {
        const int32_t start = viewer.ReadPosition;
        page.PenPos = {0, 0};
        viewer.PageText.clear();
        host.SetTimer1Enabled(true);
        while (host.Timer1Enabled() && calls++ < kMaxCalls)
            renderer.Hitomoji_Print();
        Check(viewer.ReadPosition >= start);
        Check(page.LinkCount[0] >= 0 && page.LinkCount[0] <= kMaxPageLinks);
        Check(page.LinkCount[1] >= 0 && page.LinkCount[1] <= kMaxPageLinks);
        Check(viewer.UrlRingNext >= 0 && viewer.UrlRingNext <= 40);
        if (renderer.LastStop() != CharacterRenderer::Stop::PageFull || viewer.ReadPosition == start)
            break;
    }
    return 0;
}
