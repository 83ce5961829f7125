#pragma once
// Global hotkeys on an X server: each combination is a passive key grab on the root window,
// made once for every on/off state of NumLock, CapsLock and ScrollLock so that a lit lock
// key does not swallow the combination. A grab that another client already holds fails
// with an access error, which Register reports. Key presses arrive through Qt's native
// event filter.
#include <QAbstractNativeEventFilter>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "core/GlobalHotkeys.h"

struct xcb_connection_t;
struct _XCBKeySymbols; // xcb_key_symbols_t

class X11GlobalHotkeys : public GlobalHotkeys, private QAbstractNativeEventFilter {
public:
    // Works on Qt's own connection to the X server; unusable (Available false) without one.
    X11GlobalHotkeys();
    ~X11GlobalHotkeys() override;

    bool Available() const override { return connection_ != nullptr; }
    bool Register(int32_t id, int32_t modifiers, int32_t virtualKey) override;
    void Unregister(int32_t id) override;
    bool Registered(int32_t id) const override { return grabs_.count(id) != 0; }

private:
    struct Grab {
        uint8_t keycode = 0;
        uint16_t modifiers = 0; // X modifier mask, lock keys excluded
    };

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    bool FindGrab(int32_t modifiers, int32_t virtualKey, Grab& grab) const;
    bool GrabAllVariants(const Grab& grab);
    void UngrabAllVariants(const Grab& grab);
    std::vector<uint16_t> LockVariants() const;
    uint16_t ModifierOfKeysym(uint32_t keysym) const;

    xcb_connection_t* connection_ = nullptr;
    uint32_t root_ = 0;
    std::unique_ptr<_XCBKeySymbols, void (*)(_XCBKeySymbols*)> symbols_;
    uint16_t numLock_ = 0;
    uint16_t scrollLock_ = 0;
    bool locksKnown_ = false;
    std::map<int32_t, Grab> grabs_; // by id
};
