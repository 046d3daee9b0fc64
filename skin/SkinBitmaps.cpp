// Bitmap resources looked up by numeric id under the ":/bitmaps" prefix.
#include "skin/SkinBitmaps.h"

QImage LoadBitmapResource(int id) {
    if (id <= 0) return QImage();
    QImage image(art::BitmapResourcePath(id), "BMP");
    return image;
}

QImage LoadBitmapResource(int id, qreal devicePixelRatio) {
    if (id > 0 && devicePixelRatio > 1.0) {
        QImage image(art::HiDpiBitmapResourcePath(id), "PNG");
        if (!image.isNull()) {
            image.setDevicePixelRatio(2.0);
            return image;
        }
    }
    return LoadBitmapResource(id);
}
