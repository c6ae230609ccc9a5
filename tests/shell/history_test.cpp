#include "shell/setupwindows.h"
#include "tests/support/program.h"

#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include <map>

// Each completed user action, made with real input, is one step of the one
// history: Ctrl+Z on a lens window brings back every window's set-up and
// picture as they were before it, Ctrl+Shift+Z and Ctrl+Y as after it.

namespace {

struct Shown {
    shell::Setup setup;
    std::map<std::string, QImage> pictures;
    bool operator==(const Shown&) const = default;
};

Shown shown(shell::Application& app) {
    app.lentoi().waveField().waitForField();
    app.elSahl().waveField().waitForField();
    Shown now{shell::captureSetup(app, shell::FrontWindow::Lentoi),
              {{"lentoi", app.lentoi().drawingImage()}}};
    // Ibn Sahl's window with nothing drawn shows nothing.
    if (app.elSahl().picture() != windows::SahlPicture{})
        now.pictures["ElSahl"] = app.elSahl().drawingImage();
    if (app.hasMoniaktina())
        now.pictures["moniaktina"] = app.moniaktina().drawingImage();
    return now;
}

// A press at (x, y) of the window's scale, the pointer taken to (x2, y2) and
// let go there, as the window system gives them.
void drag(windows::FormWindow& w, double x, double y, double x2, double y2,
          Qt::KeyboardModifiers keys = {}) {
    using testing_support::inWindow;
    QTest::mousePress(w.windowHandle(), Qt::LeftButton, keys, inWindow(w, x, y));
    QTest::mouseMove(w.windowHandle(), inWindow(w, x2, y2));
    QTest::mouseRelease(w.windowHandle(), Qt::LeftButton, keys, inWindow(w, x2, y2));
}

void click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

void menu(QMainWindow& w, const char* name) {
    QTest::mouseClick(w.menuBar(), Qt::LeftButton, {},
                      w.menuBar()->actionGeometry(menuItem(w, name)).center());
}

void keys(QWidget& w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    QTest::keyClick(&w, key, modifiers);
    // Long enough for an animation left running to draw on.
    QTest::qWait(10);
}

void activate(QWidget& w) {
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

} // namespace

using HistoryTest = ProgramTest;

TEST_F(HistoryTest, EachActionIsOneStepUndoneAndRedoneToItsPictures) {
    QTemporaryDir dir;
    const QString start = dir.filePath("start.fakoi");
    ASSERT_FALSE(app->saveSetupFile(start, shell::FrontWindow::Lentoi));
    const Shown atStart = shown(*app);
    windows::Lentoi& w = lentoi();
    struct Row {
        const char* name;
        const char* window; // where the keys are pressed, opened before the action
        std::function<void()> act;
    };
    const Row rows[] = {
        {"a click on a bar's track", "lentoi", [&] { click(scrollBar(w, "aktina1")); }},
        {"a check box", "lentoi", [&] { click(checkBox(w, "Check2")); }},
        {"a Shift-click fan", "lentoi", [&] { drag(w, -300, 60, -300, 60, Qt::ShiftModifier); }},
        {"waves started and running", "lentoi",
         [&] {
             menu(w, "kymatachronika");
             for (int k = 0; k < 30; ++k)
                 w.Timer1_Timer();
         }},
        {"the index moved while waves run", "lentoi",
         [&] {
             menu(w, "kymatachronika");
             for (int k = 0; k < 160; ++k) {
                 if (k == 80)
                     scrollBar(w, "deiktisdiathlasis")->setValue(170);
                 w.Timer1_Timer();
             }
         }},
        {"an answered angle prompt", "lentoi",
         [&] {
             dialogs.answer("20");
             menu(w, "EPANALIPSI");
         }},
        {"a drag of a centre", "lentoi",
         [&] {
             const double x = scrollBar(w, "kentrokykloy2")->value();
             drag(w, x, 0, x - 30, 0);
         }},
        {"a click that clears", "lentoi", [&] { drag(w, 0, -150, 0, -150); }},
        {"a single ray", "moniaktina",
         [&] { drag(app->moniaktina(), -250, 80, 10, -20, Qt::ShiftModifier); }},
        {"its index, which draws nothing", "moniaktina",
         [&] {
             QTest::keyClick(scrollBar(app->moniaktina(), "deiktisdiathlasis"), Qt::Key_Right);
         }},
        {"a lens chosen", "eisagogiko", [&] { click(commandButton(choice(), "Command1")); }},
        {"a drag of the stop", "ElSahl", [&] { drag(sahl(), 130, 50, 120, 30); }},
        {"an option, which draws nothing", "ElSahl",
         [&] { click(optionButton(sahl(), "onlyrays")); }},
        {"the lens choice's index, which draws nothing", "eisagogiko",
         [&] { QTest::keyClick(scrollBar(choice(), "deiktissahl"), Qt::Key_Right); }},
        {"a set-up opened", "ElSahl",
         [&] {
             dialogs.chooseFile(start);
             keys(sahl(), Qt::Key_O);
         }},
        {"a run of keys on one bar", "lentoi",
         [&] {
             for (int k = 0; k < 3; ++k)
                 QTest::keyClick(scrollBar(w, "aktina2"), Qt::Key_Right);
         }},
        {"a run of wheel turns, one zoom", "lentoi",
         [&] {
             for (int k = 0; k < 3; ++k)
                 testing_support::wheel(w, -120, w.canvasWidget().rect().center());
         }},
        {"a fresh start, from the lens choice", "eisagogiko", [&] { keys(choice(), Qt::Key_N); }},
        // These draw nothing: what is shown keeps the values it was drawn with.
        {"the ray count through Check1", "lentoi", [&] { click(checkBox(w, "Check1")); }},
        {"the index", "lentoi",
         [&] { QTest::keyClick(scrollBar(w, "deiktisdiathlasis"), Qt::Key_Right); }},
        {"a fan with the new index and ray count over the bundle drawn before", "lentoi",
         [&] { drag(w, -300, 60, -300, 60, Qt::ShiftModifier); }},
    };
    for (const Row& row : rows) {
        windows::FormWindow& window = open(row.window);
        activate(window);
        const Shown before = shown(*app);
        const int steps = app->history().steps().count();
        row.act();
        QCoreApplication::processEvents();
        // The keys go to the lens window the action left in front.
        const shell::FrontWindow front = shell::frontWindow(*app, nullptr);
        windows::FormWindow& lens = front == shell::FrontWindow::Lentoi ? w
                                    : front == shell::FrontWindow::ElSahl
                                        ? static_cast<windows::FormWindow&>(sahl())
                                        : app->moniaktina();
        activate(lens);
        const Shown after = shown(*app);
        EXPECT_TRUE(!(after == before) && app->history().steps().count() == steps + 1) << row.name;
        keys(lens, Qt::Key_Z);
        EXPECT_TRUE(shown(*app) == before) << row.name;
        keys(lens, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_TRUE(shown(*app) == after) << row.name;
        keys(lens, Qt::Key_Z);
        keys(lens, Qt::Key_Y);
        EXPECT_TRUE(shown(*app) == after && app->history().steps().count() == steps + 1)
            << row.name;
        if (std::string_view(row.name).starts_with("a fresh start")) {
            EXPECT_TRUE(after.setup == atStart.setup && !sahl().isVisible() &&
                        after.pictures.at("lentoi") == atStart.pictures.at("lentoi"));
        }
    }
}

// At either end of the history the keys change nothing; a text box with the
// focus takes them for its own text, and the program's history stays.
TEST_F(HistoryTest, TheEndsAndATextBoxChangeNothingElse) {
    windows::Lentoi& w = lentoi();
    activate(w);
    const Shown atStart = shown(*app);
    keys(w, Qt::Key_Z);
    ASSERT_TRUE(shown(*app) == atStart);
    drag(w, -300, 60, -300, 60, Qt::ShiftModifier);
    QCoreApplication::processEvents();
    const Shown fan = shown(*app);
    keys(w, Qt::Key_Y);
    EXPECT_TRUE(shown(*app) == fan);
    QLineEdit* box = textBox(w, "Text2");
    box->setFocus();
    const QString text = box->text();
    keys(*box, Qt::Key_5, Qt::NoModifier);
    ASSERT_NE(box->text(), text);
    keys(*box, Qt::Key_Z);
    EXPECT_TRUE(box->text() == text && app->history().steps().index() == 1);
    app->undo(w);
    for (const QKeyCombination redo : {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y})
        keys(*box, redo.key(), redo.keyboardModifiers());
    EXPECT_TRUE(shown(*app) == atStart && app->history().steps().index() == 0);
}
