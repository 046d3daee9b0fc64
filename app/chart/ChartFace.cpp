// Composing the chart window's face from its skin's nine slices.
#include "app/chart/ChartFace.h"

#include <QPainter>

namespace chartwnd {

QImage ComposeChartFace(const QImage& skin, QSize size) {
    if (skin.isNull() || size.width() < kSmallestFace.width() || size.height() < kSmallestFace.height())
        return {};
    const qreal ratio = skin.devicePixelRatio();
    const QSize skinSize = (QSizeF(skin.size()) / ratio).toSize();
    QImage face(size * ratio, QImage::Format_ARGB32_Premultiplied);
    face.setDevicePixelRatio(ratio);
    face.fill(Qt::transparent);

    // Column and row edges of the slices, in the skin and in the face.
    const int sx[4] = {0, kFaceLeft, skinSize.width() - kFaceRight, skinSize.width()};
    const int sy[4] = {0, kFaceTop, skinSize.height() - kFaceBottom, skinSize.height()};
    const int dx[4] = {0, kFaceLeft, size.width() - kFaceRight, size.width()};
    const int dy[4] = {0, kFaceTop, size.height() - kFaceBottom, size.height()};
    auto source = [&](int col, int row) {
        return QRectF(sx[col] * ratio, sy[row] * ratio, (sx[col + 1] - sx[col]) * ratio,
                      (sy[row + 1] - sy[row]) * ratio);
    };
    auto target = [&](int col, int row) {
        return QRectF(dx[col], dy[row], dx[col + 1] - dx[col], dy[row + 1] - dy[row]);
    };

    QPainter painter(&face);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const QRectF to = target(col, row);
            if (to.isEmpty()) continue;
            if (col == 1 && row == 0) {
                // The title band's middle: its fret repeated, never stretched.
                const QImage band = skin.copy(source(col, row).toRect());
                for (qreal x = to.left(); x < to.right(); x += sx[2] - sx[1]) {
                    const qreal w = std::min<qreal>(sx[2] - sx[1], to.right() - x);
                    painter.drawImage(QRectF(x, to.top(), w, to.height()), band,
                                      QRectF(0, 0, w * ratio, to.height() * ratio));
                }
                continue;
            }
            painter.drawImage(to, skin, source(col, row));
        }
    }
    return face;
}

}  // namespace chartwnd
