#include "exact_optics.h"

#include <cmath>
#include <limits>

namespace exact {

namespace {

V operator+(V p, V q) {
    return {p.x + q.x, p.y + q.y};
}
V operator-(V p, V q) {
    return {p.x - q.x, p.y - q.y};
}
V operator*(double k, V p) {
    return {k * p.x, k * p.y};
}
double dot(V p, V q) {
    return p.x * q.x + p.y * q.y;
}
double cross(V p, V q) {
    return p.x * q.y - p.y * q.x;
}
V unit(V p) {
    return (1 / std::hypot(p.x, p.y)) * p;
}

// A curved face: the right branch (mirror +1) or the left one moved by 8a
// (mirror −1), as t runs over [−tEdge, tEdge]; or the plane face x = 4a.
struct Face {
    bool plane;
    double mirror;
};

std::vector<Face> facesOf(const Glass& g) {
    if (g.shape == Shape::PlanoConvex) {
        return {{false, 1}, {true, 1}};
    }
    return {{false, 1}, {false, -1}};
}

V curvePoint(const Glass& g, Face f, double t) {
    const double x = g.a * std::cosh(t);
    return {f.mirror > 0 ? x : 8 * g.a - x, g.b * std::sinh(t)};
}

V normalAt(const Glass& g, Face f, V p) {
    if (f.plane) {
        return {1, 0};
    }
    const double x = f.mirror > 0 ? p.x : p.x - 8 * g.a;
    return unit({x / (g.a * g.a), -p.y / (g.b * g.b)});
}

struct Hit {
    double s; // signed distance along the line
    V at;
    Face face;
};

// The root of the monotone g on [lo, hi], when it changes sign there.
template <class F> std::optional<double> bisect(F g, double lo, double hi) {
    double glo = g(lo);
    if (glo * g(hi) > 0) {
        return std::nullopt;
    }
    for (int k = 0; k < 200 && lo < hi; ++k) {
        const double mid = 0.5 * (lo + hi);
        if (mid == lo || mid == hi) {
            break;
        }
        const double gm = g(mid);
        if ((gm > 0) == (glo > 0) && gm != 0) {
            lo = mid;
            glo = gm;
        } else {
            hi = mid;
        }
    }
    return 0.5 * (lo + hi);
}

// Every point where the line p + s·u meets the face.
void addCrossings(const Glass& g, Face f, V p, V u, std::vector<Hit>& hits) {
    const double edge = g.b * std::sqrt(15.0);
    if (f.plane) {
        if (u.x != 0) {
            const double s = (4 * g.a - p.x) / u.x;
            const V at = p + s * u;
            if (std::fabs(at.y) <= edge) {
                hits.push_back({s, at, f});
            }
        }
        return;
    }
    // The curve's signed distance from the line has at most one turning
    // point, where its derivative u.x·b·cosh t − mirror·u.y·a·sinh t is 0.
    const auto side = [&](double t) { return cross(u, curvePoint(g, f, t) - p); };
    const double tEdge = std::acosh(4.0);
    std::vector<double> cuts{-tEdge};
    const double ratio = u.y == 0 ? 2.0 : u.x * g.b / (f.mirror * u.y * g.a);
    if (std::fabs(ratio) < 1 && std::fabs(std::atanh(ratio)) < tEdge) {
        cuts.push_back(std::atanh(ratio));
    }
    cuts.push_back(tEdge);
    for (std::size_t k = 0; k + 1 < cuts.size(); ++k) {
        if (const auto t = bisect(side, cuts[k], cuts[k + 1])) {
            const V at = curvePoint(g, f, *t);
            hits.push_back({dot(at - p, u), at, f});
        }
    }
}

std::vector<Hit> crossings(const Glass& g, V p, V u) {
    std::vector<Hit> hits;
    for (const Face& f : facesOf(g)) {
        addCrossings(g, f, p, u, hits);
    }
    return hits;
}

// Snell's law, n1·(u × N) = n2·(w × N), in vector form.
std::optional<V> refract(V u, V normal, double n1, double n2) {
    const V nn = dot(u, normal) < 0 ? -1 * normal : normal;
    const double c = dot(u, nn);
    const double eta = n1 / n2;
    const double k = 1 - eta * eta * (1 - c * c);
    if (k < 0) {
        return std::nullopt;
    }
    return unit(eta * u + (std::sqrt(k) - eta * c) * nn);
}

bool catches(const Stop& stop, V from, V u, double within) {
    if (u.x == 0) {
        return false;
    }
    const double s = (stop.x - from.x) / u.x;
    const double y = from.y + s * u.y;
    return s > 0 && s <= within && (y > stop.top || y < stop.bottom);
}

// From the entry hit on, through the glass and out.
std::optional<Ray> throughGlass(const Glass& g, const Hit& entry, V u, const Stop* after) {
    const auto inside = refract(u, normalAt(g, entry.face, entry.at), 1, g.n);
    if (!inside) {
        return std::nullopt;
    }
    std::optional<Hit> exit;
    for (const Hit& h : crossings(g, entry.at, *inside)) {
        if (h.s > 1e-9 && (!exit || h.s < exit->s)) {
            exit = h;
        }
    }
    if (!exit) {
        return std::nullopt;
    }
    const auto out = refract(*inside, normalAt(g, exit->face, exit->at), g.n, 1);
    if (!out || (after && catches(*after, exit->at, *out, std::numeric_limits<double>::max()))) {
        return std::nullopt;
    }
    return Ray{entry.at, exit->at, *out};
}

// The line through p along w, going to its lens point nearest p (ahead only
// when aheadOnly).
std::optional<Ray> traceLine(const Glass& g, V p, V w, bool aheadOnly, const Stop* stop) {
    std::optional<Hit> entry;
    for (const Hit& h : crossings(g, p, w)) {
        if ((!aheadOnly || h.s > 0) && (!entry || std::fabs(h.s) < std::fabs(entry->s))) {
            entry = h;
        }
    }
    if (!entry) {
        return std::nullopt;
    }
    const V u = entry->s < 0 ? -1 * w : w;
    if (stop && catches(*stop, p, u, std::fabs(entry->s))) {
        return std::nullopt;
    }
    return throughGlass(g, *entry, u, g.shape == Shape::Biconvex ? stop : nullptr);
}

} // namespace

Glass makeGlass(Shape shape, double n) {
    return {shape, n, 12, 12 * std::sqrt(n * n - 1)};
}

std::vector<Ray> fan(const Glass& glass, V s, const std::vector<double>& slopes, const Stop& stop) {
    std::vector<Ray> rays;
    for (const double m : slopes) {
        if (const auto ray = traceLine(glass, s, unit({1, m}), false, &stop)) {
            rays.push_back(*ray);
        }
    }
    return rays;
}

std::vector<Ray> beam(const Glass& glass, double m, const std::vector<V>& through,
                      const std::optional<Stop>& stop) {
    std::vector<Ray> rays;
    for (const V& p : through) {
        if (const auto ray = traceLine(glass, p, unit({-1, -m}), true, stop ? &*stop : nullptr)) {
            rays.push_back(*ray);
        }
    }
    return rays;
}

V pointAtOpticalPath(const Ray& ray, V start, double path, double n) {
    const double toEntry = std::hypot(ray.entry.x - start.x, ray.entry.y - start.y);
    if (path <= toEntry) {
        return start + (path / toEntry) * (ray.entry - start);
    }
    const double glass = std::hypot(ray.exit.x - ray.entry.x, ray.exit.y - ray.entry.y);
    const double inGlass = (path - toEntry) / n;
    if (inGlass <= glass) {
        return ray.entry + (inGlass / glass) * (ray.exit - ray.entry);
    }
    return ray.exit + (path - toEntry - n * glass) * ray.out;
}

double offLine(V p, V q, V u) {
    return std::fabs(cross(u, p - q));
}

} // namespace exact
