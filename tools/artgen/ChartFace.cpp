// The chart window's face: a lacquer title band that carries the caption, the
// green panel with the conventions' controls, and a white page area framed in
// lacquer, under the same rounded, key-cut outline as the other windows.
#include <QLinearGradient>

#include "ArtKit.h"
#include "Pictures.h"
#include "res/bitmaps/FaceLayout.h"

namespace art {

QImage PaintChartFace() {
    const int w = kChartFaceWidth;
    const int h = kChartFaceHeight;
    const int band = 24;
    QImage image = NewCanvas(w, h, kPanelGreen);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // The title band, a gilt rule under it, and key fret between the caption and
    // the close button.
    QLinearGradient title(0, 0, 0, band);
    title.setColorAt(0.0, QColor(136, 80, 42));
    title.setColorAt(0.45, kLacquer);
    title.setColorAt(1.0, kLacquerDark);
    p.fillRect(QRect(0, 0, w, band), title);
    p.fillRect(QRect(0, band - 3, w, 1), kGold);
    p.fillRect(QRect(0, band - 1, w, 1), kLacquerDark);
    DrawKeyFret(p, QRectF(140, 7, 320, 10), QColor(160, 104, 56));
    DrawKeyFret(p, QRectF(500, 7, 320, 10), QColor(160, 104, 56));

    // The page area: white, in a lacquer frame with a gilt inner line.
    const PixelRect page = kChartFacePageArea;
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(kLacquerDark, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(page.x - 2, page.y - 2, page.w + 3, page.h + 3);
    p.setPen(QPen(kGold, 1.0));
    p.drawRect(page.x - 1, page.y - 1, page.w + 1, page.h + 1);
    p.fillRect(QRect(page.x, page.y, page.w, page.h), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);

    // A thin lacquer band along the bottom edge, under the page.
    const int bottom = page.y + page.h + 3;
    QLinearGradient foot(0, bottom, 0, h);
    foot.setColorAt(0, kLacquer);
    foot.setColorAt(1, kLacquerDark);
    p.fillRect(QRect(0, bottom, w, h - bottom), foot);
    p.fillRect(QRect(0, bottom, w, 1), kGold);

    // The window's outline just inside its rounded shape.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kLacquerDark, 1.0));
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), kCornerRadius - 0.5, kCornerRadius - 0.5);
    p.end();
    CutRoundCorners(image, kCornerRadius);
    return image;
}

}  // namespace art
