#include <gtest/gtest.h>

#include "Utf16TestText.h"
#include "convert/HtmlAsciiMatch.h"

// Start tags are looked for four characters at a time: every offset against those blocks,
// and tags that end exactly at the end of the text, must still be found.
TEST(FindStartTag, FindsTagsAtEveryOffsetAndAtTheEnd)
{
    for (int pad = 0; pad < 9; ++pad) {
        const QString prefix(pad, u'x');
        EXPECT_EQ(html::FindStartTag(U(prefix + "<PRE>a"), 0, u"pre"), pad) << pad;
        EXPECT_EQ(html::FindStartTag(U(prefix + "<pre"), 0, u"pre"), pad) << pad;
        EXPECT_EQ(html::FindStartTag(U(prefix + "<pr"), 0, u"pre"), -1) << pad;
        EXPECT_EQ(html::FindStartTag(U(prefix + "<p<pre"), 0, u"pre"), pad + 2) << pad;
    }
    const std::u16string two = u"<pre>a</pre><Pre>";
    EXPECT_EQ(html::FindStartTag(two, 1, u"pre"), 12);
    EXPECT_EQ(html::FindStartTag(two, 13, u"pre"), -1);
    EXPECT_EQ(html::FindStartTag(u"a<b", 0, u""), 1);
    EXPECT_EQ(html::FindStartTag(u"", 0, u"pre"), -1);
}
