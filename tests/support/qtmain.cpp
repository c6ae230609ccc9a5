#include "shell/fonts.h"
#include "shell/offscreen.h"

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

// Window tests run real widgets on the offscreen platform, on a screen of
// 1280 x 800 pixels without window frames, in the C locale unless a test sets
// another.
int main(int argc, char** argv) {
    const shell::OffscreenScreen screen(1280, 800, shell::WindowFrames::None);
    shell::quietOffscreenNotices();
    QLocale::setDefault(QLocale::c());
    QApplication app(argc, argv);
    QApplication::setApplicationName("fakoi");
    shell::installFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
