#include "window_bench.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "fonts.h"
#include "heatsource.h"
#include "scheme_views.h"
#include "image_canvas.h"
#include "lang.h"
#include "modelchoice.h"
#include "msgbox.h"
#include "program_state.h"
#include "scheme_at_dialog_values.h"
#include "vector_state.h"

namespace {

constexpr int image_width = 1000;
constexpr int image_height = 700;
constexpr Rgb window_text_colour{128, 0, 0};

// Once per program: the cooling-rate window writes its file into the
// current directory.
void start_program()
{
    static const bool started = [] {
        const auto folder = std::filesystem::temp_directory_path() / "velmarin_bench_windows";
        std::filesystem::create_directories(folder);
        std::filesystem::current_path(folder);
        // VELMARIN_BENCH_WORKERS=n: sweep points on n workers (1: in turn),
        // to see what a machine of fewer cores waits.
        if (const char* workers = std::getenv("VELMARIN_BENCH_WORKERS")) set_point_workers(std::atoi(workers));
        return true;
    }();
    (void)started;
}

// Seconds one call of the window takes, right after `before` ran on the same
// thread.
template <class Before>
double timed_call(const WindowCall& call, Canvas& dc, Before before)
{
    before();
    const auto start = std::chrono::steady_clock::now();
    call(dc);
    benchmark::ClobberMemory();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Every iteration calls the window twice on the same thread: right after
// drawing (the image filled white, as the frame draws the blank window
// before a command), which is the iteration's time, and with the vector
// state cleared instead, the counter "clean_seconds". The two calls take
// turns at going first, and a busy machine slows both alike, so their ratio
// is what drawing costs the computation after it.
void run(benchmark::State& state, const Column& column, const WindowCall& call)
{
    start_program();
    // Each row from the state the program starts in, whatever the rows
    // before it left.
    reset_program_state();
    if (column == Column::scheme5_program_start) {
        // Scheme 5 with the block the program starts with: unlike the data
        // dialog's values, these heat the dialogs' start point past 850 °C,
        // so its sweeps compute every point.
        install_scheme(5);
    } else if (column.scheme != 0 && !install_scheme_at_dialog_values(column.scheme)) {
        state.SkipWithError("the scheme cannot be installed at its start values");
        return;
    }
    ImageCanvas image(image_width, image_height);
    Canvas& dc = image.canvas();
    dc.set_text_color(window_text_colour);
    const Rect whole{0, 0, image_width, image_height};
    const auto draw = [&] { dc.fill_rect(whole, Rgb{255, 255, 255}); };
    const auto nothing = [] { clear_upper_vector_state(); };
    double clean = 0;
    bool drawn_first = true;
    for (auto _ : state) {
        double after_drawing = 0;
        if (drawn_first) {
            after_drawing = timed_call(call, dc, draw);
            clean += timed_call(call, dc, nothing);
        } else {
            clean += timed_call(call, dc, nothing);
            after_drawing = timed_call(call, dc, draw);
        }
        drawn_first = !drawn_first;
        state.SetIterationTime(after_drawing);
    }
    state.counters["clean_seconds"] = benchmark::Counter(clean, benchmark::Counter::kAvgIterations);
    message_box_take_log();
}

void settings(benchmark::internal::Benchmark* b)
{
    // Sweeps may run on several threads: the wall clock is what a user
    // waits, timed by the benchmark itself around the call after drawing.
    b->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(0.2);
}

}  // namespace

void register_window(const std::string& family, std::span<const int> schemes, WindowCall call)
{
    std::vector<Column> columns;
    for (int s : schemes) {
        columns.push_back(Column{s});
        if (s == 5) columns.push_back(Column::scheme5_program_start);
    }
    for (const Column& c : columns) {
        settings(benchmark::RegisterBenchmark((family + "/scheme:" + c.name()).c_str(),
                                              [c, call](benchmark::State& state) { run(state, c, call); }));
    }
}

void register_window(const std::string& family, WindowCall call)
{
    settings(benchmark::RegisterBenchmark(family.c_str(), [call](benchmark::State& state) { run(state, Column{0}, call); }));
}
