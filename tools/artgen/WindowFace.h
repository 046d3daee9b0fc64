// The face of a secondary window: a lacquer title band that carries the
// caption, the green panel, an optional white page area framed in lacquer,
// and a lacquer band along the bottom edge, under the rounded, key-cut
// outline every window of the program has.
#pragma once

#include <QImage>
#include <optional>

#include "res/bitmaps/FaceLayout.h"

namespace art {

struct WindowFaceShape {
    int width = 0;
    int height = 0;
    std::optional<PixelRect> page;  // white, framed; none: panel green throughout
    int footTop = 0;                // the bottom band's first row
};

QImage PaintWindowFace(const WindowFaceShape& shape);

}  // namespace art
