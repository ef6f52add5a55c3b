#include "window_families.h"

namespace {

const bool registered = [] {
    register_heat_windows();
    register_steel_model_windows();
    register_atlas_windows();
    register_sweep_workers();
    return true;
}();

}  // namespace
