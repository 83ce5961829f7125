#pragma once
// The current document across restarts: clip.txt (the current text), clip.html (the page
// HTML) and clip.utx (the page record with the viewer's page starts and position), all in
// the data folder; plus the whole-file readers and the plain form of marked text.
#include <QString>
#include <optional>

#include "convert/HtmlToMarkedText.h"
#include "core/FileProblems.h"
#include "core/ProgramPaths.h"
#include "state/ViewerState.h"
#include "state/PageRecord.h"

// The placeholder stored for an empty current text or page HTML.
inline const QString kNoData = QStringView(kNoDataText.data(), qsizetype(kNoDataText.size())).toString();

// The largest clip.txt, clip.html (and any text read whole) the reader takes, and the
// largest clip.utx.
inline constexpr qint64 kMaxClipTextBytes = qint64(256) << 20;
inline constexpr qint64 kMaxClipRecordBytes = qint64(64) << 20;

// Writes clip.html (page.PageHtml) and clip.utx; an empty text argument becomes "no data.".
// Returns the file that could not be written and why; clip.utx is not written when
// clip.html could not be.
std::optional<FileProblem> SaveClipHtml(const ProgramPaths& paths, QString& text, const PageRecord& page,
                                        const ViewerState& viewer);
// Reads clip.html into page.PageHtml and clip.utx into the page record; with an option
// containing "L" also the viewer's PageStartList and ReadPosition. Returns page.PageHtml.
// Files that could not be used are named in problems.
QString LoadClipHtml(const ProgramPaths& paths, const QString& option, PageRecord& page, ViewerState& viewer,
                     FileProblems* problems = nullptr);

// The first count characters of the file at path (fewer when shorter; empty when unreadable).
QString ReadSavedTextPart(const QString& path, double count);
// The whole file at path as text (empty when unreadable).
QString ReadSaveFile(const QString& path);

// clip.txt <-> viewer.CurrentText; an empty current text is saved (and kept) as "no data.".
// A text the file already holds is not written again. Returns why clip.txt could not be
// written.
std::optional<FileProblem> SaveClipText(const ProgramPaths& paths, ViewerState& viewer);
// Keeps CurrentText when the file is empty or cannot be used; returns what was wrong with it
// (too large, not a regular file, bytes that could not be read: such files are kept as
// clip.txt.bad before anything replaces them).
std::optional<FileProblem> LoadClipText(const ProgramPaths& paths, ViewerState& viewer);

// The plain form of marked text: markers removed, link and anchor markers shown, URL list cut.
QString ClipboardPlainText(const QString& text);
