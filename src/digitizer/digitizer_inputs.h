// The small dialogs of the digitizer (hardness of a curve, text of a label,
// shares of a structure point, ends of the axes) and its choosers (picture,
// curve-set and text files, colour). Each dialog keeps its texts for the
// whole run, so it reopens with the texts last accepted; each file chooser
// keeps its last name and filter.
#pragma once

#include "canvas.h"
#include "filedlg.h"

#include <array>
#include <string>

struct Window;

// Results of the dialogs.
extern double curve_hardness;                       // -1: "without HV"
extern std::string label_text;                      // at most 5 characters
extern std::array<std::string, 4> structure_texts;  // bainite, ferrite, pearlite, HV
extern std::array<double, 4> axis_values;           // x left, x right, y bottom, y top
extern int x_log;
extern int y_log;

// The texts the dialogs show (slot order as the results above).
extern std::string vickershardness_text;
extern std::string txt_text;
extern std::array<std::string, 4> txt2_texts;
extern std::array<std::string, 4> axis_texts;

void show_vickershardness_dialog();
void show_txt_dialog();
void show_txt2_dialog();
void show_axis_dialog();

// The number at the start of a text, 0 when there is none (C locale).
double leading_number(const std::string& text);

// The chooser's request, returned whether the user chose or not: the caller
// takes file_name when the result is true.
bool choose_picture_file(Window* owner, FileDialogRequest& out);
bool choose_spline_file(Window* owner, FileDialogRequest& out);
bool choose_text_file(Window* owner, FileDialogRequest& out);
// The colour chosen (true), or the last one chosen with OK (false).
bool choose_colour(Window* owner, Rgb& colour);

// Back to the state of program start (for tests and a new run).
void reset_digitizer_inputs();
