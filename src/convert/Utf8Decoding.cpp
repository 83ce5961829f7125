#include "convert/Utf8Decoding.h"

#include <cstring>

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// How many bytes the sequence that lead begins has; 0 for a byte no sequence begins with.
int SequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// The allowed range of the second byte: it rules out overlong forms, surrogates and code
// points past U+10FFFF.
bool SecondByteFits(unsigned char lead, unsigned char second)
{
    switch (lead) {
    case 0xE0: return second >= 0xA0 && second <= 0xBF;
    case 0xED: return second >= 0x80 && second <= 0x9F;
    case 0xF0: return second >= 0x90 && second <= 0xBF;
    case 0xF4: return second >= 0x80 && second <= 0x8F;
    default: return second >= 0x80 && second <= 0xBF;
    }
}

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// How many of the n bytes at p form a valid start of a sequence (n of them when complete).
int ValidPrefix(const unsigned char* p, int n, int length)
{
    if (n < 2)
        return n;
    if (!SecondByteFits(p[0], p[1]))
        return 1;
    for (int i = 2; i < n && i < length; ++i)
        if (!IsContinuation(p[i]))
            return i;
    return n < length ? n : length;
}

char16_t* PutCodePoint(char32_t cp, char16_t* w)
{
    if (cp < 0x10000) {
        *w++ = char16_t(cp);
    } else {
        cp -= 0x10000;
        *w++ = char16_t(0xD800 + (cp >> 10));
        *w++ = char16_t(0xDC00 + (cp & 0x3FF));
    }
    return w;
}

char32_t Decode(const unsigned char* p, int length)
{
    switch (length) {
    case 2: return char32_t(p[0] & 0x1F) << 6 | (p[1] & 0x3F);
    case 3: return char32_t(p[0] & 0x0F) << 12 | char32_t(p[1] & 0x3F) << 6 | (p[2] & 0x3F);
    default: return char32_t(p[0] & 0x07) << 18 | char32_t(p[1] & 0x3F) << 12 | char32_t(p[2] & 0x3F) << 6 | (p[3] & 0x3F);
    }
}

} // namespace

void Utf8Decoder::append(std::string_view bytes, std::u16string& out)
{
    // Each byte, the pending ones from the last piece included, gives at most one unit (a
    // pair takes four bytes): one growth up front, the unused end cut off below.
    const size_t start = out.size();
    out.resize(start + bytes.size() + size_t(pendingSize_));
    char16_t* w = out.data() + start;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const unsigned char* const end = p + bytes.size();
    // A character cut off by the last piece is completed from this one first.
    while (pendingSize_ > 0 && p < end) {
        pending_[pendingSize_++] = *p++;
        const int length = SequenceLength(pending_[0]);
        const int valid = ValidPrefix(pending_, pendingSize_, length);
        if (valid == length) {
            w = PutCodePoint(Decode(pending_, length), w);
            pendingSize_ = 0;
        } else if (valid < pendingSize_) {
            // The byte does not go on the sequence: the sequence is flawed, the byte starts afresh.
            --p;
            --pendingSize_;
            w = flushPending(w);
        }
    }
    while (p < end) {
        // Runs of ASCII, the bulk of any page's markup, go eight bytes at a time.
        uint64_t word;
        while (end - p >= 8 && (std::memcpy(&word, p, 8), (word & 0x8080808080808080ULL) == 0)) {
            for (int i = 0; i < 8; ++i)
                w[i] = char16_t(p[i]);
            p += 8;
            w += 8;
        }
        if (p < end)
            w = putOne(p, end, w);
    }
    out.resize(size_t(w - out.data()));
}

// One character (or one flawed byte) at p; a sequence the piece cuts off is kept pending.
char16_t* Utf8Decoder::putOne(const unsigned char*& p, const unsigned char* end, char16_t* w)
{
    const int length = SequenceLength(*p);
    if (length == 1) {
        *w++ = char16_t(*p++);
        return w;
    }
    if (length == 0) {
        error_ = true;
        *w++ = kReplacement;
        ++p;
        return w;
    }
    const int available = int(end - p < length ? end - p : length);
    const int valid = ValidPrefix(p, available, length);
    if (valid == length) {
        w = PutCodePoint(Decode(p, length), w);
        p += length;
    } else if (valid == available) {
        std::memcpy(pending_, p, size_t(available));
        pendingSize_ = available;
        p += available;
    } else {
        error_ = true;
        for (int i = 0; i < valid; ++i)
            *w++ = kReplacement;
        p += valid;
    }
    return w;
}

char16_t* Utf8Decoder::flushPending(char16_t* w)
{
    if (pendingSize_ > 0)
        error_ = true;
    for (int i = 0; i < pendingSize_; ++i)
        *w++ = kReplacement;
    pendingSize_ = 0;
    return w;
}

void Utf8Decoder::finish(std::u16string& out)
{
    const size_t start = out.size();
    out.resize(start + size_t(pendingSize_));
    out.resize(size_t(flushPending(out.data() + start) - out.data()));
}

void AppendUtf8(std::u16string_view text, std::string& out)
{
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c < 0x80) {
            out.push_back(char(c));
            continue;
        }
        if (c >= 0xD800 && c <= 0xDFFF) {
            const bool paired = c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
            c = paired ? 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00) : kReplacement;
        }
        if (c < 0x800) {
            out.push_back(char(0xC0 | (c >> 6)));
        } else if (c < 0x10000) {
            out.push_back(char(0xE0 | (c >> 12)));
            out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
        } else {
            out.push_back(char(0xF0 | (c >> 18)));
            out.push_back(char(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
        }
        out.push_back(char(0x80 | (c & 0x3F)));
    }
}
