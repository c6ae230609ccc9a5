#pragma once

#include "windows/common/setupvalues.h"
#include "windows/workbench/lentoibars.h"

#include <optional>
#include <vector>

namespace windows {

// The controls' values a drawing reads that the controls change without
// drawing again: the index bar, the ray-count bars and the check boxes.
// Each part of a picture keeps those it was drawn with, so that it is drawn
// again as it was shown, whatever the controls hold now.
struct WorkbenchDrawing {
    int deiktisdiathlasis = lentoi_bars::deiktisdiathlasis.value;
    int desmi1 = lentoi_bars::desmi1.value;
    int arvimaton = lentoi_bars::arvimaton.value;
    bool Check1 = false;
    bool Check2 = false;

    bool operator==(const WorkbenchDrawing&) const = default;
};

// A point of the workbench's scale where a Shift-click put the source, and
// the values its fan was drawn with.
struct FanSource {
    double x = 0;
    double y = 0;
    WorkbenchDrawing drawnWith{};

    bool at(double px, double py) const { return x == px && y == py; }
    bool operator==(const FanSource&) const = default;
};

// The index bar moved while an animation ran: the frames from step on were
// drawn with its new value.
struct IndexChange {
    int step = 0;
    int deiktisdiathlasis = lentoi_bars::deiktisdiathlasis.value;

    bool operator==(const IndexChange&) const = default;
};

// What the workbench shows, as a small value that can be kept and drawn
// again: a base picture, the object arrow with its fan and its image, and
// the Shift-click fans drawn over them since, oldest first, each with the
// values it was drawn with. The lens's radii and centres and the diaphragm
// are the controls' values at the time it is drawn: moving them draws again.
struct WorkbenchPicture {
    enum class Base {
        Lens,           // the lens picture alone
        ParallelBundle, // the lens and the parallel bundle at bundleAngleRad
        FanWaves,       // the wave animation of the recorded point-source fan
        BundleWaves,    // the wave animation of the recorded parallel bundle
    };
    static constexpr int kAnimationSteps = 240; // the steps of a whole run

    Base base = Base::Lens;
    double bundleAngleRad = 0;  // ParallelBundle: the direction, as goniadesmis
    int animationSteps = 0;     // FanWaves, BundleWaves: the steps drawn so far
    WorkbenchDrawing drawnWith; // the base's
    // FanWaves, BundleWaves: each frame reads the index bar, so a bar moved
    // during the run bends the frames after it; in step order.
    std::vector<IndexChange> indexChanges;
    std::vector<FanSource> fans;
    // The tip of the object arrow (Ctrl+Shift-press), which stands on the
    // axis at the tip's x; none: no object.
    std::optional<FanSource> object;

    static WorkbenchPicture lens(const WorkbenchDrawing& drawnWith) {
        WorkbenchPicture picture;
        picture.drawnWith = drawnWith;
        return picture;
    }
    static WorkbenchPicture parallelBundle(double angleRad,
                                           const WorkbenchDrawing& drawnWith = {}) {
        WorkbenchPicture picture = lens(drawnWith);
        picture.base = Base::ParallelBundle;
        picture.bundleAngleRad = angleRad;
        return picture;
    }
    static WorkbenchPicture waves(Base animation, int steps, const WorkbenchDrawing& drawnWith) {
        WorkbenchPicture picture = lens(drawnWith);
        picture.base = animation;
        picture.animationSteps = steps;
        return picture;
    }

    // The index bar's value the animation's frame at step took.
    int indexBarAt(int step) const {
        int bar = drawnWith.deiktisdiathlasis;
        for (const IndexChange& change : indexChanges)
            if (change.step <= step)
                bar = change.deiktisdiathlasis;
        return bar;
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
    SetupPoint fan;               // Fan: where the fan came from
    WorkbenchDrawing drawnWith{}; // Fan, Bundle: the values its light was drawn with

    bool operator==(const WaveRecordContents&) const = default;
};

} // namespace windows
