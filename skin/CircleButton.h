// CCircleButton: a push button with rounded ends and a shaded 3D rim drawn pixel by
// pixel, light falling from the upper left; its window is cut to the inscribed ellipse.
#pragma once

#include <QPoint>
#include <QRgb>
#include <QSize>
#include <utility>
#include <vector>

#include "skin/SkinButton.h"

class QImage;

// Layout of the capsule for a client size: half circles of radius r around leftCentre
// and rightCentre, joined by straight edges; the top rim row is centre.y - r == 1.
struct CircleGeometry {
    QPoint centre;       // (w / 2, h / 2)
    QPoint leftCentre;   // (r, centre.y)
    QPoint rightCentre;  // (w - r - 1, centre.y)
    int radius = 0;      // h / 2 - 1
    bool wide = false;   // w > h; a button not wider than tall is drawn as one circle
    static CircleGeometry ForSize(QSize size);
};

class CCircleButton : public CSkinButton {
    Q_OBJECT

public:
    enum class RimSide { Left, Right };
    using RimPixel = std::pair<QPoint, QRgb>;

    explicit CCircleButton(QWidget* parent = nullptr);
    explicit CCircleButton(const QString& text, QWidget* parent = nullptr);

    // Base set-up, then the shape: geometry and the elliptic mask for the current size.
    void PreSubclassWindow(unsigned templateStyle) override;

    // Rim colour for a direction angle = atan2(dy, dx) from the half circle's centre:
    // c1 at -1.88 rad (upper left), c2 opposite, blended by the cosine between.
    static QRgb Shade(double angle, QRgb c1, QRgb c2);
    // The pixels of one half rim in drawing order (midpoint circle, four per step).
    static std::vector<RimPixel> HalfRimPixels(QPoint centre, int radius, QRgb c1, QRgb c2, RimSide side);
    // Sets the pixels of HalfRimPixels that lie inside the image.
    static void HalfRim(QImage& image, QPoint centre, int radius, QRgb c1, QRgb c2, RimSide side);

    // The capsule layout for the button's current size.
    CircleGeometry Geometry() const { return CircleGeometry::ForSize(size()); }

protected:
    void DrawItem(QPainter& painter, const SkinItemState& state) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdateShape();
};
