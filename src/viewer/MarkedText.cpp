#include "viewer/MarkedText.h"

#include "convert/LinkList.h"
#include "core/Notation.h"

#include <algorithm>
#include <cmath>

namespace marked {

std::optional<QString> LinkKeyAt(QStringView text, qsizetype markerIndex)
{
    // The number is read from the five characters after the marker, up to the first
    // character that is not part of it, and padded back to four digits.
    const qsizetype from = markerIndex + kLink.size();
    if (from >= text.size())
        return std::nullopt;
    const QStringView digits = text.sliced(from, std::min<qsizetype>(5, text.size() - from));
    const double n = notation::Val(digits);
    if (n < 0 || n > 99999 || n != std::floor(n))
        return std::nullopt;
    return QStringLiteral("%1").arg(qlonglong(n), 4, 10, QLatin1Char('0'));
}

} // namespace marked

std::optional<QString> LinkIndex::Resolve(const QString& text, qsizetype markerIndex)
{
    const std::optional<QString> key = marked::LinkKeyAt(text, markerIndex);
    if (!key)
        return std::nullopt;
    // Holding a copy of the text keeps its buffer alive, so the same data pointer means the
    // same, unchanged text.
    if (!built_ || indexed_.constData() != text.constData() || indexed_.size() != text.size())
        rebuild(text);
    const auto it = std::lower_bound(entries_.begin(), entries_.end(), *key,
                                     [](const Entry& e, const QString& k) { return e.key < k; });
    if (it == entries_.end() || it->key != *key)
        return std::nullopt;
    // The URL ends before the first "}" from its second character on.
    const qsizetype end = text.indexOf(u'}', it->urlStart + 1);
    if (end < 0)
        return std::nullopt;
    return text.mid(it->urlStart, end - it->urlStart);
}

void LinkIndex::rebuild(const QString& text)
{
    indexed_ = text;
    built_ = true;
    entries_.clear();
    const qsizetype keyLength = 4;
    // The converter writes the link list last, under its heading: entries before the last
    // heading are page text (a comment quoting an entry must not redirect the page's links).
    const QStringView heading(kUrlListHeading.data(), qsizetype(kUrlListHeading.size()));
    const qsizetype listStart = text.lastIndexOf(heading);
    qsizetype at = text.indexOf(marked::kLinkListEntry, std::max<qsizetype>(listStart, 0));
    while (at >= 0) {
        const qsizetype keyStart = at + marked::kLinkListEntry.size();
        // key, one separator character, then at least the URL's first character
        if (keyStart + keyLength + 1 < text.size())
            entries_.push_back({text.mid(keyStart, keyLength), keyStart + keyLength + 1});
        at = text.indexOf(marked::kLinkListEntry, at + 1);
    }
    // Stable, so the first entry of each key comes first and wins.
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const Entry& a, const Entry& b) { return a.key < b.key; });
    entries_.erase(std::unique(entries_.begin(), entries_.end(),
                               [](const Entry& a, const Entry& b) { return a.key == b.key; }),
                   entries_.end());
}
