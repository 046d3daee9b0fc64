#include "res/bitmaps/BitmapIds.h"

namespace art {

QString BitmapResourcePath(int id) {
    return QStringLiteral(":/bitmaps/%1.bmp").arg(id);
}

QString HiDpiBitmapResourcePath(int id) {
    return QStringLiteral(":/bitmaps/%1@2x.png").arg(id);
}

QString IconResourcePath(const char* suffix) {
    return QStringLiteral(":/bitmaps/%1%2").arg(kIconId).arg(QLatin1String(suffix));
}

}  // namespace art
