#include "convert/TagAttributes.h"

#include <algorithm>

#include "convert/HtmlAsciiMatch.h"

namespace {

// The tag without CR LF pairs, then without tabs (two passes, so a tab between CR and LF
// leaves that pair in place, as deleting them one after the other does).
std::u16string WithoutBreaksAndTabs(std::u16string_view tag)
{
    std::u16string noBreaks;
    noBreaks.reserve(tag.size());
    for (size_t i = 0; i < tag.size(); ++i) {
        if (tag[i] == u'\r' && i + 1 < tag.size() && tag[i + 1] == u'\n')
            ++i;
        else
            noBreaks.push_back(tag[i]);
    }
    std::erase(noBreaks, u'\t');
    return noBreaks;
}

struct ValueSpan {
    Pos start = 0;
    Pos end = 0;              // one past the value's last character
    Pos resume = 0;           // where the search for the next "=" goes on
    bool complete = true;     // false when no end of the value was found
};

ValueSpan FindValue(std::u16string_view tag, Pos equals)
{
    const Pos size = text::Size(tag);
    const Pos start = equals + 1;
    if (start < size && tag[size_t(start)] == u'"') {
        const Pos after = start + 1;
        for (char16_t stop : {u'"', u' ', u'>'}) {
            const Pos end = text::Find(tag, stop, after);
            if (end >= 0)
                return {after, end, end, true};
        }
        return {after, size, size, false};
    }
    const Pos blank = text::Find(tag, u' ', start);
    if (blank >= 0)
        return {start, blank, blank, true};
    const Pos last = size - 1; // the value stops before the tag's final ">"
    return {start, std::max(start, last), last, true};
}

} // namespace

const std::u16string* TagAttributes::find(std::u16string_view name) const
{
    for (int slot = 0; slot <= filled; ++slot) {
        if (html::SameNoCase(names[size_t(slot)], name))
            return &values[size_t(slot)];
    }
    return nullptr;
}

void TagAttributes::clear()
{
    for (int slot = 0; slot <= filled; ++slot) {
        names[size_t(slot)].clear();
        values[size_t(slot)].clear();
    }
    filled = 0;
}

void ParseAttributes(std::u16string_view rawTag, TagAttributes& table)
{
    std::u16string cleaned;
    std::u16string_view tag = rawTag;
    if (std::any_of(rawTag.begin(), rawTag.end(), [](char16_t c) { return c == u'\r' || c == u'\t'; })) {
        cleaned = WithoutBreaksAndTabs(rawTag);
        tag = cleaned;
    }
    table.clear();
    Pos search = 0;
    while (table.filled < TagAttributes::kLastSlot) {
        const Pos equals = html::FindChar(tag, search, u'=');
        if (equals < 0)
            return;
        const Pos nameStart = equals > 0 ? text::FindLast(tag, u' ', equals - 1) + 1 : 0;
        const ValueSpan value = FindValue(tag, equals);
        const size_t slot = size_t(++table.filled);
        table.names[slot].assign(text::Mid(tag, nameStart, equals - nameStart));
        table.values[slot].assign(text::Mid(tag, value.start, value.end - value.start));
        if (!value.complete)
            return;
        search = std::max(value.resume, equals + 1);
    }
}
