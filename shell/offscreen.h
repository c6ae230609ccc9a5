#pragma once

#include <QTemporaryFile>

namespace shell {

// Drawing without a display: the offscreen platform says at every show that
// it cannot raise a window or pass on size hints. Those notices are dropped;
// anything else it says still reaches the log.
void quietOffscreenNotices();

enum class WindowFrames { None, Thin };

// Qt's offscreen platform with one screen of the given size in pixels at
// 96 dpi, whose windows have no frame or a thin one (two pixels each side),
// so that a maximised window gets the screen the program was told of. Made
// before the QApplication, kept while it is made.
class OffscreenScreen {
  public:
    OffscreenScreen(int widthPx, int heightPx, WindowFrames frames);

  private:
    QTemporaryFile config_;
};

} // namespace shell
