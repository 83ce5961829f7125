#pragma once
// Failure messages show texts as UTF-8 with CR and LF spelt out, not as UTF-16 code units.
#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    QString shown = text;
    shown.replace(u'\r', QStringLiteral("\\r")).replace(u'\n', QStringLiteral("\\n"));
    *os << '"' << shown.toStdString() << '"';
}
