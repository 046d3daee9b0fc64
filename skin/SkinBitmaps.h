// Bitmap resources of the program, compiled in and looked up by numeric id.
#pragma once

#include <QImage>
#include <QString>

#include "res/bitmaps/BitmapIds.h"

// Loads bitmap id from the compiled-in resources; a null image when the id is 0, negative
// or absent (every caller treats that as "cannot be loaded").
QImage LoadBitmapResource(int id);
