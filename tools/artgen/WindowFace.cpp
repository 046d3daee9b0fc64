// Painting a secondary window's face.
#include "WindowFace.h"

#include <QLinearGradient>

#include "ArtKit.h"

namespace art {
namespace {

constexpr int kTitleBand = 24;      // rows of the title band
constexpr double kFretStart = 140;  // the key fret starts right of the longest caption
constexpr double kFretGap = 40;     // between the two fret bands, and before the close button
constexpr double kFretTop = 7;
constexpr double kFretHeight = 10;

}  // namespace

QImage PaintWindowFace(const WindowFaceShape& shape) {
    const int w = shape.width;
    const int h = shape.height;
    QImage image = NewCanvas(w, h, kPanelGreen);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // The title band, a gilt rule under it, and key fret in two bands between
    // the caption and the close button.
    QLinearGradient title(0, 0, 0, kTitleBand);
    title.setColorAt(0.0, QColor(136, 80, 42));
    title.setColorAt(0.45, kLacquer);
    title.setColorAt(1.0, kLacquerDark);
    p.fillRect(QRect(0, 0, w, kTitleBand), title);
    p.fillRect(QRect(0, kTitleBand - 3, w, 1), kGold);
    p.fillRect(QRect(0, kTitleBand - 1, w, 1), kLacquerDark);
    const double fret = (w - kFretStart - 2 * kFretGap) / 2;
    DrawKeyFret(p, QRectF(kFretStart, kFretTop, fret, kFretHeight), QColor(160, 104, 56));
    DrawKeyFret(p, QRectF(kFretStart + fret + kFretGap, kFretTop, fret, kFretHeight), QColor(160, 104, 56));

    // The page area: white, in a lacquer frame with a gilt inner line.
    if (shape.page) {
        const PixelRect page = *shape.page;
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(kLacquerDark, 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(page.x - 2, page.y - 2, page.w + 3, page.h + 3);
        p.setPen(QPen(kGold, 1.0));
        p.drawRect(page.x - 1, page.y - 1, page.w + 1, page.h + 1);
        p.fillRect(QRect(page.x, page.y, page.w, page.h), Qt::white);
        p.setRenderHint(QPainter::Antialiasing);
    }

    // A thin lacquer band along the bottom edge.
    const int bottom = shape.footTop;
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
