// The text rules of a fetch, apart from the engine.
#include "web/PageFacts.h"

#include <gtest/gtest.h>

TEST(PageFacts, SiteRootIsSchemeHostAndOneSlashForEveryScheme)
{
    EXPECT_EQ(SiteRootOf(QStringLiteral("http://example.com/a/b.html")), QStringLiteral("http://example.com/"));
    // Counting seven characters would give "https://" alone here and break root-relative links.
    EXPECT_EQ(SiteRootOf(QStringLiteral("https://example.com/a/b.html")), QStringLiteral("https://example.com/"));
    EXPECT_EQ(SiteRootOf(QStringLiteral("https://example.com:8443/x")), QStringLiteral("https://example.com:8443/"));
    EXPECT_EQ(SiteRootOf(QStringLiteral("file:///home/u/page.html")), QStringLiteral("file:///"));
    EXPECT_EQ(SiteRootOf(QStringLiteral("http://example.com")), QString());
    EXPECT_EQ(SiteRootOf(QStringLiteral("about:blank")), QString());
}

TEST(PageFacts, BaseHrefGetsItsSlashAndOnlyAnHrefCounts)
{
    EXPECT_EQ(BaseHrefOf(QStringLiteral("<title>x</title><BASE HREF=\"http://h/dir\">")), QStringLiteral("http://h/dir/"));
    EXPECT_EQ(BaseHrefOf(QStringLiteral("<base href=\"http://h/dir/\" target=_top>")), QStringLiteral("http://h/dir/"));
    EXPECT_EQ(BaseHrefOf(QStringLiteral("<base target=\"_blank\">")), QString());
    EXPECT_EQ(BaseHrefOf(QStringLiteral("<meta charset=utf-8>")), QString());
}

TEST(PageFacts, UrlCleanUpAnchorAndPath)
{
    EXPECT_EQ(WithoutDotSegments(QStringLiteral("http://h/./a/././b.html#x")), QStringLiteral("http://h/a/b.html#x"));
    EXPECT_EQ(PageAnchorOf(QStringLiteral("http://h/p.html#sec#2")), QStringLiteral("sec#2"));
    EXPECT_EQ(PageAnchorOf(QStringLiteral("http://h/p.html")), QString());
    EXPECT_EQ(PathAfterRoot(QStringLiteral("/a/b.html")), QStringLiteral("a/b.html"));
    EXPECT_EQ(PathAfterRoot(QStringLiteral("a")), QStringLiteral("a"));
}

TEST(PageFacts, OnlyWebFileAndAboutUrlsAreFetched)
{
    for (const char* ok : {"http://h/", "HTTPS://h/", "file:///tmp/x.html", "about:blank"})
        EXPECT_TRUE(IsFetchableUrl(QString::fromLatin1(ok))) << ok;
    for (const char* refused : {"javascript:alert(1)", "ftp://h/", "data:text/html,x", "www.example.com", "", ":x"})
        EXPECT_FALSE(IsFetchableUrl(QString::fromLatin1(refused))) << refused;
    EXPECT_TRUE(IsHtmlContentType(QStringLiteral("text/html; charset=Shift_JIS")));
    EXPECT_TRUE(IsHtmlContentType(QStringLiteral("application/xhtml+xml")));
    EXPECT_FALSE(IsHtmlContentType(QStringLiteral("image/png")));
}
