#include "web/HtmlPreprocessing.h"

#include "web/ConversionProgress.h"
#include "web/HtmlAsciiMatch.h"

namespace {

// Text of a preformatted element: CR LF -> "<BR>", blank -> "&nbsp;".
void AppendPreformattedRun(QStringView run, QString& out)
{
    for (qsizetype i = 0; i < run.size(); ++i) {
        const QChar c = run[i];
        if (c == u'\r' && i + 1 < run.size() && run[i + 1] == u'\n') {
            out.append(u"<BR>");
            ++i;
        } else if (c == u' ') {
            out.append(u"&nbsp;");
        } else {
            out.append(c);
        }
    }
}

// Tags nested in the content stay as they are; a "<" that no ">" closes is text.
void AppendPreformattedContent(QStringView content, QString& out)
{
    qsizetype at = 0;
    while (at < content.size()) {
        const qsizetype open = content.indexOf(u'<', at);
        const qsizetype close = open < 0 ? -1 : content.indexOf(u'>', open + 1);
        if (close < 0) {
            AppendPreformattedRun(content.sliced(at), out);
            return;
        }
        AppendPreformattedRun(content.sliced(at, open - at), out);
        out.append(content.sliced(open, close + 1 - open));
        at = close + 1;
    }
}

void LetEventsRun(ConversionPacer* pacer)
{
    if (pacer)
        pacer->letEventsRunWhenDue();
}

// One element found by its start tag: where it begins, where its content lies and where the
// text after it goes on (the end of the text when it is not closed).
struct ElementSpan {
    qsizetype start = -1;
    qsizetype contentStart = 0;
    qsizetype contentEnd = 0;
    qsizetype after = 0;
};

ElementSpan FindElement(QStringView text, qsizetype from, QStringView name)
{
    const qsizetype start = html::FindStartTag(text, from, name);
    if (start < 0)
        return {};
    const qsizetype close = text.indexOf(u'>', start + 1);
    if (close < 0)
        return {};
    const qsizetype end = html::FindEndTag(text, close + 1, name);
    if (end < 0)
        return {start, close + 1, text.size(), text.size()};
    return {start, close + 1, end, end + html::EndTagLength(name)};
}

// Rewrites every element of the name with keepContent (nullptr deletes the element). The
// input is held for the whole pass, so events run in between cannot pull it away.
void RewriteElements(QString& text, QStringView tagName, ConversionPacer* pacer,
                     void (*keepContent)(QStringView, QString&))
{
    const QString name = html::AsciiLowered(tagName);
    const QString input = text;
    const QStringView source = input;
    QString out;
    qsizetype copied = 0;
    for (ElementSpan element = FindElement(source, 0, name); element.start >= 0;
         element = FindElement(source, copied, name)) {
        if (out.isNull())
            out.reserve(source.size() + source.size() / 8);
        out.append(source.sliced(copied, element.start - copied));
        if (keepContent)
            keepContent(source.sliced(element.contentStart, element.contentEnd - element.contentStart), out);
        copied = element.after;
        LetEventsRun(pacer);
    }
    if (out.isNull())
        return; // nothing to rewrite: the text stays as it is, not copied
    out.append(source.sliced(copied));
    text = std::move(out);
}

} // namespace

bool KeepPreformatted(QString& text, QStringView tagName, ConversionPacer* pacer)
{
    RewriteElements(text, tagName, pacer, &AppendPreformattedContent);
    return true;
}

bool RemoveElement(QString& text, QStringView tagName, ConversionPacer* pacer)
{
    RewriteElements(text, tagName, pacer, nullptr);
    return true;
}

void AppendWithoutSourceBreaks(QStringView text, QString& out)
{
    const qsizetype base = out.size();
    out.resize(base + text.size());
    char16_t* const begin = reinterpret_cast<char16_t*>(out.data()) + base;
    char16_t* w = begin;
    const char16_t* r = text.utf16();
    const char16_t* const end = r + text.size();
    while (r < end) {
        const char16_t c = *r++;
        if (c == u'\r') {
            if (r < end && *r == u'\n')
                ++r;
            continue;
        }
        if (c == u'\t')
            continue;
        if (c == 0x0F && r < end && *r == 0x14) {
            ++r; // the pair that stood in for CR LF while lone CRs were handled
            continue;
        }
        if (c == u'>' && w - begin >= 3 && w[-3] == u'<' && html::AsciiLower(w[-2]) == u'b'
            && html::AsciiLower(w[-1]) == u'r') {
            w[-3] = u'\r';
            w[-2] = u'\n';
            --w;
            continue;
        }
        *w++ = c;
    }
    out.truncate(base + (w - begin));
}
