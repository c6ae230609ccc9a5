#include "shell/history.h"

#include "shell/application.h"
#include "shell/setupwindows.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QThread>

namespace shell {

namespace {

// No dialog, menu or nested event loop is open. While one is, the handler
// of the input that opened it has not finished, and what it has changed so
// far is only part of its step.
bool settled() {
    return !QApplication::activeModalWidget() && !QApplication::activePopupWidget() &&
           QThread::currentThread()->loopLevel() <= 1;
}

} // namespace

class History::Step : public QUndoCommand {
  public:
    Step(History& history, Setup before, Setup after, Origin origin)
        : history_(history), before_(std::move(before)), after_(std::move(after)), origin_(origin) {
    }

    void undo() override { history_.restore(before_); }
    // The first redo is the push: the program is already there.
    void redo() override {
        if (pushed_)
            history_.restore(after_);
        pushed_ = true;
    }
    int id() const override { return isRun() ? 1 : -1; }
    // Keys on one scroll bar, or wheel turns on one scroll bar or one
    // drawing, one after another, are one move of the bar or one zoom; a run
    // that comes back where it began is no step.
    bool mergeWith(const QUndoCommand* other) override {
        const auto& next = static_cast<const Step&>(*other);
        if (next.origin_.type != origin_.type || next.origin_.target != origin_.target)
            return false;
        after_ = next.after_;
        setObsolete(after_ == before_);
        return true;
    }
    void amend(Setup after) { after_ = std::move(after); }

  private:
    bool isRun() const {
        return origin_.type == QEvent::Wheel ||
               (origin_.type == QEvent::KeyRelease &&
                qobject_cast<const QAbstractSlider*>(origin_.target) != nullptr);
    }

    History& history_;
    Setup before_;
    Setup after_;
    Origin origin_;
    bool pushed_ = false;
};

History::History(Application& app) : app_(app) {
    stack_.setUndoLimit(kSteps);
    retry_.setSingleShot(true);
    retry_.setInterval(50);
    connect(&retry_, &QTimer::timeout, this, &History::check);
}

void History::start() {
    recorded_ = current();
    watching_ = true;
    QCoreApplication::instance()->installEventFilter(this);
}

// Every input is seen here before it is delivered, once for each widget it
// reaches on its way up; beginning and ending an input twice does no harm.
bool History::eventFilter(QObject* watched, QEvent* event) {
    if (!watching_ || !watched->isWidgetType())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride: beginInput(); break;
    case QEvent::Wheel:
        beginInput();
        endInput(event->type(), watched);
        break;
    case QEvent::MouseButtonRelease:
    case QEvent::KeyRelease: endInput(event->type(), watched); break;
    default: break;
    }
    return false;
}

void History::beginInput() {
    if (!settled())
        return;
    if (pending_) {
        check();
        return;
    }
    Setup now = current();
    if (now == recorded_)
        return;
    // Changed with no input since the last step: its animation ran on.
    if (stack_.index() > 0)
        static_cast<Step*>(const_cast<QUndoCommand*>(stack_.command(stack_.index() - 1)))
            ->amend(now);
    recorded_ = std::move(now);
}

// The input is handled after this returns: it is compared once the event
// loop is back.
void History::endInput(QEvent::Type type, const QObject* target) {
    if (!pending_) {
        pending_ = true;
        origin_ = {type, target};
    }
    QMetaObject::invokeMethod(this, &History::check, Qt::QueuedConnection);
}

void History::check() {
    if (!pending_)
        return;
    if (!settled()) {
        // An open dialog or menu is closed by an input of its own, which
        // checks again; a nested loop without one is on its way out.
        if (!QApplication::activeModalWidget() && !QApplication::activePopupWidget())
            retry_.start();
        return;
    }
    pending_ = false;
    Setup now = current();
    if (now == recorded_)
        return;
    stack_.push(new Step(*this, recorded_, now, origin_));
    recorded_ = std::move(now);
}

// The front window is no part of a step: undo and redo never move windows.
Setup History::current() {
    return captureSetup(app_, FrontWindow::Lentoi);
}

void History::undo(FrontWindow front) {
    beginInput();
    front_ = front;
    stack_.undo();
}

void History::redo(FrontWindow front) {
    beginInput();
    front_ = front;
    stack_.redo();
}

void History::restore(const Setup& setup) {
    Setup shown = setup;
    shown.front = front_;
    applyChanges(app_, recorded_, shown);
    recorded_ = current();
}

} // namespace shell
