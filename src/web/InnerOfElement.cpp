#include "web/InnerOfElement.h"

#include "web/HtmlAsciiMatch.h"

QString InnerOfElement(QStringView text, QStringView tagName)
{
    const QString name = html::AsciiLowered(tagName);
    const qsizetype start = html::FindStartTag(text, 0, name);
    if (start < 0)
        return {};
    const qsizetype close = text.indexOf(u'>', start + 1);
    if (close < 0)
        return {};
    const qsizetype from = close + 1;
    const qsizetype end = html::FindEndTag(text, from, name);
    return text.sliced(from, (end < 0 ? text.size() : end) - from).toString();
}
