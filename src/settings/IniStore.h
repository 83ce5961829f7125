#pragma once
// The only reader and writer of Setting.ini (in the data folder). Section and key names match
// without regard to case; the first matching key of the first matching section wins. Values
// are trimmed of surrounding blanks and of one pair of surrounding double quotes and cut to
// the read capacity, counted in bytes of code page 932.
//
// The file is parsed once and kept while it stays as read (same size, time and identity),
// so a section's dozens of reads cost one parse. Writes go key by key, but a Batch gathers
// every write made while it lives into one atomic replacement of the file, with the same
// bytes the key-by-key writes would have left. Reads never report an error (an unreadable
// file reads as empty); a save returns whether it landed, with the reason in Japanese.
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

#include "core/ProgramPaths.h"
#include "settings/IniValue.h"

class IniDocument;

// The outcome of one save of Setting.ini: ok, or why the old file was kept.
struct IniSaveResult {
    bool ok = true;
    QString reason; // empty when ok
};

class IniStore {
public:
    // A file larger than this is not read; the first save keeps it as "Setting.ini.bad"
    // and writes a new one.
    static constexpr qint64 kMaxFileBytes = qint64(4) << 20;
    static constexpr int kDefaultCapacity = 80;

    explicit IniStore(ProgramPaths paths);
    ~IniStore();
    IniStore(const IniStore&) = delete;
    IniStore& operator=(const IniStore&) = delete;

    // Data folder + "Setting.ini", computed anew at every call.
    QString settingsPath() const;

    // The stored text; Boolean for exactly "True"/"False"; the empty text when missing.
    IniValue ReadIniValue(const QString& section, const QString& key);
    // The leading number of the value's text form; 0 when none or missing.
    double ReadIniNumber(const QString& section, const QString& key);
    // ReadIniValue, with an empty text turned into Boolean False.
    IniValue ReadIniFlag(const QString& section, const QString& key);
    // ReadIniNumber, but the default when the number is 0 and the value was missing or empty.
    double ReadIniNumberOr(const QString& section, const QString& key, int32_t defaultValue);
    // ReadIniValue with a capacity of expectedLength + 10 bytes (for values over 79 bytes).
    IniValue ReadIniText(const QString& section, const QString& key, int32_t expectedLength);
    // Writes key=value into the section, creating both as needed; every other line stays.
    // Inside a Batch the file is written when the batch commits; otherwise at once.
    void WriteIniValue(const QString& section, const QString& key, const QString& value);

    // The text form of the value the last read returned.
    const QString& LastIniText() const { return LastIniText_; }
    // The outcome of the last write of the file (a write outside a batch, or a commit).
    const IniSaveResult& LastSaveResult() const { return lastSave_; }
    // A message for the user about a file that could not be used (too large), once per run;
    // nothing when there is none or it was taken already.
    std::optional<QString> TakeNotice();

    // Gathers the writes of one save (the viewer's unload, a dialog's OK). Batches nest: an
    // inner one joins the outermost, which writes. Reads inside see the writes made so far.
    class Batch {
    public:
        explicit Batch(IniStore& store);
        ~Batch(); // commits when Commit was not called
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;
        // Writes the gathered changes in one atomic replacement (the outermost batch only;
        // an inner one answers ok). The file is left untouched when nothing changed.
        IniSaveResult Commit();

    private:
        IniStore& store_;
        bool done_ = false;
    };

private:
    struct Loaded;
    int capacity() const;
    const IniDocument& document();
    std::unique_ptr<Loaded> load();
    IniSaveResult writeOut();

    ProgramPaths paths_;
    int32_t IniBufferLength_ = 0; // set for exactly one read by ReadIniText
    QString LastIniText_;
    IniSaveResult lastSave_;
    std::unique_ptr<Loaded> cache_;   // the file as last read or written
    std::unique_ptr<Loaded> pending_; // inside a batch: the file with the writes so far
    int batchDepth_ = 0;
    bool noticeGiven_ = false;
    std::optional<QString> notice_;
};
