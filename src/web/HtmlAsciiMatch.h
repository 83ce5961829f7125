#pragma once
// Tag names and entities are ASCII, and pages mix every letter case; these helpers compare
// ASCII letters without case and leave every other character exact, so a matching step never
// depends on the locale or on Unicode case folding.
#include <QString>
#include <QStringView>

namespace html {

constexpr char16_t AsciiLower(char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c; }

// Position of the first c at or after from, -1 when none. Looks at the next few characters
// itself: between tags the next one is usually near, and the library search pays a call
// and a set-up for each look.
inline qsizetype FindChar(QStringView text, qsizetype from, char16_t c)
{
    const char16_t* data = text.utf16();
    const qsizetype nearEnd = qMin(text.size(), from + 24);
    for (qsizetype i = qMax<qsizetype>(from, 0); i < nearEnd; ++i) {
        if (data[i] == c)
            return i;
    }
    return nearEnd < text.size() ? text.indexOf(QChar(c), nearEnd) : -1;
}

// The text with the letters A-Z lowered and nothing else changed.
QString AsciiLowered(QStringView text);

// True when text has lowerWord at pos (lowerWord is written in lower case).
inline bool HasAtNoCase(QStringView text, qsizetype pos, QStringView lowerWord)
{
    if (pos < 0 || text.size() - pos < lowerWord.size())
        return false;
    const char16_t* at = text.utf16() + pos;
    for (qsizetype i = 0; i < lowerWord.size(); ++i) {
        if (AsciiLower(at[i]) != lowerWord.utf16()[i])
            return false;
    }
    return true;
}
inline bool EqualsNoCase(QStringView text, QStringView lowerWord)
{
    return text.size() == lowerWord.size() && HasAtNoCase(text, 0, lowerWord);
}
// Both sides compared without regard to ASCII letter case.
bool SameNoCase(QStringView a, QStringView b);

// Position of the first "<" + name at or after from (the element's start tag, which may go on
// with more letters: "<pre" also finds "<preface"); -1 when there is none.
qsizetype FindStartTag(QStringView text, qsizetype from, QStringView lowerName);
// Position of the first "</" + name + ">" at or after from; -1 when there is none.
qsizetype FindEndTag(QStringView text, qsizetype from, QStringView lowerName);
inline qsizetype EndTagLength(QStringView lowerName) { return lowerName.size() + 3; }

} // namespace html
