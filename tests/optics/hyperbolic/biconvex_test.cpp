#include "exact_optics.h"
#include "sahl_fixture.h"

#include <functional>

namespace {

using namespace optics::hyperbolic;
using namespace sahl_test;
using namespace canvas::colors;

class BiconvexTest : public SahlTest {
  protected:
    void draw() { amfikyrtosPigi(state, view, kA, b, source.pigiX, source.pigiY); }

    // Draws with the stop at stopX wide open (where wideOpen checks the
    // picture), then open from −10 to 10: the stop takes rays away, and every
    // ray it keeps passes the opening.
    void expectStopKeepsOnlyTheOpening(double stopX, const std::function<void()>& wideOpen = {}) {
        view.controls.stopX = stopX;
        view.controls.stopTop = 1e6;
        view.controls.stopBottom = -1e6;
        draw();
        if (wideOpen)
            wideOpen();
        const int open = source.plithosaktinon;
        view.controls.stopTop = 10;
        view.controls.stopBottom = -10;
        surface.Cls();
        draw();
        ASSERT_GT(source.plithosaktinon, 0);
        EXPECT_LT(source.plithosaktinon, open);
        for (int i = 0; i < source.plithosaktinon; ++i) {
            const double y = heightAt(i, stopX);
            EXPECT_LE(y, 10);
            EXPECT_GE(y, -10);
        }
    }

    // Where recorded ray i crosses the line x = stopX after leaving the glass.
    double heightAt(int i, double stopX) const {
        const double t = (stopX - state.exodosX[i]) / state.exodosCos[i];
        EXPECT_GT(t, 0) << "the stop is behind ray " << i;
        return state.exodosY[i] + t * state.exodosSin[i];
    }
};

TEST_F(BiconvexTest, FromTheLeftRaysLeaveFaceTwoAndTheStopBehindPassesOnlyTheOpening) {
    setSource(-60, 10);
    expectStopKeepsOnlyTheOpening(130, [this] {
        ASSERT_GT(source.plithosaktinon, 10);
        expectSnellThroughBiconvex(state, source, b, n);
        for (int i = 0; i < source.plithosaktinon; ++i) {
            EXPECT_GT(state.exodosCos[i], 0) << "ray " << i << " leaves towards +x";
        }
    });
    // Rays caught after the second face end in a magenta line, without a dot.
    EXPECT_GT(countColor(magenta, 100, -120, 130, 120), 0);
    EXPECT_EQ(countColor(black, 128, -120, 132, -12), 0);
    EXPECT_EQ(countColor(black, 128, 12, 132, 120), 0);
}

TEST_F(BiconvexTest, StopBeforeTheImageDotsCaughtRaysInTheForeColor) {
    // From (108, 0) the rays leave face 1 and converge on the axis beyond
    // x = −50, where the stop passes only those within ±10.
    setSource(108, 0);
    expectStopKeepsOnlyTheOpening(-50);
    EXPECT_GT(countColor(black, -52, -120, -48, -12), 0); // the dots of width 5
}

// Both lenses: the default picture refracts by Snell's law and its stop cuts
// no ray, a source beyond the stop sends nothing past it, and the fronts lie
// at equal times from the source, in air and in the glass.
struct EitherLens {
    const char* name;
    decltype(&amfikyrtosPigi) drawFrom;
    double lastSlope; // of the fan's last ray
    const char* caption;
    int fewestRays, mostRays; // recorded in the default picture
    decltype(&expectSnellThroughBiconvex) expectSnellThrough;
};

class EitherLensTest : public SahlTest, public ::testing::WithParamInterface<EitherLens> {
  protected:
    void draw() { GetParam().drawFrom(state, view, kA, b, source.pigiX, source.pigiY); }
};

TEST_P(EitherLensTest, DefaultPictureRefractsBySnellsLawAndItsStopCutsNoRay) {
    draw();
    ASSERT_EQ(captions.size(), 1u);
    EXPECT_EQ(captions[0], GetParam().caption);
    ASSERT_GE(source.plithosaktinon, GetParam().fewestRays);
    EXPECT_LE(source.plithosaktinon, GetParam().mostRays);
    GetParam().expectSnellThrough(state, source, b, n);
    for (int i = 0; i < source.plithosaktinon; ++i) {
        EXPECT_LT(state.exodosCos[i], 0) << "ray " << i << " leaves towards −x";
    }
    EXPECT_EQ(countColor(magenta), 0);
    // A wide-open stop lets through no more rays.
    const int recorded = source.plithosaktinon;
    view.controls.stopTop = 1e6;
    view.controls.stopBottom = -1e6;
    draw();
    EXPECT_EQ(source.plithosaktinon, recorded);
}

TEST_P(EitherLensTest, SourceBeyondTheStopEndsRaysOutsideTheOpening) {
    // From (140, 25) every ray crosses x = 130 at 25 − 10·m, above 10.
    setSource(140, 25);
    draw();
    EXPECT_EQ(source.plithosaktinon, 0);
    for (const double m : {0.9, 0.0, GetParam().lastSlope}) {
        EXPECT_TRUE(colorNear(130, 25 - 10 * m, magenta)) << m;
    }
    EXPECT_FALSE(colorNear(100, 25 + 0.9 * (100 - 140), blue)); // nothing beyond the stop
}

TEST_P(EitherLensTest, FrontsAreEqualTimesFromTheSource) {
    draw();
    for (int i = 0; i < source.plithosaktinon; ++i) {
        const double glass =
            std::hypot(state.exodosX[i] - state.eisodosX[i], state.exodosY[i] - state.eisodosY[i]);
        if (glass >= 10) { // no step crosses both faces
            expectEqualTimeFronts(state, i, {source.pigiX, source.pigiY}, n);
        }
    }
    EXPECT_GT(countColor(blue, -120, -120, 0, 120), 0); // fronts joined left of the lens
}

INSTANTIATE_TEST_SUITE_P(SahlLenses, EitherLensTest,
                         // From (108, 25) the plane face is met at y = 25 − 60·m, inside the
                         // edge b·√15 = 51.96 for m = 0.90 .. −0.42: 45 of the 60 rays.
                         ::testing::Values(EitherLens{"PlanoConvex", &epipedokyrtosPigi, -0.87,
                                                      "Επιπεδόκυρτος φακός του Ιμπν Σαχλ ", 45, 45,
                                                      &expectSnellThroughPlanoConvex},
                                           EitherLens{"Biconvex", &amfikyrtosPigi, -0.86,
                                                      "Αμφίκυρτος φακός του Ιμπν Σαχλ με δύο "
                                                      "υπερβολές",
                                                      16, 45, &expectSnellThroughBiconvex}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BiconvexTest, AxisRayPassesStraightThroughBothVertices) {
    // In at the vertex (84, 0) and out at (12, 0): at both the normal is the
    // axis, so the ray goes straight on and is recorded like its neighbours.
    aktinaAmfikyrtou(state, view, kA, b, 130, 0, 0, 0);
    ASSERT_EQ(state.aktinaKatagrafi, 1);
    EXPECT_DOUBLE_EQ(state.eisodosX[0], 84);
    EXPECT_DOUBLE_EQ(state.exodosX[0], 12);
    EXPECT_EQ(state.exodosY[0], 0);
    EXPECT_EQ(state.exodosCos[0], -1);
    EXPECT_EQ(state.exodosSin[0], 0);
    EXPECT_TRUE(colorNear(50, 0, cyan));
    EXPECT_TRUE(colorNear(86, 0, red)); // the normals at the vertices, along x
    EXPECT_TRUE(colorNear(14, 0, red));
    EXPECT_TRUE(colorNear(0, 0, green));
}

TEST_F(BiconvexTest, MissesRunTowardsTheLensFromItsNearestFaceRoots) {
    // From (−5, −115) at n = 1.05 every line misses the thin lens. Taking the
    // larger root on face 1 and the smaller on face 2 whether or not they lie
    // on the lens, or reading "no crossing" as x = 0, sends some misses to the
    // left (m = −0.30 towards the curve of face 2 at x = −138.45); they all
    // run to the right, towards x = 4a.
    useIndex(1.05);
    setSource(-5, -115);
    draw();
    EXPECT_EQ(source.plithosaktinon, 0);
    EXPECT_TRUE(colorNear(100, -115 + 0.9 * 105, blue));
    EXPECT_EQ(countColor(blue, -120, -120, -7, 0), 0);
}

TEST_F(BiconvexTest, StoppedRaysEndWithADotOnlyAfterFaceOne) {
    // A ray leaving face 1 caught by the stop ends in a dot of width 5 in the
    // ForeColor and a magenta line; one leaving face 2 in the line alone.
    struct Case {
        exact::V source;
        double m, stopX;
        bool dot;
    };
    for (const Case& c : {Case{{108, 0}, 0.1, -100, true}, Case{{-60, 10}, -0.1, 140, false}}) {
        surface.Cls();
        const auto ray = exact::fan({exact::Shape::Biconvex, n}, c.source, {c.m}, {0, 1e6, -1e6});
        ASSERT_EQ(ray.size(), 1u);
        const double y = ray[0].exit.y + (c.stopX - ray[0].exit.x) * ray[0].out.y / ray[0].out.x;
        view.controls = {false, false, c.stopX, y - 1, y - 2}; // the opening just below
        aktinaAmfikyrtou(state, view, kA, b, c.source.x, c.source.y, c.m,
                         c.source.y - c.m * c.source.x);
        EXPECT_EQ(state.aktinaKatagrafi, 0);
        EXPECT_EQ(colorNear(c.stopX, y, black, 1), c.dot) << c.stopX;
        const double back = c.stopX + (ray[0].exit.x - c.stopX) / 4; // on the line before T
        EXPECT_TRUE(colorNear(back, y + (back - c.stopX) * ray[0].out.y / ray[0].out.x, magenta));
    }
}

} // namespace
