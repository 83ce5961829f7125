#pragma once
// The global hotkeys of the platform the program runs on.
#include <memory>

#include "core/GlobalHotkeys.h"

// X11 grabs on an X server (Qt's xcb platform with a live connection); the null backend on
// Wayland, off screen and everywhere else.
std::unique_ptr<GlobalHotkeys> CreatePlatformHotkeys();
