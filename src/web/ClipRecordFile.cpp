#include "web/ClipRecordFile.h"

#include <QStringList>
#include <cmath>
#include <optional>

#include "core/Codec.h"
#include "core/Notation.h"

namespace {

QString Quoted(const QString& text) { return u'"' + text + u'"'; }

// The fields of the delimited form. The file holds one field per line, so a quoted field
// runs to the first quote that ends a line: quotes and commas inside a title survive, and
// so does a line break. An unquoted field runs to the next comma or line end.
QStringList SplitFields(const QString& text, int maxFields)
{
    QStringList fields;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto atLineEnd = [&](qsizetype j) {
        while (j < n && (text[j] == u' ' || text[j] == u'\t'))
            ++j;
        return j >= n || text[j] == u'\r' || text[j] == u'\n';
    };
    while (i < n && fields.size() < maxFields) {
        while (i < n && (text[i] == u' ' || text[i] == u'\t'))
            ++i;
        qsizetype end = i;
        QString field;
        if (i < n && text[i] == u'"') {
            qsizetype close = i + 1;
            while (close < n && !(text[close] == u'"' && atLineEnd(close + 1)))
                ++close;
            field = text.mid(i + 1, close - i - 1);
            end = close + 1;
        } else {
            while (end < n && text[end] != u',' && text[end] != u'\r' && text[end] != u'\n')
                ++end;
            field = text.mid(i, end - i).trimmed();
        }
        while (end < n && text[end] != u',' && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        if (end < n && text[end] == u'\r' && end + 1 < n && text[end + 1] == u'\n')
            ++end;
        i = end + 1;
        fields.append(field);
    }
    return fields;
}

std::optional<double> NumberField(const QString& field)
{
    bool ok = false;
    const double value = field.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<bool> BooleanField(const QString& field)
{
    if (field == u"#TRUE#")
        return true;
    if (field == u"#FALSE#")
        return false;
    if (std::optional<double> number = NumberField(field))
        return *number != 0;
    return std::nullopt;
}

} // namespace

QByteArray WriteClipRecord(const PageRecord& page, const ViewerState& viewer)
{
    const QString lines[] = {
        Quoted(page.PageUrl),
        Quoted(page.PageBaseUrl),
        notation::NumberText(page.PageTextLength),
        page.PageLoaded ? QStringLiteral("#TRUE#") : QStringLiteral("#FALSE#"),
        Quoted(page.PageRequestUrl),
        Quoted(page.PageTitle),
        Quoted(viewer.PageStartList),
        QString::number(viewer.ReadPosition),
    };
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return codec::EncodeTextFile(text);
}

void ReadClipRecord(const QString& text, PageRecord& page, ViewerState& viewer, bool restoreViewerPosition)
{
    const QStringList f = SplitFields(text, 8);
    auto field = [&](int i) -> const QString* { return i < f.size() ? &f[i] : nullptr; };
    if (const QString* s = field(0)) page.PageUrl = *s;
    if (const QString* s = field(1)) page.PageBaseUrl = *s;
    if (const QString* s = field(2))
        if (std::optional<double> v = NumberField(*s)) page.PageTextLength = *v;
    if (const QString* s = field(3))
        if (std::optional<bool> v = BooleanField(*s)) page.PageLoaded = *v;
    if (const QString* s = field(4)) page.PageRequestUrl = *s;
    if (const QString* s = field(5)) page.PageTitle = *s;
    if (!restoreViewerPosition)
        return;
    if (const QString* s = field(6)) viewer.PageStartList = *s;
    if (const QString* s = field(7))
        if (std::optional<double> v = NumberField(*s)) viewer.ReadPosition = notation::ToInt32(*v);
}
