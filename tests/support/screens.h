#pragma once

#include <QString>

class QScreen;

namespace testing_support {

// The device pixel ratios of the offscreen screens the Qt tests run on.
inline constexpr double kScreenRatios[] = {1, 1.25, 1.5, 2, 3};

// Made before the QApplication, which reads it: the offscreen platform with
// one 800x600 screen per ratio, the first (ratio 1) the primary one. All lie
// at the same place, so a window keeps the screen it is given when shown.
// The file that describes them is removed with this object.
class OffscreenScreens {
  public:
    OffscreenScreens();
    ~OffscreenScreens();
    OffscreenScreens(const OffscreenScreens&) = delete;
    OffscreenScreens& operator=(const OffscreenScreens&) = delete;

  private:
    QString path_;
};

// The screen with that ratio; nullptr when there is none.
QScreen* screenWithRatio(double ratio);

} // namespace testing_support
