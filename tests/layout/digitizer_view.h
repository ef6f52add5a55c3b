// The digitization dialog's picture view as a user has it after a session's
// work, for the window layout check: a scanned CCT diagram (made here, a
// small 24-bit BMP), its axes calibrated by three clicks, three cooling
// curves stored with their hardness and three labels entered.
#pragma once

#include "canvas.h"

#include <filesystem>

// Writes the scanned diagram into `folder` (once), opens the dialog in the
// current language, works it as a user does and paints the view that follows
// the last store and label onto `dc`; returns the dialog's client rectangle,
// the frame the view must keep inside.
Rect draw_digitized_diagram(Canvas& dc, const std::filesystem::path& folder);
