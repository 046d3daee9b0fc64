// The chart window's face at any size: skin 257 (860 x 760) cut into nine
// slices. The corners (the rounded, key-cut outline, the caption's end of the
// title band and the close button's) keep their pixels; the title band's
// middle repeats its key fret; the panel, the page area and the foot band
// stretch, so their frame lines stay one pixel wide.
#pragma once

#include <QImage>
#include <QSize>

namespace chartwnd {

// The slices of the face, in the skin's logical pixels: the columns kept at
// the left (the caption and the first fret) and right (the close button), the
// rows kept at the top (title band, control band and the page frame's top)
// and at the bottom (the page frame's foot and the foot band).
inline constexpr int kFaceLeft = 470;
inline constexpr int kFaceRight = 40;
inline constexpr int kFaceTop = 100;
inline constexpr int kFaceBottom = 24;
// A face smaller than its kept slices cannot be composed.
inline constexpr QSize kSmallestFace{kFaceLeft + kFaceRight, kFaceTop + kFaceBottom};

// The face for a window of `size` (logical pixels), at the skin's device
// pixel ratio. A null skin or a size under kSmallestFace gives a null image.
QImage ComposeChartFace(const QImage& skin, QSize size);

}  // namespace chartwnd
