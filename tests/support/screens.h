#pragma once

class QScreen;

namespace testing_support {

// The device pixel ratios of the offscreen screens the Qt tests run on; the
// first is the primary screen's.
inline constexpr double kScreenRatios[] = {1, 1.25, 1.5, 2, 3};

// The screen with that ratio; nullptr when there is none.
QScreen* screenWithRatio(double ratio);

} // namespace testing_support
