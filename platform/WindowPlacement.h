// Where a window goes on the screen: the main window inside the screen's free area, and a tool
// window beside it where it fits, else where it covers the least of the editor. Plain geometry,
// so that every screen size and scale can be tried without a screen.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

// The largest client size of a window with frame that the area holds, at most wanted.
QSize FittingClientSize(QSize wanted, const QRect& area, const QMargins& frame);

// The client rectangle of a window of client size wanted and frame, centred in area and wholly
// inside it (shrunk to fit first).
QRect CentredClientRect(QSize wanted, const QRect& area, const QMargins& frame);

// The client rectangle of a window given back its saved client rectangle on a screen whose
// available area may differ from the one it was saved on: no larger than the area holds, no
// smaller than minimum (as far as the area holds it), and moved wholly inside the area.
QRect FittedClientRect(const QRect& client, const QRect& area, const QMargins& frame,
                       QSize minimum);

struct TBesideRequest {
    QRect Area;        // the screen's available geometry
    QRect MainFrame;   // the main window's frame on the screen
    QRect Editor;      // what must stay visible most: the editor, on the screen
    QSize Wanted;      // the new window's client size
    QMargins Frame;    // the frame the window manager puts around a client area
    int MinHeight = 0; // the client is at least this tall where the area has room
};

// The client rectangle for a window shown beside the main window: to its right, else to its
// left where either has room for the whole window; else the place, right, left, below or above
// and moved into the area, that covers the least of the editor (then of the main window). The
// window is always wholly inside the area, shrunk when it is larger.
QRect PlaceBeside(const TBesideRequest& request);
