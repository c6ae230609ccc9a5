#pragma once

#include <optional>
#include <vector>

namespace shell {

// A set-up: everything a user has set on the windows, and what each lens
// window drew last, so that the same picture can be drawn again. Every
// member starts at the value the program starts with, so a set-up read from
// a file that leaves a field out keeps that start value.
//
// Scroll bars and check boxes hold their controls' integer values. Positions
// are in the user units of their window (y upwards) and angles in degrees,
// as the user types them; these belong to no ranged control and may be any
// finite number, because the drawing clips whatever falls off the window.

struct SetupPoint {
    double x = 0;
    double y = 0;
    bool operator==(const SetupPoint&) const = default;
};

// A blade of a diaphragm or of the stop: its x and its inner end Y2. The
// outer end is always the window's top or bottom edge, so it is not kept.
struct SetupBlade {
    double x = 0;
    double Y2 = 0;
    bool operator==(const SetupBlade&) const = default;
};

enum class FrontWindow { Lentoi, Moniaktina, ElSahl };

struct LentoiSetup {
    // The picture is a base and the Shift-click fans drawn over it since,
    // oldest first. The base is the lens alone, the lens with the parallel
    // bundle at bundleAngle (the start picture has it at 0), or a wave
    // animation drawn up to waveSteps of its steps.
    enum class Drawing { Lens, Bundle, FanWaves, BundleWaves };
    // What the wave record holds, which the animations move: nothing, the
    // waves of the fan from recordedFan, or those of the bundle at
    // bundleAngle.
    enum class Recorded { Nothing, Fan, Bundle };
    static constexpr int kAnimationSteps = 240;

    int desmi1 = 20;
    int deiktisdiathlasis = 150;
    int aktina2 = 90;
    int aktina1 = 100;
    int kentrokykloy = 20;
    int kentrokykloy2 = -50;
    int arvimaton = 30;
    int HScroll1 = 0;
    int VScroll1 = 0;
    int VScroll2 = 0;
    int Check1 = 0;
    int Check2 = 0;
    SetupBlade Line1;
    SetupBlade Line2;
    // The upper blade turns red once VScroll1 has moved: the picture shows it.
    int line1BorderColor = 100 + 256 * 100; // RGB(100, 100, 0)
    SetupPoint pigi{-200, 0};
    double bundleAngleDeg = 0;
    Drawing drawn = Drawing::Bundle;
    int waveSteps = 0;
    std::vector<SetupPoint> fans{};
    Recorded recorded = Recorded::Nothing;
    SetupPoint recordedFan{};
    bool lensData = false; // the lens-data panel shows

    bool operator==(const LentoiSetup&) const = default;
};

struct MoniaktinaSetup {
    enum class Drawing { Outline, Ray };

    int aktina1 = 90;
    int aktina2 = 100;
    int deiktisdiathlasis = 150;
    int kentrokykloy = 100;
    // The upper left corner of the source mark, where the Shift-press put it.
    // Empty: the mark's place on the designer layout, which in user units
    // depends on the size of the screen.
    std::optional<SetupPoint> fos;
    SetupPoint aim; // where the last ray was aimed, when drawn is Ray
    Drawing drawn = Drawing::Outline;

    bool operator==(const MoniaktinaSetup&) const = default;
};

struct EisagogikoSetup {
    int deiktissahl = 150;

    bool operator==(const EisagogikoSetup&) const = default;
};

struct ElSahlSetup {
    // The option buttons "ONLY WAVES", "RAYS WAVES" and "Only Rays".
    enum class Option { kymataYESNO, RAYSANDWAVES, onlyrays };
    enum class Lens { PlanoConvex, Biconvex };
    // Nothing, the lens with the fan from source, or the lens with the
    // parallel beam at beamAngle; and, when waves is set, what "WAVES" drew
    // over it: the fan from source with its fronts.
    enum class Drawing { Nothing, Source, Beam };

    Option option = Option::RAYSANDWAVES;
    Lens lens = Lens::PlanoConvex;
    SetupBlade Line1{130, 10};
    SetupBlade Line2{130, -10};
    // The window's point source: where its fans start, the next "WAVES"
    // and the redraw after a move of the stop included.
    SetupPoint source{108, 25};
    double beamAngleDeg = 0;
    Drawing drawn = Drawing::Nothing;
    bool waves = false;
    bool lensData = false; // the lens-data panel shows

    bool operator==(const ElSahlSetup&) const = default;
};

struct Setup {
    FrontWindow front = FrontWindow::Lentoi;
    LentoiSetup lentoi;
    MoniaktinaSetup moniaktina;
    EisagogikoSetup eisagogiko;
    ElSahlSetup elSahl;

    bool operator==(const Setup&) const = default;
};

} // namespace shell
