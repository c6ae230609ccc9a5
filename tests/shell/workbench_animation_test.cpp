#include "tests/support/pixels.h"
#include "tests/support/program.h"

#include <QTest>

#include <functional>

using testing_support::colorAt;

namespace {

using Pixels = std::vector<std::uint32_t>;

constexpr canvas::Color kDarkBlue = canvas::RGB(2, 0, 150);

} // namespace

// The workbench's wave animations judged by the picture they leave.
class WorkbenchAnimationPictureTest : public ProgramTest {
  protected:
    using Step = std::function<void(windows::Lentoi&)>;

    // "SHOW ONLY WAVES" and a Shift-click fan from (-250, 20).
    static void recordFan(windows::Lentoi& window) {
        checkBox(window, "Check2")->click();
        shiftClick(window, -250, 20);
    }

    static void shiftClick(windows::Lentoi& window, double x, double y) {
        window.Form_MouseDown(canvas::LeftButton, canvas::ShiftKey, x, y);
        window.Form_MouseUp(canvas::LeftButton, canvas::ShiftKey, x, y);
        window.Form_Click();
    }

    // "SHOW WAVES AND RAYS" and a bundle at the angle the dialogs answer.
    static void recordBundle(windows::Lentoi& window) {
        checkBox(window, "Check1")->click();
        menuItem(window, "EPANALIPSI")->trigger();
    }

    static void tick(windows::Lentoi& window, int times) {
        for (int k = 0; k < times; ++k) {
            if (formTimer(window, "Timer1")->ticking())
                window.Timer1_Timer();
            if (formTimer(window, "Timer2")->ticking())
                window.Timer2_Timer();
        }
    }

    // The picture of another program that only records, animates and ticks.
    static Pixels freshRun(const Step& record, const Step& animate, int ticks) {
        testing_support::ScriptedDialogs answers;
        answers.answer("10");
        bool otherEnded = false;
        const std::unique_ptr<shell::Application> other =
            testing_support::startProgram(answers, otherEnded);
        record(other->lentoi());
        animate(other->lentoi());
        tick(other->lentoi(), ticks);
        return testing_support::pixelsOf(other->lentoi().surface());
    }
};

// Choosing the animation again while it runs starts it from its first step:
// the frames are a fresh run's, with no stray dot at the origin.
TEST_F(WorkbenchAnimationPictureTest, RestartMidRunGivesTheFramesOfAFreshRun) {
    struct Row {
        const char* name;
        Step record;
        Step animate;
    };
    const Row rows[] = {
        {"WAVES IN  TIME  XPONIKA", recordFan,
         [](windows::Lentoi& w) { menuItem(w, "kymatachronika")->trigger(); }},
        {"// WAVES  KYMATA", recordBundle,
         [](windows::Lentoi& w) { menuItem(w, "parallilakymata")->trigger(); }},
    };
    for (const Row& row : rows) {
        bool rowEnded = false;
        testing_support::ScriptedDialogs answers;
        answers.answer("10");
        const std::unique_ptr<shell::Application> program =
            testing_support::startProgram(answers, rowEnded);
        windows::Lentoi& window = program->lentoi();
        row.record(window);
        row.animate(window);
        tick(window, 57);
        row.animate(window);
        tick(window, 30);
        EXPECT_TRUE(testing_support::pixelsOf(window.surface()) ==
                    freshRun(row.record, row.animate, 30))
            << row.name;
        EXPECT_NE(colorAt(window.surface(), 0, 0), kDarkBlue) << row.name;
    }
}

// "// BUNDLE  DESMH" stops a running fan animation; the next fan animates
// from its first step.
TEST_F(WorkbenchAnimationPictureTest, BundleInterruptsAFanAndTheNextFanStartsAfresh) {
    recordFan(lentoi());
    menuItem(lentoi(), "kymatachronika")->trigger();
    tick(lentoi(), 80);
    dialogs.answer("0");
    menuItem(lentoi(), "EPANALIPSI")->trigger();
    shiftClick(lentoi(), -250, 20);
    menuItem(lentoi(), "kymatachronika")->trigger();
    tick(lentoi(), 40);
    const Step animate = [](windows::Lentoi& w) { menuItem(w, "kymatachronika")->trigger(); };
    EXPECT_TRUE(testing_support::pixelsOf(lentoi().surface()) == freshRun(recordFan, animate, 40));
}

// The hyperbolic lenses reset and advance the shared ray counter; the
// workbench animates its own record all the same.
TEST_F(WorkbenchAnimationPictureTest, FanAnimationIsTheSameAfterAnIbnSahlDrawing) {
    recordFan(lentoi());
    const int recorded = lentoi().recordedRays();
    ASSERT_GT(recorded, 20);
    menuItem(lentoi(), "kymatachronika")->trigger();
    tick(lentoi(), 241);
    const Pixels before = testing_support::pixelsOf(lentoi().surface());

    menuItem(lentoi(), "SAHLIC")->trigger();
    commandButton(choice(), "Command1")->click();
    ASSERT_NE(app->source().plithosaktinon, recorded);
    menuItem(sahl(), "BACKFAKO")->trigger();
    commandButton(choice(), "Command3")->click();
    menuItem(lentoi(), "kymatachronika")->trigger();
    tick(lentoi(), 241);
    EXPECT_EQ(lentoi().recordedRays(), recorded);
    EXPECT_TRUE(testing_support::pixelsOf(lentoi().surface()) == before);
}

// "AKTINA RAY" mid-run: the hidden workbench animates no more, draws no lens
// of the single-ray window's, and its menus are as after a finished run.
TEST_F(WorkbenchAnimationPictureTest, OpeningTheSingleRayWindowStopsTheAnimation) {
    recordFan(lentoi());
    menuItem(lentoi(), "kymatachronika")->trigger();
    tick(lentoi(), 60);
    const Pixels midRun = testing_support::pixelsOf(lentoi().surface());
    menuItem(lentoi(), "singleray")->trigger();
    scrollBar(app->moniaktina(), "aktina1")->setValue(300);
    EXPECT_FALSE(formTimer(lentoi(), "Timer1")->ticking());
    EXPECT_FALSE(formTimer(lentoi(), "Timer2")->ticking());
    EXPECT_EQ(lentoi().timer1Step(), 0);
    QTest::qWait(100); // several periods of the platform timer
    EXPECT_TRUE(testing_support::pixelsOf(lentoi().surface()) == midRun);
    EXPECT_TRUE(menuItem(lentoi(), "kymatachronika")->isEnabled());
    EXPECT_FALSE(menuItem(lentoi(), "parallilakymata")->isEnabled());
    commandButton(app->moniaktina(), "Command1")->click();
    EXPECT_TRUE(testing_support::pixelsOf(lentoi().surface()) == midRun);
}
