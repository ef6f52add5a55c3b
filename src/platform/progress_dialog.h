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

// Closes the progress window as -2 does, but leaves its owner as drawn: for
// the windows that compute again at every repaint, where repainting would
// only start the computation over. Observers hear -2.
void close_progress_dialog_keeping_owner();

// The progress of a computation of `steps` points that may keep the user
// waiting: once it has taken longer than the delay (half a second), the
// progress window opens and follows the points done in steps of 5 %; it
// closes with the computation, leaving the owner as drawn. A computation
// that ends sooner shows nothing. Called on the thread that draws.
class LongWorkProgress {
public:
    explicit LongWorkProgress(int steps);
    ~LongWorkProgress();
    LongWorkProgress(const LongWorkProgress&) = delete;
    LongWorkProgress& operator=(const LongWorkProgress&) = delete;
    // `done` of the steps are computed.
    void advance(int done);

private:
    int steps_;
    double started_;    // seconds on the steady clock
    bool open_ = false;
    int shown_ = 0;     // the percentage last shown
};

// The time a computation may take before its progress window opens, in
// seconds (0.5 at start); tests set 0 to see the window at the first step.
void set_long_work_delay(double seconds);
