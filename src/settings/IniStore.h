#pragma once
// The only reader and writer of Setting.ini (in the data folder). Section and key names match
// without regard to case; the first matching key of the first matching section wins. Values
// are trimmed of surrounding blanks and of one pair of surrounding double quotes and cut to
// the read capacity, counted in bytes of code page 932. No operation reports an error: an
// unreadable file reads as empty, a failed write leaves the file as it was.
#include <QString>
#include <cstdint>

#include "core/ProgramPaths.h"
#include "settings/IniValue.h"

class IniStore {
public:
    // A file larger than this is treated as unreadable (reads empty, writes leave it alone).
    static constexpr qint64 kMaxFileBytes = qint64(4) << 20;
    static constexpr int kDefaultCapacity = 80;

    explicit IniStore(ProgramPaths paths);

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
    void WriteIniValue(const QString& section, const QString& key, const QString& value);

    // The text form of the value the last read returned.
    const QString& LastIniText() const { return LastIniText_; }

private:
    int capacity() const;

    ProgramPaths paths_;
    int32_t IniBufferLength_ = 0; // set for exactly one read by ReadIniText
    QString LastIniText_;
};
