#pragma once
// The 17 slots of the hotkey table as system-wide hotkeys: slot s is id 256 + s.
#include <QString>
#include <vector>

#include "core/GlobalHotkeys.h"
#include "settings/HotKeyTable.h"

// Registers every slot; returns the slots that hold a key but could not be registered
// (another program holds the combination, or the key does not exist here). Empty slots are
// not failures.
std::vector<int> RegisterHotKeys(GlobalHotkeys& hotkeys, const HotKeys& keys);
void UnregisterHotKeys(GlobalHotkeys& hotkeys);

// What the status line says once at start-up about the hotkeys: that they are off (a debug
// run, no backend here) or which slots failed; empty when all is well.
QString HotKeyStatusMessage(bool hotkeysOn, const HotKeys& keys, const std::vector<int>& failedSlots);
