#include "convert/HtmlToMarkedText.h"

#include <utility>

#include "convert/HtmlEntities.h"
#include "convert/HtmlPreprocessing.h"
#include "convert/HtmlScan.h"
#include "convert/LinkList.h"
#include "convert/TextSearch.h"

namespace {

// The first line of every page: link 0001 to the requested address, shown as "：(URL)".
std::u16string RequestLinkLine(std::u16string_view requestUrl)
{
    std::u16string line = u"<a href=\"";
    line.append(requestUrl).append(u"\" >：(").append(requestUrl).append(u")</a>\r\n");
    return line;
}

// Title line, preformatted elements kept, scripts removed, source line breaks dropped, the
// request link put in front: the text the scan runs over.
std::u16string PrepareText(std::u16string t, ConversionPage& page, ConversionPacer& pacer)
{
    PrependInPlace(t, u"タイトル:" + page.PageTitle + u"<BR>");
    page.PageTextLength = double(t.size());
    pacer.show(PreprocessingCaption(int64_t(t.size())));
    KeepPreformatted(t, u"pre", &pacer);
    KeepPreformatted(t, u"textarea", &pacer);
    RemoveElement(t, u"script", &pacer);
    DeleteSourceBreaks(t);
    PrependInPlace(t, RequestLinkLine(page.PageRequestUrl));
    return t;
}

} // namespace

void ConvertHtmlToText(std::u16string& t, ConversionPage& page, const ProgressCallbacks& progress)
{
    if (t.empty())
        t = kNoDataText;
    ConversionPacer pacer(progress);
    const std::u16string prepared = PrepareText(std::exchange(t, std::u16string()), page, pacer);
    page.PageTextLength = double(prepared.size());
    HtmlScanResult scan = ScanPreparedText(prepared, page, pacer);
    pacer.show(FinishedCaption(int64_t(prepared.size())));

    scan.text.append(scan.urlList);
    scan.urlList = std::u16string();
    DecodeFourEntities(scan.text);
    t = std::move(scan.text);
}

std::u16string ClipboardPlainText(std::u16string_view markedText)
{
    std::u16string plain(markedText);
    for (std::u16string_view marker : {u"\\\\B", u"\\\\E", u"\\\\O", u"\\\\N"})
        text::ReplaceAll(plain, marker, u"");
    text::ReplaceAll(plain, u"URL\\\\{", u"URL{");
    text::ReplaceAll(plain, u"TagID\\\\{", u"タグ{");
    const Pos list = text::Find(plain, kUrlListHeading);
    if (list >= 0)
        plain.resize(size_t(list));
    return plain;
}
