// The points alone of scheme 5's energy sweep and HAZ profile, with the
// block the program starts with, on 1, 2, 4 and 8 workers: the 50 cooling
// times of the energy sweep at the dialog's start record and the HAZ
// profile's 50 points, without the drawing and the atlas files that the
// windows add to them, to see how the computation itself spreads over cores.
#include "window_families.h"

#include <benchmark/benchmark.h>

#include <string>

#include "dialog_start_records.h"
#include "heatsource.h"
#include "program_state.h"
#include "scheme_views.h"
#include "seyffarth_sweeps.h"
#include "steel_window_sweep.h"
#include "vector_state.h"

namespace {

void energy_sweep_points()
{
    const RegimeGuard guard;
    benchmark::DoNotOptimize(run_steel_sweep(guard, RegimeSweep::energy, energy_start, 50, false));
}

void haz_profile_points()
{
    benchmark::DoNotOptimize(compute_haz_profile(properties_start[1], properties_start[2], properties_start[3], 50));
}

void points(benchmark::State& state, void (*compute)(), int workers)
{
    reset_program_state();
    install_scheme(5);
    set_point_workers(workers);
    clear_upper_vector_state();
    for (auto _ : state) compute();
    set_point_workers(0);
}

}  // namespace

void register_sweep_workers()
{
    struct Family {
        const char* name;
        void (*compute)();
    };
    for (const Family& family : {Family{"scheme5_energy_sweep_points", energy_sweep_points},
                                 Family{"scheme5_haz_profile_points", haz_profile_points}})
        for (int workers : {1, 2, 4, 8})
            benchmark::RegisterBenchmark((std::string(family.name) + "/workers:" + std::to_string(workers)).c_str(),
                                         points, family.compute, workers)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime()
                ->MinTime(0.2);
}
