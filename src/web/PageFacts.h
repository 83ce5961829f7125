#pragma once
// The small text rules of a fetch: the fragment, the "/./" clean-up, the site root of a
// document URL, the <base href> of a head, and which URLs may be loaded at all.
#include <QString>

// Everything after the first "#", or empty.
QString PageAnchorOf(const QString& url);
// Every "/./" becomes "/".
QString WithoutDotSegments(QString url);
// Scheme, "//", host and one "/" ("https://example.com/"); for a URL with no "//" after
// its scheme, everything up to and including the first "/" after the scheme; empty when
// there is no such "/".
QString SiteRootOf(const QString& documentUrl);
// The href of the first <base> tag in head markup, with "/" appended when it does not end
// in one; empty when there is none.
QString BaseHrefOf(const QString& headHtml);
// The part of a pathname after its leading "/", at most 9999 characters.
QString PathAfterRoot(const QString& pathname);
// True for http, https, file and about URLs (scheme letters in any case).
bool IsFetchableUrl(const QString& url);
// True for a content type the converter reads: HTML and XHTML.
bool IsHtmlContentType(const QString& contentType);
