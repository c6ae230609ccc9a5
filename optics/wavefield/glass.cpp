#include "optics/wavefield/glass.h"

#include "optics/hyperbolic/faces.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace optics::wavefield {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct Part {
    double t0 = -kInf, t1 = kInf;
};

// Where the line lies inside one conic's region: at most two parts.
int partsInside(const Conic& c, Vec p, Vec d, std::array<Part, 2>& out) {
    const double a = c.A * d.x * d.x + c.B * d.y * d.y;
    const double b = 2 * c.A * p.x * d.x + 2 * c.B * p.y * d.y + c.C * d.x;
    const double g = c.value(p.x, p.y);
    std::array<Part, 2> raw;
    int count = 0;
    const double scale = std::abs(b) + std::sqrt(std::abs(a * g)) + 1e-300;
    if (std::abs(a) < 1e-14 * scale) {
        if (b > 0) {
            raw[count++] = {-kInf, -g / b};
        } else if (b < 0) {
            raw[count++] = {-g / b, kInf};
        } else if (g <= 0) {
            raw[count++] = {};
        }
    } else {
        const double disc = b * b - 4 * a * g;
        if (disc < 0) {
            if (a < 0) {
                raw[count++] = {};
            }
        } else {
            // The root that suffers no cancellation, then the other from it.
            const double q = -0.5 * (b + std::copysign(std::sqrt(disc), b));
            double r1 = q / a, r2 = q != 0 ? g / q : -r1;
            if (r1 > r2) {
                std::swap(r1, r2);
            }
            if (a > 0) {
                raw[count++] = {r1, r2};
            } else {
                raw[count++] = {-kInf, r1};
                raw[count++] = {r2, kInf};
            }
        }
    }
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        Part part = raw[i];
        const double s = c.side * d.x;
        if (c.side != 0) {
            // side·(p.x + t·d.x − x0) ≥ 0
            const double g0 = c.side * (p.x - c.x0);
            if (s > 0) {
                part.t0 = std::max(part.t0, -g0 / s);
            } else if (s < 0) {
                part.t1 = std::min(part.t1, -g0 / s);
            } else if (g0 < 0) {
                continue;
            }
        }
        if (part.t0 < part.t1) {
            out[kept++] = part;
        }
    }
    return kept;
}

} // namespace

Glass::Glass(const Conic& first, const Conic& second, double index)
    : faces_{first, second}, n_(index) {
    std::optional<Stretch> axis = row(0);
    if (!axis || !std::isfinite(axis->t0) || !std::isfinite(axis->t1)) {
        return;
    }
    left_ = axis->t0;
    right_ = axis->t1;
    double lo = 0, hi = 1;
    while (row(hi) && hi < 1e7) {
        hi *= 2;
    }
    for (int i = 0; i < 80; ++i) {
        const double mid = 0.5 * (lo + hi);
        (row(mid) ? lo : hi) = mid;
    }
    rimHeight_ = lo;
    const std::optional<Stretch> rim = row(lo);
    rimX_ = rim ? 0.5 * (rim->t0 + rim->t1) : 0.5 * (left_ + right_);
    // The glass is convex: its extreme x lie on the axis or at the rim for
    // these lenses, but a row a little off the axis may reach farther.
    for (int i = 1; i < 64; ++i) {
        if (const std::optional<Stretch> r = row(rimHeight_ * i / 64)) {
            left_ = std::min(left_, r->t0);
            right_ = std::max(right_, r->t1);
        }
    }
}

std::optional<Stretch> Glass::through(Vec p, Vec d) const {
    std::array<Part, 2> a, b;
    const int na = partsInside(faces_[0], p, d, a);
    const int nb = partsInside(faces_[1], p, d, b);
    std::optional<Stretch> best;
    for (int i = 0; i < na; ++i) {
        for (int j = 0; j < nb; ++j) {
            const double t0 = std::max(a[i].t0, b[j].t0), t1 = std::min(a[i].t1, b[j].t1);
            if (t0 < t1 && (!best || t1 - t0 > best->t1 - best->t0)) {
                const int from = a[i].t0 >= b[j].t0 ? 0 : 1;
                const int to = a[i].t1 <= b[j].t1 ? 0 : 1;
                best = Stretch{t0, t1, std::isfinite(t0) ? from : -1, std::isfinite(t1) ? to : -1};
            }
        }
    }
    return best;
}

bool Glass::contains(double x, double y) const {
    const std::optional<Stretch> r = row(y);
    return r && x >= r->t0 && x <= r->t1;
}

Vec Glass::outwardNormal(int face, double x, double y) const {
    const Conic& c = faces_[static_cast<std::size_t>(face)];
    const double gx = 2 * c.A * x + c.C, gy = 2 * c.B * y;
    const double len = std::hypot(gx, gy);
    return len > 0 ? Vec{gx / len, gy / len} : Vec{1, 0};
}

Glass sphericalGlass(double xa, double xb, double r1, double r2, double n) {
    return Glass({1, 1, -2 * xa, xa * xa - r1 * r1}, {1, 1, -2 * xb, xb * xb - r2 * r2}, n);
}

Glass sahlGlass(double a, double b, double n, bool biconvex) {
    namespace hyp = optics::hyperbolic;
    const hyp::Lens lens = hyp::makeLens(a, b, n);
    const hyp::LensFaces faces = biconvex ? hyp::biconvexFaces(lens) : hyp::planoConvexFaces(lens);
    const double ia = 1 / (a * a), ib = 1 / (b * b);
    // The drawing's faces as regions: a plane face bounds x ≤ shift; a branch
    // on side σ moved right by s bounds −(x − s)²/a² + y²/b² + 1 ≤ 0 with
    // σ·(x − s) ≥ 0, the glass lying inside both.
    const auto region = [&](const hyp::Face& face) {
        if (face.kind == hyp::Face::Kind::Plane) {
            return Conic{0, 0, 1, -face.shift};
        }
        const double s = face.shift;
        return Conic{-ia, ib, 2 * s * ia, 1 - s * s * ia, face.side, s};
    };
    return Glass(region(faces[0]), region(faces[1]), n);
}

std::optional<Refracted> refract(Vec d, Vec normal, double n1, double n2) {
    double cosi = -(d.x * normal.x + d.y * normal.y);
    Vec m = normal;
    if (cosi < 0) {
        cosi = -cosi;
        m = {-m.x, -m.y};
    }
    const double eta = n1 / n2;
    const double k = 1 - eta * eta * (1 - cosi * cosi);
    if (k < 0) {
        return std::nullopt;
    }
    const double cost = std::sqrt(k);
    const double f = eta * cosi - cost;
    const double t = 2 * n1 * cosi / (n1 * cosi + n2 * cost);
    const double power = cosi > 0 ? n2 * cost / (n1 * cosi) * t * t : 0;
    return Refracted{{eta * d.x + f * m.x, eta * d.y + f * m.y}, power};
}

} // namespace optics::wavefield
