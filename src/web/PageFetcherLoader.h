#pragma once
// Loads the engine library beside the executable at the first fetch and makes its fetcher.
// Until then the program carries nothing of the engine: start-up stays as fast and small as
// without it.
#include <QString>
#include <memory>

#include "web/PageFetcher.h"

struct LoadedFetcher {
    std::unique_ptr<PageFetcher> fetcher; // null when the library could not be loaded
    QString error;                        // why, in Japanese
};

// storagePath: the engine's profile and cache folder; empty keeps nothing on disk.
LoadedFetcher LoadPageFetcher(const QString& storagePath);
