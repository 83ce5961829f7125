#include "convert/HtmlTagTable.h"

#include <array>
#include <vector>

#include "convert/HtmlAsciiMatch.h"

namespace {

struct Entry {
    std::u16string_view name;
    HtmlTagRule rule;
};

using K = HtmlTagKind;
constexpr bool kAnchor = true;

const std::array<Entry, 28> kTable{{
    {u"<dd", {K::LineBreak, kAnchor}},      {u"<dt", {K::LineBreak, kAnchor}},
    {u"<h1", {K::LineBreak, kAnchor}},      {u"<h2", {K::LineBreak, kAnchor}},
    {u"<h3", {K::LineBreak, kAnchor}},      {u"<table", {K::LineBreak, kAnchor}},
    {u"<p", {K::LineBreak, kAnchor}},       {u"<li", {K::LineBreak, kAnchor}},
    {u"</p", {K::LineBreak, false}},        {u"</tr", {K::LineBreak, false}},
    {u"</h1", {K::LineBreak, false}},       {u"</h2", {K::LineBreak, false}},
    {u"</h3", {K::LineBreak, false}},       {u"</option", {K::LineBreak, false}},
    {u"</div", {K::LineBreak, false}},      {u"</blockquote", {K::LineBreak, false}},
    {u"<b", {K::HighlightOn, kAnchor}},     {u"<string", {K::HighlightOn, kAnchor}},
    {u"</b", {K::HighlightOff, false}},     {u"</string", {K::HighlightOff, false}},
    {u"<font", {K::FontOn, kAnchor}},       {u"</font", {K::FontOff, false}},
    {u"</td", {K::CellEnd, false}},         {u"<hr", {K::Rule, false}},
    {u"<img", {K::Image, kAnchor}},         {u"<a", {K::Link, kAnchor}},
    {u"<option", {K::OptionLink, kAnchor}}, {u"<frame", {K::Frame, kAnchor}},
}};

constexpr size_t kLongestName = 12; // "</blockquote"

// The table's entries by name length: a page has tens of thousands of tags, and most
// lengths hold only a few names.
using LengthBuckets = std::array<std::vector<const Entry*>, kLongestName + 1>;

const LengthBuckets& EntriesByLength()
{
    static const LengthBuckets buckets = [] {
        LengthBuckets b;
        for (const Entry& entry : kTable)
            b[entry.name.size()].push_back(&entry);
        return b;
    }();
    return buckets;
}

} // namespace

HtmlTagRule ClassifyTagName(std::u16string_view tagName)
{
    if (tagName.size() < 2 || tagName.size() > kLongestName)
        return {};
    // Every name in the table goes on after "<" or "</" with one of these letters.
    const size_t letterAt = tagName[1] == u'/' ? 2 : 1;
    if (letterAt >= tagName.size())
        return {};
    const char16_t first = html::AsciiLower(tagName[letterAt]);
    if (std::u16string_view(u"abdfhilopst").find(first) == std::u16string_view::npos)
        return {};
    for (const Entry* entry : EntriesByLength()[tagName.size()]) {
        if (html::HasAtNoCase(tagName, 0, entry->name))
            return entry->rule;
    }
    return {};
}
