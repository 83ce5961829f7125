#pragma once
// Code page 932 (Windows-31J) bytes to UTF-16 from a table compiled in, so that reading a
// page file needs neither ICU nor its converter data. The result is the one the reader has
// always given: bytes 0x00-0x7F are themselves (backslash, tilde and the control codes
// included), and each undecodable sequence becomes one U+FFFD — a pair with a trail byte of
// the right shape but no character, or a lead byte alone when the byte after it could never
// be a trail byte (that byte is then read on its own), or a lead byte at the very end.
#include <string>
#include <string_view>

namespace cp932 {

// Appends the decoding of bytes to out, which grows by at most bytes.size() units. Each call
// stands alone: a lead byte at the end of one call's bytes is not joined with the next call's.
void AppendDecoded(std::string_view bytes, std::u16string& out);
std::u16string Decoded(std::string_view bytes);
// As AppendDecoded for a piece of a longer text: a lead byte at the end of the piece is left
// for the next one. Returns how many bytes were decoded (all, or all but that last one).
size_t AppendDecodedPiece(std::string_view bytes, std::u16string& out);

} // namespace cp932
