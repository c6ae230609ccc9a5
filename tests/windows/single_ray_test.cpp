#include "optics/spherical/refraction.h"
#include "tests/support/program.h"

#include <QAction>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

using testing_support::countColor;

namespace {

constexpr int kShift = 1;
constexpr canvas::Color kRed = canvas::RGB(255, 0, 0);
constexpr canvas::Color kGreen = canvas::RGB(0, 255, 0);
constexpr canvas::Color kBlack = canvas::RGB(0, 0, 0);

// The screen is 1280 x 800 pixels of 15 twips: SW = 19200, SH = 12000,
// S = 31200, so x runs from -369.2308 to 369.2308 and y from 230.7692 down
// to -230.7692, 7.5/13 = 0.576923 units a pixel both ways.
constexpr double kUnitsPerPixel = 7.5 / 13;

// The start lens: circle 1 about the origin radius 90, circle 2 about
// (100, 0) radius 100. Rim: a = (100^2 + 90^2 - 100^2) / 200 = 40.5,
// h = sqrt(90^2 - 40.5^2) = 80.3726. Focal length at n = 1.5:
// 1 / (0.5 (1/90 + 1/100)) = 94.7368.
constexpr double kRimX = 40.5;
constexpr double kRimH = 80.3726;
constexpr double kFocal = 94.7368;

// A red pixel within one pixel of the user point.
bool redNear(const canvas::Surface& view, double x, double y) {
    const int px = static_cast<int>(std::floor(view.toPixelX(x)));
    const int py = static_cast<int>(std::floor(view.toPixelY(y)));
    return countColor(view, kRed, px - 1, py - 1, px + 2, py + 2) > 0;
}

// Red pixels in the columns from user x to the right edge.
int redRightOf(const canvas::Surface& view, double x) {
    return countColor(view, kRed, static_cast<int>(std::ceil(view.toPixelX(x))), 0, view.widthPx(),
                      view.heightPx());
}

// Red pixels outside the squares of half-side 8 units about the given marks.
int redAwayFrom(const canvas::Surface& view, const std::vector<canvas::UserPoint>& marks) {
    int count = countColor(view, kRed);
    for (const canvas::UserPoint& m : marks) {
        const int x0 = static_cast<int>(std::floor(view.toPixelX(m.x - 8)));
        const int y0 = static_cast<int>(std::floor(view.toPixelY(m.y + 8)));
        count -= countColor(view, kRed, x0, y0, x0 + 30, y0 + 30);
    }
    return count;
}

// One place where the path meets a face, with the directions on either side.
struct Bend {
    double x, y;
    double cx, radius; // the face's circle (centre on the axis)
    double dxIn, dyIn, dxOut, dyOut;
    bool reflected;
};

// The path that the window's ray follows, face by face (at most five).
std::vector<Bend> pathOf(canvas::UserPoint start, double dx, double dy, double xb, double r1,
                         double r2, double n) {
    namespace sph = optics::spherical;
    std::vector<Bend> bends;
    double x = start.x, y = start.y;
    int face = 0;
    while (bends.size() < 5) {
        const sph::LensHit hit = sph::nextHit({0, xb, r1, r2}, dx, dy, x, y, face);
        if (!hit.hit)
            break;
        const double cx = hit.face == 1 ? 0 : xb, radius = hit.face == 1 ? r1 : r2;
        const sph::RefractResult out = sph::refractAtFace(dx, dy, hit.hx, hit.hy, cx, 0, radius, n);
        bends.push_back({hit.hx, hit.hy, cx, radius, dx, dy, out.dirx, out.diry, !out.ok});
        if (!out.ok)
            break;
        x = hit.hx, y = hit.hy, face = hit.face, dx = out.dirx, dy = out.diry;
    }
    return bends;
}

// The sine of the angle between a direction and the unit normal.
double sineTo(double dx, double dy, double nx, double ny) {
    return (dx * ny - dy * nx) / std::hypot(dx, dy);
}

} // namespace

// A program on a 1280 x 800 screen with the single-ray window opened from
// the workbench's "AKTINA RAY".
class SingleRayTest : public testing_support::ProgramFixture<> {
  protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        lentoi = &app->lentoi();
        menuItem(*lentoi, "singleray")->trigger();
        window = &app->moniaktina();
    }

    canvas::Surface& view() { return window->surface(); }

    // A Shift-press that puts the mark's centre at (x, y), then a
    // Shift-release at the source plus (dx, dy).
    canvas::UserPoint shoot(double x, double y, double dx, double dy) {
        window->Form_MouseDown(1, kShift, x - window->sourceMark().Width / 2,
                               y + window->sourceMark().Height / 2);
        const canvas::UserPoint source = window->sourceCentre();
        window->Form_MouseUp(1, kShift, source.x + dx, source.y + dy);
        return source;
    }

    std::vector<Bend> path(canvas::UserPoint source, double dx, double dy) const {
        return pathOf(source, dx, dy, scrollBar(*window, "kentrokykloy")->value(),
                      scrollBar(*window, "aktina1")->value(),
                      scrollBar(*window, "aktina2")->value(),
                      scrollBar(*window, "deiktisdiathlasis")->value() / 100.0);
    }

    windows::Lentoi* lentoi = nullptr;
    windows::Moniaktina* window = nullptr;
};

TEST_F(SingleRayTest, StartTextsAndCaptions) {
    const std::pair<QString, QString> rows[] = {
        {textBox(*window, "Text6")->text(), "Ακτίνα 1 =90"},
        {textBox(*window, "Text5")->text(), "Ακτίνα 2 =100"},
        {textBox(*window, "Text7")->text(), "Κέντρο δεξιά=100"},
        {textBox(*window, "Text2")->text(), "Index of Refraction n = 1.50"},
        {commandButton(*window, "Command1")->text(), "Πίσω"},
        {window->windowTitle(), "ΜΙΑ ΑΚΤΙΝΑ"},
    };
    for (const auto& [actual, expected] : rows)
        EXPECT_EQ(actual.toStdString(), expected.toStdString());
}

TEST_F(SingleRayTest, IndexBarWritesItsOwnCaptionInTheUsersLocale) {
    scrollBar(*window, "deiktisdiathlasis")->setValue(200);
    EXPECT_EQ(textBox(*window, "Text2")->text().toStdString(), "Index of refraction n= 2.00");
    EXPECT_DOUBLE_EQ(app->spherical().deiktis, 2.0);
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
    scrollBar(*window, "deiktisdiathlasis")->setValue(133);
    scrollBar(*window, "aktina1")->setValue(120);
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(textBox(*window, "Text2")->text().toStdString(), "Index of refraction n= 1,33");
    EXPECT_EQ(textBox(*window, "Text6")->text().toStdString(), "Ακτίνα 1 =120");
}

TEST_F(SingleRayTest, OpeningScalesTheScreenAndKeepsTheMarksPlace) {
    EXPECT_NEAR(view().ScaleLeft(), -369.2308, 1e-4);
    EXPECT_NEAR(view().ScaleTop(), 230.7692, 1e-4);
    EXPECT_NEAR(view().ScaleWidth(), 738.4615, 1e-4);
    EXPECT_NEAR(view().ScaleHeight(), -461.5385, 1e-4);
    // Designer place 1080, 2160 twips = pixel 72, 144; size 135 twips = 9 px.
    EXPECT_NEAR(window->sourceMark().Left, -369.2308 + 72 * kUnitsPerPixel, 1e-4);
    EXPECT_NEAR(window->sourceMark().Top, 230.7692 - 144 * kUnitsPerPixel, 1e-4);
    EXPECT_NEAR(window->sourceMark().Width, 9 * kUnitsPerPixel, 1e-9);
    EXPECT_NEAR(window->sourceMark().Height, 9 * kUnitsPerPixel, 1e-9);
}

TEST(SingleRayLoad, FirstAimRunsInTheDesignersTwips) {
    testing_support::ScriptedDialogs dialogs;
    shell::Application app(dialogs, windows::ScreenInfo{1280, 800, 96});
    windows::Moniaktina& window = app.moniaktina();
    const canvas::Surface& view = window.surface();
    EXPECT_EQ(view.ScaleWidth(), 6630);
    EXPECT_EQ(view.ScaleHeight(), 3225);
    // Mark centre (1147.5, 2227.5) aims at (540, 1080); halfway between lies
    // the aiming line (or the ray over it).
    EXPECT_DOUBLE_EQ(window.sourceCentre().x, 1147.5);
    EXPECT_DOUBLE_EQ(window.sourceCentre().y, 2227.5);
    const canvas::Color mid = testing_support::colorAt(view, 843.75, 1653.75);
    EXPECT_TRUE(mid == kBlack || mid == kRed);
}

TEST_F(SingleRayTest, OpensWithTheOutlineAndNoRay) {
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(lentoi->isVisible());
    // Face 1 through (90, 0), face 2 through (0, 0); none beyond the rim.
    EXPECT_GT(countColor(view(), kGreen), 0);
    EXPECT_TRUE(testing_support::colorAt(view(), 89, 0) == kGreen);
    EXPECT_TRUE(testing_support::colorAt(view(), 1, 0) == kGreen);
    EXPECT_TRUE(testing_support::colorAt(view(), -90, 0) != kGreen);
    // Only the two open focal marks are red.
    EXPECT_TRUE(redNear(view(), kRimX - kFocal + 3, 0));
    EXPECT_TRUE(redNear(view(), kRimX + kFocal - 3, 0));
    EXPECT_NE(testing_support::colorAt(view(), kRimX + kFocal, 0.3), kRed);
    EXPECT_EQ(redAwayFrom(view(), {{kRimX - kFocal, 0}, {kRimX + kFocal, 0}}), 0);
}

TEST_F(SingleRayTest, RayAlongTheAxisIsOneStraightLineInThreeSegments) {
    // Circle 2 about (120, 0): the faces meet the axis at 20 and 90.
    scrollBar(*window, "kentrokykloy")->setValue(120);
    const canvas::UserPoint source = shoot(-300, 0, 600, 0);
    ASSERT_EQ(source.y, 0);
    const std::vector<Bend> bends = path(source, 600, 0);
    ASSERT_EQ(bends.size(), 2u); // two faces: three segments
    EXPECT_NEAR(bends[0].x, 20, 1e-9);
    EXPECT_NEAR(bends[1].x, 90, 1e-9);
    for (const Bend& bend : bends)
        EXPECT_TRUE(bend.dxOut == 1 && bend.dyOut == 0) << bend.x;
    // Red in every column from the source to the right edge, on the axis rows.
    const int first = static_cast<int>(std::ceil(view().toPixelX(source.x))) + 1;
    int gaps = 0;
    for (int px = first; px < view().widthPx(); ++px)
        gaps += countColor(view(), kRed, px, 398, px + 1, 402) == 0;
    EXPECT_EQ(gaps, 0);
    // Nothing red off the axis rows but the rim marks at (52.08, +-73.40).
    EXPECT_EQ(redAwayFrom(view(), {{52.08, 73.40}, {52.08, -73.40}}) -
                  countColor(view(), kRed, 0, 394, view().widthPx(), 406),
              0);
}

// A horizontal ray at height 50 enters face 2 at (13.3975, 50) and meets
// face 1 inside the glass at (86.2608, 25.6725), where sin i = 0.5741: over
// the critical 1/2.5 = 0.4, under 1/1.5.
TEST_F(SingleRayTest, TotalReflectionAtTheSecondFaceEndsTheRay) {
    struct Row {
        int index;
        bool reflected;
    };
    for (const Row row : {Row{150, false}, Row{250, true}}) {
        scrollBar(*window, "deiktisdiathlasis")->setValue(row.index);
        const canvas::UserPoint source = shoot(-300, 50, 600, 0);
        const std::vector<Bend> bends = path(source, 600, 0);
        ASSERT_EQ(bends.size(), 2u);
        EXPECT_NEAR(bends[0].x, 13.3975, 1e-3);
        EXPECT_EQ(bends[1].reflected, row.reflected);
        EXPECT_TRUE(redNear(view(), -100, 50));
        if (row.reflected) {
            EXPECT_NEAR(bends[1].x, 86.2608, 1e-3);
            EXPECT_NEAR(bends[1].y, 25.6725, 1e-3);
            EXPECT_TRUE(redNear(view(), 49.83, 37.84)); // through the glass
            EXPECT_EQ(redRightOf(view(), 95), 0);
            EXPECT_EQ(testing_support::colorAt(view(), 200, 50), kBlack); // the aim only
        } else {
            EXPECT_GT(redRightOf(view(), 150), 100);
        }
    }
}

TEST_F(SingleRayTest, EveryBendObeysSnellsLawAndIsDrawn) {
    struct Row {
        const char* name;
        int index;
        double x, y, dx, dy;
        std::size_t minBends;
    };
    const Row rows[] = {
        {"oblique from the left", 150, -300, 60, 300, -40, 2},
        {"back from the right", 150, 300, -40, -300, 40, 2},
        {"steep, n 2", 200, -100, 200, 130, -200, 2},
        {"straight down", 150, 40, 200, 0, -100, 2},
        {"glass thinner than air", 60, -300, 20, 300, 0, 1},
    };
    for (const Row& row : rows) {
        scrollBar(*window, "deiktisdiathlasis")->setValue(row.index);
        const double n = row.index / 100.0;
        const canvas::UserPoint source = shoot(row.x, row.y, row.dx, row.dy);
        const std::vector<Bend> bends = path(source, row.dx, row.dy);
        ASSERT_GE(bends.size(), row.minBends) << row.name;
        for (const Bend& b : bends) {
            const double nx = (b.x - b.cx) / b.radius, ny = b.y / b.radius; // outward
            const bool entering = b.dxIn * nx + b.dyIn * ny < 0;
            const double ratio = entering ? n : 1 / n; // sin i = ratio * sin r
            const double sinIn = sineTo(b.dxIn, b.dyIn, nx, ny);
            EXPECT_TRUE(redNear(view(), b.x, b.y)) << row.name;
            if (b.reflected) {
                EXPECT_GT(std::abs(sinIn) / ratio, 1) << row.name;
                continue;
            }
            const double sinOut = sineTo(b.dxOut, b.dyOut, nx, ny);
            EXPECT_NEAR(sinIn, ratio * sinOut, 1e-5) << row.name;
            // Across the face, not back from it.
            EXPECT_GT((b.dxIn * nx + b.dyIn * ny) * (b.dxOut * nx + b.dyOut * ny), 0) << row.name;
        }
        const Bend& last = bends.back();
        if (!last.reflected) {
            EXPECT_TRUE(redNear(view(), last.x + 40 * last.dxOut, last.y + 40 * last.dyOut))
                << row.name;
        }
    }
}

TEST_F(SingleRayTest, MouseWithoutShiftAloneChangesNothing) {
    canvas::CanvasWidget& canvasView = window->canvasWidget();
    const std::vector<std::uint32_t> before = testing_support::pixelsOf(view());
    const double left = window->sourceMark().Left, top = window->sourceMark().Top;
    const Qt::KeyboardModifiers modifiers[] = {
        Qt::NoModifier, Qt::ShiftModifier | Qt::ControlModifier,
        Qt::ShiftModifier | Qt::AltModifier, Qt::ControlModifier};
    for (Qt::KeyboardModifiers m : modifiers) {
        QTest::mousePress(&canvasView, Qt::LeftButton, m, QPoint(300, 300));
        QTest::mouseRelease(&canvasView, Qt::LeftButton, m, QPoint(900, 500));
    }
    window->Form_MouseDown(1, 0, 10, 10);
    window->Form_MouseUp(1, 3, 100, 10);
    EXPECT_EQ(window->sourceMark().Left, left);
    EXPECT_EQ(window->sourceMark().Top, top);
    EXPECT_TRUE(testing_support::pixelsOf(view()) == before);
}

TEST_F(SingleRayTest, ShiftDragMovesTheSourceThenAims) {
    canvas::CanvasWidget& canvasView = window->canvasWidget();
    const std::vector<std::uint32_t> before = testing_support::pixelsOf(view());
    QTest::mousePress(&canvasView, Qt::RightButton, Qt::ShiftModifier, QPoint(200, 200));
    // Pixel (200, 200) is (-369.2308 + 115.3846, 230.7692 - 115.3846).
    EXPECT_NEAR(window->sourceMark().Left, -253.8462, 1e-3);
    EXPECT_NEAR(window->sourceMark().Top, 115.3846, 1e-3);
    EXPECT_TRUE(testing_support::pixelsOf(view()) == before); // the press draws nothing
    QTest::mouseRelease(&canvasView, Qt::RightButton, Qt::ShiftModifier, QPoint(400, 150));
    // From the mark's centre (-251.25, 112.79) through the release point
    // (-138.46, 144.23), above the lens, on to the top edge.
    EXPECT_TRUE(redNear(view(), -251.25, 112.79));
    EXPECT_TRUE(redNear(view(), -138.46, 144.23));
    EXPECT_TRUE(redNear(view(), -25.67, 175.67));
    EXPECT_TRUE(redNear(view(), 172.0, 230.0));
}

TEST_F(SingleRayTest, BackToTheWorkbenchAndOpeningAgain) {
    optics::spherical::Poreiaaktinon& lens = app->spherical();
    EXPECT_EQ(lens.radius1, 90);
    EXPECT_EQ(lens.radius2, 100);
    EXPECT_EQ(lens.xa, 0);
    EXPECT_EQ(lens.xb, 100);
    scrollBar(*window, "aktina1")->setValue(120);
    scrollBar(*window, "deiktisdiathlasis")->setValue(200);
    shoot(-300, 50, 300, -50);
    const double left = window->sourceMark().Left, top = window->sourceMark().Top;
    const std::vector<std::uint32_t> picture = testing_support::pixelsOf(view());

    commandButton(*window, "Command1")->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(lentoi->isVisible());
    EXPECT_TRUE(testing_support::pixelsOf(view()) == picture); // hidden with its drawing
    EXPECT_EQ(lens.radius1, 120);
    EXPECT_EQ(lens.xa, 0);
    EXPECT_DOUBLE_EQ(lens.deiktis, 2.0);
    scrollBar(*lentoi, "aktina2")->setValue(95);
    EXPECT_EQ(lens.radius1, 100);
    EXPECT_EQ(lens.radius2, 95);
    EXPECT_EQ(lens.xa, -50);
    EXPECT_EQ(lens.xb, 20);

    menuItem(*lentoi, "singleray")->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(lentoi->isVisible());
    EXPECT_EQ(scrollBar(*window, "aktina1")->value(), 120);
    EXPECT_EQ(scrollBar(*window, "deiktisdiathlasis")->value(), 200);
    EXPECT_NEAR(window->sourceMark().Left, left, 1e-9);
    EXPECT_NEAR(window->sourceMark().Top, top, 1e-9);
    EXPECT_EQ(lens.radius1, 120);
    EXPECT_EQ(lens.radius2, 100);
    EXPECT_EQ(lens.xa, 0);
    EXPECT_EQ(lens.xb, 100);
    // Outline only: f = 1 / (1 (1/120 + 1/100)) = 54.5455 about the rim
    // x = (100^2 + 120^2 - 100^2) / 200 = 72.
    EXPECT_GT(countColor(view(), kGreen), 0);
    EXPECT_EQ(redAwayFrom(view(), {{72 - 54.5455, 0}, {72 + 54.5455, 0}}), 0);
}

TEST_F(SingleRayTest, GeometryBarsShowTheNewOutlineWithoutTheRay) {
    struct Row {
        const char* bar;
        int value;
        double rimX, focal; // rim x and focal length of the new lens, n = 1.5
    };
    // Rim x = (xb^2 + r1^2 - r2^2) / (2 xb); f = 2 / (1/r1 + 1/r2).
    const Row rows[] = {
        {"aktina1", 120, 72, 109.0909},
        {"aktina2", 120, 18.5, 102.8571},
        {"kentrokykloy", 150, 68.6667, kFocal},
    };
    for (const Row& row : rows) {
        QScrollBar* bar = scrollBar(*window, row.bar);
        const int start = bar->value();
        shoot(-300, 30, 300, -30);
        ASSERT_GT(redRightOf(view(), 200), 0);
        bar->setValue(row.value);
        EXPECT_EQ(redAwayFrom(view(), {{row.rimX - row.focal, 0}, {row.rimX + row.focal, 0}}), 0);
        EXPECT_TRUE(redNear(view(), row.rimX + row.focal - 3, 0));
        EXPECT_GT(countColor(view(), kGreen), 0);
        bar->setValue(start);
    }
}

TEST_F(SingleRayTest, IndexBarRedrawsNothing) {
    shoot(-300, 30, 300, -30);
    const std::vector<std::uint32_t> before = testing_support::pixelsOf(view());
    scrollBar(*window, "deiktisdiathlasis")->setValue(180);
    EXPECT_TRUE(testing_support::pixelsOf(view()) == before);
}

TEST_F(SingleRayTest, IndexOneMarksBothFociOnTheRim) {
    scrollBar(*window, "deiktisdiathlasis")->setValue(100);
    scrollBar(*window, "aktina1")->setValue(91);
    // Rim x = (100^2 + 91^2 - 100^2) / 200 = 41.405.
    EXPECT_TRUE(redNear(view(), 41.405 + 3, 0));
    EXPECT_EQ(redAwayFrom(view(), {{41.405, 0}}), 0);
}

TEST_F(SingleRayTest, AimAtTheSourceDrawsOnlyTheAimingLine) {
    const canvas::UserPoint source = shoot(-200, 100, 0, 0);
    EXPECT_EQ(
        redAwayFrom(view(),
                    {{kRimX - kFocal, 0}, {kRimX + kFocal, 0}, {kRimX, kRimH}, {kRimX, -kRimH}}),
        0);
    EXPECT_EQ(testing_support::colorAt(view(), source.x, source.y), kBlack);
}

TEST_F(SingleRayTest, ScrollBarsAtTheirEndsKeepTheWindowWorking) {
    // Each bar at its ends, the others at their starts.
    for (const auto& row : windows::kMoniaktinaBars) {
        for (const int value : {row.design.min, row.design.max}) {
            scrollBar(*window, row.name)->setValue(value);
            EXPECT_GT(countColor(view(), kGreen), 0) << row.name << value;
            // Each ray starts at its source, whatever the lens does to it.
            shoot(-300, 20, 300, -10);
            EXPECT_TRUE(redNear(view(), -297, 19.9)) << row.name << value;
            shoot(30, 200, 0, -50); // straight down
            EXPECT_TRUE(redNear(view(), 30, 197)) << row.name << value;
        }
        scrollBar(*window, row.name)->setValue(row.design.value);
    }
}

TEST_F(SingleRayTest, MouseAtAnyCoordinateIsSafe) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double values[] = {1e300, -1e300, 3e38, inf, -inf, nan};
    for (double a : values)
        for (double b : values) {
            window->Form_MouseDown(1, kShift, a, b);
            window->Form_MouseUp(1, kShift, b, a);
            window->Form_MouseUp(1, kShift, 0, 0);
            window->grab();
        }
    canvas::CanvasWidget& canvasView = window->canvasWidget();
    QTest::mousePress(&canvasView, Qt::LeftButton, Qt::ShiftModifier, QPoint(-100000, 100000));
    QTest::mouseRelease(&canvasView, Qt::LeftButton, Qt::ShiftModifier, QPoint(100000, -100000));
    window->grab();
    // Still working.
    shoot(-300, 20, 300, -10);
    EXPECT_TRUE(redNear(view(), -250, 18.33));
}
