#pragma once

namespace optics {

// The recorded-ray counter and the point-source position. They exist once in
// the program: the spherical and the hyperbolic modules both use this copy.
struct SharedSource {
    int plithosaktinon = 0;
    double pigiX = 0;
    double pigiY = 0;
};

} // namespace optics
