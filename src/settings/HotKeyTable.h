#pragma once
// The 17 global hotkeys: action name, modifier mask as the hotkey registration takes it
// (1 Alt, 2 Ctrl, 4 Shift, summed) and Windows virtual-key code. Slot s is registered with
// id 256 + s; only slots 0..4 have actions. Zero and empty until loaded.
#include <QString>
#include <array>
#include <cstdint>

struct HotKeys {
    static constexpr int kSlots = 17;
    static constexpr int kFirstId = 256;
    static constexpr int kModifiers = 0; // column 0 of HotKeyTable
    static constexpr int kKeyCode = 1;   // column 1 of HotKeyTable

    std::array<QString, kSlots> HotKeyName;
    std::array<std::array<int16_t, 2>, kSlots> HotKeyTable{};
};
