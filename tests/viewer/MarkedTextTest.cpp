// Finding a link's target in the list at the end of the text.
#include "viewer/MarkedText.h"

#include <gtest/gtest.h>

namespace {

TEST(MarkedTextLinks, NumberIsReadPaddedAndLookedUpFromTheStart)
{
    LinkIndex links;
    const QString text = QStringLiteral("URL\\\\{0012} a URL\\\\{7} b URL\\\\{0003} c\r\n"
                                        "URLList\\\\{0012:http://x/12}\r\n"
                                        "URLList\\\\{0007:http://x/{7}}}\r\n"
                                        "URLList\\\\{0012:http://other/}\r\n");
    EXPECT_EQ(links.Resolve(text, 0), QStringLiteral("http://x/12")); // first entry wins
    EXPECT_EQ(links.Resolve(text, text.indexOf(u"URL\\\\{7")), QStringLiteral("http://x/{7"));
    EXPECT_EQ(links.Resolve(text, text.indexOf(u"URL\\\\{0003")), std::nullopt);
}

TEST(MarkedTextLinks, IndexFollowsAChangedText)
{
    LinkIndex links;
    QString text = QStringLiteral("URL\\\\{0001} a\r\nURLList\\\\{0001:http://one/}\r\n");
    EXPECT_EQ(links.Resolve(text, 0), QStringLiteral("http://one/"));
    text.replace(QStringLiteral("one"), QStringLiteral("two"));
    EXPECT_EQ(links.Resolve(text, 0), QStringLiteral("http://two/"));
}

TEST(MarkedTextLinks, BrokenMarkersAndEntriesGiveNoLink)
{
    LinkIndex links;
    EXPECT_EQ(links.Resolve(QStringLiteral("URL\\\\{"), 0), std::nullopt);
    EXPECT_EQ(links.Resolve(QStringLiteral("URL\\\\{x}"), 0), std::nullopt);
    EXPECT_EQ(links.Resolve(QStringLiteral("URL\\\\{-1} URLList\\\\{-001:a}"), 0), std::nullopt);
    // an entry without its closing brace, or cut off right after the number
    EXPECT_EQ(links.Resolve(QStringLiteral("URL\\\\{0001} URLList\\\\{0001:http://a"), 0), std::nullopt);
    EXPECT_EQ(links.Resolve(QStringLiteral("URL\\\\{0001} URLList\\\\{0001"), 0), std::nullopt);
}

TEST(MarkedTextLinks, EntriesInThePageTextCannotRedirectTheListsLinks)
{
    LinkIndex links;
    // A comment on the page quotes an entry; the converter's list under its heading follows.
    const QString page = QStringLiteral("URL\\\\{0002} real URLList\\\\{0002:http://evil.example/}\r\n"
                                        "\r\n\r\nURLリスト一覧\r\n"
                                        "URLList\\\\{0002:http://real.example/}\r\n");
    EXPECT_EQ(links.Resolve(page, 0), QStringLiteral("http://real.example/"));
    // The heading quoted in the page text too: only the last one opens the list.
    const QString quoted = QStringLiteral("\r\n\r\nURLリスト一覧\r\n") + page;
    EXPECT_EQ(links.Resolve(quoted, quoted.indexOf(u"URL\\\\{0002} real")), QStringLiteral("http://real.example/"));
}

} // namespace
