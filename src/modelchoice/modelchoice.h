// Model choice and the heat-source data dialogs.
//
// The chooser (template MODUL) shows the fourteen schemes as a grid of
// pictures; a click on one installs that scheme into `current_model`, sets
// the menu items that depend on the scheme and ends the chooser. Each scheme
// has a data dialog (PPR1DATA ... CompDATA) that shows its picture, a heading,
// one legend per value and one edit per value; OK hands the values, read in
// the C locale, to the installed `set_data`.
#pragma once

#include "canvas.h"
#include "dialog.h"
#include "lang.h"

#include <cstdint>
#include <string>
#include <vector>

struct Window;

// ---------------------------------------------------------------------------
// Scheme picture

// Paints the picture `name` stretched into `rect` (dialog units of `dialog`)
// with an inset of 5 pixels, and under it the caption lines longer than one
// character, centred, in `text_font` (Times New Roman at the system's dialog
// base unit height, dark red). A picture that cannot be loaded is shown as a
// framed placeholder that names it.
void draw_scheme_picture(Canvas& dc, Window* dialog, const char* name, const char* line1,
                         const char* line2, const char* line3, Rect rect);

// ---------------------------------------------------------------------------
// Model chooser

// The frame's menu operations that a click in the chooser calls. The frame
// points them at its own, which keep grayed the commands this build cannot
// run; left null, `set_item` writes the main window's menu directly and the
// steel operations do nothing.
struct ChooserMenuOps {
    void (*set_item)(int id, bool enabled) = nullptr;
    void (*enable_steel_items)(Window* window) = nullptr;
    void (*gray_steel_items)(Window* window) = nullptr;
};
extern ChooserMenuOps chooser_menu_ops;

// Opens MODUL of the set language, modal, owned by `main_window`.
void show_modul_dialog();
std::intptr_t modul_dialog_proc(Window* dialog, const Message& message);
// What a repaint of the chooser draws: every cell's picture with the captions
// of its scheme in the current language.
void paint_modul_dialog(Canvas& dc, Window* dialog);

// The chooser cell of each scheme (1..14): its control id, the picture and
// the picture rectangle in dialog units.
struct ChooserCell {
    int id;
    int scheme;
    const char* picture;
    Rect rect;
};
const std::vector<ChooserCell>& chooser_cells();

// Installs scheme n and sets the menu state of the schemes' table (the step a
// click in the chooser runs). Returns false, with a message and nothing
// changed, for a scheme this build does not have.
bool choose_scheme(int n);

// ---------------------------------------------------------------------------
// Data dialogs

void show_ppr1data_dialog();
void show_ppr2data_dialog();
void show_ppr3data_dialog();
void show_ppr4data_dialog();
void show_ppr5data_dialog();
void show_ppr9data_dialog();
void show_ppr10data_dialog();
void show_ppr11data_dialog();
void show_ppr14data_dialog();
void show_ppr15data_dialog();
void show_rom1data_dialog();
void show_rom2data_dialog();
void show_rom3data_dialog();
void show_compdata_dialog();

std::intptr_t ppr1data_dialog_proc(Window* dialog, const Message& message);
std::intptr_t ppr2data_dialog_proc(Window* dialog, const Message& message);
std::intptr_t ppr3data_dialog_proc(Window* dialog, const Message& message);
std::intptr_t ppr4data_dialog_proc(Window* dialog, const Message& message);
std::intptr_t ppr5data_dialog_proc(Window* dialog, const Message& message);
std::intptr_t ppr9data_dialog_proc(Window* dialog, const Message& message);
std::intptr_t ppr10data_dialog_proc(Window* dialog, const Message& message);
std::intptr_t ppr11data_dialog_proc(Window* dialog, const Message& message);
std::intptr_t ppr14data_dialog_proc(Window* dialog, const Message& message);
std::intptr_t ppr15data_dialog_proc(Window* dialog, const Message& message);
std::intptr_t rom1data_dialog_proc(Window* dialog, const Message& message);
std::intptr_t rom2data_dialog_proc(Window* dialog, const Message& message);
std::intptr_t rom3data_dialog_proc(Window* dialog, const Message& message);
std::intptr_t compdata_dialog_proc(Window* dialog, const Message& message);

// Opens the data dialog of scheme n (1..14); false for another number.
bool show_scheme_data_dialog(int n);

// What a value needs to be usable by its scheme.
enum class DataRule {
    any,            // every finite number (an initial temperature)
    non_negative,   // >= 0 (a heat-transfer coefficient, a resistance, a power, a share)
    positive,       // > 0 (a speed, a conductivity, a heat capacity, a density, a
                    // thickness, a width, a time: the scheme divides by it)
};

// One value of a data dialog.
struct DataValue {
    int edit;                  // its edit control
    const char* painter;       // the legend painter ("legend_lambda")
    int row;                   // legend row, 1 first
    const char* default_text;
    DataRule rule;
    Text5 name;                // how a message names it
};

// One data dialog of the family.
struct DataDialog {
    int scheme;
    const char* stem;          // template stem ("PPR1DATA", "CompDATA")
    const char* picture;
    int ok;
    int cancel;
    int divisor_h;
    double divisor_x;
    bool pulsed;               // the ROM family: own heading size, black legends
    std::vector<DataValue> values;
};
const std::vector<DataDialog>& data_dialogs();
const DataDialog* find_data_dialog(int scheme);

// The texts each dialog shows, kept whole between openings.
const std::vector<std::string>& data_dialog_texts(int scheme);
// Puts every dialog's texts back to the defaults (tests).
void reset_data_dialogs();

// Reads the texts as the dialog's values: each whole, one finite number in the
// C locale, usable by the scheme. Returns "" and fills `values`, or the
// message that names the first refused field (its index in *failed).
std::string read_data_values(const DataDialog& dialog, const std::vector<std::string>& texts,
                             double* values, int* failed = nullptr);

// What a repaint of the open data dialog of the scheme draws: picture with the
// installed scheme's captions, heading, one legend per value.
void paint_data_dialog(Canvas& dc, Window* dialog, int scheme);

// The heading drawn above the legends, in the current language.
const char* data_dialog_heading();
