#include "window_bench.h"

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
#include "scheme_at_dialog_values.h"
#include "vector_state.h"

namespace {

constexpr int image_width = 1000;
constexpr int image_height = 700;
constexpr Rgb window_text_colour{128, 0, 0};

// Once per program: the cooling-rate window writes its file into the
// current directory, and a window's report must not wait for a click.
void start_program()
{
    static const bool started = [] {
        const auto folder = std::filesystem::temp_directory_path() / "velmarin_bench_windows";
        std::filesystem::create_directories(folder);
        std::filesystem::current_path(folder);
        message_box_set_record_mode(true);
        set_language(Language::english);
        init_fonts();
        // VELMARIN_BENCH_WORKERS=n: sweep points on n workers (1: in turn),
        // to see what a machine of fewer cores waits.
        if (const char* workers = std::getenv("VELMARIN_BENCH_WORKERS")) set_point_workers(std::atoi(workers));
        return true;
    }();
    (void)started;
}

// Scheme 5 with the block the program starts with: unlike the data dialog's
// values, these heat the dialogs' start point past 850 °C, so its sweeps
// compute every point.
void install_scheme5_program_start()
{
    current_model = HeatSourceModel{};
    install_start_scheme();
    install_scheme(5);
    ppr5_parameters = Ppr5Parameters{};
}

// What the thread has done just before a window computes.
enum class Before {
    drawing,   // drawn, as the frame draws the blank window before a command
    nothing,   // nothing: the vector state cleared, as on a thread that never drew
};

void run(benchmark::State& state, const Column& column, const WindowCall& call, Before before)
{
    start_program();
    if (column == Column::scheme5_program_start) {
        install_scheme5_program_start();
    } else if (column.scheme != 0 && !install_scheme_at_dialog_values(column.scheme)) {
        state.SkipWithError("the scheme cannot be installed at its start values");
        return;
    }
    ImageCanvas image(image_width, image_height);
    Canvas& dc = image.canvas();
    dc.set_text_color(window_text_colour);
    const Rect whole{0, 0, image_width, image_height};
    for (auto _ : state) {
        // What the thread did before is not the window's time.
        state.PauseTiming();
        if (before == Before::drawing) dc.fill_rect(whole, Rgb{255, 255, 255});
        else clear_upper_vector_state();
        state.ResumeTiming();
        call(dc);
        benchmark::ClobberMemory();
    }
    message_box_take_log();
}

void settings(benchmark::internal::Benchmark* b)
{
    // Sweeps may run on several threads: the wall clock is what a user waits.
    b->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(0.2);
}

}  // namespace

// Each window twice: right after drawing on the same thread, as the program
// runs it ("family"), and on a thread whose vector state is clean
// ("family/clean"), so that what drawing costs the computation after it
// shows as the difference of the two rows.
void register_window(const std::string& family, std::span<const int> schemes, WindowCall call)
{
    std::vector<Column> columns;
    for (int s : schemes) {
        columns.push_back(Column{s});
        if (s == 5) columns.push_back(Column::scheme5_program_start);
    }
    for (const auto& [row, before] : {std::pair{family, Before::drawing}, std::pair{family + "/clean", Before::nothing}}) {
        for (const Column& c : columns) {
            settings(benchmark::RegisterBenchmark((row + "/scheme:" + c.name()).c_str(), [c, call, before](benchmark::State& state) {
                run(state, c, call, before);
            }));
        }
    }
}

void register_window(const std::string& family, WindowCall call)
{
    for (const auto& [row, before] : {std::pair{family, Before::drawing}, std::pair{family + "/clean", Before::nothing}}) {
        settings(benchmark::RegisterBenchmark(row.c_str(), [call, before](benchmark::State& state) {
            run(state, Column{0}, call, before);
        }));
    }
}
