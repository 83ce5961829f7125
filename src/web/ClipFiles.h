#pragma once
// The current document across restarts: clip.txt (the current text), clip.html (the page
// HTML) and clip.utx (the page record with the viewer's page starts and position), all in
// the data folder; plus the whole-file readers and the plain form of marked text.
#include <QString>

#include "convert/HtmlToMarkedText.h"
#include "core/ProgramPaths.h"
#include "state/ViewerState.h"
#include "state/PageRecord.h"

// The placeholder stored for an empty current text or page HTML.
inline const QString kNoData = QStringView(kNoDataText.data(), qsizetype(kNoDataText.size())).toString();

// Writes clip.html (page.PageHtml) and clip.utx; an empty text argument becomes "no data.".
void SaveClipHtml(const ProgramPaths& paths, QString& text, const PageRecord& page, const ViewerState& viewer);
// Reads clip.html into page.PageHtml and clip.utx into the page record; with an option
// containing "L" also the viewer's PageStartList and ReadPosition. Returns page.PageHtml.
QString LoadClipHtml(const ProgramPaths& paths, const QString& option, PageRecord& page, ViewerState& viewer);

// The first count characters of the file at path (fewer when shorter; empty when unreadable).
QString ReadSavedTextPart(const QString& path, double count);
// The whole file at path as text (empty when unreadable).
QString ReadSaveFile(const QString& path);

// clip.txt <-> viewer.CurrentText; an empty current text is saved (and kept) as "no data.".
void SaveClipText(const ProgramPaths& paths, ViewerState& viewer);
void LoadClipText(const ProgramPaths& paths, ViewerState& viewer);

// The plain form of marked text: markers removed, link and anchor markers shown, URL list cut.
QString ClipboardPlainText(const QString& text);
