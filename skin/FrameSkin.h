// Frame operations for a frameless top-level dialog whose face and shape are one skin
// bitmap: the shape from the colour-key pixels of its top and bottom bands, the bitmap
// (and an optional caption) as background, and moving the window by its background.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QRgb>
#include <QSize>
#include <QString>
#include <functional>

class QMouseEvent;
class QPainter;
class QWidget;
class QWindow;

// The colour key of every frame of the program: pure red.
inline constexpr QRgb kFrameColourKey = 0xFFFF0000;
// Height of the shaped bands at the top and the bottom edge.
inline constexpr int kFrameBandHeight = 20;
// The caption's top-left corner and colour.
inline constexpr int kCaptionLeft = 30;
inline constexpr int kCaptionTop = 4;
inline constexpr QRgb kCaptionColour = 0xFFFFFF40;  // RGB(255,255,64)

// The window shape for a window of size W x H: the rectangle minus every pixel of the
// skin that equals the key exactly in rows y < 20 or y > H - 20 (columns 0..W, rows 0..H;
// pixels outside the bitmap never match). A null skin gives the full rectangle.
QRegion FrameRegionFromBitmap(const QImage& skin, QSize windowSize, QRgb key = kFrameColourKey);

// Sets the dialog's mask from its skin at its current size. For a top-level not yet
// shown it also makes the window frameless and translucent, so that the cut-out pixels,
// painted transparent by PaintFrameBackground, show the desktop on Wayland as on X11.
void ApplyFrameRegion(QWidget* dialog, const QImage& skin, QRgb key = kFrameColourKey);

// Paints the skin at (0, 0) with the dialog's size, leaving the cut-out pixels transparent,
// then the caption (if not empty) at (30, 4) in the caption font and colour. Returns false
// and draws nothing when the skin is null. Call it first in the dialog's paintEvent.
bool PaintFrameBackground(QWidget* dialog, QPainter& painter, const QImage& skin,
                          const QString& caption = QString(), QRgb key = kFrameColourKey);

// Distance in pixels (Manhattan) the pointer moves with the button held before a press on
// a frame's background becomes a move.
inline constexpr int kFrameDragStartDistance = 3;

// Takes a left press on the dialog's bare background for moving its window: once the
// pointer has moved kFrameDragStartDistance with the button held, through the window
// system where it allows it, else by following the pointer until the button is released.
// A press released without moving (a click, a touchpad tap) moves nothing and asks the
// window system for nothing. Returns true when the press was taken. Call it from the
// dialog's mousePressEvent; after a move by the window system the dialog may never see
// the release, so it must not wait for one to clear any pressed state of its own.
// The move follows the pointer from the first drag even where the toolkit's idea of the
// window's position is stale (see InstallWindowPositionCheck).
bool DragFrame(QWidget* dialog, QMouseEvent* event);

// Replaces the window system's move (QWindow::startSystemMove) for tests; an empty
// function restores it.
void SetSystemMoveForTesting(std::function<bool(QWindow*)> move);

// Where the top-left of the event's window really is on the screen: the event's global
// point less its point in the window (both as the window system reported them).
QPoint TrueWindowOrigin(const QMouseEvent& event);

// Installs (once) an application-wide check that corrects the known position of a
// top-level window from every mouse press on it, so that dialogs placed relative to
// the window open where they should even when a window manager left the position stale.
void InstallWindowPositionCheck();
