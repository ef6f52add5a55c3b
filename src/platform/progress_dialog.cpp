#include "progress_dialog.h"

#include <algorithm>

namespace {

constexpr int bar_step = 5;
constexpr int bar_range = 100;

ProgressDialogState state;
ProgressObserver observer = nullptr;

}  // namespace

void update_progress_dialog(int value) {
    if (observer) observer(value);
    if (value == -1) {
        state.open = true;
        state.bar = 0;
        state.percent = 0;
        return;
    }
    if (!state.open) return;
    if (value == -2) {
        state.open = false;
        return;
    }
    state.bar = std::min(state.bar + bar_step, bar_range);
    state.percent = value;
}

ProgressDialogState progress_dialog_state() { return state; }

void set_progress_observer(ProgressObserver o) { observer = o; }
