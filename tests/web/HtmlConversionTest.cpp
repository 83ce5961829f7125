// Whole conversions, checked character for character against the marked text the viewer and
// the clip files expect.
#include <gtest/gtest.h>

#include "HtmlConversionTestPrint.h"
#include "support/TempFolder.h"
#include "web/HtmlConversion.h"

namespace {

const QString kHeading = QStringLiteral("\r\n\r\nURLリスト一覧\r\n");

QString Entry(const char* digits, const QString& target)
{
    return QStringLiteral("URLList\\\\{") + QLatin1String(digits) + u':' + target + QStringLiteral("}\r\n");
}

struct HtmlConversionTest : ::testing::Test {
    ViewerState viewer;
    PageRecord page;

    void SetUp() override
    {
        page.PageTitle = QStringLiteral("題");
        page.PageRequestUrl = QStringLiteral("http://h/d/p.html");
        page.PageUrl = QStringLiteral("http://h/d/p.html");
        page.PageBaseUrl = QStringLiteral("http://h/");
    }

    QString convert(const QString& html)
    {
        viewer.CurrentText = html;
        ConvertHtmlToText(viewer, page);
        return viewer.CurrentText;
    }
    // The page's own lines: what stands between the title line and the URL list.
    QString body(const QString& html)
    {
        const QString text = convert(html);
        const QString head = QStringLiteral("URL\\\\{0001} ：(") + page.PageRequestUrl + QStringLiteral(")\r\nタイトル:")
                             + page.PageTitle + QStringLiteral("\r\n");
        EXPECT_TRUE(text.startsWith(head)) << text.toStdString();
        const qsizetype list = text.indexOf(kHeading);
        EXPECT_GE(list, 0);
        return text.mid(head.size(), list - head.size());
    }
};

TEST_F(HtmlConversionTest, EmptyPageGivesLinkLineTitleNoDataAndTheOneRequestEntry)
{
    page.PageRequestUrl.clear();
    QString stored;
    HtmlConversionHooks hooks;
    hooks.saveClipHtml = [&](QString& text) { stored = text.isEmpty() ? QStringLiteral("(empty)") : text; };
    viewer.CurrentText.clear();
    ConvertHtmlToText(viewer, page, hooks);
    EXPECT_EQ(stored, QStringLiteral("(empty)"));
    // An empty request address is relative: it resolves to the page's folder.
    EXPECT_EQ(viewer.CurrentText, QStringLiteral("URL\\\\{0001} ：()\r\nタイトル:題\r\nno data.") + kHeading
                                      + Entry("0001", QStringLiteral("http://h/d/")));
    EXPECT_EQ(page.PageUrl, QStringLiteral("http://h/d/"));
}

TEST_F(HtmlConversionTest, BlockTagsBreakLinesAndSourceLineBreaksVanish)
{
    EXPECT_EQ(body("<P>a<BR>b</P>"), QStringLiteral("\r\na\r\nb\r\n"));
    EXPECT_EQ(body("one\r\ntwo\rthree\tfour\nfive"), QStringLiteral("onetwothreefour\nfive"));
    // A self-closed br is not the four characters "<BR>", and the scan ignores it.
    EXPECT_EQ(body("a<br/>b<br />c<bR>d"), QStringLiteral("abc\r\nd"));
    // A break that the source splits over lines is still a break once they are joined.
    EXPECT_EQ(body("x<B\r\nR>y"), QStringLiteral("x\r\ny"));
    EXPECT_EQ(body("<hr><table><tr><td>1</td><td>2</td></tr></table>"),
              QStringLiteral("\r\n----------------\r\n\r\n\r\n1 2 \r\n"));
    EXPECT_EQ(body("<li>x</li><dd>y</div></blockquote>"), QStringLiteral("\r\nx\r\ny\r\n\r\n"));
}

TEST_F(HtmlConversionTest, TagNamesMatchExactlyInAnyCase)
{
    EXPECT_EQ(body("<string>s</string><strong>t</strong><B class=x>u</b><big>v</big>"),
              QStringLiteral("\\\\Bs\\\\Et\\\\Bu\\\\Ev"));
    EXPECT_EQ(body("<FONT color=red>g</Font><fonts>h"), QStringLiteral("\\\\Og\\\\Nh"));
    EXPECT_EQ(body("<pa>q<h4>r<p\nclass=x>s"), QStringLiteral("qrs"));
    // Comments and declarations end at their first ">"; style content stays as text.
    EXPECT_EQ(body("<!-- a > b -->c<style>p{}</style>"), QStringLiteral(" b -->cp{}"));
}

TEST_F(HtmlConversionTest, LinksResolveAgainstBaseAndFolderAndCutThePageUrlBack)
{
    const QString text = convert(
        "<a href=\"/root.html\">R</a><a href=\"rel.html\">L</a><a href=\"./dot\">D</a>"
        "<option value=\"opt.html\">O</option><a name=\"n\">N</a>");
    EXPECT_EQ(page.PageUrl, QStringLiteral("http://h/d/"));
    EXPECT_TRUE(text.contains(QStringLiteral("URL\\\\{0002} RURL\\\\{0003} LURL\\\\{0004} DURL\\\\{0005} O\r\nTagID\\\\{n}N")))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith(Entry("0001", "http://h/d/p.html") + Entry("0002", "http://h/root.html")
                              + Entry("0003", "http://h/d/rel.html") + Entry("0004", "http://h/dot")
                              + Entry("0005", "http://h/d/opt.html")));
}

TEST_F(HtmlConversionTest, SecureAndProtocolRelativeLinksStayAbsolute)
{
    page.PageUrl = QStringLiteral("https://s/dir/page.html");
    const QString text = convert("<a href=\"HTTPS://x/1\">1</a><a href=\"//cdn/2\">2</a><a href=\"#top\">3</a>"
                                 "<a href=\"mailto:m@x\">4</a><a href=\"x.cgi?a=1&amp;b=2\">5</a>");
    EXPECT_TRUE(text.endsWith(Entry("0002", "HTTPS://x/1") + Entry("0003", "https://cdn/2") + Entry("0004", "#top")
                              + Entry("0005", "mailto:m@x") + Entry("0006", "https://s/dir/x.cgi?a=1&b=2")))
        << text.toStdString();

    page.PageUrl = QStringLiteral("host/page.html"); // no scheme: the web's
    EXPECT_TRUE(convert("<a href=\"//cdn/x\">").endsWith(Entry("0002", "http://cdn/x")));
    EXPECT_EQ(page.PageUrl, QStringLiteral("host/page.html")); // absolute links leave it whole
}

TEST_F(HtmlConversionTest, LinkNumbersKeepTheirLastFourDigits)
{
    QString html;
    for (int i = 2; i <= 10001; ++i)
        html += QStringLiteral("<a href=\"http://x/%1\">.").arg(i);
    const QString text = convert(html);
    EXPECT_TRUE(text.contains(QStringLiteral("URL\\\\{9999} .URL\\\\{0000} .URL\\\\{0001} .")));
    EXPECT_TRUE(text.endsWith(Entry("0000", "http://x/10000") + Entry("0001", "http://x/10001")));
}

TEST_F(HtmlConversionTest, ImagesShowAltTextFileNameOrPicture)
{
    EXPECT_EQ(body("<img src=\"/pics/abcdefghij.png\">"), QStringLiteral("≪abcdef≫"));
    EXPECT_EQ(body("<img>"), QStringLiteral("≪絵≫"));
    EXPECT_EQ(body("<img alt=\"\" src=\"a/PicTures.gif\">"), QStringLiteral("≪≫≪pictur≫"));
    EXPECT_EQ(body("<IMG ALT=\"Big Logo\" NAME=Top>"), QStringLiteral("≪big logo≫TagID\\\\{Top}"));
    EXPECT_EQ(body("<img alt=\"\">"), QStringLiteral("≪≫≪絵≫"));
}

TEST_F(HtmlConversionTest, FramesBecomeLinksNamedByTheirTarget)
{
    const QString text = convert("<frame src=\"Left/Menu.HTML\" name=\"Top/Nav\"><frame name=\"bare\">");
    EXPECT_TRUE(text.contains(QStringLiteral("URL\\\\{0002} <nav>TagID\\\\{Top/Nav}TagID\\\\{bare}"))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(Entry("0002", "http://h/d/left/menu.html")));
}

TEST_F(HtmlConversionTest, PreformattedTextKeepsBlanksAndBreaks)
{
    EXPECT_EQ(body("<pre>a  b\r\nc</pre>"), QStringLiteral("a  b\r\nc"));
    EXPECT_EQ(body("a  b\r\nc"), QStringLiteral("a  bc"));
    EXPECT_EQ(body("<PRE class=x><b>x y</b>\r\n</Pre>z<textarea>1 2</textarea>"),
              QStringLiteral("\\\\Bx y\\\\E\r\nz1 2"));
}

TEST_F(HtmlConversionTest, EntitiesAndNbspRuns)
{
    EXPECT_EQ(body("<p>&nbsp;</p><p>&NBSP;</p><p>a&nbsp;</p>"), QStringLiteral("\r\n\r\n\r\n\r\n\r\na \r\n"));
    EXPECT_EQ(body("&amp;lt; &LT;b&Gt; &quot;"), QStringLiteral("&lt; <b> &quot;"));
}

TEST_F(HtmlConversionTest, UnclosedScriptAndUnclosedTagKeepTheRestAsTheyShould)
{
    EXPECT_EQ(body("a<script>x<p>y"), QStringLiteral("a"));
    EXPECT_EQ(body("a<SCRIPT src=x>if (a<b) c();</script>b"), QStringLiteral("ab"));
    EXPECT_EQ(body("x<p>y<z w"), QStringLiteral("x\r\ny<z w"));
}

TEST_F(HtmlConversionTest, ProgressCaptionsAreTenWideNumbers)
{
    page.PageTitle.clear();
    page.PageRequestUrl.clear();
    QStringList captions;
    HtmlConversionHooks hooks;
    hooks.progress.showProgress = [&](const QString& caption) { captions << caption; };
    viewer.CurrentText = QStringLiteral("x");
    ConvertHtmlToText(viewer, page, hooks);
    // "タイトル:<BR>x" is 10 characters; the request line and the cleaned text 29.
    ASSERT_EQ(captions.size(), 2);
    EXPECT_EQ(captions[0], QStringLiteral("前処理中…         0/        10"));
    EXPECT_EQ(captions[1], QStringLiteral("処理完了        29/        29"));
    EXPECT_EQ(page.PageTextLength, 29.0);
}

TEST_F(HtmlConversionTest, ClipHtmlSaverStoresThePageBeforeConverting)
{
    TempFolder folder;
    const ProgramPaths paths = folder.paths();
    page.PageHtml = QStringLiteral("<p>stored</p>");
    HtmlConversionHooks hooks;
    hooks.saveClipHtml = ClipHtmlSaver(paths, page, viewer);
    viewer.CurrentText = page.PageHtml;
    ConvertHtmlToText(viewer, page, hooks);
    EXPECT_EQ(folder.read(paths.dataFile("clip.html")), QByteArray("<p>stored</p>"));
    EXPECT_TRUE(viewer.CurrentText.contains(QStringLiteral("\r\nstored\r\n")));
}

} // namespace
