#pragma once

#include "canvas/color.h"
#include "optics/wavefield/focus.h"
#include "optics/wavefield/grid.h"
#include "windows/wavefield/wavefieldmode.h"

#include <QImage>
#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QWidget;

namespace canvas {
class CanvasWidget;
}

namespace windows {

// A field computed for one request: its values on the drawing's logical
// pixels, row after row from the top.
struct ComputedField {
    std::uint64_t generation = 0;
    optics::wavefield::Grid grid;
    // Logical pixels across and down to each point of the grid: more than
    // one for the coarse preview that comes first.
    int step = 1;
    std::vector<optics::wavefield::ComplexF> values;
    float peak = 0;    // the amplitude the colours run up to
    std::string error; // why there is no field
    // Where its light is brightest and how good that focus is; computed
    // after the field, empty until then.
    std::optional<optics::wavefield::Focus> focus;
};

// The true wave field of the light, behind a window's picture: only pixels
// of the colours behind it (the background, the glass's fill) take the
// field's colour, so every mark drawn stays on top unchanged. F3 cycles no
// field, intensity, wave.
//
// The field follows every picture the canvas shows: each refresh asks for
// the field of what is drawn now, computed on a worker; a newer request
// cancels the older one, and a result reaches the screen only if it belongs
// to the latest request (its generation). Until then no field shows, so a
// field never lies behind a picture it was not computed for. Each request
// brings a coarse preview first, then the full field.
class WaveFieldLayer : public QObject {
    Q_OBJECT
  public:
    // setup: the light, lens and screen the picture shows (none: no light);
    // behind: the colours the field replaces. dotsWavelength is the spacing
    // of the window's dots and fronts, the field's wavelength to start with.
    WaveFieldLayer(QWidget& window, canvas::CanvasWidget& canvas, double dotsWavelength,
                   std::function<std::optional<optics::wavefield::Setup>()> setup,
                   std::function<std::vector<canvas::Color>()> behind);
    ~WaveFieldLayer() override;

    WaveFieldMode mode() const { return mode_; }
    void setMode(WaveFieldMode mode);
    // F3: no field, intensity, wave, no field.
    void cycle();

    double wavelength() const { return wavelength_; }
    double dotsWavelength() const { return dotsWavelength_; }
    // [ and ]: halves and doubles the field's wavelength, from the dots'
    // spacing down to an eighth of it.
    void setWavelength(double wavelength);
    void halveWavelength() { setWavelength(wavelength_ / 2); }
    void doubleWavelength() { setWavelength(wavelength_ * 2); }

    // Asks for the field of the picture as it is drawn now, unless the one
    // shown or on its way is already that.
    void request();
    std::uint64_t generation() const { return generation_; }
    // A computed field: shown if it answers the latest request, else dropped.
    void deliver(const ComputedField& field);
    // The focus of the field shown, once found; ignored for any other.
    void deliverFocus(std::uint64_t generation,
                      const std::optional<optics::wavefield::Focus>& focus);
    // The field shown now; none while it is being computed or off.
    const ComputedField* shownField() const { return shown_ ? &*shown_ : nullptr; }
    // Waits for the field on its way and shows it (pictures without a display).
    void waitForField();

    // from with the field's colours in place of the behind colours, and the
    // legend, written to into (from's size and format); false while the
    // field is off, into untouched.
    bool composite(const QImage& from, QImage& into) const;

    // The wave's phase in turns: one turn a second while the wave shows.
    double phase() const { return phase_; }
    void setPhase(double turns);
    void tick();

  signals:
    // A field, or its focus, is shown, or none any more: the lens data
    // follows.
    void changed();

  private:
    void paintLegend(QImage& image) const;

    canvas::CanvasWidget& canvas_;
    std::function<std::optional<optics::wavefield::Setup>()> setup_;
    std::function<std::vector<canvas::Color>()> behind_;
    WaveFieldMode mode_ = WaveFieldMode::Off;
    double dotsWavelength_;
    double wavelength_;
    std::uint64_t generation_ = 0;
    // What the latest request was for.
    std::optional<std::pair<optics::wavefield::Setup, optics::wavefield::Grid>> requested_;
    std::shared_ptr<std::atomic<bool>> cancel_;
    std::optional<ComputedField> shown_;
    double phase_ = 0;
    QTimer animation_;
    QThreadPool pool_;
};

// The screen if the light meets it: light that starts at x = fromX and
// travels towards the lens at x = lensX passes the screen only when the
// screen lies that way (before the lens or past it); a screen behind the
// source stops nothing.
std::optional<optics::wavefield::Screen> screenOnTheWay(double fromX, double lensX,
                                                        const optics::wavefield::Screen& screen);

// The colour scales: perceptually uniform and readable by the colour-blind,
// paled so that the picture's marks stand out over them. t runs from 0 to 1.
canvas::Color intensityColour(double t);
canvas::Color waveColour(double t);

} // namespace windows
