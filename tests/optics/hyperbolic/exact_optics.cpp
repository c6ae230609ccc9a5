#include "exact_optics.h"

#include <cmath>
#include <limits>

namespace exact {

namespace {

constexpr double a = 12;

V unit(V p) {
    return p * (1 / std::hypot(p.x, p.y));
}

double bOf(Glass g) {
    return a * std::sqrt(g.n * g.n - 1);
}

// The plane face x = 4a (mirror 0), the right branch (mirror +1) or the left
// one moved by 8a (mirror −1).
using Face = int;

std::vector<Face> facesOf(Glass g) {
    return g.shape == Shape::PlanoConvex ? std::vector<Face>{1, 0} : std::vector<Face>{1, -1};
}

V curvePoint(Glass g, Face f, double t) {
    const double x = a * std::cosh(t);
    return {f > 0 ? x : 8 * a - x, bOf(g) * std::sinh(t)};
}

// The gradient of x²/a² − y²/b², the normal of a curved face.
V normalAt(Glass g, Face f, V p) {
    const double b = bOf(g);
    return f == 0 ? V{1, 0} : unit({(f > 0 ? p.x : p.x - 8 * a) / (a * a), -p.y / (b * b)});
}

struct Hit {
    double s; // signed distance along the line
    V at;
    Face face;
};

// The sign change of g on [lo, hi], halved down to the last bit.
template <class F> std::optional<double> bisect(F g, double lo, double hi) {
    const bool lowSign = g(lo) > 0;
    if (lowSign == (g(hi) > 0)) {
        return std::nullopt;
    }
    for (double mid = 0.5 * (lo + hi); mid > lo && mid < hi; mid = 0.5 * (lo + hi)) {
        ((g(mid) > 0) == lowSign ? lo : hi) = mid;
    }
    return lo;
}

// Every point where the line p + s·u meets the face.
void addCrossings(Glass g, Face f, V p, V u, std::vector<Hit>& hits) {
    const double b = bOf(g);
    if (f == 0) {
        const V at = u.x == 0 ? V{0, INFINITY} : p + u * ((4 * a - p.x) / u.x);
        if (std::fabs(at.y) <= b * std::sqrt(15.0)) {
            hits.push_back({(at - p).dot(u), at, f});
        }
        return;
    }
    // The curve's signed distance from the line turns at most once, where
    // u.x·b·cosh t = f·u.y·a·sinh t; on each side of that it is monotone.
    const auto side = [&](double t) { return u.cross(curvePoint(g, f, t) - p); };
    const double edge = std::acosh(4.0);
    std::vector<double> cuts{-edge, edge};
    const double turn = u.y == 0 ? 2 : u.x * b / (f * u.y * a);
    if (std::fabs(turn) < 1 && std::fabs(std::atanh(turn)) < edge) {
        cuts.insert(cuts.begin() + 1, std::atanh(turn));
    }
    for (std::size_t k = 0; k + 1 < cuts.size(); ++k) {
        if (const auto t = bisect(side, cuts[k], cuts[k + 1])) {
            const V at = curvePoint(g, f, *t);
            hits.push_back({(at - p).dot(u), at, f});
        }
    }
}

// The nearest crossing of the lens surface with s in (min, ∞), by |s|.
std::optional<Hit> nearest(Glass g, V p, V u, double min) {
    std::vector<Hit> hits;
    for (const Face f : facesOf(g)) {
        addCrossings(g, f, p, u, hits);
    }
    std::optional<Hit> best;
    for (const Hit& h : hits) {
        if (h.s > min && (!best || std::fabs(h.s) < std::fabs(best->s))) {
            best = h;
        }
    }
    return best;
}

// Snell's law, n1·(u × N) = n2·(w × N), in vector form.
std::optional<V> refract(V u, V normal, double n1, double n2) {
    const V nn = u.dot(normal) < 0 ? normal * -1 : normal;
    const double c = u.dot(nn);
    const double eta = n1 / n2;
    const double k = 1 - eta * eta * (1 - c * c);
    if (k < 0) {
        return std::nullopt;
    }
    return unit(u * eta + nn * (std::sqrt(k) - eta * c));
}

bool catches(Stop stop, V from, V u, double within) {
    if (u.x == 0) {
        return false;
    }
    const double s = (stop.x - from.x) / u.x;
    const double y = from.y + s * u.y;
    return s > 0 && s <= within && (y > stop.top || y < stop.bottom);
}

// The line through p along w to its lens point nearest p (ahead only when
// aheadOnly), through the glass and out.
std::optional<Ray> traceLine(Glass g, V p, V w, bool aheadOnly, const std::optional<Stop>& stop) {
    const auto entry = nearest(g, p, w, aheadOnly ? 0 : -std::numeric_limits<double>::max());
    if (!entry) {
        return std::nullopt;
    }
    const V u = entry->s < 0 ? w * -1 : w;
    if (stop && catches(*stop, p, u, std::fabs(entry->s))) {
        return std::nullopt;
    }
    const auto inside = refract(u, normalAt(g, entry->face, entry->at), 1, g.n);
    const auto exit = inside ? nearest(g, entry->at, *inside, 1e-9) : std::nullopt;
    const auto out =
        exit ? refract(*inside, normalAt(g, exit->face, exit->at), g.n, 1) : std::nullopt;
    const bool caughtAfter = g.shape == Shape::Biconvex && stop && out &&
                             catches(*stop, exit->at, *out, std::numeric_limits<double>::max());
    if (!out || caughtAfter) {
        return std::nullopt;
    }
    return Ray{entry->at, exit->at, *out};
}

} // namespace

std::vector<Ray> fan(Glass glass, V s, const std::vector<double>& slopes, Stop stop) {
    std::vector<Ray> rays;
    for (const double m : slopes) {
        if (const auto ray = traceLine(glass, s, unit({1, m}), false, stop)) {
            rays.push_back(*ray);
        }
    }
    return rays;
}

std::vector<Ray> beam(Glass glass, double m, const std::vector<V>& through,
                      std::optional<Stop> stop) {
    std::vector<Ray> rays;
    for (const V& p : through) {
        if (const auto ray = traceLine(glass, p, unit({-1, -m}), true, stop)) {
            rays.push_back(*ray);
        }
    }
    return rays;
}

V pointAtOpticalPath(const Ray& ray, V start, double path, double n) {
    const double toEntry = std::hypot(ray.entry.x - start.x, ray.entry.y - start.y);
    const double glass = std::hypot(ray.exit.x - ray.entry.x, ray.exit.y - ray.entry.y);
    if (path <= toEntry) {
        return start + (ray.entry - start) * (path / toEntry);
    }
    if ((path - toEntry) / n <= glass) {
        return ray.entry + (ray.exit - ray.entry) * ((path - toEntry) / n / glass);
    }
    return ray.exit + ray.out * (path - toEntry - n * glass);
}

double offLine(V p, V q, V u) {
    return std::fabs(u.cross(p - q));
}

} // namespace exact
