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

    void openSingleRay() { lentoi().singleray->trigger(); }
    void openHyperbolic() {
        lentoi().SAHLIC->trigger();
        choice().Command2->click();
    }
};

// TabIndex where the designer gives it; the workbench has none, so its
// controls come in reading order, top to bottom, then left to right.
TEST_F(KeyboardTest, TabAndShiftTabFollowEachWindowsOrder) {
    windows::Lentoi& w = lentoi();
    const std::vector<QWidget*> workbench = {
        w.Text5,        w.desmi1,    w.Text1,   w.Text7,         w.Text6,    w.deiktisdiathlasis,
        w.Text2,        w.Text3,     w.Check1,  w.Text4,         w.Check2,   w.aktina2,
        w.kentrokykloy, w.arvimaton, w.aktina1, w.kentrokykloy2, w.VScroll1, w.HScroll1,
        w.VScroll2};
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
             single().Command1->click();
             lentoi().SAHLIC->trigger();
             return choice();
         },
         {choice().Command1, choice().Command2, choice().deiktissahl, choice().Command3}},
        {"ElSahl",
         [&]() -> QWidget& {
             choice().Command2->click();
             return sahl();
         },
         {sahl().kymataYESNO, sahl().RAYSANDWAVES, sahl().onlyrays}},
    };
    for (Row row : rows) {
        QWidget& window = row.open();
        if (row.order.empty()) // the single-ray window exists once opened
            row.order = {single().Text6,    single().aktina1, single().Text5,
                         single().aktina2,  single().Text2,   single().deiktisdiathlasis,
                         single().Command1, single().Text7,   single().kentrokykloy};
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
    lentoi().HScroll1->setValue(100);
    windows::Lentoi& w = lentoi();
    std::vector<Bar> bars = {
        {w.VScroll1, {}, false},
        {w.VScroll2, {}, false},
        {w.desmi1, {}, false},
        {w.deiktisdiathlasis, text(w.Text2), true},
        {w.aktina2, text(w.Text5), false},
        {w.aktina1, text(w.Text6), false},
        {w.kentrokykloy, text(w.Text7), false},
        {w.kentrokykloy2, {}, false},
        {w.arvimaton, text(w.Label3), false},
        {w.HScroll1, {}, false},
    };
    openSingleRay();
    windows::Moniaktina& m = single();
    bars.insert(bars.end(), {{m.aktina1, text(m.Text6), false},
                             {m.aktina2, text(m.Text5), false},
                             {m.deiktisdiathlasis, text(m.Text2), true},
                             {m.kentrokykloy, text(m.Text7), false}});
    bars.push_back({choice().deiktissahl, text(choice().Label1), true});
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
    lentoi().Check2->setFocus();
    QTest::keyClick(lentoi().Check2, Qt::Key_Space);
    EXPECT_TRUE(lentoi().Check2->isChecked());
    EXPECT_EQ(lentoi().desmi1->value(), 100); // its Click handler ran

    openHyperbolic();
    activate(sahl());
    sahl().onlyrays->setFocus();
    QTest::keyClick(sahl().onlyrays, Qt::Key_Space);
    EXPECT_TRUE(sahl().onlyrays->isChecked());
    EXPECT_FALSE(sahl().RAYSANDWAVES->isChecked());

    activate(choice());
    choice().Command3->setFocus();
    QTest::keyClick(choice().Command3, Qt::Key_Space);
    EXPECT_FALSE(choice().isVisible()); // "SPHERICAL LENSES"
}

// Alt alone, or F10, puts the menu bar in its keyboard mode on its first
// item; Return then runs it.
TEST_F(KeyboardTest, AltAndF10OpenTheMenuBar) {
    for (Qt::Key key : {Qt::Key_Alt, Qt::Key_F10}) {
        activate(lentoi());
        lentoi().aktina1->setFocus();
        QTest::keyClick(focused(), key, key == Qt::Key_Alt ? Qt::AltModifier : Qt::NoModifier);
        QMenuBar* bar = lentoi().menuBar();
        EXPECT_EQ(focused(), bar) << key;
        EXPECT_EQ(bar->activeAction(), lentoi().singleray) << key;
        QTest::keyClick(bar, Qt::Key_Return);
        EXPECT_TRUE(app->hasMoniaktina() && single().isVisible()) << key;
        single().Command1->click();
    }
}

// A bar's tooltip says its accessible name and what it sets now, as the window
// shows it: in the box of that name, a label, a blade, a centre; or the thumb.
TEST_F(KeyboardTest, EveryScrollBarsTooltipSaysWhatItSetsNow) {
    openSingleRay();
    windows::Lentoi& w = lentoi();
    w.HScroll1->setValue(100); // the blades' tips clear of the lens, which would hold them
    const auto after = [](const QString& text) { return text.section('=', -1).trimmed(); };
    const auto units = [](const double& v) { return [&v] { return windows::formatWhole(v); }; };
    const std::map<QScrollBar*, std::function<QString()>> boxless = {
        {w.kentrokykloy2, units(app->spherical().xa)},
        {w.arvimaton, [&] { return w.Label3->text().remove(accessibleName(w.arvimaton)); }},
        {w.HScroll1, units(w.Line1.X1)},
        {w.VScroll1, units(w.Line1.Y2)},
        {w.VScroll2, units(w.Line2.Y2)},
        {choice().deiktissahl, [this, after] { return after(choice().Label1->text()); }}};
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
    w.aktina1->setSliderDown(true);
    w.aktina1->setSliderPosition(300);
    EXPECT_EQ(w.aktina1->toolTip(), "Ακτίνα1 = 300");
}

// A screen reader can say what every control and menu is: its caption, or
// for a scroll bar what the box or label beside it says.
TEST_F(KeyboardTest, EveryControlAndMenuHasAnAccessibleName) {
    openSingleRay();
    single().Command1->click();
    openHyperbolic();
    const std::pair<QScrollBar*, const char*> bars[] = {
        {lentoi().desmi1, "Number of Rays Αριθμός ακτινών"},
        {lentoi().deiktisdiathlasis, "Index of Refraction Δείκτης Διάθλασης"},
        {lentoi().aktina1, "Ακτίνα1"},
        {lentoi().aktina2, "Ακτίνα2"},
        {lentoi().kentrokykloy, "Κέντρο δεξί κύκλου"},
        {lentoi().arvimaton, "Πολλαπλασιαστής ακτίνων"},
        {single().aktina1, "Ακτίνα 1"},
        {single().aktina2, "Ακτίνα 2"},
        {single().deiktisdiathlasis, "Index of Refraction n"},
        {single().kentrokykloy, "Κέντρο δεξιά"},
        {choice().deiktissahl, "INDEX OF REFRACTION Δείκτης Διάθλασης"},
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
    // lens-data panels of the workbench and ElSahl.
    EXPECT_EQ(named, 22 + 6 + 9 + 5 + 3 + 4 + 2);
}
