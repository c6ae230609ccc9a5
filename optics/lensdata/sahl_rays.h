#pragma once

#include "optics/hyperbolic/state.h"
#include "optics/lensdata/light.h"

#include <vector>

namespace optics::lensdata {

// The recorded rays of Ibn Sahl's lenses (plithosaktinon of them, bounded to
// what the records hold) as rays after the lens: exit point and direction
// from the records; optical path the air path from the light's front to the
// entry point plus nsahl times the straight path from entry to exit. The
// light is what the window last drew: its point source (pigiX, pigiY) or its
// beam, whose direction makes the paths independent of where the beam's rays
// were started.
std::vector<ExitRay> sahlExitRays(const optics::hyperbolic::Protosfakos& state, const Light& light);

} // namespace optics::lensdata
