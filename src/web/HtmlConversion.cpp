#include "web/HtmlConversion.h"

#include <utility>

#include "convert/HtmlToMarkedText.h"
#include "web/ClipFiles.h"

namespace {

std::u16string Utf16(const QString& text) { return text.toStdU16String(); }
// A copy as it stands: QString::fromUtf16 would drop a byte-order mark in front.
QString Qt16(std::u16string_view text) { return QStringView(text.data(), qsizetype(text.size())).toString(); }

ConversionPage ConvertingPage(const PageRecord& page)
{
    return {Utf16(page.PageTitle), Utf16(page.PageRequestUrl), Utf16(page.PageUrl), Utf16(page.PageBaseUrl),
            page.PageTextLength};
}

ProgressCallbacks Callbacks(const ConversionCallbacks& progress)
{
    ProgressCallbacks callbacks;
    if (progress.showProgress)
        callbacks.showProgress = [&progress](std::u16string_view caption) {
            progress.showProgress(Qt16(caption));
        };
    callbacks.letEventsRun = progress.letEventsRun;
    return callbacks;
}

} // namespace

std::function<void(QString&)> ClipHtmlSaver(const ProgramPaths& paths, const PageRecord& page,
                                             const ViewerState& viewer,
                                             std::function<void(const FileProblem&)> failed)
{
    return [&paths, &page, &viewer, failed = std::move(failed)](QString& text) {
        const std::optional<FileProblem> problem = SaveClipHtml(paths, text, page, viewer);
        if (problem && failed)
            failed(*problem);
    };
}

void ConvertHtmlToText(ViewerState& viewer, PageRecord& page, const HtmlConversionHooks& hooks)
{
    if (hooks.saveClipHtml)
        hooks.saveClipHtml(viewer.CurrentText);
    std::u16string text = Utf16(std::exchange(viewer.CurrentText, QString()));
    ConversionPage converting = ConvertingPage(page);
    ConvertHtmlToText(text, converting, Callbacks(hooks.progress));
    page.PageUrl = Qt16(converting.PageUrl);
    page.PageTextLength = converting.PageTextLength;
    viewer.CurrentText = Qt16(text);
}
