#include "shell/firstpaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace shell {

namespace {

class FirstPaintWatcher : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // The paint itself runs first; the loop ends right after it.
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        }
        return false;
    }
};

} // namespace

void quitAfterFirstPaintIfAsked(QWidget& widget) {
    if (qEnvironmentVariableIsEmpty("FAKOI_QUIT_AFTER_FIRST_PAINT"))
        return;
    widget.installEventFilter(new FirstPaintWatcher(&widget));
}

} // namespace shell
