// Tests and benchmarks: the program's state as it starts, and what a window
// reported.
#pragma once

#include <string>
#include <vector>

#include "lang.h"
#include "msgbox.h"

// Everything a window or a dialog reads back at its start: every scheme's
// state at its start values and scheme 2 installed as at start-up, the
// language, the colour mode, the fonts, and message boxes turned into
// records (none waits for a click) with none recorded yet. The number of
// point workers is left as it is set.
void reset_program_state(Language language = Language::english);

// The message boxes shown since the last call, oldest first.
std::vector<MessageBoxRecord> shown_boxes();

// The tag of a language in the names of pictures and files ("en", "ru",
// "ua", "de", "fr").
std::string language_tag(Language language);
