#pragma once
// The door into the engine library: the program loads it at the first fetch (so the engine
// never costs anything at start-up) and finds this one function by name.
#include <QString>

class PageFetcher;

// What the engine needs before its first page.
struct EngineOptions {
    // Folder for the engine's persistent profile and cache; empty keeps nothing on disk.
    QString storagePath;
};

// Set before the engine starts: the engine's own flags, and its sandbox off when the
// program runs as root (Chromium refuses to start a sandbox then). True when the sandbox
// was turned off, so that a command line can say so.
bool PrepareEngineEnvironment();

// The name the loader looks up.
inline constexpr const char* kCreatePageFetcherSymbol = "textreader_create_page_fetcher";
using CreatePageFetcherFunction = PageFetcher* (*)(const EngineOptions*);

extern "C" PageFetcher* textreader_create_page_fetcher(const EngineOptions* options);
