#pragma once
// For start-up measurements: with TEXTREADER_STARTUP_PROBE set, the reader prints when its
// first page was on screen (milliseconds since the epoch) and its resident size, then ends
// at once without writing any file.
namespace startupprobe {

bool Enabled();
// Prints "first_page_ms=<epoch ms> rss_kb=<kB>" on standard output.
void Report();

} // namespace startupprobe
