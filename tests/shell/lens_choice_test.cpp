#include "tests/support/program.h"

class LensChoiceTest : public ProgramTest {};

TEST_F(LensChoiceTest, ButtonCaptionsAndTitle) {
    EXPECT_EQ(choice().windowTitle().toStdString(), "CHOOSE  LENS");
    EXPECT_EQ(commandButton(choice(), "Command1")->text().toStdString(),
              "Αμφίκυρτος ΥΠΕΡΒΟΛΙΚΟΣ BICONVEX HYPERBOLIC ");
    EXPECT_EQ(commandButton(choice(), "Command2")->text().toStdString(),
              "Επιπεδόκυρτος ΥΠΕΡΒΟΛΙΚΟΣ PLANE CONVEX HYPERBOLIC");
    EXPECT_EQ(commandButton(choice(), "Command3")->text().toStdString(),
              "ΣΦΑΙΡΙΚΟΙ ΦΑΚΟι SPHERICAL LENSES");
}

TEST_F(LensChoiceTest, LabelBeforeTheFirstShowAndAfterTheFirstMove) {
    EXPECT_EQ(formLabel(choice(), "Label1")->text().toStdString(), "Index of Refraction n=1.50");
    scrollBar(choice(), "deiktissahl")->setValue(175);
    EXPECT_EQ(formLabel(choice(), "Label1")->text().toStdString(),
              "INDEX  OF REFRACTION Δείκτης Διάθλασης= 1.75");
}

TEST_F(LensChoiceTest, LabelUsesTheLocalesSeparator) {
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
    dialogs.messages.clear();
    bool otherEnded = false;
    testing_support::ScriptedDialogs otherDialogs;
    auto other = testing_support::startProgram(otherDialogs, otherEnded);
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(formLabel(other->eisagogiko(), "Label1")->text().toStdString(),
              "Index of Refraction n=1,50");
}

TEST_F(LensChoiceTest, IndexFollowsTheScrollBarWithoutARedraw) {
    choice().Command2_Click();
    const auto before = testing_support::pixelsOf(sahl().surface());
    scrollBar(choice(), "deiktissahl")->setValue(230);
    EXPECT_DOUBLE_EQ(app->hyperbolic().nsahl, 2.3);
    EXPECT_EQ(testing_support::pixelsOf(sahl().surface()), before);
}

TEST_F(LensChoiceTest, EachChoiceSizesScalesAndDrawsElSahl) {
    struct Row {
        const char* name;
        bool biconvex;
        const char* caption;
    };
    const Row rows[] = {
        {"plano-convex", false, "Επιπεδόκυρτος φακός του Ιμπν Σαχλ "},
        {"biconvex", true, "Αμφίκυρτος φακός του Ιμπν Σαχλ με δύο υπερβολές"},
    };
    menuItem(lentoi(), "SAHLIC")->trigger();
    for (const Row& row : rows) {
        app->source().pigiX = 0;
        row.biconvex ? commandButton(choice(), "Command1")->click()
                     : commandButton(choice(), "Command2")->click();
        EXPECT_EQ(sahl().windowTitle().toStdString(), row.caption) << row.name;
        EXPECT_EQ(app->hyperbolic().amfikyrtos, row.biconvex) << row.name;
        EXPECT_FALSE(app->hyperbolic().monokymata) << row.name;
        EXPECT_EQ(app->source().pigiX, 108) << row.name;
        EXPECT_EQ(app->source().pigiY, 25) << row.name;
        // Square at the top left corner, as high as the screen allows (two
        // thirds of its width would be 853).
        EXPECT_EQ(sahl().width(), 800) << row.name;
        EXPECT_EQ(sahl().height(), 800) << row.name;
        EXPECT_EQ(sahl().pos(), QPoint(0, 0)) << row.name;
        EXPECT_EQ(sahl().surface().ScaleLeft(), -120) << row.name;
        EXPECT_EQ(sahl().surface().ScaleTop(), 120) << row.name;
        EXPECT_EQ(sahl().upperBlade().X1, 130) << row.name;
        EXPECT_EQ(sahl().upperBlade().Y2, 10) << row.name;
        EXPECT_EQ(sahl().lowerBlade().Y2, -10) << row.name;
        EXPECT_TRUE(choice().isVisible()) << row.name;
    }
}

TEST_F(LensChoiceTest, ChoiceMadeTwiceIsDrawnAfreshAtTheDefaultSource) {
    testing_support::ScriptedDialogs otherDialogs;
    bool otherEnded = false;
    auto fresh = testing_support::startProgram(otherDialogs, otherEnded);
    fresh->eisagogiko().Command2_Click();

    choice().Command2_Click();
    sahl().Form_MouseDown(1, 0, 60, -40); // the source moves and the fan is redrawn
    sahl().Form_MouseUp(1, 0, 60, -40);
    ASSERT_EQ(app->source().pigiX, 60);
    choice().Command2_Click();
    EXPECT_EQ(app->source().pigiX, 108);
    EXPECT_EQ(app->source().pigiY, 25);
    EXPECT_TRUE(testing_support::pixelsOf(sahl().surface()) ==
                testing_support::pixelsOf(fresh->elSahl().surface()));
}

TEST_F(LensChoiceTest, BackToMenuThenAChoiceHoldsOnlyTheNewDrawing) {
    testing_support::ScriptedDialogs otherDialogs;
    bool otherEnded = false;
    auto fresh = testing_support::startProgram(otherDialogs, otherEnded);
    fresh->eisagogiko().Command1_Click();

    choice().Command2_Click();
    menuItem(sahl(), "BACKFAKO")->trigger();
    const auto cleared = testing_support::pixelsOf(sahl().surface());
    EXPECT_TRUE(std::all_of(cleared.begin(), cleared.end(),
                            [](std::uint32_t p) { return p == 0xFFFFFFFFu; }));
    choice().Command1_Click();
    EXPECT_TRUE(testing_support::pixelsOf(sahl().surface()) ==
                testing_support::pixelsOf(fresh->elSahl().surface()));
}

TEST_F(LensChoiceTest, IndexGuardRefusesAnIndexOfOneOrLess) {
    for (double n : {1.0, 0.9}) {
        dialogs.messages.clear();
        app->source().pigiX = 33;
        app->hyperbolic().amfikyrtos = true;
        app->hyperbolic().nsahl = n;
        sahl().surface().Cls();
        choice().Command2_Click();
        EXPECT_EQ(dialogs.messages,
                  QStringList{QString(QChar(0x60)) + "Ακυρος Δείκτης Διάθλασηςgive a bigger value"})
            << n;
        EXPECT_EQ(app->source().pigiX, 33) << n;
        EXPECT_TRUE(app->hyperbolic().amfikyrtos) << n;
        EXPECT_TRUE(sahl().isVisible()) << n;
        const auto shown = testing_support::pixelsOf(sahl().surface());
        EXPECT_TRUE(std::all_of(shown.begin(), shown.end(), [](std::uint32_t p) {
            return p == 0xFFFFFFFFu;
        })) << n;
    }
}
