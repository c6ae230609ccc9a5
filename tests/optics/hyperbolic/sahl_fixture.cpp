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

} // namespace sahl_test
