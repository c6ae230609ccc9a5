#include "exact_optics.h"
#include "sahl_fixture.h"

#include <algorithm>
#include <sstream>

namespace {

using namespace optics::hyperbolic;
using namespace sahl_test;
using exact::Shape;

const double kD = 7.2 * 12 / 700; // the plano-convex beam comes in d before x = 130

std::vector<double> slopesFrom(int first, int step, int count) {
    std::vector<double> slopes;
    for (int k = 0; k < count; ++k) {
        slopes.push_back((first - step * k) / 100.0);
    }
    return slopes;
}

// The program's drawings of both lenses against exact ray optics.
class ExactTest : public SahlTest {
  protected:
    void setStop(const exact::Stop& stop) {
        view.controls.stopX = stop.x;
        view.controls.stopTop = stop.top;
        view.controls.stopBottom = stop.bottom;
    }

    exact::Stop stop() const {
        return {view.controls.stopX, view.controls.stopTop, view.controls.stopBottom};
    }

    std::vector<exact::Ray> drawFan(Shape shape, exact::V s) {
        setSource(s.x, s.y);
        const exact::Glass glass{shape, n};
        if (shape == Shape::PlanoConvex) {
            epipedokyrtosPigi(state, view, kA, b, s.x, s.y);
            return exact::fan(glass, s, slopesFrom(90, 3, 60), stop());
        }
        amfikyrtosPigi(state, view, kA, b, s.x, s.y);
        return exact::fan(glass, s, slopesFrom(90, 4, 45), stop());
    }

    std::vector<exact::Ray> drawBeam(Shape shape, double m) {
        std::vector<exact::V> through;
        if (shape == Shape::PlanoConvex) {
            epipedokyrtosDesmi(state, view, kA, b, m);
            for (int h = 100; h >= -100; h -= 2) {
                through.push_back({130 - kD, h - m * kD});
            }
            return exact::beam({shape, n}, m, through, std::nullopt);
        }
        amfikyrtosDesmi(state, view, kA, b, m);
        for (int h = 100; h >= -100; --h) {
            through.push_back({130, double(h)});
        }
        return exact::beam({shape, n}, m, through, stop());
    }

    // The recorded rays are the exact rays that get through, in order: entry,
    // exit and direction to 1e-6. Their fronts lie on the rays at optical
    // paths 15, 30 ... from each ray's start.
    void expectExact(const std::vector<exact::Ray>& rays) {
        ASSERT_EQ(source.plithosaktinon, int(rays.size()));
        for (int i = 0; i < int(rays.size()); ++i) {
            SCOPED_TRACE("ray " + std::to_string(i));
            const exact::Ray& r = rays[i];
            EXPECT_NEAR(state.eisodosX[i], r.entry.x, 1e-6);
            EXPECT_NEAR(state.eisodosY[i], r.entry.y, 1e-6);
            EXPECT_NEAR(state.exodosX[i], r.exit.x, 1e-6);
            EXPECT_NEAR(state.exodosY[i], r.exit.y, 1e-6);
            EXPECT_NEAR(state.exodosCos[i], r.out.x, 1e-6);
            EXPECT_NEAR(state.exodosSin[i], r.out.y, 1e-6);
            const exact::V start{state.metopoX(i, 0), state.metopoY(i, 0)};
            for (int j = 1; j <= 30; ++j) {
                const exact::V f = exact::pointAtOpticalPath(r, start, 15.0 * j, n);
                EXPECT_NEAR(state.metopoX(i, j), f.x, 1e-3) << "front " << j;
                EXPECT_NEAR(state.metopoY(i, j), f.y, 1e-3) << "front " << j;
            }
            if (HasFailure()) {
                return;
            }
        }
    }

    // Every beam ray starts on its own incoming line, before its entry, and
    // all starts lie on one line across the beam: one wave front.
    void expectStartsOnOneFront(const std::vector<exact::Ray>& rays, double m) {
        const exact::V travel{-1 / std::hypot(1, m), -m / std::hypot(1, m)};
        const exact::V first{state.metopoX(0, 0), state.metopoY(0, 0)};
        for (int i = 0; i < int(rays.size()); ++i) {
            const exact::V start{state.metopoX(i, 0), state.metopoY(i, 0)};
            EXPECT_LT(exact::offLine(start, rays[i].entry, travel), 1e-3) << "ray " << i;
            EXPECT_LT((start.x - rays[i].entry.x) * travel.x, 0) << "ray " << i;
            const double along = (start.x - first.x) * travel.x + (start.y - first.y) * travel.y;
            EXPECT_NEAR(along, 0, 1e-3) << "ray " << i;
        }
    }
};

const std::vector<double> kIndices{1.01, 1.05, 1.2, 1.5, 2.0, 2.5};

std::string describe(Shape shape, double n) {
    std::ostringstream what;
    what << (shape == Shape::Biconvex ? "biconvex" : "plano-convex") << " n " << n;
    return what.str();
}

// The foci F1 = (−c, 0) and F2 = (8a + c, 0), and points on the axis, beside,
// below and above the lens.
std::vector<exact::V> sourcesAround(double c) {
    return {{-c, 0},    {96 + c, 0}, {-60, 0},     {108, 0},  {108, 25}, {-60, 10},
            {30, -115}, {-5, -115},  {-115, -115}, {30, 110}, {60, 80}};
}

TEST_F(ExactTest, FansFollowExactOptics) {
    const std::vector<exact::Stop> stops{
        {130, 10, -10}, {-47, 10, -10}, {100, 20, -5}, {30, 30, -30}, {0, 1e6, -1e6}};
    for (const Shape shape : {Shape::PlanoConvex, Shape::Biconvex}) {
        for (const double index : kIndices) {
            useIndex(index);
            for (const exact::V s : sourcesAround(12 * index)) {
                for (const exact::Stop& at : stops) {
                    SCOPED_TRACE(describe(shape, index) + " source (" + std::to_string(s.x) + ", " +
                                 std::to_string(s.y) + ") stop " + std::to_string(at.x));
                    setStop(at);
                    expectExact(drawFan(shape, s));
                    ASSERT_FALSE(HasFailure());
                }
            }
        }
    }
}

TEST_F(ExactTest, BeamsFollowExactOpticsFromOneStartingFront) {
    const double pi = std::acos(-1.0);
    for (const Shape shape : {Shape::PlanoConvex, Shape::Biconvex}) {
        for (const double index : kIndices) {
            useIndex(index);
            const double asymptote = std::atan(b / kA);
            for (const double angle :
                 {0.0, pi / 9, pi / 4, pi / 3, asymptote, asymptote + 1e-12, asymptote - 1e-12}) {
                for (const double m : {std::tan(angle), std::tan(-angle)}) {
                    for (const exact::Stop& at : {exact::Stop{}, exact::Stop{-47, 10, -10}}) {
                        SCOPED_TRACE(describe(shape, index) + " beam slope " + std::to_string(m) +
                                     " stop " + std::to_string(at.x));
                        setStop(at);
                        const auto rays = drawBeam(shape, m);
                        expectExact(rays);
                        expectStartsOnOneFront(rays, m);
                        ASSERT_FALSE(HasFailure());
                    }
                }
            }
        }
    }
}

// Ibn Sahl's lenses image their foci without aberration: light from F1 leaves
// the plano-convex lens parallel to the axis, light from F2 leaves the
// biconvex lens through F1. Every line from a focus within the slope of the
// lens edge, edge / (4a + c), meets the lens, and no such ray is lost: not
// the one through the vertex, not those near the edge.
TEST_F(ExactTest, FociAreImagedWithNoRayLost) {
    for (const double index : {1.01, 1.05, 1.2, 1.25, 1.5, 2.0, 2.5}) {
        SCOPED_TRACE(index);
        useIndex(index);
        const double c = 12 * index;
        const double reach = b * std::sqrt(15.0) / (48 + c);
        const auto meeting = [&](const std::vector<double>& slopes) {
            return int(std::count_if(slopes.begin(), slopes.end(),
                                     [&](double m) { return std::fabs(m) <= reach; }));
        };
        drawFan(Shape::PlanoConvex, {-c, 0});
        ASSERT_EQ(source.plithosaktinon, meeting(slopesFrom(90, 3, 60)));
        for (int i = 0; i < source.plithosaktinon; ++i) {
            EXPECT_NEAR(state.exodosCos[i], 1, 1e-6) << "ray " << i;
            EXPECT_NEAR(state.exodosSin[i], 0, 1e-6) << "ray " << i;
        }
        drawFan(Shape::Biconvex, {96 + c, 0});
        ASSERT_EQ(source.plithosaktinon, meeting(slopesFrom(90, 4, 45)));
        for (int i = 0; i < source.plithosaktinon; ++i) {
            const exact::V exit{state.exodosX[i], state.exodosY[i]};
            const exact::V out{state.exodosCos[i], state.exodosSin[i]};
            EXPECT_LT(exact::offLine({-c, 0}, exit, out), 1e-3) << "ray " << i;
            EXPECT_LT(out.x, 0) << "ray " << i << " heads for F1";
        }
    }
}

} // namespace
