#include "settings/IniDocument.h"

#include "core/Codec.h"

#include <QList>

namespace {

constexpr char kBom[] = "\xEF\xBB\xBF";

bool IsBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\r'; }

QStringView StripBlanks(QStringView t)
{
    qsizetype b = 0;
    qsizetype e = t.size();
    while (b < e && IsBlank(t[b]))
        ++b;
    while (e > b && IsBlank(t[e - 1]))
        --e;
    return t.sliced(b, e - b);
}

bool SameName(QStringView a, QStringView b)
{
    return StripBlanks(a).compare(StripBlanks(b), Qt::CaseInsensitive) == 0;
}

// "[name]" with blanks around; the name runs to the first "]" (or the line end).
std::optional<QStringView> SectionName(QStringView line)
{
    const QStringView t = StripBlanks(line);
    if (!t.startsWith(u'['))
        return std::nullopt;
    QStringView name = t.sliced(1);
    const qsizetype close = name.indexOf(u']');
    if (close >= 0)
        name.truncate(close);
    return StripBlanks(name);
}

// Index of the "=" of a key line; comments and section headers have none.
qsizetype EqualsOf(QStringView line)
{
    const QStringView t = StripBlanks(line);
    if (t.isEmpty() || t.startsWith(u';') || t.startsWith(u'['))
        return -1;
    return line.indexOf(u'=');
}

QString Unquoted(QStringView value)
{
    value = StripBlanks(value);
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
        value = value.sliced(1, value.size() - 2);
    return value.toString();
}

QByteArray LineBreakOf(const QByteArray& raw)
{
    if (raw.endsWith("\r\n"))
        return "\r\n";
    if (raw.endsWith('\n'))
        return "\n";
    return {};
}

std::vector<QByteArray> SplitRawLines(QByteArrayView body)
{
    std::vector<QByteArray> out;
    qsizetype start = 0;
    while (start < body.size()) {
        qsizetype lf = body.indexOf('\n', start);
        const qsizetype end = lf < 0 ? body.size() : lf + 1;
        out.emplace_back(body.sliced(start, end - start).toByteArray());
        start = end;
    }
    return out;
}

QString DecodeLine(QByteArrayView raw, bool utf8)
{
    return utf8 ? QString::fromUtf8(raw) : codec::DecodeCp932(raw);
}

QString WithoutLineBreak(QStringView t)
{
    if (t.endsWith(u'\n'))
        t.chop(1);
    if (t.endsWith(u'\r'))
        t.chop(1);
    return t.toString();
}

} // namespace

IniDocument IniDocument::parse(QByteArrayView bytes)
{
    IniDocument doc;
    doc.utf8_ = codec::HasUtf8Bom(bytes);
    const QByteArrayView body = doc.utf8_ ? bytes.sliced(3) : bytes;
    std::vector<QByteArray> raws = SplitRawLines(body);
    // One decode of the whole file is far cheaper than one per line; it is used when its
    // line breaks line up with the bytes' (a broken double-byte pair could swallow one).
    const QString whole = DecodeLine(body, doc.utf8_);
    const QList<QStringView> pieces = QStringView(whole).split(u'\n');
    const bool aligned = whole.count(u'\n') == body.count('\n');
    doc.lines_.reserve(raws.size());
    for (size_t i = 0; i < raws.size(); ++i) {
        QString text = aligned ? WithoutLineBreak(pieces[qsizetype(i)])
                               : WithoutLineBreak(DecodeLine(raws[i], doc.utf8_));
        doc.lines_.push_back({std::move(raws[i]), std::move(text)});
    }
    return doc;
}

std::optional<IniDocument::SectionSpan> IniDocument::findSection(const QString& section) const
{
    for (size_t i = 0; i < lines_.size(); ++i) {
        const std::optional<QStringView> name = SectionName(lines_[i].text);
        if (!name || !SameName(*name, section))
            continue;
        size_t end = i + 1;
        while (end < lines_.size() && !SectionName(lines_[end].text))
            ++end;
        return SectionSpan{i, end};
    }
    return std::nullopt;
}

std::optional<size_t> IniDocument::findKey(const SectionSpan& span, const QString& key) const
{
    for (size_t i = span.header + 1; i < span.end; ++i) {
        const QStringView text = lines_[i].text;
        const qsizetype eq = EqualsOf(text);
        if (eq >= 0 && SameName(text.first(eq), key))
            return i;
    }
    return std::nullopt;
}

std::optional<QString> IniDocument::find(const QString& section, const QString& key) const
{
    const std::optional<SectionSpan> span = findSection(section);
    if (!span)
        return std::nullopt;
    const std::optional<size_t> at = findKey(*span, key);
    if (!at)
        return std::nullopt;
    const QStringView text = lines_[*at].text;
    return Unquoted(text.sliced(EqualsOf(text) + 1));
}

bool IniDocument::set(const QString& section, const QString& key, const QString& value)
{
    const QStringView k = StripBlanks(key);
    if (k.isEmpty() || k.startsWith(u'[') || k.startsWith(u';') || key.contains(u'=')
        || key.contains(u'\n') || key.contains(u'\r') || section.contains(u']')
        || section.contains(u'\n') || section.contains(u'\r'))
        return false;
    // A line break inside a value would end the line and could forge keys or sections.
    QString safeValue = value;
    for (QChar& c : safeValue)
        if (c == u'\r' || c == u'\n' || c == QChar(0))
            c = u' ';
    const QString line = key + u'=' + safeValue;

    const std::optional<SectionSpan> span = findSection(section);
    if (!span) {
        insertLine(lines_.size(), u'[' + section + u']');
        insertLine(lines_.size(), line);
        return true;
    }
    if (const std::optional<size_t> at = findKey(*span, key)) {
        replaceLine(*at, line);
        return true;
    }
    size_t at = span->end;
    while (at > span->header + 1 && StripBlanks(lines_[at - 1].text).isEmpty())
        --at;
    insertLine(at, line);
    return true;
}

void IniDocument::insertLine(size_t at, const QString& text)
{
    QByteArray raw = encode(text) + "\r\n";
    if (at > 0 && LineBreakOf(lines_[at - 1].raw).isEmpty())
        setRaw(lines_[at - 1], lines_[at - 1].raw + "\r\n");
    lines_.insert(lines_.begin() + qsizetype(at), Line{});
    setRaw(lines_[at], std::move(raw));
}

void IniDocument::replaceLine(size_t at, const QString& text)
{
    QByteArray raw = encode(text);
    Line& line = lines_[at];
    setRaw(line, raw + LineBreakOf(line.raw));
}

void IniDocument::setRaw(Line& line, QByteArray raw)
{
    // The text is what a fresh read of the bytes gives, so that a document changed many
    // times in memory writes the same bytes as one written and read back after each change.
    line.text = WithoutLineBreak(DecodeLine(raw, utf8_));
    line.raw = std::move(raw);
}

QByteArray IniDocument::encode(const QString& text)
{
    if (!utf8_) {
        if (std::optional<QByteArray> cp932 = codec::EncodeCp932(text))
            return *cp932;
        switchToUtf8();
    }
    return text.toUtf8();
}

void IniDocument::switchToUtf8()
{
    utf8_ = true;
    for (Line& line : lines_)
        setRaw(line, line.text.toUtf8() + LineBreakOf(line.raw));
}

QByteArray IniDocument::bytes() const
{
    QByteArray out = utf8_ ? QByteArray(kBom) : QByteArray();
    for (const Line& line : lines_)
        out += line.raw;
    return out;
}
