#pragma once
// Section "HotKey" of Setting.ini: Name<s>, Shift<s> (the modifier mask) and KeyCode<s>
// for every slot s, and the built-in hotkeys for a file that has never held the section.
#include "settings/HotKeyTable.h"
#include "settings/IniStore.h"

// Missing values keep what the table holds; an empty name of slot 0 brings the built-ins.
void LoadHotKeySettings(IniStore& ini, HotKeys& keys);
// All 17 slots, empty names included.
void SaveHotKeySettings(IniStore& ini, const HotKeys& keys);
// Slots 0..4 get their built-in name, modifiers and key; slots 5..16 stay as they are.
void SetDefaultHotKeyNames(HotKeys& keys);
