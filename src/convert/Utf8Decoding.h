#pragma once
// UTF-8 to UTF-16 in pieces, as a file is read: a character cut between two pieces is put
// together, and the decoder tells whether the bytes were valid UTF-8 (no overlong forms, no
// surrogates, nothing past U+10FFFF). Each byte of a flawed sequence becomes one U+FFFD.
#include <cstdint>
#include <string>
#include <string_view>

class Utf8Decoder {
public:
    // Appends the characters the bytes complete; out grows by at most bytes.size() + 3 units
    // (the bytes of a character cut off by the last piece count again).
    void append(std::string_view bytes, std::u16string& out);
    // The end of the input: a character left unfinished becomes U+FFFD per byte.
    void finish(std::u16string& out);
    bool hasError() const { return error_; }

private:
    char16_t* flushPending(char16_t* w);
    char16_t* putOne(const unsigned char*& p, const unsigned char* end, char16_t* w);

    unsigned char pending_[4] = {};
    int pendingSize_ = 0;
    bool error_ = false;
};

// The UTF-8 bytes of UTF-16 text appended to out; a lone surrogate becomes U+FFFD.
void AppendUtf8(std::u16string_view text, std::string& out);
