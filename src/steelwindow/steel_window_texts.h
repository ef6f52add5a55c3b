// The texts that several steel-model windows draw, in the five languages.
// They are format texts: "%%" is one percent sign, "%g" a number and "%s" a
// text (see steel_text in steel_window_frame.h).
#pragma once

#include "lang.h"

namespace steel_text_rows {

extern const Text5 point_coordinates;   // " (y=%g, cm; z=%g, cm)"
extern const Text5 model_line;   // " Account on model: \"%s\""
extern const Text5 cooling_time_short;   // "t 8/5, s"
extern const Text5 structure_axis;   // "Structure, %%"
extern const Text5 martensite_unit;   // "Martensite, %%"
extern const Text5 model_attribution;   // "under model O.G. Kasatkin and P. Seyffarth"
extern const Text5 hardness_title;   // "Hardness HV"
extern const Text5 ferrite_pearlite_unit;   // "Ferrite & Perlite, %%"
extern const Text5 bainite_unit;   // "Bainite, %%"
extern const Text5 toughness_title;   // "Impact toughness K, J/mm2"
extern const Text5 reduction_title;   // "Reduction in area  Z, %%"
extern const Text5 elongation_title;   // "Elongation A, %%"
extern const Text5 yield_title;   // "Yield point R02, MPa"
extern const Text5 strength_title;   // "Tensile strength Rm, MPa"
extern const Text5 pearlite_unit;   // "Pearlite, %%"
extern const Text5 ion_hardness_label;   // "HV hardnes"
extern const Text5 bainite_label;   // "Bainite"
extern const Text5 preheat_axis;   // "Preheating, C"
extern const Text5 bainite_unit_lower;   // "bainite, %%"
extern const Text5 ferrite_unit;   // "Ferrite, %%"
extern const Text5 ion_title_at_point;   // "Prediction of hardness in carbon - manganous steel ..."
extern const Text5 martensite_label;   // "Martensite"
extern const Text5 ion_dependence_title;   // "Dependence of hardness in carbon - manganous steel ..."
extern const Text5 steel_class_subtitle;   // "low-alloyed steel"
extern const Text5 structure_dependence;   // "Dependence of structures of preliminary heating"
extern const Text5 energy_axis;   // "rate of energy input, kJ/cm"
extern const Text5 ferrite_unit_lower;   // "ferrite, %%"

}   // namespace steel_text_rows

// A text that every language shows as it stands.
constexpr Text5 same_in_every_language(const char* text) { return Text5{text, text, text, text, text}; }

// Shown in every language.
inline constexpr const char* steel_max_temperature_text = "Maximum temperature=%g at y=%.5g z=%.5g [cm]";
inline constexpr const char* steel_fault_text = "You are fault with temperature ... ";
inline constexpr const char* steel_message_caption = "  Message!";
inline constexpr const char* steel_time_850_500 = "Время (850-500), с";
inline constexpr const char* steel_hv30_hardness = "HV30 твёрдость";
