// textreader-cli paginate: lays a marked text out page by page exactly as the viewer does,
// without drawing, and prints where each page starts.
#include "cli/fonts/CliCommand.h"

#include "core/Codec.h"
#include "core/FileStore.h"
#include "core/LineBreaks.h"
#include "core/Surface.h"
#include "viewer/CharacterRenderer.h"
#include "viewer/Pagination.h"
#include "viewer/RendererHost.h"
#include "viewer/StatusRenderer.h"
#include "viewer/ViewerFonts.h"
#include "viewer/ViewerPageState.h"
#include "state/ViewerState.h"

#include <cmath>
#include <optional>

namespace {

constexpr const char* kUsage =
    "FILE [--font NAME] [--size PT] [--width TWIPS] [--height TWIPS] [--return-mushi]";
constexpr double kMaxSideTwips = 60000; // about 4000 pixels: bounds the canvas's memory
constexpr qint64 kMaxFileBytes = qint64(256) << 20;

struct PaginateOptions {
    QString file;
    QString font = viewerfonts::kDesignedFamily;
    double pointSize = viewerfonts::kDesignedPointSize;
    double width = 8865; // the viewer's client area as created
    double height = 2295;
    bool returnMushi = false;
};

std::optional<double> NumberIn(const QString& text, double low, double high)
{
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || !std::isfinite(v) || v < low || v > high)
        return std::nullopt;
    return v;
}

// Reads the value after an option into target; false when it is missing or out of range.
bool TakeNumber(const QStringList& args, qsizetype& i, double low, double high, double& target)
{
    if (i + 1 >= args.size())
        return false;
    const std::optional<double> v = NumberIn(args[++i], low, high);
    if (v)
        target = *v;
    return bool(v);
}

std::optional<PaginateOptions> ParseOptions(const QStringList& args)
{
    PaginateOptions o;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        bool ok = true;
        if (a == QLatin1String("--font"))
            ok = i + 1 < args.size() && !(o.font = args[++i]).isEmpty();
        else if (a == QLatin1String("--size"))
            ok = TakeNumber(args, i, 1, 200, o.pointSize);
        else if (a == QLatin1String("--width"))
            ok = TakeNumber(args, i, 1, kMaxSideTwips, o.width);
        else if (a == QLatin1String("--height"))
            ok = TakeNumber(args, i, 1, kMaxSideTwips, o.height);
        else if (a == QLatin1String("--return-mushi"))
            o.returnMushi = true;
        else if (o.file.isEmpty() && !a.startsWith(QLatin1String("--")))
            o.file = a;
        else
            ok = false;
        if (!ok)
            return std::nullopt;
    }
    if (o.file.isEmpty())
        return std::nullopt;
    return o;
}

QString PageStartsText(const PageStarts& pages)
{
    QString out;
    for (const int32_t start : pages.starts)
        out += QString::number(start) + u'\n';
    return out;
}

int Paginate(const QStringList& args)
{
    const std::optional<PaginateOptions> o = ParseOptions(args);
    if (!o) {
        WriteStderr(QStringLiteral("使い方: textreader-cli paginate %1\n").arg(QString::fromLatin1(kUsage)));
        return 2;
    }
    const filestore::ReadResult read = filestore::ReadInputFile(o->file, kMaxFileBytes);
    if (!read.ok()) {
        WriteStderr(QStringLiteral("読み込めません: %1: %2\n").arg(o->file, filestore::ReadProblem(read)));
        return 1;
    }
    const QByteArray& bytes = read.bytes;
    Surface canvas;
    const double tpp = canvas.twipsPerPixel();
    canvas.resize(int(std::ceil(o->width / tpp)), int(std::ceil(o->height / tpp)));
    canvas.setFont(viewerfonts::ViewerFont(o->font, o->pointSize));

    ViewerState viewer;
    viewer.CurrentText = ToCrLf(codec::DecodeHandEditedFile(bytes));
    viewer.ReadPosition = 1;
    viewer.PageStartList = QStringLiteral("1");
    viewer.ReturnMushi = o->returnMushi;
    viewer.MessageSpeed = 5;
    viewer.Canvas = &canvas;
    ViewerPageState page;
    FlagRendererHost host;
    StatusRenderer status(viewer, page);
    CharacterRenderer renderer(viewer, page, host, status);

    const PageStarts pages = MeasurePageStarts(viewer, page, host, renderer);
    WriteStdout(PageStartsText(pages).toUtf8());
    if (pages.stalled) {
        WriteStderr(QStringLiteral("ページに一文字も入りません: 幅か高さが小さすぎます。\n"));
        return 1;
    }
    return 0;
}

const CliCommandRegistration kRegistration("paginate", kUsage, Paginate);

} // namespace
