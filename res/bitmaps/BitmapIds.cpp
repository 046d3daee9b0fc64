#include "res/bitmaps/BitmapIds.h"

namespace art {

QString BitmapResourcePath(int id) {
    return QStringLiteral(":/bitmaps/%1.bmp").arg(id);
}

}  // namespace art
