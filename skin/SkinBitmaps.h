// Bitmap resources of the program, compiled in and looked up by numeric id.
#pragma once

#include <QImage>
#include <QString>

#include "res/bitmaps/BitmapIds.h"

// Loads bitmap id from the compiled-in resources; a null image when the id is 0, negative
// or absent (every caller treats that as "cannot be loaded").
QImage LoadBitmapResource(int id);

// The bitmap to paint on a device of the given pixel ratio: above 1 the @2x
// version, whose device pixel ratio of 2 makes it paint at the 1x bitmap's logical
// size; the 1x bitmap at ratio 1 or where there is no @2x version. Shapes, masks,
// colour keys and hit tests stay with the 1x bitmap, in logical pixels.
QImage LoadBitmapResource(int id, qreal devicePixelRatio);
