#include "shell/setupfile.h"
#include "tests/support/program.h"
#include "windows/lens_data/lensdatapanel.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include <functional>
#include <map>
#include <string>

// A set-up saved by one program and opened in a fresh one: the second saves
// the same file, shows the same windows and draws the same pictures, pixel
// for pixel, controls over the drawing included.

namespace {

constexpr int kShift = canvas::ShiftKey;

struct Program {
    testing_support::ScriptedDialogs dialogs;
    bool ended = false;
    std::unique_ptr<shell::Application> app;

    Program() : app(testing_support::startProgram(dialogs, ended)) {}

    QByteArray save(const windows::FormWindow& from, const QString& path) {
        dialogs.chooseFile(path);
        app->saveSetup(from);
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void open(const QString& path) {
        dialogs.chooseFile(path);
        app->openSetup();
    }
};

// What the user does in the first program, and the window asked to save;
// the second opens that file, or a file of a few fields when one is given,
// which leave the rest at the start values.
struct Row {
    const char* name;
    std::function<windows::FormWindow&(shell::Application&, testing_support::ScriptedDialogs&)> act;
    const char* fewFields = nullptr;
};

void press(windows::Lentoi& w, double x, double y) {
    w.Form_MouseDown(canvas::LeftButton, kShift, x, y);
    w.Form_MouseUp(canvas::LeftButton, kShift, x, y);
}

windows::FormWindow& fanWavesToTheEnd(shell::Application& app) {
    windows::Lentoi& w = app.lentoi();
    checkBox(w, "Check2")->click();
    press(w, -280, 30);
    w.kymatachronika_Click();
    while (formTimer(w, "Timer1")->Enabled())
        w.Timer1_Timer();
    return w;
}

windows::FormWindow& bundleWavesHalfway(shell::Application& app,
                                        testing_support::ScriptedDialogs& dialogs) {
    windows::Lentoi& w = app.lentoi();
    checkBox(w, "Check1")->click();
    dialogs.answer("-10");
    w.EPANALIPSI_Click();
    w.parallilakymata_Click();
    for (int k = 0; k < 120; ++k)
        w.Timer2_Timer();
    // A Shift-press on a blade moves the source and draws no fan.
    w.Form_MouseDown(canvas::LeftButton, kShift, w.upperBlade().X1, w.surface().ScaleTop() - 5);
    return w;
}

windows::FormWindow& singleRay(shell::Application& app) {
    menuItem(app.lentoi(), "singleray")->trigger();
    windows::Moniaktina& w = app.moniaktina();
    scrollBar(w, "aktina2")->setValue(150);
    scrollBar(w, "deiktisdiathlasis")->setValue(170);
    w.Form_MouseDown(canvas::LeftButton, kShift, -250, 80);
    w.Form_MouseUp(canvas::LeftButton, kShift, 10, -20);
    return w;
}

windows::FormWindow& movedStop(shell::Application& app) {
    menuItem(app.lentoi(), "SAHLIC")->trigger();
    scrollBar(app.eisagogiko(), "deiktissahl")->setValue(180);
    commandButton(app.eisagogiko(), "Command1")->click();
    windows::ElSahl& w = app.elSahl();
    optionButton(w, "onlyrays")->click();
    w.Form_MouseDown(canvas::LeftButton, 0, 130, 50);
    w.Form_MouseUp(canvas::LeftButton, 0, 120, 30);
    w.Form_MouseDown(canvas::LeftButton, 0, 90, -30);
    return w;
}

windows::FormWindow& beamWithWaves(shell::Application& app,
                                   testing_support::ScriptedDialogs& dialogs) {
    menuItem(app.lentoi(), "SAHLIC")->trigger();
    commandButton(app.eisagogiko(), "Command2")->click();
    windows::ElSahl& w = app.elSahl();
    optionButton(w, "kymataYESNO")->click();
    dialogs.answer("15");
    w.parallilidesmifotos_Click();
    w.kymatikosahl_Click();
    return w;
}

const std::vector<Row>& rows() {
    using App = shell::Application;
    using Dialogs = testing_support::ScriptedDialogs;
    static const std::vector<Row> table = {
        {"start picture", [](App& app, Dialogs&) -> windows::FormWindow& { return app.lentoi(); }},
        {"lens alone after a click",
         [](App& app, Dialogs&) -> windows::FormWindow& {
             app.lentoi().Form_Click();
             return app.lentoi();
         }},
        {"the lens alone, all else as the program starts",
         [](App& app, Dialogs&) -> windows::FormWindow& {
             app.lentoi().Form_Click();
             return app.lentoi();
         },
         R"({"format": 1, "lentoi": {"drawn": "lens"}})"},
        {"radius and index bars moved there and back",
         [](App& app, Dialogs&) -> windows::FormWindow& {
             scrollBar(app.lentoi(), "aktina2")->setValue(91);
             scrollBar(app.lentoi(), "aktina2")->setValue(90);
             menuItem(app.lentoi(), "singleray")->trigger();
             scrollBar(app.moniaktina(), "deiktisdiathlasis")->setValue(151);
             scrollBar(app.moniaktina(), "deiktisdiathlasis")->setValue(150);
             scrollBar(app.eisagogiko(), "deiktissahl")->setValue(151);
             scrollBar(app.eisagogiko(), "deiktissahl")->setValue(150);
             return app.moniaktina();
         }},
        {"new lens, diaphragm moved, bundle drawn again",
         [](App& app, Dialogs&) -> windows::FormWindow& {
             windows::Lentoi& w = app.lentoi();
             scrollBar(w, "aktina1")->setValue(140);
             scrollBar(w, "HScroll1")->setValue(-30);
             scrollBar(w, "VScroll2")->setValue(20);
             return w;
         }},
        {"bundle at an angle with waves",
         [](App& app, Dialogs& dialogs) -> windows::FormWindow& {
             checkBox(app.lentoi(), "Check1")->click();
             dialogs.answer("20");
             app.lentoi().EPANALIPSI_Click();
             return app.lentoi();
         }},
        {"two fans of waves alone",
         [](App& app, Dialogs&) -> windows::FormWindow& {
             checkBox(app.lentoi(), "Check2")->click();
             press(app.lentoi(), -300, 60);
             press(app.lentoi(), -250, -40);
             return app.lentoi();
         }},
        {"an object dragged, a fan of waves over it, the lens data",
         [](App& app, Dialogs&) -> windows::FormWindow& {
             windows::Lentoi& w = app.lentoi();
             checkBox(w, "Check1")->click();
             w.Form_MouseDown(canvas::LeftButton, kShift | canvas::CtrlKey, -320, 50);
             w.Form_MouseMove(canvas::LeftButton, 0, -260, 45);
             w.Form_MouseUp(canvas::LeftButton, 0, -260, 45);
             press(w, -300, -40);
             windows::lensDataPanel(w)->toggle();
             return w;
         }},
        {"fan waves to the end",
         [](App& app, Dialogs&) -> windows::FormWindow& { return fanWavesToTheEnd(app); }},
        {"bundle waves halfway", bundleWavesHalfway},
        {"single ray window as opened",
         [](App& app, Dialogs&) -> windows::FormWindow& {
             menuItem(app.lentoi(), "singleray")->trigger();
             return app.moniaktina();
         }},
        {"single ray from the mark's layout place, its angles shown",
         [](App& app, Dialogs&) -> windows::FormWindow& {
             menuItem(app.lentoi(), "singleray")->trigger();
             windows::Moniaktina& w = app.moniaktina();
             w.Form_MouseUp(canvas::LeftButton, kShift, w.sourceMark().Left / 2,
                            w.sourceMark().Top / 2);
             windows::lensDataPanel(w)->toggle();
             return w;
         }},
        {"single ray from a moved mark",
         [](App& app, Dialogs&) -> windows::FormWindow& { return singleRay(app); }},
        {"plano-convex lens as chosen",
         [](App& app, Dialogs&) -> windows::FormWindow& {
             menuItem(app.lentoi(), "SAHLIC")->trigger();
             commandButton(app.eisagogiko(), "Command2")->click();
             return app.elSahl();
         }},
        {"biconvex lens, stop and source moved, only rays",
         [](App& app, Dialogs&) -> windows::FormWindow& { return movedStop(app); }},
        {"beam with waves over it", beamWithWaves},
        {"views zoomed and panned",
         [](App& app, Dialogs&) -> windows::FormWindow& {
             app.lentoi().zoomAbout(5, 200, 300);
             app.lentoi().panBy(-40, 25);
             windows::FormWindow& w = movedStop(app);
             w.zoomAtMiddle(-3);
             return w;
         }},
        {"both lens-data panels shown",
         [](App& app, Dialogs&) -> windows::FormWindow& {
             windows::lensDataPanel(app.lentoi())->toggle();
             windows::FormWindow& w = movedStop(app);
             windows::lensDataPanel(w)->toggle();
             return w;
         }},
        {"both wave fields shown, at shorter wavelengths",
         [](App& app, Dialogs&) -> windows::FormWindow& {
             app.lentoi().waveField().cycle();
             app.lentoi().waveField().halveWavelength();
             windows::FormWindow& w = movedStop(app);
             app.elSahl().waveField().setMode(windows::WaveFieldMode::Wave);
             for (int k = 0; k < 3; ++k)
                 app.elSahl().waveField().halveWavelength();
             return w;
         }},
        {"Ibn Sahl's window with nothing drawn",
         [](App& app, Dialogs&) -> windows::FormWindow& {
             menuItem(app.lentoi(), "SAHLIC")->trigger();
             scrollBar(app.eisagogiko(), "deiktissahl")->setValue(100);
             commandButton(app.eisagogiko(), "Command2")->click();
             return app.elSahl();
         }},
        {"back to the workbench from Ibn Sahl's lens",
         [](App& app, Dialogs&) -> windows::FormWindow& {
             movedStop(app);
             menuItem(app.elSahl(), "BACKFAKO")->trigger();
             commandButton(app.eisagogiko(), "Command3")->click();
             return app.eisagogiko();
         }},
    };
    return table;
}

// The pictures of the windows that show something of their own: the
// single-ray window once opened, Ibn Sahl's while shown or drawn on.
std::map<std::string, QImage> pictures(shell::Application& app) {
    app.lentoi().waveField().waitForField();
    app.elSahl().waveField().waitForField();
    std::map<std::string, QImage> shown{{"lentoi", app.lentoi().drawingImage()}};
    if (app.hasMoniaktina())
        shown["moniaktina"] = app.moniaktina().drawingImage();
    if (app.elSahl().isVisible() || app.elSahl().picture() != windows::SahlPicture{})
        shown["ElSahl"] = app.elSahl().drawingImage();
    return shown;
}

// Every text box and label of the workbench, the lens choice, and the
// single-ray window once opened in the first program: their words tell a
// bar moved since the start from one that never moved.
std::vector<std::string> texts(shell::Application& app, bool singleRay) {
    std::vector<std::string> shown;
    std::vector<QWidget*> windows{&app.lentoi(), &app.eisagogiko()};
    if (singleRay)
        windows.push_back(&app.moniaktina());
    for (const QWidget* window : windows) {
        for (const QLineEdit* box : window->findChildren<QLineEdit*>())
            shown.push_back(box->text().toStdString());
        for (const QLabel* label : window->findChildren<QLabel*>())
            shown.push_back(label->text().toStdString());
    }
    return shown;
}

std::vector<bool> visibility(shell::Application& app) {
    return {app.lentoi().isVisible(), app.hasMoniaktina() && app.moniaktina().isVisible(),
            app.elSahl().isVisible(), app.eisagogiko().isVisible()};
}

} // namespace

TEST(SetupRoundTrip, SavedOpenedAndSavedAgain) {
    QTemporaryDir dir;
    for (const Row& row : rows()) {
        Program first;
        windows::FormWindow& from = row.act(*first.app, first.dialogs);
        const QByteArray saved = first.save(from, dir.filePath("first.fakoi"));
        ASSERT_FALSE(saved.isEmpty()) << row.name;
        if (row.fewFields) {
            QFile few(dir.filePath("first.fakoi"));
            ASSERT_TRUE(few.open(QIODevice::WriteOnly | QIODevice::Truncate));
            few.write(row.fewFields);
        }
        Program second;
        second.open(dir.filePath("first.fakoi"));
        EXPECT_TRUE(second.dialogs.messages.isEmpty()) << row.name;
        EXPECT_EQ(visibility(*second.app), visibility(*first.app)) << row.name;
        // Asked from the lens choice, the window in front is the one shown.
        const QByteArray again = second.save(second.app->eisagogiko(), dir.filePath("again.fakoi"));
        EXPECT_EQ(again.toStdString(), saved.toStdString()) << row.name;
        const bool singleRay = first.app->hasMoniaktina();
        EXPECT_EQ(texts(*second.app, singleRay), texts(*first.app, singleRay)) << row.name;
        const std::map<std::string, QImage> expected = pictures(*first.app);
        const std::map<std::string, QImage> drawn = pictures(*second.app);
        for (const auto& [window, picture] : expected) {
            ASSERT_TRUE(drawn.count(window)) << row.name << ": " << window;
            EXPECT_TRUE(drawn.at(window) == picture) << row.name << ": " << window;
        }
    }
}

// A file that cannot be a set-up changes nothing: the windows keep what they
// had, shown as they were, and the message names the file and its fault.
TEST(SetupRoundTrip, ABadFileKeepsTheSetUpThereWas) {
    QTemporaryDir dir;
    const std::pair<QByteArray, const char*> rows[] = {
        {"<fakoi/>", "it is not JSON"},
        {R"({"format": 2, "front": "ElSahl"})", "newer than format 1"},
        {R"({"format": 1, "front": "moniaktina", "lentoi": {"aktina1": "90"}})",
         "\"lentoi.aktina1\" must be a finite number"},
        {R"({"format": 1, "front": "ElSahl", "ElSahl": {"source": {"x": "NaN", "y": 1}}})",
         "\"ElSahl.source.x\" must be a finite number"},
        {R"({"format": 1, "eisagogiko": {"deiktissahl": 1e999}})", "is not a finite number"},
    };
    Program program;
    windows::FormWindow& from = singleRay(*program.app);
    const QByteArray before = program.save(from, dir.filePath("before.fakoi"));
    const std::map<std::string, QImage> shown = pictures(*program.app);
    const std::vector<bool> visible = visibility(*program.app);
    for (const auto& [text, fault] : rows) {
        const QString path = dir.filePath("bad.fakoi");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();
        program.dialogs.messages.clear();
        program.open(path);
        ASSERT_EQ(program.dialogs.messages.size(), 1) << text.toStdString();
        const QString message = program.dialogs.messages.front();
        EXPECT_TRUE(message.contains(path) && message.contains(fault)) << message.toStdString();
        EXPECT_EQ(visibility(*program.app), visible) << text.toStdString();
        EXPECT_TRUE(pictures(*program.app) == shown) << text.toStdString();
        EXPECT_EQ(program.save(from, dir.filePath("after.fakoi")).toStdString(),
                  before.toStdString())
            << text.toStdString();
    }
}
