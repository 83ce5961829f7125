#pragma once
// A saved page file as the text the converter takes: BOM or valid UTF-8 is UTF-8, anything
// else code page 932; lone line feeds become CR LF, as they do when a page is fetched.
#include <optional>
#include <string>

// The largest page file (or piped input) taken.
inline constexpr long long kMaxPageFileBytes = 256LL << 20;

enum class PageFileProblem { None, Unreadable, TooLarge };

// Nothing when the file cannot be read or is larger than kMaxPageFileBytes (problem, when
// given, says which); a pipe is read up to the same cap. The text keeps room for
// `spare` more characters, so the converter can put its first lines in front in place.
// UTF-8 files are read in small pieces straight into the text: the bytes of a large page
// never sit in memory beside it.
std::optional<std::u16string> ReadPageFileText(const std::string& path, size_t spare,
                                               PageFileProblem* problem = nullptr);
