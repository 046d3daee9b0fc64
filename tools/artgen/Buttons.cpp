// The command buttons and the title-bar buttons, with their masks.
#include <QLinearGradient>
#include <QPainterPath>
#include <array>

#include "ArtKit.h"
#include "Pictures.h"
#include "res/bitmaps/FaceLayout.h"

namespace art {

namespace {

constexpr int kCommandButtonRadius = 5;

// True when pixel (x, y) of a w x h button lies inside its rounded outline.
bool InsideRoundedRect(int x, int y, int w, int h, int radius) {
    const int dx = x < radius ? radius - x : (x >= w - radius ? x - (w - radius - 1) : 0);
    const int dy = y < radius ? radius - y : (y >= h - radius ? y - (h - radius - 1) : 0);
    if (dx == 0 || dy == 0) return true;
    const double cx = dx - 0.5;
    const double cy = dy - 0.5;
    return cx * cx + cy * cy <= double(radius) * radius;
}

// A mask image of logical size w x h at the canvas scale: black where the shape is,
// white elsewhere, decided for each logical pixel.
template <typename Inside>
QImage MakeMask(int w, int h, Inside inside) {
    const int scale = CanvasScale();
    QImage mask(w * scale, h * scale, QImage::Format_Mono);
    mask.setDevicePixelRatio(scale);
    mask.setColorTable({kMaskBlack.rgb(), kMaskWhite.rgb()});
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x) mask.setPixel(x, y, inside(x / scale, y / scale) ? 0 : 1);
    return mask;
}

// Makes a picture agree with its mask: pure white (the mask's key) outside the shape
// and nowhere inside it, so the picture's shape is exactly the mask's.
void ConformToMask(QImage& picture, const QImage& mask) {
    const QRgb white = kMaskWhite.rgb();
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const bool transparent = mask.pixel(x, y) == white;
            if (transparent)
                picture.setPixel(x, y, white);
            else if ((picture.pixel(x, y) & 0xFFFFFF) == (white & 0xFFFFFF))
                picture.setPixel(x, y, qRgb(254, 252, 246));
        }
    }
}

}  // namespace

QImage PaintCommandButtonMask() {
    const int w = kCommandButtonWidth;
    const int h = kCommandButtonHeight;
    return MakeMask(w, h, [&](int x, int y) { return InsideRoundedRect(x, y, w, h, kCommandButtonRadius); });
}

QImage PaintCommandButton(bool pressed) {
    const int w = kCommandButtonWidth;
    const int h = kCommandButtonHeight;
    QImage image = NewCanvas(w, h, kLacquer);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF outer(0.5, 0.5, w - 1, h - 1);
    QLinearGradient fill(0, 0, 0, h);
    if (pressed) {
        fill.setColorAt(0, QColor(196, 164, 102));
        fill.setColorAt(0.5, QColor(214, 188, 130));
        fill.setColorAt(1, QColor(232, 214, 168));
    } else {
        fill.setColorAt(0, QColor(252, 244, 222));
        fill.setColorAt(0.5, QColor(238, 222, 178));
        fill.setColorAt(1, QColor(214, 186, 126));
    }
    p.setPen(QPen(pressed ? kLacquerDark : kLacquer, 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(outer, kCommandButtonRadius - 0.5, kCommandButtonRadius - 0.5);

    // An inner rule: a light one that lifts the normal picture, a shadow that sinks the
    // pressed one.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(pressed ? QColor(150, 110, 60, 160) : QColor(255, 250, 236, 200), 1.0));
    p.drawRoundedRect(QRectF(1.5, 1.5, w - 3, h - 3), kCommandButtonRadius - 1.5, kCommandButtonRadius - 1.5);

    // A small lozenge at each end, clear of the caption.
    const double cy = h / 2.0 + (pressed ? 0.5 : 0);
    const QColor ornament = pressed ? QColor(124, 78, 36) : kBronze;
    for (bool right : {false, true}) {
        const double cx = (right ? w - 7.5 : 7.5) + (pressed ? 0.5 : 0);
        QPainterPath lozenge;
        lozenge.moveTo(cx, cy - 2.5);
        lozenge.lineTo(cx + 2.5, cy);
        lozenge.lineTo(cx, cy + 2.5);
        lozenge.lineTo(cx - 2.5, cy);
        lozenge.closeSubpath();
        p.setPen(QPen(ornament, 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawPath(lozenge);
        p.setPen(Qt::NoPen);
        p.setBrush(ornament);
        p.drawEllipse(QPointF(cx, cy), 0.8, 0.8);
    }
    p.end();
    ConformToMask(image, PaintCommandButtonMask());
    return image;
}

QImage PaintTitleButtonMask() {
    const int w = kTitleButtonWidth;
    const int h = kTitleButtonHeight;
    // The four corner pixels are cut, which rounds the small button.
    return MakeMask(w, h, [&](int x, int y) { return !((x == 0 || x == w - 1) && (y == 0 || y == h - 1)); });
}

QImage PaintTitleButton(TitleGlyph glyph, bool pressed) {
    const int w = kTitleButtonWidth;
    const int h = kTitleButtonHeight;
    // Glyphs on the 9 x 8 inside of the button, '#' marks a glyph pixel.
    static constexpr std::array<const char*, 8> kAbout{
        "...###...", "..##.##..", ".....##..", "....##...",
        "...##....", ".........", "...##....", ".........",
    };
    static constexpr std::array<const char*, 8> kMinimise{
        ".........", ".........", ".........", ".........",
        ".........", "..#####..", "..#####..", ".........",
    };
    static constexpr std::array<const char*, 8> kClose{
        ".........", ".##...##.", "..##.##..", "...###...",
        "..##.##..", ".##...##.", ".........", ".........",
    };
    const auto& rows = glyph == TitleGlyph::About      ? kAbout
                       : glyph == TitleGlyph::Minimise ? kMinimise
                                                       : kClose;

    QImage image = NewCanvas(w, h, kLacquerDark);
    // Bronze body, shaded top to bottom (reversed and darker when pressed).
    for (int y = 1; y < h - 1; ++y) {
        const double t = double(y - 1) / (h - 3);
        const QColor top = pressed ? QColor(104, 64, 32) : QColor(204, 160, 92);
        const QColor bottom = pressed ? QColor(150, 106, 58) : QColor(132, 86, 42);
        const QColor c = QColor::fromRgbF(top.redF() + (bottom.redF() - top.redF()) * t,
                                          top.greenF() + (bottom.greenF() - top.greenF()) * t,
                                          top.blueF() + (bottom.blueF() - top.blueF()) * t);
        for (int x = 1; x < w - 1; ++x) SetLogicalPixel(image, x, y, c.rgb());
    }
    if (!pressed)
        for (int x = 2; x < w - 2; ++x) SetLogicalPixel(image, x, 1, qRgb(226, 190, 124));
    const QRgb ink = pressed ? qRgb(236, 214, 160) : qRgb(252, 238, 190);
    const int shift = pressed ? 1 : 0;
    for (int gy = 0; gy < 8; ++gy)
        for (int gx = 0; gx < 9; ++gx) {
            const int x = 1 + gx + shift;
            const int y = 1 + gy + shift;
            if (rows[gy][gx] == '#' && x < w - 1 && y < h - 1) SetLogicalPixel(image, x, y, ink);
        }
    ConformToMask(image, PaintTitleButtonMask());
    return image;
}

QImage PaintBlankPicture() {
    return NewCanvas(kPictureWidth, kPictureHeight, Qt::white);
}

QImage PaintIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const double s = size / 32.0;
    p.scale(s, s);
    p.setPen(QPen(kLacquerDark, 1.2));
    p.setBrush(kCinnabar);
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 5, 5);
    p.setPen(QPen(kGoldPale, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 3, 3);
    p.setFont(SongFont(21, true));
    p.setPen(kPaper);
    p.drawText(QRectF(0, -1, 32, 32), Qt::AlignCenter, QStringLiteral("命"));
    return image;
}

}  // namespace art
