// Page HTML as any bytes, through the whole conversion: it must never crash, hang or read out
// of bounds, and its result must always end with the URL list holding the request line's entry.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/Codec.h"
#include "web/HtmlConversion.h"
#include "convert/InnerOfElement.h"
#include "convert/TagAttributes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    ViewerState viewer;
    PageRecord page;
    page.PageUrl = QStringLiteral("http://h/d/p.html");
    page.PageBaseUrl = QStringLiteral("http://h/");
    page.PageRequestUrl = page.PageUrl;
    viewer.CurrentText = codec::DecodeTextFile(bytes);

    const std::u16string_view html(QStringView(viewer.CurrentText).utf16(), size_t(viewer.CurrentText.size()));
    TagAttributes table;
    ParseAttributes(html, table);
    if (table.filled > 20)
        std::abort();
    (void)InnerOfElement(html, u"head");

    ConvertHtmlToText(viewer, page);
    if (!viewer.CurrentText.startsWith(QStringLiteral("URL\\\\{0001} ")) || !viewer.CurrentText.contains(u"URLリスト一覧"))
        std::abort();
    return 0;
}
