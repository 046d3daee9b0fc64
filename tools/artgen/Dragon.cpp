// The pencil drawing of a Chinese dragon chasing the flaming pearl among clouds.
// Drawn on a 640 x 480 design canvas, far parts first: each part covers what lies
// behind it with paper before its lines are drawn, so the drawing overlaps as a
// hand-drawn one does. The canvas is rendered at four times the picture's size and
// reduced, which softens the graphite like a scan of a pencil sketch.
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "ArtKit.h"
#include "Pencil.h"
#include "Pictures.h"

namespace art {

namespace {

constexpr double kCanvasWidth = 640;
constexpr double kCanvasHeight = 480;

QPointF Unit(QPointF v) {
    const double len = std::hypot(v.x(), v.y());
    return len > 0 ? v / len : QPointF(1, 0);
}
QPointF Perp(QPointF v) {
    return {v.y(), -v.x()};
}  // the left-hand normal on screen
QPointF Rotate(QPointF v, double degrees) {
    const double a = degrees * M_PI / 180;
    return {v.x() * std::cos(a) - v.y() * std::sin(a), v.x() * std::sin(a) + v.y() * std::cos(a)};
}

Polyline Mapped(const QTransform& m, const Polyline& line) {
    Polyline out;
    out.reserve(line.size());
    for (const QPointF& pt : line) out.push_back(m.map(pt));
    return out;
}

// The outline of a shape that follows a centre line, its width at each point given
// by profile(fraction of the length).
template <typename Profile>
Polyline Outlined(const Polyline& centre, Profile profile) {
    std::vector<double> at(centre.size(), 0);
    for (size_t i = 1; i < centre.size(); ++i)
        at[i] = at[i - 1] + std::hypot((centre[i] - centre[i - 1]).x(), (centre[i] - centre[i - 1]).y());
    const double total = at.back();
    Polyline left;
    Polyline right;
    for (size_t i = 0; i < centre.size(); ++i) {
        const QPointF d = Unit(i + 1 < centre.size() ? centre[i + 1] - centre[i] : centre[i] - centre[i - 1]);
        const double w = profile(total > 0 ? at[i] / total : 0) / 2;
        left.push_back(centre[i] + Perp(d) * w);
        right.push_back(centre[i] - Perp(d) * w);
    }
    Polyline out = left;
    out.insert(out.end(), right.rbegin(), right.rend());
    return out;
}

// A shape that narrows evenly from w0 to w1.
Polyline Tapered(const Polyline& centre, double w0, double w1) {
    return Outlined(centre, [=](double t) { return w0 + (w1 - w0) * t; });
}

// A spiral winding inward: the curl of clouds, whorls and the pearl.
Polyline Spiral(QPointF c, double r0, double turns, double startDeg, double shrink = 0.8,
                bool clockwise = true) {
    Polyline out;
    const int steps = int(40 * turns) + 8;
    for (int i = 0; i <= steps; ++i) {
        const double t = double(i) / steps;
        const double a = (startDeg + (clockwise ? 1 : -1) * t * turns * 360) * M_PI / 180;
        const double r = r0 * (1 - shrink * t);
        out.push_back(c + QPointF(r * std::cos(a), r * std::sin(a)));
    }
    return out;
}

// The dragon's body: a tube along a smooth spine, sampled every 2 canvas pixels.
struct Body {
    std::vector<QPointF> at;     // spine point
    std::vector<QPointF> back;   // unit normal towards the back (the spined side)
    std::vector<QPointF> along;  // unit tangent, head to tail
    std::vector<double> width;   // full width of the tube
    std::vector<double> u;       // arc-length fraction 0 (neck) .. 1 (tail tip)

    size_t Index(double fraction) const {
        return std::min(at.size() - 1, size_t(std::max(0.0, fraction) * double(at.size() - 1)));
    }
    QPointF Edge(size_t i, double across) const { return at[i] + back[i] * (across * width[i] / 2); }
    Polyline EdgeLine(double across, double from = 0, double to = 1) const {
        Polyline out;
        for (size_t i = Index(from); i <= Index(to); ++i) out.push_back(Edge(i, across));
        return out;
    }
};

Body MakeBody() {
    // Neck behind the head, a rising arch, a coil down the middle, the tail lifting right.
    const Polyline spine = Through({{196, 152},
                                    {262, 116},
                                    {344, 124},
                                    {396, 182},
                                    {382, 256},
                                    {322, 300},
                                    {302, 360},
                                    {350, 412},
                                    {440, 422},
                                    {516, 372},
                                    {542, 296},
                                    {560, 238},
                                    {586, 200},
                                    {606, 170}},
                                   24);
    std::vector<double> acc(spine.size(), 0);
    for (size_t i = 1; i < spine.size(); ++i)
        acc[i] = acc[i - 1] + std::hypot((spine[i] - spine[i - 1]).x(), (spine[i] - spine[i - 1]).y());
    Body body;
    const double total = acc.back();
    size_t j = 0;
    for (double s = 0; s <= total; s += 2) {
        while (j + 1 < spine.size() && acc[j + 1] < s) ++j;
        const double f = (s - acc[j]) / std::max(1e-9, acc[j + 1] - acc[j]);
        const QPointF pt = spine[j] + (spine[j + 1] - spine[j]) * f;
        const QPointF d = Unit(spine[j + 1] - spine[j]);
        const double u = s / total;
        body.at.push_back(pt);
        body.along.push_back(d);
        body.back.push_back(Perp(d));
        body.u.push_back(u);
        body.width.push_back(5 + 47 * std::pow(1 - u, 0.85) * std::min(1.0, 0.8 + u * 1.6));
    }
    // Smooth the tangents so that the scales do not jitter.
    for (int pass = 0; pass < 3; ++pass)
        for (size_t i = 1; i + 1 < body.at.size(); ++i)
            body.back[i] = Unit(body.back[i - 1] + body.back[i] * 2 + body.back[i + 1]);
    for (size_t i = 0; i < body.at.size(); ++i) body.along[i] = -Perp(body.back[i]);
    return body;
}

void DrawCloud(Pencil& pen, QPointF c, double size, bool mirror) {
    QTransform m;
    m.translate(c.x(), c.y());
    m.scale(mirror ? -size / 10 : size / 10, size / 10);
    const double w = 2.2;
    // Two curls side by side, their shared lobe, and two trailing wisps.
    Polyline outline = Bezier({-30, 8}, {-20, 12}, {-12, 12}, {-6, 10});
    Append(outline, Bezier({-6, 10}, {-14, 8}, {-14, -10}, {0, -11}));
    Append(outline, Bezier({0, -11}, {8, -12}, {12, -4}, {12, -2}));
    Append(outline, Bezier({12, -2}, {16, -10}, {26, -8}, {26, 0}));
    Append(outline, Bezier({26, 0}, {26, 8}, {18, 10}, {14, 10}));
    Append(outline, Bezier({14, 10}, {22, 14}, {30, 13}, {36, 11}));
    pen.Cover(Mapped(m, outline));
    pen.Stroke(Mapped(m, outline), w, 0.85);
    pen.Stroke(Mapped(m, Spiral({0, 0}, 8, 1.2, 200, 0.8)), w * 0.8, 0.8);
    pen.Stroke(Mapped(m, Spiral({19, 1}, 5.5, 1.1, 220, 0.8)), w * 0.8, 0.8);
    pen.Stroke(Mapped(m, Bezier({-26, 15}, {-18, 18}, {-6, 18}, {4, 15})), w * 0.7, 0.6);
    pen.Stroke(Mapped(m, Bezier({-40, 4}, {-34, 6}, {-28, 7}, {-22, 6})), w * 0.6, 0.55);
}

// A flame-shaped lock of hair or fire: a tapered S from root to point.
void DrawFlame(Pencil& pen, QPointF root, QPointF c1, QPointF c2, QPointF tip, double width) {
    const Polyline centre = Bezier(root, c1, c2, tip, 20);
    const Polyline shape = Tapered(centre, width, 0.6);
    pen.Cover(shape);
    pen.Loop(shape, 2.0, 0.9);
    if (width > 7) {
        // A hair line down the middle of broad locks.
        Polyline inner(centre.begin() + 4, centre.end() - 3);
        pen.Stroke(inner, 1.2, 0.5);
    }
}

void DrawSpines(Pencil& pen, const Body& b) {
    for (double u = 0.03; u < 0.93; u += 0.0 + 18.0 / (b.at.size() * 2.0)) {
        const size_t i = b.Index(u);
        const double w = b.width[i];
        const double half = std::max(3.0, w * 0.14);
        const size_t i0 = b.Index(u - half / (b.at.size() * 2.0));
        const size_t i1 = b.Index(u + half / (b.at.size() * 2.0));
        const QPointF a = b.Edge(i0, 0.9);
        const QPointF c = b.Edge(i1, 0.9);
        const double height = 6 + w * 0.32;
        const QPointF apex = b.at[i] + b.back[i] * (w / 2 + height) + b.along[i] * (height * 0.55);
        Polyline fin = Bezier(a, a + b.back[i0] * height * 0.5, apex - b.along[i] * height * 0.2, apex, 8);
        Append(fin, Bezier(apex, apex - b.back[i] * height * 0.4, c + b.back[i1] * 2, c, 8));
        pen.Cover(fin);
        pen.Stroke(fin, 2.0, 0.9);
    }
}

void DrawBody(Pencil& pen, const Body& b) {
    // Paper inside the tube.
    Polyline outline = b.EdgeLine(1);
    const Polyline belly = b.EdgeLine(-1);
    outline.insert(outline.end(), belly.rbegin(), belly.rend());
    pen.Cover(outline);

    // Scales: overlapping arcs in staggered rows between the back and the belly band,
    // each open towards the tail.
    const double bandEdge = -0.38;  // across-coordinate of the belly band's inner line
    for (int row = 0; row < 4; ++row) {
        const double across = bandEdge + (row + 0.5) * (0.95 - bandEdge) / 4;
        double s = row % 2 ? 0.0 : 3.5;
        while (true) {
            const double u = 0.02 + s / (b.at.size() * 2.0);
            if (u > 0.9) break;
            const size_t i = b.Index(u);
            const double r = b.width[i] * (0.95 - bandEdge) / 4 / 2 * 1.15;
            const QPointF c = b.Edge(i, across);
            Polyline arc;
            for (int k = 0; k <= 10; ++k) {
                const double phi = -M_PI / 2 + M_PI * k / 10;
                arc.push_back(c + b.back[i] * (r * std::sin(phi)) - b.along[i] * (r * 0.9 * std::cos(phi)));
            }
            pen.Stroke(arc, 1.5, 0.62);
            s += std::max(3.5, r * 1.7);
        }
    }

    // The belly band: an inner line and plates across it, bowed towards the head.
    pen.Stroke(b.EdgeLine(bandEdge, 0.0, 0.95), 1.8, 0.75);
    for (double s = 4;; s += 0) {
        const double u = s / (b.at.size() * 2.0);
        if (u > 0.93) break;
        const size_t i = b.Index(u);
        const QPointF p0 = b.Edge(i, -1);
        const QPointF p1 = b.Edge(i, bandEdge);
        const QPointF mid = (p0 + p1) / 2 - b.along[i] * (b.width[i] * 0.06);
        pen.Stroke({p0, mid, p1}, 1.4, 0.65);
        s += std::max(3.0, b.width[i] * 0.2);
    }

    // Shading: short strokes under the belly band, and diagonal hatching, all in
    // one direction as one hand draws them, along the side of the body that faces
    // the ground, kept inside the body.
    pen.Hatch(b.EdgeLine(-0.98, 0.0, 0.9), -7, 4.5, 1.1, 0.35);
    QPainterPath inside;
    inside.addPolygon(QPolygonF(QList<QPointF>(outline.begin(), outline.end())));
    pen.Clip(inside);
    const QPointF hatch = Unit(QPointF(-0.55, 0.85));
    for (size_t i = 0; i < b.at.size(); i += 2) {
        const double side = b.back[i].y() > 0 ? 1.0 : -1.0;
        const double facing = std::abs(b.back[i].y());
        if (facing < 0.3 || b.u[i] > 0.92) continue;
        const double len = b.width[i] * 0.42 * std::min(1.0, (facing - 0.3) * 2.5);
        const QPointF start = b.Edge(i, side * 1.02) - hatch * len;
        pen.Stroke({start, start + hatch * len * 0.5, start + hatch * (len + 2)}, 1.2, 0.6);
    }
    pen.Clip(QPainterPath());
    pen.Stroke(b.EdgeLine(1, 0, 1), 3.2, 1.0);
    pen.Stroke(b.EdgeLine(-1, 0, 1), 3.2, 1.0);
}

void DrawTailFlame(Pencil& pen, const Body& b) {
    const size_t tip = b.at.size() - 1;
    const QPointF end = b.at[tip];
    const QPointF d = b.along[tip];
    const QPointF n = b.back[tip];
    // Tongues of flame along both sides of the tail's last stretch, trailing past
    // its tip, and one flame continuing the tip itself.
    for (int k = 0; k < 6; ++k) {
        const double side = k % 2 ? -1 : 1;
        const size_t i = b.Index(0.84 + k * 0.027);
        const QPointF root = b.Edge(i, side * 0.6);
        const QPointF dir = Unit(b.back[i] * side * 0.8 + b.along[i] * 1.2);
        const double len = 26 + k * 4;
        const QPointF tipPt = root + dir * len + b.along[i] * 6;
        DrawFlame(pen, root, root + dir * (len * 0.3) + b.back[i] * side * 12,
                  tipPt - dir * (len * 0.35) - b.back[i] * side * 10, tipPt, 15);
    }
    DrawFlame(pen, end - d * 6, end + d * 16 + n * 12, end + d * 30 - n * 10, end + d * 46 + n * 6, 14);
}

struct Leg {
    double u;             // where it joins the body
    double side;          // -1: from the belly, +1: from the back
    QPointF knee, ankle;  // offsets from the hip
    double toeTurn;       // direction of the toes, degrees from the shin
    bool near;
};

constexpr double kLegWidth = 34;  // thickness of a leg at the hip

void DrawLeg(Pencil& pen, const Body& b, const Leg& leg) {
    const size_t i = b.Index(leg.u);
    const double w = kLegWidth;
    const QPointF hip = b.Edge(i, 0.3 * leg.side);
    const QPointF knee = hip + leg.knee;
    const QPointF ankle = hip + leg.ankle;
    const Polyline centre = Through({hip, knee, ankle}, 14);
    // Full at the thigh, narrow at the elbow, a swell of the forearm, slim at the wrist.
    const Polyline shape = Outlined(centre, [w](double t) {
        const double k[] = {0.95, 1.08, 0.62, 0.66, 0.44};
        const double x = std::clamp(t, 0.0, 1.0) * 4;
        const int seg = std::min(3, int(x));
        const double f = x - seg;
        return w * (k[seg] + (k[seg + 1] - k[seg]) * (f * f * (3 - 2 * f)));
    });

    // Flame-like tufts at the elbow, swept away from the foot.
    const QPointF shin = Unit(ankle - knee);
    const QPointF thigh = Unit(knee - hip);
    const QPointF away = Unit(-shin + thigh * 0.3);
    for (int k = 0; k < 3; ++k) {
        const QPointF root = knee + Perp(thigh) * (k - 1) * w * 0.12;
        const QPointF dir = Unit(Rotate(away, -30 + k * 26));
        const QPointF tip = knee + dir * (w * 0.75 + k * 3);
        DrawFlame(pen, root, root + dir * 8 + Perp(dir) * 5, tip - Perp(dir) * 5, tip, w * 0.2);
    }

    pen.Cover(shape);
    pen.Loop(shape, 2.6, 1.0);
    // Scales down the thigh.
    for (int k = 1; k < 4; ++k) {
        const QPointF c = hip + (knee - hip) * (k / 4.0);
        const QPointF t = thigh;
        Polyline arc;
        for (int m = 0; m <= 8; ++m) {
            const double phi = -M_PI / 2 + M_PI * m / 8;
            arc.push_back(c + Perp(t) * (w * 0.16 * std::sin(phi)) - t * (w * 0.12 * std::cos(phi)));
        }
        pen.Stroke(arc, 1.3, 0.55);
    }

    // The foot: a palm and four toes fanned out from it, each ending in a claw
    // hooked towards the palm, as in a grip.
    const QPointF foot = Unit(Rotate(shin, leg.toeTurn));
    const QPointF palm = ankle - shin * (w * 0.05);
    for (int k = 0; k < 4; ++k) {
        const QPointF dir = Unit(Rotate(foot, -54 + k * 36));
        const QPointF base = palm + dir * (w * 0.18);
        const QPointF joint = base + dir * (w * (k == 0 ? 0.4 : 0.55));
        const Polyline toe =
            Tapered(Through({base, (base + joint) / 2 + Perp(dir) * 1.5, joint}, 6), w * 0.26, w * 0.2);
        pen.Cover(toe);
        pen.Loop(toe, 2.0, 0.95);
        const QPointF bend = Unit(Rotate(dir, 75));
        const QPointF clawTip = joint + dir * (w * 0.32) + bend * (w * 0.3);
        const Polyline claw = Tapered(Bezier(joint, joint + dir * (w * 0.2),
                                             clawTip - bend * (w * 0.12) + dir * (w * 0.06), clawTip, 12),
                                      w * 0.2, 0.5);
        pen.Cover(claw);
        pen.Loop(claw, 2.0, 1.0);
    }
}

// The head, drawn in its own frame: x runs from the neck to the snout, y downwards.
void DrawHead(Pencil& pen, const QTransform& m) {
    auto M = [&](const Polyline& line) { return Mapped(m, line); };

    // Mane behind the head: wavy locks streaming back, each curling up at its end.
    struct Lock {
        QPointF root, tip;
        double sway, width;
    };
    const Lock locks[] = {
        {{4, -26}, {-50, -58}, 14, 13}, {{-2, -12}, {-70, -34}, -12, 15}, {{-4, 2}, {-78, -6}, 14, 15},
        {{0, 16}, {-70, 24}, -12, 14},  {{8, 26}, {-44, 52}, 12, 12},
    };
    for (const Lock& lock : locks) {
        const QPointF r = m.map(lock.root);
        const QPointF t = m.map(lock.tip);
        const QPointF d = t - r;
        const QPointF side = Perp(Unit(d)) * lock.sway;
        DrawFlame(pen, r, r + d * 0.35 + side, r + d * 0.7 - side * 1.2, t, lock.width);
        // A small curl at the tip.
        const QPointF curlCentre = t - Unit(d) * 5 + Perp(Unit(d)) * (lock.sway > 0 ? -5.0 : 5.0);
        pen.Stroke(
            Spiral(curlCentre, 5, 0.7, std::atan2((t - curlCentre).y(), (t - curlCentre).x()) * 180 / M_PI,
                   0.5, lock.sway < 0),
            1.4, 0.7);
    }

    // Antler horns sweeping back from the brow, each with two tines rising from it.
    auto horn = [&](QPointF root, QPointF c1, QPointF c2, QPointF tip, double w) {
        const Polyline beam = Bezier(root, c1, c2, tip, 28);
        const Polyline shape = Tapered(beam, w, 2.0);
        std::vector<Polyline> parts;
        for (size_t at : {size_t(11), size_t(19)}) {
            const QPointF base = beam[at];
            const double tw = w * (1 - at / 28.0) * 1.1;
            const QPointF up = Unit(QPointF(-0.35, -1)) * (at == 11 ? 30.0 : 24.0);
            const QPointF tineTip = base + up;
            parts.push_back(
                Tapered(Bezier(base, base + up * 0.4, tineTip + QPointF(4, 6), tineTip, 10), tw, 1.2));
        }
        parts.push_back(shape);
        for (const Polyline& part : parts) {
            pen.Cover(M(part));
            pen.Loop(M(part), 2.2, 0.95);
        }
        // Growth rings across the beam.
        for (int k = 2; k < 16; k += 3) {
            const QPointF c = beam[size_t(k)];
            const QPointF n = Perp(Unit(beam[size_t(k) + 1] - c)) * (w * (1 - k / 28.0) * 0.42);
            pen.Stroke(M({c + n, c + (beam[size_t(k) + 1] - c) * 0.6, c - n}), 1.1, 0.55);
        }
    };
    horn({22, -34}, {14, -60}, {-20, -70}, {-66, -64}, 10);
    horn({38, -38}, {34, -72}, {0, -92}, {-50, -96}, 12);

    // Cheek spikes at the jaw hinge, behind the head's outline.
    DrawFlame(pen, m.map(QPointF(26, 8)), m.map(QPointF(10, 2)), m.map(QPointF(0, 14)),
              m.map(QPointF(-16, 8)), 9);
    DrawFlame(pen, m.map(QPointF(26, 18)), m.map(QPointF(12, 20)), m.map(QPointF(4, 34)),
              m.map(QPointF(-10, 36)), 9);

    // The head's outline: cranium, brow, snout and nose, the upper jaw, the open
    // lower jaw and the throat.
    Polyline upper = Bezier({-4, -24}, {8, -34}, {28, -40}, {44, -34});
    Append(upper, Bezier({44, -34}, {52, -42}, {62, -38}, {66, -28}));
    Append(upper, Bezier({66, -28}, {78, -24}, {88, -24}, {96, -30}));
    Append(upper, Bezier({96, -30}, {98, -46}, {122, -46}, {123, -30}));
    Append(upper, Bezier({123, -30}, {127, -19}, {120, -9}, {111, -8}));
    Polyline jawTop = Bezier({111, -8}, {96, -6}, {74, -4}, {52, 2});
    Polyline jaw = Bezier({52, 2}, {70, 10}, {90, 16}, {106, 20});
    Append(jaw, Bezier({106, 20}, {111, 22}, {110, 29}, {103, 30}));
    Append(jaw, Bezier({103, 30}, {84, 34}, {50, 36}, {20, 28}));
    Append(jaw, Bezier({20, 28}, {10, 26}, {2, 25}, {-4, 23}));
    Polyline outline = upper;
    Append(outline, jawTop);
    Append(outline, jaw);
    pen.Cover(M(outline));

    // Inside the mouth: the tongue flicking out, then the teeth over it.
    const Polyline tongue = Bezier({60, 7}, {80, 8}, {96, 16}, {126, 8}, 20);
    pen.Stroke(M(tongue), 2.0, 0.85);
    pen.Stroke(M(Bezier({126, 8}, {130, 5}, {134, 4}, {138, 0}, 6)), 1.6, 0.8);
    pen.Stroke(M(Bezier({126, 8}, {131, 9}, {135, 11}, {139, 10}, 6)), 1.6, 0.8);
    for (double x : {62.0, 72.0, 82.0, 92.0}) {
        const double y = -4 + (111 - x) * -0.08;
        pen.Stroke(M({{x - 3, y}, {x, y + 6}, {x + 3, y - 0.5}}), 1.4, 0.8);
    }
    pen.Stroke(M({{100, -7}, {103, 5}, {106, -7}}), 1.6, 0.9);  // upper fang
    for (double x : {70.0, 82.0}) {
        const double y = 2 + (x - 52) * 0.32;
        pen.Stroke(M({{x - 3, y + 1}, {x, y - 6}, {x + 3, y + 1.5}}), 1.4, 0.8);
    }
    pen.Stroke(M({{94, 17}, {98, 6}, {101, 19}}), 1.6, 0.9);  // lower fang

    pen.Stroke(M(upper), 3.0, 1.0);
    pen.Stroke(M(jawTop), 2.6, 1.0);
    pen.Stroke(M(jaw), 3.0, 1.0);

    // A large eye under a heavy brow, the nostril whorl on the upturned nose, wrinkles
    // along the snout, a cheek whorl and lines behind the eye.
    Polyline lid = Bezier({44, -21}, {49, -32}, {63, -32}, {71, -22});
    Append(lid, Bezier({71, -22}, {62, -13}, {51, -13}, {44, -21}));
    pen.Cover(M(lid));
    pen.Loop(M(lid), 2.4, 1.0);
    Polyline pupil;
    for (int k = 0; k <= 16; ++k)
        pupil.push_back({59 + 4.2 * std::cos(k * M_PI / 8), -22 + 4.2 * std::sin(k * M_PI / 8)});
    pen.Loop(M(pupil), 2.0, 1.0);
    pen.Loop(M(Spiral({59, -22}, 2.6, 1.2, 0, 0.8)), 2.4, 1.0);
    pen.Stroke(M(Bezier({38, -30}, {50, -42}, {66, -42}, {76, -30})), 3.0, 0.95);
    pen.Stroke(M(Bezier({42, -31}, {34, -40}, {24, -44}, {12, -44})), 1.6, 0.7);
    pen.Stroke(M(Spiral({111, -30}, 7, 1.4, 180, 0.75)), 2.0, 0.95);
    for (int k = 0; k < 3; ++k) {
        const double x = 78 + k * 6;
        pen.Stroke(M(Bezier({x, -27}, {x + 2, -22}, {x + 2, -19}, {x, -15})), 1.2, 0.55);
    }
    pen.Stroke(M(Bezier({72, -12}, {84, -10}, {96, -11}, {106, -14})), 1.1, 0.45);
    pen.Stroke(M(Spiral({30, 4}, 10, 1.4, 300, 0.8)), 1.9, 0.85);
    pen.Stroke(M(Bezier({40, -12}, {30, -16}, {20, -16}, {10, -12})), 1.3, 0.6);
    pen.Stroke(M(Bezier({38, -6}, {30, -8}, {22, -6}, {14, -2})), 1.2, 0.5);
    // Shading along the throat and under the jaw, kept inside the head.
    QPainterPath head;
    const Polyline mapped = M(outline);
    head.addPolygon(QPolygonF(QList<QPointF>(mapped.begin(), mapped.end())));
    pen.Clip(head);
    for (double x = 0; x < 100; x += 4) {
        const QPointF bottom(x, 34 - std::abs(x - 50) * 0.14);
        pen.Stroke(M({bottom, bottom + QPointF(4, -7), bottom + QPointF(7, -12)}), 1.1, 0.45);
    }
    pen.Clip(QPainterPath());
    // A flaming brow over the eye, streaming back.
    DrawFlame(pen, m.map(QPointF(66, -30)), m.map(QPointF(52, -44)), m.map(QPointF(36, -40)),
              m.map(QPointF(20, -54)), 8);
    // Beard under the chin.
    DrawFlame(pen, m.map(QPointF(94, 29)), m.map(QPointF(100, 44)), m.map(QPointF(78, 50)),
              m.map(QPointF(74, 68)), 9);
    DrawFlame(pen, m.map(QPointF(76, 33)), m.map(QPointF(80, 48)), m.map(QPointF(58, 52)),
              m.map(QPointF(52, 66)), 8);
    DrawFlame(pen, m.map(QPointF(58, 34)), m.map(QPointF(58, 46)), m.map(QPointF(40, 48)),
              m.map(QPointF(32, 58)), 7);

    // Two long whiskers from the upper lip, one sweeping up, one down.
    Polyline w1 = Bezier({112, -14}, {140, -36}, {154, -66}, {132, -88}, 24);
    Append(w1, Bezier({132, -88}, {118, -102}, {132, -114}, {146, -106}, 12));
    Polyline w2 = Bezier({108, -6}, {132, 14}, {112, 44}, {84, 54}, 24);
    Append(w2, Bezier({84, 54}, {56, 64}, {40, 84}, {52, 100}, 16));
    Append(w2, Bezier({52, 100}, {58, 108}, {68, 104}, {64, 96}, 8));
    pen.Stroke(M(w1), 2.2, 0.9);
    pen.Stroke(M(w2), 2.2, 0.9);
}

void DrawPearl(Pencil& pen, QPointF c, double r) {
    // Flames rising from the pearl and streaming up and back.
    for (int k = 0; k < 5; ++k) {
        const double a = (-200 + k * 35) * M_PI / 180;
        const QPointF dir(std::cos(a), std::sin(a));
        const QPointF root = c + dir * (r * 0.7);
        const QPointF flow = Unit(dir + QPointF(0.5, -0.9));
        const double len = r * (1.5 + 0.35 * std::sin(k * 2.3));
        const QPointF tip = root + flow * len;
        DrawFlame(pen, root, root + flow * (len * 0.4) + Perp(flow) * 6, tip - Perp(flow) * 6, tip, 11);
    }
    Polyline circle;
    for (int k = 0; k <= 48; ++k)
        circle.push_back(c + QPointF(r * std::cos(k * M_PI / 24), r * std::sin(k * M_PI / 24)));
    pen.Cover(circle);
    pen.Stroke(circle, 2.6, 1.0, false);
    pen.Stroke(Spiral(c, r * 0.7, 1.2, 30, 0.85), 1.5, 0.7);
    pen.Hatch(Polyline(circle.begin() + 2, circle.begin() + 20), -r * 0.25, 3, 1.0, 0.35);
}

}  // namespace

QImage PaintDragon(int width, int height) {
    const int oversample = 4;
    QImage canvas(width * oversample, height * oversample, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(canvas.width() / kCanvasWidth, canvas.height() / kCanvasHeight);
    // Lines thicken as the picture shrinks: a 160-pixel picture needs about twice the
    // weight of the 640-pixel design canvas.
    const double weight = std::clamp(1.0 + (640.0 - width) / 480.0 * 0.9, 1.0, 1.9);
    Pencil pen(p, 1975, weight);

    const Body body = MakeBody();
    const Leg legs[] = {
        {0.21, +1, {14, -52}, {-20, -84}, -30, false},  // far fore leg, raised over the back
        {0.70, -1, {28, 30}, {62, 40}, -40, false},     // far hind leg
        {0.15, -1, {-4, 56}, {-40, 90}, 50, true},      // near fore leg, grasping forward
        {0.55, -1, {-34, 30}, {-60, 50}, 30, true},     // near hind leg
    };

    DrawCloud(pen, {560, 96}, 15, true);
    DrawCloud(pen, {470, 246}, 11, false);
    for (const Leg& leg : legs)
        if (!leg.near) DrawLeg(pen, body, leg);
    DrawSpines(pen, body);
    DrawTailFlame(pen, body);
    DrawBody(pen, body);
    for (const Leg& leg : legs)
        if (leg.near) DrawLeg(pen, body, leg);

    QTransform head;
    head.translate(body.at[0].x() + 6, body.at[0].y() + 2);
    head.scale(-1, 1);
    head.rotate(14);
    DrawHead(pen, head);
    DrawPearl(pen, {104, 306}, 19);
    DrawCloud(pen, {120, 428}, 16, false);
    DrawCloud(pen, {250, 452}, 10, true);
    p.end();
    // At the canvas scale, like every other picture.
    const int scale = CanvasScale();
    QImage picture =
        canvas.scaled(width * scale, height * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(scale);
    return picture;
}

}  // namespace art
