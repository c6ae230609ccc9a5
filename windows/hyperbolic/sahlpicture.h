#pragma once

namespace windows {

// Ibn Sahl's option buttons "ONLY WAVES", "RAYS WAVES" and "Only Rays".
enum class SahlOption { kymataYESNO, RAYSANDWAVES, onlyrays };

// What the hyperbolic-lens window shows, as a small value that can be kept
// and drawn again: nothing, the lens with a point source's fan, or the lens
// with a parallel beam; and, over it, what "WAVES" drew. The stop is where
// it is at the time it is drawn; choosing an option or moving the lens
// choice's index bar draws nothing again, so each drawing keeps the option
// and the index it was drawn with.
struct SahlPicture {
    enum class Drawing { Nothing, PointSource, Beam };

    Drawing drawing = Drawing::Nothing;
    bool biconvex = false; // the lens drawn: biconvex, else plano-convex
    double sourceX = 0;    // PointSource: the source, in the window's scale
    double sourceY = 0;
    double beamAngleDeg = 0;                         // Beam: the direction against the horizontal
    SahlOption drawnWith = SahlOption::RAYSANDWAVES; // PointSource, Beam
    double index = 0;                                // PointSource, Beam: of the lens
    // "WAVES": the fan and its fronts drawn over the picture from this source.
    bool waves = false;
    double wavesX = 0;
    double wavesY = 0;
    SahlOption wavesDrawnWith = SahlOption::RAYSANDWAVES;
    double wavesIndex = 0;

    bool operator==(const SahlPicture&) const = default;
};

} // namespace windows
