// clip.utx as any bytes: decoding and the field-by-field reader must never crash, hang or
// read out of bounds, and what it reads must write back and read again the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/Codec.h"
#include "web/ClipRecordFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = codec::DecodeTextFile(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    PageRecord page;
    ViewerState viewer;
    ReadClipRecord(text, page, viewer, true);

    // Fields without line breaks or end-of-line quotes come back unchanged after a save.
    PageRecord again;
    ViewerState viewerAgain;
    ReadClipRecord(codec::DecodeTextFile(WriteClipRecord(page, viewer)), again, viewerAgain, true);
    if (viewerAgain.ReadPosition != viewer.ReadPosition || again.PageLoaded != page.PageLoaded)
        std::abort();
    return 0;
}
