// The faces of the people window (档案) and the person dialog: the secondary
// windows' face, the window with a white list area under its search band,
// the dialog a plain panel.
#include "Pictures.h"
#include "WindowFace.h"
#include "res/bitmaps/FaceLayout.h"

namespace art {

QImage PaintPeopleFace() {
    const PixelRect commands = kPeopleFaceCommandBand;
    return PaintWindowFace({.width = kPeopleFaceWidth,
                            .height = kPeopleFaceHeight,
                            .page = kPeopleFaceListArea,
                            .footTop = commands.y + commands.h + 4});
}

QImage PaintPersonFace() {
    const PixelRect controls = kPersonFaceControlBand;
    return PaintWindowFace({.width = kPersonFaceWidth,
                            .height = kPersonFaceHeight,
                            .page = std::nullopt,
                            .footTop = controls.y + controls.h + 4});
}

}  // namespace art
