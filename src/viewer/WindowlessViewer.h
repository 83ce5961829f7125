#pragma once
// What the character renderer draws on and reads, without a window: a canvas of the given
// size and a viewer at the start of its text (position 1, page list "1", speed 5). The
// command-line paginate and search, the layout benchmark and the renderer's tests use it.
#include "core/Surface.h"
#include "state/ViewerState.h"
#include "viewer/CharacterRenderer.h"
#include "viewer/RendererHost.h"
#include "viewer/StatusRenderer.h"
#include "viewer/ViewerPageState.h"

struct WindowlessViewer {
    WindowlessViewer(int widthPx, int heightPx) : canvas(widthPx, heightPx)
    {
        viewer.Canvas = &canvas;
        viewer.ReadPosition = 1;
        viewer.PageStartList = QStringLiteral("1");
        viewer.MessageSpeed = 5;
    }
    WindowlessViewer(const WindowlessViewer&) = delete;
    WindowlessViewer& operator=(const WindowlessViewer&) = delete;

    Surface canvas;
    ViewerState viewer;
    ViewerPageState page;
    FlagRendererHost host;
    StatusRenderer status{viewer, page};
    CharacterRenderer renderer{viewer, page, host, status};
};
