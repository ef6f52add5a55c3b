#include "parameter_dialogs.h"

#include "frame.h"
#include "heatsource.h"
#include "msgbox.h"
#include "temperature_windows.h"

#include <array>

namespace {

// The dialog now open; parameter dialogs are modal, so there is one at most.
const ParameterDialog* open_dialog = nullptr;

std::vector<ValueLimit> scheme_limits(const ParameterDialog& d);

std::intptr_t parameter_dialog_proc(Window* dlg, const Message& m)
{
    if (open_dialog == nullptr) return 0;
    const ParameterDialog& d = *open_dialog;
    if (m.msg == Msg::init_dialog) {
        // Closing the dialog by its title bar is its Cancel.
        set_dialog_cancel_id(dlg, d.cancel);
        for (std::size_t i = 0; i < d.fields.size() && i < d.texts->texts.size(); ++i)
            set_item_text(dlg, d.fields[i].edit, d.texts->texts[i]);
        return 1;
    }
    if (m.msg != Msg::command) return 0;
    if (m.wparam() == d.ok) {
        std::vector<std::string> entered;
        for (const ValueField& field : d.fields) entered.push_back(get_item_text(dlg, field.edit));
        int failed = 0;
        const std::string message =
            read_values(entered, d.fields, d.orders, d.record, &failed, scheme_limits(d));
        if (!message.empty()) {
            message_box(dlg, message, value_message_caption(), mb_iconwarning);
            set_item_focus(dlg, d.fields[static_cast<std::size_t>(failed)].edit);
            return 1;
        }
        d.texts->texts = std::move(entered);
        *d.current = d.record;
        dialog_accepted = 1;
        end_dialog(dlg, 1);
        return 1;
    }
    if (m.wparam() == d.cancel) {
        dialog_accepted = 0;
        end_dialog(dlg, 1);
        return 1;
    }
    return 0;
}

// Field names for the messages that refuse a value.
const Text5 name_y{"y, cm", "y, см", "y, см", "y, cm", "y, cm"};
const Text5 name_z{"z, cm", "z, см", "z, см", "z, cm", "z, cm"};
const Text5 name_x{"x, cm", "x, см", "x, см", "x, cm", "x, cm"};
const Text5 name_t_from{"T from, °C", "T от, °C", "T від, °C", "T von, °C", "T de, °C"};
const Text5 name_t_to{"T to, °C", "T до, °C", "T до, °C", "T bis, °C", "T jusqu'à, °C"};
const Text5 name_p_min{"P min, W", "P min, Вт", "P min, Вт", "P min, W", "P min, W"};
const Text5 name_p_max{"P max, W", "P max, Вт", "P max, Вт", "P max, W", "P max, W"};
const Text5 name_v_min{"V min, cm/s", "V min, см/с", "V min, см/с", "V min, cm/s", "V min, cm/s"};
const Text5 name_v_max{"V max, cm/s", "V max, см/с", "V max, см/с", "V max, cm/s", "V max, cm/s"};
const Text5 name_thickness_min{"min thickness, cm", "min толщина, см", "min товщина, см",
                               "Min die Dicke, cm", "épaisseur min, cm"};
const Text5 name_thickness_max{"max thickness, cm", "max толщина, см", "max товщина, см",
                               "Max die Dicke, cm", "épaisseur max, cm"};
const Text5 name_preheat_min{"min preheat temperature, °C", "min температура подогрева, °C",
                             "min температура підігріву, °C", "Min Vorwärmtemperatur, °C",
                             "température de préchauffage min, °C"};
const Text5 name_preheat_max{"max preheat temperature, °C", "max температура подогрева, °C",
                             "max температура підігріву, °C", "Max Vorwärmtemperatur, °C",
                             "température de préchauffage max, °C"};
const Text5 name_t1{"t1, s", "t1, с", "t1, с", "t1, s", "t1, s"};
const Text5 name_t2{"t2, s", "t2, с", "t2, с", "t2, s", "t2, s"};
const Text5 name_start_time{"t, s", "t, с", "t, с", "t, s", "t, s"};
const std::array<Text5, 5> name_isoline{{
    {"Isoline 1, °C", "Изотерма 1, °C", "Ізотерма 1, °C", "Die Linie 1, °C", "La ligne 1, °C"},
    {"Isoline 2, °C", "Изотерма 2, °C", "Ізотерма 2, °C", "Die Linie 2, °C", "La ligne 2, °C"},
    {"Isoline 3, °C", "Изотерма 3, °C", "Ізотерма 3, °C", "Die Linie 3, °C", "La ligne 3, °C"},
    {"Isoline 4, °C", "Изотерма 4, °C", "Ізотерма 4, °C", "Die Linie 4, °C", "La ligne 4, °C"},
    {"Isoline 5, °C", "Изотерма 5, °C", "Ізотерма 5, °C", "Die Linie 5, °C", "La ligne 5, °C"},
}};
const Text5 name_section_z{"Section z, cm", "Сечение z, см", "Перетин z, см", "Das Schnitt z, cm",
                           "La section z, cm"};
const Text5 name_section_x{"Distance from a source: x, cm", "Расстояние от источника: x, см",
                           "Відстань від джерела: x, см", "Den Abstand von der Quelle: x, cm",
                           "La distance de la source : x, cm"};
const Text5 name_section_y{"Distance from a source: y, cm", "Расстояние от источника: y, см",
                           "Відстань від джерела: y, см", "Den Abstand von der Quelle: y, cm",
                           "La distance de la source : y, cm"};

using Record = std::array<double, point_record_size>;

// The four values every point and range dialog begins with: the point and
// the cooling interval, upper temperature first.
std::vector<ValueField> point_fields(int y, int z, int t_from, int t_to)
{
    return {{y, name_y, ValueRule::any},
            {z, name_z, ValueRule::non_negative},
            {t_from, name_t_from, ValueRule::any},
            {t_to, name_t_to, ValueRule::any}};
}

std::vector<ValueField> with(std::vector<ValueField> fields, std::initializer_list<ValueField> more)
{
    fields.insert(fields.end(), more);
    return fields;
}

// --- point and range dialogs ------------------------------------------------

const ValueTexts velocity_defaults{{"0.05", "0.00", "800.0", "500.0"}};
const ValueTexts properties_defaults{{"0.05", "0.00", "850.0", "500.0"}};
const ValueTexts property_defaults{{"0.5", "00.5", "850.0", "500.0"}};
const ValueTexts energy_defaults{
    {"0.05", "0.00", "850.0", "500.0", "200.0", "5000.0", "00.1", "00.1"}};
const ValueTexts thickness_defaults{{"0.05", "0.00", "850.0", "500.0", "0.1", "3.0"}};
const ValueTexts preheat_defaults{{"0.05", "0.00", "850.0", "500.0", "100.0", "400.0"}};

ValueTexts velocity_texts = velocity_defaults;
ValueTexts properties_haz_texts = properties_defaults;
ValueTexts properties_mechanical_texts = properties_defaults;
ValueTexts properties_structure_texts = properties_defaults;
ValueTexts property_texts = property_defaults;
ValueTexts energy_texts = energy_defaults;
ValueTexts thickness_texts = thickness_defaults;
ValueTexts preheat_texts = preheat_defaults;

Record velocity_record{};
Record properties_record{};   // shared by the three PROPERTIES launchers
Record property_record{};
Record energy_record{};
Record thickness_record{};
Record preheat_record{};

// The cooling interval runs from the upper temperature down to the lower.
const std::vector<ValueOrder> interval_order{{2, 3}};

ParameterDialog velocity_dialog()
{
    return {"VELOCITY", 10150, 10149, point_fields(10147, 10148, 10151, 10152), interval_order,
            &velocity_texts, velocity_record.data(), &current_parameters};
}

ParameterDialog properties_dialog(ValueTexts* texts)
{
    return {"PROPERTIES", 10158, 10157, point_fields(10153, 10154, 10155, 10156), interval_order,
            texts, properties_record.data(), &current_parameters};
}

ParameterDialog property_dialog()
{
    return {"PROPERTY", 10158, 10157, point_fields(10153, 10154, 10155, 10156),
            interval_order, &property_texts, property_record.data(), &current_parameters};
}

ParameterDialog energy_dialog()
{
    return {"SEYFFARTHPOGONENERGY", 10158, 10157,
            with(point_fields(10153, 10154, 10155, 10156),
                 {{10159, name_p_min, ValueRule::positive},
                  {10160, name_p_max, ValueRule::positive},
                  {10333, name_v_min, ValueRule::positive},
                  {10334, name_v_max, ValueRule::positive}}),
            {{2, 3}, {5, 4}, {7, 6}}, &energy_texts, energy_record.data(), &current_parameters};
}

ParameterDialog thickness_dialog()
{
    return {"THICKNESS", 10158, 10157,
            with(point_fields(10153, 10154, 10155, 10156),
                 {{10328, name_thickness_min, ValueRule::positive},
                  {10329, name_thickness_max, ValueRule::positive}}),
            {{2, 3}, {5, 4}}, &thickness_texts, thickness_record.data(), &current_parameters};
}

ParameterDialog preheat_dialog()
{
    return {"PREHEAT", 10158, 10157,
            with(point_fields(10153, 10154, 10155, 10156),
                 {{10328, name_preheat_min, ValueRule::any},
                  {10329, name_preheat_max, ValueRule::any}}),
            {{2, 3}, {5, 4}}, &preheat_texts, preheat_record.data(), &current_parameters};
}

// --- thermal-cycle point dialog ---------------------------------------------

enum class CycleVariant { quasi_stationary, thin_plate, oscillating, pulse, composite };

struct CycleVariantSpec {
    const char* stem;
    std::vector<ValueField> fields;
    std::vector<ValueOrder> orders;
    ValueTexts defaults;
};

const CycleVariantSpec& cycle_variant_spec(CycleVariant variant)
{
    static const CycleVariantSpec quasi{"TERMOCYCLYS",
                                        {{10147, name_y, ValueRule::any},
                                         {10148, name_z, ValueRule::non_negative}},
                                        {},
                                        {{"0.05", "0.00"}}};
    static const CycleVariantSpec thin_plate{
        "TERMOCYCLYSPPR1", {{10147, name_y, ValueRule::any}}, {}, {{"0.05"}}};
    static const CycleVariantSpec oscillating{"TERMOCYCLYSALTAJ",
                                              {{10161, name_y, ValueRule::any},
                                               {10162, name_z, ValueRule::non_negative},
                                               {10163, name_x, ValueRule::any},
                                               {10164, name_t1, ValueRule::non_negative},
                                               {10165, name_t2, ValueRule::non_negative}},
                                              // an interval entered backwards is sampled backwards
                                              {},
                                              {{"1.", "0.", "0.", "60.", "75."}}};
    static const CycleVariantSpec pulse{"TERMOCYCLYS",
                                        {{10147, name_y, ValueRule::any},
                                         {10148, name_z, ValueRule::non_negative}},
                                        {},
                                        {{"0.05", "0.00"}}};
    static const CycleVariantSpec composite{"TERMOCYCLYSCOMP",
                                            {{10147, name_y, ValueRule::any},
                                             {10148, name_start_time, ValueRule::positive}},
                                            {},
                                            {{"0.05", "30."}}};
    switch (variant) {
    case CycleVariant::quasi_stationary: return quasi;
    case CycleVariant::thin_plate: return thin_plate;
    case CycleVariant::oscillating: return oscillating;
    case CycleVariant::pulse: return pulse;
    case CycleVariant::composite: return composite;
    }
    return quasi;
}

// Each variant keeps its own texts; all of them fill the one record.
std::array<ValueTexts, 5> cycle_texts{
    cycle_variant_spec(CycleVariant::quasi_stationary).defaults,
    cycle_variant_spec(CycleVariant::thin_plate).defaults,
    cycle_variant_spec(CycleVariant::oscillating).defaults,
    cycle_variant_spec(CycleVariant::pulse).defaults,
    cycle_variant_spec(CycleVariant::composite).defaults,
};
Record cycle_record{};

// The dialog variant of each cycle routine: the installed scheme's routine
// says which point (and times) its computation needs.
struct CycleRoutineVariant {
    WindowRoutine routine;
    CycleVariant variant;
};
const CycleRoutineVariant cycle_routine_variants[] = {
    {thermal_cycle_window, CycleVariant::quasi_stationary},
    {oscillating_thermal_cycle_window, CycleVariant::oscillating},
    {pulse_thermal_cycle_window, CycleVariant::pulse},
    {composite_thermal_cycle_window, CycleVariant::composite},
};

CycleVariant current_cycle_variant()
{
    CycleVariant variant = CycleVariant::quasi_stationary;
    for (const CycleRoutineVariant& row : cycle_routine_variants)
        if (current_model.cycle_routine == row.routine) variant = row.variant;
    if (variant == CycleVariant::quasi_stationary && current_model.temperature == ppr1_temperature)
        variant = CycleVariant::thin_plate;
    return variant;
}


ParameterDialog cycle_dialog_of(CycleVariant variant)
{
    const CycleVariantSpec& spec = cycle_variant_spec(variant);
    return {spec.stem, 10150, 10149, spec.fields, spec.orders,
            &cycle_texts[static_cast<std::size_t>(variant)], cycle_record.data(), &current_parameters};
}

ParameterDialog termocyclys_dialog()
{
    return cycle_dialog_of(current_cycle_variant());
}

// --- isotherm dialog --------------------------------------------------------

const ValueTexts isotherm_section_defaults{{"300.0", "500.", "850.", "1300", "1500", "0.0"}};
const ValueTexts isotherm_thin_plate_defaults{{"300.0", "500.", "850.", "1300", "1500"}};
ValueTexts isotherm_section_texts = isotherm_section_defaults;      // shared by xy, yz, xz
ValueTexts isotherm_thin_plate_texts = isotherm_thin_plate_defaults;
std::array<double, isotherm_record_size> isotherm_values{};

ParameterDialog isotermes_dialog()
{
    std::vector<ValueField> fields;
    const std::array<int, 5> edits{10136, 10137, 10138, 10139, 10140};
    for (std::size_t i = 0; i < edits.size(); ++i)
        fields.push_back({edits[i], name_isoline[i], ValueRule::any});
    ParameterDialog dialog{"", 10146, 10145, fields, {}, nullptr, isotherm_values.data(),
                           &current_isotherm_record};
    if (current_model.temperature == ppr1_temperature) {
        dialog.stem = "ISOTERMESxyPPR1";
        dialog.texts = &isotherm_thin_plate_texts;
        return dialog;
    }
    dialog.texts = &isotherm_section_texts;
    if (current_isotherm_tracer == trace_isotherm_yz) {
        dialog.stem = "ISOTERMESyz";
        dialog.fields.push_back({10143, name_section_x, ValueRule::any});
    } else if (current_isotherm_tracer == trace_isotherm_xz) {
        dialog.stem = "ISOTERMESxz";
        dialog.fields.push_back({10143, name_section_y, ValueRule::any});
    } else {
        dialog.stem = "ISOTERMESxy";
        dialog.fields.push_back({10143, name_section_z, ValueRule::non_negative});
    }
    return dialog;
}

ParameterDialog isotermes_dialog_for(IsothermTracer tracer, bool thin_plate)
{
    const HeatSourceModel saved_model = current_model;
    const IsothermTracer saved_tracer = current_isotherm_tracer;
    current_model.temperature = thin_plate ? ppr1_temperature : nullptr;
    current_isotherm_tracer = tracer;
    ParameterDialog dialog = isotermes_dialog();
    current_model = saved_model;
    current_isotherm_tracer = saved_tracer;
    return dialog;
}

// The bounds the installed scheme puts on a dialog's values. The pulsed
// schemes on a plate take points within it: below the lower face there is
// no metal (and the thin plate's images of the source would grow without
// bound there).
std::vector<ValueLimit> scheme_limits(const ParameterDialog& d)
{
    // An isotherm at or below the initial temperature lies nowhere near the
    // source: the metal is at least that warm everywhere.
    if (d.texts == &isotherm_section_texts || d.texts == &isotherm_thin_plate_texts) {
        if (current_model.initial_temperature == nullptr) return {};
        static const Text5 initial{"the initial temperature T0 = %g °C",
                                   "начальная температура T0 = %g °C",
                                   "початкова температура T0 = %g °C",
                                   "die Anfangstemperatur T0 = %g °C",
                                   "la température initiale T0 = %g °C"};
        const double T0 = current_model.initial_temperature();
        std::vector<ValueLimit> limits;
        for (int i = 0; i < isotherm_count; ++i)
            limits.push_back({isotherm_t1 + i, T0, initial, LimitSide::above});
        return limits;
    }
    const bool pulse_point = d.texts == &cycle_texts[static_cast<std::size_t>(CycleVariant::pulse)];
    if (!pulse_point || current_model.depth_range == nullptr) return {};
    double zmin = 0, zmax = 0;
    current_model.depth_range(0, zmin, zmax);
    static const Text5 thickness{"the plate thickness δ = %g cm", "толщина пластины δ = %g см",
                                 "товщина пластини δ = %g см", "die Plattendicke δ = %g cm",
                                 "l'épaisseur de la plaque δ = %g cm"};
    return {{point_z, zmax, thickness}};
}

} // namespace

void run_parameter_dialog(const ParameterDialog& dialog)
{
    // A dialog that cannot open (its template missing) accepts nothing.
    dialog_accepted = 0;
    const ParameterDialog* outer = open_dialog;
    open_dialog = &dialog;
    current_dialog_proc = parameter_dialog_proc;
    dialog_box(localized_template(dialog.stem), main_window, parameter_dialog_proc);
    open_dialog = outer;
}

std::string localized_template(const char* stem)
{
    return std::string(stem) + language_suffix();
}

void show_velocity_dialog()
{
    run_parameter_dialog(velocity_dialog());
}

void show_properties_haz_dialog()
{
    run_parameter_dialog(properties_dialog(&properties_haz_texts));
}

void show_properties_mechanical_dialog()
{
    run_parameter_dialog(properties_dialog(&properties_mechanical_texts));
}

void show_properties_structure_dialog()
{
    run_parameter_dialog(properties_dialog(&properties_structure_texts));
}

void show_property_dialog()
{
    run_parameter_dialog(property_dialog());
}

void show_seyffarthpogonenergy_dialog()
{
    run_parameter_dialog(energy_dialog());
}

void show_thickness_dialog()
{
    run_parameter_dialog(thickness_dialog());
}

void show_preheat_dialog()
{
    run_parameter_dialog(preheat_dialog());
}

void show_termocyclys_dialog()
{
    const bool thin_plate = current_cycle_variant() == CycleVariant::thin_plate;
    run_parameter_dialog(termocyclys_dialog());
    // The thin plate has no depth: its cycle is computed at z = 0, whatever
    // another scheme's dialog left in the second field.
    if (thin_plate && dialog_accepted) cycle_record[point_z] = 0.0;
}

void show_isotermes_dialog()
{
    const bool thin_plate = current_model.temperature == ppr1_temperature;
    run_parameter_dialog(isotermes_dialog());
    // Likewise the thin plate's isotherms lie in the plane z = 0.
    if (thin_plate && dialog_accepted) isotherm_values[isotherm_section] = 0.0;
}

const double* velocity_point_record()
{
    return velocity_record.data();
}

const double* termocyclys_point_record()
{
    return cycle_record.data();
}

const double* isotherm_record()
{
    return isotherm_values.data();
}

std::vector<ParameterDialog> parameter_dialog_variants()
{
    return {velocity_dialog(),
            properties_dialog(&properties_haz_texts),
            property_dialog(),
            energy_dialog(),
            thickness_dialog(),
            preheat_dialog(),
            cycle_dialog_of(CycleVariant::quasi_stationary),
            cycle_dialog_of(CycleVariant::thin_plate),
            cycle_dialog_of(CycleVariant::oscillating),
            cycle_dialog_of(CycleVariant::composite),
            isotermes_dialog_for(trace_isotherm_xy, false),
            isotermes_dialog_for(trace_isotherm_yz, false),
            isotermes_dialog_for(trace_isotherm_xz, false),
            isotermes_dialog_for(trace_isotherm_xy, true)};
}

void reset_parameter_dialogs()
{
    velocity_texts = velocity_defaults;
    properties_haz_texts = properties_defaults;
    properties_mechanical_texts = properties_defaults;
    properties_structure_texts = properties_defaults;
    property_texts = property_defaults;
    energy_texts = energy_defaults;
    thickness_texts = thickness_defaults;
    preheat_texts = preheat_defaults;
    for (Record* r : {&velocity_record, &properties_record, &property_record, &energy_record,
                      &thickness_record, &preheat_record, &cycle_record})
        r->fill(0.0);
    for (std::size_t i = 0; i < cycle_texts.size(); ++i)
        cycle_texts[i] = cycle_variant_spec(static_cast<CycleVariant>(i)).defaults;
    isotherm_section_texts = isotherm_section_defaults;
    isotherm_thin_plate_texts = isotherm_thin_plate_defaults;
    isotherm_values.fill(0.0);
}
