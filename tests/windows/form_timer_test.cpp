#include "windows/common/timer.h"

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

using windows::FormTimer;

TEST(FormTimer, TicksOnlyWhenEnabledWithAnInterval) {
    int ticks = 0;
    FormTimer timer([&ticks] { ++ticks; });
    struct Row {
        bool enabled;
        int interval;
        bool ticking;
    };
    const Row rows[] = {{true, 0, false},
                        {false, 1, false},
                        {true, 1, true},
                        {true, 2000, true},
                        {false, 2000, false}};
    for (const Row& row : rows) {
        timer.setEnabled(row.enabled);
        timer.setInterval(row.interval);
        EXPECT_EQ(timer.ticking(), row.ticking) << row.enabled << " " << row.interval;
        EXPECT_EQ(timer.Interval(), row.interval);
    }
}

TEST(FormTimer, AnIntervalOfOneTicksAtTheVisiblePeriod) {
    int ticks = 0;
    FormTimer timer([&ticks] { ++ticks; });
    timer.setInterval(1);
    timer.setEnabled(true);
    QElapsedTimer clock;
    clock.start();
    QTest::qWait(150);
    const qint64 elapsed = clock.elapsed();
    // At most one tick per 15 ms: an Interval of 1 is not a busy loop.
    EXPECT_GT(ticks, 0);
    EXPECT_LE(ticks, elapsed / FormTimer::kMinimumPeriodMs + 1);
    EXPECT_EQ(timer.Interval(), 1);
}
