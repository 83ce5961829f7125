// Link labels on the page: hover highlights with the cross pointer and a tooltip kept
// inside the window, a left click opens the link, a right click only fills the address.
#include <QLabel>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include "viewer/CommandsFixture.h"

namespace {

const QString kLinkedPage = QStringLiteral(
    "リンク URL\\\\{0001} one と URL\\\\{0002} two\r\n次の行 URL\\\\{0003} three\r\n\r\n\r\n"
    "URLリスト一覧\r\nURLList\\\\{0001:http://a.test/1}\r\nURLList\\\\{0002:http://a.test/2}\r\n"
    "URLList\\\\{0003:http://a.test/3}\r\n");

struct Links : ::testing::Test, CommandsFixture {
    void SetUp() override { show(kLinkedPage); }

    void sendMouse(QEvent::Type type, Qt::MouseButton button, QPoint at,
                   Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
        QMouseEvent e(type, QPointF(at), form->mapToGlobal(QPointF(at)), button, held, mods);
        QApplication::sendEvent(form.get(), &e);
        settle();
    }
    void moveTo(QPoint at) { sendMouse(QEvent::MouseMove, Qt::NoButton, at); }
    void click(Qt::MouseButton b, QPoint at) { sendMouse(QEvent::MouseButtonPress, b, at); }

    QPoint centre(int link) const
    {
        const auto& r = form->Page().LinkRect[size_t(link)];
        return px((r[0] + r[2]) / 2.0, (r[1] + r[3]) / 2.0);
    }
    // Share of the link box's pixels that are red.
    double redShare(int link)
    {
        const auto& r = form->Page().LinkRect[size_t(link)];
        const QRect box(px(r[0], r[1]), px(r[2], r[3]));
        int red = 0, all = 0;
        const QImage& img = f().CanvasSurface().image();
        for (int y = box.top() + 1; y < box.bottom(); ++y)
            for (int x = box.left() + 1; x < box.right(); ++x, ++all)
                red += img.pixelColor(x, y) == QColor(255, 0, 0);
        return all ? double(red) / all : 0;
    }
    QLabel& tip() { return f().FormToolTipText(); }
};

} // namespace

TEST_F(Links, HoverHighlightsOneLinkAtATimeAndLeavingPaintsItBack)
{
    ASSERT_EQ(page().LinkCount[1], 3);
    moveTo(centre(1));
    EXPECT_TRUE(input->Mouse().LinkHover());
    EXPECT_EQ(page().LinkCount[2], 1);
    EXPECT_EQ(form->cursor().shape(), Qt::CrossCursor);
    EXPECT_TRUE(tip().isVisible());
    EXPECT_EQ(tip().text(), QStringLiteral("http://a.test/2"));
    EXPECT_GT(redShare(1), 0.5);
    const double tpp = form->TwipsPerPixel();
    EXPECT_NEAR(tip().x(), centre(1).x() + 80 / tpp, 1.5);
    EXPECT_NEAR(tip().y(), centre(1).y() + 80 / tpp, 1.5);

    moveTo(centre(2));
    EXPECT_EQ(page().LinkCount[2], 2);
    EXPECT_LT(redShare(1), 0.5);
    EXPECT_GT(redShare(2), 0.5);
    EXPECT_EQ(tip().text(), QStringLiteral("http://a.test/3"));

    moveTo(QPoint(2, form->height() / 2 + 20)); // below the links
    EXPECT_FALSE(input->Mouse().LinkHover());
    EXPECT_FALSE(tip().isVisible());
    EXPECT_NE(form->cursor().shape(), Qt::CrossCursor);
    EXPECT_LT(redShare(2), 0.5);
}

TEST_F(Links, TheTooltipNearTheRightEdgeEndsAtTheEdge)
{
    auto& r = page().LinkRect[0];
    r[2] = int32_t(form->width() * form->TwipsPerPixel()); // a label reaching the right edge
    moveTo(QPoint(form->width() - 3, centre(0).y()));
    ASSERT_TRUE(tip().isVisible());
    EXPECT_NEAR(tip().x() + tip().width(), form->width(), 1);
}

TEST_F(Links, APageWithoutLinksNeverShowsTheTooltip)
{
    show(NumberedLines(3));
    ASSERT_EQ(page().LinkCount[1], 0);
    for (int x = 0; x < form->width(); x += 17)
        moveTo(QPoint(x, 8));
    EXPECT_FALSE(tip().isVisible());
    EXPECT_NE(form->cursor().shape(), Qt::CrossCursor);
}

TEST_F(Links, LeftClickOpensTheHoveredLinkAndTurnsNoPage)
{
    const QString list = viewer.PageStartList;
    moveTo(centre(0));
    click(Qt::LeftButton, centre(0));
    EXPECT_EQ(host.calls, QStringList{"open http://a.test/1"});
    EXPECT_EQ(page().LinkCount[2], kNoSelectedLink);
    EXPECT_FALSE(input->Mouse().LinkHover());
    EXPECT_FALSE(tip().isVisible());
    EXPECT_EQ(viewer.PageStartList, list);
}

TEST_F(Links, RightClickOnlyFillsTheAddressAndTheLinkStaysHighlighted)
{
    const QString list = viewer.PageStartList;
    moveTo(centre(2));
    click(Qt::RightButton, centre(2));
    EXPECT_EQ(host.calls, QStringList{"address http://a.test/3"});
    EXPECT_EQ(page().LinkCount[2], 2);
    EXPECT_GT(redShare(2), 0.5);
    EXPECT_FALSE(tip().isVisible());
    EXPECT_EQ(viewer.PageStartList, list); // no page went back either
}

TEST_F(Links, ANewTextOfTheSameLengthWithMovedLinkEntriesOpensItsOwnTargets)
{
    moveTo(centre(0));
    click(Qt::LeftButton, centre(0));
    QString moved = kLinkedPage;
    moved.replace(QStringLiteral("http://a.test/1"), QStringLiteral("http://b.test/9"));
    moved.replace(QStringLiteral("URLList\\\\{0002:http://a.test/2}\r\n"), QString());
    moved += QStringLiteral("URLList\\\\{0002:http://a.test/2}\r\n"); // same length, entry moved
    ASSERT_EQ(moved.size(), kLinkedPage.size());
    show(moved);
    host.calls.clear();
    moveTo(centre(0));
    click(Qt::LeftButton, centre(0));
    show(moved); // opening a link forgets the page's links until the next page is laid out
    moveTo(centre(1));
    click(Qt::LeftButton, centre(1));
    EXPECT_EQ(host.calls, (QStringList{"open http://b.test/9", "open http://a.test/2"}));
}
