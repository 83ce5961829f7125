#pragma once
// macro.csv: the URL macro's list, "URL","タイトル" per line. Fields are quoted (quotes
// removed, commas inside kept) or unquoted (up to the next comma or line end, surrounding
// blanks dropped); the fields pair up two by two wherever the lines break, so a line with
// one field takes its title from the next line. Code page 932, or UTF-8 with or without BOM.
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

#include "core/ProgramPaths.h"

struct MacroEntry {
    QString url;
    QString title;
    int line = 0; // 1-based line of the URL field
};

// Every field of the text with the line it starts on.
struct MacroField {
    QString text;
    int line = 0;
};
std::vector<MacroField> ReadMacroFields(QStringView text);
// The fields paired; an odd last field gets an empty title.
std::vector<MacroEntry> ReadMacroEntries(QStringView text);
std::vector<MacroEntry> ReadMacroEntries(QByteArrayView fileBytes);

// Save/macro.csv.
QString MacroFilePath(const ProgramPaths& paths);
// The entries of a macro file; nothing when it cannot be read.
std::optional<std::vector<MacroEntry>> ReadMacroFile(const QString& path);
