#include "windows/common/timer.h"

#include <algorithm>

namespace windows {

FormTimer::FormTimer(std::function<void()> tick, QObject* parent)
    : QObject(parent), tick_(std::move(tick)) {
    connect(&timer_, &QTimer::timeout, this, [this] { tick_(); });
}

void FormTimer::setInterval(int ms) {
    interval_ = std::max(0, ms);
    sync();
}

void FormTimer::setEnabled(bool enabled) {
    enabled_ = enabled;
    sync();
}

void FormTimer::sync() {
    if (!enabled_ || interval_ == 0) {
        timer_.stop();
        return;
    }
    const int period = std::max(interval_, kMinimumPeriodMs);
    if (!timer_.isActive() || timer_.interval() != period)
        timer_.start(period);
}

} // namespace windows
