#pragma once

#include "shell/setup.h"

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QUndoStack>

namespace shell {

class Application;

// The program's one history of undo and redo: each step is the set-up of
// every window before and after one completed user action, so whatever a
// window's set-up value holds is undone with it, and no image is kept.
//
// A step is found, not announced: the history watches the program's input,
// and when an input has ended (a button or key let go, a wheel turned) it
// compares the program's set-up with the one it recorded last. Handlers
// need not know about undo, and a press-drag-release, a dialog answered or
// a file opened is one step however many values it moved on the way. What
// changes with no input (an animation running on) is no step of its own:
// the next input finds it and gives it to the step that started it, so that
// step's redo shows what was shown.
class History : public QObject {
    Q_OBJECT
  public:
    // The steps kept; older ones are forgotten.
    static constexpr int kSteps = 200;

    explicit History(Application& app);

    // Starts watching, from the program as it now is.
    void start();
    // The step before or after the program's place in the history, given
    // with front's shared state; nothing at either end. Neither is a step.
    void undo(FrontWindow front);
    void redo(FrontWindow front);

    const QUndoStack& steps() const { return stack_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    class Step;
    // How an input came, for a run of keys or wheel turns on one scroll bar
    // to make one step.
    struct Origin {
        QEvent::Type type = QEvent::None;
        const QObject* target = nullptr;
    };

    void beginInput();
    void endInput(QEvent::Type type, const QObject* target);
    void check();
    Setup current();
    void restore(const Setup& setup);

    Application& app_;
    QUndoStack stack_;
    bool watching_ = false;
    Setup recorded_;       // the program as the history has it now
    bool pending_ = false; // an input ended that the history has not yet compared
    Origin origin_;        // the first such input
    QTimer retry_;
    FrontWindow front_ = FrontWindow::Lentoi;
};

} // namespace shell
