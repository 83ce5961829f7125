#pragma once
// The viewer's program-wide variables: what several parts of the reader read and write.
// One instance, owned by the application object and passed by reference.
#include <QString>
#include <array>
#include <cstdint>

class Surface;

using Colour = uint32_t; // 0x00BBGGRR, red in the low byte

struct ViewerState {
    QString CurrentText;          // the marked text being read, URL list included
    int32_t ReadPosition = 0;     // 1-based position of the next character to lay out
    QString PageStartList;        // page starts shown so far, newest first, joined by ","
    bool StartupDone = false;
    int32_t MessageSpeed = 0;     // 0..9; characters per tick = 11 - MessageSpeed; 0 scrolls
    bool ReturnMushi = false;     // when false, three line breaks in a row end the page
    bool HighlightOn = false;
    bool FontColourOn = false;
    bool LinkTextOn = false;
    std::array<QString, 41> UrlRing;
    int32_t UrlRingNext = 0;
    std::array<Colour, 7> ColourStack{}; // element 0 is the top
    QString PageText;             // characters laid out on the current page so far
    std::array<int32_t, 2> IdleTimer{}; // [0] idle seconds, [1] CloseTime (0 = never hide)
    bool AlwaysOnTop = false;
    Surface* Canvas = nullptr;    // where the renderers draw: the window, or the page buffer
    Surface* PageBuffer = nullptr;
    int32_t TickIntervalMs = 0;
    double LastTickTime = 0;
    int32_t RunMode = 11;         // 11 normal run, 0 debug run
    int32_t QuitState = 0;        // 0 running, 1 main frame closing, 2 viewer closed
    Colour TextColour = 0;
    Colour BackColour = 0;
    Colour ShadowColour = 0;      // 0 = recompute
    int16_t ShadowShift = 0;      // -1, 0 or 1
    int32_t Alfa = 0;             // opacity in percent
    bool BackTouka = false;       // background transparency
    QString DroppedText;          // a drop waiting to take the clipboard's place
    int32_t FetchBusy = 0;
};
