#include "library/MacroRunner.h"

#include <algorithm>

#include "library/EntryName.h"

namespace {

MacroLineOutcome RunEntry(const MacroEntry& entry, MacroPageSource& source, const MacroRunHooks& hooks)
{
    MacroLineOutcome out{entry, false, {}};
    if (const std::optional<QString> problem = EntryNameProblem(entry.title)) {
        out.reason = *problem;
        return out;
    }
    if (entry.url.trimmed().isEmpty()) {
        out.reason = QStringLiteral("URLがありません。");
        return out;
    }
    const MacroPageSource::Page page = source.FetchMacroPage(entry.url);
    if (!page.ok) {
        out.reason = page.failure.isEmpty() ? QStringLiteral("ページを読み込めませんでした。") : page.failure;
        return out;
    }
    const LibraryResult saved = hooks.save(entry.title);
    out.saved = saved.ok;
    out.reason = saved.message;
    return out;
}

} // namespace

int MacroSummary::saved() const
{
    return int(std::count_if(lines.begin(), lines.end(), [](const MacroLineOutcome& l) { return l.saved; }));
}

int MacroSummary::failed() const { return int(lines.size()) - saved(); }

MacroSummary RunMacro(const std::vector<MacroEntry>& entries, MacroPageSource& source, const MacroRunHooks& hooks)
{
    MacroSummary summary;
    const int count = int(entries.size());
    for (int i = 0; i < count; ++i) {
        if (hooks.starting)
            hooks.starting(i, count, entries[size_t(i)]);
        summary.lines.push_back(RunEntry(entries[size_t(i)], source, hooks));
        if (hooks.done)
            hooks.done(summary.lines.back());
    }
    return summary;
}

QString MacroLineText(const MacroLineOutcome& outcome)
{
    const QString head = QString::number(outcome.entry.line) + QStringLiteral("行目 ");
    if (outcome.saved)
        return head + QStringLiteral("保存: ") + outcome.entry.title;
    return head + QStringLiteral("失敗: ") + outcome.entry.title + QStringLiteral(" (") + outcome.reason + u')';
}

QString MacroSummaryText(const MacroSummary& summary)
{
    QString text = QStringLiteral("ﾏｸﾛ終了: %1件保存、%2件失敗").arg(summary.saved()).arg(summary.failed());
    if (summary.failed() == 0)
        return text + u'。';
    QStringList failed;
    for (const MacroLineOutcome& l : summary.lines)
        if (!l.saved)
            failed << QString::number(l.entry.line) + QStringLiteral("行目「") + l.entry.title + u'」';
    return text + QStringLiteral("（") + failed.join(QStringLiteral("、")) + QStringLiteral("）。");
}
