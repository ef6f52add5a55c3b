// The colour chooser.
//
//   ColourRequest r{main_window, last_colour, custom_colours};
//   if (colour_dialog(r)) last_colour = r.colour;
//
// Returns true on OK (colour holds the choice); on Cancel colour stays the
// initial one. Up to 16 custom colours are offered. Tests answer it with
// push_chooser_answer (dialog_driver.h).
#pragma once

#include "canvas.h"

#include <vector>

struct Window;

struct ColourRequest {
    Window* owner = nullptr;
    Rgb colour{};                     // in: initial; out: chosen
    std::vector<Rgb> custom_colours;  // at most 16 are used
};

bool colour_dialog(ColourRequest& request);
