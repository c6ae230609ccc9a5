#include "tests/windows/workbench_fixture.h"

#include "optics/spherical/geometry.h"

#include <QAction>
#include <QMenuBar>

#include <cmath>

using testing_support::colorAt;
using testing_support::countColor;

namespace {

const canvas::Color kLensBody = canvas::RGB(220, 220, 195);
const canvas::Color kFocalMark = canvas::RGB(55, 0, 0);
const canvas::Color kCentreMark = canvas::RGB(5, 0, 0);

// The start lens: radius1 100 about (-50, 0), radius2 90 about (20, 0), n 1.5.
// Rim line: a = ((100^2 - 90^2) / 70 + 70) / 2 = 48.571, x = -1.429.
// Focal length 1 / (0.5 (1/100 + 1/90)) = 94.737.
constexpr double kRimX = -1.428571;
constexpr double kFocal = 94.736842;

// Inside the lens, with a margin of about a pixel for where the outline's
// pixels fall.
bool insideLens(double x, double y) {
    constexpr double margin = 1.0;
    return std::hypot(x + 50, y) < 100 + margin && std::hypot(x - 20, y) < 90 + margin;
}

} // namespace

TEST_F(WorkbenchTest, StartTextsUseTheirExactCaptions) {
    struct Row {
        const char* name;
        QString actual;
        QString expected;
    };
    const Row rows[] = {
        {"Text1", textBox(*lentoi, "Text1")->text(), "Number of Rays Αριθμός ακτινών= 76.00"},
        {"Text2", textBox(*lentoi, "Text2")->text(), "Index of Refraction Δείκτης Διάθλασης= 1.50"},
        {"Text3", textBox(*lentoi, "Text3")->text(), "Text3"},
        {"Text4", textBox(*lentoi, "Text4")->text(), "Text4"},
        {"Text5", textBox(*lentoi, "Text5")->text(), "Ακτίνα2=90"},
        {"Text6", textBox(*lentoi, "Text6")->text(), "Ακτίνα1=100"},
        {"Text7", textBox(*lentoi, "Text7")->text(), "Κέντρο δεξί κύκλου=20"},
        {"Label3", formLabel(*lentoi, "Label3")->text(), "Πολλαπλασιαστής ακτίνων30"},
        {"caption", lentoi->windowTitle(), "SPHERICAL  LENSES"},
        {"Check1", checkBox(*lentoi, "Check1")->text(), "SHOW WAVES AND RAYS"},
        {"Check2", checkBox(*lentoi, "Check2")->text(), "SHOW ONLY WAVES"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.actual.toStdString(), row.expected.toStdString()) << row.name;
}

TEST_F(WorkbenchTest, NumbersFollowTheUsersLocale) {
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
    scrollBar(*lentoi, "deiktisdiathlasis")->setValue(133);
    scrollBar(*lentoi, "desmi1")->setValue(150);
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(textBox(*lentoi, "Text2")->text().toStdString(),
              "Index of Refraction Δείκτης Διάθλασης= 1,33");
    // Int(360 / (pi * 30 / 150)) = Int(572.96) = 572.
    EXPECT_EQ(textBox(*lentoi, "Text1")->text().toStdString(),
              "Number of Rays Αριθμός ακτινών= 572,00");
}

TEST_F(WorkbenchTest, MenuBarHoldsSixItemsInOrder) {
    QStringList captions;
    for (QAction* action : lentoi->menuBar()->actions())
        captions << action->text();
    EXPECT_EQ(captions, QStringList({"AKTINA RAY", "// BUNDLE  DESMH", "IBN SAHL",
                                     "// WAVES  KYMATA", "WAVES IN  TIME  XPONIKA", "END"}));
    EXPECT_FALSE(menuItem(*lentoi, "parallilakymata")->isEnabled());
    EXPECT_FALSE(menuItem(*lentoi, "kymatachronika")->isEnabled());
}

TEST_F(WorkbenchTest, EndMenuEndsTheProgram) {
    menuItem(*lentoi, "TELIOMA")->trigger();
    EXPECT_TRUE(ended);
}

TEST_F(WorkbenchTest, StartLensValuesComeFromTheScrollBars) {
    EXPECT_EQ(lens().radius1, 100);
    EXPECT_EQ(lens().radius2, 90);
    EXPECT_EQ(lens().xa, -50);
    EXPECT_EQ(lens().xb, 20);
    EXPECT_DOUBLE_EQ(lens().deiktis, 1.5);
    EXPECT_NEAR(lens().anglestep, std::acos(-1.0) * 30 / 20, 1e-12);
    EXPECT_EQ(source().pigiX, -200);
    EXPECT_EQ(source().pigiY, 0);
}

TEST_F(WorkbenchTest, ScaleIsCentredWithTwelveHundredUnitsAcrossAndDown) {
    const canvas::Surface& view = surface();
    EXPECT_NEAR(view.ScaleWidth() - view.ScaleHeight(), 1200, 1e-9);
    EXPECT_NEAR(view.ScaleLeft(), -view.ScaleWidth() / 2, 1e-9);
    EXPECT_NEAR(view.ScaleTop(), -view.ScaleHeight() / 2, 1e-9);
    EXPECT_LT(view.ScaleHeight(), 0);
    // Equal unit lengths on both axes.
    EXPECT_NEAR(view.ScaleX(1), view.ScaleY(1), 0.02);
}

TEST_F(WorkbenchTest, LensBodyIsFilledAndTheFillStaysInside) {
    const canvas::Surface& view = surface();
    // Points well inside the lens and off the rays' rows.
    for (const auto& [x, y] : {std::pair{-30.0, 10.0}, {10.0, -30.0}, {-50.0, 50.0}})
        EXPECT_EQ(colorAt(view, x, y), kLensBody) << x << "," << y;
    int leaked = 0;
    for (int py = 0; py < view.heightPx(); ++py)
        for (int px = 0; px < view.widthPx(); ++px) {
            const canvas::UserPoint p = view.toUser(px + 0.5, py + 0.5);
            // The focal marks are filled with the same fill colour.
            const bool inMark = std::hypot(p.x - (kRimX - kFocal), p.y) < 4 ||
                                std::hypot(p.x - (kRimX + kFocal), p.y) < 4;
            if (view.pixel(px, py) == kLensBody && !insideLens(p.x, p.y) && !inMark)
                ++leaked;
        }
    EXPECT_EQ(leaked, 0);
}

TEST_F(WorkbenchTest, FocalMarksSitAFocalLengthEitherSideOfTheRim) {
    const canvas::Surface& view = surface();
    const auto markPixels = [&](double x) {
        const int px = static_cast<int>(view.toPixelX(x));
        const int py = static_cast<int>(view.toPixelY(0));
        return countColor(view, kFocalMark, px - 8, py - 8, px + 8, py + 8);
    };
    // A ring of radius 3 units (about 5 pixels) around each focal point,
    // filled with the window's fill colour.
    for (double x : {kRimX - kFocal, kRimX + kFocal}) {
        EXPECT_GT(markPixels(x), 15) << x;
        EXPECT_EQ(colorAt(view, x, 1.5), kLensBody) << x;
    }
    // Nothing of the mark's colour where a wrong formula would have put it.
    EXPECT_EQ(markPixels(kRimX - 2 * kFocal), 0);
}

TEST_F(WorkbenchTest, CentreMarkOutsideTheLensBodyStaysVisible) {
    // radius1 50 about (-50, 0) leaves the centre (20, 0) of circle 2 outside
    // the lens, where the fill does not reach.
    scrollBar(*lentoi, "aktina1")->setValue(50);
    const canvas::Surface& view = surface();
    const int px = static_cast<int>(view.toPixelX(20));
    const int py = static_cast<int>(view.toPixelY(0));
    EXPECT_GT(countColor(view, kCentreMark, px - 8, py - 8, px + 8, py + 8), 4);
}

TEST_F(WorkbenchTest, StartBundleDrawsTwentyOneRaysFromTheLeft) {
    const canvas::Surface& view = surface();
    // Every ray starts at x = -200, one every 20 units from y = 200 to -200:
    // just right of the start each row holds a ray pixel, between them none.
    int rows = 0;
    for (int k = 200; k >= -200; k -= 20)
        rows += colorAt(view, -195, k) != view.BackColor;
    EXPECT_EQ(rows, 21);
    EXPECT_EQ(colorAt(view, -195, 10), view.BackColor);
}

TEST_F(WorkbenchTest, SourcesWithoutAFiniteImageGetNoCross) {
    const optics::spherical::LensCrossing rim = optics::spherical::xordi(-50, 20, 100, 90);
    const double f = *optics::spherical::estiaki(100, 90, 1.5);
    const std::vector<std::uint32_t> before(
        surface().pixels(), surface().pixels() + surface().widthPx() * surface().heightPx());
    struct Row {
        const char* name;
        double x00;
    };
    const Row rows[] = {{"on the rim line", rim.x1},
                        {"at the focal distance, left", rim.x1 - f},
                        {"at the focal distance, right", rim.x1 + f},
                        {"x = 0", 0}};
    for (const Row& row : rows) {
        lentoi->aktinaideal(row.x00, 30, -50, 20, 100, 90);
        EXPECT_TRUE(std::equal(before.begin(), before.end(), surface().pixels())) << row.name;
    }
    // A source two focal lengths away is imaged as far on the other side.
    lentoi->aktinaideal(rim.x1 - 2 * f, 30, -50, 20, 100, 90);
    EXPECT_EQ(colorAt(surface(), rim.x1 + 2 * f + 8, -30), canvas::colors::black);
}

// A lens whose middle on the axis lies off the window is filled from a
// visible point inside it; a lens wholly off the window fills nothing.
TEST_F(WorkbenchTest, LensPartlyOnTheWindowIsFilledFromAVisiblePointInside) {
    struct Row {
        const char* name;
        int xa, radius1, xb, radius2;
        bool visible;
    };
    // At 1280 x 800 the window shows x from about -374 to 374.
    const Row rows[] = {
        {"overlap -500..-350, middle -425 off the window", -500, 150, 0, 500, true},
        {"overlap -500..-450, wholly off the window", -500, 50, 0, 500, false},
        {"overlap 300..400, middle 350 on it", 0, 400, 500, 200, true},
    };
    const canvas::Surface& view = surface();
    for (const Row& row : rows) {
        scrollBar(*lentoi, "kentrokykloy2")->setValue(row.xa);
        scrollBar(*lentoi, "aktina1")->setValue(row.radius1);
        scrollBar(*lentoi, "kentrokykloy")->setValue(row.xb);
        scrollBar(*lentoi, "aktina2")->setValue(row.radius2);
        int inside = 0, filled = 0, leaked = 0;
        const double margin = 3 / view.ScaleX(1); // clear of the outline
        for (int py = 0; py < view.heightPx(); ++py)
            for (int px = 0; px < view.widthPx(); ++px) {
                const canvas::UserPoint p = view.toUser(px + 0.5, py + 0.5);
                const double d1 = std::hypot(p.x - row.xa, p.y);
                const double d2 = std::hypot(p.x - row.xb, p.y);
                const bool fill = view.pixel(px, py) == kLensBody;
                if (d1 < row.radius1 - margin && d2 < row.radius2 - margin) {
                    ++inside;
                    filled += fill;
                } else if (fill && (d1 > row.radius1 + margin || d2 > row.radius2 + margin) &&
                           std::abs(p.y) > 4) {
                    ++leaked; // off the axis, where the focal marks are filled too
                }
            }
        EXPECT_EQ(inside > 0, row.visible) << row.name;
        EXPECT_GE(filled * 100, inside * 95) << row.name;
        EXPECT_EQ(leaked, 0) << row.name;
    }
}
