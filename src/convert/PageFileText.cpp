#include "convert/PageFileText.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "encoding/Cp932Decoding.h"
#include "convert/TextSearch.h"
#include "convert/Utf8Decoding.h"

namespace {

constexpr off_t kLargestFile = off_t(kMaxPageFileBytes);
constexpr size_t kPiece = 64 * 1024;

class OpenFile {
public:
    explicit OpenFile(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~OpenFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    // The size of a regular file; -1 for a pipe or a device, which can only be read once.
    off_t size() const
    {
        struct stat st {};
        if (fd_ < 0 || ::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode))
            return -1;
        return st.st_size;
    }
    // Up to n bytes; fewer only at the end of the file. -1 on a read error.
    ssize_t read(char* buffer, size_t n)
    {
        size_t got = 0;
        while (got < n) {
            const ssize_t r = ::read(fd_, buffer + got, n - got);
            if (r < 0 && errno == EINTR)
                continue;
            if (r < 0)
                return -1;
            if (r == 0)
                break;
            got += size_t(r);
        }
        return ssize_t(got);
    }
    bool rewind() { return ::lseek(fd_, 0, SEEK_SET) == 0; }

private:
    int fd_;
};

// Makes each lone LF among the characters from `from` on CR LF, in place: written from the
// back, so nothing is overwritten before it is read (a line feed byte is never part of a
// longer character in UTF-8 or 932, so pieces can be decoded first and mended after).
void ExpandLoneLineFeeds(std::u16string& text, size_t from)
{
    const char16_t before = from > 0 ? text[from - 1] : u'\0';
    size_t lone = 0;
    for (Pos lf = text::Find(text, u'\n', Pos(from)); lf >= 0; lf = text::Find(text, u'\n', lf + 1))
        lone += (size_t(lf) > from ? text[size_t(lf) - 1] : before) != u'\r';
    if (lone == 0)
        return;
    const size_t end = text.size();
    text.resize(end + lone);
    char16_t* const data = text.data();
    char16_t* w = data + end + lone;
    for (size_t r = end; r-- > from && lone > 0;) {
        const char16_t c = data[r];
        *--w = c;
        if (c == u'\n' && (r > from ? data[r - 1] : before) != u'\r') {
            *--w = u'\r';
            --lone;
        }
    }
}

bool HasBom(std::string_view head) { return head.size() >= 3 && head.substr(0, 3) == "\xEF\xBB\xBF"; }

std::u16string ReservedText(off_t bytes, size_t spare)
{
    std::u16string text;
    text.reserve(size_t(bytes) + size_t(bytes) / 16 + spare);
    return text;
}

// The file read as UTF-8. Without a byte-order mark, `flawed` tells whether the bytes were
// not valid UTF-8 after all (the reading then stops early).
std::optional<std::u16string> ReadUtf8(OpenFile& file, off_t size, size_t spare, bool& flawed)
{
    std::string piece(kPiece, '\0');
    const ssize_t head = file.read(piece.data(), 3);
    if (head < 0)
        return std::nullopt;
    const bool bom = HasBom(std::string_view(piece.data(), size_t(head)));
    std::u16string text = ReservedText(size, spare);
    Utf8Decoder decoder;
    ssize_t got = bom ? 0 : head;
    do {
        const size_t from = text.size();
        decoder.append(std::string_view(piece.data(), size_t(got)), text);
        if (decoder.hasError() && !bom) {
            flawed = true;
            return text;
        }
        ExpandLoneLineFeeds(text, from);
    } while ((got = file.read(piece.data(), kPiece)) > 0);
    if (got < 0)
        return std::nullopt;
    decoder.finish(text);
    flawed = !bom && decoder.hasError();
    // After a mark, a second one is dropped too, as a whole-file decode after it would.
    if (bom && !text.empty() && text[0] == 0xFEFF)
        text.erase(0, 1);
    return text;
}

// The file read again from its start as 932, a piece at a time; a lead byte that ends a
// piece is carried into the next.
std::optional<std::u16string> ReadCp932(OpenFile& file, off_t size, size_t spare)
{
    if (!file.rewind())
        return std::nullopt;
    std::string piece(kPiece + 1, '\0');
    std::u16string text = ReservedText(size, spare);
    size_t carried = 0;
    for (;;) {
        const ssize_t got = file.read(piece.data() + carried, kPiece);
        if (got < 0)
            return std::nullopt;
        const std::string_view bytes(piece.data(), carried + size_t(got));
        const size_t from = text.size();
        if (got == 0) {
            cp932::AppendDecoded(bytes, text);
            ExpandLoneLineFeeds(text, from);
            return text;
        }
        const size_t used = cp932::AppendDecodedPiece(bytes, text);
        ExpandLoneLineFeeds(text, from);
        carried = bytes.size() - used;
        if (carried > 0)
            piece[0] = bytes[used];
    }
}

// A pipe or a device is read whole first: it cannot be read a second time as 932.
std::optional<std::u16string> ReadStream(OpenFile& file, size_t spare, PageFileProblem& problem)
{
    std::string bytes;
    for (;;) {
        const size_t at = bytes.size();
        bytes.resize(at + kPiece);
        const ssize_t got = file.read(bytes.data() + at, kPiece);
        if (got < 0)
            return std::nullopt;
        if (off_t(at) + got > kLargestFile) {
            problem = PageFileProblem::TooLarge;
            return std::nullopt;
        }
        bytes.resize(at + size_t(got));
        if (size_t(got) < kPiece)
            break;
    }
    const std::string_view body(bytes);
    const bool bom = HasBom(body);
    std::u16string text = ReservedText(off_t(bytes.size()), spare);
    Utf8Decoder decoder;
    decoder.append(body.substr(bom ? 3 : 0), text);
    decoder.finish(text);
    if (decoder.hasError() && !bom) {
        text.clear();
        cp932::AppendDecoded(body, text);
    } else if (bom && !text.empty() && text[0] == 0xFEFF) {
        text.erase(0, 1);
    }
    ExpandLoneLineFeeds(text, 0);
    return text;
}

std::optional<std::u16string> ReadRegular(OpenFile& file, off_t size, size_t spare)
{
    bool flawed = false;
    std::optional<std::u16string> text = ReadUtf8(file, size, spare, flawed);
    if (!text || !flawed)
        return text;
    text.reset();
    return ReadCp932(file, size, spare);
}

} // namespace

std::optional<std::u16string> ReadPageFileText(const std::string& path, size_t spare, PageFileProblem* problem)
{
    PageFileProblem ignored = PageFileProblem::None;
    PageFileProblem& why = problem ? *problem : ignored;
    why = PageFileProblem::Unreadable;
    OpenFile file(path);
    if (!file.isOpen())
        return std::nullopt;
    const off_t size = file.size();
    std::optional<std::u16string> text;
    if (size < 0) {
        text = ReadStream(file, spare, why);
    } else if (size > kLargestFile) {
        why = PageFileProblem::TooLarge;
        return std::nullopt;
    } else {
        text = ReadRegular(file, size, spare);
    }
    if (text)
        why = PageFileProblem::None;
    return text;
}
