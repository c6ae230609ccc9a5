#include "shell/fonts.h"
#include "shell/offscreen.h"
#include "tests/support/screens.h"

#include <QApplication>
#include <QLocale>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

// FAKOI_TEST_SCREEN=WxH gives the screen another size.
QSize testScreen() {
    static const QRegularExpression pattern("^(\\d{3,4})x(\\d{3,4})$");
    const QRegularExpressionMatch match = pattern.match(qEnvironmentVariable("FAKOI_TEST_SCREEN"));
    if (!match.hasMatch())
        return {1280, 800};
    return {match.captured(1).toInt(), match.captured(2).toInt()};
}

} // namespace

// Window tests run real widgets on the offscreen platform, on a primary
// screen of 1280 x 800 pixels at ratio 1 without window frames (unless a test
// moves a window to a screen of another ratio), in the C locale unless a test
// sets another. FAKOI_TEST_FRAMES=thin gives every window a frame.
int main(int argc, char** argv) {
    const QSize size = testScreen();
    const bool framed = qEnvironmentVariable("FAKOI_TEST_FRAMES") == "thin";
    const shell::OffscreenScreen screen(
        size.width(), size.height(), framed ? shell::WindowFrames::Thin : shell::WindowFrames::None,
        std::span(testing_support::kScreenRatios).subspan(1));
    shell::quietOffscreenNotices();
    QLocale::setDefault(QLocale::c());
    QApplication app(argc, argv);
    QApplication::setApplicationName("fakoi");
    shell::installFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
