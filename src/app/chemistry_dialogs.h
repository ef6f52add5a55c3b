// The composition dialogs of the two steel models (CHEMISTRY for the
// Kasatkin-Seyffarth model, CHEMISTRYION for the Ion model) and the dialogs
// that choose the element a chemistry sweep varies (CHEMISTRYCHOICE,
// IONCHOICE). All four have OK only.
#pragma once

#include "steel_window_frame.h"

#include <string>
#include <vector>

// The composition the steel-model windows receive, in per cent, in the order
// C Si Mn P S Cu Cr Ni Mo Nb Ti B Al N2 V W; zero at start. Each composition
// dialog writes the elements it shows and leaves the others as they were.
extern CompositionRecord chemistry_input;

void show_chemistry_dialog();
void show_chemistryion_dialog();
void show_chemistrychoice_dialog();
void show_ionchoice_dialog();

// One box of a composition dialog: its combo box, the element it fills (an
// index into the composition), its label, and the list it offers: `entries`
// values from `start` down by `step`, printed with `format`.
struct ChemistryBox {
    int id = 0;
    int element = 0;
    const char* label = "";
    double start = 0;
    double step = 0;
    int entries = 21;
    const char* format = "%3.3lf";
    const char* default_text = "";   // CHEMISTRY only
};
const std::vector<ChemistryBox>& chemistry_boxes();
const std::vector<ChemistryBox>& chemistryion_boxes();

// The list texts of one box, top first.
std::vector<std::string> chemistry_box_list(const ChemistryBox& box);

// The radio buttons of the element choices, by element index.
const std::vector<int>& chemistrychoice_buttons();
const std::vector<int>& ionchoice_buttons();

// Back to the starting state: zero composition, no saved texts, carbon
// chosen in both element choices (tests).
void reset_chemistry_dialogs();
