#include "tests/support/program.h"

#include "windows/common/numbers.h"

#include <QAccessible>
#include <QApplication>
#include <QMenuBar>
#include <QTest>

#include <map>

namespace {

QWidget* focused() {
    return QApplication::focusWidget();
}

// Brings a window to the front with the keyboard's focus.
void activate(QWidget& window) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

// The widgets that key take the focus through, starting from the first.
std::vector<QWidget*> visit(std::vector<QWidget*> order, Qt::Key key) {
    order.front()->setFocus();
    std::vector<QWidget*> seen{focused()};
    for (std::size_t i = 0; i < order.size(); ++i) {
        QTest::keyClick(focused(), key);
        seen.push_back(focused());
    }
    return seen;
}

QString accessibleName(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QString();
}

} // namespace

class KeyboardTest : public ProgramTest {
  protected:
    windows::Moniaktina& single() { return app->moniaktina(); }

    void openSingleRay() { menuItem(lentoi(), "singleray")->trigger(); }
    void openHyperbolic() {
        menuItem(lentoi(), "SAHLIC")->trigger();
        commandButton(choice(), "Command2")->click();
    }
};

// TabIndex where the designer gives it; the workbench has none, so its
// controls come in reading order, top to bottom, then left to right.
TEST_F(KeyboardTest, TabAndShiftTabFollowEachWindowsOrder) {
    windows::Lentoi& w = lentoi();
    const std::vector<QWidget*> workbench = {
        textBox(w, "Text5"),           scrollBar(w, "desmi1"),    textBox(w, "Text1"),
        textBox(w, "Text7"),           textBox(w, "Text6"),       scrollBar(w, "deiktisdiathlasis"),
        textBox(w, "Text2"),           textBox(w, "Text3"),       checkBox(w, "Check1"),
        textBox(w, "Text4"),           checkBox(w, "Check2"),     scrollBar(w, "aktina2"),
        scrollBar(w, "kentrokykloy"),  scrollBar(w, "arvimaton"), scrollBar(w, "aktina1"),
        scrollBar(w, "kentrokykloy2"), scrollBar(w, "VScroll1"),  scrollBar(w, "HScroll1"),
        scrollBar(w, "VScroll2")};
    struct Row {
        const char* name;
        std::function<QWidget&()> open;
        std::vector<QWidget*> order;
    };
    const std::vector<Row> rows = {
        {"lentoi", [&]() -> QWidget& { return lentoi(); }, workbench},
        {"moniaktina",
         [&]() -> QWidget& {
             openSingleRay();
             return single();
         },
         {}},
        {"eisagogiko",
         [&]() -> QWidget& {
             commandButton(single(), "Command1")->click();
             menuItem(lentoi(), "SAHLIC")->trigger();
             return choice();
         },
         {commandButton(choice(), "Command1"), commandButton(choice(), "Command2"),
          scrollBar(choice(), "deiktissahl"), commandButton(choice(), "Command3")}},
        {"ElSahl",
         [&]() -> QWidget& {
             commandButton(choice(), "Command2")->click();
             return sahl();
         },
         {optionButton(sahl(), "kymataYESNO"), optionButton(sahl(), "RAYSANDWAVES"),
          optionButton(sahl(), "onlyrays")}},
    };
    for (Row row : rows) {
        QWidget& window = row.open();
        if (row.order.empty()) // the single-ray window exists once opened
            row.order = {
                textBox(single(), "Text6"),          scrollBar(single(), "aktina1"),
                textBox(single(), "Text5"),          scrollBar(single(), "aktina2"),
                textBox(single(), "Text2"),          scrollBar(single(), "deiktisdiathlasis"),
                commandButton(single(), "Command1"), textBox(single(), "Text7"),
                scrollBar(single(), "kentrokykloy")};
        activate(window);
        std::vector<QWidget*> forward = row.order;
        forward.push_back(row.order.front()); // round to the first again
        EXPECT_EQ(visit(row.order, Qt::Key_Tab), forward) << row.name;
        std::vector<QWidget*> backward{row.order.front()};
        backward.insert(backward.end(), row.order.rbegin(), row.order.rend());
        EXPECT_EQ(visit(row.order, Qt::Key_Backtab), backward) << row.name;
    }
}

// Every scroll bar, focused, moves by each key and runs its Change handler,
// which writes the value where the window shows it.
TEST_F(KeyboardTest, EveryScrollBarMovesByEachKey) {
    struct Key {
        Qt::Key key;
        std::function<int(const QScrollBar*, int)> expected; // from the middle
    };
    const Key keys[] = {
        {Qt::Key_Right, [](const QScrollBar*, int v) { return v + 1; }},
        {Qt::Key_Down, [](const QScrollBar*, int v) { return v + 1; }},
        {Qt::Key_Left, [](const QScrollBar*, int v) { return v - 1; }},
        {Qt::Key_Up, [](const QScrollBar*, int v) { return v - 1; }},
        {Qt::Key_PageDown,
         [](const QScrollBar* b, int v) { return std::min(v + b->pageStep(), b->maximum()); }},
        {Qt::Key_PageUp,
         [](const QScrollBar* b, int v) { return std::max(v - b->pageStep(), b->minimum()); }},
        {Qt::Key_Home, [](const QScrollBar* b, int) { return b->minimum(); }},
        {Qt::Key_End, [](const QScrollBar* b, int) { return b->maximum(); }},
    };
    // The box or label that shows a bar's value, and how: "0" or "0.00" of
    // the value over 100.
    struct Bar {
        QScrollBar* bar;
        std::function<QString()> shown;
        bool hundredths;
    };
    const auto text = [](auto* widget) { return [widget] { return widget->text(); }; };
    // The blades go to the right edge, clear of the lens, so that no blade
    // is pulled back to the glass while its bar moves.
    scrollBar(lentoi(), "HScroll1")->setValue(100);
    windows::Lentoi& w = lentoi();
    std::vector<Bar> bars = {
        {scrollBar(w, "VScroll1"), {}, false},
        {scrollBar(w, "VScroll2"), {}, false},
        {scrollBar(w, "desmi1"), {}, false},
        {scrollBar(w, "deiktisdiathlasis"), text(textBox(w, "Text2")), true},
        {scrollBar(w, "aktina2"), text(textBox(w, "Text5")), false},
        {scrollBar(w, "aktina1"), text(textBox(w, "Text6")), false},
        {scrollBar(w, "kentrokykloy"), text(textBox(w, "Text7")), false},
        {scrollBar(w, "kentrokykloy2"), {}, false},
        {scrollBar(w, "arvimaton"), text(formLabel(w, "Label3")), false},
        {scrollBar(w, "HScroll1"), {}, false},
    };
    openSingleRay();
    windows::Moniaktina& m = single();
    bars.insert(bars.end(), {{scrollBar(m, "aktina1"), text(textBox(m, "Text6")), false},
                             {scrollBar(m, "aktina2"), text(textBox(m, "Text5")), false},
                             {scrollBar(m, "deiktisdiathlasis"), text(textBox(m, "Text2")), true},
                             {scrollBar(m, "kentrokykloy"), text(textBox(m, "Text7")), false}});
    bars.push_back({scrollBar(choice(), "deiktissahl"), text(formLabel(choice(), "Label1")), true});
    for (const Bar& row : bars) {
        const int start = row.bar->value();
        const int middle = (row.bar->minimum() + row.bar->maximum()) / 2;
        for (const Key& key : keys) {
            row.bar->setValue(middle);
            QTest::keyClick(row.bar, key.key);
            const int expected = key.expected(row.bar, middle);
            EXPECT_EQ(row.bar->value(), expected)
                << row.bar->accessibleName().toStdString() << " key " << key.key;
            if (row.shown) {
                const QString value = row.hundredths ? windows::formatTwoDecimals(expected / 100.0)
                                                     : windows::formatWhole(expected);
                EXPECT_TRUE(row.shown().endsWith(value))
                    << row.shown().toStdString() << " for " << expected;
            }
        }
        row.bar->setValue(start);
    }
}

// Space presses a button, chooses an option button and toggles a check box.
TEST_F(KeyboardTest, SpaceWorksButtonsOptionsAndCheckBoxes) {
    activate(lentoi());
    checkBox(lentoi(), "Check2")->setFocus();
    QTest::keyClick(checkBox(lentoi(), "Check2"), Qt::Key_Space);
    EXPECT_TRUE(checkBox(lentoi(), "Check2")->isChecked());
    EXPECT_EQ(scrollBar(lentoi(), "desmi1")->value(), 100); // its Click handler ran

    openHyperbolic();
    activate(sahl());
    optionButton(sahl(), "onlyrays")->setFocus();
    QTest::keyClick(optionButton(sahl(), "onlyrays"), Qt::Key_Space);
    EXPECT_TRUE(optionButton(sahl(), "onlyrays")->isChecked());
    EXPECT_FALSE(optionButton(sahl(), "RAYSANDWAVES")->isChecked());

    activate(choice());
    commandButton(choice(), "Command3")->setFocus();
    QTest::keyClick(commandButton(choice(), "Command3"), Qt::Key_Space);
    EXPECT_FALSE(choice().isVisible()); // "SPHERICAL LENSES"
}

// Alt alone, or F10, puts the menu bar in its keyboard mode on its first
// item; Return then runs it.
TEST_F(KeyboardTest, AltAndF10OpenTheMenuBar) {
    for (Qt::Key key : {Qt::Key_Alt, Qt::Key_F10}) {
        activate(lentoi());
        scrollBar(lentoi(), "aktina1")->setFocus();
        QTest::keyClick(focused(), key, key == Qt::Key_Alt ? Qt::AltModifier : Qt::NoModifier);
        QMenuBar* bar = lentoi().menuBar();
        EXPECT_EQ(focused(), bar) << key;
        EXPECT_EQ(bar->activeAction(), menuItem(lentoi(), "singleray")) << key;
        QTest::keyClick(bar, Qt::Key_Return);
        EXPECT_TRUE(app->hasMoniaktina() && single().isVisible()) << key;
        commandButton(single(), "Command1")->click();
    }
}

// A bar's tooltip says its accessible name and what it sets now, as the window
// shows it: in the box of that name, a label, a blade, a centre; or the thumb.
TEST_F(KeyboardTest, EveryScrollBarsTooltipSaysWhatItSetsNow) {
    openSingleRay();
    windows::Lentoi& w = lentoi();
    scrollBar(w, "HScroll1")
        ->setValue(100); // the blades' tips clear of the lens, which would hold them
    const auto after = [](const QString& text) { return text.section('=', -1).trimmed(); };
    const auto units = [](const double& v) { return [&v] { return windows::formatWhole(v); }; };
    const std::map<QScrollBar*, std::function<QString()>> boxless = {
        {scrollBar(w, "kentrokykloy2"), units(app->spherical().xa)},
        {scrollBar(w, "arvimaton"),
         [&] {
             return formLabel(w, "Label3")
                 ->text()
                 .remove(accessibleName(scrollBar(w, "arvimaton")));
         }},
        {scrollBar(w, "HScroll1"), units(w.upperBlade().X1)},
        {scrollBar(w, "VScroll1"), units(w.upperBlade().Y2)},
        {scrollBar(w, "VScroll2"), units(w.lowerBlade().Y2)},
        {scrollBar(choice(), "deiktissahl"),
         [this, after] { return after(formLabel(choice(), "Label1")->text()); }}};
    int bars = 0;
    for (windows::FormWindow* window :
         std::initializer_list<windows::FormWindow*>{&w, &single(), &choice()})
        for (QScrollBar* bar :
             window->canvasWidget().findChildren<QScrollBar*>(Qt::FindDirectChildrenOnly)) {
            ++bars;
            bar->setValue(bar->value() < bar->maximum() ? bar->value() + 1 : bar->value() - 1);
            QString shown = boxless.contains(bar) ? boxless.at(bar)() : QString();
            for (QLineEdit* box : window->canvasWidget().findChildren<QLineEdit*>())
                shown += box->accessibleName() == accessibleName(bar) ? after(box->text()) : "";
            EXPECT_EQ(bar->toolTip(), accessibleName(bar) + " = " + shown);
        }
    EXPECT_EQ(bars, 10 + 4 + 1);
    scrollBar(w, "aktina1")->setSliderDown(true);
    scrollBar(w, "aktina1")->setSliderPosition(300);
    EXPECT_EQ(scrollBar(w, "aktina1")->toolTip(), "Ακτίνα1 = 300");
}

// A screen reader can say what every control and menu is: its caption, or
// for a scroll bar what the box or label beside it says.
TEST_F(KeyboardTest, EveryControlAndMenuHasAnAccessibleName) {
    openSingleRay();
    commandButton(single(), "Command1")->click();
    openHyperbolic();
    const std::pair<QScrollBar*, const char*> bars[] = {
        {scrollBar(lentoi(), "desmi1"), "Number of Rays Αριθμός ακτινών"},
        {scrollBar(lentoi(), "deiktisdiathlasis"), "Index of Refraction Δείκτης Διάθλασης"},
        {scrollBar(lentoi(), "aktina1"), "Ακτίνα1"},
        {scrollBar(lentoi(), "aktina2"), "Ακτίνα2"},
        {scrollBar(lentoi(), "kentrokykloy"), "Κέντρο δεξί κύκλου"},
        {scrollBar(lentoi(), "arvimaton"), "Πολλαπλασιαστής ακτίνων"},
        {scrollBar(single(), "aktina1"), "Ακτίνα 1"},
        {scrollBar(single(), "aktina2"), "Ακτίνα 2"},
        {scrollBar(single(), "deiktisdiathlasis"), "Index of Refraction n"},
        {scrollBar(single(), "kentrokykloy"), "Κέντρο δεξιά"},
        {scrollBar(choice(), "deiktissahl"), "INDEX OF REFRACTION Δείκτης Διάθλασης"},
    };
    for (const auto& [bar, name] : bars)
        EXPECT_EQ(accessibleName(bar).toStdString(), name);
    int named = 0;
    for (windows::FormWindow* window :
         std::initializer_list<windows::FormWindow*>{&lentoi(), &single(), &choice(), &sahl()}) {
        for (QObject* child : window->canvasWidget().children()) {
            if (!child->isWidgetType())
                continue; // a style's animation of a control, no control
            EXPECT_FALSE(accessibleName(child).trimmed().isEmpty())
                << window->windowTitle().toStdString() << " " << child->metaObject()->className();
            ++named;
        }
        if (QWidget* bar = window->menuWidget()) {
            QAccessibleInterface* menus = QAccessible::queryAccessibleInterface(bar);
            ASSERT_EQ(menus->childCount(), bar->actions().size());
            for (int i = 0; i < menus->childCount(); ++i) {
                EXPECT_EQ(menus->child(i)->text(QAccessible::Name), bar->actions()[i]->text());
                ++named;
            }
        }
    }
    // The workbench's 22 controls and 6 menus, 9 on the single-ray window,
    // 5 on the lens choice, 3 options and 4 menus on ElSahl; and the
    // panels of the workbench, the single-ray window and ElSahl.
    EXPECT_EQ(named, 22 + 6 + 9 + 5 + 3 + 4 + 3);
}

// The program in a Greek locale.
class TypedValueTest : public KeyboardTest {
    testing_support::GreekLocale greek_;
};

// A box that shows a bar's value takes a number typed in its units and
// Enter: the bar moves there, held in its range, and its handler writes the
// box as after a mouse move. Anything else is refused with a beep and
// Escape takes the typing back; then nothing changes at all.
TEST_F(TypedValueTest, BoxesTakeTypedNumbersOnEnter) {
    const struct {
        const char *window, *box, *bar;
        std::vector<const char*> typed;
        Qt::Key key;
        int value; // -1: as it was
        const char* text;
        bool refused = false;
    } rows[] = {
        // clang-format off
        {"lentoi", "Text6", "aktina1", {"120"}, Qt::Key_Return, 120, "Ακτίνα1 =120"},
        {"lentoi", "Text5", "aktina2", {" 75 "}, Qt::Key_Enter, 75, "Ακτίνα2 =75"},
        {"lentoi", "Text7", "kentrokykloy", {"9999"}, Qt::Key_Return, 500, "Κέντρο δεξί κύκλου=500"},
        {"lentoi", "Text2", "deiktisdiathlasis", {"1,62"}, Qt::Key_Return, 162,
         "Index of Refraction Δείκτης Διάθλασης= 1,62"},
        {"lentoi", "Text2", "deiktisdiathlasis", {"1.7"}, Qt::Key_Return, 170,
         "Index of Refraction Δείκτης Διάθλασης= 1,70"},
        {"lentoi", "Text5", "aktina2", {"75"}, Qt::Key_Return, -1, "Ακτίνα2 =75"},
        {"lentoi", "Text5", "aktina2", {"abc", "nan", "inf", "1e999", ""}, Qt::Key_Return, -1,
         "Ακτίνα2 =75", true},
        {"lentoi", "Text6", "aktina1", {"300"}, Qt::Key_Escape, -1, "Ακτίνα1 =120"},
        {"moniaktina", "Text6", "aktina1", {"200"}, Qt::Key_Return, 200, "Ακτίνα 1 =200"},
        {"moniaktina", "Text7", "kentrokykloy", {"12,4"}, Qt::Key_Return, 12, "Κέντρο δεξιά=12"},
        {"moniaktina", "Text2", "deiktisdiathlasis", {"0,3"}, Qt::Key_Return, 40,
         "Index of refraction n= 0,40"},
        {"moniaktina", "Text5", "aktina2", {"x1", "-nan"}, Qt::Key_Return, -1, "Ακτίνα 2 =100",
         true},
        // clang-format on
    };
    for (const auto& row : rows)
        for (const char* typed : row.typed) {
            windows::FormWindow& window = open(row.window);
            QLineEdit* box = textBox(window, row.box);
            std::map<QScrollBar*, int> bars;
            for (QScrollBar* each : window.canvasWidget().findChildren<QScrollBar*>())
                bars[each] = each->value();
            const QImage picture = window.drawingImage();
            const int beeps = dialogs.beeps;
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_Backspace);
            QTest::keyClicks(box, typed);
            QTest::keyClick(box, row.key);
            const std::string name = std::string(row.box) + " " + typed;
            EXPECT_EQ(box->text().toStdString(), row.text) << name;
            if (row.value >= 0)
                bars[scrollBar(window, row.bar)] = row.value;
            for (const auto& [each, value] : bars)
                EXPECT_EQ(each->value(), value) << name << " " << each->objectName().toStdString();
            EXPECT_EQ(dialogs.beeps, beeps + row.refused) << name;
            if (row.value < 0) {
                EXPECT_EQ(window.drawingImage(), picture) << name;
            }
        }
}
