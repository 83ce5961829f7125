#pragma once
// The inline markers of marked text and the link list at its end.
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>
#include <vector>

namespace marked {

inline constexpr QStringView kHighlightOn = u"\\\\B";
inline constexpr QStringView kHighlightOff = u"\\\\E";
inline constexpr QStringView kFontColourOn = u"\\\\O";
inline constexpr QStringView kFontColourOff = u"\\\\N";
inline constexpr QStringView kLink = u"URL\\\\{";
inline constexpr QStringView kLinkListEntry = u"URLList\\\\{";
inline constexpr QStringView kAnchor = u"TagID\\\\{";
inline constexpr char16_t kAnchorGlyph = u'■';

inline constexpr uint32_t kHighlightColour = 0x0082FFFF; // red 255 green 255 blue 130
inline constexpr uint32_t kFontColour = 0x0082FF82;      // red 130 green 255 blue 130
inline constexpr uint32_t kLinkColour = 0x008282FF;      // red 255 green 130 blue 130

// True when the text holds `marker` at the 0-based index.
inline bool MarkerAt(QStringView text, qsizetype index, QStringView marker)
{
    return index >= 0 && text.size() - index >= marker.size()
        && text.sliced(index, marker.size()) == marker;
}

// The four-digit key a link marker at the 0-based index refers to ("0001"), or nothing
// when the characters after the marker hold no usable number.
std::optional<QString> LinkKeyAt(QStringView text, qsizetype markerIndex);

} // namespace marked

// The link list entries of one text, indexed in a single pass on first use so that a page
// full of links costs no repeated searches through a long text.
class LinkIndex {
public:
    // The target URL of the link whose marker starts at the 0-based index of text, or
    // nothing when the list has no entry for its number.
    std::optional<QString> Resolve(const QString& text, qsizetype markerIndex);

private:
    void rebuild(const QString& text);
    QString indexed_; // the text the index belongs to (shares its buffer)
    bool built_ = false;
    struct Entry {
        QString key;
        qsizetype urlStart; // 0-based index of the URL's first character
    };
    std::vector<Entry> entries_; // sorted by key, first entry of each key only
};
