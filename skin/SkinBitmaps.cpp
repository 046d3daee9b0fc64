// Bitmap resources looked up by numeric id under the ":/bitmaps" prefix.
#include "skin/SkinBitmaps.h"

QImage LoadBitmapResource(int id) {
    if (id <= 0) return QImage();
    QImage image(art::BitmapResourcePath(id), "BMP");
    return image;
}
