#include "web/PageFetcherLoader.h"

#include <QCoreApplication>
#include <QLibrary>

#include "web/engine/EngineEntry.h"

LoadedFetcher LoadPageFetcher(const QString& storagePath)
{
    // The library stays loaded for the rest of the run: the engine cannot be unloaded.
    static QLibrary library(QCoreApplication::applicationDirPath() + QStringLiteral("/textreader-webengine"));
    LoadedFetcher loaded;
    const auto create = reinterpret_cast<CreatePageFetcherFunction>(library.resolve(kCreatePageFetcherSymbol));
    if (!create) {
        loaded.error = QStringLiteral("ブラウザー部品（textreader-webengine）を読み込めません: %1").arg(library.errorString());
        return loaded;
    }
    const EngineOptions options{storagePath};
    loaded.fetcher.reset(create(&options));
    return loaded;
}
