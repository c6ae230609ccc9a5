#include "optics/spherical/geometry.h"
#include "tests/support/program.h"
#include "tests/support/screens.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <memory>

// The windows on screens of other device pixel ratios: the same pictures,
// drawn at the screen's resolution, and the same mouse.

namespace {

using Census = std::map<canvas::Color, double>;

// The area of each colour in logical pixels: its device pixels over the
// square of the ratio.
Census censusOf(const canvas::Surface& surface) {
    Census census;
    const double perDevicePixel = 1 / (surface.devicePixelRatio() * surface.devicePixelRatio());
    for (int y = 0; y < surface.deviceHeightPx(); ++y)
        for (int x = 0; x < surface.deviceWidthPx(); ++x)
            census[surface.devicePixel(x, y)] += perDevicePixel;
    return census;
}

// Every colour that covers more than a few hundred logical pixels at ratio 1
// covers as many at ratio F, within a few percent; no such colour appears
// from nowhere. Some slack (a 20th of a percent of the window) is left for
// strokes whose width rounds to whole device pixels: at a ratio of 1.5 a
// level line of one logical pixel is one or two device pixels wide, by its
// place.
void expectSameCensus(const Census& one, const Census& other, const std::string& name) {
    constexpr int kCounted = 300;
    double area = 0;
    for (const auto& entry : one)
        area += entry.second;
    for (const auto& [color, count] : one) {
        if (count < kCounted)
            continue;
        const auto found = other.find(color);
        const double seen = found == other.end() ? 0 : found->second;
        EXPECT_NEAR(seen, count, 0.05 * count + 0.0005 * area)
            << name << ": colour " << std::hex << color;
    }
    for (const auto& [color, count] : other)
        EXPECT_TRUE(count < kCounted || one.count(color) != 0)
            << name << ": new colour " << std::hex << color;
}

void moveTo(QWidget& window, double ratio) {
    QScreen* screen = testing_support::screenWithRatio(ratio);
    ASSERT_NE(screen, nullptr) << ratio;
    window.setScreen(screen);
}

// A program after Main on a 1280x800 screen, its windows on the primary
// screen of ratio 1 until a test moves them.
class RatioTest : public testing_support::ProgramFixture<testing_support::Start::Main,
                                                         ::testing::TestWithParam<double>> {
  protected:
    // The start picture of each window, drawn as the program first draws
    // it, on a screen of the ratio.
    Census workbenchAt(double ratio) {
        moveTo(app->lentoi(), ratio);
        app->lentoi().Form_Load();
        return censusAt(app->lentoi(), ratio);
    }

    static Census censusAt(windows::FormWindow& window, double ratio) {
        EXPECT_EQ(window.surface().devicePixelRatio(), ratio);
        return censusOf(window.surface());
    }

    Census singleRayAt(double ratio) {
        windows::Moniaktina& window = app->moniaktina();
        moveTo(window, ratio);
        app->openSingleRay();
        window.Form_MouseUp(canvas::LeftButton, canvas::ShiftKey, window.sourceMark().Left / 2,
                            window.sourceMark().Top / 2);
        return censusAt(window, ratio);
    }

    Census hyperbolicAt(double ratio, bool biconvex) {
        moveTo(app->elSahl(), ratio);
        shell::Eisagogiko& choice = app->eisagogiko();
        if (biconvex)
            choice.Command1_Click();
        else
            choice.Command2_Click();
        return censusAt(app->elSahl(), ratio);
    }
};

} // namespace

TEST_P(RatioTest, EachStartPictureHasTheColoursOfRatioOne) {
    const double ratio = GetParam();
    const struct {
        const char* name;
        std::function<Census(double)> draw;
    } windows[] = {
        {"workbench", [this](double f) { return workbenchAt(f); }},
        {"single ray", [this](double f) { return singleRayAt(f); }},
        {"plano-convex", [this](double f) { return hyperbolicAt(f, false); }},
        {"biconvex", [this](double f) { return hyperbolicAt(f, true); }},
    };
    for (const auto& window : windows) {
        const Census one = window.draw(1);
        const Census atRatio = window.draw(ratio);
        expectSameCensus(one, atRatio, window.name);
    }
}

// Mouse positions arrive in logical pixels, so every hit lands on the user
// point the same position gives at ratio 1: the workbench's blades, centres
// and vertices, and the Ibn Sahl window's stop blades. (Form_Load again
// finds the lower blade's tip at about -173, where the first clamp left it.)
TEST_P(RatioTest, MouseHitsLandOnTheSameUserPoints) {
    windows::Lentoi& lentoi = app->lentoi();
    moveTo(lentoi, GetParam());
    lentoi.Form_Load();
    EXPECT_EQ(lentoi.surface().devicePixelRatio(), GetParam());
    const struct {
        const char* name;
        double x, y;
        bool windows::Lentoi::Grips::*flag;
    } hits[] = {
        {"upper blade", 2, 150, &windows::Lentoi::Grips::diafragma1},
        {"lower blade", -2, -200, &windows::Lentoi::Grips::diafragma2},
        {"centre 1", -47, 3, &windows::Lentoi::Grips::kentro1},
        {"centre 2", 23, -3, &windows::Lentoi::Grips::kentro2},
        {"vertex 1", 50, 30, &windows::Lentoi::Grips::koryfi1},
    };
    canvas::CanvasWidget& canvas = lentoi.canvasWidget();
    const canvas::Surface& view = lentoi.surface();
    const windows::LentoiSetup start = lentoi.setup();
    for (const auto& hit : hits) {
        QSignalSpy pressed(&canvas, &canvas::CanvasWidget::mouseDown);
        const QPoint at(static_cast<int>(view.toPixelX(hit.x)),
                        static_cast<int>(view.toPixelY(hit.y)));
        QTest::mousePress(&canvas, Qt::LeftButton, {}, at);
        EXPECT_TRUE(lentoi.grips().*hit.flag) << hit.name;
        ASSERT_EQ(pressed.count(), 1) << hit.name;
        const canvas::UserPoint user = view.toUser(at.x(), at.y());
        EXPECT_EQ(pressed.at(0).at(2).toDouble(), user.x) << hit.name;
        EXPECT_EQ(pressed.at(0).at(3).toDouble(), user.y) << hit.name;
        // The handles go back where they were for the next row.
        QTest::mouseRelease(&canvas, Qt::LeftButton, {}, at);
        lentoi.apply(start);
    }

    windows::ElSahl& sahl = app->elSahl();
    moveTo(sahl, GetParam());
    app->eisagogiko().Command2_Click();
    const canvas::Surface& sahlView = sahl.surface();
    // Line1 runs from (130, 200) to (130, 10), Line2 from (130, -200) to (130, -10).
    for (const auto& [y, dragging] : {std::pair{100.0, &windows::ElSahl::draggingUpper},
                                      std::pair{-100.0, &windows::ElSahl::draggingLower}}) {
        const QPoint at(static_cast<int>(sahlView.toPixelX(130)),
                        static_cast<int>(sahlView.toPixelY(y)));
        QTest::mousePress(&sahl.canvasWidget(), Qt::LeftButton, {}, at);
        EXPECT_TRUE((sahl.*dragging)()) << y;
        QTest::mouseRelease(&sahl.canvasWidget(), Qt::LeftButton, {}, at);
    }
}

INSTANTIATE_TEST_SUITE_P(Ratios, RatioTest, ::testing::Values(1.5, 2.0));

class EveryRatioTest : public RatioTest {};

// The lens body of the workbench is filled up to its black outline at any
// ratio: every device pixel well inside both circles has the fill colour,
// none well outside either has it but the two focal marks on the axis.
TEST_P(EveryRatioTest, FillsTheLensBodyExactly) {
    const double ratio = GetParam();
    windows::Lentoi& lentoi = app->lentoi();
    moveTo(lentoi, ratio);
    lentoi.Form_Load();
    lentoi.Form_Click(); // the lens picture alone, without the bundle
    const canvas::Surface& view = lentoi.surface();
    ASSERT_EQ(view.devicePixelRatio(), ratio);
    const canvas::Color fill = canvas::RGB(220, 220, 195);
    // At start: circle 1 about (-50, 0) radius 100, circle 2 about (20, 0)
    // radius 90, n = 1.5. The outline is 2 logical pixels wide.
    const double unitsPerPx = 1 / view.ScaleX(1);
    const double margin = (1 + 1.5 / ratio) * unitsPerPx;
    const double chord = optics::spherical::xordi(-50, 20, 100, 90).x1;
    const double f = *optics::spherical::estiaki(100, 90, 1.5);
    int inside = 0;
    for (int y = 0; y < view.deviceHeightPx(); ++y)
        for (int x = 0; x < view.deviceWidthPx(); ++x) {
            const canvas::UserPoint p = view.toUser((x + 0.5) / ratio, (y + 0.5) / ratio);
            const double d1 = std::hypot(p.x + 50, p.y), d2 = std::hypot(p.x - 20, p.y);
            const bool filled = view.devicePixel(x, y) == fill;
            if (d1 < 100 - margin && d2 < 90 - margin) {
                ASSERT_TRUE(filled) << x << "," << y;
                ++inside;
            }
            const bool focalMark = std::min(std::hypot(p.x - chord + f, p.y),
                                            std::hypot(p.x - chord - f, p.y)) < 3 + margin;
            if ((d1 > 100 + margin || d2 > 90 + margin) && !focalMark) {
                ASSERT_FALSE(filled) << x << "," << y;
            }
        }
    EXPECT_GT(inside, 1000 * ratio * ratio);
}

INSTANTIATE_TEST_SUITE_P(Ratios, EveryRatioTest,
                         ::testing::ValuesIn(testing_support::kScreenRatios));

// Tab reaches the scroll bars, so the focused one shows it at any ratio: its
// outermost ring of device pixels changes, and comes back as the focus leaves.
TEST_P(EveryRatioTest, TheFocusedScrollBarIsFramed) {
    windows::Lentoi& lentoi = app->lentoi();
    moveTo(lentoi, GetParam());
    lentoi.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&lentoi));
    const QImage plain = scrollBar(lentoi, "aktina1")->grab().toImage();
    scrollBar(lentoi, "aktina1")->setFocus();
    const QImage framed = scrollBar(lentoi, "aktina1")->grab().toImage();
    const int right = framed.width() - 1, bottom = framed.height() - 1;
    int changed = 0;
    for (int x = 0; x <= right; ++x)
        for (int y = 0; y <= bottom; y += (x == 0 || x == right) ? 1 : bottom)
            changed += framed.pixel(x, y) != plain.pixel(x, y);
    EXPECT_GT(changed, 0.9 * 2 * (right + bottom));
    scrollBar(lentoi, "aktina2")->setFocus();
    EXPECT_TRUE(scrollBar(lentoi, "aktina1")->grab().toImage() == plain);
}

namespace {

// A window that counts how often it is asked to draw its picture again.
class CountingWindow : public windows::FormWindow {
  public:
    using FormWindow::FormWindow;
    int redraws = 0;

  protected:
    void redrawPicture() override { ++redraws; }
};

} // namespace

// Moving to a screen of another ratio makes the surface anew at that
// resolution and has the window draw again; moving to a screen of the same
// ratio does neither. A hidden window learns its screen when shown.
TEST_F(RatioTest, AMoveToAnotherRatioReallocatesAndRedraws) {
    CountingWindow window(*app);
    window.canvasWidget().resizeClient(300, 200);
    window.Show();
    QApplication::processEvents();
    const int shown = window.redraws;
    const canvas::Surface& surface = window.surface();
    const int width = surface.widthPx(), height = surface.heightPx();
    moveTo(window, 2);
    EXPECT_EQ(window.redraws, shown + 1);
    EXPECT_EQ(surface.devicePixelRatio(), 2);
    EXPECT_EQ(surface.widthPx(), width);
    EXPECT_EQ(surface.deviceWidthPx(), 2 * width);
    EXPECT_EQ(surface.deviceHeightPx(), 2 * height);
    moveTo(window, 2);
    EXPECT_EQ(window.redraws, shown + 1);
    moveTo(window, 1.5);
    EXPECT_EQ(window.redraws, shown + 2);
    EXPECT_EQ(surface.deviceWidthPx(), std::lround(1.5 * width));
    window.hide();
    moveTo(window, 3);
    window.Show();
    QApplication::processEvents();
    EXPECT_EQ(surface.devicePixelRatio(), 3);
    EXPECT_EQ(window.redraws, shown + 3);
    window.hide();
}
