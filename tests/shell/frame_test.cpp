// Run once for each screen size, with window frames (FAKOI_TEST_SCREEN,
// FAKOI_TEST_FRAMES=thin): every window fits the screen, frame included, and
// a window of a new size shows its picture for that size.

#include "shell/desktop.h"
#include "tests/support/program.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using Pixels = std::vector<std::uint32_t>;

void settle() {
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

QRect availableArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// The scale of a full-screen spherical window for the client it really has:
// centred, equal units across and down, 1200 of them in all.
void expectCentredScale(windows::FormWindow& window, const char* name) {
    const canvas::Surface& view = window.surface();
    const QSize client = window.canvasWidget().size();
    EXPECT_EQ(view.widthPx(), client.width()) << name;
    EXPECT_EQ(view.heightPx(), client.height()) << name;
    EXPECT_NEAR(view.ScaleWidth() - view.ScaleHeight(), 1200, 1e-9) << name;
    EXPECT_NEAR(view.ScaleWidth() / -view.ScaleHeight(), double(client.width()) / client.height(),
                1e-9)
        << name;
    EXPECT_NEAR(view.ScaleLeft() + view.ScaleWidth() / 2, 0, 1e-9) << name;
}

} // namespace

class FrameTest : public testing_support::ProgramFixture<> {
  protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        settle();
    }
    windows::ScreenInfo screen() const override { return shell::primaryScreenInfo(); }
};

TEST_F(FrameTest, EveryWindowFitsTheAvailableAreaFrameIncluded) {
    const QRect area = availableArea();
    const auto fits = [&](QWidget& window, const char* name) {
        settle();
        ASSERT_TRUE(window.isVisible()) << name;
        EXPECT_TRUE(area.contains(window.frameGeometry())) << name;
        EXPECT_GT(window.frameGeometry().width(), window.width()) << name << ": a frame";
    };
    fits(lentoi(), "lentoi");
    EXPECT_EQ(lentoi().frameGeometry(), area);
    expectCentredScale(lentoi(), "lentoi");

    menuItem(lentoi(), "singleray")->trigger();
    fits(app->moniaktina(), "moniaktina");
    EXPECT_EQ(app->moniaktina().frameGeometry(), area);
    expectCentredScale(app->moniaktina(), "moniaktina");
    commandButton(app->moniaktina(), "Command1")->click();

    menuItem(lentoi(), "SAHLIC")->trigger();
    fits(app->eisagogiko(), "eisagogiko");
    for (QPushButton* lens : {commandButton(app->eisagogiko(), "Command1"),
                              commandButton(app->eisagogiko(), "Command2")}) {
        lens->click();
        windows::ElSahl& sahl = app->elSahl();
        fits(sahl, "ElSahl");
        // Square, two thirds of the screen wide where the height allows it.
        const int side = std::min((area.width() * 2 + 1) / 3, area.height());
        EXPECT_EQ(sahl.frameGeometry(), QRect(area.topLeft(), QSize(side, side)));
        EXPECT_EQ(sahl.surface().widthPx(), sahl.canvasWidget().width());
        EXPECT_EQ(sahl.surface().heightPx(), sahl.canvasWidget().height());
    }
}

// A user may un-maximise a window: the frame it then gets still fits.
TEST_F(FrameTest, WindowNoLongerMaximisedStillFits) {
    lentoi().showNormal();
    settle();
    EXPECT_TRUE(availableArea().contains(lentoi().frameGeometry()));
    expectCentredScale(lentoi(), "lentoi");
}

// A window manager may withdraw the maximised state of a window the program
// hid (as a set-up opening on the single-ray window does): it comes back so.
TEST_F(FrameTest, HiddenWindowComesBackAsItWasHidden) {
    menuItem(lentoi(), "singleray")->trigger();
    lentoi().setWindowState(Qt::WindowNoState); // as the window system reports it
    commandButton(app->moniaktina(), "Command1")->click();
    settle();
    EXPECT_TRUE(lentoi().isMaximized());
    EXPECT_EQ(lentoi().frameGeometry(), availableArea());
}

// After a resize each drawing window shows its picture for the new size at
// once: what a full drawing of that picture gives, with the handles on it.
TEST_F(FrameTest, ResizedWindowsDrawTheirPictureForTheNewSize) {
    menuItem(lentoi(), "singleray")->trigger();
    windows::Moniaktina& single = app->moniaktina();
    single.Form_MouseDown(canvas::LeftButton, canvas::ShiftKey, -250, 40);
    single.Form_MouseUp(canvas::LeftButton, canvas::ShiftKey, 0, 20);
    commandButton(single, "Command1")->click();
    menuItem(lentoi(), "SAHLIC")->trigger();
    commandButton(app->eisagogiko(), "Command1")->click();
    struct Row {
        const char* name;
        windows::FormWindow* window;
        std::function<void()> drawAgain;
    };
    const Row rows[] = {
        {"lentoi", &lentoi(), [&] { lentoi().drawPicture(lentoi().picture()); }},
        {"moniaktina", &single, [&] { single.drawPicture(single.picture()); }},
        {"ElSahl", &app->elSahl(), [&] { app->elSahl().drawPicture(app->elSahl().picture()); }},
    };
    for (const Row& row : rows) {
        windows::FormWindow& window = *row.window;
        window.show();
        window.showNormal();
        settle();
        const QSize before = window.canvasWidget().size();
        window.resize(window.width() * 2 / 3, window.height() * 3 / 4);
        settle();
        const canvas::Surface& view = window.surface();
        ASSERT_NE(window.canvasWidget().size(), before) << row.name;
        EXPECT_EQ(view.widthPx(), window.canvasWidget().width()) << row.name;
        EXPECT_EQ(view.heightPx(), window.canvasWidget().height()) << row.name;
        const Pixels shown = testing_support::pixelsOf(view);
        row.drawAgain();
        EXPECT_TRUE(shown == testing_support::pixelsOf(view)) << row.name;
    }
    // The workbench's handles are where its picture shows them: the lens
    // body's fill at the middle of the lens, and a press on the centre of
    // circle 1 takes that centre.
    expectCentredScale(lentoi(), "lentoi");
    EXPECT_EQ(testing_support::colorAt(lentoi().surface(), -20, 3), canvas::RGB(220, 220, 195));
    lentoi().Form_MouseDown(canvas::LeftButton, 0, -50, 0);
    EXPECT_TRUE(lentoi().grips().kentro1);
}
