#pragma once
// The converter's scan: one pass from left to right over the prepared page text. Text
// between tags is copied (a run that is only "&nbsp;" is dropped), each tag writes what the
// tag table says, and every link also gets its entry in the URL list. A "<" that no ">"
// follows leaves the rest of the page as text.
#include <QString>
#include <QStringView>

#include "web/PageRecord.h"

class ConversionPacer;

struct HtmlScanResult {
    QString text;      // the marked text of the page
    QString urlList;   // heading and one entry per link
};

HtmlScanResult ScanPreparedText(QStringView prepared, PageRecord& page, ConversionPacer& pacer);
