#pragma once
// The facts about the current page, kept beside the current text and stored in clip.utx.
#include <QString>

struct PageRecord {
    QString PageUrl;          // normalised URL of the current page
    QString PageBaseUrl;      // base for root-relative links, ends in "/"
    double PageTextLength = 0; // length of the last text handed to the converter
    bool PageLoaded = false;
    QString PageRequestUrl;   // the URL as requested
    QString PageTitle;
    QString PageHtml;         // body HTML as taken from the browser
    QString PageAnchor;       // the requested URL's part after "#"
};
