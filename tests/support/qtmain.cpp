#include "shell/fonts.h"
#include "shell/offscreen.h"
#include "tests/support/screens.h"

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

// Window tests run real widgets on the offscreen platform, on its primary
// screen of ratio 1 unless a test moves a window to another, in the C locale
// unless a test sets another.
int main(int argc, char** argv) {
    const testing_support::OffscreenScreens screens;
    shell::quietOffscreenNotices();
    QLocale::setDefault(QLocale::c());
    QApplication app(argc, argv);
    QApplication::setApplicationName("fakoi");
    shell::installFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
