#include "optics/spherical/geometry.h"

#include "optics/spherical/single_precision.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace optics::spherical {

namespace {

// Point 1 of a crossing is the one with the larger x, on a vertical line the
// one with the larger y.
void orderCrossings(LensCrossing& c) {
    if (c.x2 > c.x1 || (c.x2 == c.x1 && c.y2 > c.y1)) {
        std::swap(c.x1, c.x2);
        std::swap(c.y1, c.y2);
    }
}

// A miss of eytheiakyklos: a vertical line reports zeros, any other line its
// start point twice.
LensCrossing lineMissesCircle(double dx, double x0, double y0) {
    if (dx == 0) {
        return {};
    }
    return {x0, y0, x0, y0, false};
}

} // namespace

double apostasi(double x1, double y1, double x2, double y2) {
    const double ex = x2 - x1;
    const double ey = y2 - y1;
    return std::sqrt(ex * ex + ey * ey);
}

std::optional<double> toksimitono(double x) {
    const double pi = 4 * std::atan(1.0);
    if (x == 1) {
        return pi / 2;
    }
    if (x == -1) {
        return -pi / 2;
    }
    if (std::abs(x) < 1) {
        return std::atan(x / std::sqrt(-x * x + 1));
    }
    return std::nullopt; // |x| > 1 or NaN: there is no angle
}

int prosimo(double v) {
    if (v > 0) {
        return 1;
    }
    return v < 0 ? -1 : 0;
}

std::optional<double> estiaki(double r1, double r2, double n) {
    // A radius of 0 has no curvature 1/r; with n == 1 the product would even
    // be infinity times 0. Neither gives a focal length to mark.
    if (r1 == 0 || r2 == 0) {
        return std::nullopt;
    }
    const double power = (1 / r1 + 1 / r2) * (n - 1);
    if (power == 0 || !std::isfinite(power) || !std::isfinite(1 / power)) {
        return std::nullopt;
    }
    return 1 / power;
}

LensCrossing kykloikykloi(double d, double r1, double r2) {
    // Coincident centres have no crossing line (and a/h would divide by 0).
    if (d == 0) {
        return {};
    }
    const double d2 = d * d;
    const double s1 = r1 * r1;
    const double s2 = r2 * r2;
    // Sixteen times the squared area of the triangle d, r1, r2 (Heron).
    const double area16 = 2 * d2 * (s1 + s2) + 2 * s1 * s2 - d2 * d2 - s1 * s1 - s2 * s2;
    if (!(area16 >= 0)) {
        return {};
    }
    const double a = (d2 + s1 - s2) / (2 * d);
    const double h = std::sqrt(area16) / (2 * d);
    return {a, h, a, -h, true};
}

LensCrossing xordi(double xa, double xb, double r1, double r2) {
    if (xa == xb) {
        return {};
    }
    const double a = ((r1 * r1 - r2 * r2) / (xb - xa) + (xb - xa)) * 0.5;
    const double x = xa + a;
    const double hh = r1 * r1 - a * a;
    if (!(hh >= 0) || !std::isfinite(x)) {
        return {};
    }
    const double h = std::sqrt(hh);
    return {x, h, x, -h, true};
}

std::optional<Disc> innerDisc(const SphericalLens& lens) {
    const double xa = lens.xa, xb = lens.xb, r1 = lens.radius1, r2 = lens.radius2;
    const double d = std::abs(xb - xa);
    if (r1 > 0 && d + r1 <= r2) {
        return Disc{1, xa, r1};
    }
    if (r2 > 0 && d + r2 <= r1) {
        return Disc{2, xb, r2};
    }
    return std::nullopt;
}

LensCrossing eytheiakyklos(double xc, double yc, double r, double dx, double dy, double x0,
                           double y0) {
    // A zero (or non-finite) direction is no line at all.
    const double scale = std::max(std::abs(dx), std::abs(dy));
    if (!(scale > 0) || !std::isfinite(scale)) {
        return {};
    }
    // Solved in the circle's own frame along the unit direction, which keeps
    // near-vertical rays (cos 90 degrees is not 0) as precise as the others.
    const double len = std::hypot(dx / scale, dy / scale);
    const double ux = dx / scale / len;
    const double uy = dy / scale / len;
    const double px = x0 - xc;
    const double py = y0 - yc;
    const double foot = -(px * ux + py * uy); // along the ray to the nearest point
    const double offset = px * uy - py * ux;  // distance of the line from the centre
    const double disc = r * r - offset * offset;
    if (!(disc > 0)) {
        return lineMissesCircle(dx, x0, y0); // a tangent counts as a miss
    }
    const double half = std::sqrt(disc);
    LensCrossing c{x0 + (foot + half) * ux, y0 + (foot + half) * uy, x0 + (foot - half) * ux,
                   y0 + (foot - half) * uy, false};
    orderCrossings(c);
    // The points lie on the circle by construction; the check rejects what
    // rounding of huge numbers has spoiled. Written so that NaN fails it.
    const double d1 = apostasi(c.x1, c.y1, xc, yc);
    const double d2 = apostasi(c.x2, c.y2, xc, yc);
    c.found = d1 <= r * 1.00005 && d2 <= r * 1.000005;
    return c;
}

PointF unitDirection(double x1, double y1, double x2, double y2, double d) {
    if (d == 0) {
        return {};
    }
    return {toSingle((x1 - x2) / d), toSingle((y1 - y2) / d)};
}

DiaphragmResult diaphragmStop(double xs, double ytop, double ybottom, double x0, double y0,
                              double dx, double dy) {
    if (dx == 0) {
        if (y0 > ytop || y0 < ybottom) {
            return {toSingle(xs), toSingle(y0), true};
        }
        return {toSingle(x0), toSingle(y0), false};
    }
    const double y = y0 + (xs - x0) * (dy / dx);
    if (y > ytop || y < ybottom) {
        return {toSingle(xs), toSingle(y), true};
    }
    return {toSingle(x0), toSingle(y0), false};
}

} // namespace optics::spherical
