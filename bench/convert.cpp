// The conversion alone (no process start, no file reading): MB/s of page bytes on each corpus
// page, growth from 1x to 16x of a page built from corpus bodies, and the hostile pages.
// Run: bench_convert [--benchmark_filter=...]; corpus from TR_CORPUS_DIR or ../shared/bench/corpus.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <malloc.h>

#include "core/Codec.h"
#include "convert/HtmlToMarkedText.h"

namespace {

QString CorpusDir()
{
    const QByteArray env = qgetenv("TR_CORPUS_DIR");
    return env.isEmpty() ? QStringLiteral("/work/shared/bench/corpus") : QString::fromLocal8Bit(env);
}

QString ReadPage(const QString& path, qint64* bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    *bytes = data.size();
    return codec::DecodeTextFile(data);
}

void Convert(benchmark::State& state, const QString& html, qint64 bytes)
{
    const std::u16string source = html.toStdU16String();
    for (auto _ : state) {
        ConversionPage page;
        page.PageUrl = u"http://h/d/p.html";
        page.PageBaseUrl = u"http://h/";
        std::u16string text = source;
        ConvertHtmlToText(text, page);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["in_MB"] = double(bytes) / 1e6;
}

// The <body> content of a corpus page, as the browser hands it over.
QString Body(const QString& name)
{
    qint64 bytes = 0;
    const QString page = ReadPage(CorpusDir() + u'/' + name, &bytes);
    const QRegularExpressionMatch open =
        QRegularExpression(QStringLiteral("<body[^>]*>"), QRegularExpression::CaseInsensitiveOption).match(page);
    const qsizetype start = open.hasMatch() ? open.capturedEnd() : 0;
    const qsizetype end = page.lastIndexOf(QStringLiteral("</body>"), -1, Qt::CaseInsensitive);
    return page.mid(start, (end > start ? end : page.size()) - start);
}

void RegisterCorpus()
{
    const QStringList names = QDir(CorpusDir()).entryList({QStringLiteral("*.html"), QStringLiteral("*.htm")}, QDir::Files, QDir::Size | QDir::Reversed);
    for (const QString& name : names) {
        qint64 bytes = 0;
        const QString html = ReadPage(CorpusDir() + u'/' + name, &bytes);
        benchmark::RegisterBenchmark(("page/" + name).toStdString().c_str(),
                                     [html, bytes](benchmark::State& s) { Convert(s, html, bytes); })
            ->Unit(benchmark::kMillisecond);
    }
}

void RegisterScaling()
{
    const QString unit = Body(QStringLiteral("en-python-os.html")) + Body(QStringLiteral("ja-devref.html"));
    for (int times : {1, 4, 16}) {
        const QString html = unit.repeated(times);
        const qint64 bytes = html.toUtf8().size();
        benchmark::RegisterBenchmark(("scaling/x" + std::to_string(times)).c_str(),
                                     [html, bytes](benchmark::State& s) { Convert(s, html, bytes); })
            ->Unit(benchmark::kMillisecond);
    }
}

void RegisterHostile()
{
    const std::pair<const char*, QString> pages[] = {
        {"hostile/unclosed_lt_1e5", QString(100000, u'<') + u'x'},
        {"hostile/links_1e5", QStringLiteral("<a href=x>.").repeated(100000)},
        {"hostile/attribute_10MB", QStringLiteral("<a href=\"") + QString(10 << 20, u'v') + QStringLiteral("\">t")},
        {"hostile/nested_pre_1e5", QStringLiteral("<pre>").repeated(100000) + QStringLiteral("a b")
                                       + QStringLiteral("</pre>").repeated(100000)},
    };
    for (const auto& [name, html] : pages) {
        const qint64 bytes = html.toUtf8().size();
        benchmark::RegisterBenchmark(name, [html, bytes](benchmark::State& s) { Convert(s, html, bytes); })
            ->Unit(benchmark::kMillisecond);
    }
}

} // namespace

int main(int argc, char** argv)
{
    // The reader converts each page once, into fresh memory. A fixed mmap threshold keeps it so
    // for every size here: otherwise glibc lets the small pages reuse warm heap between
    // iterations while pages above its dynamic threshold (32 MB) fault in fresh memory each
    // time, and the growth from 1x to 16x would measure the allocator, not the conversion.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
    RegisterCorpus();
    RegisterScaling();
    RegisterHostile();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
