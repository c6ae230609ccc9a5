#include "tests/support/pixels.h"
#include "tests/support/program.h"

#include "optics/lensdata/object_image.h"
#include "windows/common/picturefile.h"
#include "windows/lens_data/lensdatapanel.h"

#include <QPainter>
#include <QTest>

#include <cmath>

namespace {

using windows::LensDataPanel;

// The value the panel shows beside a label; "(none)" for a label it lacks.
QString shownValue(const LensDataPanel& panel, const QString& label) {
    for (const windows::LensDataRow& row : panel.content().rows)
        if (row.label == label)
            return row.value;
    return "(none)";
}

bool showsLine(const LensDataPanel& panel, const QString& label) {
    return shownValue(panel, label) != "(none)";
}

// The canvas as the user sees it: the picture, the marks, the controls.
QImage onScreen(windows::FormWindow& window) {
    return window.canvasWidget().grab().toImage();
}

// How many pixels of the rectangle round (x, y), in user units, differ
// between two views of a window.
int changedAround(const canvas::Surface& view, const QImage& a, const QImage& b, double x, double y,
                  int halfWidthPx, int halfHeightPx) {
    const int cx = static_cast<int>(view.toPixelX(x)), cy = static_cast<int>(view.toPixelY(y));
    int changed = 0;
    for (int py = cy - halfHeightPx; py <= cy + halfHeightPx; ++py)
        for (int px = cx - halfWidthPx; px <= cx + halfWidthPx; ++px)
            changed += a.pixel(px, py) != b.pixel(px, py);
    return changed;
}

} // namespace

// The program in a Greek locale.
class LensDataTest : public ProgramTest {
  protected:
    LensDataPanel& panelOf(windows::FormWindow& window) { return *windows::lensDataPanel(window); }
    LensDataPanel& lensData() { return panelOf(lentoi()); }

    QString minus() const { return QLocale().negativeSign(); }

  private:
    testing_support::GreekLocale greek_;
};

TEST_F(LensDataTest, F2ShowsAndHidesThePanelOnTheSphericalAndIbnSahlsWindows) {
    for (const char* name : {"lentoi", "moniaktina", "ElSahl"}) {
        windows::FormWindow& window = open(name);
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        ASSERT_FALSE(panelOf(window).isVisible());
        QTest::keyClick(&window, Qt::Key_F2);
        EXPECT_TRUE(panelOf(window).isVisible()) << window.windowTitle().toStdString();
        QTest::keyClick(&window, Qt::Key_F2);
        EXPECT_FALSE(panelOf(window).isVisible()) << window.windowTitle().toStdString();
    }
    // The lens choice has no panel: F2 there shows none of the others.
    windows::FormWindow& other = choice();
    EXPECT_EQ(windows::lensDataPanel(other), nullptr);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    QTest::keyClick(&other, Qt::Key_F2);
    EXPECT_FALSE(panelOf(lentoi()).shown() || panelOf(sahl()).shown() ||
                 panelOf(app->moniaktina()).shown());
}

// The start lens worked by hand: the glass runs on the axis from x = −70
// (circle 2, centre 20, radius 90) to 50 (circle 1, centre −50, radius
// 100), so d = 120, R1 = 90, R2 = −100, n = 1.5. Thick lensmaker:
// P = 0.5·(1/90 + 1/100 − 0.5·120/(1.5·90·100)) = 1/120; back focal length
// f·(1 − 0.5·120/(1.5·90)) = 66.67, so F′ = 116.67; thin lens
// 1/(0.5·(1/100 + 1/90)) = 94.74 from the rim at x = −1.43.
TEST_F(LensDataTest, StartBundleReadsTheThickLensAndItsFoci) {
    lensData().toggle();
    const struct {
        const char* label;
        QString value;
    } rows[] = {
        {"Πάχος  Thickness", "120,00"},
        {"Εστιακή απόσταση  Focal length f", "120,00"},
        {"Πίσω εστιακή απόσταση  Back focal length", "66,67"},
        {"Εμπρός εστιακή απόσταση  Front focal length", "72,00"},
        {"Κύριο επίπεδο H  Principal plane H", minus() + "22,00"},
        {"Λεπτός φακός f  Thin-lens f", "94,74"},
        {"Παράλληλη δέσμη  Parallel beam", "0,00°"},
        {"Ακτίνες  Rays", "7"}, // y = 0, ±20, ±40, ±60; higher rays are reflected inside
        {"Παραξονική εστία  Paraxial focus", "116,67"},
        {"Ιδανικό είδωλο  Ideal image", "(93,31; 0,00)"},
        {"Μήκος κύματος  Wavelength λ", "25,00"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(shownValue(lensData(), row.label).toStdString(), row.value.toStdString())
            << row.label;
    EXPECT_EQ(lensData().accessibleName().toStdString(), "ΔΕΔΟΜΕΝΑ ΦΑΚΟΥ  LENS DATA");
    // The outer rays cross the axis first.
    EXPECT_TRUE(
        shownValue(lensData(), "Σφαιρική εκτροπή  Spherical aberration").startsWith(minus()));
}

// The panel follows every redraw: the lens, the light, no lens at all.
TEST_F(LensDataTest, PanelFollowsEachRedraw) {
    lensData().toggle();
    const QString thickness = "Πάχος  Thickness";
    struct Row {
        const char* name;
        std::function<void()> change;
        QString label, value;
    };
    using optics::lensdata::kImageColor;
    const auto colorAt = [this](double x, double y) {
        return testing_support::colorAt(lentoi().surface(), x, y);
    };
    const auto drag = [this](int shift, double x0, double y0, double x, double y) {
        lentoi().Form_MouseDown(1, shift, x0, y0);
        lentoi().Form_MouseMove(1, shift, x, y);
        lentoi().Form_MouseUp(1, shift, x, y);
        lentoi().Form_Click();
    };
    const Row rows[] = {
        // An object at −300, H at −22, f = 120: 1/s′ = 1/120 − 1/278, the
        // image solid at H′ + s′ = −3.33 + 211.14; dragged inside F to −100:
        // s′ = −222.86, dashed; its rays meet at the last light's spot. The
        // click after a Ctrl+Shift drag of a blade clears it with the fans.
        {"an object",
         [&] {
             drag(3, -300, 40, -300, 40);
             EXPECT_EQ(colorAt(207.81, -15), kImageColor);
         },
         "Μεγέθυνση m  Magnification m", minus() + "0,76"},
        {"its image", [] {}, "Είδωλο  Image", "πραγματικό real (207,81; " + minus() + "30,38)"},
        {"its tip dragged inside F",
         [&] {
             drag(0, -299, 41, -100, 30);
             int dashes = 0;
             for (double y = 5; y < 80; y += 0.5)
                 dashes += colorAt(-226.19, y) == kImageColor;
             EXPECT_TRUE(dashes > 40 && dashes < 130) << dashes;
             EXPECT_NE(colorAt(-300, 25), optics::lensdata::kObjectColor);
             EXPECT_EQ(shownValue(lensData(), "Οι ακτίνες συναντώνται  The rays meet"),
                       shownValue(lensData(), "Ελάχιστη κηλίδα  Smallest spot"));
         },
         "Απόσταση ειδώλου s′  Image distance s′", minus() + "222,86"},
        {"Ctrl+Shift on a blade", [&] { drag(3, 2, 150, 2, 150); }, "Αντικείμενο  Object",
         "(none)"},
        // Circle 1 reaches x = −50 + 150: the glass runs from −70 to 100.
        {"a radius", [this] { scrollBar(lentoi(), "aktina1")->setValue(150); }, thickness,
         "170,00"},
        {"the lens alone", [] {}, "Δεν στάλθηκε φως  No light sent through", ""},
        {"a blade, which draws the bundle",
         [this] { scrollBar(lentoi(), "HScroll1")->setValue(5); }, "Παράλληλη δέσμη  Parallel beam",
         "0,00°"},
        // Ten steps of the index to 1.6, which draw nothing: the thin lens
        // 1/(0.6·(1/150 + 1/90)) = 93.75; the thick one, d = 170, R1 = 90,
        // R2 = −150: 1/(0.6·(1/90 + 1/150 − 0.6·170/(1.6·90·150))) = 127.66.
        {"ten steps of the index",
         [this] {
             for (int i = 0; i < 10; ++i)
                 scrollBar(lentoi(), "deiktisdiathlasis")
                     ->triggerAction(QAbstractSlider::SliderSingleStepAdd);
         },
         "Λεπτός φακός f  Thin-lens f", "93,75"},
        {"the thick lens at once", [] {}, "Εστιακή απόσταση  Focal length f", "127,66"},
        {"the light of the lens before", [] {},
         "Φως πριν αλλάξει ο φακός  Light sent before the lens changed", ""},
        {"an index of 1",
         [this] {
             scrollBar(lentoi(), "deiktisdiathlasis")->setValue(100);
             lentoi().Form_Click();
         },
         "Χωρίς ισχύ, χωρίς εστίες  No power, no foci", ""},
        {"circles apart", [this] { scrollBar(lentoi(), "kentrokykloy")->setValue(400); },
         "Δεν υπάρχει φακός  No lens", ""},
        // Circles at ±20, radii 100, n = 0.40: h = ±40 meet the face at the critical angle.
        {"light that stays in the glass",
         [this] {
             for (auto [bar, value] : {std::pair{scrollBar(lentoi(), "kentrokykloy"), 20},
                                       {scrollBar(lentoi(), "kentrokykloy2"), -20},
                                       {scrollBar(lentoi(), "aktina1"), 100},
                                       {scrollBar(lentoi(), "aktina2"), 100},
                                       {scrollBar(lentoi(), "deiktisdiathlasis"), 40},
                                       {scrollBar(lentoi(), "desmi1"), 20},
                                       {scrollBar(lentoi(), "HScroll1"), 6}})
                 bar->setValue(value);
         },
         "Ακτίνες  Rays", "3"},
    };
    for (const Row& row : rows) {
        row.change();
        EXPECT_EQ(shownValue(lensData(), row.label).toStdString(), row.value.toStdString())
            << row.name;
    }
}

// The marks are painted over the picture where the foci are, only while the
// panel shows, and the persistent picture is the same either way.
TEST_F(LensDataTest, MarksShowTheFociOverAnUnchangedPicture) {
    windows::Lentoi& window = lentoi();
    const canvas::Surface& view = window.surface();
    QCoreApplication::processEvents();
    window.drawPicture(window.picture());
    const std::vector<std::uint32_t> picture = testing_support::pixelsOf(view);
    const QImage hidden = onScreen(window);
    lensData().toggle();
    const QImage shown = onScreen(window);
    // F at −70 − 72, F′ at 50 + 66.67; nothing is marked halfway between
    // F and the lens, off the axis.
    EXPECT_GT(changedAround(view, hidden, shown, -142, 0, 2, 5), 4);
    EXPECT_GT(changedAround(view, hidden, shown, 116.67, 0, 2, 5), 4);
    EXPECT_EQ(changedAround(view, hidden, shown, -100, 60, 10, 10), 0);
    EXPECT_TRUE(testing_support::pixelsOf(view) == picture);
    // The same picture drawn again with the panel shown.
    window.drawPicture(window.picture());
    EXPECT_TRUE(testing_support::pixelsOf(view) == picture);
    // Hidden again, the panel takes its marks with it.
    lensData().toggle();
    EXPECT_EQ(changedAround(view, hidden, onScreen(window), 116.67, 0, 2, 5), 0);
}

// On the screen the frame and labels come from an image painted once, the
// numbers are painted anew: what shows is the panel painted whole, after
// new numbers (another index) and after new labels (a fan, then no lens).
TEST_F(LensDataTest, ScreenShowsThePanelAsPainted) {
    windows::Lentoi& window = lentoi();
    lensData().toggle();
    const auto painted = [this] {
        QImage image(lensData().size(), QImage::Format_RGB32);
        windows::takeScreenDpi(image, lensData());
        QPainter painter(&image);
        lensData().paint(painter);
        return image;
    };
    const std::function<void()> changes[] = {
        [] {},
        [&] {
            scrollBar(window, "deiktisdiathlasis")->setValue(160);
            scrollBar(window, "HScroll1")->setValue(3);
        },
        [&] {
            window.Form_MouseDown(canvas::LeftButton, canvas::ShiftKey, -250, 30);
            window.Form_MouseUp(canvas::LeftButton, canvas::ShiftKey, -250, 30);
        },
        [&] { scrollBar(window, "kentrokykloy")->setValue(400); }};
    QImage before;
    for (std::size_t i = 0; i < std::size(changes); ++i) {
        changes[i]();
        const QImage shown = lensData().grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_TRUE(shown == painted()) << i;
        EXPECT_FALSE(shown == before) << i;
        before = shown;
    }
}

// The panel keeps its clicks: a Shift-click on it draws no fan, moves no
// source, while the same click beside it does.
TEST_F(LensDataTest, ClickOnThePanelReachesNoWindowHandler) {
    windows::Lentoi& window = lentoi();
    lensData().toggle();
    QCoreApplication::processEvents();
    const std::vector<std::uint32_t> before = testing_support::pixelsOf(window.surface());
    const windows::WorkbenchPicture shown = window.picture();
    const QPoint middle = lensData().geometry().center();
    for (Qt::KeyboardModifiers keys :
         {Qt::KeyboardModifiers{}, Qt::KeyboardModifiers{Qt::ShiftModifier}})
        testing_support::click(window, middle, keys);
    EXPECT_TRUE(testing_support::pixelsOf(window.surface()) == before);
    EXPECT_EQ(window.picture(), shown);
    EXPECT_EQ(window.sourceMark().Left, -200);
    lensData().toggle();
    testing_support::click(window, middle, Qt::ShiftModifier);
    EXPECT_EQ(window.picture().fans.size(), 1u);
}

// Ibn Sahl's lesson: from F2 = (8a + c, 0) the biconvex lens brings every
// ray to F1 = (−c, 0), c = 12·1.5 = 18, with no blur and a perfect front.
TEST_F(LensDataTest, BiconvexLensFromF2ReadsZeroSpotAndError) {
    open("ElSahl");
    LensDataPanel& panel = panelOf(sahl());
    panel.toggle();
    sahl().Form_MouseDown(canvas::LeftButton, 0, 8 * 12 + 18, 0);
    const struct {
        const char* label;
        QString value;
    } rows[] = {
        {"Σημειακή πηγή  Point source", "(114,00; 0,00)"},
        {"Ελάχιστη κηλίδα  Smallest spot", "(" + minus() + "18,00; 0,00)"},
        {"Διάμετρος κηλίδας  Spot diameter", "0,00"},
        {"Μήκος κύματος  Wavelength λ", "15,00"},
        {"Σφάλμα μετώπου P-V  Wave-front error P-V", "0,00 λ"},
        {"Σφάλμα μετώπου RMS  Wave-front error RMS", "0,00 λ"},
        {"Κριτήριο Rayleigh  Rayleigh's criterion", "εντός λ/4 within λ/4"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(shownValue(panel, row.label).toStdString(), row.value.toStdString()) << row.label;
    // Another index on the lens choice: the light went through the lens before.
    const QString before = "Φως πριν αλλάξει ο φακός  Light sent before the lens changed";
    EXPECT_FALSE(showsLine(panel, before));
    scrollBar(choice(), "deiktissahl")->setValue(160);
    EXPECT_TRUE(showsLine(panel, before));
    // Back to the lens choice: no lens is drawn, and the panel says so.
    menuItem(sahl(), "BACKFAKO")->trigger();
    EXPECT_TRUE(showsLine(panel, "Δεν υπάρχει φακός  No lens"));
}

// A source between x = 0 and the rim line: lens xa = −300, r1 = 100, xb = 0,
// r2 = 250, n = 2.5 has its rim at x = −237.5 and f = 1/(1.5·(1/100 +
// 1/250)) = 47.62. From (−50, 30), u = 187.5 to the right of the lens, the
// real image lies left of it: v = f·u/(u − f) = 63.83, at (−301.33, −10.21).
// The sign of the source's x alone would put it at x = −173.67.
TEST_F(LensDataTest, IdealImageLiesAcrossTheLensFromTheSource) {
    windows::Lentoi& window = lentoi();
    scrollBar(window, "deiktisdiathlasis")->setValue(250);
    scrollBar(window, "kentrokykloy2")->setValue(-300);
    scrollBar(window, "kentrokykloy")->setValue(0);
    scrollBar(window, "aktina2")->setValue(250);
    canvas::Surface& view = window.surface();
    view.Cls();
    window.aktinaideal(-50, 30, -300, 0, 100, 250);
    const auto blackAround = [&](double x, double y) {
        const int px = static_cast<int>(view.toPixelX(x)), py = static_cast<int>(view.toPixelY(y));
        return testing_support::countColor(view, canvas::colors::black, px - 4, py - 4, px + 5,
                                           py + 5);
    };
    EXPECT_GT(blackAround(-301.33, -10.21), 4);
    EXPECT_EQ(blackAround(-173.67, -10.21), 0);
    // The panel names the same image for the fan from there.
    lensData().toggle();
    window.Form_MouseDown(canvas::LeftButton, canvas::ShiftKey, -50, 30);
    window.Form_MouseUp(canvas::LeftButton, canvas::ShiftKey, -50, 30);
    EXPECT_EQ(shownValue(lensData(), "Ιδανικό είδωλο  Ideal image").toStdString(),
              ("(" + minus() + "301,33; " + minus() + "10,21)").toStdString());
}
