#pragma once
// The global hotkeys where none can be had: a "/DEBUG" run, a Wayland session, no X
// server. Nothing registers, so every caller learns that the keys are off.
#include "core/GlobalHotkeys.h"

class NullGlobalHotkeys : public GlobalHotkeys {
public:
    bool Available() const override { return false; }
    bool Register(int32_t, int32_t, int32_t) override { return false; }
    void Unregister(int32_t) override {}
};
