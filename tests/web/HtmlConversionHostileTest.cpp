// Pages built to make a converter slow: each must finish in time that grows with its size
// alone. The bounds leave room for sanitizer builds; a quadratic step takes hours here.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QStringList>

#include "HtmlConversionTestPrint.h"
#include "web/HtmlConversion.h"

namespace {

constexpr qint64 kBoundMs = 8000;

struct Timed {
    QString text;
    qint64 ms = 0;
};

Timed Convert(const QString& html)
{
    ViewerState viewer;
    PageRecord page;
    page.PageUrl = QStringLiteral("http://h/d/p.html");
    viewer.CurrentText = html;
    QElapsedTimer timer;
    timer.start();
    ConvertHtmlToText(viewer, page);
    return {viewer.CurrentText, timer.elapsed()};
}

TEST(HtmlConversionHostileTest, UnclosedTagOpenersStayText)
{
    const Timed unclosed = Convert(QString(100000, u'<') + u'x');
    EXPECT_LT(unclosed.ms, kBoundMs);
    EXPECT_TRUE(unclosed.text.contains(QString(100000, u'<') + u'x'));

    const Timed oneHugeTag = Convert(QStringLiteral("<a").repeated(100000) + u'>' + u'y');
    EXPECT_LT(oneHugeTag.ms, kBoundMs);
    EXPECT_TRUE(oneHugeTag.text.contains(QStringLiteral("\r\ny\r\n\r\nURL")));
}

TEST(HtmlConversionHostileTest, HundredThousandLinks)
{
    const Timed links = Convert(QStringLiteral("<a href=x>.").repeated(100000));
    EXPECT_LT(links.ms, kBoundMs);
    EXPECT_EQ(links.text.count(QStringLiteral("URLList\\\\{")), 100001);
}

TEST(HtmlConversionHostileTest, TenMegabyteAttribute)
{
    const QString value(10 << 20, u'v');
    const Timed quoted = Convert(QStringLiteral("<a href=\"") + value + QStringLiteral("\">t"));
    EXPECT_LT(quoted.ms, kBoundMs);
    EXPECT_TRUE(quoted.text.endsWith(QStringLiteral("http://h/d/") + value + QStringLiteral("}\r\n")));

    // Many "=" and no blank: each one searches back over the whole tag, at most 20 times.
    const Timed equals = Convert(QStringLiteral("<p x") + QString(10 << 20, u'=') + u'>');
    EXPECT_LT(equals.ms, kBoundMs);
}

TEST(HtmlConversionHostileTest, HundredThousandNestedPreElements)
{
    const QString open = QStringLiteral("<pre>").repeated(100000);
    const Timed closed = Convert(open + QStringLiteral("a b") + QStringLiteral("</pre>").repeated(100000));
    EXPECT_LT(closed.ms, kBoundMs);
    EXPECT_TRUE(closed.text.contains(u"a b"));

    const Timed unclosed = Convert(open + QStringLiteral("<script>").repeated(100000));
    EXPECT_LT(unclosed.ms, kBoundMs);
}

TEST(HtmlConversionHostileTest, EventsRunAtMostEvery50MsAndCaptionsKeepTheirForm)
{
    ViewerState viewer;
    PageRecord page;
    viewer.CurrentText = QStringLiteral("<p name=a>x<pre>y</pre>").repeated(200000);
    QElapsedTimer clock;
    std::vector<qint64> eventTimes;
    QStringList captions;
    HtmlConversionHooks hooks;
    hooks.progress.letEventsRun = [&] { eventTimes.push_back(clock.elapsed()); };
    hooks.progress.showProgress = [&](const QString& caption) { captions << caption; };
    clock.start();
    ConvertHtmlToText(viewer, page, hooks);
    const qint64 total = clock.elapsed();

    EXPECT_LE(qint64(eventTimes.size()), total / 50 + 1);
    if (total >= 150) {
        EXPECT_FALSE(eventTimes.empty()); // a long page still lets the window breathe
    }
    for (size_t i = 1; i < eventTimes.size(); ++i)
        EXPECT_GE(eventTimes[i] - eventTimes[i - 1], 50);
    ASSERT_GE(captions.size(), 2);
    for (qsizetype i = 1; i + 1 < captions.size(); ++i)
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^[ 0-9]{2}[0-9]% [ 0-9]{10}/[ 0-9]{10}$")).match(captions[i]).hasMatch())
            << captions[i].toStdString();
}

} // namespace
