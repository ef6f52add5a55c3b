// What the window benchmarks share: the schemes each window family serves,
// the dialogs' start records, the start state of a window (the scheme installed with its data dialog's
// start values, English, the fonts), the image the windows draw into and the
// registration of one benchmark per scheme.
#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <span>
#include <string>

#include "canvas.h"
#include "dialog_start_records.h"

struct Window;

// Schemes by the windows they serve.
inline constexpr int every_scheme[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
inline constexpr int point_schemes[] = {1, 2, 3, 4, 5, 6, 9, 10};   // cooling rate, xy isotherms, steel windows
inline constexpr int section_schemes[] = {2, 3, 6, 9, 10};          // yz and xz isotherms
inline constexpr int thickness_schemes[] = {1, 3, 4, 5};            // the atlas windows against thickness

// A column of the table: a scheme at its data dialog's start values, or
// scheme 5 with the block the program starts with ("5'").
struct Column {
    int scheme = 0;
    bool program_start = false;
    static const Column scheme5_program_start;
    std::string name() const { return std::to_string(scheme) + (program_start ? "'" : ""); }
    bool operator==(const Column&) const = default;
};
inline const Column Column::scheme5_program_start{5, true};

// A window at work: draws on `dc` (1000 x 700, dark red text as the
// immediate draw sets it), computing what it needs.
using WindowCall = std::function<void(Canvas& dc)>;

// Registers "family/scheme:N" for each scheme (and "family/scheme:5'" with
// scheme 5), with the scheme installed at its data dialog's start values:
// every iteration fills the image white, as the frame draws the blank window
// before a command, and calls the window once on it (the iteration's time),
// and calls it once more with the vector state cleared in place of the
// drawing (the counter "clean_seconds", a row "family/clean/scheme:N" in the
// table). Message boxes are recorded, not shown.
void register_window(const std::string& family, std::span<const int> schemes, WindowCall call);

// A window that uses no heat-source model ("family", no scheme column).
void register_window(const std::string& family, WindowCall call);
