#include "web/HtmlConversion.h"

#include <utility>

#include "web/ClipFiles.h"
#include "web/HtmlEntities.h"
#include "web/HtmlPreprocessing.h"
#include "web/HtmlScan.h"

namespace {

// The first line of every page: link 0001 to the requested address, shown as "：(URL)".
QString RequestLinkLine(const QString& requestUrl)
{
    return QStringLiteral("<a href=\"") + requestUrl + QStringLiteral("\" >：(") + requestUrl
           + QStringLiteral(")</a>\r\n");
}

// Title line, preformatted elements kept, scripts removed, source line breaks dropped, the
// request link put in front: the text the scan runs over.
QString PrepareText(QString text, PageRecord& page, ConversionPacer& pacer)
{
    PrependInPlace(text, QString(QStringLiteral("タイトル:") + page.PageTitle + QStringLiteral("<BR>")));
    page.PageTextLength = double(text.size());
    pacer.show(PreprocessingCaption(page.PageTextLength));
    KeepPreformatted(text, u"pre", &pacer);
    KeepPreformatted(text, u"textarea", &pacer);
    RemoveElement(text, u"script", &pacer);
    DeleteSourceBreaks(text);
    PrependInPlace(text, RequestLinkLine(page.PageRequestUrl));
    return text;
}

} // namespace

std::function<void(QString&)> ClipHtmlSaver(const ProgramPaths& paths, const PageRecord& page,
                                             const ViewerState& viewer)
{
    return [&paths, &page, &viewer](QString& text) { SaveClipHtml(paths, text, page, viewer); };
}

void ConvertHtmlToText(ViewerState& viewer, PageRecord& page, const HtmlConversionHooks& hooks)
{
    if (hooks.saveClipHtml)
        hooks.saveClipHtml(viewer.CurrentText);
    if (viewer.CurrentText.isEmpty())
        viewer.CurrentText = kNoData;

    ConversionPacer pacer(hooks.progress);
    const QString prepared = PrepareText(std::exchange(viewer.CurrentText, QString()), page, pacer);
    page.PageTextLength = double(prepared.size());
    HtmlScanResult scan = ScanPreparedText(prepared, page, pacer);
    pacer.show(FinishedCaption(page.PageTextLength));

    scan.text.append(scan.urlList);
    scan.urlList.clear();
    DecodeFourEntities(scan.text);
    viewer.CurrentText = std::move(scan.text);
}
