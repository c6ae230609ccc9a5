#pragma once

#include "optics/lensdata/lens_data.h"
#include "optics/spherical/state.h"

#include <optional>
#include <utility>
#include <vector>

namespace windows {

// The light the workbench last sent through its lens, kept for the lens
// data: what it was, the lens it went through, and where its rays are.
struct SentLight {
    optics::lensdata::Light light;
    optics::spherical::SphericalLens lens;
    // Its waves were drawn: its rays are recordedCount rays of the wave
    // record from firstRecorded (those the record had room for).
    int firstRecorded = 0;
    int recordedCount = 0;
    // The starts the window traced, to be traced again without drawing and
    // without the record's rounding, and the diaphragm as it stood.
    std::vector<optics::lensdata::RayStart> starts;
    optics::spherical::Diaphragm diaphragm;
};

// The lens data of the lens shown and of the light sent through the lens it
// went through then (none: the lens was drawn alone), its wave-front error
// in waves of the given length (the wave field's).
optics::lensdata::SphericalLensData workbenchLensData(const optics::spherical::SphericalLens& lens,
                                                      const std::optional<SentLight>& sent,
                                                      double wavelength);

// Whether a drawing's waves become the wave record that the animations
// move, or leave it as it was (the bundle drawn again over its record).
enum class Recording { Kept, Discarded };

// What the workbench's lens data is of besides the lens on the controls: the
// light of the picture, and the light whose waves the record holds, which
// the animations show.
class WorkbenchLensData {
  public:
    const std::optional<SentLight>& light() const { return light_; }
    // The picture's light from now on; light that left waves in the record
    // it keeps is also the record's.
    void setLight(std::optional<SentLight> light, Recording recording) {
        if (light && light->recordedCount > 0 && recording == Recording::Kept)
            recordLight_ = light;
        light_ = std::move(light);
    }
    void showRecordLight() { light_ = recordLight_; }
    void forgetRecord() { recordLight_.reset(); }

  private:
    std::optional<SentLight> light_;       // none: the lens alone
    std::optional<SentLight> recordLight_; // none: the record holds no waves
};

} // namespace windows
