// The heat-source core in one header, for callers that use the whole model:
// the model and its installation, the schemes, the numeric helpers, the
// solvers on the current model and the point workers. A file that uses one
// of these alone includes its own header.
#pragma once

#include "model.h"
#include "numerics.h"
#include "point_workers.h"
#include "schemes.h"
#include "solvers.h"
