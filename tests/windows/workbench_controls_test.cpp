#include "tests/windows/workbench_fixture.h"

#include <cmath>

using testing_support::countColor;

TEST_F(WorkbenchTest, LensScrollBarsWriteTheirTextsAndTheLens) {
    scrollBar(*lentoi, "aktina1")->setValue(120);
    scrollBar(*lentoi, "aktina2")->setValue(70);
    scrollBar(*lentoi, "kentrokykloy")->setValue(35);
    scrollBar(*lentoi, "kentrokykloy2")->setValue(-80);
    EXPECT_EQ(textBox(*lentoi, "Text6")->text().toStdString(), "Ακτίνα1 =120");
    EXPECT_EQ(textBox(*lentoi, "Text5")->text().toStdString(), "Ακτίνα2 =70");
    EXPECT_EQ(textBox(*lentoi, "Text7")->text().toStdString(), "Κέντρο δεξί κύκλου=35");
    EXPECT_EQ(lens().radius1, 120);
    EXPECT_EQ(lens().radius2, 70);
    EXPECT_EQ(lens().xb, 35);
    EXPECT_EQ(lens().xa, -80);
}

TEST_F(WorkbenchTest, IndexChangesItsTextButNotThePicture) {
    const std::vector<std::uint32_t> before(
        surface().pixels(), surface().pixels() + surface().widthPx() * surface().heightPx());
    scrollBar(*lentoi, "deiktisdiathlasis")->setValue(200);
    EXPECT_EQ(textBox(*lentoi, "Text2")->text().toStdString(),
              "Index of Refraction Δείκτης Διάθλασης= 2.00");
    EXPECT_DOUBLE_EQ(lens().deiktis, 2.0);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), surface().pixels()));
}

TEST_F(WorkbenchTest, RayCountFollowsBothBundleScrollBars) {
    struct Row {
        int desmi1, arvimaton;
        const char* text;
    };
    // Int(360 * desmi1 / (pi * arvimaton)).
    const Row rows[] = {
        {150, 5, "Number of Rays Αριθμός ακτινών= 3437.00"},
        {2, 150, "Number of Rays Αριθμός ακτινών= 1.00"},
        {20, 30, "Number of Rays Αριθμός ακτινών= 76.00"},
    };
    for (const Row& row : rows) {
        scrollBar(*lentoi, "arvimaton")->setValue(row.arvimaton);
        scrollBar(*lentoi, "desmi1")->setValue(row.desmi1);
        EXPECT_EQ(textBox(*lentoi, "Text1")->text().toStdString(), row.text);
        EXPECT_EQ(formLabel(*lentoi, "Label3")->text(),
                  "Πολλαπλασιαστής ακτίνων" + QString::number(row.arvimaton));
    }
}

TEST_F(WorkbenchTest, VerticalScrollBarsPlaceTheBladeTips) {
    const double t = surface().ScaleTop(), h = surface().ScaleHeight();
    scrollBar(*lentoi, "VScroll1")->setValue(-100);
    EXPECT_NEAR(lentoi->upperBlade().Y2, t, 1e-9); // the upper tip at the top edge
    EXPECT_NEAR(lentoi->upperBlade().Y1, t, 1e-9);
    EXPECT_EQ(lentoi->upperBlade().BorderColor, canvas::RGB(250, 0, 0));
    scrollBar(*lentoi, "VScroll2")->setValue(50);
    EXPECT_NEAR(lentoi->lowerBlade().Y2, t + h, 1e-9); // the lower tip at the bottom edge
    EXPECT_NEAR(lentoi->lowerBlade().Y1, t + h, 1e-9);
    scrollBar(*lentoi, "VScroll2")->setValue(100);
    EXPECT_NEAR(lentoi->lowerBlade().Y2, t + 1.5 * h, 1e-9); // out of the window
    scrollBar(*lentoi, "VScroll1")->setValue(-50);
    EXPECT_NEAR(lentoi->upperBlade().Y2, t + h / 4, 1e-9);
}

TEST_F(WorkbenchTest, BladesInsideTheGlassArePulledBackToTheSurface) {
    // At start both tips lie on the axis at x = 0, inside the glass: they are
    // pulled to the face of circle 1 there, sqrt(100^2 - 50^2) = 86.60.
    EXPECT_NEAR(lentoi->upperBlade().Y2, 86.6025, 1e-3);
    EXPECT_NEAR(lentoi->lowerBlade().Y2, -86.6025, 1e-3);
}

TEST_F(WorkbenchTest, HorizontalScrollBarMovesBothBladesAndRedrawsTheBundle) {
    scrollBar(*lentoi, "VScroll1")->setValue(-60);
    scrollBar(*lentoi, "HScroll1")->setValue(50);
    const double expected = surface().ScaleLeft() + surface().ScaleWidth() * 0.75;
    for (double x : {lentoi->upperBlade().X1, lentoi->upperBlade().X2, lentoi->lowerBlade().X1,
                     lentoi->lowerBlade().X2})
        EXPECT_NEAR(x, expected, 1e-9);
    // The bundle is there again: a ray pixel on the row y = 200 near its start.
    EXPECT_NE(testing_support::colorAt(surface(), -195, 200), surface().BackColor);
}

TEST_F(WorkbenchTest, CheckBoxCascadeEndsWithBothUnchecked) {
    struct Row {
        const char* name;
        bool check1First;
        int desmi1;
    };
    const Row rows[] = {{"Check1 while Check2 is checked", true, 140},
                        {"Check2 while Check1 is checked", false, 100}};
    for (const Row& row : rows) {
        QCheckBox* first =
            row.check1First ? checkBox(*lentoi, "Check2") : checkBox(*lentoi, "Check1");
        QCheckBox* second =
            row.check1First ? checkBox(*lentoi, "Check1") : checkBox(*lentoi, "Check2");
        first->setChecked(true);
        ASSERT_TRUE(first->isChecked()) << row.name;
        second->click();
        EXPECT_FALSE(checkBox(*lentoi, "Check1")->isChecked()) << row.name;
        EXPECT_FALSE(checkBox(*lentoi, "Check2")->isChecked()) << row.name;
        EXPECT_EQ(scrollBar(*lentoi, "desmi1")->value(), row.desmi1) << row.name;
    }
}

TEST_F(WorkbenchTest, CheckingOneBoxClearsTheOtherAndSetsTheBundleDensity) {
    checkBox(*lentoi, "Check1")->click();
    EXPECT_TRUE(checkBox(*lentoi, "Check1")->isChecked());
    EXPECT_EQ(scrollBar(*lentoi, "desmi1")->value(), 140);
    checkBox(*lentoi, "Check1")->click(); // unchecking runs the whole handler too
    checkBox(*lentoi, "Check2")->click();
    EXPECT_TRUE(checkBox(*lentoi, "Check2")->isChecked());
    EXPECT_FALSE(checkBox(*lentoi, "Check1")->isChecked());
    EXPECT_EQ(scrollBar(*lentoi, "desmi1")->value(), 100);
}

TEST_F(WorkbenchTest, ClickOnTheWindowClearsToTheLensPicture) {
    ASSERT_GT(countColor(surface(), canvas::RGB(255, 0, 255)), 0); // face-2 ray pieces
    lentoi->Form_Click();
    EXPECT_EQ(countColor(surface(), canvas::RGB(255, 0, 255)), 0);
    EXPECT_GT(countColor(surface(), canvas::RGB(220, 220, 195)), 1000);
}

// Every scroll bar through its range, with the odd lenses the ranges allow:
// each redraw must finish and leave a defined picture.
TEST_F(WorkbenchTest, EveryScrollBarPositionRedraws) {
    checkBox(*lentoi, "Check1")->click(); // rays and waves: the most work per redraw
    // Each bar at its ends and its middle and back to its start, then a lens
    // of radius 1 and glass of index 1.
    std::vector<std::pair<const char*, int>> settings;
    for (const auto& row : windows::kLentoiBars) {
        const windows::BarDesign& d = row.design;
        for (const int value : {d.min, d.max, (d.min + d.max) / 2, d.value})
            settings.emplace_back(row.name, value);
    }
    settings.insert(settings.end(), {{"aktina2", 1}, {"deiktisdiathlasis", 100}});
    for (const auto& [name, value] : settings) {
        QScrollBar* bar = scrollBar(*lentoi, name);
        bar->setValue(value);
        // A blade tip set inside the glass is pulled back to the surface.
        if (bar != scrollBar(*lentoi, "VScroll1") && bar != scrollBar(*lentoi, "VScroll2")) {
            EXPECT_EQ(bar->value(), value) << name;
        }
    }
    // xa = xb: both centres at the origin.
    scrollBar(*lentoi, "kentrokykloy")->setValue(0);
    scrollBar(*lentoi, "kentrokykloy2")->setValue(0);
    // Circles that do not meet: 50 about -500 and 0 about 500.
    scrollBar(*lentoi, "kentrokykloy2")->setValue(-500);
    scrollBar(*lentoi, "kentrokykloy")->setValue(500);
    scrollBar(*lentoi, "aktina1")->setValue(50);
    scrollBar(*lentoi, "aktina2")->setValue(0);
    scrollBar(*lentoi, "deiktisdiathlasis")->setValue(40);
    lentoi->Form_Click();
    EXPECT_EQ(lens().xa, -500);
    EXPECT_EQ(lens().radius2, 0);
}
