#pragma once
// The attributes of one tag as the converter and the page fetch read them: a fixed table of
// 21 name/value slots, filled from slot 1 in the order the attributes stand in the tag.
#include <array>
#include <string>
#include <string_view>

struct TagAttributes {
    static constexpr int kSlots = 21;     // slots 0..20; slot 0 stays empty
    static constexpr int kLastSlot = kSlots - 1;

    std::array<std::u16string, kSlots> names;
    std::array<std::u16string, kSlots> values;
    int filled = 0;                       // slots 1..filled hold attributes

    // The value of the first slot whose name equals name without regard to ASCII letter case;
    // nullptr when no slot has that name.
    const std::u16string* find(std::u16string_view name) const;
    // Empties every slot; the strings keep their storage for the next tag.
    void clear();
};

// Fills the table from a tag's text ("<a href=\"x\" name=y>"). Line breaks (CR LF) and tabs
// are dropped first. Each "=" gives a slot: the name runs from the nearest blank before it,
// the value is either double-quoted or runs to the next blank (or to the tag's last
// character). Single quotes are ordinary characters. At most 20 attributes are kept.
void ParseAttributes(std::u16string_view tag, TagAttributes& table);
