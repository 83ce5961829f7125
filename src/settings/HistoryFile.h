#pragma once
// rireki.dat in the data folder: the page history as 61 records for slots 0..60, no header.
// A record is PageUrl, PageStartList, CurrentText, PageHtml (text fields), ReadPosition
// (32-bit little-endian), PageRequestUrl, PageTitle (text fields). A text field is a 16-bit
// little-endian byte count n <= 0xFFFD and n bytes of code page 932; longer texts take
// 0xFFFF, a 32-bit length and the 932 bytes; texts 932 cannot hold take 0xFFFE, a 32-bit
// length and UTF-8 bytes. An empty record is 16 zero bytes.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>

#include "core/FileProblems.h"
#include "core/ProgramPaths.h"
#include "state/PageHistory.h"

struct HistoryRecord {
    QString PageUrl;
    QString PageStartList;
    QString CurrentText;
    QString PageHtml;
    int32_t ReadPosition = 0;
    QString PageRequestUrl;
    QString PageTitle;
};

// The largest rireki.dat the reader takes.
inline constexpr qint64 kMaxHistoryBytes = qint64(1) << 30;

// The file's bytes: only the unbroken run of occupied slots around slot 30 is kept, the
// rest written as empty records (an empty slot 30 empties them all); slots farthest from 30
// are left out too where the file would outgrow maxBytes.
QByteArray EncodeHistory(const PageHistory& history, qint64 maxBytes = kMaxHistoryBytes);
// Every slot overwritten: records the bytes hold whole are loaded, the rest left empty.
void DecodeHistory(QByteArrayView bytes, PageHistory& history);

// True when the new file is in place; on failure the old file is untouched.
bool SaveHistory(const ProgramPaths& paths, const PageHistory& history);
// A missing, short or unreadable file gives empty slots; never fails.
void LoadHistory(const ProgramPaths& paths, PageHistory& history);

// The same, telling what went wrong: a file that did not read whole (cut, damaged, above
// the cap) is moved to rireki.dat.bad, so the next save does not replace it unseen.
std::optional<FileProblem> LoadHistoryChecked(const ProgramPaths& paths, PageHistory& history);
std::optional<FileProblem> SaveHistoryChecked(const ProgramPaths& paths, const PageHistory& history);
