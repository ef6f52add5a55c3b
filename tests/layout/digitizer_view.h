// The digitization dialog's picture view as a user has it after a session's
// work, for the window layout check: a scanned CCT diagram (made here, a
// small 24-bit BMP), its axes calibrated by three clicks, three cooling
// curves stored with their hardness and three labels entered.
#pragma once

#include "canvas.h"

#include <filesystem>
#include <functional>

struct Window;

// Writes the scanned diagram into `folder`, opens the dialog over it in
// the current language, works it as a user does and hands it to `look` with
// the curves and the labels both pending for its next paint.
void with_digitized_diagram(const std::filesystem::path& folder, const std::function<void(Window*)>& look);

// That dialog's view, painted onto `dc`; returns the dialog's client
// rectangle, the frame the view must keep inside.
Rect draw_digitized_diagram(Canvas& dc, const std::filesystem::path& folder);
