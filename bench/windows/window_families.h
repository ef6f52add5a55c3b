// The families of window benchmarks, registered in the order of the table.
#pragma once

void register_heat_windows();
void register_steel_model_windows();
void register_atlas_windows();
void register_sweep_workers();
