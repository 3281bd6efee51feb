// Where the program's windows stand on the screen: the main window at the top left of the
// screen's free area, the ordering list at its lower right and the sheet window directly above
// it. Places are those of the windows' frames, as the window manager draws them, so that every
// title bar stays on the screen.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>

class QWidget;

// The top left corner of a frame of the given size put at a corner of the area, moved back into
// the area where it does not fit: the title bar (the frame's top left) never leaves it.
QPoint frameAtTopLeft(const QRect& area, const QSize& frame);
QPoint frameAtLowerRight(const QRect& area, const QSize& frame);
// Right-aligned, with its bottom on `bottom` (the top of the window below it).
QPoint frameAbove(const QRect& area, const QSize& frame, int bottom);

// The ordering list window's size inside its frame, below the sheet window's frame of
// `sheetFrame` in the area: its design size where the screen allows, else less, so that the
// sheet window above it is not covered; never below `minimum`, what its controls need. Where
// even that does not leave the sheet window room, the sheet window still stands whole at the
// top and the list is as small as it can be.
QSize listWindowSize(const QRect& area, const QSize& design, const QSize& minimum,
                     const QMargins& listFrame, const QSize& sheetFrame);

// The frame the window manager draws around a window: known once the window has been framed;
// before that, the frame of another of the program's windows that has been (the same window
// manager draws the same frame), else none.
QMargins frameMarginsOf(const QWidget* window, const QWidget* framedWindow = nullptr);

// The screen area free of panels that the window is on (the primary screen before it is shown).
QRect availableAreaOf(const QWidget* window);

// Puts the window's frame where `where` says for the frame size it is given, now and again
// whenever the window manager's frame around it changes (a window is framed only once it shows,
// and on some desktops later still), so that the place counts the frame.
void placeFrame(QWidget* window, std::function<QPoint(const QSize& frame)> where,
                const QWidget* framedWindow = nullptr);
