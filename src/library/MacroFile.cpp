#include "library/MacroFile.h"

#include "core/Codec.h"
#include "core/FileStore.h"

namespace {

// A list of URLs is small; a file past this is not a macro file.
constexpr qint64 kMaxMacroBytes = qint64(16) << 20;

bool IsLineEnd(QChar c) { return c == u'\r' || c == u'\n'; }
bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }

class FieldReader {
public:
    explicit FieldReader(QStringView text) : text_(text) {}

    std::vector<MacroField> All()
    {
        std::vector<MacroField> fields;
        bool afterComma = false;
        while (true) {
            SkipBlanks();
            if (at_ >= text_.size())
                break;
            if (IsLineEnd(text_[at_])) {
                // A line ending right after a comma ends an empty field; blank lines hold none.
                if (afterComma)
                    fields.push_back({QString(), line_});
                afterComma = false;
                TakeLineEnd();
                continue;
            }
            const int line = line_;
            QString field = text_[at_] == u'"' ? Quoted() : Unquoted();
            fields.push_back({std::move(field), line});
            afterComma = TakeDelimiter();
        }
        return fields;
    }

private:
    void SkipBlanks()
    {
        while (at_ < text_.size() && IsBlank(text_[at_]))
            ++at_;
    }

    void TakeLineEnd()
    {
        if (text_[at_] == u'\r' && at_ + 1 < text_.size() && text_[at_ + 1] == u'\n')
            ++at_;
        ++at_;
        ++line_;
    }

    // Up to the closing quote; without one, the rest of the line.
    QString Quoted()
    {
        const qsizetype start = ++at_;
        while (at_ < text_.size() && text_[at_] != u'"' && !IsLineEnd(text_[at_]))
            ++at_;
        QString field = text_.mid(start, at_ - start).toString();
        if (at_ < text_.size() && text_[at_] == u'"')
            ++at_;
        // Whatever stands between the closing quote and the delimiter is dropped.
        while (at_ < text_.size() && text_[at_] != u',' && !IsLineEnd(text_[at_]))
            ++at_;
        return field;
    }

    QString Unquoted()
    {
        const qsizetype start = at_;
        while (at_ < text_.size() && text_[at_] != u',' && !IsLineEnd(text_[at_]))
            ++at_;
        return text_.mid(start, at_ - start).trimmed().toString();
    }

    // After a field: a comma (true) or a line end or the end of the text (false).
    bool TakeDelimiter()
    {
        if (at_ >= text_.size())
            return false;
        if (text_[at_] == u',') {
            ++at_;
            return true;
        }
        TakeLineEnd();
        return false;
    }

    QStringView text_;
    qsizetype at_ = 0;
    int line_ = 1;
};

} // namespace

std::vector<MacroField> ReadMacroFields(QStringView text) { return FieldReader(text).All(); }

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
