#include "convert/LinkResolution.h"

#include "convert/HtmlAsciiMatch.h"

namespace {

constexpr Pos kMaxRelativeChars = 9999;

bool IsKeptAsWritten(std::u16string_view value)
{
    for (std::u16string_view prefix : {u"#", u"http:", u"https:", u"mailto:", u"ftp:"}) {
        if (html::HasAtNoCase(value, 0, prefix))
            return true;
    }
    return false;
}

bool IsSchemeChar(char16_t u, bool first)
{
    const bool letter = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
    if (first)
        return letter;
    return letter || (u >= u'0' && u <= u'9') || u == u'+' || u == u'-' || u == u'.';
}

// "http:" for "http://host/dir/", the scheme with its colon; "http:" when the URL has none.
std::u16string_view SchemeOf(std::u16string_view url)
{
    size_t i = 0;
    while (i < url.size() && IsSchemeChar(url[i], i == 0))
        ++i;
    if (i > 0 && i < url.size() && url[i] == u':')
        return url.substr(0, i + 1);
    return u"http:";
}

void CutBackToFolder(std::u16string& url)
{
    if (!url.ends_with(u'/'))
        url.resize(size_t(text::FindLast(url, u'/', text::Size(url) - 1) + 1));
}

std::u16string Joined(std::u16string_view front, std::u16string_view back)
{
    std::u16string joined;
    joined.reserve(front.size() + back.size());
    return joined.append(front).append(back);
}

} // namespace

std::u16string ResolveLink(std::u16string_view value, ConversionPage& page)
{
    if (IsKeptAsWritten(value))
        return std::u16string(value);
    if (value.starts_with(u"//"))
        return Joined(SchemeOf(page.PageUrl), value);
    CutBackToFolder(page.PageUrl);
    if (value.starts_with(u'/'))
        return Joined(page.PageBaseUrl, text::Mid(value, 1, kMaxRelativeChars));
    if (value.starts_with(u"./"))
        return Joined(page.PageBaseUrl, text::Mid(value, 2, kMaxRelativeChars));
    return Joined(page.PageUrl, value);
}
