#include "tests/windows/workbench_fixture.h"

#include <cmath>

using testing_support::colorAt;

namespace {

struct TimerState {
    int interval1;
    bool enabled1;
    int interval2;
    bool enabled2;
    bool parallilakymata;
    bool kymatachronika;
    bool operator==(const TimerState&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TimerState& s) {
    return out << "Timer1 " << s.interval1 << (s.enabled1 ? " on" : " off") << ", Timer2 "
               << s.interval2 << (s.enabled2 ? " on" : " off") << ", menus " << s.parallilakymata
               << s.kymatachronika;
}

} // namespace

class WorkbenchCommandsTest : public WorkbenchTest {
  protected:
    TimerState timers() const {
        return {formTimer(*lentoi, "Timer1")->Interval(),
                formTimer(*lentoi, "Timer1")->Enabled(),
                formTimer(*lentoi, "Timer2")->Interval(),
                formTimer(*lentoi, "Timer2")->Enabled(),
                menuItem(*lentoi, "parallilakymata")->isEnabled(),
                menuItem(*lentoi, "kymatachronika")->isEnabled()};
    }

    void bundle(const QString& angle) {
        dialogs.answer(angle);
        lentoi->EPANALIPSI_Click();
    }
};

TEST_F(WorkbenchCommandsTest, LoadStateHasTimer1EnabledWithoutInterval) {
    EXPECT_EQ(timers(), (TimerState{0, true, 0, false, false, false}));
    EXPECT_FALSE(formTimer(*lentoi, "Timer1")->ticking());
}

TEST_F(WorkbenchCommandsTest, StateTableRowByRow) {
    bundle("0");
    EXPECT_EQ(timers(), (TimerState{1500, false, 1550, true, true, false})) << "EPANALIPSI";

    lentoi->parallilakymata_Click();
    EXPECT_EQ(timers(), (TimerState{2000, false, 1, true, true, false})) << "parallilakymata";

    lentoi->kymatachronika_Click();
    EXPECT_EQ(timers(), (TimerState{1, true, 2000, false, true, false})) << "kymatachronika";

    lentoi->Form_MouseDown(1, 1, 250, 60); // Shift-press outside the handles
    EXPECT_EQ(timers(), (TimerState{1, true, 11500, false, true, false})) << "Shift-press";
    lentoi->Form_MouseUp(1, 1, 250, 60);

    checkBox(*lentoi, "Check2")->click();
    lentoi->Form_MouseDown(1, 1, 250, 60);
    EXPECT_EQ(timers(), (TimerState{1500, true, 1500, false, false, true}))
        << "Shift-press with Check2";
    lentoi->Form_MouseUp(1, 1, 250, 60);

    bundle("10");
    lentoi->Form_MouseDown(1, 0, 250, 60);
    lentoi->Form_MouseUp(1, 0, 250, 60);
    EXPECT_EQ(timers(), (TimerState{1500, false, 1500, false, false, true}))
        << "mouse release with Check2";
}

TEST_F(WorkbenchCommandsTest, BundleAtZeroIsHorizontalWithDesmi1PlusOneRays) {
    scrollBar(*lentoi, "desmi1")->setValue(10);
    bundle("0");
    EXPECT_EQ(dialogs.prompts, QStringList{"Give angle with horizontal direction: -90<φ<90"});
    EXPECT_TRUE(lens().isepanalipsi);
    EXPECT_EQ(lentoi->bundleAngle(), 0);
    int rows = 0;
    for (int k = 200; k >= -200; k -= 40)
        rows += colorAt(surface(), -195, k) != surface().BackColor;
    EXPECT_EQ(rows, 11);
    EXPECT_EQ(colorAt(surface(), -195, 20), surface().BackColor);
}

TEST_F(WorkbenchCommandsTest, BundleAngleIsTakenInDegrees) {
    bundle("30");
    EXPECT_NEAR(lentoi->bundleAngle(), std::acos(-1.0) / 6, 1e-12);
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
    bundle(" 12,5 ");
    EXPECT_NEAR(lentoi->bundleAngle() * 180 / std::acos(-1.0), 12.5, 1e-9);
    bundle("-7.5");
    QLocale::setDefault(QLocale::c());
    EXPECT_NEAR(lentoi->bundleAngle() * 180 / std::acos(-1.0), -7.5, 1e-9);
}

TEST_F(WorkbenchCommandsTest, RefusedAnswersLeaveEverythingAsItWas) {
    checkBox(*lentoi, "Check1")->click();
    bundle("20");
    lentoi->parallilakymata_Click();
    const TimerState before = timers();
    const int recorded = source().plithosaktinon;
    const double angle = lentoi->bundleAngle();
    lens().isepanalipsi = false;
    struct Row {
        const char* name;
        std::optional<QString> answer;
        bool message;
    };
    const Row rows[] = {{"cancel", std::nullopt, false},       {"empty", QString(""), false},
                        {"blanks", QString("   "), false},     {"letters", QString("abc"), true},
                        {"nan", QString("nan"), true},         {"inf", QString("inf"), true},
                        {"two numbers", QString("1 2"), true}, {"right", QString("90"), true},
                        {"minus right", QString("-90"), true}, {"obtuse", QString("135"), true},
                        {"huge", QString("-1e300"), true}};
    for (const Row& row : rows) {
        dialogs.messages.clear();
        dialogs.answer(row.answer);
        lentoi->EPANALIPSI_Click();
        EXPECT_EQ(timers(), before) << row.name;
        EXPECT_EQ(source().plithosaktinon, recorded) << row.name;
        EXPECT_EQ(lentoi->bundleAngle(), angle) << row.name;
        EXPECT_FALSE(lens().isepanalipsi) << row.name;
        const QStringList expected =
            row.message ? QStringList{"Άκυρη γωνία Invalid angle -90<φ<90"} : QStringList{};
        EXPECT_EQ(dialogs.messages, expected) << row.name;
    }
}

TEST_F(WorkbenchCommandsTest, AnglesNearARightAngleAreSafe) {
    checkBox(*lentoi, "Check1")->click();
    for (const char* angle : {"89.999", "-89.9999999"}) {
        bundle(angle);
        EXPECT_TRUE(dialogs.messages.isEmpty()) << angle;
        EXPECT_GE(source().plithosaktinon, 0);
        EXPECT_LE(source().plithosaktinon, 501);
    }
}

TEST_F(WorkbenchCommandsTest, AnimationOutlineRecordsTheFaceAngles) {
    lentoi->kymatachronika_Click();
    // Rim at x = -1.429, h = sqrt(100^2 - 48.571^2) = 87.4118:
    // alpha1 = atan(h / 48.571), alpha2 = atan(h / 21.429).
    const double alpha1 = std::atan2(87.4118, 48.5714), alpha2 = std::atan2(87.4118, 21.4286);
    EXPECT_NEAR(lens().xchord, -1.428571, 1e-5);
    EXPECT_NEAR(lens().hchord, 87.4118, 1e-3);
    EXPECT_NEAR(lens().arc1start, 2 * std::acos(-1.0) - alpha1, 1e-4);
    EXPECT_NEAR(lens().arc1end, alpha1, 1e-4);
    EXPECT_NEAR(lens().arc2start, std::acos(-1.0) - alpha2, 1e-4);
    EXPECT_NEAR(lens().arc2end, std::acos(-1.0) + alpha2, 1e-4);
    // The faces are black, the rest of the circles dotted: the vertex of face 1
    // at (50, 0) is black, the far side of circle 1 at (-150, 0) is not solid.
    EXPECT_EQ(colorAt(surface(), 50, 0), canvas::colors::black);
}
