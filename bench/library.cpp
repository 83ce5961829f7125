// The library subsystem on the 5 MB Japanese text of bench/search.sh (TR_BENCH_TEXT names
// it): the backward search's walk of a page-start list alone, the forward search's text
// comparison alone, and saving, loading and renaming an entry of that size (its HTML is the
// same size) in a fresh program folder.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "core/Codec.h"
#include "core/FileStore.h"
#include "library/TermSearch.h"
#include "library/TextFolding.h"
#include "library/SavedTextLibrary.h"
#include "state/PageRecord.h"
#include "state/ViewerState.h"

namespace {

struct Folder {
    QTemporaryDir dir;
    ProgramPaths paths{dir.path()};

    Folder()
    {
        QDir().mkpath(paths.dataFolder());
        const char* text = std::getenv("TR_BENCH_TEXT");
        QByteArray bytes = text ? filestore::ReadWholeFile(QString::fromLocal8Bit(text)).value_or(QByteArray()) : QByteArray();
        if (bytes.isEmpty())
            bytes = QByteArray(5 << 20, 'x');
        // Stored as the reader stores texts (932, or UTF-8 behind a byte-order mark).
        bytes = codec::EncodeTextFile(codec::DecodeTextFile(bytes));
        filestore::ReplaceFile(paths.dataFile(QStringLiteral("clip.txt")), bytes);
        filestore::ReplaceFile(paths.dataFile(QStringLiteral("clip.html")), bytes);
        filestore::ReplaceFile(paths.dataFile(QStringLiteral("clip.utx")),
                               "\"u\"\r\n\"b\"\r\n0\r\n#TRUE#\r\n\"r\"\r\n\"t\"\r\n\"1\"\r\n1\r\n");
        SaveToLibrary(paths, QStringLiteral("entry"));
    }
};

Folder& Shared()
{
    static Folder folder;
    return folder;
}

QString BenchText()
{
    return codec::DecodeTextFile(filestore::ReadWholeFile(Shared().paths.dataFile(QStringLiteral("clip.txt"))).value_or(QByteArray()));
}

// About the pages bench/layout.sh counts: one start every 345 characters, the last on screen.
void BM_SearchBackwardWalk(benchmark::State& state)
{
    const QString text = BenchText();
    QString list;
    for (int32_t start = 1; start < text.size(); start += 345)
        list = QString::number(start) + (list.isEmpty() ? QString() : u',' + list);
    ViewerState viewer;
    viewer.CurrentText = text;
    const int32_t found = int32_t(text.indexOf(QStringLiteral("FIRSTMARK"))) + 1;
    for (auto _ : state) {
        viewer.PageStartList = list;
        viewer.ReadPosition = int32_t(text.size()) + 1;
        viewer.PageText.clear();
        const termsearch::Result r = termsearch::SearchBackward(viewer, u"FIRSTMARK", {});
        if (r.found != found)
            state.SkipWithError("marker not found");
    }
    state.counters["pages"] = double(list.count(u',') + 1);
}
BENCHMARK(BM_SearchBackwardWalk)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_InStrFoldedWholeText(benchmark::State& state)
{
    const QString text = BenchText();
    for (auto _ : state)
        benchmark::DoNotOptimize(textfolding::InStrFolded(1, text, u"lastmark"));
    state.counters["chars"] = double(text.size());
}
BENCHMARK(BM_InStrFoldedWholeText)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SaveToLibrary(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(SaveToLibrary(Shared().paths, QStringLiteral("entry")).ok);
}
BENCHMARK(BM_SaveToLibrary)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LoadFromLibrary(benchmark::State& state)
{
    PageRecord page;
    ViewerState viewer;
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadFromLibrary(Shared().paths, QStringLiteral("entry"), page, viewer).ok);
    state.counters["chars"] = double(viewer.CurrentText.size());
}
BENCHMARK(BM_LoadFromLibrary)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RenameInLibrary(benchmark::State& state)
{
    bool there = true;
    for (auto _ : state) {
        const QString from = there ? QStringLiteral("entry") : QStringLiteral("renamed 名前");
        const QString to = there ? QStringLiteral("renamed 名前") : QStringLiteral("entry");
        if (!RenameInLibrary(Shared().paths, from, to).ok)
            state.SkipWithError("rename failed");
        there = !there;
    }
    if (!there)
        RenameInLibrary(Shared().paths, QStringLiteral("renamed 名前"), QStringLiteral("entry"));
}
BENCHMARK(BM_RenameInLibrary)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
