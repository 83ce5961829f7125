#include "web/HtmlScan.h"

#include <cstdint>

#include "web/ConversionProgress.h"
#include "web/HtmlAsciiMatch.h"
#include "web/HtmlTagTable.h"
#include "web/LinkList.h"
#include "web/LinkResolution.h"
#include "web/TagAttributes.h"

namespace {

constexpr int kTagsPerProgressCheck = 15;

// The tag name: up to the first blank, or the whole tag but its final ">".
QStringView TagName(QStringView tag)
{
    const qsizetype blank = html::FindChar(tag, 0, u' ');
    return tag.first(blank >= 0 ? blank : tag.size() - 1);
}

QStringView AfterLastSlash(QStringView value)
{
    return value.sliced(value.lastIndexOf(u'/') + 1);
}

class HtmlScanner {
public:
    HtmlScanner(QStringView prepared, PageRecord& page) : page_(page)
    {
        result_.text.reserve(prepared.size() + prepared.size() / 8);
        result_.urlList = kUrlListHeading;
    }

    void writeText(QStringView text) { out().append(text); }
    void writeTag(QStringView tag);
    HtmlScanResult take() { return std::move(result_); }

private:
    void writeImage();
    void writeLink(const QString* target);
    void writeFrame();
    void writeAnchor();
    QString& out() { return result_.text; }

    PageRecord& page_;
    HtmlScanResult result_;
    TagAttributes attributes_;
    int32_t linkNumber_ = 1;
};

void HtmlScanner::writeTag(QStringView tag)
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
    case HtmlTagKind::CellEnd: out().append(u' '); break;
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
    if (const QString* alt = attributes_.find(u"alt")) {
        out().append(u'≪').append(html::AsciiLowered(*alt)).append(u'≫');
        if (!alt->isEmpty())
            return;
    }
    if (const QString* src = attributes_.find(u"src")) {
        const QString file = html::AsciiLowered(AfterLastSlash(*src).left(6));
        out().append(u'≪').append(file).append(u'≫');
        if (!src->isEmpty())
            return;
    }
    out().append(u"≪絵≫");
}

void HtmlScanner::writeLink(const QString* target)
{
    if (!target)
        return;
    const QString resolved = ResolveLink(*target, page_);
    const QString digits = LinkDigits(linkNumber_);
    AppendLinkMarker(out(), digits);
    AppendUrlListEntry(result_.urlList, digits, resolved);
    ++linkNumber_;
}

void HtmlScanner::writeFrame()
{
    const QString* src = attributes_.find(u"src");
    if (!src)
        return;
    const QString target = html::AsciiLowered(*src);
    writeLink(&target);
    if (const QString* name = attributes_.find(u"name"))
        out().append(u'<').append(html::AsciiLowered(AfterLastSlash(*name))).append(u'>');
}

void HtmlScanner::writeAnchor()
{
    if (const QString* name = attributes_.find(u"name"))
        out().append(u"TagID\\\\{").append(*name).append(u'}');
}

} // namespace

HtmlScanResult ScanPreparedText(QStringView prepared, PageRecord& page, ConversionPacer& pacer)
{
    HtmlScanner scanner(prepared, page);
    const double total = double(prepared.size());
    qsizetype position = 0;
    for (int tags = 1;; ++tags) {
        const qsizetype open = html::FindChar(prepared, position, u'<');
        const qsizetype close = open < 0 ? -1 : html::FindChar(prepared, open + 1, u'>');
        if (close < 0) {
            scanner.writeText(prepared.sliced(position));
            break;
        }
        const QStringView run = prepared.sliced(position, open - position);
        if (!html::EqualsNoCase(run, u"&nbsp;"))
            scanner.writeText(run);
        scanner.writeTag(prepared.sliced(open, close + 1 - open));
        position = close + 1;
        if (tags % kTagsPerProgressCheck == 0 && pacer.due())
            pacer.showAndLetEventsRunWhenDue([&] { return ScanningCaption(double(position), total); });
    }
    return scanner.take();
}
