#include "tests/windows/workbench_fixture.h"

#include <QTest>

#include <cmath>
#include <functional>

using testing_support::colorAt;

namespace {

constexpr int kNone = 0;
constexpr int kShift = 1;
constexpr int kShiftCtrl = 3;

} // namespace

class WorkbenchMouseTest : public WorkbenchTest {
  protected:
    void drag(double x0, double y0, double x1, double y1, int shift = kNone) {
        lentoi->Form_MouseDown(1, shift, x0, y0);
        lentoi->Form_MouseMove(1, shift, x1, y1);
        lentoi->Form_MouseUp(1, shift, x1, y1);
    }
};

// At start: circle 1 about (-50, 0) radius 100, circle 2 about (20, 0)
// radius 90, both blades at x = 0 with their tips on the lens (+-86.6).
TEST_F(WorkbenchMouseTest, PressSetsTheFlagOfTheFirstZoneHit) {
    struct Row {
        const char* name;
        double x, y;
        windows::Lentoi::Grips expected;
    };
    const Row rows[] = {
        {"upper blade", 2, 150, {true, false, false, false, false, false, false}},
        {"lower blade", -2, -150, {false, true, false, false, false, false, false}},
        {"centre 1 (within radius1/20 = 5)",
         -47,
         3,
         {false, false, true, false, false, false, false}},
        {"centre 2 (within radius2/20 = 4.5)",
         23,
         -3,
         {false, false, false, true, false, false, false}},
        {"vertex 1 band 45..55, any height",
         54,
         250,
         {false, false, false, false, true, false, false}},
        {"vertex 2 band -74.5..-65.5", -66, -250, {false, false, false, false, false, true, false}},
        {"nothing", 150, 40, {false, false, false, false, false, false, false}},
        {"just outside centre 1", -44.9, 0, {false, false, false, false, false, false, false}},
    };
    const windows::LentoiSetup start = lentoi->setup();
    for (const Row& row : rows) {
        lentoi->Form_MouseDown(1, kNone, row.x, row.y);
        EXPECT_TRUE(lentoi->grips() == row.expected) << row.name;
        lentoi->Form_MouseUp(1, kNone, row.x, row.y);
        lentoi->apply(start);
    }
}

TEST_F(WorkbenchMouseTest, BladeZoneComesBeforeTheVertexBand) {
    scrollBar(*lentoi, "HScroll1")->setValue(13); // blades near x = 50, inside the vertex band
    const double bladeX = lentoi->upperBlade().X1;
    ASSERT_GT(bladeX, 45);
    ASSERT_LT(bladeX, 55);
    lentoi->Form_MouseDown(1, kNone, bladeX, 200);
    EXPECT_TRUE(lentoi->grips().diafragma1);
    EXPECT_FALSE(lentoi->grips().koryfi1);
}

TEST_F(WorkbenchMouseTest, ShiftPressOnABladeStartsTheDragAndMovesTheSource) {
    source().plithosaktinon = 7;
    lentoi->Form_MouseDown(1, kShift, 1, 150);
    EXPECT_TRUE(lentoi->grips().diafragma1);
    EXPECT_FALSE(lentoi->grips().desmipigis); // no fan on a handle
    EXPECT_EQ(source().plithosaktinon, 7);
    EXPECT_EQ(source().pigiX, 1);
    EXPECT_EQ(source().pigiY, 150);
    EXPECT_EQ(lentoi->sourceMark().Left, 1);
    EXPECT_EQ(lentoi->sourceMark().Top, 150);
}

TEST_F(WorkbenchMouseTest, OnlyTheShiftKeyAloneMovesTheSource) {
    for (int shift : {kNone, kShiftCtrl, 2, 4}) {
        lentoi->Form_MouseDown(1, shift, 150, 40);
        EXPECT_EQ(source().pigiX, -200) << shift;
        EXPECT_FALSE(lentoi->grips().desmipigis) << shift;
        lentoi->Form_MouseUp(1, shift, 150, 40);
    }
    lentoi->Form_MouseDown(2, kShift, 150, 40); // any button
    EXPECT_EQ(source().pigiX, 150);
    EXPECT_TRUE(lentoi->grips().desmipigis);
    EXPECT_FALSE(lens().isepanalipsi);
}

TEST_F(WorkbenchMouseTest, ShiftReleaseOfAFanKeepsItsPicture) {
    checkBox(*lentoi, "Check2")->click(); // waves only: dots of equal phase, no lines
    lentoi->Form_MouseDown(1, kShift, -250, 30);
    const int dots = testing_support::countColor(surface(), canvas::RGB(150, 0, 150));
    ASSERT_GT(dots, 0);
    lentoi->Form_MouseUp(1, kShift, -250, 30);
    lentoi->Form_Click();
    EXPECT_EQ(testing_support::countColor(surface(), canvas::RGB(150, 0, 150)), dots);
    EXPECT_FALSE(lentoi->grips().desmipigis);
}

// A Shift-press on a handle draws no fan: its drag ends with the click that
// clears the picture and draws the lens, as a plain drag does.
TEST_F(WorkbenchMouseTest, ShiftDragOfAHandleClearsAndRedrawsOnTheClick) {
    struct Row {
        const char* name;
        std::function<canvas::UserPoint()> handle; // where the handle is now
    };
    const Row rows[] = {
        {"upper blade",
         [&] {
             return canvas::UserPoint{lentoi->upperBlade().X1, lentoi->upperBlade().Y2 + 30};
         }},
        {"lower blade",
         [&] {
             return canvas::UserPoint{lentoi->lowerBlade().X1, lentoi->lowerBlade().Y2 - 30};
         }},
        {"centre 1",
         [&] {
             return canvas::UserPoint{double(scrollBar(*lentoi, "kentrokykloy2")->value()), 0};
         }},
        {"vertex 1",
         [&] {
             return canvas::UserPoint{double(scrollBar(*lentoi, "kentrokykloy2")->value() +
                                             scrollBar(*lentoi, "aktina1")->value()),
                                      200};
         }},
    };
    const canvas::Color face2Ray = canvas::RGB(255, 0, 255);
    for (const Row& row : rows) {
        dialogs.answer("0");
        lentoi->EPANALIPSI_Click();
        ASSERT_GT(testing_support::countColor(surface(), face2Ray), 100) << row.name;
        const canvas::UserPoint at = row.handle();
        drag(at.x, at.y, at.x - 10, at.y, kShift);
        lentoi->Form_Click();
        EXPECT_EQ(testing_support::countColor(surface(), face2Ray), 0) << row.name;
        EXPECT_EQ(lentoi->picture(), windows::WorkbenchPicture{}) << row.name;
    }
}

TEST_F(WorkbenchMouseTest, FanWithoutWaveBoxesRecordsNothing) {
    source().plithosaktinon = 12;
    lentoi->Form_MouseDown(1, kShift, -250, 30);
    EXPECT_EQ(source().plithosaktinon, 0);
}

TEST_F(WorkbenchMouseTest, FanWithWavesRecordsTheRaysThroughTheLens) {
    checkBox(*lentoi, "Check1")->click();
    lentoi->Form_MouseDown(1, kShift, -250, 30);
    const int recorded = source().plithosaktinon;
    // desmi1 140: pi * 30 / 140 = 0.67 degrees apart, 535 directions; the
    // lens (about 175 units high, 200 away) spans some 45 degrees of them.
    EXPECT_GT(recorded, 40);
    EXPECT_LT(recorded, 501);
    for (int i = 0; i < recorded; ++i) {
        const double yEntry = lens().record.yentry[i];
        EXPECT_LT(std::abs(yEntry), 90) << i; // entries on the lens
        EXPECT_LT(lens().record.xentry[i], 0) << i;
    }
}

TEST_F(WorkbenchMouseTest, IdealImageCrossWhereTheThinLensFormulaPutsIt) {
    scrollBar(*lentoi, "arvimaton")->setValue(150);
    scrollBar(*lentoi, "desmi1")->setValue(2); // two directions, both pointing away from the lens
    lentoi->Form_MouseDown(1, kShift, -200, 30);
    // u = 198.571, f = 94.737: x' = -1.429 + f u / (u - f) = 179.74,
    // y' = -30 * (x' - xchord) / (xchord + 200) = -27.37.
    const double x = 179.74, y = -27.37;
    for (const auto& [dx, dy] : {std::pair{8.0, 0.0}, {-8.0, 0.0}, {0.0, 8.0}, {0.0, -8.0}})
        EXPECT_EQ(colorAt(surface(), x + dx, y + dy), canvas::colors::black) << dx << "," << dy;
    EXPECT_NE(colorAt(surface(), x + 14, y), canvas::colors::black);
}

TEST_F(WorkbenchMouseTest, UpperBladeDroppedBelowTheLowerTipPushesItDown) {
    const double h = std::abs(surface().ScaleHeight());
    drag(1, 150, 30, -120);
    EXPECT_NEAR(lentoi->lowerBlade().Y2, -120, 1e-9);
    EXPECT_NEAR(lentoi->upperBlade().Y2, -120 + h / 10, 1e-9);
    EXPECT_NEAR(lentoi->upperBlade().Y1, surface().ScaleTop(), 1e-9);
    for (double x : {lentoi->upperBlade().X1, lentoi->upperBlade().X2, lentoi->lowerBlade().X1,
                     lentoi->lowerBlade().X2})
        EXPECT_EQ(x, 30);
    EXPECT_FALSE(lentoi->grips().diafragma1);
}

TEST_F(WorkbenchMouseTest, LowerBladeDropIsNotCheckedAgainstTheUpperOne) {
    drag(-1, -150, -150, 200);
    EXPECT_EQ(lentoi->lowerBlade().Y2, 200);
    EXPECT_NEAR(lentoi->lowerBlade().Y1, surface().ScaleTop() + surface().ScaleHeight(), 1e-9);
    EXPECT_EQ(lentoi->upperBlade().X1, -150);
}

// A step of a bar after a blade's drop moves it one step on from the drop
// (the bar holds the nearest whole value, half a step at most away).
TEST_F(WorkbenchMouseTest, AStepOfABarAfterABladeDropStartsFromTheDrop) {
    const double w = surface().ScaleWidth(), h = std::abs(surface().ScaleHeight());
    const canvas::LineControl &upper = lentoi->upperBlade(), &lower = lentoi->lowerBlade();
    const std::tuple<const char*, const canvas::LineControl&, double, QScrollBar*, int,
                     const double&, double>
        rows[] = {{"lower tip", lower, -60, scrollBar(*lentoi, "VScroll2"), 1, lower.Y2, -h / 100},
                  {"sideways", lower, -60, scrollBar(*lentoi, "HScroll1"), 1, upper.X1, w / 200},
                  {"upper tip", upper, 60, scrollBar(*lentoi, "VScroll1"), -1, upper.Y2, h / 200}};
    for (const auto& [name, blade, dropY, bar, step, place, stepUnits] : rows) {
        drag(blade.X1, (blade.Y1 + blade.Y2) / 2, dropY > 0 ? 150 : -150, dropY);
        const double dropped = place;
        bar->setValue(bar->value() + step);
        EXPECT_NEAR(place, dropped + stepUnits, std::abs(stepUnits) / 2) << name;
    }
}

TEST_F(WorkbenchMouseTest, DropsAreClampedToTheScrollBarRanges) {
    struct Row {
        const char* name;
        double pressX, pressY, dropX;
        int bar; // 0 kentrokykloy2, 1 kentrokykloy, 2 aktina1, 3 aktina2
        int expected;
    };
    const Row rows[] = {
        {"centre 1 right of the origin", -50, 0, 40, 0, 0},
        {"centre 1 rounded", -50, 0, -120.4, 0, -120},
        {"centre 1 far left", -50, 0, -900, 0, -500},
        {"centre 2 left of the origin", 20, 0, -30, 1, 0},
        {"centre 2 rounded", 20, 0, 77.6, 1, 78},
        {"centre 2 far right", 20, 0, 900, 1, 500},
        {"vertex 1 beyond Max", 50, 50, 480, 2, 500},
        {"vertex 1 below Min", 50, 50, -20, 2, 50},
        {"vertex 2 beyond Max", -70, 50, -700, 3, 500},
        {"vertex 2 at Min", -70, 50, 20, 3, 0},
    };
    QScrollBar* bars[] = {scrollBar(*lentoi, "kentrokykloy2"), scrollBar(*lentoi, "kentrokykloy"),
                          scrollBar(*lentoi, "aktina1"), scrollBar(*lentoi, "aktina2")};
    for (const Row& row : rows) {
        scrollBar(*lentoi, "kentrokykloy2")->setValue(-50);
        scrollBar(*lentoi, "kentrokykloy")->setValue(20);
        scrollBar(*lentoi, "aktina1")->setValue(100);
        scrollBar(*lentoi, "aktina2")->setValue(90);
        drag(row.pressX, row.pressY, row.dropX, 0);
        EXPECT_EQ(bars[row.bar]->value(), row.expected) << row.name;
    }
}

TEST_F(WorkbenchMouseTest, PointerShapesFollowTheZones) {
    struct Row {
        const char* name;
        double x, y;
        int pointer;
    };
    const Row rows[] = {{"upper blade", 1, 150, 2}, {"lower blade", 1, -150, 2},
                        {"centre 1", -50, 1, 2},    {"centre 2", 20, 1, 2},
                        {"vertex 1", 50, 300, 9},   {"vertex 2", -70, 0, 9},
                        {"empty", 200, 100, 0}};
    for (const Row& row : rows) {
        lentoi->Form_MouseMove(0, kNone, row.x, row.y);
        EXPECT_EQ(lentoi->mousePointer(), row.pointer) << row.name;
    }
}

TEST_F(WorkbenchMouseTest, CentreMarkerFollowsThePointerAlongTheAxisWhileDragged) {
    lentoi->Form_MouseDown(1, kNone, -50, 0);
    lentoi->Form_MouseMove(1, kNone, -120, 80);
    EXPECT_TRUE(lentoi->leftCentreMark().Visible);
    EXPECT_EQ(lentoi->mousePointer(), 2); // the flag keeps the cross off the zone
    EXPECT_NEAR(lentoi->leftCentreMark().Width, surface().ScaleWidth() / 100, 1e-9);
    EXPECT_NEAR(lentoi->leftCentreMark().Left + lentoi->leftCentreMark().Width / 2, -120, 1e-9);
    EXPECT_NEAR(lentoi->leftCentreMark().Top, lentoi->leftCentreMark().Height / 2, 1e-9);
    lentoi->Form_MouseUp(1, kNone, -120, 80);
    EXPECT_FALSE(lentoi->leftCentreMark().Visible);
    EXPECT_EQ(scrollBar(*lentoi, "kentrokykloy2")->value(), -120);
}

TEST_F(WorkbenchMouseTest, RealMouseEventsWithAnyButtonsAndModifiersAreSafe) {
    canvas::CanvasWidget& view = lentoi->canvasWidget();
    lentoi->resize(1280, 800);
    const QPoint points[] = {{0, 0}, {640, 380}, {1279, 760}, {-50, -50}, {5000, 5000}};
    const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::ShiftModifier,
                                               Qt::ShiftModifier | Qt::ControlModifier,
                                               Qt::AltModifier};
    for (const QPoint& p : points)
        for (Qt::KeyboardModifiers m : modifiers)
            for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
                QTest::mousePress(&view, b, m, p);
                QTest::mouseMove(&view, p + QPoint(300, -200));
                QTest::mouseRelease(&view, b, m, p + QPoint(3000, -2000));
            }
    // Still working: a scroll bar still redraws the lens.
    scrollBar(*lentoi, "aktina1")->setValue(150);
    EXPECT_EQ(lens().radius1, 150);
}
