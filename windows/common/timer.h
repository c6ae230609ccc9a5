#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

namespace windows {

// A timer control: it ticks while Enabled and given a non-zero Interval.
// The platform period is at least 15 ms, so an Interval of 1 animates at a
// visible speed; the tick work itself reads Interval as the code set it.
class FormTimer : public QObject {
    Q_OBJECT
  public:
    static constexpr int kMinimumPeriodMs = 15;

    explicit FormTimer(std::function<void()> tick, QObject* parent = nullptr);

    int Interval() const { return interval_; }
    bool Enabled() const { return enabled_; }
    void setInterval(int ms);
    void setEnabled(bool enabled);
    // True while the platform timer is running (Enabled with an Interval).
    bool ticking() const { return timer_.isActive(); }

  private:
    void sync();

    QTimer timer_;
    std::function<void()> tick_;
    int interval_ = 0;
    bool enabled_ = false;
};

} // namespace windows
