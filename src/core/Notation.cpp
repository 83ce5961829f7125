#include "core/Notation.h"

#include <QByteArray>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace notation {
namespace {

bool IsBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n'; }
bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

double Finite(double x)
{
    if (std::isnan(x))
        return 0;
    if (std::isinf(x))
        return x > 0 ? DBL_MAX : -DBL_MAX;
    return x;
}

// "&H1F" / "&O17": the digits after the prefix, blanks skipped, up to the first other character.
double RadixValue(QStringView text, qsizetype i, int radix)
{
    double value = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (IsBlank(c))
            continue;
        int digit = -1;
        if (IsDigit(c))
            digit = c.unicode() - u'0';
        else if (radix == 16 && c.toUpper() >= u'A' && c.toUpper() <= u'F')
            digit = c.toUpper().unicode() - u'A' + 10;
        if (digit < 0 || digit >= radix)
            break;
        value = value * radix + digit;
    }
    return Finite(value);
}

// Collects the characters of the leading decimal number into ASCII, without the blanks.
QByteArray DecimalRun(QStringView text, qsizetype i)
{
    QByteArray run;
    auto skipBlanks = [&] { while (i < text.size() && IsBlank(text[i])) ++i; };
    auto digits = [&] {
        bool any = false;
        for (; i < text.size(); ++i) {
            if (IsBlank(text[i]))
                continue;
            if (!IsDigit(text[i]))
                break;
            run.append(char(text[i].unicode()));
            any = true;
        }
        return any;
    };
    skipBlanks();
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        run.append(char(text[i++].unicode()));
    bool mantissa = digits();
    if (i < text.size() && text[i] == u'.') {
        run.append('.');
        ++i;
        mantissa = digits() || mantissa;
    }
    if (!mantissa)
        return {};
    skipBlanks();
    if (i < text.size() && QStringView(u"EeDd").contains(text[i])) {
        qsizetype j = i + 1;
        QByteArray exponent("e");
        while (j < text.size() && IsBlank(text[j])) ++j;
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-'))
            exponent.append(char(text[j++].unicode()));
        bool any = false;
        for (; j < text.size(); ++j) {
            if (IsBlank(text[j]))
                continue;
            if (!IsDigit(text[j]))
                break;
            exponent.append(char(text[j].unicode()));
            any = true;
        }
        if (any)
            run.append(exponent);
    }
    return run;
}

} // namespace

double Val(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i + 1 < text.size() && text[i] == u'&') {
        const QChar kind = text[i + 1].toUpper();
        if (kind == u'H')
            return RadixValue(text, i + 2, 16);
        if (kind == u'O')
            return RadixValue(text, i + 2, 8);
    }
    const QByteArray run = DecimalRun(text, i);
    if (run.isEmpty())
        return 0;
    return Finite(std::strtod(run.constData(), nullptr));
}

QString Right(const QString& text, qsizetype n)
{
    if (n <= 0)
        return {};
    return n >= text.size() ? text : text.right(n);
}

QString Left(const QString& text, qsizetype n)
{
    if (n <= 0)
        return {};
    return n >= text.size() ? text : text.left(n);
}

QString Mid(const QString& text, qsizetype start, qsizetype n)
{
    if (start < 1 || start > text.size())
        return {};
    return text.mid(start - 1, n < 0 ? -1 : n);
}

qsizetype InStr(qsizetype start, QStringView haystack, QStringView needle, Qt::CaseSensitivity cs)
{
    if (start < 1 || start > haystack.size() + 1)
        return 0;
    if (needle.isEmpty())
        return start;
    const qsizetype at = haystack.indexOf(needle, start - 1, cs);
    return at < 0 ? 0 : at + 1;
}

QString Replace(const QString& text, const QString& what, const QString& with)
{
    if (what.isEmpty())
        return text;
    QString out = text;
    return out.replace(what, with, Qt::CaseSensitive);
}

double Int(double x) { return std::floor(x); }

int64_t RoundHalfEven(double x)
{
    if (std::isnan(x))
        return 0;
    const double r = std::nearbyint(x); // the default rounding mode rounds halves to even
    if (r >= 9.2233720368547758e18)
        return std::numeric_limits<int64_t>::max();
    if (r <= -9.2233720368547758e18)
        return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(r);
}

int32_t ToInt32(double x)
{
    const int64_t r = RoundHalfEven(x);
    if (r > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    if (r < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(r);
}

int16_t ToInt16(double x)
{
    const int64_t r = RoundHalfEven(x);
    if (r > std::numeric_limits<int16_t>::max())
        return std::numeric_limits<int16_t>::max();
    if (r < std::numeric_limits<int16_t>::min())
        return std::numeric_limits<int16_t>::min();
    return static_cast<int16_t>(r);
}

QString NumberText(double x)
{
    x = Finite(x);
    if (x == std::floor(x) && std::fabs(x) < 1e15)
        return QString::number(static_cast<int64_t>(x));
    return QString::number(x, 'g', 15);
}

} // namespace notation
