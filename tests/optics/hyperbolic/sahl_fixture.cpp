#include "sahl_fixture.h"

#include <algorithm>
#include <cmath>

namespace sahl_test {

SahlTest::SahlTest() {
    surface.Scale(-120, 120, 150, -120);
    useIndex(1.5);
    setSource(108, 25);
}

void SahlTest::useIndex(double index) {
    n = index;
    b = bFor(index);
    state.nsahl = index;
}

void SahlTest::setSource(double x, double y) {
    source.pigiX = x;
    source.pigiY = y;
}

bool SahlTest::colorNear(double x, double y, canvas::Color color, int radiusPx) const {
    const int px = static_cast<int>(std::floor(surface.toPixelX(x)));
    const int py = static_cast<int>(std::floor(surface.toPixelY(y)));
    for (int dy = -radiusPx; dy <= radiusPx; ++dy) {
        for (int dx = -radiusPx; dx <= radiusPx; ++dx) {
            if (surface.pixel(px + dx, py + dy) == color) {
                return true;
            }
        }
    }
    return false;
}

int SahlTest::countColor(canvas::Color color, double x0, double y0, double x1, double y1) const {
    const int left = std::max(0, static_cast<int>(surface.toPixelX(std::min(x0, x1))));
    const int right =
        std::min(surface.widthPx() - 1, static_cast<int>(surface.toPixelX(std::max(x0, x1))));
    const int top = std::max(0, static_cast<int>(surface.toPixelY(std::max(y0, y1))));
    const int bottom =
        std::min(surface.heightPx() - 1, static_cast<int>(surface.toPixelY(std::min(y0, y1))));
    int count = 0;
    for (int py = top; py <= bottom; ++py) {
        for (int px = left; px <= right; ++px) {
            count += surface.pixel(px, py) == color ? 1 : 0;
        }
    }
    return count;
}

int SahlTest::countColor(canvas::Color color) const {
    return countColor(color, -120, 120, 150, -120);
}

Vec unit(Vec v) {
    const double length = std::hypot(v.x, v.y);
    return {v.x / length, v.y / length};
}

void expectSnell(Vec in, Vec out, Vec normal, double nIn, double nOut, double tolerance) {
    in = unit(in);
    out = unit(out);
    normal = unit(normal);
    if (normal.x * in.x + normal.y * in.y < 0) {
        normal = {-normal.x, -normal.y};
    }
    const double sinIn = normal.x * in.y - normal.y * in.x;
    const double sinOut = normal.x * out.y - normal.y * out.x;
    EXPECT_NEAR(nIn * sinIn, nOut * sinOut, tolerance);
    EXPECT_GT(normal.x * out.x + normal.y * out.y, 0) << "the ray turned back at the face";
}

Vec hyperbolaNormal(double x, double y, double b, double shift) {
    return {(x - shift) / (kA * kA), -y / (b * b)};
}

void expectEqualTimeFronts(const Protosfakos& state, int i, Vec start, double n) {
    const Vec p{state.eisodosX[i], state.eisodosY[i]};
    const Vec e{state.exodosX[i], state.exodosY[i]};
    const double toEntry = std::hypot(p.x - start.x, p.y - start.y);
    const double inGlass = std::hypot(e.x - p.x, e.y - p.y);
    const Vec out = unit({state.exodosCos[i], state.exodosSin[i]});
    for (int j = 0; j <= 30; ++j) {
        const double t = 15.0 * j;
        Vec expected{};
        if (t <= toEntry) {
            const double f = t / toEntry;
            expected = {start.x + f * (p.x - start.x), start.y + f * (p.y - start.y)};
        } else if (t <= toEntry + n * inGlass) {
            const double f = (t - toEntry) / n / inGlass;
            expected = {p.x + f * (e.x - p.x), p.y + f * (e.y - p.y)};
        } else {
            const double rest = t - toEntry - n * inGlass;
            expected = {e.x + rest * out.x, e.y + rest * out.y};
        }
        EXPECT_NEAR(state.metopoX(i, j), expected.x, 1e-3) << "ray " << i << " front " << j;
        EXPECT_NEAR(state.metopoY(i, j), expected.y, 1e-3) << "ray " << i << " front " << j;
    }
}

namespace {

// On face 1, the right branch, or on face 2 moved by shift, between its
// vertex and the lens edge.
bool onBranch(Vec p, double b, double shift) {
    const double x = p.x - shift;
    return std::fabs(x * x / 144 - p.y * p.y / (b * b) - 1) < 1e-9 && std::fabs(x) >= 12 - 1e-9 &&
           std::fabs(x) <= 48 + 1e-9;
}

void expectSnellAtBothBranches(const Protosfakos& state, int i, Vec travelIn, double b, double n) {
    const Vec p{state.eisodosX[i], state.eisodosY[i]};
    const Vec e{state.exodosX[i], state.exodosY[i]};
    const bool entersFirst = onBranch(p, b, 0);
    ASSERT_TRUE(entersFirst || onBranch(p, b, 96)) << "entry off the lens, ray " << i;
    ASSERT_TRUE(onBranch(e, b, entersFirst ? 96 : 0)) << "exit off the other face, ray " << i;
    const Vec glass{e.x - p.x, e.y - p.y};
    expectSnell(travelIn, glass, hyperbolaNormal(p.x, p.y, b, entersFirst ? 0 : 96), 1, n);
    expectSnell(glass, {state.exodosCos[i], state.exodosSin[i]},
                hyperbolaNormal(e.x, e.y, b, entersFirst ? 96 : 0), n, 1);
}

} // namespace

void expectSnellThroughBiconvex(const Protosfakos& state, const optics::SharedSource& source,
                                double b, double n) {
    for (int i = 0; i < source.plithosaktinon; ++i) {
        expectSnellAtBothBranches(
            state, i, {state.eisodosX[i] - source.pigiX, state.eisodosY[i] - source.pigiY}, b, n);
    }
}

void expectSnellThroughPlanoConvex(const Protosfakos& state, const optics::SharedSource& source,
                                   double b, double n) {
    for (int i = 0; i < source.plithosaktinon; ++i) {
        const Vec p{state.eisodosX[i], state.eisodosY[i]};
        const Vec e{state.exodosX[i], state.exodosY[i]};
        const Vec glass{e.x - p.x, e.y - p.y};
        EXPECT_DOUBLE_EQ(p.x, 48);
        EXPECT_NEAR(e.x * e.x / 144 - e.y * e.y / (b * b), 1, 1e-9) << "exit off the curve";
        EXPECT_GE(e.x, 12);
        EXPECT_LE(e.x, 48);
        expectSnell({p.x - source.pigiX, p.y - source.pigiY}, glass, {1, 0}, 1, n);
        expectSnell(glass, {state.exodosCos[i], state.exodosSin[i]}, hyperbolaNormal(e.x, e.y, b),
                    n, 1);
    }
}

} // namespace sahl_test
