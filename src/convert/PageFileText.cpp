#include "convert/PageFileText.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "convert/Cp932Decoding.h"
#include "convert/Utf8Decoding.h"

namespace {

constexpr off_t kLargestFile = off_t(1) << 31;
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

// Appends decoded characters to the page text, each lone LF made CR LF (a line feed byte is
// never part of a longer character in UTF-8 or 932, so decoded pieces can be joined here).
void AppendWithLineBreaks(std::u16string_view decoded, std::u16string& text)
{
    char16_t before = text.empty() ? u'\0' : text.back();
    size_t copied = 0;
    for (size_t lf = decoded.find(u'\n'); lf != std::u16string_view::npos; lf = decoded.find(u'\n', lf + 1)) {
        if ((lf > 0 ? decoded[lf - 1] : before) == u'\r')
            continue;
        text.append(decoded.substr(copied, lf - copied));
        text.push_back(u'\r');
        copied = lf;
    }
    text.append(decoded.substr(copied));
}

bool HasBom(std::string_view head) { return head.size() >= 3 && head.substr(0, 3) == "\xEF\xBB\xBF"; }

// The file read as UTF-8. Without a byte-order mark, `flawed` tells whether the bytes were
// not valid UTF-8 after all (the reading then stops early).
std::optional<std::u16string> ReadUtf8(OpenFile& file, off_t size, size_t spare, bool& flawed)
{
    std::string piece(kPiece, '\0');
    const ssize_t head = file.read(piece.data(), 3);
    if (head < 0)
        return std::nullopt;
    const bool bom = HasBom(std::string_view(piece.data(), size_t(head)));
    std::u16string text;
    text.reserve(size_t(size) + size_t(size) / 16 + spare);
    std::u16string decoded;
    decoded.reserve(kPiece + 1);
    Utf8Decoder decoder;
    bool first = true;
    ssize_t got = bom ? 0 : head;
    do {
        decoded.clear();
        decoder.append(std::string_view(piece.data(), size_t(got)), decoded);
        if (decoder.hasError() && !bom) {
            flawed = true;
            return text;
        }
        // After a mark, a second one is dropped too, as a whole-file decode after it would.
        const bool secondMark = bom && first && !decoded.empty() && decoded[0] == 0xFEFF;
        first = first && decoded.empty();
        AppendWithLineBreaks(std::u16string_view(decoded).substr(secondMark ? 1 : 0), text);
    } while ((got = file.read(piece.data(), kPiece)) > 0);
    if (got < 0)
        return std::nullopt;
    decoded.clear();
    decoder.finish(decoded);
    flawed = !bom && decoder.hasError();
    AppendWithLineBreaks(decoded, text);
    return text;
}

std::u16string Cp932Text(std::string bytes, size_t spare)
{
    std::u16string decoded = cp932::Decoded(bytes);
    bytes = std::string();
    std::u16string text;
    text.reserve(decoded.size() + decoded.size() / 16 + spare);
    AppendWithLineBreaks(decoded, text);
    return text;
}

std::optional<std::u16string> ReadCp932(OpenFile& file, off_t size, size_t spare)
{
    std::string bytes(size_t(size), '\0');
    if (!file.rewind() || file.read(bytes.data(), bytes.size()) != ssize_t(size))
        return std::nullopt;
    return Cp932Text(std::move(bytes), spare);
}

// A pipe or a device is read whole first: it cannot be read a second time as 932.
std::optional<std::u16string> ReadStream(OpenFile& file, size_t spare)
{
    std::string bytes;
    for (;;) {
        const size_t at = bytes.size();
        bytes.resize(at + kPiece);
        const ssize_t got = file.read(bytes.data() + at, kPiece);
        if (got < 0 || off_t(at) + got > kLargestFile)
            return std::nullopt;
        bytes.resize(at + size_t(got));
        if (size_t(got) < kPiece)
            break;
    }
    std::string_view body(bytes);
    const bool bom = HasBom(body);
    Utf8Decoder decoder;
    std::u16string decoded;
    decoder.append(body.substr(bom ? 3 : 0), decoded);
    decoder.finish(decoded);
    if (decoder.hasError() && !bom)
        return Cp932Text(std::move(bytes), spare);
    const bool secondMark = bom && !decoded.empty() && decoded[0] == 0xFEFF;
    std::u16string text;
    text.reserve(decoded.size() + decoded.size() / 16 + spare);
    AppendWithLineBreaks(std::u16string_view(decoded).substr(secondMark ? 1 : 0), text);
    return text;
}

} // namespace

std::optional<std::u16string> ReadPageFileText(const std::string& path, size_t spare)
{
    OpenFile file(path);
    if (!file.isOpen())
        return std::nullopt;
    const off_t size = file.size();
    if (size < 0)
        return ReadStream(file, spare);
    if (size > kLargestFile)
        return std::nullopt;
    bool flawed = false;
    std::optional<std::u16string> text = ReadUtf8(file, size, spare, flawed);
    if (!text || !flawed)
        return text;
    text.reset();
    return ReadCp932(file, size, spare);
}
