#pragma once
// The saved text library: named copies of the current document (the three clip files) in
// Save/Clip/ as <name>.txt, <name>.html and <name>.utx. An entry exists for the list when
// its .txt file does. Every operation that changes files reports whether it worked and, if
// not, why, in a message for the user; a failed operation leaves the library as it was.
#include <QString>
#include <QStringList>

#include "core/ProgramPaths.h"

struct PageRecord;
struct ViewerState;

struct LibraryResult {
    bool ok = true;
    QString message; // why it failed (Japanese, for the user); empty on success

    static LibraryResult Failed(QString why) { return {false, std::move(why)}; }
};

// Save/Clip/ in the data folder, ending in the separator.
QString LibraryFolder(const ProgramPaths& paths);
// The entry names in folder order: every file whose name ends in ".txt" (exact case), less
// the extension. Creates the folder when it is missing.
QStringList FillLibraryList(const ProgramPaths& paths);
bool LibraryEntryExists(const ProgramPaths& paths, const QString& name);

// Copies clip.txt, clip.html and clip.utx, byte for byte, to the entry's files, each
// replaced atomically; a missing clip file gives an empty entry file.
LibraryResult SaveToLibrary(const ProgramPaths& paths, const QString& name);
// The first 600 characters of the entry's text.
QString ReadLibraryPreview(const ProgramPaths& paths, const QString& name);
// Copies the entry's files back over the clip files and makes them the current document:
// the page record, the page-start list and position from clip.utx, the text from clip.txt.
// The caller shows it (the viewer's redisplay-as-first-page command).
LibraryResult LoadFromLibrary(const ProgramPaths& paths, const QString& name, PageRecord& page, ViewerState& viewer);
// Gives the entry's files the new name, all three or none. Refused when the new name is
// unsafe, equal to the old one or already an entry; a file left behind by a deleted entry of
// the new name is replaced.
LibraryResult RenameInLibrary(const ProgramPaths& paths, const QString& oldName, const QString& newName);
// Deletes the entry's .txt file; its .html and .utx stay until an entry of the name is saved.
LibraryResult DeleteFromLibrary(const ProgramPaths& paths, const QString& name);
