#pragma once

#include <optional>

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
    // The start picture is the lens with the horizontal bundle that the
    // window draws when it loads; a bundle at bundleAngle is the one asked
    // for with "// BUNDLE  DESMH"; a fan comes from the source pigi.
    enum class Drawing { StartPicture, LensOnly, Bundle, Fan };

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
    Drawing drawn = Drawing::StartPicture;

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
    // Waves is the "WAVES" redraw: the lens with its source and the fronts.
    enum class Drawing { Nothing, Source, Beam, Waves };

    Option option = Option::RAYSANDWAVES;
    Lens lens = Lens::PlanoConvex;
    SetupBlade Line1{130, 10};
    SetupBlade Line2{130, -10};
    SetupPoint source{108, 25};
    double beamAngleDeg = 0;
    Drawing drawn = Drawing::Nothing;

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
