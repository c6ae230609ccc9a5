#pragma once

// An exact trace through a spherical lens written for the tests alone: a line
// crossing a circle, and Snell's law in vector form,
// n2·t = n1·d + (n1·cos i − n2·cos r)·N with N the unit normal facing the light.

#include <cmath>
#include <optional>

namespace lensdata_test {

struct Vec {
    double x, y;
};
struct Ray {
    Vec p, d; // a point and the unit direction
};
struct Circle {
    double cx, r; // centre (cx, 0)
};

// Where the ray enters (first) or leaves (last crossing) the disc.
inline std::optional<Vec> crossing(const Ray& ray, const Circle& c, bool first) {
    const double ex = ray.p.x - c.cx, ey = ray.p.y;
    const double b = ex * ray.d.x + ey * ray.d.y;
    const double disc = b * b - (ex * ex + ey * ey - c.r * c.r);
    if (disc < 0) {
        return std::nullopt;
    }
    const double t = first ? -b - std::sqrt(disc) : -b + std::sqrt(disc);
    return Vec{ray.p.x + t * ray.d.x, ray.p.y + t * ray.d.y};
}

// From index n1 into n2 at the point q of the circle; empty on total
// internal reflection.
inline std::optional<Ray> refract(Vec d, Vec q, const Circle& c, double n1, double n2) {
    const double side = (q.x - c.cx) * d.x + q.y * d.y > 0 ? -1 : 1;
    const Vec normal{side * (q.x - c.cx) / c.r, side * q.y / c.r};
    const double cosI = -(normal.x * d.x + normal.y * d.y), eta = n1 / n2;
    const double k = 1 - eta * eta * (1 - cosI * cosI);
    if (k < 0) {
        return std::nullopt;
    }
    const double m = eta * cosI - std::sqrt(k);
    return Ray{q, {eta * d.x + m * normal.x, eta * d.y + m * normal.y}};
}

// Into the glass across the circle `in`, out across `out`: the ray after it.
inline std::optional<Ray> traceLens(const Ray& ray, const Circle& in, const Circle& out, double n) {
    const auto p = crossing(ray, in, true);
    const auto inside = p ? refract(ray.d, *p, in, 1, n) : std::nullopt;
    const auto q = inside ? crossing(*inside, out, false) : std::nullopt;
    return q ? refract(inside->d, *q, out, n, 1) : std::nullopt;
}

inline double axisCrossing(const Ray& r) {
    return r.p.x - r.p.y * r.d.x / r.d.y;
}

} // namespace lensdata_test
