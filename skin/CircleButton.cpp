// The round-ended push button: capsule geometry, the rim shading, the midpoint half
// circles and the painter for the raised, pressed and disabled looks.
#include "skin/CircleButton.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>

#include "skin/SkinColours.h"

namespace {

// Direction of full light (radians, y downwards) and the wrap constants of the shading.
constexpr double kLightDirection = -1.88;
constexpr double kWrapLimit = 3.1415;
constexpr double kWrapTurn = 6.293;
constexpr double kHalfPi = 1.570796327;
constexpr double kPi = 3.141592654;

int Blend(double w, int fromC1, int fromC2) {
    return static_cast<int>((1.0 - w) * fromC2 + w * fromC1);
}

}  // namespace

CircleGeometry CircleGeometry::ForSize(QSize size) {
    CircleGeometry g;
    const int width = size.width();
    const int height = size.height();
    g.centre = QPoint(width / 2, height / 2);
    g.wide = width > height;
    if (g.wide) {
        g.radius = height / 2 - 1;
        g.leftCentre = QPoint(g.radius, g.centre.y());
        g.rightCentre = QPoint(width - g.radius - 1, g.centre.y());
    } else {
        // Not wider than tall: one circle in the middle, as large as the width allows.
        g.radius = std::min(width, height) / 2 - 1;
        g.leftCentre = g.centre;
        g.rightCentre = g.centre;
    }
    return g;
}

CCircleButton::CCircleButton(QWidget* parent) : CCircleButton(QString(), parent) {}

CCircleButton::CCircleButton(const QString& text, QWidget* parent) : CSkinButton(text, parent) {
    UpdateShape();
}

void CCircleButton::PreSubclassWindow(unsigned templateStyle) {
    CSkinButton::PreSubclassWindow(templateStyle);
    UpdateShape();
}

void CCircleButton::resizeEvent(QResizeEvent* event) {
    CSkinButton::resizeEvent(event);
    UpdateShape();
}

void CCircleButton::UpdateShape() {
    if (width() > 0 && height() > 0) setMask(QRegion(rect(), QRegion::Ellipse));
}

QRgb CCircleButton::Shade(double angle, QRgb c1, QRgb c2) {
    double phi = kLightDirection - angle;
    if (phi < -kWrapLimit) {
        phi = phi + kWrapTurn;
    } else if (phi > kWrapLimit) {
        phi = kWrapTurn - phi;
    }
    const double w = (std::cos(phi) + 1.0) * 0.5;
    return qRgb(Blend(w, qRed(c1), qRed(c2)), Blend(w, qGreen(c1), qGreen(c2)),
                Blend(w, qBlue(c1), qBlue(c2)));
}

std::vector<CCircleButton::RimPixel> CCircleButton::HalfRimPixels(QPoint centre, int radius, QRgb c1, QRgb c2,
                                                                  RimSide side) {
    std::vector<RimPixel> pixels;
    const int x0 = centre.x();
    const int y0 = centre.y();
    int x = radius;
    int y = 0;
    int err = -radius;
    while (y <= x) {
        const double theta = std::atan2(static_cast<double>(y), static_cast<double>(x));
        if (side == RimSide::Right) {
            pixels.emplace_back(QPoint(x0 + x, y0 + y), Shade(theta, c1, c2));
            pixels.emplace_back(QPoint(x0 + y, y0 + x), Shade(kHalfPi - theta, c1, c2));
            pixels.emplace_back(QPoint(x0 + y, y0 - x), Shade(theta - kHalfPi, c1, c2));
            pixels.emplace_back(QPoint(x0 + x, y0 - y), Shade(-theta, c1, c2));
        } else {
            pixels.emplace_back(QPoint(x0 - y, y0 + x), Shade(theta + kHalfPi, c1, c2));
            pixels.emplace_back(QPoint(x0 - x, y0 + y), Shade(kPi - theta, c1, c2));
            pixels.emplace_back(QPoint(x0 - x, y0 - y), Shade(theta - kPi, c1, c2));
            pixels.emplace_back(QPoint(x0 - y, y0 - x), Shade(-theta - kHalfPi, c1, c2));
        }
        err = err + 2 * y + 1;
        y = y + 1;
        if (err >= 0) {
            x = x - 1;
            err = err - 2 * x;
        }
    }
    return pixels;
}

void CCircleButton::HalfRim(QImage& image, QPoint centre, int radius, QRgb c1, QRgb c2, RimSide side) {
    for (const auto& [point, colour] : HalfRimPixels(centre, radius, c1, c2, side)) {
        if (image.rect().contains(point)) image.setPixel(point, colour);
    }
}

void CCircleButton::DrawItem(QPainter& painter, const SkinItemState& state) {
    if (state.rect.isEmpty()) return;
    const QPalette& pal = palette();
    const QRgb highlight = SysColor(pal, SysColour::BtnHighlight).rgb();
    const QRgb light = SysColor(pal, SysColour::ThreeDLight).rgb();
    const QRgb shadow = SysColor(pal, SysColour::BtnShadow).rgb();
    const QRgb darkShadow = SysColor(pal, SysColour::ThreeDDkShadow).rgb();
    const CircleGeometry g = CircleGeometry::ForSize(state.rect.size());
    const int r = g.radius;
    const QPoint left = g.leftCentre;
    const QPoint right = g.rightCentre;

    // Drawn into an image first: the straight edges read back the rim pixels just set.
    QImage canvas(state.rect.size(), QImage::Format_RGB32);
    canvas.fill(kDialogFaceColour);

    const bool pressed = state.selected;
    const QRgb outer1 = pressed ? darkShadow : highlight;
    const QRgb outer2 = pressed ? highlight : darkShadow;
    const QRgb inner1 = pressed ? shadow : light;
    const QRgb inner2 = pressed ? light : shadow;
    HalfRim(canvas, left, r, outer1, outer2, RimSide::Left);
    HalfRim(canvas, right, r, outer1, outer2, RimSide::Right);
    HalfRim(canvas, left, r - 1, inner1, inner2, RimSide::Left);
    HalfRim(canvas, right, r - 1, inner1, inner2, RimSide::Right);

    if (g.wide) {
        const int bottom = g.centre.y() + r;
        auto edge = [&](int row, QRgb fixed) {
            if (row < 0 || row >= canvas.height()) return;
            const bool readable = canvas.rect().contains(left.x(), row);
            const QRgb colour = pressed ? fixed : (readable ? canvas.pixel(left.x(), row) : fixed);
            for (int x = std::max(0, left.x()); x < std::min(right.x(), canvas.width()); ++x) {
                canvas.setPixel(x, row, colour);
            }
        };
        edge(1, darkShadow);
        edge(2, shadow);
        if (pressed) {
            edge(bottom - 1, light);
            edge(bottom, highlight);
        } else {
            edge(bottom, highlight);
            edge(bottom - 1, light);
        }
    }

    // The rims are drawn pixel by pixel at one pixel a unit; on a high-density
    // screen they are doubled as they are, and the caption is drawn over them
    // at the screen's density so that it stays sharp.
    const qreal density = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    if (density > 1.0) {
        canvas = canvas.scaled((QSizeF(canvas.size()) * density).toSize(), Qt::IgnoreAspectRatio,
                               Qt::FastTransformation);
        canvas.setDevicePixelRatio(density);
    }

    const QString caption = text();
    if (!caption.isEmpty()) {
        QPainter text(&canvas);
        text.setFont(font());
        text.setBackgroundMode(Qt::TransparentMode);
        text.setClipRect(QRect(QPoint(left.x() - r / 2, g.centre.y() - r),
                               QPoint(right.x() + r / 2 - 1, g.centre.y() + r - 1)));
        const QFontMetrics metrics(font());
        const int textWidth = metrics.horizontalAdvance(caption);
        const int textHeight = metrics.height();
        QPoint origin(g.centre.x() - textWidth / 2, g.centre.y() - textHeight / 2);
        if (pressed) origin += QPoint(1, 1);
        if (state.disabled) {
            // Embossed like the system's disabled text: light copy one pixel down-right,
            // the shadow colour on top.
            const QRect box(origin, QSize(textWidth, textHeight));
            const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic;
            text.setPen(QColor::fromRgb(highlight));
            text.drawText(box.translated(1, 1), flags, caption);
            text.setPen(QColor::fromRgb(shadow));
            text.drawText(box, flags, caption);
        } else {
            // The button text colour on a light copy down-right: the 3D dark
            // shadow is a mid grey in most palettes, and a grey caption on the
            // green face reads as a disabled button.
            const QPoint baseline(origin.x(), origin.y() + metrics.ascent());
            text.setPen(QColor::fromRgb(highlight));
            text.drawText(baseline, caption);
            text.setPen(SysColor(pal, SysColour::BtnText));
            text.drawText(baseline - QPoint(1, 1), caption);
        }
    }
    painter.drawImage(state.rect.topLeft(), canvas);
}
