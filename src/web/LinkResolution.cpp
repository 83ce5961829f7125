#include "web/LinkResolution.h"

#include "web/HtmlAsciiMatch.h"

namespace {

constexpr qsizetype kMaxRelativeChars = 9999;

bool IsKeptAsWritten(QStringView value)
{
    for (QStringView prefix : {u"#", u"http:", u"https:", u"mailto:", u"ftp:"}) {
        if (html::HasAtNoCase(value, 0, prefix))
            return true;
    }
    return false;
}

bool IsSchemeChar(QChar c, bool first)
{
    const char16_t u = c.unicode();
    const bool letter = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
    if (first)
        return letter;
    return letter || (u >= u'0' && u <= u'9') || u == u'+' || u == u'-' || u == u'.';
}

// "http:" for "http://host/dir/", the scheme with its colon; "http:" when the URL has none.
QString SchemeOf(const QString& url)
{
    qsizetype i = 0;
    while (i < url.size() && IsSchemeChar(url[i], i == 0))
        ++i;
    if (i > 0 && i < url.size() && url[i] == u':')
        return url.left(i + 1);
    return QStringLiteral("http:");
}

void CutBackToFolder(QString& url)
{
    if (!url.endsWith(u'/'))
        url.truncate(url.lastIndexOf(u'/') + 1);
}

QString Joined(QStringView front, QStringView back)
{
    QString joined;
    joined.reserve(front.size() + back.size());
    return joined.append(front).append(back);
}

} // namespace

QString ResolveLink(QStringView value, PageRecord& page)
{
    if (IsKeptAsWritten(value))
        return value.toString();
    if (value.startsWith(u"//"))
        return Joined(SchemeOf(page.PageUrl), value);
    CutBackToFolder(page.PageUrl);
    if (value.startsWith(u'/'))
        return Joined(page.PageBaseUrl, value.sliced(1).left(kMaxRelativeChars));
    if (value.startsWith(u"./"))
        return Joined(page.PageBaseUrl, value.sliced(2).left(kMaxRelativeChars));
    return Joined(page.PageUrl, value);
}
