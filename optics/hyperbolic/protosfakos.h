#pragma once

// The hyperbolic-lens module as the ElSahl window and the lens choice use it.

#include "optics/hyperbolic/biconvex.h"
#include "optics/hyperbolic/fronts.h"
#include "optics/hyperbolic/hyperbola.h"
#include "optics/hyperbolic/planoconvex.h"
#include "optics/hyperbolic/state.h"
#include "optics/hyperbolic/view.h"
