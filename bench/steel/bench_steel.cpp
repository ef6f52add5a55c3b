// Steel-model evaluations per second: a sweep window evaluates a model at
// every one of its points, a chemistry sweep 50 times per curve.
#include "ion_model.h"
#include "kasatkin_model.h"

#include <benchmark/benchmark.h>

static void kasatkin_evaluations(benchmark::State& state)
{
    KasatkinSteel steel;
    steel.parse_composition("0.15 0.3 1.0 0.012 0.02 0.1 0.05 0.05 0.02 0.01 0.01 0 0.02 0.008 0.03 0");
    double t = 1.0;
    for (auto _ : state) {
        kasatkin_evaluate(steel, t);
        benchmark::DoNotOptimize(steel.hv);
        t = t < 300.0 ? t * 1.07 : 1.0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(kasatkin_evaluations);

static void ion_evaluations(benchmark::State& state)
{
    IonSteel steel;
    steel.parse_composition("0.15 0.3 1.0");
    double t = 1.0;
    for (auto _ : state) {
        ion_evaluate(steel, t);
        benchmark::DoNotOptimize(steel.hv);
        t = t < 300.0 ? t * 1.07 : 1.0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ion_evaluations);

// One chemistry sweep as its window runs it: 50 steps of one element.
static void kasatkin_chemistry_sweep(benchmark::State& state)
{
    KasatkinSteel steel;
    steel.parse_composition("0.15 0.3 1.0");
    for (auto _ : state) {
        for (int i = 0; i < 50; ++i) {
            steel.kasatkin_vary_element(0, i, 50);
            kasatkin_evaluate(steel, 10.0);
            benchmark::DoNotOptimize(steel.hv);
        }
    }
    state.SetItemsProcessed(state.iterations() * 50);
}
BENCHMARK(kasatkin_chemistry_sweep);

static void composition_lines(benchmark::State& state)
{
    CompositionRecord record;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            record.parse_composition("0.15 0.3 1.0 0.012 0.02 0.1 0.05 0.05 0.02 0.01 0.01 0 0.02 0.008 0.03 0"));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(composition_lines);
