#include "frame_globals.h"

Window* main_window = nullptr;
DialogProc current_dialog_proc = nullptr;
int dialog_accepted = 0;
