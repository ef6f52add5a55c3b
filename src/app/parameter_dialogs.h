// The computation parameter dialogs: the point and range dialogs, the
// thermal-cycle point dialog and the isotherm dialog.
//
// Each launcher opens its template in the language of the set flag, modal,
// owned by the main window, and returns when the dialog ends; OK stores the
// values into the dialog's record, points `current_parameters` (or
// `current_isotherm_record`) at it and sets `dialog_accepted` to 1; Cancel,
// or closing the dialog by its title bar, sets it to 0 and changes nothing.
// Every dialog reopens with the texts last accepted in it.
#pragma once

#include "value_texts.h"

#include <string>
#include <vector>

// Point and range dialogs.
void show_velocity_dialog();
void show_properties_haz_dialog();
void show_properties_mechanical_dialog();
void show_properties_structure_dialog();
void show_property_dialog();
void show_seyffarthpogonenergy_dialog();
void show_thickness_dialog();
void show_preheat_dialog();

// Thermal-cycle point dialog; its template follows the installed scheme.
void show_termocyclys_dialog();

// Isotherm dialog; its template follows `current_isotherm_tracer` and the
// installed scheme.
void show_isotermes_dialog();

// What one parameter dialog shows and fills: its template stem, its buttons,
// the fields with their edits, the texts kept between openings and the
// record that OK fills.
struct ParameterDialog {
    const char* stem = "";
    int ok = 0;
    int cancel = 0;
    std::vector<ValueField> fields;
    std::vector<ValueOrder> orders;
    ValueTexts* texts = nullptr;
    double* record = nullptr;
    const double** current = nullptr;   // where OK points at the record
};

// The template name of a stem in the language of the set flag
// ("VELOCITY" -> "VELOCITY_E").
std::string localized_template(const char* stem);

// The records the dialogs fill (each PointRecord holds point_record_size
// doubles, the isotherm record isotherm_record_size).
const double* velocity_point_record();
const double* termocyclys_point_record();
const double* isotherm_record();

// Every parameter dialog the frame can open, in each of its variants (the
// three isotherm sections, the thermal-cycle variants), with the stem of its
// templates; for checking the templates against what the dialogs use.
std::vector<ParameterDialog> parameter_dialog_variants();

// Puts every text and record back to its starting state (tests).
void reset_parameter_dialogs();
