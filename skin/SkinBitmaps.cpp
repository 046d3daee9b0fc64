// Bitmap resources looked up by numeric id under the ":/bitmaps" prefix.
#include "skin/SkinBitmaps.h"

QString BitmapResourcePath(int id) {
    return QStringLiteral(":/bitmaps/%1.bmp").arg(id);
}

QImage LoadBitmapResource(int id) {
    if (id <= 0) return QImage();
    QImage image(BitmapResourcePath(id), "BMP");
    return image;
}
