#pragma once

namespace optics {

// A point of a lens window's plane, in its user units.
struct Point {
    double x = 0;
    double y = 0;
};

// A unit direction of travel.
struct Direction {
    double x = 0;
    double y = 0;
};

} // namespace optics
