#include "Pencil.h"

#include <QPolygonF>
#include <cmath>

namespace art {

namespace {

const QColor kGraphite(58, 58, 64);

double Length(QPointF v) {
    return std::hypot(v.x(), v.y());
}

}  // namespace

Polyline Bezier(QPointF p0, QPointF p1, QPointF p2, QPointF p3, int n) {
    Polyline out;
    out.reserve(n + 1);
    for (int i = 0; i <= n; ++i) {
        const double t = double(i) / n;
        const double u = 1 - t;
        out.push_back(u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3);
    }
    return out;
}

void Append(Polyline& a, const Polyline& b) {
    if (b.empty()) return;
    size_t start = (!a.empty() && Length(a.back() - b.front()) < 1e-6) ? 1 : 0;
    a.insert(a.end(), b.begin() + long(start), b.end());
}

Polyline Through(const Polyline& points, int n) {
    Polyline out;
    if (points.size() < 2) return points;
    for (size_t i = 0; i + 1 < points.size(); ++i) {
        const QPointF p0 = i == 0 ? points[0] : points[i - 1];
        const QPointF p1 = points[i];
        const QPointF p2 = points[i + 1];
        const QPointF p3 = i + 2 < points.size() ? points[i + 2] : points[i + 1];
        // Catmull-Rom as a Bezier: control points a sixth of the neighbours' chord away.
        Append(out, Bezier(p1, p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2, n));
    }
    return out;
}

void Pencil::Stroke(const Polyline& line, double width, double darkness, bool taper) {
    if (line.size() < 2) return;
    width *= weight_;
    // Total length, for the taper at both ends.
    std::vector<double> at(line.size(), 0.0);
    for (size_t i = 1; i < line.size(); ++i) at[i] = at[i - 1] + Length(line[i] - line[i - 1]);
    const double total = at.back();
    if (total <= 0) return;

    // Graphite only ever darkens the paper.
    p_.save();
    p_.setCompositionMode(QPainter::CompositionMode_Darken);
    // Two passes, each with its own slow wobble across the line: a light, wide one
    // first and the dark core over it. Opaque greys, so joints never bead.
    for (int pass = 0; pass < 2; ++pass) {
        const double phase = Random(0, 6.283);
        const double wave = Random(18, 40);
        const double amp = width * (pass == 0 ? Random(0.25, 0.4) : Random(0.08, 0.16));
        const double tone = std::clamp(darkness * (pass == 0 ? 0.42 : 0.92), 0.0, 1.0);
        const QColor c =
            QColor::fromRgbF(1 - (1 - kGraphite.redF()) * tone, 1 - (1 - kGraphite.greenF()) * tone,
                             1 - (1 - kGraphite.blueF()) * tone);
        QPointF prev;
        for (size_t i = 0; i < line.size(); ++i) {
            QPointF dir = i + 1 < line.size() ? line[i + 1] - line[i] : line[i] - line[i - 1];
            const double len = Length(dir);
            const QPointF normal = len > 0 ? QPointF(-dir.y() / len, dir.x() / len) : QPointF(0, 0);
            const QPointF pt = line[i] + normal * (amp * std::sin(at[i] / wave + phase));
            if (i > 0) {
                const double t = (at[i - 1] + at[i]) / 2 / total;
                double pressure = 1.0;
                if (taper) pressure = std::clamp(std::min(t, 1 - t) * 6.0, 0.3, 1.0);
                QPen pen(c, width * pressure * (pass == 0 ? 1.0 : 0.72), Qt::SolidLine, Qt::RoundCap,
                         Qt::RoundJoin);
                p_.setPen(pen);
                p_.drawLine(prev, pt);
            }
            prev = pt;
        }
    }
    p_.restore();
}

void Pencil::Loop(Polyline line, double width, double darkness) {
    if (line.empty()) return;
    line.push_back(line.front());
    Stroke(line, width, darkness, false);
}

void Pencil::Cover(const Polyline& outline) {
    p_.save();
    p_.setPen(Qt::NoPen);
    p_.setBrush(Qt::white);
    p_.drawPolygon(QPolygonF(QList<QPointF>(outline.begin(), outline.end())));
    p_.restore();
}

void Pencil::Clip(const QPainterPath& shape) {
    if (shape.isEmpty())
        p_.setClipping(false);
    else
        p_.setClipPath(shape);
}

void Pencil::Hatch(const Polyline& along, double offset, double spacing, double width, double darkness) {
    double travelled = 0;
    double next = spacing * 0.5;
    for (size_t i = 1; i < along.size(); ++i) {
        const QPointF d = along[i] - along[i - 1];
        const double len = Length(d);
        if (len <= 0) continue;
        while (next <= travelled + len) {
            const double f = (next - travelled) / len;
            const QPointF base = along[i - 1] + d * f;
            const QPointF normal(-d.y() / len, d.x() / len);
            const QPointF tangent = d / len;
            const double reach = offset * Random(0.55, 1.0);
            const QPointF tip = base + normal * reach + tangent * (std::abs(reach) * 0.35);
            Stroke({base, (base + tip) / 2, tip}, width, darkness, true);
            next += spacing * Random(0.8, 1.2);
        }
        travelled += len;
    }
}

}  // namespace art
