#pragma once
// System-wide key combinations: pressed anywhere on the desktop, they reach the program by
// id even when another program has the focus. One backend per platform (X11 grabs today),
// and a null one where no grab is possible or wanted ("/DEBUG", Wayland). The viewer's
// start-up registers the 17 slots of the hotkey table, the hotkey dialog takes them off
// while it edits and puts them back, the unload takes them off for good.
#include <cstdint>
#include <functional>

class GlobalHotkeys {
public:
    // Modifier bits of a combination, as the hotkey table stores them.
    enum Modifier : int32_t { ModAlt = 1, ModControl = 2, ModShift = 4, ModWin = 8 };

    virtual ~GlobalHotkeys() = default;

    // False when this backend can grab nothing at all (the null backend).
    virtual bool Available() const = 0;
    // Registers id for the combination of the modifier mask and the virtual-key code.
    // False when it could not be registered: an empty slot, a key with no equivalent
    // here, or a combination that another program holds. The caller tells the user.
    virtual bool Register(int32_t id, int32_t modifiers, int32_t virtualKey) = 0;
    virtual void Unregister(int32_t id) = 0;
    // True while id is registered (and so can arrive).
    virtual bool Registered(int32_t /*id*/) const { return false; }

    // Called with the id of a registered combination each time it is pressed.
    void SetHandler(std::function<void(int32_t id)> handler) { handler_ = std::move(handler); }

protected:
    void Pressed(int32_t id)
    {
        if (handler_)
            handler_(id);
    }

private:
    std::function<void(int32_t id)> handler_;
};
