#include "ArtKit.h"

#include <QPainterPath>
#include <cmath>

namespace art {

namespace {
int g_canvasScale = 1;
}  // namespace

int CanvasScale() {
    return g_canvasScale;
}

ScopedCanvasScale::ScopedCanvasScale(int scale) : m_previous(g_canvasScale) {
    g_canvasScale = scale;
}

ScopedCanvasScale::~ScopedCanvasScale() {
    g_canvasScale = m_previous;
}

QImage NewCanvas(int width, int height, const QColor& fill) {
    const int scale = CanvasScale();
    QImage image(width * scale, height * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(fill);
    return image;
}

int LogicalWidth(const QImage& image) {
    return qRound(image.width() / image.devicePixelRatio());
}

int LogicalHeight(const QImage& image) {
    return qRound(image.height() / image.devicePixelRatio());
}

void SetLogicalPixel(QImage& image, int x, int y, QRgb colour) {
    const int scale = qRound(image.devicePixelRatio());
    for (int dy = 0; dy < scale; ++dy)
        for (int dx = 0; dx < scale; ++dx) image.setPixel(x * scale + dx, y * scale + dy, colour);
}

static QFont MakeFont(const QString& family, int pixelSize, bool bold) {
    QFont font;
    font.setFamilies({family});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont SongFont(int pixelSize, bool bold) {
    return MakeFont(QStringLiteral("Noto Serif CJK SC"), pixelSize, bold);
}

QFont SansFont(int pixelSize, bool bold) {
    return MakeFont(QStringLiteral("Noto Sans CJK SC"), pixelSize, bold);
}

void CutRoundCorners(QImage& image, int radius) {
    const int w = LogicalWidth(image);
    const int h = LogicalHeight(image);
    const QRgb key = kKeyRed.rgb();
    // A pixel is cut when its centre lies outside the corner's quarter circle.
    for (int dy = 0; dy < radius; ++dy) {
        for (int dx = 0; dx < radius; ++dx) {
            const double cx = radius - dx - 0.5;
            const double cy = radius - dy - 0.5;
            if (cx * cx + cy * cy <= double(radius) * radius) continue;
            SetLogicalPixel(image, dx, dy, key);
            SetLogicalPixel(image, w - 1 - dx, dy, key);
            SetLogicalPixel(image, dx, h - 1 - dy, key);
            SetLogicalPixel(image, w - 1 - dx, h - 1 - dy, key);
        }
    }
}

void DrawCentredText(QPainter& p, const QPointF& centre, const QString& text, const QColor& colour) {
    const QRectF box(centre.x() - 400, centre.y() - 100, 800, 200);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

void DrawEngravedText(QPainter& p, const QRectF& box, const QString& text, const QColor& colour,
                      const QColor& shadow, int flags) {
    p.setPen(shadow);
    p.drawText(box.translated(1, 1), flags, text);
    p.setPen(colour);
    p.drawText(box, flags, text);
}

void DrawCloudScroll(QPainter& p, const QPointF& centre, double size, bool mirror, const QColor& colour,
                     double lineWidth) {
    p.save();
    p.translate(centre);
    if (mirror) p.scale(-1, 1);
    p.scale(size / 10.0, size / 10.0);
    QPen pen(colour, lineWidth * 10.0 / size, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);

    // A spiral that winds inward one and a half turns: the curl of the cloud.
    auto spiral = [](double cx, double cy, double r0, double turns, double start) {
        QPainterPath path;
        const int steps = 60;
        for (int i = 0; i <= steps; ++i) {
            const double t = double(i) / steps;
            const double a = start + t * turns * 2 * M_PI;
            const double r = r0 * (1.0 - 0.78 * t);
            const QPointF pt(cx + r * std::cos(a), cy + r * std::sin(a));
            if (i == 0)
                path.moveTo(pt);
            else
                path.lineTo(pt);
        }
        return path;
    };
    // Main curl, a smaller twin curl beside it, and the trailing tail.
    p.drawPath(spiral(0, 0, 10, 1.25, M_PI * 0.5));
    p.drawPath(spiral(13, 3, 6, 1.1, M_PI * 0.6));
    QPainterPath lobe;
    lobe.moveTo(0, 10);
    lobe.cubicTo(6, 12, 10, 10, 13, 9);
    p.drawPath(lobe);
    QPainterPath tail;
    tail.moveTo(-10, 1);
    tail.cubicTo(-16, 8, -24, 9, -32, 6);
    tail.moveTo(-6, 8);
    tail.cubicTo(-14, 14, -22, 14, -28, 12);
    p.drawPath(tail);
    p.restore();
}

void DrawKeyFret(QPainter& p, const QRectF& band, const QColor& colour) {
    // One unit is a square spiral of side s; units alternate their turn so the band
    // reads as a continuous meander.
    const double s = band.height();
    p.save();
    p.setClipRect(band);
    QPen pen(colour, 1.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const double step = s + 2;
    for (double x = band.left(); x + s <= band.right(); x += step) {
        const double y = band.top();
        QPainterPath path;
        path.moveTo(x + 0.5, y + s - 0.5);
        path.lineTo(x + 0.5, y + 0.5);
        path.lineTo(x + s - 0.5, y + 0.5);
        path.lineTo(x + s - 0.5, y + s - 0.5);
        path.lineTo(x + s * 0.3, y + s - 0.5);
        path.lineTo(x + s * 0.3, y + s * 0.3);
        path.lineTo(x + s * 0.7, y + s * 0.3);
        path.lineTo(x + s * 0.7, y + s * 0.7);
        p.drawPath(path);
        p.drawLine(QPointF(x + s - 0.5, y + s - 0.5), QPointF(x + step + 0.5, y + s - 0.5));
    }
    p.restore();
}

void DrawBagua(QPainter& p, const QPointF& centre, double radius, const QColor& ink, const QColor& paper) {
    p.save();
    p.translate(centre);
    // Outer rings.
    p.setPen(QPen(ink, 1.4));
    p.setBrush(paper);
    p.drawEllipse(QPointF(0, 0), radius, radius);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 0.8));
    p.drawEllipse(QPointF(0, 0), radius - 3, radius - 3);
    p.drawEllipse(QPointF(0, 0), radius * 0.44, radius * 0.44);

    // The eight trigrams in the Later Heaven order with south at the top, clockwise:
    // 离 坤 兑 乾 坎 艮 震 巽. Bit 0 is a trigram's bottom line, drawn innermost; a set
    // bit is an unbroken (yang) line.
    static constexpr int kTrigrams[8] = {0b101, 0b000, 0b011, 0b111, 0b010, 0b100, 0b001, 0b110};
    const double barLength = radius * 0.30;
    const double barThick = radius * 0.055;
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.rotate(i * 45.0);
        for (int bar = 0; bar < 3; ++bar) {
            const double r = radius * (0.56 + bar * 0.11);
            const bool yang = (kTrigrams[i] >> bar) & 1;
            const double half = barLength * (0.82 + bar * 0.12) / 2;
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            if (yang) {
                p.drawRect(QRectF(-half, -r - barThick / 2, 2 * half, barThick));
            } else {
                const double gap = half * 0.28;
                p.drawRect(QRectF(-half, -r - barThick / 2, half - gap, barThick));
                p.drawRect(QRectF(gap, -r - barThick / 2, half - gap, barThick));
            }
        }
        p.restore();
    }

    // Yin-yang disc.
    const double r = radius * 0.36;
    p.setPen(Qt::NoPen);
    p.setBrush(paper);
    p.drawEllipse(QPointF(0, 0), r, r);
    QPainterPath yin;
    yin.moveTo(0, -r);
    yin.arcTo(QRectF(-r, -r, 2 * r, 2 * r), 90, 180);
    yin.arcTo(QRectF(-r / 2, 0, r, r), 270, -180);
    yin.arcTo(QRectF(-r / 2, -r, r, r), 270, 180);
    yin.closeSubpath();
    p.setBrush(ink);
    p.drawPath(yin);
    p.setBrush(paper);
    p.drawEllipse(QPointF(0, -r / 2), r * 0.14, r * 0.14);
    p.setBrush(ink);
    p.drawEllipse(QPointF(0, r / 2), r * 0.14, r * 0.14);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 1.0));
    p.drawEllipse(QPointF(0, 0), r, r);
    p.restore();
}

void DrawSeal(QPainter& p, const QRectF& box, const QString& characters) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(kCinnabar);
    p.drawRoundedRect(box, 2.5, 2.5);
    p.setPen(QPen(kPaper, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box.adjusted(2.5, 2.5, -2.5, -2.5));
    const int n = int(characters.size());
    // Two characters stand one above the other; four fill two columns.
    const int columns = n > 2 ? 2 : 1;
    const int rows = (n + columns - 1) / columns;
    const QRectF inner = box.adjusted(4, 4, -4, -4);
    const double cw = inner.width() / columns;
    const double ch = inner.height() / rows;
    p.setFont(SongFont(int(std::min(cw, ch) * 0.92), true));
    p.setPen(kPaper);
    for (int i = 0; i < n; ++i) {
        const int column = columns - 1 - i / rows;  // right column first
        const int row = i % rows;
        const QRectF cell(inner.left() + column * cw, inner.top() + row * ch, cw, ch);
        p.drawText(cell, Qt::AlignCenter, characters.mid(i, 1));
    }
    p.restore();
}

void DrawHeadedBox(QPainter& p, const QRectF& box, const QString& heading, const QColor& fill) {
    p.save();
    p.setBrush(fill);
    // An engraved groove: a dark line with a light line below and right of it.
    p.setPen(QPen(kOliveLight, 1.0));
    p.drawRoundedRect(box.translated(1, 1), 4, 4);
    p.setPen(QPen(kOliveLine, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(box, 4, 4);

    // Heading plaque set into the top edge.
    const QFont font = SongFont(13, true);
    p.setFont(font);
    const QFontMetricsF fm(font);
    const double tw = fm.horizontalAdvance(heading);
    const QRectF plaque(box.left() + 12, box.top() - 9, tw + 22, 18);
    p.setPen(QPen(kLacquerDark, 1.0));
    p.setBrush(kLacquer);
    p.drawRoundedRect(plaque, 3, 3);
    p.setPen(QPen(kGold, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(plaque.adjusted(2, 2, -2, -2), 2, 2);
    p.setPen(kGoldPale);
    p.drawText(plaque.adjusted(0, -1, 0, 0), Qt::AlignCenter, heading);
    p.restore();
}

}  // namespace art
