#include "tests/support/program.h"

#include "optics/hyperbolic/hyperbola.h"
#include "windows/common/numbers.h"
#include "windows/lens_data/lensdatapanel.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

#include <functional>
#include <utility>

namespace {

using windows::WaveFieldMode;

windows::WaveFieldLayer* fieldOf(QWidget& window) {
    return window.findChild<windows::WaveFieldLayer*>();
}

} // namespace

class WaveFieldTest : public ProgramTest {
  protected:
    // At a ratio above the screen's, as for a printer's page.
    static QImage pictureWith(windows::FormWindow& window, WaveFieldMode mode, double ratio = 1) {
        fieldOf(window)->setMode(mode);
        fieldOf(window)->waitForField();
        return ratio == 1 ? window.drawingImage()
                          : window.pictureForPage(window.canvasWidget().size() * ratio);
    }
};

// Only the background and the glass's fill take the field's colours; every
// other pixel of the picture is the same with the field as without it, at
// one image pixel a logical pixel, two and one and a half.
TEST_F(WaveFieldTest, TheFieldTakesOnlyThePixelsBehindThePicture) {
    for (const char* name : {"lentoi", "ElSahl"}) {
        windows::FormWindow& window = open(name);
        for (const auto& row : {std::pair{WaveFieldMode::Intensity, 1.0},
                                {WaveFieldMode::Wave, 1.0},
                                {WaveFieldMode::Wave, 2.0},
                                {WaveFieldMode::Intensity, 1.5}}) {
            const WaveFieldMode mode = row.first;
            const double ratio = row.second;
            const QImage plain = pictureWith(window, WaveFieldMode::Off, ratio);
            const QImage shown = pictureWith(window, mode, ratio);
            ASSERT_NE(fieldOf(window)->shownField(), nullptr) << name;
            ASSERT_EQ(plain.size(), shown.size());
            const QRgb behind[] = {canvas::toPixel(window.surface().BackColor),
                                   canvas::toPixel(windows::kLensFill)};
            // The legend's corner, top right, is left out.
            const int legendLeft = plain.width() - static_cast<int>(400 * ratio),
                      legendBottom = static_cast<int>(100 * ratio);
            long marks = 0, marksChanged = 0, background = 0, coloured = 0, offScale = 0;
            // A pixel behind takes its cell's place on the scale, worked out
            // in double precision, within one of the scale's 256 colours.
            const windows::ComputedField& field = *fieldOf(window)->shownField();
            const auto scale =
                mode == WaveFieldMode::Wave ? windows::waveColour : windows::intensityColour;
            const std::complex<double> turn = std::polar(
                1 / double(field.peak), -2 * std::numbers::pi * fieldOf(window)->phase());
            const auto onScale = [&](int x, int y, QRgb pixel) {
                const std::complex<double> v = field.values[static_cast<std::size_t>(
                    y * field.grid.rows / plain.height() * field.grid.columns +
                    x * field.grid.columns / plain.width())];
                const double t = mode == WaveFieldMode::Wave ? 0.5 + 0.5 * (v * turn).real()
                                                             : std::abs(v * turn);
                const double level = std::round(std::clamp(std::isnan(t) ? 0 : t, 0.0, 1.0) * 255);
                for (const double near : {level - 1, level, level + 1})
                    if (pixel == canvas::toPixel(scale(std::clamp(near, 0.0, 255.0) / 255)))
                        return true;
                return false;
            };
            for (int y = 0; y < plain.height(); ++y)
                for (int x = 0; x < plain.width(); ++x) {
                    if (x > legendLeft && y < legendBottom)
                        continue;
                    const QRgb was = plain.pixel(x, y), is = shown.pixel(x, y);
                    const bool isBehind = was == behind[0] || was == behind[1];
                    (isBehind ? background : marks) += 1;
                    (isBehind ? coloured : marksChanged) += was != is;
                    offScale += isBehind && !onScale(x, y, is);
                }
            EXPECT_EQ(marksChanged, 0) << name << " at " << ratio << " of " << marks;
            EXPECT_EQ(offScale, 0) << name << " at " << ratio;
            EXPECT_GT(coloured, background * 9 / 10) << name << " at " << ratio;
        }
    }
}

// F3 cycles no field, intensity, wave, no field on the lens windows; the
// other windows have no field and F3 there changes nothing.
TEST_F(WaveFieldTest, F3CyclesTheFieldOnTheLensWindowsOnly) {
    const WaveFieldMode cycle[] = {WaveFieldMode::Intensity, WaveFieldMode::Wave,
                                   WaveFieldMode::Off, WaveFieldMode::Intensity};
    for (const char* name : {"lentoi", "ElSahl"}) {
        windows::FormWindow& window = open(name);
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        for (const WaveFieldMode expected : cycle) {
            QTest::keyClick(&window, Qt::Key_F3);
            EXPECT_EQ(fieldOf(window)->mode(), expected) << name;
        }
    }
    windows::FormWindow& single = app->moniaktina();
    EXPECT_EQ(fieldOf(single), nullptr);
    single.show();
    single.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&single));
    QTest::keyClick(&single, Qt::Key_F3);
    EXPECT_EQ(fieldOf(lentoi())->mode(), WaveFieldMode::Intensity);
    EXPECT_EQ(fieldOf(sahl())->mode(), WaveFieldMode::Intensity);
}

// A field computed for a picture that has changed since is never shown: the
// newer request's field comes instead, and it differs.
TEST_F(WaveFieldTest, AFieldComputedForAnOlderPictureIsNeverShown) {
    windows::WaveFieldLayer& field = *fieldOf(lentoi());
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"a fan",
         [this] {
             lentoi().Form_MouseDown(canvas::LeftButton, canvas::ShiftKey, -250, 60);
             lentoi().Form_MouseUp(canvas::LeftButton, canvas::ShiftKey, -250, 60);
         }},
        {"a shorter wavelength", [&field] { field.halveWavelength(); }},
    };
    for (const auto& [name, change] : changes) {
        field.setMode(WaveFieldMode::Intensity);
        field.waitForField();
        ASSERT_NE(field.shownField(), nullptr) << name;
        const windows::ComputedField old = *field.shownField();
        change();
        field.deliver(old);
        EXPECT_EQ(field.shownField(), nullptr) << name;
        field.waitForField();
        ASSERT_NE(field.shownField(), nullptr) << name;
        EXPECT_GT(field.shownField()->generation, old.generation) << name;
        EXPECT_NE(field.shownField()->values, old.values) << name;
    }
}

// From F2 through Ibn Sahl's biconvex lens the light meets at F1 as a
// perfect focus: the lens data shows the field's Strehl ratio as 1.
TEST_F(WaveFieldTest, TheLensDataReadsThePerfectFocusFromTheField) {
    choice().Command1_Click();
    const double a = optics::hyperbolic::kSemiTransverse;
    const double c = std::hypot(a, *optics::hyperbolic::semiConjugateAxis(1.5));
    sahl().showPointSource(true, 8 * a + c, 0);
    windows::lensDataPanel(sahl())->setShown(true);
    fieldOf(sahl())->setMode(WaveFieldMode::Intensity);
    fieldOf(sahl())->waitForField();
    const auto& rows = windows::lensDataPanel(sahl())->content().rows;
    const auto strehl = std::find_if(rows.begin(), rows.end(), [](const auto& row) {
        return row.label == "Λόγος Strehl  Strehl ratio";
    });
    ASSERT_NE(strehl, rows.end());
    EXPECT_EQ(strehl->value, windows::formatTwoDecimals(1.0));
    // Its plot: brightest at the middle, darkest about the zeros it marks,
    // which lie the row's width of the focus apart, evenly about the peak.
    // The light that passed beside the lens lies over the focus, so its
    // zeros are not quite dark.
    const auto& plot = windows::lensDataPanel(sahl())->content().plot;
    ASSERT_TRUE(plot && plot->marks.size() == 2);
    const auto at = [&](double offset) {
        return plot
            ->values[static_cast<std::size_t>(std::lround((offset - plot->from) / plot->step))];
    };
    const double peak = *std::max_element(plot->values.begin(), plot->values.end());
    EXPECT_EQ(at(0), peak);
    EXPECT_EQ((strehl + 1)->value, windows::formatTwoDecimals(plot->marks[1] - plot->marks[0]));
    EXPECT_NEAR(plot->marks[0] + plot->marks[1], 0, plot->step);
    for (const double zero : plot->marks) {
        EXPECT_LT(at(zero), 0.02 * peak);
        EXPECT_LE(at(zero), std::min(at(zero - plot->step), at(zero + plot->step)));
    }
}

// [ halves the field's wavelength, and the lens data measures the
// wave-front error in it; ] brings it back, never past the dots' spacing.
TEST_F(WaveFieldTest, TheLensDataMeasuresInTheFieldsWavelength) {
    windows::lensDataPanel(lentoi())->setShown(true);
    windows::WaveFieldLayer& field = *fieldOf(lentoi());
    const auto value = [this](const QString& label) {
        for (const auto& row : windows::lensDataPanel(lentoi())->content().rows)
            if (row.label == label)
                return row.value;
        return QString("no row");
    };
    const std::pair<void (windows::WaveFieldLayer::*)(), double> keys[] = {
        {&windows::WaveFieldLayer::halveWavelength, 12.5},
        {&windows::WaveFieldLayer::halveWavelength, 6.25},
        {&windows::WaveFieldLayer::doubleWavelength, 12.5},
        {&windows::WaveFieldLayer::doubleWavelength, 25},
        {&windows::WaveFieldLayer::doubleWavelength, 25},
    };
    for (const auto& [key, wavelength] : keys) {
        (field.*key)();
        EXPECT_EQ(value("Μήκος κύματος  Wavelength λ"), windows::formatTwoDecimals(wavelength));
    }
}
