#include "web/HtmlPreprocessing.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "web/ConversionProgress.h"
#include "web/HtmlAsciiMatch.h"

namespace {

// Text of a preformatted element: CR LF -> "<BR>", blank -> "&nbsp;".
void AppendPreformattedRun(QStringView run, QString& out)
{
    qsizetype copied = 0;
    for (qsizetype i = 0; i < run.size(); ++i) {
        const char16_t c = run[i].unicode();
        const bool lineBreak = c == u'\r' && i + 1 < run.size() && run[i + 1] == u'\n';
        if (!lineBreak && c != u' ')
            continue;
        out.append(run.sliced(copied, i - copied));
        out.append(lineBreak ? QStringView(u"<BR>") : QStringView(u"&nbsp;"));
        i += lineBreak ? 1 : 0;
        copied = i + 1;
    }
    out.append(run.sliced(copied));
}

// How many characters AppendPreformattedRun adds to the run.
qsizetype PreformattedRunGrowth(QStringView run)
{
    qsizetype growth = 0;
    for (qsizetype i = 0; i < run.size(); ++i) {
        const char16_t c = run[i].unicode();
        if (c == u'\r' && i + 1 < run.size() && run[i + 1] == u'\n') {
            growth += 2;
            ++i;
        } else if (c == u' ') {
            growth += 5;
        }
    }
    return growth;
}

// Tags nested in the content stay as they are; a "<" that no ">" closes is text. Calls
// onText for each stretch of text and onTag for each tag, in order.
template <typename OnText, typename OnTag>
void ForEachPreformattedPiece(QStringView content, OnText onText, OnTag onTag)
{
    qsizetype at = 0;
    while (at < content.size()) {
        const qsizetype open = content.indexOf(u'<', at);
        const qsizetype close = open < 0 ? -1 : content.indexOf(u'>', open + 1);
        if (close < 0) {
            onText(content.sliced(at));
            return;
        }
        onText(content.sliced(at, open - at));
        onTag(content.sliced(open, close + 1 - open));
        at = close + 1;
    }
}

void AppendPreformattedContent(QStringView content, QString& out)
{
    ForEachPreformattedPiece(
        content, [&](QStringView run) { AppendPreformattedRun(run, out); },
        [&](QStringView tag) { out.append(tag); });
}

qsizetype PreformattedContentGrowth(QStringView content)
{
    qsizetype growth = 0;
    ForEachPreformattedPiece(
        content, [&](QStringView run) { growth += PreformattedRunGrowth(run); }, [](QStringView) {});
    return growth;
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

// Moves [from, to) of data down to *w and advances *w past it.
void MoveDown(QChar* data, qsizetype from, qsizetype to, qsizetype& w)
{
    if (w != from)
        std::memmove(data + w, data + from, size_t(to - from) * sizeof(QChar));
    w += to - from;
}

// A kept content once the tags around it are gone: where it stands and how long it is.
struct KeptContent {
    qsizetype start;
    qsizetype size;
};

// The text is `size` characters long with the contents at `kept`; each content becomes its
// rewritten form, which is `growth` characters more in all. Working from the last content to
// the first, every write lands behind what is still to be read.
void WidenKeptContents(QString& work, qsizetype size, qsizetype growth, const std::vector<KeptContent>& kept)
{
    work.resize(size + growth);
    QChar* const data = work.data();
    qsizetype r = size;         // the text from r on is in its final place
    qsizetype w = size + growth;
    QString rewritten;
    for (auto it = kept.rbegin(); it != kept.rend(); ++it) {
        const qsizetype end = it->start + it->size;
        std::memmove(data + w - (r - end), data + end, size_t(r - end) * sizeof(QChar));
        w -= r - end;
        rewritten.resize(0);
        AppendPreformattedContent(QStringView(data + it->start, it->size), rewritten);
        w -= rewritten.size();
        std::copy(rewritten.cbegin(), rewritten.cend(), data + w);
        r = it->start;
    }
}

// Replaces every element of the name by its rewritten content, in place, so a large page is
// never held twice: first the start and end tags are taken out, moving the text down (each
// element is found in the text not yet moved), then the contents are widened from the back,
// where the room they need lies. The text is taken over for the whole pass, so events run
// in between cannot pull it away.
void RewriteElements(QString& text, QStringView name, ConversionPacer* pacer)
{
    QString work = std::exchange(text, QString());
    ElementSpan element = FindElement(work, 0, name);
    if (element.start < 0) {
        text = std::move(work); // nothing to rewrite: the text stays as it is
        return;
    }
    QChar* data = work.data();
    std::vector<KeptContent> kept;
    qsizetype growth = 0;
    qsizetype w = element.start;
    qsizetype copied = element.start;
    for (; element.start >= 0; element = FindElement(work, copied, name)) {
        MoveDown(data, copied, element.start, w);
        const qsizetype size = element.contentEnd - element.contentStart;
        growth += PreformattedContentGrowth(QStringView(data + element.contentStart, size));
        kept.push_back({w, size});
        MoveDown(data, element.contentStart, element.contentEnd, w);
        copied = element.after;
        LetEventsRun(pacer);
    }
    MoveDown(data, copied, work.size(), w);
    WidenKeptContents(work, w, growth, kept);
    text = std::move(work);
}

// Deletes every element of the name by moving what follows it down, in the text taken over.
void DeleteElements(QString& text, QStringView name, ConversionPacer* pacer)
{
    QString work = std::exchange(text, QString());
    ElementSpan element = FindElement(work, 0, name);
    if (element.start >= 0) {
        char16_t* const data = reinterpret_cast<char16_t*>(work.data());
        qsizetype kept = element.start; // text before it stays where it is
        while (element.start >= 0) {
            // Found before the move below, which only writes under next.start.
            const ElementSpan next = FindElement(work, element.after, name);
            const qsizetype stop = next.start < 0 ? work.size() : next.start;
            std::memmove(data + kept, data + element.after, size_t(stop - element.after) * sizeof(char16_t));
            kept += stop - element.after;
            element = next;
            LetEventsRun(pacer);
        }
        work.truncate(kept);
    }
    text = std::move(work);
}

} // namespace

bool KeepPreformatted(QString& text, QStringView tagName, ConversionPacer* pacer)
{
    RewriteElements(text, html::AsciiLowered(tagName), pacer);
    return true;
}

bool RemoveElement(QString& text, QStringView tagName, ConversionPacer* pacer)
{
    DeleteElements(text, html::AsciiLowered(tagName), pacer);
    return true;
}

void DeleteSourceBreaks(QString& text)
{
    char16_t* const begin = reinterpret_cast<char16_t*>(text.data());
    char16_t* w = begin;
    const char16_t* r = begin;
    const char16_t* const end = begin + text.size();
    while (r < end) {
        // Runs of ordinary characters move in one piece; only control characters and ">"
        // can start a change.
        const char16_t* const run = r;
        while (r < end && *r >= 0x10 && *r != u'>')
            ++r;
        if (w != run)
            std::memmove(w, run, size_t(r - run) * sizeof(char16_t));
        w += r - run;
        if (r >= end)
            break;
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
    text.truncate(w - begin);
}

void PrependInPlace(QString& text, QStringView prefix)
{
    const qsizetype old = text.size();
    text.resize(old + prefix.size()); // grows at the end, where the allocator can extend in place
    char16_t* const data = reinterpret_cast<char16_t*>(text.data());
    std::memmove(data + prefix.size(), data, size_t(old) * sizeof(char16_t));
    std::copy(prefix.utf16(), prefix.utf16() + prefix.size(), data);
}
