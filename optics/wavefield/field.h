#pragma once

// The scalar wave field of the light in the plane of a lens drawing.
//
// The wave is monochromatic and two-dimensional: wavenumber k = 2π/λ in air,
// n·k in the glass. Each region's field is a sum of Huygens wavelets (the
// Rayleigh–Sommerfeld integral with the large-kr form of the 2D Green's
// function, kernel √(k/2πr)·e^{i(kr − π/4)}·cos θ) from the boundary through
// which the light last entered it:
//   - before everything: the source's own wave, e^{ikr}/√r from a point, a
//     plane wave e^{ik·d·p} across a beam's band (nothing outside it); a
//     band not as high as the glass at the rim line only up to a line a few
//     wavelengths before the lens, and past it the wavelets of the band on
//     that line, so that its sharp edges, which are not a wave, spread from
//     there and the light beside the lens is one sum across the rim line;
//   - past a screen (the diaphragm or the stop): wavelets from its opening,
//     carrying the field that arrives there;
//   - inside the glass: wavelets from the face the light enters, carrying
//     the arriving field times the Fresnel amplitude transmission;
//   - in the air before, beside and behind the lens: the arriving field
//     plus what the glass changes in it. The field outside the glass is the
//     arriving field plus the wavelets of the change on a closed boundary
//     round the glass: none on the entry face (no reflected wave is formed);
//     on the exit face the traced light (optical path for the phase, the
//     width of each ray tube for the amplitude) less the arriving light,
//     taken at the exit wavelets where they cover the face from rim to rim,
//     else where it crosses the rim line within the lens's height (a curve
//     joining the same rims). One sum on both sides of the rim line,
//     so the light beside the lens meets the light from the exit face
//     without a seam there. These wavelets have Kirchhoff's obliquity
//     ½(cos θ + n·d), d the light's direction where it crosses: it vanishes
//     where a boundary would reflect into, so no false reflected wave comes
//     back before the lens, while the rims' edge waves do;
//   - blades across the lens stop, on their own line, the arriving light
//     beyond their tips as knife edges do (blade.h): before it enters the
//     glass, and in the air on both sides of the rim line alike, where the
//     arriving light the exit face takes away is cut as sharply as the
//     blades cut the traced rays. The light from the glass passes them.
// The phase is continuous across a face; the Fresnel power transmittance of
// both faces (for the field normal to the plane of the drawing) is applied
// unless Setup::fresnel is false; no reflected wave is formed. Screens absorb.
// Boundaries are sampled at λ/4 of their medium.
//
// The light must reach the lens from one side: a point source left or right
// of it (not above it or in the glass), a beam not along the faces. Light the
// glass reflects totally is lost. Within about a wavelength of a boundary
// the large-kr kernel and the spacing of the wavelets make the field rough.
//
// A Field is built once for a set-up (tracing and sampling, well under a
// millisecond for the workbench's start) and is then read only: any number
// of threads may evaluate it at once, so a window builds it on a worker,
// fills its grid with computeGrid or splits the rows among its own pool with
// computeRows (grid.h), and cancels through the flag they take when a newer
// picture comes. Lengths are the user units of the lens window.

#include "optics/lensdata/light.h"
#include "optics/lensdata/spherical_rays.h"
#include "optics/wavefield/blade.h"
#include "optics/wavefield/glass.h"

#include <complex>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace optics::wavefield {

using Complex = std::complex<double>;

// A parallel beam along (dx, dy) whose rays fill the band of offsets
// low..high across it, the offset of (x, y) being (−dy·x + dx·y)/|d|.
struct Beam {
    double dx = 1, dy = 0;
    double low = 0, high = 0;
    bool operator==(const Beam&) const = default;
};
using Light = std::variant<optics::lensdata::PointSource, Beam>;

// Ibn Sahl's lens cut from x²/a² − y²/b² = 1 (optics/hyperbolic).
struct SahlLens {
    double a = 0, b = 0, n = 0;
    bool biconvex = false;
    bool operator==(const SahlLens&) const = default;
};
using Lens = std::variant<std::monostate, optics::spherical::SphericalLens, SahlLens>;

// An absorbing screen on the line x: everything but the opening bottom..top.
struct Screen {
    double x = 0;
    double bottom = 0, top = 0;
    bool operator==(const Screen&) const = default;
};

// The part of the plane the field is wanted in: boundaries that run off the
// picture are sampled a little beyond it.
struct Region {
    double left = -600, bottom = -600, right = 600, top = 600;
    bool operator==(const Region&) const = default;
};

struct Setup {
    Lens lens;
    Light light;
    std::optional<Screen> screen;
    double wavelength = 25;
    Region region;
    bool fresnel = true;
    bool operator==(const Setup&) const = default;
};

// One boundary's wavelets: position, unit normal towards where they go,
// weight U·Δl·√(k/2π)·e^{−iπ/4} and lean; a wavelet adds
// w·(n·r̂ + lean)·e^{ikr}/√r at distance r along r̂ (lean 0: cos θ; Kirchhoff's
// obliquity: half the weight, lean n·d).
struct Wavelets {
    double k = 0;
    std::vector<double> x, y, nx, ny, lean;
    std::vector<Complex> w;
    // What a wavelet of the exit face also takes away of the arriving light,
    // a wavelet at the same place (empty: nothing).
    std::vector<double> awayLean;
    std::vector<Complex> away;
    // The first `lens` wavelets carry light that came through the lens (all
    // of them on boundaries other than those about the lens); the rest carry
    // light that missed it.
    std::size_t lens = 0;
    // Added to the wavelets: the field of this boundary (−1: the source's
    // own wave), where the wavelets stand for a change to it, less what
    // these blades take away of it.
    std::optional<int> plus;
    std::vector<Blade> blades;
};

class Field {
  public:
    explicit Field(const Setup& setup);

    // Empty when the set-up can be computed, else why not.
    const std::string& error() const { return error_; }
    double wavelength() const { return lambda_; }
    // Whether the set-up is symmetric about the axis, so that the field at
    // (x, −y) is the field at (x, y).
    bool symmetric() const;
    // The light in the computation's frame.
    const Light& light() const { return light_; }

    // The complex field at (x, y), summed in double precision.
    Complex at(double x, double y) const;

    // Which boundary's wavelets make the field at (x, y): −1 the source's own
    // wave, else an index into boundaries().
    int sourceOf(double x, double y) const;
    // The boundaries in the frame of the computation, whose x is the
    // drawing's times mirror() (the light there always travels towards +x).
    const std::vector<Wavelets>& boundaries() const { return stages_; }
    double mirror() const { return mirror_; }
    // The source's own wave at a point of the computation's frame.
    Complex incident(double x, double y) const;
    // A blade of boundaries() as this light meets it.
    template <class T> BladeFrame<T> frame(const Blade& blade) const {
        const auto* p = std::get_if<optics::lensdata::PointSource>(&light_);
        const Beam* b = std::get_if<Beam>(&light_);
        return bladeFrame<T>(blade, b != nullptr, p ? Vec{p->x, p->y} : Vec{},
                             b ? Vec{b->dx, b->dy} : Vec{});
    }

    // What sourceOf needs for one row of the computation's frame, so that a
    // row of points is classified without solving for the glass each time.
    struct Row {
        double y = 0;
        bool glassRow = false;
        double glassLeft = 0, glassRight = 0;
    };
    Row row(double y) const;
    int sourceIn(const Row& row, double x) const;

  private:
    void build(const Setup& setup);
    void traceExit(const Setup& setup, Wavelets& out, std::vector<double>& lengths) const;
    Complex sum(int stage, double x, double y) const;
    Complex fieldBefore(int stage, double x, double y) const;
    // The part of the arriving light at (x, y) that comes past the blades.
    Complex through(const std::vector<Blade>& blades, double x, double y) const;

    std::string error_;
    double lambda_ = 0, k_ = 0, mirror_ = 1;
    Light light_;
    std::optional<Screen> screen_; // in the computation's frame
    std::optional<Glass> glass_;
    std::vector<Wavelets> stages_;
    int screenStage_ = -1, glassStage_ = -1, frontStage_ = -1, afterStage_ = -1;
    // The boundary whose light reaches the lens (−1: the source's own wave).
    int feedStage_ = -1;
    // The line before the lens where a beam lower than the glass is made a
    // wave, and its wavelets' stage (−1: none).
    double bandX_ = 0;
    int bandStage_ = -1;
    bool screenFirst_ = true;
    bool screenAcross_ = false;
};

} // namespace optics::wavefield
