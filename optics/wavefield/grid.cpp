#include "optics/wavefield/grid.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <future>
#include <numbers>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace optics::wavefield {

namespace {

constexpr float kPiF = std::numbers::pi_v<float>;

// cos and sin of 2π·cycles. The whole cycles go by rounding (adding and
// taking away 1.5·2²³ rounds a float to the nearest integer); the rest is a
// half angle x in [−π/2, π/2], whose sine and cosine series end below 4e-6,
// doubled. Plain arithmetic, so that loops over it vectorise.
inline void turn(float cycles, float& c, float& s) {
    constexpr float kRound = 12582912.0f;
    const float f = cycles - ((cycles + kRound) - kRound);
    const float x = kPiF * f, x2 = x * x;
    const float sh =
        x * (1 + x2 * (-1.0f / 6 + x2 * (1.0f / 120 + x2 * (-1.0f / 5040 + x2 * (1.0f / 362880)))));
    const float ch =
        1 +
        x2 * (-0.5f + x2 * (1.0f / 24 + x2 * (-1.0f / 720 + x2 * (1.0f / 40320 - x2 / 3628800))));
    s = 2 * sh * ch;
    c = 1 - 2 * sh * sh;
}

struct Boundary {
    float cycles = 0; // k / 2π
    std::optional<int> plus;
    std::vector<Blade> blades;
    // A wavelet adds (w·cos θ + v)·e^{ikr}/√r.
    std::vector<float> x, y, nx, ny, wr, wi, vr, vi;
};

std::vector<Boundary> singlePrecision(const Field& field) {
    std::vector<Boundary> out;
    for (const Wavelets& s : field.boundaries()) {
        Boundary b;
        b.cycles = static_cast<float>(s.k / (2 * std::numbers::pi));
        b.plus = s.plus;
        b.blades = s.blades;
        for (std::size_t j = 0; j < s.w.size(); ++j) {
            b.x.push_back(static_cast<float>(s.x[j]));
            b.y.push_back(static_cast<float>(s.y[j]));
            b.nx.push_back(static_cast<float>(s.nx[j]));
            b.ny.push_back(static_cast<float>(s.ny[j]));
            Complex w = s.w[j], v = s.w[j] * s.lean[j];
            if (!s.away.empty()) {
                w += s.away[j];
                v += s.away[j] * s.awayLean[j];
            }
            b.wr.push_back(static_cast<float>(w.real()));
            b.wi.push_back(static_cast<float>(w.imag()));
            b.vr.push_back(static_cast<float>(v.real()));
            b.vi.push_back(static_cast<float>(v.imag()));
        }
        out.push_back(std::move(b));
    }
    return out;
}

// The wavelets of b at the points x[0..count) of the row y, added to re/im.
// Built also for wider vector units, chosen when the program starts.
[[gnu::target_clones("avx512f", "avx2", "default")]] void
addWavelets(const Boundary& b, const float* x, float y, int count, float* re, float* im) {
    for (std::size_t j = 0; j < b.x.size(); ++j) {
        const float qx = b.x[j], qy = b.y[j], nx = b.nx[j], ny = b.ny[j];
        const float wr = b.wr[j], wi = b.wi[j], vr = b.vr[j], vi = b.vi[j], cycles = b.cycles;
        const float dy = y - qy, dy2 = dy * dy, nydy = ny * dy;
        for (int i = 0; i < count; ++i) {
            const float dx = x[i] - qx;
            const float r = std::max(std::sqrt(dx * dx + dy2), 1e-9f);
            const float inv = 1 / r;
            const float root = std::sqrt(inv), a = (nx * dx + nydy) * inv * root;
            float c, s;
            turn(cycles * r, c, s);
            const float pr = wr * a + vr * root, pi = wi * a + vi * root;
            re[i] += pr * c - pi * s;
            im[i] += pr * s + pi * c;
        }
    }
}

// The source's own wave at the points of the row, as Field::incident.
void addIncident(const Field& field, const Light& light, const float* x, float y, int count,
                 float* re, float* im) {
    const float cycles = static_cast<float>(1 / field.wavelength());
    if (const auto* p = std::get_if<optics::lensdata::PointSource>(&light)) {
        const float sx = static_cast<float>(p->x), dy = y - static_cast<float>(p->y);
        const float nearest = static_cast<float>(field.wavelength() / 100);
        for (int i = 0; i < count; ++i) {
            const float dx = x[i] - sx;
            const float r = std::max(std::sqrt(dx * dx + dy * dy), nearest);
            float c, s;
            turn(cycles * r, c, s);
            const float a = 1 / std::sqrt(r);
            re[i] += a * c;
            im[i] += a * s;
        }
        return;
    }
    const Beam& b = std::get<Beam>(light);
    const float dx = static_cast<float>(b.dx), dy = static_cast<float>(b.dy);
    const float low = static_cast<float>(b.low), high = static_cast<float>(b.high);
    for (int i = 0; i < count; ++i) {
        const float offset = -dy * x[i] + dx * y;
        float c, s;
        turn(cycles * (dx * x[i] + dy * y), c, s);
        const float inside = offset >= low && offset <= high ? 1.0f : 0.0f;
        re[i] += inside * c;
        im[i] += inside * s;
    }
}

// The light arriving at the points (are, aim) as it comes past the blades,
// added to re/im.
[[gnu::target_clones("avx512f", "avx2", "default")]] void
addThroughBlades(const Field& field, const std::vector<Blade>& blades, const float* x, float y,
                 int count, const float* are, const float* aim, float* re, float* im) {
    const float cycles = static_cast<float>(1 / field.wavelength());
    std::vector<float> pr(static_cast<std::size_t>(count), 1.0f), pi(pr.size(), 0.0f);
    for (const Blade& blade : blades) {
        const BladeFrame<float> b = field.frame<float>(blade);
        for (int i = 0; i < count; ++i) {
            float sr, si;
            bladeShare(
                b, x[i], y, cycles, [](float u, float& c, float& s) { turn(u, c, s); }, sr, si);
            pr[i] -= sr;
            pi[i] -= si;
        }
    }
    for (int i = 0; i < count; ++i) {
        re[i] += pr[i] * are[i] - pi[i] * aim[i];
        im[i] += pr[i] * aim[i] + pi[i] * are[i];
    }
}

// The field of boundary `from` (−1: the source's own wave) at the points of
// the row, with the boundaries it adds, added to re/im.
void addField(const Field& field, const std::vector<Boundary>& boundaries, int from, const float* x,
              float y, int count, float* re, float* im) {
    for (std::optional<int> at = from; at;) {
        if (*at < 0) {
            addIncident(field, field.light(), x, y, count, re, im);
            return;
        }
        const Boundary& b = boundaries[static_cast<std::size_t>(*at)];
        addWavelets(b, x, y, count, re, im);
        if (b.plus && !b.blades.empty()) {
            std::vector<float> are(static_cast<std::size_t>(count)), aim(are);
            addField(field, boundaries, *b.plus, x, y, count, are.data(), aim.data());
            addThroughBlades(field, b.blades, x, y, count, are.data(), aim.data(), re, im);
            return;
        }
        at = b.plus;
    }
}

// A picture of millions of device pixels is tens of megabytes of fresh
// memory, and the kernel's fault at the first write of each 4 KiB page,
// taken on one thread as the vector value-initialises, costs more than the
// sums. Asking for 2 MiB pages where the storage covers them makes those
// faults few. A hint only: where it is refused the field is the same, the
// faults as many.
void preferLargePages(void* data, std::size_t bytes) {
#if defined(__linux__)
    constexpr std::uintptr_t kLarge = std::uintptr_t{1} << 21;
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t skip = (kLarge - start % kLarge) % kLarge;
    if (bytes >= skip + kLarge) {
        const std::size_t length = (bytes - skip) / kLarge * kLarge;
        static_cast<void>(madvise(static_cast<char*>(data) + skip, length, MADV_HUGEPAGE));
    }
#else
    (void)data;
    (void)bytes;
#endif
}

} // namespace

bool computeRows(const Field& field, const Grid& grid, int begin, int end, std::span<ComplexF> out,
                 const std::atomic<bool>* cancel) {
    if (begin < 0 || end > grid.rows || begin > end || grid.columns < 0 ||
        out.size() <
            static_cast<std::size_t>(end - begin) * static_cast<std::size_t>(grid.columns)) {
        return false;
    }
    const std::vector<Boundary> boundaries = singlePrecision(field);
    const std::size_t columns = static_cast<std::size_t>(grid.columns);
    std::vector<float> xs(columns), re(columns), im(columns);
    std::vector<int> owner(columns);
    const double m = field.mirror();
    for (std::size_t i = 0; i < columns; ++i) {
        xs[i] = static_cast<float>(m * (grid.x0 + static_cast<double>(i) * grid.dx));
    }
    for (int j = begin; j < end; ++j) {
        if (cancel && cancel->load(std::memory_order_relaxed)) {
            return false;
        }
        const double y = grid.y0 + j * grid.dy;
        ComplexF* row = out.data() + static_cast<std::size_t>(j - begin) * columns;
        if (!field.error().empty()) {
            std::fill(row, row + columns, ComplexF{});
            continue;
        }
        const Field::Row plan = field.row(y);
        for (std::size_t i = 0; i < columns; ++i) {
            owner[i] = field.sourceIn(plan, m * (grid.x0 + static_cast<double>(i) * grid.dx));
        }
        std::fill(re.begin(), re.end(), 0.0f);
        std::fill(im.begin(), im.end(), 0.0f);
        // Runs of points whose field comes from the same boundary.
        for (std::size_t i = 0; i < columns;) {
            std::size_t k = i;
            while (k < columns && owner[k] == owner[i]) {
                ++k;
            }
            addField(field, boundaries, owner[i], &xs[i], static_cast<float>(y),
                     static_cast<int>(k - i), &re[i], &im[i]);
            i = k;
        }
        for (std::size_t i = 0; i < columns; ++i) {
            row[i] = {re[i], im[i]};
        }
    }
    return true;
}

std::optional<std::vector<ComplexF>> computeGrid(const Field& field, const Grid& grid, int threads,
                                                 const std::atomic<bool>* cancel) {
    const double points = static_cast<double>(grid.columns) * grid.rows;
    if (grid.columns < 0 || grid.rows < 0 || points > (1 << 26) ||
        !std::isfinite(grid.x0 + grid.y0 + grid.dx + grid.dy)) {
        return std::nullopt;
    }
    std::vector<ComplexF> out;
    out.reserve(static_cast<std::size_t>(points));
    preferLargePages(out.data(), out.capacity() * sizeof(ComplexF));
    out.resize(static_cast<std::size_t>(points));
    // In a set-up symmetric about the axis, a row whose mirror row is in the
    // grid is copied from it, by the thread that computed it, rather than
    // computed.
    std::vector<int> copyTo(static_cast<std::size_t>(grid.rows), -1);
    std::vector<int> computed;
    const bool symmetric = field.error().empty() && field.symmetric() && grid.dy != 0;
    for (int j = 0; j < grid.rows; ++j) {
        if (symmetric) {
            const double partner = -2 * grid.y0 / grid.dy - j;
            const double whole = std::round(partner);
            if (std::abs(partner - whole) < 1e-9 * std::max(1.0, std::abs(partner)) && whole >= 0 &&
                whole < j) {
                copyTo[static_cast<std::size_t>(whole)] = j;
                continue;
            }
        }
        computed.push_back(j);
    }
    const int parts = std::clamp(threads, 1, 64);
    std::vector<std::future<bool>> work;
    work.reserve(static_cast<std::size_t>(parts));
    const std::size_t columns = static_cast<std::size_t>(grid.columns);
    for (int t = 0; t < parts; ++t) {
        work.push_back(std::async(std::launch::async, [&, t] {
            // Interleaved rows share the dear and the cheap parts evenly.
            for (std::size_t k = static_cast<std::size_t>(t); k < computed.size(); k += parts) {
                const int j = computed[k];
                const auto row = out.begin() + static_cast<std::ptrdiff_t>(j * columns);
                if (!computeRows(field, grid, j, j + 1, std::span(row, columns), cancel)) {
                    return false;
                }
                if (const int to = copyTo[static_cast<std::size_t>(j)]; to >= 0) {
                    std::copy_n(row, columns,
                                out.begin() + static_cast<std::ptrdiff_t>(to * columns));
                }
            }
            return true;
        }));
    }
    bool ok = true;
    for (std::future<bool>& w : work) {
        ok = w.get() && ok;
    }
    if (!ok) {
        return std::nullopt;
    }
    return out;
}

} // namespace optics::wavefield
