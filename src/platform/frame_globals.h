// The frame's globals that every layer with dialogs reaches: the main
// window, the procedure a dialog launcher opens and whether the last dialog
// ended with OK. They live here, below the subsystems that open dialogs, so
// that each of them can be built and tested without the application frame.
#pragma once

#include "dialog.h"

struct Window;

// The one main window; null before it is created and after it is destroyed.
extern Window* main_window;

// The procedure of the dialog a launcher opens.
extern DialogProc current_dialog_proc;

// Whether the last dialog ended with OK (1) or not (0).
extern int dialog_accepted;
