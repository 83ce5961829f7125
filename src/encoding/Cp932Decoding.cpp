#include "encoding/Cp932Decoding.h"

#include <cstdint>
#include <cstring>

// Built from ICU by cp932_table/GenerateCp932Table.cpp.
#include "Cp932Table.inc"

namespace cp932 {
namespace {

constexpr uint64_t kHighBits = 0x8080808080808080u;

// The decoding loop; with more to come, a lead byte that ends the bytes is left unread.
size_t Decode(std::string_view bytes, std::u16string& out, bool moreToCome)
{
    using namespace table;
    const size_t start = out.size();
    // One unit per byte at most, so one growth and no check per character; the unused end
    // is cut off below.
    out.resize(start + bytes.size());
    char16_t* w = out.data() + start;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const unsigned char* const end = p + bytes.size();
    while (p != end) {
        const unsigned b = *p;
        if (b < 0x80) {
            // Markup and Latin text come in long ASCII runs; eight bytes at a time they widen
            // without a lookup.
            while (end - p >= 8) {
                uint64_t eight;
                std::memcpy(&eight, p, 8);
                if (eight & kHighBits)
                    break;
                for (int i = 0; i < 8; ++i)
                    w[i] = p[i];
                p += 8;
                w += 8;
            }
            while (p != end && *p < 0x80)
                *w++ = *p++;
            continue;
        }
        ++p;
        const char16_t single = kSingle[b];
        if (single != kMarker) {
            *w++ = single;
            continue;
        }
        if (p == end) {
            if (moreToCome) {
                --p;
                break;
            }
            *w++ = kLoneLead[kRow[b]];
            break;
        }
        const unsigned trail = *p - kTrailFirst; // wraps for bytes below the range
        const char16_t pair = trail < kTrailCount ? kPairs[kRow[b] * kTrailCount + trail] : kMarker;
        if (pair == kMarker) {
            *w++ = u'\uFFFD'; // the byte after stays unread: it may begin a character
            continue;
        }
        *w++ = pair;
        ++p;
    }
    out.resize(size_t(w - out.data()));
    return size_t(p - reinterpret_cast<const unsigned char*>(bytes.data()));
}

} // namespace

void AppendDecoded(std::string_view bytes, std::u16string& out) { Decode(bytes, out, false); }

size_t AppendDecodedPiece(std::string_view bytes, std::u16string& out) { return Decode(bytes, out, true); }

std::u16string Decoded(std::string_view bytes)
{
    std::u16string out;
    AppendDecoded(bytes, out);
    return out;
}

} // namespace cp932
