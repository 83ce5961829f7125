#include "shell/ui/x11/X11GlobalHotkeys.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdlib>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include "shell/ui/x11/VirtualKeyKeysyms.h"

namespace {

constexpr uint32_t kNumLockKeysym = 0xff7f;
constexpr uint32_t kScrollLockKeysym = 0xff14;

xcb_connection_t* QtConnection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// Alt, Ctrl, Shift, Win of the hotkey table as X modifier bits.
uint16_t XModifiers(int32_t modifiers)
{
    uint16_t x = 0;
    if (modifiers & GlobalHotkeys::ModAlt)
        x |= XCB_MOD_MASK_1;
    if (modifiers & GlobalHotkeys::ModControl)
        x |= XCB_MOD_MASK_CONTROL;
    if (modifiers & GlobalHotkeys::ModShift)
        x |= XCB_MOD_MASK_SHIFT;
    if (modifiers & GlobalHotkeys::ModWin)
        x |= XCB_MOD_MASK_4;
    return x;
}

} // namespace

X11GlobalHotkeys::X11GlobalHotkeys() : symbols_(nullptr, xcb_key_symbols_free)
{
    xcb_connection_t* c = QtConnection();
    if (!c || xcb_connection_has_error(c))
        return;
    connection_ = c;
    root_ = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    symbols_.reset(xcb_key_symbols_alloc(c));
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11GlobalHotkeys::~X11GlobalHotkeys()
{
    if (!connection_)
        return;
    for (const auto& [id, grab] : grabs_)
        UngrabAllVariants(grab);
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

// The modifier bit (Mod1..Mod5) that a lock key sets, 0 when the key is on none.
uint16_t X11GlobalHotkeys::ModifierOfKeysym(uint32_t keysym) const
{
    xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols_.get(), keysym);
    if (!codes)
        return 0;
    uint16_t mask = 0;
    auto* reply = xcb_get_modifier_mapping_reply(connection_, xcb_get_modifier_mapping(connection_), nullptr);
    if (reply) {
        const xcb_keycode_t* map = xcb_get_modifier_mapping_keycodes(reply);
        const int perModifier = reply->keycodes_per_modifier;
        for (int mod = 0; mod < 8 && !mask; ++mod)
            for (int k = 0; k < perModifier && !mask; ++k)
                for (xcb_keycode_t* c = codes; *c != XCB_NO_SYMBOL && !mask; ++c)
                    if (map[mod * perModifier + k] == *c)
                        mask = uint16_t(1u << mod);
        std::free(reply);
    }
    std::free(codes);
    return mask;
}

std::vector<uint16_t> X11GlobalHotkeys::LockVariants() const
{
    std::vector<uint16_t> variants{0};
    for (uint16_t lock : {uint16_t(XCB_MOD_MASK_LOCK), numLock_, scrollLock_}) {
        if (!lock)
            continue;
        const size_t n = variants.size();
        for (size_t i = 0; i < n; ++i)
            variants.push_back(uint16_t(variants[i] | lock));
    }
    return variants;
}

bool X11GlobalHotkeys::FindGrab(int32_t modifiers, int32_t virtualKey, Grab& grab) const
{
    const uint32_t keysym = VirtualKeyToKeysym(virtualKey);
    if (keysym == 0)
        return false;
    xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols_.get(), keysym);
    if (!codes)
        return false;
    grab.keycode = codes[0];
    std::free(codes);
    if (grab.keycode == XCB_NO_SYMBOL)
        return false;
    grab.modifiers = XModifiers(modifiers);
    // A symbol that sits on the shifted level of its key (":" on a US keyboard) is typed
    // with Shift: the combination needs it too.
    if (xcb_key_symbols_get_keysym(symbols_.get(), grab.keycode, 0) != keysym &&
        xcb_key_symbols_get_keysym(symbols_.get(), grab.keycode, 1) == keysym)
        grab.modifiers |= XCB_MOD_MASK_SHIFT;
    return true;
}

bool X11GlobalHotkeys::GrabAllVariants(const Grab& grab)
{
    // Not owner events: the press is reported on the root window even when one of our own
    // windows has the focus, so the viewer's own key handling never sees it twice.
    std::vector<xcb_void_cookie_t> cookies;
    for (uint16_t lock : LockVariants())
        cookies.push_back(xcb_grab_key_checked(connection_, 0, root_, uint16_t(grab.modifiers | lock),
                                               grab.keycode, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    bool ok = true;
    for (xcb_void_cookie_t cookie : cookies) {
        if (xcb_generic_error_t* error = xcb_request_check(connection_, cookie)) {
            ok = false; // BadAccess: another client holds this combination
            std::free(error);
        }
    }
    if (!ok)
        UngrabAllVariants(grab);
    return ok;
}

void X11GlobalHotkeys::UngrabAllVariants(const Grab& grab)
{
    for (uint16_t lock : LockVariants())
        xcb_ungrab_key(connection_, grab.keycode, root_, uint16_t(grab.modifiers | lock));
    // Let go now: a round trip, so that another program may take the key at once.
    std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
}

bool X11GlobalHotkeys::Register(int32_t id, int32_t modifiers, int32_t virtualKey)
{
    Unregister(id);
    Grab grab;
    if (!connection_ || !FindGrab(modifiers, virtualKey, grab))
        return false;
    if (!locksKnown_) {
        // Asked of the server at the first registration, not when the program starts.
        numLock_ = ModifierOfKeysym(kNumLockKeysym);
        scrollLock_ = ModifierOfKeysym(kScrollLockKeysym);
        locksKnown_ = true;
    }
    // Two ids on one combination would grab it twice; the second is refused as X would.
    for (const auto& [other, g] : grabs_)
        if (g.keycode == grab.keycode && g.modifiers == grab.modifiers)
            return false;
    if (!GrabAllVariants(grab))
        return false;
    grabs_[id] = grab;
    return true;
}

void X11GlobalHotkeys::Unregister(int32_t id)
{
    const auto it = grabs_.find(id);
    if (it == grabs_.end())
        return;
    UngrabAllVariants(it->second);
    grabs_.erase(it);
}

bool X11GlobalHotkeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    auto* event = static_cast<xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS)
        return false;
    auto* key = reinterpret_cast<xcb_key_press_event_t*>(event);
    if (key->event != root_)
        return false;
    const uint16_t locks = uint16_t(XCB_MOD_MASK_LOCK | numLock_ | scrollLock_);
    const uint16_t held = uint16_t(key->state & ~locks & 0xff);
    for (const auto& [id, grab] : grabs_) {
        if (grab.keycode == key->detail && grab.modifiers == held) {
            Pressed(id);
            return true;
        }
    }
    return false;
}
