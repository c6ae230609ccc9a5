#pragma once

#include <QTemporaryFile>

#include <span>

namespace shell {

// Drawing without a display: the offscreen platform says at every show that
// it cannot raise a window or pass on size hints. Those notices are dropped;
// anything else it says still reaches the log.
void quietOffscreenNotices();

enum class WindowFrames { None, Thin };

// Qt's offscreen platform with one screen of the given size in pixels at
// 96 dpi and ratio 1, whose windows have no frame or a thin one (two pixels
// each side), so that a maximised window gets the screen the program was
// told of. Further screens of the same size and place have the other device
// pixel ratios given, so a window can be moved to one. Made before the
// QApplication, kept while it is made.
class OffscreenScreen {
  public:
    OffscreenScreen(int widthPx, int heightPx, WindowFrames frames,
                    std::span<const double> otherRatios = {});

  private:
    QTemporaryFile config_;
};

} // namespace shell
