#include "web/PageFacts.h"

#include "convert/InnerOfElement.h"
#include "convert/TagAttributes.h"

QString PageAnchorOf(const QString& url)
{
    const qsizetype hash = url.indexOf(u'#');
    return hash < 0 ? QString() : url.mid(hash + 1);
}

QString WithoutDotSegments(QString url)
{
    // "/././" must end as "/": replacing once leaves "/./" behind, so repeat.
    while (url.contains(QLatin1String("/./")))
        url.replace(QLatin1String("/./"), QLatin1String("/"));
    return url;
}

QString SiteRootOf(const QString& documentUrl)
{
    const qsizetype colon = documentUrl.indexOf(u':');
    if (colon <= 0)
        return {};
    qsizetype from = colon + 1;
    if (documentUrl.mid(from, 2) == QLatin1String("//"))
        from += 2;
    const qsizetype slash = documentUrl.indexOf(u'/', from);
    return slash < 0 ? QString() : documentUrl.left(slash + 1);
}

QString BaseHrefOf(const QString& headHtml)
{
    const qsizetype start = headHtml.indexOf(QLatin1String("<base"), 0, Qt::CaseInsensitive);
    if (start < 0)
        return {};
    const qsizetype end = headHtml.indexOf(u'>', start);
    const QString tag = end < 0 ? headHtml.mid(start) : headHtml.mid(start, end - start);
    TagAttributes attributes;
    ParseAttributes(tag.toStdU16String(), attributes);
    const std::u16string* href = attributes.find(u"href");
    if (!href)
        return {};
    QString base = QString::fromStdU16String(*href);
    if (!base.endsWith(u'/'))
        base += u'/';
    return base;
}

QString PathAfterRoot(const QString& pathname)
{
    return pathname.mid(pathname.startsWith(u'/') ? 1 : 0, 9999);
}

bool IsFetchableUrl(const QString& url)
{
    const qsizetype colon = url.indexOf(u':');
    if (colon <= 0)
        return false;
    const QString scheme = url.left(colon).toLower();
    return scheme == u"http" || scheme == u"https" || scheme == u"file" || scheme == u"about";
}

bool IsHtmlContentType(const QString& contentType)
{
    const QString type = contentType.section(u';', 0, 0).trimmed().toLower();
    return type == u"text/html" || type == u"application/xhtml+xml";
}
