// The X11 hotkeys against a real X server (tests/e2e/desktop_hotkeys.sh runs this on Xvfb):
// a combination held by another client is refused without leaving half a grab behind, and
// a registered one arrives by id when pressed.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTest>
#include <cstdlib>
#include <gtest/gtest.h>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include "shell/ui/x11/X11GlobalHotkeys.h"

namespace {

constexpr uint32_t kDownKeysym = 0xff54;

// Another X client, with a grab of its own.
struct OtherClient {
    OtherClient() : c(xcb_connect(nullptr, nullptr))
    {
        root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        xcb_key_symbols_t* syms = xcb_key_symbols_alloc(c);
        xcb_keycode_t* codes = xcb_key_symbols_get_keycode(syms, kDownKeysym);
        down = codes[0];
        std::free(codes);
        xcb_key_symbols_free(syms);
    }
    ~OtherClient() { xcb_disconnect(c); }
    bool grab(uint16_t mods)
    {
        auto cookie = xcb_grab_key_checked(c, 0, root, mods, down, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        xcb_generic_error_t* e = xcb_request_check(c, cookie);
        std::free(e);
        return e == nullptr;
    }
    void ungrab(uint16_t mods)
    {
        // Checked, so that the server has let go before the test goes on.
        std::free(xcb_request_check(c, xcb_ungrab_key_checked(c, down, root, mods)));
    }
    xcb_connection_t* c;
    xcb_window_t root = 0;
    xcb_keycode_t down = 0;
};

} // namespace

TEST(X11GlobalHotkeys, HeldCombinationIsRefusedAndAFreeOneArrivesById)
{
    if (QGuiApplication::platformName() != u"xcb")
        GTEST_SKIP() << "needs an X server";
    X11GlobalHotkeys hotkeys;
    ASSERT_TRUE(hotkeys.Available());
    std::vector<int32_t> pressed;
    hotkeys.SetHandler([&](int32_t id) { pressed.push_back(id); });

    // The other client holds Alt+Down only with NumLock (Mod2) lit: that is enough to refuse.
    OtherClient other;
    const uint16_t altNumLock = XCB_MOD_MASK_1 | XCB_MOD_MASK_2;
    ASSERT_TRUE(other.grab(altNumLock));
    EXPECT_FALSE(hotkeys.Register(258, GlobalHotkeys::ModAlt, 40));
    EXPECT_FALSE(hotkeys.Registered(258));
    // The variants grabbed before the refusal were let go again.
    EXPECT_TRUE(other.grab(XCB_MOD_MASK_1));
    other.ungrab(XCB_MOD_MASK_1);
    other.ungrab(altNumLock);

    EXPECT_FALSE(hotkeys.Register(259, 0, 0));   // an empty slot
    EXPECT_FALSE(hotkeys.Register(260, 0, 255)); // no such key
    EXPECT_TRUE(hotkeys.Register(258, GlobalHotkeys::ModAlt, 40));
    EXPECT_TRUE(hotkeys.Registered(258));
    EXPECT_FALSE(other.grab(XCB_MOD_MASK_1)); // now ours

    QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("alt+Down")});
    QTRY_COMPARE_WITH_TIMEOUT(pressed.size(), size_t(1), 5000);
    EXPECT_EQ(pressed[0], 258);
    // Down alone is not the combination.
    QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Down")});
    QTest::qWait(300);
    EXPECT_EQ(pressed.size(), 1u);

    hotkeys.Unregister(258);
    EXPECT_TRUE(other.grab(XCB_MOD_MASK_1));
}
