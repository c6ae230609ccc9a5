#include "sahl_fixture.h"

namespace {

using namespace optics::hyperbolic;
using namespace sahl_test;
using namespace canvas::colors;

class BiconvexTest : public SahlTest {
  protected:
    void draw() { amfikyrtosPigi(state, view, kA, b, source.pigiX, source.pigiY); }

    // Face 1 is the right branch, face 2 the left branch moved by 8a = 96.
    bool onFace(Vec p, double shift) const {
        const double x = p.x - shift;
        return std::fabs(x * x / 144 - p.y * p.y / (b * b) - 1) < 1e-9 &&
               std::fabs(x) >= 12 - 1e-9 && std::fabs(x) <= 48 + 1e-9;
    }

    void expectSnellAtBothFaces(int i, Vec travelIn) {
        const Vec p{state.eisodosX[i], state.eisodosY[i]};
        const Vec e{state.exodosX[i], state.exodosY[i]};
        const bool entersFirst = onFace(p, 0);
        ASSERT_TRUE(entersFirst || onFace(p, 96)) << "entry off the lens, ray " << i;
        ASSERT_TRUE(onFace(e, entersFirst ? 96 : 0)) << "exit off the other face, ray " << i;
        const Vec glass{e.x - p.x, e.y - p.y};
        expectSnell(travelIn, glass, hyperbolaNormal(p.x, p.y, b, entersFirst ? 0 : 96), 1, n);
        expectSnell(glass, {state.exodosCos[i], state.exodosSin[i]},
                    hyperbolaNormal(e.x, e.y, b, entersFirst ? 96 : 0), n, 1);
    }

    void expectSnellFromSource() {
        for (int i = 0; i < source.plithosaktinon; ++i) {
            expectSnellAtBothFaces(
                i, {state.eisodosX[i] - source.pigiX, state.eisodosY[i] - source.pigiY});
        }
    }

    // Draws with the stop at stopX wide open, then open from −10 to 10: the
    // stop takes rays away, and every ray it keeps passes the opening.
    void expectStopKeepsOnlyTheOpening(double stopX) {
        view.controls.stopX = stopX;
        view.controls.stopTop = 1e6;
        view.controls.stopBottom = -1e6;
        draw();
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

TEST_F(BiconvexTest, DefaultPictureRefractsAtBothFacesBySnellsLaw) {
    draw();
    ASSERT_EQ(captions.size(), 1u);
    EXPECT_EQ(captions[0], "Αμφίκυρτος φακός του Ιμπν Σαχλ με δύο υπερβολές");
    ASSERT_GT(source.plithosaktinon, 15);
    EXPECT_LE(source.plithosaktinon, 45);
    expectSnellFromSource();
    for (int i = 0; i < source.plithosaktinon; ++i) {
        EXPECT_LT(state.exodosCos[i], 0) << "ray " << i << " leaves towards −x";
    }
    EXPECT_EQ(countColor(magenta), 0);
}

TEST_F(BiconvexTest, SourceOnTheLeftLeavesThroughTheSecondFace) {
    setSource(-60, 10);
    view.controls.stopTop = 1e6;
    view.controls.stopBottom = -1e6;
    draw();
    ASSERT_GT(source.plithosaktinon, 10);
    expectSnellFromSource();
    for (int i = 0; i < source.plithosaktinon; ++i) {
        EXPECT_GT(state.exodosCos[i], 0) << "ray " << i << " leaves towards +x";
    }
}

TEST_F(BiconvexTest, StopBehindTheLensPassesOnlyTheOpening) {
    setSource(-60, 10);
    expectStopKeepsOnlyTheOpening(130);
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

TEST_F(BiconvexTest, SourceBeyondTheStopEndsRaysWithMagentaDots) {
    setSource(140, 25);
    draw();
    EXPECT_EQ(source.plithosaktinon, 0);
    EXPECT_TRUE(colorNear(130, 25 - 10 * 0.9, magenta));
    EXPECT_TRUE(colorNear(130, 25 + 10 * 0.86, magenta));
}

TEST_F(BiconvexTest, VertexEntryFollowsTheAxisAndAVertexExitEndsTheRay) {
    // Along the axis: in at the vertex (84, 0), whose normal is the axis, so
    // the ray goes straight on to the other vertex (12, 0) and ends there.
    aktinaAmfikyrtou(state, view, kA, b, 130, 0, 0, 0);
    EXPECT_EQ(state.aktinaKatagrafi, 0);
    EXPECT_TRUE(colorNear(50, 0, cyan));
    EXPECT_TRUE(colorNear(86, 0, red)); // the normal at the vertex, along x
    EXPECT_EQ(countColor(green), 0);
    // Half a unit off the axis the ray goes through.
    aktinaAmfikyrtou(state, view, kA, b, 130, 0.5, 0, 0.5);
    EXPECT_EQ(state.aktinaKatagrafi, 1);
    EXPECT_GT(countColor(green), 0);
}

TEST_F(BiconvexTest, FrontsAreEqualTimesFromTheSource) {
    draw();
    for (int i = 0; i < source.plithosaktinon; ++i) {
        const double glass =
            std::hypot(state.exodosX[i] - state.eisodosX[i], state.exodosY[i] - state.eisodosY[i]);
        if (glass >= 10) {
            expectEqualTimeFronts(state, i, {source.pigiX, source.pigiY}, n);
        }
    }
}

} // namespace
