#include "convert/InnerOfElement.h"

#include "convert/HtmlAsciiMatch.h"

std::u16string InnerOfElement(std::u16string_view t, std::u16string_view tagName)
{
    const std::u16string name = html::AsciiLowered(tagName);
    const Pos start = html::FindStartTag(t, 0, name);
    if (start < 0)
        return {};
    const Pos close = text::Find(t, u'>', start + 1);
    if (close < 0)
        return {};
    const Pos from = close + 1;
    const Pos end = html::FindEndTag(t, from, name);
    return std::u16string(text::Mid(t, from, (end < 0 ? text::Size(t) : end) - from));
}
