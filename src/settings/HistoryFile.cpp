#include "settings/HistoryFile.h"

#include <QtEndian>
#include <array>
#include <optional>

#include "core/Codec.h"
#include "core/FileStore.h"

namespace {

constexpr quint16 kMaxPlainCount = 0xFFFD;
constexpr quint16 kUtf8Escape = 0xFFFE;
constexpr quint16 kLongEscape = 0xFFFF;

QString FileName() { return QStringLiteral("rireki.dat"); }

void PutU16(QByteArray& out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void PutU32(QByteArray& out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

void PutText(QByteArray& out, const QString& text)
{
    if (std::optional<QByteArray> cp932 = codec::EncodeCp932(text)) {
        if (cp932->size() <= kMaxPlainCount) {
            PutU16(out, quint16(cp932->size()));
        } else {
            PutU16(out, kLongEscape);
            PutU32(out, quint32(cp932->size()));
        }
        out += *cp932;
        return;
    }
    const QByteArray utf8 = text.toUtf8();
    PutU16(out, kUtf8Escape);
    PutU32(out, quint32(utf8.size()));
    out += utf8;
}

void PutRecord(QByteArray& out, const HistoryRecord& r)
{
    PutText(out, r.PageUrl);
    PutText(out, r.PageStartList);
    PutText(out, r.CurrentText);
    PutText(out, r.PageHtml);
    PutU32(out, quint32(r.ReadPosition));
    PutText(out, r.PageRequestUrl);
    PutText(out, r.PageTitle);
}

// Reads from a byte range without ever passing its end; every read says whether it held.
class ByteReader {
public:
    explicit ByteReader(QByteArrayView bytes) : b_(bytes) {}

    std::optional<quint32> u16() { return fixed<quint16>(); }
    std::optional<quint32> u32() { return fixed<quint32>(); }
    std::optional<QByteArrayView> take(quint64 n)
    {
        if (n > quint64(b_.size() - at_))
            return std::nullopt;
        const QByteArrayView v = b_.sliced(at_, qsizetype(n));
        at_ += qsizetype(n);
        return v;
    }
    std::optional<QString> text()
    {
        const std::optional<quint32> count = u16();
        if (!count)
            return std::nullopt;
        const bool escaped = *count == kUtf8Escape || *count == kLongEscape;
        const std::optional<quint32> n = escaped ? u32() : count;
        if (!n)
            return std::nullopt;
        const std::optional<QByteArrayView> bytes = take(*n);
        if (!bytes)
            return std::nullopt;
        return *count == kUtf8Escape ? QString::fromUtf8(*bytes) : codec::DecodeCp932(*bytes);
    }

private:
    template <typename T> std::optional<quint32> fixed()
    {
        const std::optional<QByteArrayView> v = take(sizeof(T));
        if (!v)
            return std::nullopt;
        return quint32(qFromLittleEndian<T>(v->data()));
    }

    QByteArrayView b_;
    qsizetype at_ = 0;
};

bool ReadText(ByteReader& in, QString& out)
{
    std::optional<QString> t = in.text();
    if (t)
        out = std::move(*t);
    return t.has_value();
}

bool ReadInt(ByteReader& in, int32_t& out)
{
    const std::optional<quint32> v = in.u32();
    if (v)
        out = int32_t(*v);
    return v.has_value();
}

// False when the bytes end inside the record.
bool ReadRecord(ByteReader& in, HistoryRecord& r)
{
    return ReadText(in, r.PageUrl) && ReadText(in, r.PageStartList) && ReadText(in, r.CurrentText)
        && ReadText(in, r.PageHtml) && ReadInt(in, r.ReadPosition)
        && ReadText(in, r.PageRequestUrl) && ReadText(in, r.PageTitle);
}

HistoryRecord RecordOf(const PageHistory& h, int s)
{
    return {h.PageUrl[s], h.PageStartList[s], h.CurrentText[s], h.PageHtml[s],
            h.ReadPosition[s], h.PageRequestUrl[s], h.PageTitle[s]};
}

void StoreRecord(PageHistory& h, int s, HistoryRecord r)
{
    h.PageUrl[s] = std::move(r.PageUrl);
    h.PageStartList[s] = std::move(r.PageStartList);
    h.CurrentText[s] = std::move(r.CurrentText);
    h.PageHtml[s] = std::move(r.PageHtml);
    h.ReadPosition[s] = r.ReadPosition;
    h.PageRequestUrl[s] = std::move(r.PageRequestUrl);
    h.PageTitle[s] = std::move(r.PageTitle);
}

// The records of the unbroken run of occupied slots around slot 30, grown one slot at a time
// on alternate sides while the file stays within its cap (a file the reader could not read
// back would cost the whole history at the next start).
std::array<QByteArray, PageHistory::kSlots> KeptRecords(const PageHistory& history, qint64 maxBytes)
{
    std::array<QByteArray, PageHistory::kSlots> kept;
    const QByteArray empty = [] {
        QByteArray e;
        PutRecord(e, HistoryRecord{});
        return e;
    }();
    qint64 total = qint64(empty.size()) * PageHistory::kSlots;
    auto take = [&](int s) {
        if (s < 0 || s >= PageHistory::kSlots || !history.occupied(s))
            return false;
        QByteArray r;
        PutRecord(r, RecordOf(history, s));
        if (total - empty.size() + r.size() > maxBytes)
            return false;
        total += r.size() - empty.size();
        kept[size_t(s)] = std::move(r);
        return true;
    };
    if (take(PageHistory::kCurrent)) {
        bool back = true;
        bool forward = true;
        for (int d = 1; back || forward; ++d) {
            back = back && take(PageHistory::kCurrent + d);
            forward = forward && take(PageHistory::kCurrent - d);
        }
    }
    for (QByteArray& r : kept)
        if (r.isEmpty())
            r = empty;
    return kept;
}

// Loads every slot; returns how many records the bytes held whole.
int DecodeRecords(QByteArrayView bytes, PageHistory& history)
{
    ByteReader in(bytes);
    int wholeRecords = 0;
    for (int s = 0; s < PageHistory::kSlots; ++s) {
        HistoryRecord r;
        const bool whole = wholeRecords == s && ReadRecord(in, r);
        wholeRecords += whole;
        StoreRecord(history, s, whole ? std::move(r) : HistoryRecord{});
    }
    return wholeRecords;
}

} // namespace

QByteArray EncodeHistory(const PageHistory& history, qint64 maxBytes)
{
    QByteArray out;
    for (const QByteArray& r : KeptRecords(history, maxBytes))
        out += r;
    return out;
}

void DecodeHistory(QByteArrayView bytes, PageHistory& history) { DecodeRecords(bytes, history); }

bool SaveHistory(const ProgramPaths& paths, const PageHistory& history)
{
    return !SaveHistoryChecked(paths, history);
}

std::optional<FileProblem> SaveHistoryChecked(const ProgramPaths& paths, const PageHistory& history)
{
    QString reason;
    if (filestore::ReplaceFile(paths.dataFile(FileName()), EncodeHistory(history), &reason))
        return std::nullopt;
    return FileProblem{FileName(), reason};
}

void LoadHistory(const ProgramPaths& paths, PageHistory& history) { LoadHistoryChecked(paths, history); }

std::optional<FileProblem> LoadHistoryChecked(const ProgramPaths& paths, PageHistory& history)
{
    const QString path = paths.dataFile(FileName());
    filestore::TouchFile(path);
    const filestore::ReadResult read = filestore::ReadRegularFile(path, kMaxHistoryBytes);
    using S = filestore::ReadResult::Status;
    const int records = DecodeRecords(read.ok() ? QByteArrayView(read.bytes) : QByteArrayView(), history);
    const bool whole = read.ok() && (read.bytes.isEmpty() || records == PageHistory::kSlots);
    if (whole || read.status == S::Missing)
        return std::nullopt;
    // A file that cannot be read whole is kept aside before the next save replaces it.
    const QString why = read.ok() ? QStringLiteral("途中で切れているか壊れています。") : filestore::ReadProblem(read);
    if (read.status != S::NotRegularFile && filestore::KeepAsBad(path, true))
        return FileProblem{FileName(), why + QStringLiteral(" 元のファイルは rireki.dat.bad に残しました。")};
    return FileProblem{FileName(), why};
}
