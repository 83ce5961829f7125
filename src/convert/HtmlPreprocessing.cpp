#include "convert/HtmlPreprocessing.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "convert/ConversionProgress.h"
#include "convert/HtmlAsciiMatch.h"

namespace {

// Text of a preformatted element: CR LF -> "<BR>", blank -> "&nbsp;".
void AppendPreformattedRun(std::u16string_view run, std::u16string& out)
{
    Pos copied = 0;
    const Pos size = text::Size(run);
    for (Pos i = 0; i < size; ++i) {
        const char16_t c = run[size_t(i)];
        const bool lineBreak = c == u'\r' && i + 1 < size && run[size_t(i + 1)] == u'\n';
        if (!lineBreak && c != u' ')
            continue;
        out.append(text::Mid(run, copied, i - copied));
        out.append(lineBreak ? std::u16string_view(u"<BR>") : std::u16string_view(u"&nbsp;"));
        i += lineBreak ? 1 : 0;
        copied = i + 1;
    }
    out.append(text::Mid(run, copied));
}

// How many characters AppendPreformattedRun adds to the run.
Pos PreformattedRunGrowth(std::u16string_view run)
{
    Pos growth = 0;
    const Pos size = text::Size(run);
    for (Pos i = 0; i < size; ++i) {
        const char16_t c = run[size_t(i)];
        if (c == u'\r' && i + 1 < size && run[size_t(i + 1)] == u'\n') {
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
void ForEachPreformattedPiece(std::u16string_view content, OnText onText, OnTag onTag)
{
    Pos at = 0;
    while (at < text::Size(content)) {
        const Pos open = text::Find(content, u'<', at);
        const Pos close = open < 0 ? -1 : text::Find(content, u'>', open + 1);
        if (close < 0) {
            onText(text::Mid(content, at));
            return;
        }
        onText(text::Mid(content, at, open - at));
        onTag(text::Mid(content, open, close + 1 - open));
        at = close + 1;
    }
}

void AppendPreformattedContent(std::u16string_view content, std::u16string& out)
{
    ForEachPreformattedPiece(
        content, [&](std::u16string_view run) { AppendPreformattedRun(run, out); },
        [&](std::u16string_view tag) { out.append(tag); });
}

Pos PreformattedContentGrowth(std::u16string_view content)
{
    Pos growth = 0;
    ForEachPreformattedPiece(
        content, [&](std::u16string_view run) { growth += PreformattedRunGrowth(run); }, [](std::u16string_view) {});
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
    Pos start = -1;
    Pos contentStart = 0;
    Pos contentEnd = 0;
    Pos after = 0;
};

ElementSpan FindElement(std::u16string_view t, Pos from, std::u16string_view name)
{
    const Pos start = html::FindStartTag(t, from, name);
    if (start < 0)
        return {};
    const Pos close = text::Find(t, u'>', start + 1);
    if (close < 0)
        return {};
    const Pos end = html::FindEndTag(t, close + 1, name);
    if (end < 0)
        return {start, close + 1, text::Size(t), text::Size(t)};
    return {start, close + 1, end, end + html::EndTagLength(name)};
}

// Moves [from, to) of data down to *w and advances *w past it.
void MoveDown(char16_t* data, Pos from, Pos to, Pos& w)
{
    if (w != from)
        std::memmove(data + w, data + from, size_t(to - from) * sizeof(char16_t));
    w += to - from;
}

// A kept content once the tags around it are gone: where it stands and how long it is.
struct KeptContent {
    Pos start;
    Pos size;
};

// The text is `size` characters long with the contents at `kept`; each content becomes its
// rewritten form, which is `growth` characters more in all. Working from the last content to
// the first, every write lands behind what is still to be read.
void WidenKeptContents(std::u16string& work, Pos size, Pos growth, const std::vector<KeptContent>& kept)
{
    work.resize(size_t(size + growth));
    char16_t* const data = work.data();
    Pos r = size;         // the text from r on is in its final place
    Pos w = size + growth;
    std::u16string rewritten;
    for (auto it = kept.rbegin(); it != kept.rend(); ++it) {
        const Pos end = it->start + it->size;
        std::memmove(data + w - (r - end), data + end, size_t(r - end) * sizeof(char16_t));
        w -= r - end;
        rewritten.clear();
        AppendPreformattedContent(std::u16string_view(data + it->start, it->size), rewritten);
        w -= text::Size(rewritten);
        std::copy(rewritten.cbegin(), rewritten.cend(), data + w);
        r = it->start;
    }
}

// Replaces every element of the name by its rewritten content, in place, so a large page is
// never held twice: first the start and end tags are taken out, moving the text down (each
// element is found in the text not yet moved), then the contents are widened from the back,
// where the room they need lies. The text is taken over for the whole pass, so events run
// in between cannot pull it away.
void RewriteElements(std::u16string& text, std::u16string_view name, ConversionPacer* pacer)
{
    std::u16string work = std::exchange(text, std::u16string());
    ElementSpan element = FindElement(work, 0, name);
    if (element.start < 0) {
        text = std::move(work); // nothing to rewrite: the text stays as it is
        return;
    }
    char16_t* data = work.data();
    std::vector<KeptContent> kept;
    Pos growth = 0;
    Pos w = element.start;
    Pos copied = element.start;
    for (; element.start >= 0; element = FindElement(work, copied, name)) {
        MoveDown(data, copied, element.start, w);
        const Pos size = element.contentEnd - element.contentStart;
        growth += PreformattedContentGrowth(std::u16string_view(data + element.contentStart, size));
        kept.push_back({w, size});
        MoveDown(data, element.contentStart, element.contentEnd, w);
        copied = element.after;
        LetEventsRun(pacer);
    }
    MoveDown(data, copied, text::Size(work), w);
    WidenKeptContents(work, w, growth, kept);
    text = std::move(work);
}

// Deletes every element of the name by moving what follows it down, in the text taken over.
void DeleteElements(std::u16string& text, std::u16string_view name, ConversionPacer* pacer)
{
    std::u16string work = std::exchange(text, std::u16string());
    ElementSpan element = FindElement(work, 0, name);
    if (element.start >= 0) {
        char16_t* const data = work.data();
        Pos kept = element.start; // text before it stays where it is
        while (element.start >= 0) {
            // Found before the move below, which only writes under next.start.
            const ElementSpan next = FindElement(work, element.after, name);
            const Pos stop = next.start < 0 ? text::Size(work) : next.start;
            std::memmove(data + kept, data + element.after, size_t(stop - element.after) * sizeof(char16_t));
            kept += stop - element.after;
            element = next;
            LetEventsRun(pacer);
        }
        work.resize(size_t(kept));
    }
    text = std::move(work);
}

} // namespace

bool KeepPreformatted(std::u16string& text, std::u16string_view tagName, ConversionPacer* pacer)
{
    RewriteElements(text, html::AsciiLowered(tagName), pacer);
    return true;
}

bool RemoveElement(std::u16string& text, std::u16string_view tagName, ConversionPacer* pacer)
{
    DeleteElements(text, html::AsciiLowered(tagName), pacer);
    return true;
}

void DeleteSourceBreaks(std::u16string& text)
{
    char16_t* const begin = text.data();
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
    text.resize(size_t(w - begin));
}

void PrependInPlace(std::u16string& text, std::u16string_view prefix)
{
    const size_t old = text.size();
    text.resize(old + prefix.size()); // grows at the end, where the allocator can extend in place
    char16_t* const data = text.data();
    std::memmove(data + prefix.size(), data, size_t(old) * sizeof(char16_t));
    std::copy(prefix.begin(), prefix.end(), data);
}
