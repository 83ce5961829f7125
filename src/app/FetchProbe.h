#pragma once
// For fetch measurements: with TEXTREADER_FETCH_PROBE=URL, once its first page is on screen
// the reader fetches URL through the browser window twice, the first time to load the
// engine, the second timed from go to the first character the viewer types. It prints
// "load_ms=<first fetch> first_char_ms=<second> pss_kb=<own> engine_pss_kb=<helper processes>"
// and ends without saving its state.
#include <QString>

class AppBrowser;
struct ViewerState;

namespace fetchprobe {

QString Url();
void Run(AppBrowser& browser, const ViewerState& viewer, const QString& url);

} // namespace fetchprobe
