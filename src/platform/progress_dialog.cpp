#include "progress_dialog.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>

#include "dialog.h"
#include "fonts.h"
#include "numfmt.h"
#include "window.h"

namespace {

constexpr int bar_id = 10027;
constexpr int bar_step = 5;
constexpr int bar_range = 100;

ProgressDialogState state;
ProgressObserver observer = nullptr;
Window* owner = nullptr;
Window* dialog = nullptr;
double long_work_delay = 0.5;

double seconds_now() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// The four lines, on grey bands, in the dialog's client area. They are drawn
// at once: the computation that advances the window pumps no messages.
// The lines start 55 pixels in, further left where the face in use is too
// wide for the window; the percentage goes below the bar where the bar, a
// control over the client area, would hide it.
void draw_texts(Window* window, Canvas& dc) {
    dc.set_text_color(rgb(0, 0, 0));
    dc.set_background_color(rgb(194, 194, 194));
    dc.set_background_mode(BackgroundMode::opaque);
    symbol_font.height = 14;
    symbol_font.weight = 400;
    symbol_font.face = "MS Sans Serif";
    dc.select_font(symbol_font);

    const char* const lines[] = {"Wait please...", "Parameters of thermal cyclys",
                                 " are being calculated."};
    const int rows[] = {10, 35, 50};
    const Rect client = get_client_rect(window);
    int widest = 0;
    for (const char* line : lines) widest = std::max(widest, dc.text_extent(line).cx);
    const int x = std::max(2, std::min(55, client.right - widest - 4));
    for (int i = 0; i < 3; ++i) dc.text_out(x, rows[i], lines[i]);

    const std::string percent = cformat("%u%%", static_cast<unsigned>(state.percent));
    const Size cell = dc.text_extent(percent);
    int y = 85;
    const Rect bar = get_item_rect(window, bar_id);
    if (bar.right > 125 && bar.left < 125 + cell.cx && bar.bottom > y && bar.top < y + cell.cy)
        y = bar.bottom + 1;
    dc.text_out(125, y, percent);
}

// Draws the lines and shows the window at once, bar included: the
// computation that advances it pumps no messages.
void show_texts() {
    if (!dialog) return;
    if (std::unique_ptr<Canvas> dc = get_dc(dialog)) draw_texts(dialog, *dc);
    update_window(dialog);
}

std::intptr_t progress_dialog_proc(Window* window, const Message& message) {
    switch (message.msg) {
    case Msg::init_dialog:
        return 1;
    case Msg::paint:
        // Keeps the lines when the window is uncovered between two advances.
        if (Canvas* dc = begin_paint(window)) {
            draw_texts(window, *dc);
            end_paint(window);
        }
        return 1;
    default:
        return 0;
    }
}

void open_window() {
    if (!owner || !is_window(owner)) return;
    dialog = create_dialog("PROGRESS", owner, progress_dialog_proc);
    if (!dialog) return;
    progress_set_range(dialog, bar_id, 0, bar_range);
    progress_set_step(dialog, bar_id, bar_step);
    invalidate_window(dialog, true);
    update_window(dialog);
    show_texts();
}

void close_window(bool repaint_owner = true) {
    if (!dialog) return;
    invalidate_window(dialog, true);
    if (repaint_owner && owner && is_window(owner)) invalidate_window(owner, true);
    update_window(dialog);
    Window* closing = dialog;
    dialog = nullptr;
    end_dialog(closing, 0);
}

}  // namespace

void set_progress_dialog_owner(Window* window) { owner = window; }

Window* progress_dialog_window() { return dialog; }

void update_progress_dialog(int value) {
    if (observer) observer(value);
    if (value == -1) {
        if (state.open) close_window();   // one progress window at a time
        state.open = true;
        state.bar = 0;
        state.percent = 0;
        open_window();
        return;
    }
    if (!state.open) return;
    if (value == -2) {
        state.open = false;
        close_window();
        return;
    }
    state.bar = std::min(state.bar + bar_step, bar_range);
    state.percent = value;
    if (dialog) {
        progress_step_it(dialog, bar_id);
        show_texts();
    }
}

ProgressDialogState progress_dialog_state() { return state; }

void set_progress_observer(ProgressObserver o) { observer = o; }

void close_progress_dialog_keeping_owner() {
    if (observer) observer(-2);
    if (!state.open) return;
    state.open = false;
    close_window(false);
}

LongWorkProgress::LongWorkProgress(int steps) : steps_(std::max(steps, 1)), started_(seconds_now()) {}

LongWorkProgress::~LongWorkProgress() {
    if (open_) close_progress_dialog_keeping_owner();
}

void LongWorkProgress::advance(int done) {
    if (!open_) {
        if (seconds_now() - started_ < long_work_delay) return;
        // One progress window at a time: a computation inside another's
        // leaves the outer one's window to it.
        if (state.open) return;
        update_progress_dialog(-1);
        open_ = true;
    }
    const int percent = static_cast<int>(static_cast<long long>(std::clamp(done, 0, steps_)) * 100 / steps_);
    // One advance of the bar per 5 % done, so the bar and the percentage
    // agree, also for what was done before the window opened.
    while (shown_ + bar_step <= percent) {
        shown_ += bar_step;
        update_progress_dialog(shown_);
    }
}

void set_long_work_delay(double seconds) { long_work_delay = seconds; }
