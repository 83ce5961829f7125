// textreader-cli search: the term search of the reader on a text file. The text is laid out
// page by page exactly as paginate and the viewer lay it out; it prints the start of the page
// holding the first match and the match's position.
#include "cli/fonts/CliCommand.h"
#include "cli/fonts/LayoutOptions.h"

#include "core/Notation.h"
#include "library/TermSearch.h"
#include "viewer/Pagination.h"

namespace {

constexpr const char* kUsage = "TEXT TERM [--backward] [--from POS] [--font NAME] [--size PT] [--width TWIPS] "
                               "[--height TWIPS] [--return-mushi]";

struct SearchOptions {
    QString file;
    QString term;
    bool backward = false;
    double from = 0; // 0: the text's start forwards, its end backwards
    LayoutOptions layout;
};

std::optional<SearchOptions> ParseOptions(const QStringList& args)
{
    SearchOptions o;
    int positional = 0;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const OptionTaken taken = TakeLayoutOption(args, i, o.layout);
        if (taken == OptionTaken::Bad)
            return std::nullopt;
        if (taken == OptionTaken::Taken)
            continue;
        const QString& a = args[i];
        if (a == QLatin1String("--backward"))
            o.backward = true;
        else if (a == QLatin1String("--from")) {
            if (!TakeNumber(args, i, 1, INT32_MAX, o.from))
                return std::nullopt;
        } else if (positional == 0 && !a.startsWith(QLatin1String("--")))
            o.file = args[i], ++positional;
        else if (positional == 1)
            o.term = args[i], ++positional; // a term may begin with "--"
        else
            return std::nullopt;
    }
    if (positional != 2 || o.term.isEmpty())
        return std::nullopt;
    return o;
}

// The reader's silent page step: the page about to be laid out is recorded as shown.
bool StepPage(MeasuringViewer& m)
{
    if (notation::Val(m.viewer.PageStartList) != m.viewer.ReadPosition)
        m.viewer.PageStartList.prepend(QString::number(m.viewer.ReadPosition) + u','); // grows in place
    return MeasurePage(m.viewer, m.page, m.host, m.renderer);
}

// Reads on, page by page as a reader turns them, until the next page starts at `from`.
// False when `from` is not where a page starts.
bool ReadUpTo(MeasuringViewer& m, int32_t from)
{
    while (m.viewer.ReadPosition < from) {
        const int32_t before = m.viewer.ReadPosition;
        const bool more = StepPage(m);
        if (m.viewer.ReadPosition <= before || !more)
            break;
    }
    const int32_t end = int32_t(m.viewer.CurrentText.size()) + 1;
    return m.viewer.ReadPosition == from || (from >= end && m.viewer.ReadPosition >= end);
}

int Search(const QStringList& args)
{
    const std::optional<SearchOptions> o = ParseOptions(args);
    if (!o) {
        WriteStderr(QStringLiteral("使い方: textreader-cli search %1\n").arg(QString::fromLatin1(kUsage)));
        return 2;
    }
    std::optional<QString> text = ReadLayoutText(o->file);
    if (!text)
        return 2; // 1 means "not found"; an unreadable text is bad input
    MeasuringViewer m(o->layout, std::move(*text));
    const int32_t end = int32_t(m.viewer.CurrentText.size()) + 1;
    const int32_t from = o->from > 0 ? notation::ToInt32(o->from) : (o->backward ? end : 1);
    if (!ReadUpTo(m, from)) {
        WriteStderr(QStringLiteral("--from %1 はページの始まりではありません（paginate が示す位置を指定してください）。\n").arg(from));
        return 2;
    }
    const termsearch::Result r = o->backward
        ? termsearch::SearchBackward(m.viewer, o->term, {})
        : termsearch::SearchForward(m.viewer, o->term, [&m](int32_t at) { StepPage(m); return m.viewer.ReadPosition >= at; }, {});
    if (r.found < 1) {
        WriteStdout(o->backward ? QByteArray("見つかりません: 一番上まで検索しました。\n")
                                : QByteArray("見つかりません: 一番下まで検索しました。\n"));
        return 1;
    }
    WriteStdout(QStringLiteral("page %1\nmatch %2\n").arg(r.pageStart).arg(r.found).toUtf8());
    return 0;
}

const CliCommandRegistration kRegistration("search", kUsage, Search);

} // namespace
