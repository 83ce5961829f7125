#include "core/ListFields.h"

#include <utility>

namespace {

bool IsLineEnd(QChar c) { return c == u'\r' || c == u'\n'; }
bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }

} // namespace

std::optional<ListField> ListFieldReader::Next()
{
    while (true) {
        SkipBlanks();
        if (at_ >= text_.size())
            return std::nullopt;
        if (IsLineEnd(text_[at_])) {
            const ListField empty{QString(), false, line_};
            const bool endsAField = std::exchange(afterComma_, false);
            TakeLineEnd();
            if (endsAField)
                return empty;
            continue;
        }
        ListField field;
        field.line = line_;
        field.quoted = text_[at_] == u'"';
        field.text = field.quoted ? Quoted() : Unquoted();
        afterComma_ = TakeDelimiter();
        return field;
    }
}

void ListFieldReader::SkipBlanks()
{
    while (at_ < text_.size() && IsBlank(text_[at_]))
        ++at_;
}

void ListFieldReader::TakeLineEnd()
{
    if (text_[at_] == u'\r' && at_ + 1 < text_.size() && text_[at_ + 1] == u'\n')
        ++at_;
    ++at_;
    ++line_;
}

// Up to the closing quote; without one, the rest of the line.
QString ListFieldReader::Quoted()
{
    const qsizetype start = ++at_;
    while (at_ < text_.size() && text_[at_] != u'"' && !IsLineEnd(text_[at_]))
        ++at_;
    QString field = text_.sliced(start, at_ - start).toString();
    if (at_ < text_.size() && text_[at_] == u'"')
        ++at_;
    while (at_ < text_.size() && text_[at_] != u',' && !IsLineEnd(text_[at_]))
        ++at_;
    return field;
}

QString ListFieldReader::Unquoted()
{
    const qsizetype start = at_;
    while (at_ < text_.size() && text_[at_] != u',' && !IsLineEnd(text_[at_]))
        ++at_;
    return text_.sliced(start, at_ - start).trimmed().toString();
}

// After a field: a comma (true) or a line end or the end of the text (false).
bool ListFieldReader::TakeDelimiter()
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
