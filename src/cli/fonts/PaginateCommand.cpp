// textreader-cli paginate: lays a marked text out page by page exactly as the viewer does,
// without drawing, and prints where each page starts.
#include "cli/fonts/CliCommand.h"
#include "cli/fonts/LayoutOptions.h"

#include "viewer/Pagination.h"

namespace {

const QString kUsage = QStringLiteral("FILE ") + QString::fromLatin1(kLayoutOptionsUsage);

struct PaginateOptions {
    QString file;
    LayoutOptions layout;
};

std::optional<PaginateOptions> ParseOptions(const QStringList& args)
{
    PaginateOptions o;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const OptionTaken taken = TakeLayoutOption(args, i, o.layout);
        if (taken == OptionTaken::Bad)
            return std::nullopt;
        if (taken == OptionTaken::Taken)
            continue;
        if (!o.file.isEmpty() || args[i].startsWith(QLatin1String("--")))
            return std::nullopt;
        o.file = args[i];
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
        WriteStderr(QStringLiteral("使い方: textreader-cli paginate %1\n").arg(kUsage));
        return 2;
    }
    std::optional<QString> text = ReadLayoutText(o->file);
    if (!text)
        return 1;
    MeasuringViewer m(o->layout, std::move(*text));
    const PageStarts pages = MeasurePageStarts(m.viewer, m.page, m.host, m.renderer);
    WriteStdout(PageStartsText(pages).toUtf8());
    if (pages.stalled) {
        WriteStderr(QStringLiteral("ページに一文字も入りません: 幅か高さが小さすぎます。\n"));
        return 1;
    }
    return 0;
}

const CliCommandRegistration kRegistration("paginate", "FILE [--font NAME] [--size PT] [--width TWIPS] [--height TWIPS] [--return-mushi]", Paginate);

} // namespace
