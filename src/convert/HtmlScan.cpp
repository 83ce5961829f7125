#include "convert/HtmlScan.h"

#include <cstdint>

#include "convert/ConversionProgress.h"
#include "convert/HtmlAsciiMatch.h"
#include "convert/HtmlTagTable.h"
#include "convert/LinkList.h"
#include "convert/LinkResolution.h"
#include "convert/TagAttributes.h"

namespace {

constexpr int kTagsPerProgressCheck = 15;

// The tag name: up to the first blank, or the whole tag but its final ">".
std::u16string_view TagName(std::u16string_view tag)
{
    const Pos blank = html::FindChar(tag, 0, u' ');
    return text::Mid(tag, 0, blank >= 0 ? blank : text::Size(tag) - 1);
}

std::u16string_view AfterLastSlash(std::u16string_view value)
{
    return text::Mid(value, text::FindLast(value, u'/', text::Size(value) - 1) + 1);
}

class HtmlScanner {
public:
    HtmlScanner(std::u16string_view prepared, ConversionPage& page) : page_(page)
    {
        result_.text.reserve(prepared.size() + prepared.size() / 8);
        result_.urlList.assign(kUrlListHeading);
    }

    void writeText(std::u16string_view text) { out().append(text); }
    void writeTag(std::u16string_view tag);
    HtmlScanResult take() { return std::move(result_); }

private:
    void writeImage();
    void writeLink(const std::u16string* target);
    void writeFrame();
    void writeAnchor();
    std::u16string& out() { return result_.text; }

    ConversionPage& page_;
    HtmlScanResult result_;
    TagAttributes attributes_;
    int32_t linkNumber_ = 1;
};

void HtmlScanner::writeTag(std::u16string_view tag)
{
    const HtmlTagRule rule = ClassifyTagName(TagName(tag));
    if (rule.mayNameAnchor || rule.kind != HtmlTagKind::Ignored)
        ParseAttributes(tag, attributes_);
    switch (rule.kind) {
    case HtmlTagKind::Ignored: break;
    case HtmlTagKind::LineBreak: out().append(u"\r\n"); break;
    case HtmlTagKind::HighlightOn: out().append(u"\\\\B"); break;
    case HtmlTagKind::HighlightOff: out().append(u"\\\\E"); break;
    case HtmlTagKind::FontOn: out().append(u"\\\\O"); break;
    case HtmlTagKind::FontOff: out().append(u"\\\\N"); break;
    case HtmlTagKind::CellEnd: out().push_back(u' '); break;
    case HtmlTagKind::Rule: out().append(u"\r\n----------------\r\n\r\n"); break;
    case HtmlTagKind::Image: writeImage(); break;
    case HtmlTagKind::Link: writeLink(attributes_.find(u"href")); break;
    case HtmlTagKind::OptionLink: writeLink(attributes_.find(u"value")); break;
    case HtmlTagKind::Frame: writeFrame(); break;
    }
    if (rule.mayNameAnchor)
        writeAnchor();
}

// Images and frames read their attributes from the lower-cased tag: only A-Z change, so the
// values of the tag as written, lowered, are the same.
void HtmlScanner::writeImage()
{
    if (const std::u16string* alt = attributes_.find(u"alt")) {
        out().append(u"≪").append(html::AsciiLowered(*alt)).append(u"≫");
        if (!alt->empty())
            return;
    }
    if (const std::u16string* src = attributes_.find(u"src")) {
        const std::u16string file = html::AsciiLowered(text::Mid(AfterLastSlash(*src), 0, 6));
        out().append(u"≪").append(file).append(u"≫");
        if (!src->empty())
            return;
    }
    out().append(u"≪絵≫");
}

void HtmlScanner::writeLink(const std::u16string* target)
{
    if (!target)
        return;
    const std::u16string resolved = ResolveLink(*target, page_);
    const std::u16string digits = LinkDigits(linkNumber_);
    AppendLinkMarker(out(), digits);
    AppendUrlListEntry(result_.urlList, digits, resolved);
    ++linkNumber_;
}

void HtmlScanner::writeFrame()
{
    const std::u16string* src = attributes_.find(u"src");
    if (!src)
        return;
    const std::u16string target = html::AsciiLowered(*src);
    writeLink(&target);
    if (const std::u16string* name = attributes_.find(u"name"))
        out().append(u"<").append(html::AsciiLowered(AfterLastSlash(*name))).append(u">");
}

void HtmlScanner::writeAnchor()
{
    if (const std::u16string* name = attributes_.find(u"name"))
        out().append(u"TagID\\\\{").append(*name).append(u"}");
}

} // namespace

HtmlScanResult ScanPreparedText(std::u16string_view prepared, ConversionPage& page, ConversionPacer& pacer)
{
    HtmlScanner scanner(prepared, page);
    const double total = double(prepared.size());
    Pos position = 0;
    for (int tags = 1;; ++tags) {
        const Pos open = html::FindChar(prepared, position, u'<');
        const Pos close = open < 0 ? -1 : html::FindChar(prepared, open + 1, u'>');
        if (close < 0) {
            scanner.writeText(text::Mid(prepared, position));
            break;
        }
        const std::u16string_view run = text::Mid(prepared, position, open - position);
        if (!html::EqualsNoCase(run, u"&nbsp;"))
            scanner.writeText(run);
        scanner.writeTag(text::Mid(prepared, open, close + 1 - open));
        position = close + 1;
        if (tags % kTagsPerProgressCheck == 0 && pacer.due())
            pacer.showAndLetEventsRunWhenDue([&] { return ScanningCaption(double(position), total); });
    }
    return scanner.take();
}
