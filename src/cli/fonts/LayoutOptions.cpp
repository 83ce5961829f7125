#include "cli/fonts/LayoutOptions.h"

#include <cmath>

#include "cli/fonts/CliCommand.h"
#include "core/Codec.h"
#include "core/FileStore.h"
#include "core/LineBreaks.h"

namespace {

constexpr double kMaxSideTwips = 60000; // about 4000 pixels: bounds the canvas's memory
constexpr qint64 kMaxFileBytes = qint64(256) << 20;

std::optional<double> NumberIn(const QString& text, double low, double high)
{
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || !std::isfinite(v) || v < low || v > high)
        return std::nullopt;
    return v;
}

} // namespace

bool TakeNumber(const QStringList& args, qsizetype& i, double low, double high, double& target)
{
    if (i + 1 >= args.size())
        return false;
    const std::optional<double> v = NumberIn(args[++i], low, high);
    if (v)
        target = *v;
    return bool(v);
}

OptionTaken TakeLayoutOption(const QStringList& args, qsizetype& i, LayoutOptions& o)
{
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
    else
        return OptionTaken::NotLayout;
    return ok ? OptionTaken::Taken : OptionTaken::Bad;
}

std::optional<QString> ReadLayoutText(const QString& file)
{
    // Pipes are read too, up to the same cap as files; devices that never end are refused.
    const filestore::ReadResult read = filestore::ReadInputFile(file, kMaxFileBytes);
    if (!read.ok()) {
        WriteStderr(QStringLiteral("読み込めません: %1: %2\n").arg(file, filestore::ReadProblem(read)));
        return std::nullopt;
    }
    return ToCrLf(codec::DecodeTextFile(read.bytes));
}

MeasuringViewer::MeasuringViewer(const LayoutOptions& o, QString text) : WindowlessViewer(1, 1)
{
    const double tpp = canvas.twipsPerPixel();
    canvas.resize(int(std::ceil(o.width / tpp)), int(std::ceil(o.height / tpp)));
    canvas.setFont(viewerfonts::ViewerFont(o.font, o.pointSize));
    viewer.CurrentText = std::move(text);
    viewer.ReturnMushi = o.returnMushi;
}
