#pragma once
// What the font commands share: the layout options (font, size, window size, line breaks
// ignored), the reading of a text file, and a measure-only viewer laid out exactly as the
// reader lays its window out.
#include <QString>
#include <QStringList>
#include <optional>

#include "viewer/ViewerFonts.h"
#include "viewer/WindowlessViewer.h"

inline constexpr const char* kLayoutOptionsUsage =
    "[--font NAME] [--size PT] [--width TWIPS] [--height TWIPS] [--return-mushi]";

struct LayoutOptions {
    QString font = viewerfonts::kDesignedFamily;
    double pointSize = viewerfonts::kDesignedPointSize;
    double width = 8865; // the viewer's client area as created
    double height = 2295;
    bool returnMushi = false;
};

enum class OptionTaken { NotLayout, Taken, Bad };
// Takes the layout option at args[i] with its value (i moves past it).
OptionTaken TakeLayoutOption(const QStringList& args, qsizetype& i, LayoutOptions& o);
// Reads the value after an option as a number in [low, high]; false when missing or outside.
bool TakeNumber(const QStringList& args, qsizetype& i, double low, double high, double& target);

// A text file as the reader takes it (BOM or valid UTF-8, else 932; line ends CR LF).
// Empty, with the reason said on stderr, when the file cannot be read or is too large.
std::optional<QString> ReadLayoutText(const QString& file);

// A viewer without a window: the canvas at the options' size and font, the text from
// position 1 with the page-start list "1".
struct MeasuringViewer : WindowlessViewer {
    MeasuringViewer(const LayoutOptions& o, QString text);
};
