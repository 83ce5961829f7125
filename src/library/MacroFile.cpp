#include "library/MacroFile.h"

#include "core/Codec.h"
#include "core/FileStore.h"
#include "core/ListFields.h"

namespace {

// A list of URLs is small; a file past this is not a macro file.
constexpr qint64 kMaxMacroBytes = qint64(16) << 20;

} // namespace

std::vector<MacroField> ReadMacroFields(QStringView text)
{
    std::vector<MacroField> fields;
    ListFieldReader reader(text);
    while (std::optional<ListField> field = reader.Next())
        fields.push_back({std::move(field->text), field->line});
    return fields;
}

std::vector<MacroEntry> ReadMacroEntries(QStringView text)
{
    const std::vector<MacroField> fields = ReadMacroFields(text);
    std::vector<MacroEntry> entries;
    for (size_t i = 0; i < fields.size(); i += 2)
        entries.push_back({fields[i].text, i + 1 < fields.size() ? fields[i + 1].text : QString(), fields[i].line});
    return entries;
}

std::vector<MacroEntry> ReadMacroEntries(QByteArrayView fileBytes)
{
    return ReadMacroEntries(codec::DecodeTextFile(fileBytes));
}

QString MacroFilePath(const ProgramPaths& paths) { return paths.dataFile(QStringLiteral("macro.csv")); }

std::optional<std::vector<MacroEntry>> ReadMacroFile(const QString& path)
{
    const std::optional<QByteArray> bytes = filestore::ReadWholeFile(path, kMaxMacroBytes);
    if (!bytes)
        return std::nullopt;
    return ReadMacroEntries(QByteArrayView(*bytes));
}
