#pragma once

class QWidget;

namespace shell {

// For timing the start-up from outside: when the environment variable
// FAKOI_QUIT_AFTER_FIRST_PAINT is set, the program ends with status 0 as soon
// as the widget has been painted once. Otherwise nothing happens.
void quitAfterFirstPaintIfAsked(QWidget& widget);

} // namespace shell
