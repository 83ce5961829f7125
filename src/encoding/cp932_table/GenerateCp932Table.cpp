// Writes the code page 932 decoding table that tr_convert compiles in, by asking ICU what
// codec::DecodeCp932 used to get from it: the same converter, the same one-U+FFFD-per-flaw
// callback and the same undoing of the control code rotation. Every entry is read off an
// actual decode, never assumed, and the program refuses (exit 1, no file) whenever ICU does
// something the table layout cannot say, so a different ICU cannot quietly change the result.
//
// Usage: GenerateCp932Table OUTPUT.inc
#include <unicode/uversion.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <optional>
#include <vector>

#include "encoding/cp932_table/IcuCp932Decoder.h"

namespace {

constexpr char16_t kReplacement = 0xFFFD;
// A noncharacter no mapping gives (checked below), so it can mark the two special entries.
constexpr char16_t kMarker = 0xFFFF;

using Units = std::u16string;

[[noreturn]] void Fail(const std::string& why)
{
    std::fprintf(stderr, "GenerateCp932Table: %s\n", why.c_str());
    std::exit(1);
}

std::string Hex(std::initializer_list<unsigned> bytes)
{
    std::string s;
    char buf[8];
    for (unsigned b : bytes) {
        std::snprintf(buf, sizeof buf, "%s%02X", s.empty() ? "" : " ", b);
        s += buf;
    }
    return s;
}

std::string Describe(const Units& u)
{
    std::string s = "[";
    char buf[8];
    for (char16_t c : u) {
        std::snprintf(buf, sizeof buf, " %04X", unsigned(c));
        s += buf;
    }
    return s + " ]";
}

// The ICU decoding for a few bytes; the program stops when ICU fails on them.
class Reference {
public:
    Reference()
    {
        if (!icu_.ok())
            Fail("cannot open ICU's Windows-31J converter");
    }

    Units decode(std::initializer_list<unsigned> bytes)
    {
        std::string in;
        for (unsigned b : bytes)
            in.push_back(char(b));
        std::optional<Units> u = icu_.decode(in);
        if (!u)
            Fail("ICU failed on " + Hex(bytes));
        return *u;
    }

private:
    IcuCp932Decoder icu_;
};

bool IsSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDFFF; }

void RequireOneCharacter(char16_t c, const std::string& where)
{
    if (c == kMarker || IsSurrogate(c))
        Fail(where + " gives" + Describe(Units(1, c)) + ", which the table cannot hold");
}

struct Table {
    std::array<char16_t, 256> single{}; // the byte alone; kMarker for a lead byte
    std::vector<unsigned> leads;
    std::array<unsigned, 256> row{};    // row of a lead byte in pairs
    std::vector<char16_t> loneLead;     // a lead byte as the last byte of the input
    unsigned trailFirst = 0, trailLast = 0;
    std::vector<char16_t> pairs;        // [row][trail - trailFirst]; kMarker: the lead alone is U+FFFD
};

Table Build(Reference& icu)
{
    std::array<Units, 256> alone;
    for (unsigned b = 0; b < 256; ++b) {
        alone[b] = icu.decode({b});
        if (alone[b].size() != 1)
            Fail("byte " + Hex({b}) + " alone gives " + Describe(alone[b]));
        RequireOneCharacter(alone[b][0], "byte " + Hex({b}));
        // The decoder copies ASCII runs as they are and their bytes stand for themselves.
        if (b < 0x80 && alone[b][0] != b)
            Fail("byte " + Hex({b}) + " does not decode to itself");
    }

    // For each pair: 0 = each byte stands alone, 1 = one character of both bytes,
    // 2 = the first byte is U+FFFD and the second starts afresh.
    std::vector<std::array<uint8_t, 256>> kind(256);
    std::vector<std::array<char16_t, 256>> joined(256);
    std::array<bool, 256> isLead{};
    std::vector<Units> pairOut(256 * 256);
    for (unsigned b = 0; b < 256; ++b)
        for (unsigned n = 0; n < 256; ++n) {
            const Units& u = pairOut[b * 256 + n] = icu.decode({b, n});
            if (u == alone[b] + alone[n]) {
                kind[b][n] = 0;
            } else if (u.size() == 1) {
                RequireOneCharacter(u[0], "pair " + Hex({b, n}));
                kind[b][n] = 1;
                joined[b][n] = u[0];
                isLead[b] = true;
            } else if (u == Units(1, kReplacement) + alone[n]) {
                kind[b][n] = 2;
            } else {
                Fail("pair " + Hex({b, n}) + " gives " + Describe(u));
            }
        }

    Table t;
    unsigned first = 256, last = 0;
    for (unsigned b = 0; b < 256; ++b) {
        if (!isLead[b])
            continue;
        if (b < 0x80) // the decoder copies ASCII runs without looking at the next byte
            Fail("ASCII byte " + Hex({b}) + " begins a pair");
        t.row[b] = unsigned(t.leads.size());
        t.leads.push_back(b);
        t.loneLead.push_back(alone[b][0]);
        t.single[b] = kMarker;
        for (unsigned n = 0; n < 256; ++n) {
            // A lead byte's "alone" is only for the end of the input; before another byte it is
            // either part of a character or one U+FFFD by itself.
            if (kind[b][n] == 0 && alone[b][0] != kReplacement)
                Fail("lead " + Hex({b}) + " before " + Hex({n}) + " decodes as a single byte");
            if (kind[b][n] == 1) {
                first = std::min(first, n);
                last = std::max(last, n);
            }
        }
    }
    if (t.leads.empty())
        Fail("no lead bytes found");
    for (unsigned b = 0; b < 256; ++b) {
        if (isLead[b])
            continue;
        t.single[b] = alone[b][0];
        for (unsigned n = 0; n < 256; ++n)
            if (kind[b][n] != 0)
                Fail("byte " + Hex({b}) + " is no lead but " + Hex({b, n}) + " is not two characters");
    }
    t.trailFirst = first;
    t.trailLast = last;
    for (unsigned b : t.leads)
        for (unsigned n = first; n <= last; ++n)
            t.pairs.push_back(kind[b][n] == 1 ? joined[b][n] : kMarker);

    // One byte of look-ahead must be all there is to it: what follows a whole character or a
    // byte taken afresh decodes as if the input started there.
    for (unsigned b = 0; b < 256; ++b)
        for (unsigned n = 0; n < 256; ++n)
            for (unsigned z : {0x41u, 0x40u, 0x7Fu, 0x82u, 0xA0u, 0xB1u, 0xFCu}) {
                const Units got = icu.decode({b, n, z});
                Units want;
                if (kind[b][n] == 1)
                    want = Units(1, joined[b][n]) + alone[z];
                else
                    want = Units(1, isLead[b] ? kReplacement : alone[b][0]) + pairOut[n * 256 + z];
                if (got != want)
                    Fail(Hex({b, n, z}) + " gives " + Describe(got) + ", not " + Describe(want));
            }
    return t;
}

void WriteUnits(std::ostringstream& out, const char16_t* u, size_t n, size_t perLine)
{
    char buf[16];
    for (size_t i = 0; i < n; ++i) {
        std::snprintf(buf, sizeof buf, "0x%04X,", unsigned(u[i]));
        out << (i % perLine == 0 ? "\n    " : " ") << buf;
    }
    out << "\n";
}

std::string Render(const Table& t)
{
    const size_t rows = t.leads.size();
    const unsigned trails = t.trailLast - t.trailFirst + 1;
    std::ostringstream out;
    out << "// Generated by GenerateCp932Table from ICU " << U_ICU_VERSION << ", converter " << IcuCp932Decoder::kConverterName
        << ". Do not edit.\n"
        << "// " << rows << " lead bytes, trail bytes 0x" << std::hex << std::uppercase << t.trailFirst << "-0x"
        << t.trailLast << std::dec << ".\n"
        << "namespace cp932::table {\n\n"
        << "// In kSingle: the byte begins a pair. In kPairs: the lead byte alone is U+FFFD and the\n"
        << "// byte after it is read afresh, as is any byte outside kTrailFirst..kTrailLast.\n"
        << "inline constexpr char16_t kMarker = 0xFFFF;\n"
        << "inline constexpr unsigned kTrailFirst = " << t.trailFirst << ";\n"
        << "inline constexpr unsigned kTrailLast = " << t.trailLast << ";\n"
        << "inline constexpr unsigned kTrailCount = " << trails << ";\n"
        << "inline constexpr unsigned kRows = " << rows << ";\n\n"
        << "inline constexpr char16_t kSingle[256] = {";
    WriteUnits(out, t.single.data(), 256, 8);
    out << "};\n\n// Row in kPairs and kLoneLead of each lead byte (0 for the others).\n"
        << "inline constexpr unsigned char kRow[256] = {";
    for (unsigned b = 0; b < 256; ++b)
        out << (b % 16 == 0 ? "\n    " : " ") << t.row[b] << ",";
    out << "\n};\n\n// A lead byte that ends the input.\ninline constexpr char16_t kLoneLead[kRows] = {";
    WriteUnits(out, t.loneLead.data(), rows, 8);
    out << "};\n\ninline constexpr char16_t kPairs[kRows * kTrailCount] = {";
    for (size_t r = 0; r < rows; ++r) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "\n    // lead 0x%02X", t.leads[r]);
        out << buf;
        WriteUnits(out, t.pairs.data() + r * trails, trails, 8);
    }
    out << "};\n\n} // namespace cp932::table\n";
    return out.str();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        Fail("usage: GenerateCp932Table OUTPUT");
    Reference icu;
    const std::string text = Render(Build(icu));
    // Written only once everything checked out, so a refusal leaves no table behind.
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (!file) {
        std::remove(argv[1]);
        Fail(std::string("cannot write ") + argv[1]);
    }
    return 0;
}
