#include "tests/support/program.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

using testing_support::click;
using testing_support::inWindow;

bool windowless(const QWidget* control) {
    return qobject_cast<const QLabel*>(control) != nullptr;
}

// A box the program never writes shows its own name, as the designer left it.
bool placeholder(const QWidget* control) {
    const auto* box = qobject_cast<const QLineEdit*>(control);
    return box && box->text() == box->accessibleName();
}

std::vector<QWidget*> controlsOf(windows::FormWindow& window) {
    std::vector<QWidget*> controls;
    for (QObject* child : window.canvasWidget().children())
        if (auto* control = qobject_cast<QWidget*>(child))
            controls.push_back(control);
    return controls;
}

} // namespace

using StackingTest = ProgramTest;

// Wherever no other control with a window of its own covers a scroll bar or
// a box that shows a value, a click reaches it: the labels lie beneath every
// such control, and so do the placeholders.
TEST_F(StackingTest, EveryVisiblePointOfEveryScrollBarAndBoxReachesIt) {
    int bars = 0;
    for (const char* name : {"lentoi", "moniaktina", "eisagogiko", "ElSahl"}) {
        windows::FormWindow& window = open(name);
        const std::vector<QWidget*> controls = controlsOf(window);
        const QRect client = window.canvasWidget().rect();
        for (QWidget* bar : controls) {
            if (!qobject_cast<QScrollBar*>(bar) &&
                (!qobject_cast<QLineEdit*>(bar) || placeholder(bar)))
                continue;
            ++bars;
            int points = 0, reached = 0;
            const QRect visible = bar->geometry() & client;
            for (int y = visible.top(); y <= visible.bottom(); ++y)
                for (int x = visible.left(); x <= visible.right(); ++x) {
                    const QPoint p(x, y);
                    const bool covered =
                        std::any_of(controls.begin(), controls.end(), [&](QWidget* other) {
                            return other != bar && !windowless(other) && !placeholder(other) &&
                                   other->geometry().contains(p);
                        });
                    if (covered)
                        continue;
                    ++points;
                    reached += window.canvasWidget().childAt(p) == bar;
                }
            EXPECT_GT(points, 0) << name;
            EXPECT_EQ(reached, points) << name << " " << bar->accessibleName().toStdString();
        }
    }
    EXPECT_EQ(bars, 10 + 4 + 1 + 5 + 4); // and the boxes of the workbench and the single-ray window
}

// Label2 lies over the right circle's centre bar at 1280 x 800: its right
// arrow and its trough take real clicks, which run its Change handler.
TEST_F(StackingTest, ClicksUnderALabelMoveTheBarBeneath) {
    QScrollBar* bar = scrollBar(lentoi(), "kentrokykloy");
    const QRect under = bar->geometry() & formLabel(lentoi(), "Label2")->geometry();
    ASSERT_TRUE(under.contains(bar->geometry().right() - 4, bar->geometry().center().y()));
    for (int i = 0; i < 5; ++i)
        click(lentoi(), {bar->geometry().right() - 4, bar->geometry().center().y()});
    EXPECT_EQ(bar->value(), 25);
    EXPECT_EQ(textBox(lentoi(), "Text7")->text().toStdString(), "Κέντρο δεξί κύκλου=25");
    // arvimaton's left arrow lies under Label2 as well.
    QScrollBar* rays = scrollBar(lentoi(), "arvimaton");
    click(lentoi(), {rays->geometry().left() + 4, rays->geometry().center().y()});
    EXPECT_EQ(rays->value(), 29);
}

// A label takes its own clicks and has no handler: the picture, the source
// and the handles stay as they were, with or without Shift.
TEST_F(StackingTest, ClickOnALabelReachesNoWindowHandler) {
    windows::Lentoi& window = lentoi();
    const std::vector<std::uint32_t> before = testing_support::pixelsOf(window.surface());
    const windows::WorkbenchPicture shown = window.picture();
    for (QLabel* label :
         {formLabel(window, "Label1"), formLabel(window, "Label2"), formLabel(window, "Label3")})
        for (Qt::KeyboardModifiers keys :
             {Qt::KeyboardModifiers{}, Qt::KeyboardModifiers{Qt::ShiftModifier}}) {
            // The label's middle, clear of every control above it.
            click(window, label->geometry().topLeft() + QPoint(label->width() / 2, 6), keys);
        }
    EXPECT_TRUE(testing_support::pixelsOf(window.surface()) == before);
    EXPECT_EQ(window.picture(), shown);
    EXPECT_EQ(window.sourceMark().Left, -200);
    EXPECT_EQ(app->source().pigiX, -200);
}

// Line and shape controls let a click through to the window beneath them.
TEST_F(StackingTest, PressOnABladeReachesTheWindow) {
    windows::Lentoi& window = lentoi();
    const canvas::Surface& view = window.surface();
    const QPoint blade(static_cast<int>(view.toPixelX(window.upperBlade().X1)),
                       static_cast<int>(view.toPixelY(110)));
    ASSERT_EQ(window.canvasWidget().childAt(blade), nullptr);
    QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, inWindow(window, blade));
    EXPECT_TRUE(window.grips().diafragma1);
    QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, inWindow(window, blade));
    EXPECT_FALSE(window.grips().diafragma1);
}

// The blade runs down the middle of the window, through Check1, Check2 and
// Label3; they hide it as any control hides the drawing beneath.
TEST_F(StackingTest, BladesAreNotDrawnOverTheControls) {
    windows::Lentoi& window = lentoi();
    QCoreApplication::processEvents();
    const QImage shot = window.canvasWidget().grab().toImage();
    const int bladeX = static_cast<int>(window.surface().toPixelX(window.upperBlade().X1));
    const canvas::Color colour = window.upperBlade().BorderColor;
    const QColor blade(canvas::redOf(colour), canvas::greenOf(colour), canvas::blueOf(colour));
    const auto bladePixels = [&](const QRect& area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += shot.pixelColor(x, y) == blade;
        return count;
    };
    for (QWidget* control : std::initializer_list<QWidget*>{
             checkBox(window, "Check1"), checkBox(window, "Check2"), formLabel(window, "Label3")}) {
        ASSERT_TRUE(control->geometry().left() < bladeX && bladeX < control->geometry().right());
        EXPECT_EQ(bladePixels(control->geometry()), 0) << control->metaObject()->className();
    }
    // Below them the blade shows, down to its tip on the lens.
    const int tip = static_cast<int>(window.surface().toPixelY(window.upperBlade().Y2));
    EXPECT_GT(bladePixels(QRect(bladeX - 3, tip - 40, 7, 20)), 0);
}
