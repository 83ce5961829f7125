#pragma once
// Stands in for the desktop's global hotkeys until their backends are wired into the
// application object: it grabs nothing and says so (Available() is false), so the hotkey
// dialog tells the user that no hotkey can be registered rather than marking every slot.
#include "core/GlobalHotkeys.h"

class UnwiredGlobalHotkeys : public GlobalHotkeys {
public:
    bool Available() const override { return false; }
    bool Register(int32_t, int32_t, int32_t) override { return false; }
    void Unregister(int32_t) override {}
};
