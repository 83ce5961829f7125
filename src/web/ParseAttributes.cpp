#include "web/TagAttributes.h"

#include <algorithm>

#include "web/HtmlAsciiMatch.h"

namespace {

// The tag without CR LF pairs, then without tabs (two passes, so a tab between CR and LF
// leaves that pair in place, as deleting them one after the other does).
QString WithoutBreaksAndTabs(QStringView tag)
{
    QString noBreaks;
    noBreaks.reserve(tag.size());
    for (qsizetype i = 0; i < tag.size(); ++i) {
        if (tag[i] == u'\r' && i + 1 < tag.size() && tag[i + 1] == u'\n')
            ++i;
        else
            noBreaks.append(tag[i]);
    }
    noBreaks.remove(u'\t');
    return noBreaks;
}

void Assign(QString& slot, QStringView text)
{
    slot.resize(0);
    slot.append(text);
}

struct ValueSpan {
    qsizetype start = 0;
    qsizetype end = 0;        // one past the value's last character
    qsizetype resume = 0;     // where the search for the next "=" goes on
    bool complete = true;     // false when no end of the value was found
};

ValueSpan FindValue(QStringView tag, qsizetype equals)
{
    const qsizetype start = equals + 1;
    if (start < tag.size() && tag[start] == u'"') {
        const qsizetype after = start + 1;
        for (char16_t stop : {u'"', u' ', u'>'}) {
            const qsizetype end = tag.indexOf(QChar(stop), after);
            if (end >= 0)
                return {after, end, end, true};
        }
        return {after, tag.size(), tag.size(), false};
    }
    const qsizetype blank = tag.indexOf(u' ', start);
    if (blank >= 0)
        return {start, blank, blank, true};
    const qsizetype last = tag.size() - 1; // the value stops before the tag's final ">"
    return {start, qMax(start, last), last, true};
}

} // namespace

const QString* TagAttributes::find(QStringView name) const
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
        names[size_t(slot)].resize(0);
        values[size_t(slot)].resize(0);
    }
    filled = 0;
}

void ParseAttributes(QStringView rawTag, TagAttributes& table)
{
    QString cleaned;
    QStringView tag = rawTag;
    if (std::any_of(rawTag.begin(), rawTag.end(), [](QChar c) { return c == u'\r' || c == u'\t'; })) {
        cleaned = WithoutBreaksAndTabs(rawTag);
        tag = cleaned;
    }
    table.clear();
    qsizetype search = 0;
    while (table.filled < TagAttributes::kLastSlot) {
        const qsizetype equals = html::FindChar(tag, search, u'=');
        if (equals < 0)
            return;
        const qsizetype nameStart = equals > 0 ? tag.lastIndexOf(u' ', equals - 1) + 1 : 0;
        const ValueSpan value = FindValue(tag, equals);
        const size_t slot = size_t(++table.filled);
        Assign(table.names[slot], tag.sliced(nameStart, equals - nameStart));
        Assign(table.values[slot], tag.sliced(value.start, value.end - value.start));
        if (!value.complete)
            return;
        search = qMax(value.resume, equals + 1);
    }
}
