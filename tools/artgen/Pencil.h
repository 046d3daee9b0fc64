// A graphite pencil for line drawings: strokes that wobble a little, taper at their
// ends and go over the line twice, as a hand does.
#pragma once

#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <random>
#include <vector>

namespace art {

using Polyline = std::vector<QPointF>;

// Points of a cubic Bezier curve, n segments.
Polyline Bezier(QPointF p0, QPointF p1, QPointF p2, QPointF p3, int n = 24);
// Appends b to a, skipping b's first point when it repeats a's last.
void Append(Polyline& a, const Polyline& b);
// A smooth curve through the points (Catmull-Rom), n segments between two points.
Polyline Through(const Polyline& points, int n = 16);

class Pencil {
public:
    // weight thickens every line; small pictures need heavier lines to stay legible.
    explicit Pencil(QPainter& painter, unsigned seed = 8, double weight = 1.0)
        : p_(painter), rng_(seed), weight_(weight) {}

    // One line of the given width (pixels of the canvas) and darkness 0..1.
    void Stroke(const Polyline& line, double width, double darkness = 1.0, bool taper = true);
    // A closed outline.
    void Loop(Polyline line, double width, double darkness = 1.0);
    // Fills a shape with the paper colour so that what lies behind it is hidden.
    void Cover(const Polyline& outline);
    // Keeps the following strokes inside a shape; an empty path ends the clipping.
    void Clip(const QPainterPath& shape);
    // Light parallel shading strokes inside a band along a line: each hatch runs
    // from the line towards offset (perpendicular to the line, signed), every spacing.
    void Hatch(const Polyline& along, double offset, double spacing, double width, double darkness);

    double Random(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng_); }

private:
    QPainter& p_;
    std::mt19937 rng_;
    double weight_;
};

}  // namespace art
