#include "optics/wavefield/field.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace optics::wavefield {

namespace {

bool finite(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

Vec unit(double x, double y) {
    const double len = std::hypot(x, y);
    return {x / len, y / len};
}

// Adds a wavelet of field u at (x, y) facing (nx, ny), dl long; with the
// light's direction there, of Kirchhoff's obliquity.
bool addWavelet(Wavelets& s, double x, double y, Vec normal, Complex u, double dl,
                const Vec* along = nullptr) {
    if (std::norm(u) == 0 || !(dl > 0)) {
        return false;
    }
    static const Complex kTurn = std::polar(1.0, -std::numbers::pi / 4);
    s.x.push_back(x);
    s.y.push_back(y);
    s.nx.push_back(normal.x);
    s.ny.push_back(normal.y);
    s.lean.push_back(along ? normal.x * along->x + normal.y * along->y : 0);
    s.w.push_back((along ? 0.5 : 1.0) * u * dl * std::sqrt(s.k / (2 * std::numbers::pi)) * kTurn);
    return true;
}

// The wavelets of b appended to a.
void append(Wavelets& a, const Wavelets& b) {
    for (auto [to, from] : {std::pair{&a.x, &b.x},
                            {&a.y, &b.y},
                            {&a.nx, &b.nx},
                            {&a.ny, &b.ny},
                            {&a.lean, &b.lean}}) {
        to->insert(to->end(), from->begin(), from->end());
    }
    a.w.insert(a.w.end(), b.w.begin(), b.w.end());
    if (!a.away.empty() || !b.away.empty()) {
        a.away.resize(a.w.size() - b.w.size());
        a.awayLean.resize(a.away.size());
        a.away.insert(a.away.end(), b.away.begin(), b.away.end());
        a.awayLean.insert(a.awayLean.end(), b.awayLean.begin(), b.awayLean.end());
        a.away.resize(a.w.size());
        a.awayLean.resize(a.w.size());
    }
}

// Points of the curve y ↦ (x(y), y) for y from y0 to y1, spaced at most
// step apart along it, with the length each stands for.
template <class X>
void alongCurve(double y0, double y1, double step, X x,
                const std::function<void(double, double, double)>& visit) {
    constexpr int kFine = 4096;
    std::vector<double> arc(kFine + 1, 0.0);
    double px = x(y0);
    for (int i = 1; i <= kFine; ++i) {
        const double y = y0 + (y1 - y0) * i / kFine, cx = x(y);
        arc[i] = arc[i - 1] + std::hypot(cx - px, (y1 - y0) / kFine);
        px = cx;
    }
    const int count = std::max(1, static_cast<int>(std::ceil(arc[kFine] / step)));
    const double dl = arc[kFine] / count;
    int i = 0;
    for (int j = 0; j < count; ++j) {
        const double s = (j + 0.5) * dl;
        while (i < kFine - 1 && arc[i + 1] < s) {
            ++i;
        }
        const double f = (s - arc[i]) / std::max(arc[i + 1] - arc[i], 1e-300);
        const double y = y0 + (y1 - y0) * (i + f) / kFine;
        visit(x(y), y, dl);
    }
}

} // namespace

Field::Field(const Setup& setup) {
    lambda_ = setup.wavelength;
    if (!(lambda_ > 0) || !std::isfinite(lambda_)) {
        error_ = "The wavelength must be a positive number.";
        return;
    }
    const Region& g = setup.region;
    if (!finite({g.left, g.right, g.bottom, g.top}) || !(g.left < g.right) || !(g.bottom < g.top)) {
        error_ = "The region must be a finite rectangle.";
        return;
    }
    k_ = 2 * std::numbers::pi / lambda_;
    build(setup);
    if (!error_.empty()) {
        stages_.clear();
    }
}

void Field::build(const Setup& setup) {
    // The light's direction decides the frame: it travels towards +x there.
    double lensMiddle = 0;
    if (const auto* s = std::get_if<optics::spherical::SphericalLens>(&setup.lens)) {
        if (!finite({s->xa, s->xb, s->radius1, s->radius2, s->deiktis}) || !(s->radius1 > 0) ||
            !(s->radius2 > 0) || !(s->deiktis > 0)) {
            error_ = "The lens must have positive radii and index.";
            return;
        }
        glass_ = sphericalGlass(s->xa, s->xb, s->radius1, s->radius2, s->deiktis);
    } else if (const auto* h = std::get_if<SahlLens>(&setup.lens)) {
        if (!finite({h->a, h->b, h->n}) || !(h->a > 0) || !(h->b > 0) || !(h->n > 0)) {
            error_ = "The lens must have positive axes and index.";
            return;
        }
        glass_ = sahlGlass(h->a, h->b, h->n, h->biconvex);
    }
    if (glass_) {
        if (!(glass_->rimHeight() > 0)) {
            error_ = "The lens has no glass.";
            return;
        }
        lensMiddle = 0.5 * (glass_->leftmost() + glass_->rightmost());
    }
    if (const auto* p = std::get_if<optics::lensdata::PointSource>(&setup.light)) {
        if (!finite({p->x, p->y})) {
            error_ = "The source must lie at a finite point.";
            return;
        }
        mirror_ = p->x > lensMiddle ? -1 : 1;
        light_ = optics::lensdata::PointSource{mirror_ * p->x, p->y};
    } else {
        const Beam& b = std::get<Beam>(setup.light);
        const double len = std::hypot(b.dx, b.dy);
        if (!finite({b.dx, b.dy, b.low, b.high}) || !(len > 0) || !(b.low < b.high)) {
            error_ = "The beam must have a direction and a band.";
            return;
        }
        mirror_ = b.dx < 0 ? -1 : 1;
        // Mirroring turns the offsets round: the band becomes −high..−low.
        light_ = mirror_ > 0 ? Beam{b.dx / len, b.dy / len, b.low, b.high}
                             : Beam{-b.dx / len, b.dy / len, -b.high, -b.low};
        if (std::abs(b.dx) < 1e-9 * len) {
            error_ = "A beam along the lens's faces is not computed.";
            return;
        }
    }
    if (glass_ && mirror_ < 0) {
        glass_ = glass_->mirrored();
    }
    if (setup.screen) {
        const Screen& s = *setup.screen;
        if (!finite({s.x, s.bottom, s.top})) {
            error_ = "The screen must lie at finite points.";
            return;
        }
        screen_ = Screen{mirror_ * s.x, std::min(s.bottom, s.top), std::max(s.bottom, s.top)};
        // The workbench's blades stand at the middle of the window, often
        // across the lens, their tips held at its surface.
        screenAcross_ =
            glass_ && screen_->x > glass_->leftmost() && screen_->x < glass_->rightmost();
        screenFirst_ = !glass_ || screen_->x <= glass_->leftmost();
    }
    if (const auto* p = std::get_if<optics::lensdata::PointSource>(&light_)) {
        if ((glass_ && p->x >= glass_->leftmost()) ||
            (screen_ && !screenAcross_ && p->x >= screen_->x)) {
            error_ = "The source must lie before the lens and the screen.";
            return;
        }
    }

    const Region& g = setup.region;
    const double margin =
        std::max(20 * lambda_, 0.25 * std::max(g.right - g.left, g.top - g.bottom));
    const double ylo = g.bottom - margin, yhi = g.top + margin;
    // The heights of a line across the light at x that carry light: a beam
    // arriving unchanged fills its band only (dx > 0 here).
    const auto lineAt = [&](double x, int before) {
        const Beam* b = std::get_if<Beam>(&light_);
        if (!b || before >= 0) {
            return std::pair{ylo, yhi};
        }
        return std::pair{std::max(ylo, (b->low + b->dy * x) / b->dx),
                         std::min(yhi, (b->high + b->dy * x) / b->dx)};
    };
    // Lines sampled at λ/4 (λ/4n in the glass): refused beyond some millions
    // of wavelets, which no picture needs and no memory holds.
    constexpr double kMostSamples = 4e6;
    const double glassHeight = glass_ ? 2 * glass_->rimHeight() * glass_->index() : 0;
    const double x0 = glass_ ? glass_->rimX() : 0;
    // (A screen behind the lens receives light at every height.)
    const int behind = screen_ && !screenFirst_ && !screenAcross_ ? 0 : -1;
    const auto [lo0, hi0] = lineAt(screen_ ? screen_->x : x0, behind);
    if (!std::isfinite(hi0 - lo0) ||
        4 * std::max(hi0 - lo0, glassHeight) / lambda_ > kMostSamples) {
        error_ = "The wavelength is too short for the size of the picture.";
        return;
    }
    auto screenStage = [&] {
        Wavelets s;
        s.k = k_;
        const int before = static_cast<int>(stages_.size()) - 1;
        const auto [near, far] = lineAt(screen_->x, before);
        const double lo = std::max(screen_->bottom, near), hi = std::min(screen_->top, far);
        if (hi > lo) {
            alongCurve(
                lo, hi, lambda_ / 4, [&](double) { return screen_->x; },
                [&](double x, double y, double dl) {
                    addWavelet(s, x, y, {1, 0}, fieldBefore(before, x, y), dl);
                });
        }
        s.lens = s.w.size();
        screenStage_ = static_cast<int>(stages_.size());
        stages_.push_back(std::move(s));
    };
    if (screen_ && screenFirst_ && !screenAcross_) {
        screenStage();
    }
    if (glass_ && stages_.empty() && std::holds_alternative<Beam>(light_)) {
        // A band lower than the glass at the rim line would bring its sharp
        // edges, which are no wave, up to the rim line: the beam is made a
        // wave on a line a few wavelengths before the glass, the wavelets of
        // its band there, so that the light beside the lens is one sum on
        // both sides of the rim line.
        const double h = glass_->rimHeight();
        const auto [near, far] = lineAt(glass_->rimX(), -1);
        if (near > -h || far < h) {
            Wavelets s;
            s.k = k_;
            bandX_ = glass_->leftmost() - 4 * lambda_;
            const auto [lo, hi] = lineAt(bandX_, -1);
            if (hi > lo) {
                alongCurve(
                    lo, hi, lambda_ / 4, [&](double) { return bandX_; },
                    [&](double x, double y, double dl) {
                        addWavelet(s, x, y, {1, 0}, incident(x, y), dl);
                    });
            }
            s.lens = s.w.size();
            bandStage_ = static_cast<int>(stages_.size());
            stages_.push_back(std::move(s));
        }
    }
    if (glass_) {
        const Glass& glass = *glass_;
        const int before = static_cast<int>(stages_.size()) - 1;
        const double n = glass.index(), h = glass.rimHeight();
        // Blades across the lens stop the arriving light beyond their tips
        // as knife edges do, before it enters the glass as beside it; the
        // glass's own light passes them. A beam's sharp band is cut only by
        // a blade it reaches.
        std::vector<Blade> blades;
        if (screenAcross_) {
            const auto [bladeNear, bladeFar] = lineAt(screen_->x, -1);
            const bool point = std::holds_alternative<optics::lensdata::PointSource>(light_);
            if (point || bladeFar > screen_->top) {
                blades.push_back({{screen_->x, screen_->top}, 1});
            }
            if (point || bladeNear < screen_->bottom) {
                blades.push_back({{screen_->x, screen_->bottom}, -1});
            }
        }
        // The light that reaches (x, y) past them; and, where the glass's
        // traced light is to stand in for it, the light that would reach
        // there straight, cut as sharply as the blades cut the rays, so
        // that glass of index 1 would change nothing.
        const auto arrivingField = [&](double x, double y) {
            return through(blades, x, y) * fieldBefore(before, x, y);
        };
        const auto rayField = [&](double x, double y) {
            const bool hidden = std::any_of(blades.begin(), blades.end(), [&](const Blade& b) {
                return bladeHides(frame<double>(b), x, y);
            });
            return hidden ? Complex{} : fieldBefore(before, x, y);
        };
        Wavelets inside;
        inside.k = n * k_;
        const double edge = h * (1 - 1e-9);
        alongCurve(
            -edge, edge, lambda_ / (4 * n), [&](double y) { return glass.row(y)->t0; },
            [&](double x, double y, double dl) {
                const std::optional<Stretch> r = glass.row(y);
                const Vec out = glass.outwardNormal(r->from, x, y);
                Complex u = arrivingField(x, y);
                if (setup.fresnel && std::norm(u) > 0) {
                    // The amplitude transmission for the light's own direction here.
                    const auto* p = std::get_if<optics::lensdata::PointSource>(&light_);
                    const Vec d = p ? unit(x - p->x, y - p->y)
                                    : Vec{std::get<Beam>(light_).dx, std::get<Beam>(light_).dy};
                    const double cosi = std::abs(d.x * out.x + d.y * out.y);
                    const std::optional<Refracted> t = refract(d, out, 1, n);
                    const double cost = t ? std::sqrt(1 - (1 - cosi * cosi) / (n * n)) : 1;
                    u *= t ? 2 * cosi / (cosi + n * cost) : 0.0;
                }
                addWavelet(inside, x, y, {-out.x, -out.y}, u, dl);
            });
        // The glass's light (exit) and the arriving light the rim line stands
        // in for within the lens's height (mid, taken away), both forming the
        // field in air on both sides of the rim line (the arriving field
        // being a true wave: from a point, past a screen, or a beam whose
        // band is a wave by then or whose sharp edges lie beside the glass).
        Wavelets exit, mid;
        exit.k = mid.k = k_;
        std::vector<double> lengths;
        traceExit(setup, exit, lengths);
        const auto* p = std::get_if<optics::lensdata::PointSource>(&light_);
        const auto arriving = [&](double x, double y) {
            // The arriving light's direction: from the source, or the beam's
            // (past a screen too: only the obliquity uses it).
            return p ? unit(x - p->x, y - p->y)
                     : Vec{std::get<Beam>(light_).dx, std::get<Beam>(light_).dy};
        };
        const auto [near, far] = lineAt(glass.rimX(), before);
        // Where the exit wavelets cover the exit face from rim to rim, a true
        // wave arriving is taken away there, at their places (the two curves
        // give the same sum outside them): half the wavelets of taking it on
        // the rim line.
        std::vector<double> heights = exit.y;
        std::sort(heights.begin(), heights.end());
        bool covered = !heights.empty() && heights.front() < -h + lambda_ / 2 &&
                       heights.back() > h - lambda_ / 2;
        for (std::size_t j = 1; covered && j < heights.size(); ++j) {
            covered = heights[j] - heights[j - 1] < lambda_ / 2;
        }
        if (covered) {
            static const Complex kTurn = std::polar(1.0, -std::numbers::pi / 4);
            const double scale = 0.5 * std::sqrt(k_ / (2 * std::numbers::pi));
            for (std::size_t j = 0; j < exit.w.size(); ++j) {
                const Vec d = arriving(exit.x[j], exit.y[j]);
                exit.away.push_back(-rayField(exit.x[j], exit.y[j]) * lengths[j] * scale * kTurn);
                exit.awayLean.push_back(exit.nx[j] * d.x + exit.ny[j] * d.y);
            }
        } else if (const double lo = std::max(-h, near), hi = std::min(h, far); hi > lo) {
            alongCurve(
                lo, hi, lambda_ / 4, [&](double) { return glass.rimX(); },
                [&](double x, double y, double dl) {
                    const Vec d = arriving(x, y);
                    addWavelet(mid, x, y, {1, 0}, -rayField(x, y), dl, &d);
                });
        }
        exit.lens = exit.w.size();
        Wavelets front = exit;
        append(front, mid);
        front.plus = before;
        feedStage_ = before;
        inside.lens = inside.w.size();
        glassStage_ = static_cast<int>(stages_.size());
        stages_.push_back(std::move(inside));
        frontStage_ = static_cast<int>(stages_.size());
        stages_.push_back(std::move(front));
        // In the air on both sides of the rim line, too.
        stages_.back().blades = blades;
        Wavelets after = stages_.back();
        afterStage_ = static_cast<int>(stages_.size());
        stages_.push_back(std::move(after));
    }
    if (screen_ && !screenFirst_ && !screenAcross_) {
        screenStage();
    }
}

// Traces rays across the light, closely enough that their exit points lie
// at most λ/4 apart, and makes each exit point a wavelet.
void Field::traceExit(const Setup& setup, Wavelets& out, std::vector<double>& lengths) const {
    const Glass& glass = *glass_;
    const double n = glass.index();
    const auto* source = std::get_if<optics::lensdata::PointSource>(&light_);
    struct Ray {
        double p = 0;
        bool ok = false;
        Vec at, dir, normal;
        double path = 0, power = 0;
    };
    // The rays' parameter: the angle from a point source, the offset across a beam.
    double p0 = 0, p1 = 0;
    if (source) {
        double lo = std::numbers::pi, hi = -std::numbers::pi;
        for (const double x : {glass.leftmost(), glass.rightmost()}) {
            for (const double y : {-glass.rimHeight(), glass.rimHeight()}) {
                const double a = std::atan2(y - source->y, x - source->x);
                lo = std::min(lo, a);
                hi = std::max(hi, a);
            }
        }
        p0 = lo - 1e-3;
        p1 = hi + 1e-3;
    } else {
        p0 = std::get<Beam>(light_).low;
        p1 = std::get<Beam>(light_).high;
    }
    auto trace = [&](double p) {
        Ray ray;
        ray.p = p;
        Vec start, d;
        if (source) {
            start = {source->x, source->y};
            d = {std::cos(p), std::sin(p)};
        } else {
            const Beam& b = std::get<Beam>(light_);
            d = {b.dx, b.dy};
            const double back = 1e4 + std::abs(glass.leftmost()) + std::abs(p);
            start = {-b.dy * p - back * d.x, b.dx * p - back * d.y};
        }
        const std::optional<Stretch> in = glass.through(start, d);
        if (!in || in->from < 0 || !(in->t0 > 0)) {
            return ray;
        }
        const Vec entry{start.x + in->t0 * d.x, start.y + in->t0 * d.y};
        if (screen_ && (screenFirst_ || screenAcross_)) {
            const double t = (screen_->x - start.x) / d.x;
            const double y = start.y + t * d.y;
            if (t > 0 && t < in->t0 && (y < screen_->bottom || y > screen_->top)) {
                return ray;
            }
        }
        const std::optional<Refracted> bent =
            refract(d, glass.outwardNormal(in->from, entry.x, entry.y), 1, n);
        if (!bent) {
            return ray;
        }
        const std::optional<Stretch> across = glass.through(entry, bent->d);
        if (!across || across->to < 0) {
            return ray;
        }
        const Vec exit{entry.x + across->t1 * bent->d.x, entry.y + across->t1 * bent->d.y};
        const Vec normal = glass.outwardNormal(across->to, exit.x, exit.y);
        const std::optional<Refracted> gone = refract(bent->d, normal, n, 1);
        if (!gone) {
            return ray;
        }
        const double air = source ? std::hypot(entry.x - source->x, entry.y - source->y)
                                  : entry.x * d.x + entry.y * d.y;
        ray.ok = true;
        ray.at = exit;
        ray.dir = gone->d;
        ray.normal = normal;
        ray.path = air + n * across->t1;
        ray.power = setup.fresnel ? bent->power * gone->power : 1;
        return ray;
    };
    auto traceAll = [&](int count) {
        std::vector<Ray> rays(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            rays[i] = trace(p0 + (p1 - p0) * (i + 0.5) / count);
        }
        return rays;
    };
    // An odd count puts a ray on the middle of the light, where a symmetric
    // set-up's axis runs.
    int count = 1025;
    std::vector<Ray> rays = traceAll(count);
    double widest = 0;
    for (std::size_t i = 1; i < rays.size(); ++i) {
        if (rays[i].ok && rays[i - 1].ok) {
            widest = std::max(widest, std::hypot(rays[i].at.x - rays[i - 1].at.x,
                                                 rays[i].at.y - rays[i - 1].at.y));
        }
    }
    const double step = lambda_ / 4;
    if (widest > step) {
        count = static_cast<int>(std::min(2e5, std::ceil(count * widest / step * 1.1))) | 1;
        rays = traceAll(count);
    }
    // Each ray's amplitude from its close neighbours; then the wavelets are
    // thinned to about one a step, where the rays crowd (near the axis) or
    // where some spread far apart (grazing the face) so that others crowd.
    struct Kept {
        Vec at, normal, dir;
        Complex u;
    };
    std::vector<std::vector<Kept>> runs(1);
    for (std::size_t i = 0; i < rays.size(); ++i) {
        const Ray& r = rays[i];
        if (!r.ok) {
            if (!runs.back().empty()) {
                runs.emplace_back();
            }
            continue;
        }
        const Ray& a = i > 0 && rays[i - 1].ok ? rays[i - 1] : r;
        const Ray& b = i + 1 < rays.size() && rays[i + 1].ok ? rays[i + 1] : r;
        if (!(b.p > a.p)) {
            continue;
        }
        // The ray tube's width across the ray, per unit of the parameter.
        const double across =
            std::abs((b.at.x - a.at.x) * r.dir.y - (b.at.y - a.at.y) * r.dir.x) / (b.p - a.p);
        const double amplitude = std::sqrt(r.power / std::max(across, 1e-9));
        runs.back().push_back({r.at, r.normal, r.dir, std::polar(amplitude, k_ * r.path)});
    }
    for (std::vector<Kept>& run : runs) {
        // Rays chosen evenly by length along the face, each half counted
        // from its own end, so that a symmetric set-up keeps symmetric
        // wavelets.
        if (run.size() < 3) {
            continue;
        }
        const std::size_t last = run.size() - 1;
        std::vector<double> fore(run.size(), 0.0), back(run.size(), 0.0);
        for (std::size_t i = 1; i <= last; ++i) {
            fore[i] = fore[i - 1] +
                      std::hypot(run[i].at.x - run[i - 1].at.x, run[i].at.y - run[i - 1].at.y);
            back[i] = back[i - 1] + std::hypot(run[last - i].at.x - run[last - i + 1].at.x,
                                               run[last - i].at.y - run[last - i + 1].at.y);
        }
        const auto nearest = [](const std::vector<double>& arc, double mark) {
            std::size_t i = 0;
            while (i + 1 < arc.size() && arc[i + 1] <= mark) {
                ++i;
            }
            return i + 1 < arc.size() && arc[i + 1] - mark < mark - arc[i] ? i + 1 : i;
        };
        const std::size_t count = static_cast<std::size_t>(std::ceil(fore[last] / step)) + 1;
        std::vector<Kept> thin;
        for (std::size_t j = 0; j < count; ++j) {
            const bool fromEnd = 2 * j > count - 1;
            const double mark = fore[last] * static_cast<double>(fromEnd ? count - 1 - j : j) /
                                static_cast<double>(count - 1);
            thin.push_back(fromEnd ? run[last - nearest(back, mark)] : run[nearest(fore, mark)]);
        }
        run = std::move(thin);
    }
    for (const std::vector<Kept>& run : runs) {
        for (std::size_t i = 0; i < run.size(); ++i) {
            const Kept& a = run[i > 0 ? i - 1 : i];
            const Kept& b = run[i + 1 < run.size() ? i + 1 : i];
            // Half the way to each neighbour; an end stands for half a step beyond.
            double dl = 0.5 * std::hypot(b.at.x - a.at.x, b.at.y - a.at.y);
            if (i == 0 || i + 1 == run.size()) {
                dl += 0.5 * std::min(step, run.size() > 1 ? 2 * dl : step);
            }
            if (addWavelet(out, run[i].at.x, run[i].at.y, run[i].normal, run[i].u, dl,
                           &run[i].dir)) {
                lengths.push_back(dl);
            }
        }
    }
}

bool Field::symmetric() const {
    if (screen_ && !(screen_->bottom == -screen_->top)) {
        return false;
    }
    if (const auto* p = std::get_if<optics::lensdata::PointSource>(&light_)) {
        return p->y == 0;
    }
    const Beam& b = std::get<Beam>(light_);
    return b.dy == 0 && b.low == -b.high;
}

Complex Field::incident(double x, double y) const {
    if (const auto* p = std::get_if<optics::lensdata::PointSource>(&light_)) {
        const double r = std::max(std::hypot(x - p->x, y - p->y), lambda_ / 100);
        return std::polar(1 / std::sqrt(r), k_ * r);
    }
    const Beam& b = std::get<Beam>(light_);
    const double offset = -b.dy * x + b.dx * y;
    if (offset < b.low || offset > b.high) {
        return 0;
    }
    return std::polar(1.0, k_ * (b.dx * x + b.dy * y));
}

Complex Field::sum(int stage, double x, double y) const {
    const Wavelets& s = stages_[static_cast<std::size_t>(stage)];
    Complex total = 0;
    for (std::size_t j = 0; j < s.w.size(); ++j) {
        const double dx = x - s.x[j], dy = y - s.y[j];
        const double r = std::max(std::hypot(dx, dy), 1e-9);
        const double cosine = (s.nx[j] * dx + s.ny[j] * dy) / r;
        Complex weight = s.w[j] * (cosine + s.lean[j]);
        if (!s.away.empty()) {
            weight += s.away[j] * (cosine + s.awayLean[j]);
        }
        total += weight / std::sqrt(r) * std::polar(1.0, s.k * r);
    }
    return total;
}

// The field a boundary built after stage `before` receives at (x, y).
Complex Field::fieldBefore(int before, double x, double y) const {
    if (before < 0) {
        return incident(x, y);
    }
    const Wavelets& s = stages_[static_cast<std::size_t>(before)];
    if (!s.plus) {
        return sum(before, x, y);
    }
    return sum(before, x, y) + through(s.blades, x, y) * fieldBefore(*s.plus, x, y);
}

Complex Field::through(const std::vector<Blade>& blades, double x, double y) const {
    Complex pass = 1;
    for (const Blade& blade : blades) {
        double re = 0, im = 0;
        bladeShare(
            frame<double>(blade), x, y, 1 / lambda_,
            [](double cycles, double& c, double& s) {
                c = std::cos(2 * std::numbers::pi * cycles);
                s = std::sin(2 * std::numbers::pi * cycles);
            },
            re, im);
        pass -= Complex(re, im);
    }
    return pass;
}

Field::Row Field::row(double y) const {
    Row r{y};
    if (glass_) {
        if (const std::optional<Stretch> s = glass_->row(y)) {
            r.glassRow = true;
            r.glassLeft = s->t0;
            r.glassRight = s->t1;
        }
    }
    return r;
}

int Field::sourceIn(const Row& row, double x) const {
    int owner = -1;
    const auto pastScreen = [&] { return screen_ && !screenAcross_ && x > screen_->x; };
    if (screenFirst_ && pastScreen()) {
        owner = screenStage_;
    }
    if (bandStage_ >= 0 && x > bandX_) {
        owner = bandStage_;
    }
    if (glass_) {
        if (row.glassRow && x >= row.glassLeft && x <= row.glassRight) {
            owner = glassStage_;
        } else if (row.glassRow ? x > row.glassRight : x > glass_->rimX()) {
            owner = afterStage_;
        } else if (owner == feedStage_) {
            owner = frontStage_;
        }
    }
    if (!screenFirst_ && pastScreen()) {
        owner = screenStage_;
    }
    return owner;
}

int Field::sourceOf(double x, double y) const {
    return sourceIn(row(y), mirror_ * x);
}

Complex Field::at(double x, double y) const {
    if (!error_.empty() || !std::isfinite(x) || !std::isfinite(y)) {
        return 0;
    }
    const double xi = mirror_ * x;
    return fieldBefore(sourceIn(row(y), xi), xi, y);
}

} // namespace optics::wavefield
