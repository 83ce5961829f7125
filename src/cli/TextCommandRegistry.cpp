#include "cli/TextCommand.h"

#include <cstdio>

#include "convert/Utf8Decoding.h"

std::map<std::string, TextCommandInfo>& TextCommands()
{
    static std::map<std::string, TextCommandInfo> commands;
    return commands;
}

bool WriteStdoutUtf8(std::u16string_view text)
{
    // Small pieces: the UTF-8 of one takes up to three bytes a unit, fresh memory each page.
    constexpr size_t kPiece = 16 * 1024;
    std::string piece;
    piece.reserve(kPiece * 3 + 4);
    bool written = true;
    for (size_t at = 0; at < text.size();) {
        size_t n = std::min(kPiece, text.size() - at);
        // A surrogate pair stays in one piece.
        if (at + n < text.size() && text[at + n - 1] >= 0xD800 && text[at + n - 1] < 0xDC00)
            ++n;
        piece.clear();
        AppendUtf8(text.substr(at, n), piece);
        written = written && std::fwrite(piece.data(), 1, piece.size(), stdout) == piece.size();
        at += n;
    }
    return std::fflush(stdout) == 0 && written;
}

void WriteStderrUtf8(std::string_view bytes) { std::fwrite(bytes.data(), 1, bytes.size(), stderr); }
