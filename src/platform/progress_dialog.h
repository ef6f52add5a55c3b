// The progress window of the long thermal-cycle and isotherm computations.
// The computation runs without a message loop, so the window is advanced and
// drawn synchronously, at the moment of each call.
#pragma once

struct Window;

// -1 creates and shows the window (an empty bar, 0 %); -2 closes it and
// invalidates the whole main window, so that it is repainted in full; any
// other value advances the bar by one step of 5 (of 100) and shows the value
// as the percentage ("%u%%"). Without an open window the last two do nothing.
// With no main window (a computation outside the program's window, as in
// tests and benchmarks) no window is shown but the state below is kept.
void update_progress_dialog(int value);

// The window the progress window belongs to and that is repainted in full
// when it closes: the temperature windows set the window they draw in before
// they open it. Null (the start value) shows no window.
void set_progress_dialog_owner(Window* owner);

// The progress window while it is open, else null.
Window* progress_dialog_window();

// What the progress window shows.
struct ProgressDialogState {
    bool open = false;
    int bar = 0;       // position of the bar, 0..100
    int percent = 0;   // the value shown as the percentage
};
ProgressDialogState progress_dialog_state();

// Hears every value handed to update_progress_dialog, in order (null for
// none). For tests and for code that reports progress elsewhere.
using ProgressObserver = void (*)(int value);
void set_progress_observer(ProgressObserver observer);
