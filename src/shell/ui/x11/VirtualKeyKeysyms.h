#pragma once
// The X keysym of a Windows virtual-key code, for every key the key-name table (KeyMap.tbl)
// names. The punctuation codes follow the Japanese keyboard the table was written for
// (186 ":", 187 ";", 192 "@", 222 "^", 226 "_").
#include <cstdint>

// 0 when the code names no key here (an empty slot, a mouse button, an unknown code).
uint32_t VirtualKeyToKeysym(int32_t virtualKey);
