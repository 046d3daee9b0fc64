// The chart window's face: a lacquer title band that carries the caption, the
// green panel with the conventions' controls, and a white page area framed in
// lacquer, under the same rounded, key-cut outline as the other windows.
#include "Pictures.h"
#include "WindowFace.h"
#include "res/bitmaps/FaceLayout.h"

namespace art {

QImage PaintChartFace() {
    const PixelRect page = kChartFacePageArea;
    return PaintWindowFace(
        {.width = kChartFaceWidth, .height = kChartFaceHeight, .page = page, .footTop = page.y + page.h + 3});
}

}  // namespace art
