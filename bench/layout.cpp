// Layout speed: paginating a 5 MB Japanese text without drawing, against the floor of
// measuring the same characters one by one with QFontMetrics.
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>

#include "core/LineBreaks.h"
#include "viewer/Pagination.h"
#include "viewer/ViewerFonts.h"
#include "viewer/WindowlessViewer.h"

namespace {

constexpr qsizetype kTextBytes = 5 * 1024 * 1024;

// The corpus texts, repeated until 5 MB of UTF-8 and cut at a line end.
const QString& BenchText()
{
    static const QString text = [] {
        const QString folder = qEnvironmentVariable("TR_BENCH_CORPUS",
                                                    QStringLiteral("/work/shared/bench/corpus/text"));
        const QStringList names = QDir(folder).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
        QByteArray bytes;
        while (bytes.size() < kTextBytes && !names.isEmpty()) {
            for (const QString& name : names) {
                QFile f(folder + u'/' + name);
                if (f.open(QIODevice::ReadOnly))
                    bytes += f.readAll();
            }
        }
        bytes.truncate(kTextBytes);
        bytes.truncate(bytes.lastIndexOf('\n') + 1);
        return ToCrLf(QString::fromUtf8(bytes));
    }();
    return text;
}

struct Layout : WindowlessViewer {
    Layout() : WindowlessViewer(591, 153)
    {
        canvas.setFont(viewerfonts::ViewerFont());
        viewer.CurrentText = BenchText();
    }
};

void BM_PaginateMeasureOnly(benchmark::State& state)
{
    size_t pages = 0;
    for (auto _ : state) {
        Layout l;
        pages = MeasurePageStarts(l.viewer, l.page, l.host, l.renderer).starts.size();
        benchmark::DoNotOptimize(pages);
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * BenchText().size());
    state.counters["pages"] = double(pages);
    state.counters["chars"] = double(BenchText().size());
}
BENCHMARK(BM_PaginateMeasureOnly)->Unit(benchmark::kMillisecond)->MinTime(3);

void BM_HorizontalAdvanceFloor(benchmark::State& state)
{
    QImage device(1, 1, QImage::Format_RGB32);
    const QFontMetrics fm(viewerfonts::ViewerFont(), &device);
    const QString& text = BenchText();
    for (auto _ : state) {
        int64_t sum = 0;
        for (const QChar c : text)
            sum += fm.horizontalAdvance(c);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * text.size());
}
BENCHMARK(BM_HorizontalAdvanceFloor)->Unit(benchmark::kMillisecond)->MinTime(3);

// Typing cost: one full page drawn character by character with its status counter.
void BM_DrawPage(benchmark::State& state)
{
    Layout l;
    // a dense page: running text without line breaks
    l.viewer.CurrentText = BenchText().left(20000).remove(u'\r').remove(u'\n');
    int64_t chars = 0;
    for (auto _ : state) {
        l.viewer.ReadPosition = 1;
        l.canvas.Cls();
        l.viewer.PageText.clear();
        l.page.PenPos = {0, 0};
        l.host.SetTimer1Enabled(true);
        while (l.host.Timer1Enabled())
            l.renderer.Hitomoji_Print();
        chars += l.viewer.ReadPosition - 1;
    }
    state.SetItemsProcessed(chars);
}
BENCHMARK(BM_DrawPage)->Unit(benchmark::kMicrosecond);

// A page turn: the next page laid out and drawn from its start, with its status counter.
int64_t TurnPage(Layout& l)
{
    l.viewer.ReadPosition = 1;
    l.canvas.Cls();
    l.viewer.PageText.clear();
    l.page.PenPos = {0, 0};
    l.host.SetTimer1Enabled(true);
    int64_t calls = 0;
    while (l.host.Timer1Enabled()) {
        l.renderer.Hitomoji_Print();
        ++calls;
    }
    return calls;
}

// Running text without line breaks, so the page is full of characters.
const QString& PlainPage()
{
    static const QString page = BenchText().left(20000).remove(u'\r').remove(u'\n');
    return page;
}

// The same page behind 400,000 colour markers (a pasted run of \\B and \\E): the
// markers draw nothing, so the turn should cost little more than the plain one.
const QString& MarkedPage()
{
    static const QString page = [] {
        QString markers;
        markers.reserve(1200000);
        for (int i = 0; i < 200000; ++i)
            markers += QStringLiteral("\\\\B\\\\E");
        return markers + PlainPage();
    }();
    return page;
}

void PageTurn(benchmark::State& state, const QString& text)
{
    Layout l;
    l.viewer.CurrentText = text;
    int64_t drawn = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(TurnPage(l));
        drawn = l.viewer.PageText.size();
    }
    state.counters["chars_drawn"] = double(drawn);
    state.counters["text_chars"] = double(text.size());
}

void BM_PageTurnPlainText(benchmark::State& state) { PageTurn(state, PlainPage()); }
BENCHMARK(BM_PageTurnPlainText)->Unit(benchmark::kMillisecond)->MinTime(2);

void BM_PageTurn400kMarkers(benchmark::State& state) { PageTurn(state, MarkedPage()); }
BENCHMARK(BM_PageTurn400kMarkers)->Unit(benchmark::kMillisecond)->MinTime(2);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
