// The helpers the page fetch reuses (ParseAttributes, InnerOfElement) and the preparing steps.
#include <gtest/gtest.h>

#include <QStringList>
#include <random>

#include "Utf16TestText.h"
#include "convert/HtmlAsciiMatch.h"
#include "convert/HtmlPreprocessing.h"
#include "convert/InnerOfElement.h"
#include "convert/TagAttributes.h"

namespace {

TagAttributes Parsed(const QString& tag)
{
    TagAttributes table;
    ParseAttributes(U(tag), table);
    return table;
}

TEST(ParseAttributesTest, QuotedUnquotedAndMalformedValues)
{
    const TagAttributes a = Parsed(QStringLiteral("<a HREF=\"x y.html\" title=t class='c d' name=\"n>"));
    ASSERT_EQ(a.filled, 4);
    EXPECT_EQ(Q(*a.find(u"href")), QStringLiteral("x y.html"));
    EXPECT_EQ(Q(*a.find(u"TITLE")), QStringLiteral("t"));
    EXPECT_EQ(Q(*a.find(u"class")), QStringLiteral("'c")); // single quotes are ordinary characters
    EXPECT_EQ(Q(*a.find(u"name")), QStringLiteral("n"));  // unclosed quote: up to the ">"
    EXPECT_EQ(a.find(u"d'"), nullptr);

    // The name starts after the blank nearest before "=": "href = x" names nothing.
    const TagAttributes spaced = Parsed(QStringLiteral("<a href = \"x\">"));
    EXPECT_EQ(spaced.find(u"href"), nullptr);
    EXPECT_EQ(Q(*spaced.find(u"")), QString());

    // Line breaks and tabs go before parsing; a value at the end stops before the ">".
    const TagAttributes joined = Parsed(QStringLiteral("<img\tsrc=\"p.png\"\r\n alt=last>"));
    EXPECT_EQ(Q(*joined.find(u"<imgsrc")), QStringLiteral("p.png"));
    EXPECT_EQ(Q(*joined.find(u"alt")), QStringLiteral("last"));

    // Without a ">" (a tag cut out of a head), an unclosed quoted value runs to the end.
    EXPECT_EQ(Q(*Parsed(QStringLiteral("<base href=\"http://x/")).find(u"href")), QStringLiteral("http://x/"));
    EXPECT_EQ(Parsed(QStringLiteral("<a b=")).filled, 1);
}

TEST(ParseAttributesTest, KeepsTheFirstTwentyAndReusesTheTable)
{
    QString tag = QStringLiteral("<p");
    for (int i = 1; i <= 25; ++i)
        tag += QStringLiteral(" a%1=v%1").arg(i);
    TagAttributes table;
    ParseAttributes(U(tag + u'>'), table);
    EXPECT_EQ(table.filled, 20);
    EXPECT_EQ(Q(*table.find(u"a20")), QStringLiteral("v20"));
    EXPECT_EQ(table.find(u"a21"), nullptr);
    ParseAttributes(u"<a x=1>", table);
    EXPECT_EQ(table.filled, 1);
    EXPECT_EQ(table.find(u"a2"), nullptr);
    // The first of two equal names wins.
    EXPECT_EQ(Q(*Parsed(QStringLiteral("<a href=1 HREF=2>")).find(u"href")), QStringLiteral("1"));
}

TEST(InnerOfElementTest, FirstElementContentOrEmpty)
{
    EXPECT_EQ(Q(InnerOfElement(u"x<HEAD lang=ja><base href=y></Head><head>2</head>", u"head")),
              QStringLiteral("<base href=y>"));
    EXPECT_EQ(Q(InnerOfElement(u"<head>open to the end", u"HEAD")), QStringLiteral("open to the end"));
    EXPECT_EQ(Q(InnerOfElement(u"<head no close", u"head")), QString());
    EXPECT_EQ(Q(InnerOfElement(u"<body></head>", u"head")), QString());
}

TEST(PreprocessingTest, KeepPreformattedRewritesTextButNotNestedTags)
{
    std::u16string text = U(QStringLiteral("a b<pre><a href=\"x y\">p q</a>\r\n< r</PRE>c d<pre>e f"));
    EXPECT_TRUE(KeepPreformatted(text, u"pre"));
    EXPECT_EQ(Q(text), QStringLiteral("a b<a href=\"x y\">p&nbsp;q</a><BR><&nbsp;rc de&nbsp;f"));

    std::u16string nested = U(QStringLiteral("<pre><pre>a b</pre></pre>"));
    KeepPreformatted(nested, u"pre");
    EXPECT_EQ(Q(nested), QStringLiteral("<pre>a&nbsp;b</pre>"));
}

// The rewrite as a plain copy into a new text: every element found from where the last one
// ended, its tags dropped, its text widened and its nested tags kept.
QString CopiedPreRewrite(const QString& text)
{
    auto widen = [](QStringView run, QString& out) {
        for (qsizetype i = 0; i < run.size(); ++i) {
            if (run[i] == u'\r' && i + 1 < run.size() && run[i + 1] == u'\n') {
                out += QStringLiteral("<BR>");
                ++i;
            } else {
                out += run[i] == u' ' ? QStringView(u"&nbsp;") : run.sliced(i, 1);
            }
        }
    };
    QString out;
    qsizetype copied = 0;
    for (;;) {
        const qsizetype start = html::FindStartTag(U(text), copied, u"pre");
        const qsizetype close = start < 0 ? -1 : text.indexOf(u'>', start + 1);
        if (close < 0)
            break;
        const qsizetype endTag = html::FindEndTag(U(text), close + 1, u"pre");
        const qsizetype end = endTag < 0 ? text.size() : endTag;
        out += QStringView(text).sliced(copied, start - copied);
        const QStringView content = QStringView(text).sliced(close + 1, end - close - 1);
        for (qsizetype at = 0; at < content.size();) {
            const qsizetype open = content.indexOf(u'<', at);
            const qsizetype shut = open < 0 ? -1 : content.indexOf(u'>', open + 1);
            if (shut < 0) {
                widen(content.sliced(at), out);
                break;
            }
            widen(content.sliced(at, open - at), out);
            out += content.sliced(open, shut + 1 - open);
            at = shut + 1;
        }
        copied = endTag < 0 ? text.size() : endTag + 6;
    }
    return out.append(QStringView(text).sliced(copied));
}

TEST(PreprocessingTest, KeepPreformattedInPlaceMatchesACopyingRewrite)
{
    // Random texts of pieces that start, end, nest and break elements; the rewrite works in
    // place, moving text down and then widening from the back, so every offset matters.
    const QStringList pieces{"<pre>", "</pre>", "<PRE class=x>", "</PRE>", "<pre", ">", "<", " ",
                             "\r\n", "\r", "\n", "ab", "<b>", "</b>", "</pre", "<prex>"};
    std::mt19937 random(20261209);
    for (int round = 0; round < 3000; ++round) {
        QString text;
        const int count = int(random() % 40);
        for (int i = 0; i < count; ++i)
            text += pieces[qsizetype(random() % pieces.size())];
        const QString expected = CopiedPreRewrite(text);
        std::u16string rewritten = U(text);
        KeepPreformatted(rewritten, u"pre");
        ASSERT_EQ(Q(rewritten), expected) << "input: " << text.toStdString();
    }
}

TEST(PreprocessingTest, RemoveElementDeletesEachElementToItsEndTag)
{
    std::u16string text = U(QStringLiteral("1<script>a</script>2<SCRIPT type=x>b</Script>3<scriptx>c</script>4<script"));
    EXPECT_TRUE(RemoveElement(text, u"script"));
    EXPECT_EQ(Q(text), QStringLiteral("1234<script"));
}

TEST(PreprocessingTest, SourceBreaksGoAndBrBecomesCrLf)
{
    std::u16string text = U(QStringLiteral("a\r\nb\rc\td\ne\x0F\x14" "f\x0F\r\ng<bR>h<B<br>R><B\r\nR>"));
    DeleteSourceBreaks(text);
    EXPECT_EQ(Q(text), QStringLiteral("abcd\nef\x0Fg\r\nh<B\r\nR>\r\n"));
    PrependInPlace(text, u"<BR>");
    EXPECT_EQ(Q(text), QStringLiteral("<BR>abcd\nef\x0Fg\r\nh<B\r\nR>\r\n"));
}

} // namespace
