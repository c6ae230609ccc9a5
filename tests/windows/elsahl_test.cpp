#include "tests/support/program.h"

#include <QAction>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <numbers>
#include <vector>

using testing_support::colorAt;
using testing_support::countColor;

namespace {

const canvas::Color kBlue = canvas::RGB(0, 0, 255);
const canvas::Color kCyan = canvas::RGB(0, 255, 255);
const canvas::Color kGreen = canvas::RGB(0, 255, 0);
const canvas::Color kRed = canvas::RGB(255, 0, 0);
const canvas::Color kMagenta = canvas::RGB(255, 0, 255);
const canvas::Color kBlack = canvas::RGB(0, 0, 0);

const QString kPlanoPointCaption = "Επιπεδόκυρτος φακός του Ιμπν Σαχλ ";
const QString kPlanoBeamCaption = "IBN SAHL'S PLANECONVEX LENS";
const QString kBiconvexCaption = "Αμφίκυρτος φακός του Ιμπν Σαχλ με δύο υπερβολές";
const QString kIndexRefusal = "δώσε μεγαλύτερο δείκτη";
const QString kBeamRefusal = QString(QChar(0x60)) + "Ακυρος Δείκτης Διάθλασηςgive a bigger value";

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

} // namespace

// The program after Main on a 1280x800 screen (index 1.50), its Ibn Sahl
// window at hand.
class ElSahlTest : public testing_support::ProgramFixture<> {
  protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        window = &app->elSahl();
    }

    void openPlanoConvex() { app->eisagogiko().Command2_Click(); }
    void openBiconvex() { app->eisagogiko().Command1_Click(); }

    canvas::Surface& surface() { return window->surface(); }
    optics::hyperbolic::Protosfakos& lens() { return app->hyperbolic(); }
    optics::SharedSource& source() { return app->source(); }

    std::vector<std::uint32_t> picture() { return testing_support::pixelsOf(surface()); }
    QString caption() const { return window->windowTitle(); }

    void drag(double x0, double y0, double x1, double y1) {
        window->Form_MouseDown(1, 0, x0, y0);
        window->Form_MouseMove(1, 0, x1, y1);
        window->Form_MouseUp(1, 0, x1, y1);
    }

    void beam(std::optional<QString> answer) {
        dialogs.answer(std::move(answer));
        menuItem(*window, "parallilidesmifotos")->trigger();
    }

    windows::ElSahl* window = nullptr;
};

TEST_F(ElSahlTest, DesignerControlsAndMenus) {
    EXPECT_EQ(caption(), "Φακός Ιμπν Σαχλ 2 υπεροβλές");
    EXPECT_EQ(surface().BackColor, canvas::colors::white);
    EXPECT_TRUE(optionButton(*window, "RAYSANDWAVES")->isChecked());
    EXPECT_FALSE(optionButton(*window, "kymataYESNO")->isChecked());
    EXPECT_FALSE(optionButton(*window, "onlyrays")->isChecked());
    struct Row {
        QRadioButton* option;
        const char* text;
        QRect pixels; // twips / 15 at 96 dpi
    };
    const Row rows[] = {
        {optionButton(*window, "kymataYESNO"), "ONLY WAVES", {8, 0, 97, 25}},
        {optionButton(*window, "RAYSANDWAVES"), "RAYS WAVES", {104, 0, 89, 25}},
        {optionButton(*window, "onlyrays"), "Only Rays", {192, 0, 81, 25}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.option->text(), row.text);
        EXPECT_EQ(row.option->geometry(), row.pixels) << row.text;
        EXPECT_EQ(row.option->parentWidget(), &window->canvasWidget()) << row.text;
    }
    QStringList menus;
    for (QAction* action : window->menuBar()->actions())
        menus << action->text();
    EXPECT_EQ(menus, QStringList({"PARALLILI  DESMH", "END", "WAVES", "BACK TO MENU"}));
    for (const canvas::LineControl* blade : {&window->upperBlade(), &window->lowerBlade()}) {
        EXPECT_EQ(blade->BorderColor, canvas::RGB(0, 0, 192));
        EXPECT_EQ(blade->BorderWidth, 3);
    }
}

TEST_F(ElSahlTest, StartUpLeavesTheWindowHiddenWithTheBladesAt200) {
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->upperBlade().X1, 200);
    EXPECT_EQ(window->upperBlade().X2, 200);
    EXPECT_EQ(window->upperBlade().Y1, 200);
    EXPECT_EQ(window->upperBlade().Y2, 10);
    EXPECT_EQ(window->lowerBlade().X1, 200);
    EXPECT_EQ(window->lowerBlade().Y1, -200);
    EXPECT_EQ(window->lowerBlade().Y2, -10);
}

TEST_F(ElSahlTest, LensChoiceSizesScalesAndPlacesTheStop) {
    openPlanoConvex();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->pos(), QPoint(0, 0));
    // Two thirds of 1280 pixels would be 853: square, but no higher than
    // the 800 pixels of the screen (the test screen draws no frame).
    EXPECT_EQ(window->width(), 800);
    EXPECT_EQ(window->height(), 800);
    EXPECT_EQ(surface().ScaleLeft(), -120);
    EXPECT_EQ(surface().ScaleTop(), 120);
    EXPECT_EQ(surface().ScaleWidth(), 270);
    EXPECT_EQ(surface().ScaleHeight(), -240);
    EXPECT_EQ(window->upperBlade().X1, 130);
    EXPECT_EQ(window->lowerBlade().X2, 130);
    EXPECT_EQ(window->upperBlade().Y1, 200);
    EXPECT_EQ(window->lowerBlade().Y2, -10);
    EXPECT_EQ(caption(), kPlanoPointCaption);
    EXPECT_GT(countColor(surface(), kCyan), 0);
    openBiconvex();
    EXPECT_EQ(caption(), kBiconvexCaption);
}

TEST_F(ElSahlTest, OptionButtonsSetMonokymataAndStayExclusive) {
    openPlanoConvex();
    QTest::mouseClick(optionButton(*window, "kymataYESNO"), Qt::LeftButton);
    EXPECT_TRUE(lens().monokymata);
    EXPECT_TRUE(optionButton(*window, "kymataYESNO")->isChecked());
    EXPECT_FALSE(optionButton(*window, "RAYSANDWAVES")->isChecked());
    // "Only Rays" has no handler of its own: monokymata keeps its value.
    QTest::mouseClick(optionButton(*window, "onlyrays"), Qt::LeftButton);
    EXPECT_TRUE(lens().monokymata);
    EXPECT_FALSE(optionButton(*window, "kymataYESNO")->isChecked());
    QTest::mouseClick(optionButton(*window, "RAYSANDWAVES"), Qt::LeftButton);
    EXPECT_FALSE(lens().monokymata);
    EXPECT_TRUE(optionButton(*window, "RAYSANDWAVES")->isChecked());
    EXPECT_FALSE(optionButton(*window, "onlyrays")->isChecked());
}

TEST_F(ElSahlTest, OnlyWavesThenClickStillLeavesOutTheRays) {
    openPlanoConvex();
    QTest::mouseClick(optionButton(*window, "kymataYESNO"), Qt::LeftButton);
    window->Form_MouseDown(1, 0, 108, 25);
    window->Form_MouseUp(1, 0, 108, 25);
    EXPECT_FALSE(lens().monokymata);
    EXPECT_TRUE(optionButton(*window, "kymataYESNO")->isChecked());
    EXPECT_EQ(countColor(surface(), kCyan), 0);
    EXPECT_EQ(countColor(surface(), kGreen), 0);
    EXPECT_GT(countColor(surface(), kBlue), 0); // the fronts are still joined
    QTest::mouseClick(optionButton(*window, "RAYSANDWAVES"), Qt::LeftButton);
    window->Form_MouseDown(1, 0, 108, 25);
    EXPECT_GT(countColor(surface(), kCyan), 0);
    EXPECT_GT(countColor(surface(), kGreen), 0);
}

// Line1 (130, 200)-(130, 10), Line2 (130, -200)-(130, -10); tx = 270/120 =
// 2.25, ty = 240/120 = 2, the bounds included.
TEST_F(ElSahlTest, BladeHitTest) {
    openPlanoConvex();
    enum Hit { None, Upper, Lower };
    struct Row {
        const char* name;
        double x, y;
        Hit hit;
    };
    const Row rows[] = {
        {"upper blade's middle", 130, 50, Upper},
        {"upper tip, left reach", 127.75, 8, Upper},
        {"upper tip, right reach", 132.25, 8, Upper},
        {"above the upper blade's outer end", 130, 202, Upper},
        {"lower tip, reach", 130, -8, Lower},
        {"lower blade, right reach", 132.25, -100, Lower},
        {"below the lower blade's outer end", 130, -202, Lower},
        {"just left of the reach", 127.7, 50, None},
        {"just right of the reach", 132.3, -50, None},
        {"in the opening", 130, 7.9, None},
        {"on the axis", 130, 0, None},
    };
    for (const Row& row : rows) {
        source().pigiX = source().pigiY = -1;
        window->Form_MouseDown(1, 0, row.x, row.y);
        EXPECT_EQ(window->draggingUpper(), row.hit == Upper) << row.name;
        EXPECT_EQ(window->draggingLower(), row.hit == Lower) << row.name;
        EXPECT_EQ(source().pigiX, row.hit == None ? row.x : -1) << row.name;
        window->Form_MouseUp(1, 0, std::nan(""), std::nan("")); // dropped nowhere: blades stay
    }
}

TEST_F(ElSahlTest, PressOnABladeRestoresTheScaleAndDrawsNothing) {
    openPlanoConvex();
    lens().monokymata = true;
    surface().Scale(0, 0, 10, 10);
    const auto before = picture();
    window->Form_MouseDown(2, 1, 130, 50);
    EXPECT_TRUE(window->draggingUpper());
    EXPECT_FALSE(lens().monokymata);
    EXPECT_EQ(surface().ScaleLeft(), -120);
    EXPECT_EQ(surface().ScaleHeight(), -240);
    EXPECT_TRUE(picture() == before);
}

TEST_F(ElSahlTest, PointerIsACrossOnAndWhileDraggingABlade) {
    openPlanoConvex();
    window->Form_MouseMove(0, 0, 130, 50);
    EXPECT_EQ(window->mousePointer(), 2);
    EXPECT_EQ(window->canvasWidget().cursor().shape(), Qt::CrossCursor);
    window->Form_MouseMove(0, 0, 0, 0);
    EXPECT_EQ(window->mousePointer(), 1);
    EXPECT_EQ(window->canvasWidget().cursor().shape(), Qt::ArrowCursor);
    window->Form_MouseDown(1, 0, 130, -50);
    window->Form_MouseMove(1, 0, -100, 100);
    EXPECT_EQ(window->mousePointer(), 2);
}

TEST_F(ElSahlTest, UpperBladeDropAboveTheLowerTip) {
    openPlanoConvex();
    drag(130, 50, 100, 30);
    EXPECT_FALSE(window->draggingUpper());
    for (const canvas::LineControl* blade : {&window->upperBlade(), &window->lowerBlade()}) {
        EXPECT_EQ(blade->X1, 100);
        EXPECT_EQ(blade->X2, 100);
    }
    EXPECT_EQ(window->upperBlade().Y1, 120); // the window's top edge
    EXPECT_EQ(window->upperBlade().Y2, 30);
    EXPECT_EQ(window->lowerBlade().Y1, -200);
    EXPECT_EQ(window->lowerBlade().Y2, -10);
    EXPECT_EQ(caption(), kPlanoPointCaption); // redrawn with the new stop
}

TEST_F(ElSahlTest, UpperBladeDroppedBelowTheLowerTipKeepsA24UnitOpening) {
    openPlanoConvex();
    drag(130, 50, 120, -30);
    EXPECT_EQ(window->lowerBlade().Y2, -30);
    EXPECT_EQ(window->upperBlade().Y2, -6); // a tenth of 240 above the drop
    EXPECT_EQ(window->upperBlade().Y1, 120);
    EXPECT_EQ(window->lowerBlade().Y1, -200);
    EXPECT_EQ(window->lowerBlade().X1, 120);
}

TEST_F(ElSahlTest, LowerBladeAboveTheUpperTipClosesTheStop) {
    openPlanoConvex();
    drag(130, -50, 110, 40);
    EXPECT_FALSE(window->draggingLower());
    EXPECT_EQ(window->lowerBlade().Y1, -120); // the window's bottom edge
    EXPECT_EQ(window->lowerBlade().Y2, 40);
    EXPECT_EQ(window->upperBlade().Y2, 10); // not corrected
    EXPECT_EQ(window->upperBlade().X1, 110);
    // A source right of the closed stop: every ray ends on the stop.
    window->Form_MouseDown(1, 0, 140, 0);
    EXPECT_GT(countColor(surface(), kMagenta), 0);
    EXPECT_EQ(countColor(surface(), kCyan), 0);
    EXPECT_EQ(countColor(surface(), kGreen), 0);
}

TEST_F(ElSahlTest, ReleaseWithoutADragChangesNothing) {
    openPlanoConvex();
    window->Form_MouseDown(1, 0, 60, 10);
    const auto before = picture();
    window->Form_MouseUp(1, 0, 130, 50);
    EXPECT_TRUE(picture() == before);
    EXPECT_EQ(window->upperBlade().X1, 130);
}

TEST_F(ElSahlTest, ADropOutsideTheWindowKeepsTheBladeOnItsEdge) {
    openPlanoConvex();
    canvas::CanvasWidget& client = window->canvasWidget();
    const QPoint onBlade(int(surface().toPixelX(130)), int(surface().toPixelY(50)));
    QTest::mousePress(&client, Qt::LeftButton, Qt::NoModifier, onBlade);
    EXPECT_TRUE(window->draggingUpper());
    QTest::mouseRelease(&client, Qt::LeftButton, Qt::NoModifier,
                        QPoint(client.width() + 500, -300));
    EXPECT_FALSE(window->draggingUpper());
    EXPECT_EQ(window->upperBlade().X1, 150);
    EXPECT_EQ(window->lowerBlade().X1, 150);
    EXPECT_EQ(window->upperBlade().Y2, 120);
    // Still within reach: it can be taken again.
    window->Form_MouseDown(1, 0, 149, 119);
    EXPECT_TRUE(window->draggingUpper());
}

TEST_F(ElSahlTest, AReleaseAtNoPointLeavesTheBladesWhereTheyWere) {
    openPlanoConvex();
    window->Form_MouseDown(1, 0, 130, 50);
    window->Form_MouseUp(1, 0, kNaN, 0);
    EXPECT_FALSE(window->draggingUpper());
    EXPECT_EQ(window->upperBlade().X1, 130);
    EXPECT_EQ(window->upperBlade().Y2, 10);
}

TEST_F(ElSahlTest, AnyPressOffTheBladesMovesTheSourceAndRedraws) {
    struct Row {
        int button, shift;
    };
    const Row rows[] = {{1, 0}, {2, 0}, {4, 0}, {1, 1}, {2, 2}, {3, 7}};
    for (const Row& row : rows) {
        openPlanoConvex();
        ASSERT_EQ(colorAt(surface(), 108, 25), kBlue); // the fan starts at the source
        window->Form_MouseDown(row.button, row.shift, 60, -30);
        EXPECT_EQ(source().pigiX, 60) << row.button << " " << row.shift;
        EXPECT_EQ(source().pigiY, -30);
        EXPECT_EQ(colorAt(surface(), 108, 25), canvas::colors::white); // cleared first
        EXPECT_EQ(colorAt(surface(), 60, -30), kBlue);
        EXPECT_EQ(caption(), kPlanoPointCaption);
    }
    openBiconvex();
    window->Form_MouseDown(1, 0, 110, 0);
    EXPECT_EQ(caption(), kBiconvexCaption);
    EXPECT_EQ(source().pigiX, 110);
}

TEST_F(ElSahlTest, IndexGuardsRefuseOneAndBelow) {
    struct Action {
        const char* name;
        QString message;
        std::function<void()> run;
    };
    const Action actions[] = {
        {"click", kIndexRefusal, [this] { window->Form_MouseDown(1, 0, 60, 10); }},
        {"WAVES", kIndexRefusal, [this] { menuItem(*window, "kymatikosahl")->trigger(); }},
        {"beam", kBeamRefusal, [this] { beam(QString("30")); }},
        {"blade drop", kIndexRefusal, [this] { drag(130, 50, 100, 30); }},
    };
    for (const double n : {0.9, 1.0}) {
        for (const Action& action : actions) {
            openPlanoConvex();
            lens().nsahl = n;
            dialogs.messages.clear();
            const auto before = picture();
            action.run();
            EXPECT_EQ(dialogs.messages, QStringList({action.message})) << action.name << " " << n;
            EXPECT_TRUE(picture() == before) << action.name << " " << n;
            EXPECT_EQ(source().pigiX, 108) << action.name;
            lens().nsahl = 1.5;
        }
    }
}

TEST_F(ElSahlTest, BeamPromptAndRefusedAnswers) {
    openPlanoConvex();
    struct Row {
        std::optional<QString> answer;
        QStringList messages;
    };
    const Row rows[] = {
        {std::nullopt, {}},
        {QString(""), {}},
        {QString("  "), {}},
        {QString("abc"), {"Άκυρη γωνία Invalid angle"}},
        {QString("nan"), {"Άκυρη γωνία Invalid angle"}},
        {QString("inf"), {"Άκυρη γωνία Invalid angle"}},
        {QString("90"), {"Άκυρη γωνία Invalid angle"}},
        {QString("-90"), {"Άκυρη γωνία Invalid angle"}},
        {QString("135"), {"Άκυρη γωνία Invalid angle"}},
    };
    for (const Row& row : rows) {
        dialogs.messages.clear();
        const auto before = picture();
        beam(row.answer);
        EXPECT_EQ(dialogs.messages, row.messages) << row.answer.value_or("cancel").toStdString();
        EXPECT_TRUE(picture() == before) << row.answer.value_or("cancel").toStdString();
        EXPECT_EQ(caption(), kPlanoPointCaption);
    }
    EXPECT_EQ(dialogs.prompts.last(), "DIRECTION IN  RESPECT TO HORIZONTAL");
    EXPECT_EQ(dialogs.titles.last(), "Angle in °");
    EXPECT_EQ(dialogs.defaults.last(), "0");
}

// n = 1.5: the plane face takes a beam along the axis, the hyperbola sends it
// to the far focus (−c, 0), c = 12·1.5 = 18.
TEST_F(ElSahlTest, AxialBeamMeetsAtTheFocus) {
    openPlanoConvex();
    beam(QString("0"));
    EXPECT_EQ(caption(), kPlanoBeamCaption);
    const int px = int(surface().toPixelX(-18));
    int green = 0;
    for (int py = 0; py < surface().heightPx(); ++py) {
        if (surface().pixel(px, py) != kGreen)
            continue;
        ++green;
        EXPECT_LT(std::abs(surface().toUser(px, py).y), 1.5) << "green at row " << py;
    }
    EXPECT_GT(green, 0);
    EXPECT_EQ(colorAt(surface(), 108, 25), canvas::colors::white); // the window was cleared
}

TEST_F(ElSahlTest, BeamAngleIsInDegrees) {
    openPlanoConvex();
    // The ray through (130, 0) at 30° falls 0.577 per unit towards the lens.
    beam(QString("30"));
    EXPECT_EQ(colorAt(surface(), 100, -30 * std::tan(std::numbers::pi / 6)), kBlue);
    beam(QString("0"));
    EXPECT_NE(colorAt(surface(), 100, -30 * std::tan(std::numbers::pi / 6)), kBlue);
}

TEST_F(ElSahlTest, NearlyVerticalBeamsDrawAndReturn) {
    for (const char* angle : {"89.9999", "-89.99999999"}) {
        openPlanoConvex();
        dialogs.messages.clear();
        beam(QString(angle));
        EXPECT_TRUE(dialogs.messages.isEmpty()) << angle;
        EXPECT_EQ(caption(), kPlanoBeamCaption) << angle;
        EXPECT_GT(countColor(surface(), kRed), 0) << angle;
        window->Form_MouseDown(1, 0, 108, 25); // still working
        EXPECT_GT(countColor(surface(), kCyan), 0) << angle;
    }
    openBiconvex();
    beam(QString("89.9999"));
    EXPECT_EQ(caption(), kBiconvexCaption);
}

TEST_F(ElSahlTest, WavesDrawsFrontsFromTheSourceEvenWithOnlyRays) {
    openPlanoConvex();
    QTest::mouseClick(optionButton(*window, "onlyrays"), Qt::LeftButton);
    window->Form_MouseDown(1, 0, 100, 20);
    const int blackBefore = countColor(surface(), kBlack);
    app->spherical().isepanalipsi = true; // the workbench's beam mode must not matter
    menuItem(*window, "kymatikosahl")->trigger();
    EXPECT_GT(countColor(surface(), kBlack), blackBefore);
    EXPECT_EQ(lens().metopoX(0, 0), 100);
    EXPECT_EQ(lens().metopoY(0, 0), 20);
    EXPECT_EQ(caption(), kPlanoPointCaption);
    openBiconvex();
    menuItem(*window, "kymatikosahl")->trigger();
    EXPECT_EQ(caption(), kBiconvexCaption);
}

TEST_F(ElSahlTest, EndEndsTheProgram) {
    openPlanoConvex();
    menuItem(*window, "TELOS")->trigger();
    EXPECT_TRUE(ended);
}

TEST_F(ElSahlTest, BackToMenuAndTheCloseButtonReturnToTheLensChoice) {
    for (const bool closeButton : {false, true}) {
        openPlanoConvex();
        app->eisagogiko().hide();
        if (closeButton)
            window->close();
        else
            menuItem(*window, "BACKFAKO")->trigger();
        EXPECT_FALSE(window->isVisible()) << closeButton;
        EXPECT_TRUE(app->eisagogiko().isVisible()) << closeButton;
        EXPECT_EQ(countColor(surface(), kRed), 0) << closeButton;
        EXPECT_FALSE(ended);
    }
}

TEST_F(ElSahlTest, MouseEventsAtAnyPointWithAnyButtons) {
    openPlanoConvex();
    const double values[] = {kNaN, kInf, -kInf, 1e300, -1e300, 0};
    for (const double x : values) {
        for (const double y : values) {
            for (const int buttons : {0, 1, 2, 7}) {
                window->Form_MouseMove(buttons, 7, x, y);
                window->Form_MouseDown(buttons, 1, x, y);
                window->Form_MouseUp(buttons, 2, x, y);
                window->Form_MouseDown(buttons, 0, 130, 50);
                window->Form_MouseUp(buttons, 0, x, y);
            }
        }
    }
    openPlanoConvex();
    window->Form_MouseDown(1, 0, 108, 25);
    EXPECT_GT(countColor(surface(), kCyan), 0);
    EXPECT_EQ(window->upperBlade().X1, 130);
}
