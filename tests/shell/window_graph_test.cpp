#include "tests/support/program.h"

#include <QApplication>
#include <QMenuBar>

namespace {

struct Visible {
    bool lentoi, moniaktina, sahl, choice;
    bool operator==(const Visible&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Visible& v) {
    return out << "lentoi " << v.lentoi << ", moniaktina " << v.moniaktina << ", ElSahl " << v.sahl
               << ", eisagogiko " << v.choice;
}

QAction* menu(QMainWindow& window, const QString& caption) {
    for (QAction* action : window.menuBar()->actions())
        if (action->text() == caption)
            return action;
    ADD_FAILURE() << "no menu " << caption.toStdString();
    return nullptr;
}

} // namespace

class WindowGraphTest : public ProgramTest {
  protected:
    // The window in front once the window system has caught up.
    QWidget* front() {
        for (int i = 0; i < 20; ++i)
            QCoreApplication::processEvents();
        return QApplication::activeWindow();
    }

    Visible visible() {
        return {lentoi().isVisible(), app->hasMoniaktina() && app->moniaktina().isVisible(),
                sahl().isVisible(), choice().isVisible()};
    }
};

TEST_F(WindowGraphTest, StartShowsOnlyTheWorkbenchFullScreen) {
    EXPECT_EQ(visible(), (Visible{true, false, false, false}));
    EXPECT_FALSE(app->hasMoniaktina()); // loaded only when first asked for
    EXPECT_EQ(lentoi().width(), 1280);
    // ElSahl was prepared hidden with its blades at x = 200.
    EXPECT_EQ(sahl().upperBlade().X1, 200);
    EXPECT_EQ(sahl().lowerBlade().Y2, -10);
    EXPECT_DOUBLE_EQ(app->hyperbolic().nsahl, 1.5);
}

TEST_F(WindowGraphTest, EveryEdgeOfTheWindowGraph) {
    struct Step {
        const char* action;
        std::function<void()> run;
        Visible expected;
        std::function<QWidget*()> inFront;
    };
    const auto workbench = [this] { return static_cast<QWidget*>(&lentoi()); };
    const auto single = [this] { return static_cast<QWidget*>(&app->moniaktina()); };
    const auto lensChoice = [this] { return static_cast<QWidget*>(&choice()); };
    const auto hyperbolic = [this] { return static_cast<QWidget*>(&sahl()); };
    const std::vector<Step> steps = {
        {"AKTINA RAY",
         [&] { menu(lentoi(), "AKTINA RAY")->trigger(); },
         {false, true, false, false},
         single},
        {"Πίσω",
         [&] { commandButton(app->moniaktina(), "Command1")->click(); },
         {true, false, false, false},
         workbench},
        {"IBN SAHL",
         [&] { menu(lentoi(), "IBN SAHL")->trigger(); },
         {true, false, false, true},
         lensChoice},
        {"SPHERICAL LENSES",
         [&] { commandButton(choice(), "Command3")->click(); },
         {true, false, false, false},
         workbench},
        {"IBN SAHL again",
         [&] { menu(lentoi(), "IBN SAHL")->trigger(); },
         {true, false, false, true},
         lensChoice},
        {"PLANE CONVEX",
         [&] { commandButton(choice(), "Command2")->click(); },
         {true, false, true, true},
         hyperbolic},
        {"BACK TO MENU",
         [&] { menu(sahl(), "BACK TO MENU")->trigger(); },
         {true, false, false, true},
         lensChoice},
        {"BICONVEX",
         [&] { commandButton(choice(), "Command1")->click(); },
         {true, false, true, true},
         hyperbolic},
    };
    for (const Step& step : steps) {
        step.run();
        EXPECT_EQ(visible(), step.expected) << step.action;
        EXPECT_EQ(front(), step.inFront()) << step.action;
    }
    EXPECT_FALSE(ended);
    menu(sahl(), "END")->trigger();
    EXPECT_TRUE(ended);
    EXPECT_EQ(visible(), (Visible{false, false, false, false}));
}

TEST_F(WindowGraphTest, EndOnTheWorkbenchEndsWhateverIsVisible) {
    menuItem(lentoi(), "SAHLIC")->trigger();
    commandButton(choice(), "Command1")->click();
    ASSERT_TRUE(sahl().isVisible());
    menuItem(lentoi(), "TELIOMA")->trigger();
    EXPECT_TRUE(ended);
    EXPECT_EQ(visible(), (Visible{false, false, false, false}));
}

TEST_F(WindowGraphTest, CloseButtonsDoWhatTheirWindowsBackButtonDoes) {
    menuItem(lentoi(), "singleray")->trigger();
    app->moniaktina().close();
    EXPECT_EQ(visible(), (Visible{true, false, false, false})) << "moniaktina closed";
    EXPECT_TRUE(app->hasMoniaktina());

    menuItem(lentoi(), "SAHLIC")->trigger();
    commandButton(choice(), "Command2")->click();
    sahl().close();
    EXPECT_EQ(visible(), (Visible{true, false, false, true})) << "ElSahl closed";

    choice().close();
    EXPECT_EQ(visible(), (Visible{true, false, false, false})) << "eisagogiko closed";
    EXPECT_FALSE(ended);

    lentoi().close();
    EXPECT_TRUE(ended) << "closing the workbench ends the program";
}

TEST_F(WindowGraphTest, ClosedWindowsKeepTheirState) {
    menuItem(lentoi(), "SAHLIC")->trigger();
    scrollBar(choice(), "deiktissahl")->setValue(180);
    choice().close();
    menuItem(lentoi(), "SAHLIC")->trigger();
    EXPECT_EQ(scrollBar(choice(), "deiktissahl")->value(), 180);
    EXPECT_EQ(formLabel(choice(), "Label1")->text().toStdString(),
              "INDEX  OF REFRACTION Δείκτης Διάθλασης= 1.80");
}
