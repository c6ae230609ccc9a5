#include "optics/hyperbolic/state.h"

#include <algorithm>
#include <cassert>
#include <cstddef>

namespace optics::hyperbolic {

namespace {
constexpr int kFrontColumns = kMaxFront + 1;

std::size_t cellIndex(int ray, int front) {
    assert(ray >= 0 && ray <= kMaxFrontRay && front >= 0 && front <= kMaxFront);
    return static_cast<std::size_t>(ray) * kFrontColumns + static_cast<std::size_t>(front);
}
} // namespace

FrontTable::FrontTable()
    : values_(static_cast<std::size_t>(kMaxFrontRay + 1) * kFrontColumns, 0.0) {}

double& FrontTable::operator()(int ray, int front) {
    return values_[cellIndex(ray, front)];
}

double FrontTable::operator()(int ray, int front) const {
    return values_[cellIndex(ray, front)];
}

void FrontTable::clear(int lastRay, int lastFront) {
    const int rays = std::clamp(lastRay, -1, kMaxFrontRay);
    const int fronts = std::clamp(lastFront, -1, kMaxFront);
    for (int ray = 0; ray <= rays; ++ray) {
        const auto row = values_.begin() + static_cast<std::ptrdiff_t>(cellIndex(ray, 0));
        std::fill(row, row + fronts + 1, 0.0);
    }
}

void Protosfakos::startDrawing() {
    shared.plithosaktinon = 0;
    aktinaKatagrafi = 0;
}

void Protosfakos::clearRays() {
    eisodosX.fill(0);
    eisodosY.fill(0);
    exodosX.fill(0);
    exodosY.fill(0);
    exodosCos.fill(0);
    exodosSin.fill(0);
}

int Protosfakos::recordedRays() const {
    return std::clamp(shared.plithosaktinon, 0, kMaxRecordedRay + 1);
}

} // namespace optics::hyperbolic
