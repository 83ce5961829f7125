#pragma once
// The converter works on std::u16string; the tests write their texts as QString, which says
// them more plainly, and show failures as UTF-8 with CR and LF spelt out.
#include <QString>
#include <ostream>
#include <string>

inline std::u16string U(const QString& text) { return text.toStdU16String(); }
inline QString Q(std::u16string_view text) { return QStringView(text.data(), qsizetype(text.size())).toString(); }

inline void PrintTo(const QString& text, std::ostream* os)
{
    QString shown = text;
    shown.replace(u'\r', QStringLiteral("\\r")).replace(u'\n', QStringLiteral("\\n"));
    *os << '"' << shown.toStdString() << '"';
}
