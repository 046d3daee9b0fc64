// Where a window opens beside its owner: on the owner's screen, as large as
// it wants up to that screen's free area, offset from the owner's corner and
// moved back inside the screen where the offset would put any of it off.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace chartwnd {

// The offset from the owner's top-left corner a window opens at.
inline constexpr QPoint kOffsetFromOwner{40, 30};

// The window's rectangle: `wanted` bounded by `available` (the screen's free
// area), at `owner`'s top-left + kOffsetFromOwner, then moved so that it lies
// wholly inside `available`. An empty `owner` centres the window instead.
QRect PlaceOnScreen(const QRect& owner, QSize wanted, const QRect& available);

// The free area of the screen that holds the middle of `owner` (the primary
// screen's when `owner` is null or lies on no screen).
QRect AvailableAround(const QWidget* owner);

}  // namespace chartwnd
