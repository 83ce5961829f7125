#include "web/engine/EngineEntry.h"

#include <QByteArray>
#include <unistd.h>

#include "web/engine/WebEnginePageFetcher.h"

bool PrepareEngineEnvironment()
{
    // Pages are only read, never shown: no GPU process.
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!flags.contains("--disable-gpu"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", (flags + " --disable-gpu").trimmed());
    if (::geteuid() != 0 || qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        return false;
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    return true;
}

extern "C" PageFetcher* textreader_create_page_fetcher(const EngineOptions* options)
{
    PrepareEngineEnvironment();
    return new WebEnginePageFetcher(options ? *options : EngineOptions{});
}
