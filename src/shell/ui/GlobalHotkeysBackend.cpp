#include "shell/ui/GlobalHotkeysBackend.h"

#include <QGuiApplication>

#include "shell/ui/NullGlobalHotkeys.h"
#include "shell/ui/x11/X11GlobalHotkeys.h"

std::unique_ptr<GlobalHotkeys> CreatePlatformHotkeys()
{
    if (QGuiApplication::platformName() == u"xcb") {
        auto x11 = std::make_unique<X11GlobalHotkeys>();
        if (x11->Available())
            return x11;
    }
    return std::make_unique<NullGlobalHotkeys>();
}
