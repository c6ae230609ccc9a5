#pragma once

#include "optics/shared/source.h"

#include <array>
#include <vector>

namespace optics::hyperbolic {

using optics::SharedSource;

constexpr int kMaxRecordedRay = 500; // the ray records hold rays 0..500
constexpr int kMaxFrontRay = 600;    // the front tables hold rays 0..600
constexpr int kMaxFront = 1200;      // and fronts 0..1200 on each ray

// A (ray, front) table of wave-front coordinates. 601 x 1201 doubles is
// 5.8 MB, so it lives on the heap.
class FrontTable {
  public:
    FrontTable();
    // Callers keep 0 <= ray <= kMaxFrontRay and 0 <= front <= kMaxFront.
    double& operator()(int ray, int front);
    double operator()(int ray, int front) const;
    // Sets rays 0..lastRay, fronts 0..lastFront to 0.
    void clear(int lastRay, int lastFront);

  private:
    std::vector<double> values_;
};

// The module state of Ibn Sahl's lenses (protosfakos). Lengths are user
// units of the ElSahl window.
struct Protosfakos {
    explicit Protosfakos(SharedSource& source) : shared(source) {}

    double nsahl = 0;        // index of the glass; the surroundings have 1
    bool amfikyrtos = false; // the biconvex lens is shown
    bool monokymata = false; // "ONLY WAVES" was the last option clicked

    // Recorded ray i (i = the value of plithosaktinon when it was traced):
    // where it enters and leaves the glass and its unit direction after.
    using Positions = std::array<double, kMaxRecordedRay + 1>;
    using Directions = std::array<float, kMaxRecordedRay + 1>;
    Positions eisodosX{}, eisodosY{};
    Positions exodosX{}, exodosY{};
    Directions exodosCos{}, exodosSin{};

    // Front j of recorded ray i; front 0 is the ray's start.
    FrontTable metopoX, metopoY;

    int aktinaKatagrafi = 0; // raised when the current ray was recorded
    SharedSource& shared;    // plithosaktinon, pigiX, pigiY

    // Every drawing starts with no recorded ray.
    void startDrawing();
    // Zeroes the six ray records.
    void clearRays();
    // The number of recorded rays that the records can hold: plithosaktinon
    // is shared with the spherical module, so it is bounded before use.
    int recordedRays() const;
};

} // namespace optics::hyperbolic
