#pragma once

#include "windows/common/setupvalues.h"

#include <optional>
#include <vector>

namespace windows {

// A point of the workbench's scale where a Shift-click put the source.
using FanSource = SetupPoint;

// What the workbench shows, as a small value that can be kept and drawn
// again: a base picture, the object arrow with its fan and its image, and
// the Shift-click fans drawn over them since, oldest first. The lens itself, the diaphragm and the
// check boxes are the controls' values at the time it is drawn.
struct WorkbenchPicture {
    enum class Base {
        Lens,           // the lens picture alone
        ParallelBundle, // the lens and the parallel bundle at bundleAngleRad
        FanWaves,       // the wave animation of the recorded point-source fan
        BundleWaves,    // the wave animation of the recorded parallel bundle
    };
    static constexpr int kAnimationSteps = 240; // the steps of a whole run

    Base base = Base::Lens;
    double bundleAngleRad = 0; // ParallelBundle: the direction, as goniadesmis
    int animationSteps = 0;    // FanWaves, BundleWaves: the steps drawn so far
    std::vector<FanSource> fans;
    // The tip of the object arrow (Ctrl+Shift-press), which stands on the
    // axis at the tip's x; none: no object.
    std::optional<FanSource> object;

    static WorkbenchPicture parallelBundle(double angleRad) {
        WorkbenchPicture picture;
        picture.base = Base::ParallelBundle;
        picture.bundleAngleRad = angleRad;
        return picture;
    }
    static WorkbenchPicture waves(Base animation, int steps) {
        WorkbenchPicture picture;
        picture.base = animation;
        picture.animationSteps = steps;
        return picture;
    }

    bool animationFinished() const { return animationSteps >= kAnimationSteps; }
    bool operator==(const WorkbenchPicture&) const = default;
};

// What the workbench's wave record holds, which its animations move: the
// waves of nothing, of the fan from a point, or of the parallel bundle at
// the bundle's angle (goniadesmis). A drawing with waves records them anew;
// a bundle drawn again over a record that already holds waves adds its own,
// and the record is still said to be that of the first drawing.
struct WaveRecordContents {
    enum class Kind { Nothing, Fan, Bundle };

    Kind kind = Kind::Nothing;
    FanSource fan; // Fan: where the fan came from

    bool operator==(const WaveRecordContents&) const = default;
};

} // namespace windows
