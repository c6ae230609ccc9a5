#include "sahl_fixture.h"

#include <numbers>

namespace {

using namespace optics::hyperbolic;
using namespace sahl_test;
using namespace canvas::colors;

const double kD = 7.2 * kA / 700; // the beam starts d before x = 130

TEST_F(SahlTest, HorizontalBeamThroughPlanoConvexMeetsAtTheNearFocus) {
    epipedokyrtosDesmi(state, view, kA, b, 0);
    ASSERT_EQ(captions.size(), 1u);
    EXPECT_EQ(captions[0], "IBN SAHL'S PLANECONVEX LENS");
    // h = 100, 98 .. −100: |h| <= 51.96 for h = −50 .. 50, 51 rays; the one
    // on the axis leaves by the vertex, straight on.
    ASSERT_EQ(source.plithosaktinon, 51);
    const Vec f1{-18, 0}; // c = 12·n
    for (int i = 0; i < 51; ++i) {
        const Vec e{state.exodosX[i], state.exodosY[i]};
        const Vec u{state.exodosCos[i], state.exodosSin[i]};
        const Vec toFocus = unit({f1.x - e.x, f1.y - e.y});
        EXPECT_NEAR(u.x * toFocus.y - u.y * toFocus.x, 0, 1e-6) << "ray " << i;
        EXPECT_GT(u.x * toFocus.x + u.y * toFocus.y, 0) << "ray " << i;
        EXPECT_TRUE(colorNear(e.x, e.y, black, 2)) << "exit dot of ray " << i;
        const double glass = std::hypot(e.x - 48, e.y - state.eisodosY[i]);
        if (glass >= 10) {
            expectEqualTimeFronts(state, i, {130 - kD, state.eisodosY[i]}, n);
        }
    }
}

// Whether a ray inside the glass along dir from the plane face point p is
// totally reflected where it meets the curved face, found by bisection.
bool totallyReflectedAtCurvedFace(Vec p, Vec dir, double b, double n) {
    auto outside = [&](double t) {
        const double x = p.x + t * dir.x;
        const double y = p.y + t * dir.y;
        return x * x / 144 - y * y / (b * b) < 1;
    };
    double lo = 0, hi = 100;
    for (int k = 0; k < 200; ++k) {
        const double mid = (lo + hi) / 2;
        (outside(mid) ? hi : lo) = mid;
    }
    const Vec hit{p.x + lo * dir.x, p.y + lo * dir.y};
    const Vec normal = unit(hyperbolaNormal(hit.x, hit.y, b));
    const double sine = std::fabs(normal.x * dir.y - normal.y * dir.x);
    return n * sine > 1;
}

TEST_F(SahlTest, TiltedBeamLosesTotallyReflectedRays) {
    useIndex(2.5);
    const double alpha = 30 * std::numbers::pi / 180;
    const double m = std::tan(alpha);
    epipedokyrtosDesmi(state, view, kA, b, m);
    const Vec inGlass = unit({-std::sqrt(1 - 0.04), -0.2}); // sin r = sin 30° / 2.5
    int entering = 0;
    int reflected = 0;
    for (int h = 100; h >= -100; h -= 2) {
        const double y4 = h - m * (130 - 48);
        if (std::fabs(y4) > edgeHeight(b)) {
            continue;
        }
        ++entering;
        if (totallyReflectedAtCurvedFace({48, y4}, inGlass, b, 2.5)) {
            ++reflected;
            for (int i = 0; i < source.plithosaktinon; ++i) {
                EXPECT_GT(std::fabs(state.eisodosY[i] - y4), 1e-6) << "reflected ray recorded";
            }
        }
    }
    EXPECT_GT(reflected, 0);
    EXPECT_EQ(source.plithosaktinon, entering - reflected);
    for (int i = 0; i < source.plithosaktinon; ++i) {
        const Vec e{state.exodosX[i], state.exodosY[i]};
        expectSnell({-std::cos(alpha), -std::sin(alpha)}, {e.x - 48, e.y - state.eisodosY[i]},
                    {1, 0}, 1, n);
        expectSnell({e.x - 48, e.y - state.eisodosY[i]}, {state.exodosCos[i], state.exodosSin[i]},
                    hyperbolaNormal(e.x, e.y, b), n, 1);
    }
}

class BiconvexBeamTest : public SahlTest {
  protected:
    void expectSnellAlong(Vec travel) {
        for (int i = 0; i < source.plithosaktinon; ++i) {
            const Vec p{state.eisodosX[i], state.eisodosY[i]};
            const Vec e{state.exodosX[i], state.exodosY[i]};
            const Vec glass{e.x - p.x, e.y - p.y};
            expectSnell(travel, glass, hyperbolaNormal(p.x, p.y, b, 96), 1, n);
            expectSnell(glass, {state.exodosCos[i], state.exodosSin[i]},
                        hyperbolaNormal(e.x, e.y, b), n, 1);
        }
    }
};

TEST_F(BiconvexBeamTest, HorizontalBeamMarksItsStartsAndTracesTheLens) {
    amfikyrtosDesmi(state, view, kA, b, 0);
    EXPECT_EQ(captions.at(0), "Αμφίκυρτος φακός του Ιμπν Σαχλ με δύο υπερβολές");
    // h = 100 .. −100: the 103 rays with |h| <= 51 enter, the axial one by
    // both vertices; the marginal ones are totally reflected.
    ASSERT_GT(source.plithosaktinon, 20);
    EXPECT_LE(source.plithosaktinon, 103);
    expectSnellAlong({-1, 0});
    for (int i = 0; i < source.plithosaktinon; ++i) {
        EXPECT_LE(std::fabs(state.eisodosY[i]), 51);
        const double glass =
            std::hypot(state.exodosX[i] - state.eisodosX[i], state.exodosY[i] - state.eisodosY[i]);
        if (glass >= 10) {
            expectEqualTimeFronts(state, i, {130, state.eisodosY[i]}, n);
        }
    }
    for (const double y : {100.0, 0.0, -100.0}) {
        EXPECT_TRUE(colorNear(130, y, black)) << "start mark at " << y;
    }
}

TEST_F(BiconvexBeamTest, TiltedBeamMarksWhereItsRaysCrossOneFront) {
    // At 20° the first ray, through (130, 100), is the first that light
    // reaches; the ray through (130, h) crosses the line across the beam
    // there 100 − h units of height later, that is (100 − h)·sin α before
    // (130, h) along the ray: at (130, h) + (100 − h)·sin α·(cos α, sin α).
    const double alpha = 20 * std::numbers::pi / 180;
    amfikyrtosDesmi(state, view, kA, b, std::tan(alpha));
    ASSERT_GT(source.plithosaktinon, 10);
    expectSnellAlong({-std::cos(alpha), -std::sin(alpha)});
    for (const double h : {100.0, 80.0, 60.0}) {
        const double back = (100 - h) * std::sin(alpha);
        EXPECT_TRUE(colorNear(130 + back * std::cos(alpha), h + back * std::sin(alpha), black))
            << "start mark of the ray through (130, " << h << ")";
    }
}

TEST_F(SahlTest, BeamSlopeThatIsNotANumberDrawsTheLensAlone) {
    amfikyrtosDesmi(state, view, kA, b, std::nan(""));
    EXPECT_EQ(source.plithosaktinon, 0);
    EXPECT_TRUE(colorNear(84, 0, canvas::colors::red));
    EXPECT_EQ(countColor(blue), 0);
    epipedokyrtosDesmi(state, view, kA, b, std::nan(""));
    EXPECT_EQ(source.plithosaktinon, 0);
    EXPECT_EQ(countColor(blue), 0);
}

} // namespace
