#include "tests/windows/workbench_fixture.h"

#include <cmath>

using testing_support::colorAt;

class WorkbenchAnimationTest : public WorkbenchTest {
  protected:
    // A horizontal wave bundle, then its animation armed.
    void startBundleWaves() {
        checkBox(*lentoi, "Check1")->click();
        dialogs.answer("0");
        lentoi->EPANALIPSI_Click();
        lentoi->parallilakymata_Click();
    }

    double x(int i, int k) const { return lentoi->waveAnimation().x(i, k); }
    double y(int i, int k) const { return lentoi->waveAnimation().y(i, k); }

    // Ticks Timer2 until it stops itself; returns the number of ticks.
    int runTimer2() {
        int ticks = 0;
        while (formTimer(*lentoi, "Timer2")->Enabled() && ticks < 1000) {
            lentoi->Timer2_Timer();
            ++ticks;
        }
        return ticks;
    }
};

TEST_F(WorkbenchAnimationTest, WavePointAdvancesTwoAndAHalfInAirAndLessInGlass) {
    startBundleWaves();
    const int recorded = source().plithosaktinon;
    ASSERT_GT(recorded, 10);
    for (int k = 0; k < 90; ++k)
        lentoi->Timer2_Timer();
    // Recorded ray 10 of the horizontal bundle: about 135 units of air from
    // x = -200 to the lens, then glass.
    const int i = 10;
    const double entry = lens().record.xentry[i];
    const double exitX = lens().record.xexit[i];
    int inAir = 0, inGlass = 0;
    for (int k = 2; k <= 90; ++k) {
        const double step = std::hypot(x(i, k) - x(i, k - 1), y(i, k) - y(i, k - 1));
        if (x(i, k) < entry) {
            EXPECT_NEAR(step, 2.5, 1e-9) << k;
            ++inAir;
        } else if (x(i, k - 1) > entry && x(i, k) < exitX) {
            EXPECT_NEAR(step, 2.5 / 1.5, 1e-9) << k;
            ++inGlass;
        }
    }
    EXPECT_GT(inAir, 10);
    EXPECT_GT(inGlass, 5);
}

TEST_F(WorkbenchAnimationTest, StepAcrossAFaceGoesOnAtTheNewSpeed) {
    startBundleWaves();
    const int i = 20;
    const double ex = lens().record.xentry[i], ey = lens().record.yentry[i];
    const double toEntry = lens().record.tentry[i] * 250;
    for (int k = 0; k < 80; ++k)
        lentoi->Timer2_Timer();
    for (int k = 1; k <= 80; ++k) {
        const double before = 2.5 * (k - 1), after = 2.5 * k;
        if (before < toEntry && after > toEntry) {
            // Air up to the face, then the rest of the step at 1/n of the speed.
            const double expected = (toEntry - before) + (after - toEntry) / 1.5;
            // The path bends at the face: measure it through the entry point.
            const double moved = std::hypot(ex - x(i, k - 1), ey - y(i, k - 1)) +
                                 std::hypot(x(i, k) - ex, y(i, k) - ey);
            EXPECT_NEAR(moved, expected, 1e-6);
            return;
        }
    }
    FAIL() << "no step crossed the entry face";
}

TEST_F(WorkbenchAnimationTest, RunStopsAfter240DrawingTicksAndRestartsFromZero) {
    startBundleWaves();
    EXPECT_EQ(runTimer2(), 241); // 240 that draw, one that stops
    EXPECT_FALSE(formTimer(*lentoi, "Timer2")->Enabled());
    EXPECT_EQ(lentoi->timer2Step(), 0);
    lentoi->parallilakymata_Click();
    lentoi->Timer2_Timer();
    EXPECT_EQ(lentoi->timer2Step(), 1);
    EXPECT_NEAR(x(10, 1) - x(10, 0), 2.5, 1e-9);
}

TEST_F(WorkbenchAnimationTest, LongIntervalDrawsOneDelayedFrame) {
    checkBox(*lentoi, "Check1")->click();
    dialogs.answer("0");
    lentoi->EPANALIPSI_Click(); // Timer2: Interval 1550, enabled
    EXPECT_EQ(runTimer2(), 2);
}

TEST_F(WorkbenchAnimationTest, FrontsAreRedAndTheTrainIsDarkBlue) {
    startBundleWaves();
    for (int k = 0; k < 40; ++k)
        lentoi->Timer2_Timer();
    // The leading front of ray 10 at step 40 is red, the one 10 steps back
    // (a wavelength behind) dark blue.
    EXPECT_EQ(colorAt(surface(), x(10, 40), y(10, 40)), canvas::colors::red);
    EXPECT_EQ(colorAt(surface(), x(10, 30), y(10, 30)), canvas::RGB(2, 0, 150));
    // The older places in between are painted over white.
    EXPECT_EQ(colorAt(surface(), x(10, 35), y(10, 35)), canvas::colors::white);
}

TEST_F(WorkbenchAnimationTest, PointSourceAnimationWithoutRecordedRaysDrawsNothing) {
    source().plithosaktinon = 0;
    lentoi->kymatachronika_Click();
    const std::vector<std::uint32_t> before(
        surface().pixels(), surface().pixels() + surface().widthPx() * surface().heightPx());
    int ticks = 0;
    while (formTimer(*lentoi, "Timer1")->Enabled() && ticks < 1000) {
        lentoi->Timer1_Timer();
        ++ticks;
    }
    EXPECT_EQ(ticks, 241);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), surface().pixels()));
}

TEST_F(WorkbenchAnimationTest, PointSourceFanAnimates) {
    checkBox(*lentoi, "Check2")->click();
    lentoi->Form_MouseDown(1, 1, -250, 20);
    lentoi->Form_MouseUp(1, 1, -250, 20);
    ASSERT_GT(source().plithosaktinon, 2);
    lentoi->kymatachronika_Click();
    lentoi->Timer1_Timer();
    // Step 1 of ray 1 lies 2.5 from the source.
    EXPECT_NEAR(std::hypot(x(1, 1) + 250, y(1, 1) - 20), 2.5, 1e-9);
}

TEST_F(WorkbenchAnimationTest, NestedCirclesAnimateThroughTheInnerDisc) {
    // Circle 2 (radius 50 about x = 20) inside circle 1 (radius 100 about 0):
    // the glass is the inner disc. The bundle's rays enter it on its circle,
    // and the animation outlines the whole inner circle as the lens face.
    scrollBar(*lentoi, "aktina1")->setValue(100);
    scrollBar(*lentoi, "kentrokykloy2")->setValue(0);
    scrollBar(*lentoi, "aktina2")->setValue(50);
    scrollBar(*lentoi, "kentrokykloy")->setValue(20);
    startBundleWaves();
    ASSERT_GT(source().plithosaktinon, 3);
    for (int i = 0; i < source().plithosaktinon; ++i) {
        const auto& r = lens().record;
        EXPECT_NEAR(std::hypot(r.xentry[i] - 20, r.yentry[i]), 50, 1e-6) << i;
        EXPECT_NEAR(std::hypot(r.xexit[i] - 20, r.yexit[i]), 50, 1e-3) << i;
    }
    lentoi->Timer2_Timer();
    const double pi = std::acos(-1.0);
    for (int k = 0; k < 12; ++k) {
        const double x = 20 + 50 * std::cos(k * pi / 6), y = 50 * std::sin(k * pi / 6);
        EXPECT_EQ(colorAt(surface(), x, y), canvas::colors::black) << k * 30 << " degrees";
    }
}
