// Composition and element-choice dialogs of the steel models.
#include "chemistry_dialogs.h"

#include "frame.h"
#include "msgbox.h"
#include "numfmt.h"
#include "value_texts.h"

#include <cmath>

CompositionRecord chemistry_input;

namespace {

constexpr int C = el_c, Si = el_si, Mn = el_mn, P = el_p, S = el_s, Cu = el_cu, Cr = el_cr,
              Ni = el_ni, Mo = el_mo, Nb = el_nb, Ti = el_ti, Al = el_al, V = el_v, W = el_w;

const std::vector<ChemistryBox> kasatkin_boxes{
    {10067, C, "C %", 0.4, 0.02, 21, "%lg", "0.09"},
    {10068, Mn, "Mn %", 2.0, 0.1, 21, "%3.3lf", "1.34"},
    {10069, Si, "Si %", 0.8, 0.04, 21, "%3.3lf", "0.54"},
    {10005, Cr, "Cr %", 2.0, 0.1, 21, "%3.3lf", "0.96"},
    {10007, Mo, "Mo %", 1.0, 0.05, 21, "%3.3lf", "0"},
    {10009, Ni, "Ni %", 1.5, 0.075, 21, "%3.3lf", "0.44"},
    {10011, V, "V %", 0.3, 0.015, 21, "%3.3lf", "0"},
    {10012, Ti, "Ti %", 0.06, 0.003, 21, "%3.3lf", "0"},
    {10014, Al, "Al %", 0.06, 0.003, 21, "%3.3lf", "0"},
    {10016, Nb, "Nb %", 0.1, 0.005, 21, "%3.3lf", "0"},
    {10018, W, "W %", 0.5, 0.025, 21, "%3.3lf", "0"},
    {10019, Cu, "Cu %", 0.5, 0.025, 21, "%3.3lf", "0.32"},
};

// Each list runs over the Ion model's range of its element, from the
// maximum down to the minimum in twenty steps.
const std::vector<ChemistryBox> ion_boxes{
    {10067, C, "C %", 0.18, 0.004},      {10068, Si, "Si %", 0.53, 0.026},
    {10069, Mn, "Mn %", 1.4, 0.0495},    {10005, P, "P %", 0.029, 0.00105},
    {10007, S, "S%", 0.043, 0.0018},     {10009, Cr, "Cr %", 0.07, 0.0025},
    {10011, Ni, "Ni %", 0.06, 0.002},    {10012, Cu, "Cu%", 0.21, 0.0075},
};

const std::vector<int> kasatkin_choice_buttons{10318, 10319, 10320, 10321, 10322, 10323,
                                               10324, 10325, 10327, 10330, 10331, 10326};
const std::vector<int> ion_choice_buttons{10318, 10319, 10320, 10321,
                                          10322, 10323, 10324, 10325};

// What each CHEMISTRY box held at the last OK; empty before the first.
std::vector<std::string> saved_texts;

void fill_list(Window* dlg, const ChemistryBox& box)
{
    combo_reset(dlg, box.id);
    for (const std::string& text : chemistry_box_list(box)) combo_add_string(dlg, box.id, text);
}

// Reads the texts of the boxes whole; a text that is not a number, or a
// negative content, is refused with a message naming the box, and the
// dialog stays open. Returns true when every value was stored.
bool read_composition(Window* dlg, const std::vector<ChemistryBox>& boxes,
                      std::vector<std::string>& texts)
{
    std::vector<ValueField> fields;
    texts.clear();
    for (const ChemistryBox& box : boxes) {
        fields.push_back({box.id, Text5{box.label, box.label, box.label, box.label, box.label},
                          ValueRule::non_negative});
        texts.push_back(get_item_text(dlg, box.id));
    }
    std::vector<double> values(boxes.size(), 0.0);
    int failed = 0;
    const std::string message = read_values(texts, fields, {}, values.data(), &failed);
    if (!message.empty()) {
        message_box(dlg, message, value_message_caption(), mb_iconwarning);
        set_item_focus(dlg, boxes[static_cast<std::size_t>(failed)].id);
        return false;
    }
    for (std::size_t i = 0; i < boxes.size(); ++i)
        chemistry_input[boxes[i].element] = values[i];
    return true;
}

std::intptr_t chemistry_dialog_proc(Window* dlg, const Message& m)
{
    if (m.msg == Msg::init_dialog) {
        set_dialog_cancel_id(dlg, 0);   // OK only: closing by the title bar does nothing
        for (std::size_t i = 0; i < kasatkin_boxes.size(); ++i) {
            const ChemistryBox& box = kasatkin_boxes[i];
            fill_list(dlg, box);
            // A value typed at the last OK that is not in the list is offered
            // again, below the default.
            if (!chemistry_first_opening && i < saved_texts.size() &&
                combo_find_string_exact(dlg, box.id, saved_texts[i]) < 0)
                combo_insert_string(dlg, box.id, 0, saved_texts[i]);
            combo_insert_string(dlg, box.id, 0, box.default_text);
            combo_set_cur_sel(dlg, box.id, 0);
        }
        chemistry_first_opening = 0;
        return 1;
    }
    if (m.msg == Msg::command && m.wparam() == 1) {
        std::vector<std::string> texts;
        if (!read_composition(dlg, kasatkin_boxes, texts)) return 1;
        saved_texts = std::move(texts);
        dialog_accepted = 1;
        end_dialog(dlg, 1);
        return 1;
    }
    return 0;
}

std::intptr_t chemistryion_dialog_proc(Window* dlg, const Message& m)
{
    if (m.msg == Msg::init_dialog) {
        set_dialog_cancel_id(dlg, 0);
        for (const ChemistryBox& box : ion_boxes) {
            fill_list(dlg, box);
            combo_set_cur_sel(dlg, box.id, 0);
        }
        return 1;
    }
    if (m.msg == Msg::command && m.wparam() == 1) {
        // The text shown is the selected entry, or what the user typed over
        // it; both are read whole.
        std::vector<std::string> texts;
        if (!read_composition(dlg, ion_boxes, texts)) return 1;
        dialog_accepted = 1;
        end_dialog(dlg, 1);
        return 1;
    }
    return 0;
}

// The element choices: the button of the current index is selected at
// opening; OK stores the index of the selected button.
struct ChoiceDialog {
    const std::vector<int>* buttons;
    int* variable;
    bool sets_accepted;
};
const ChoiceDialog* open_choice = nullptr;

std::intptr_t choice_dialog_proc(Window* dlg, const Message& m)
{
    if (open_choice == nullptr) return 0;
    const std::vector<int>& buttons = *open_choice->buttons;
    if (m.msg == Msg::init_dialog) {
        set_dialog_cancel_id(dlg, 0);
        const int index = *open_choice->variable;
        if (index >= 0 && static_cast<std::size_t>(index) < buttons.size())
            check_button(dlg, buttons[static_cast<std::size_t>(index)], true);
        return 1;
    }
    if (m.msg == Msg::command && m.wparam() == 1) {
        if (open_choice->sets_accepted) dialog_accepted = 1;
        for (std::size_t i = 0; i < buttons.size(); ++i)
            if (is_button_checked(dlg, buttons[i])) *open_choice->variable = static_cast<int>(i);
        end_dialog(dlg, 1);
        return 1;
    }
    return 0;
}

void run_choice(const char* stem, const ChoiceDialog& choice)
{
    const ChoiceDialog* outer = open_choice;
    open_choice = &choice;
    current_dialog_proc = choice_dialog_proc;
    dialog_box(localized_template(stem), main_window, choice_dialog_proc);
    open_choice = outer;
}

} // namespace

const std::vector<ChemistryBox>& chemistry_boxes()
{
    return kasatkin_boxes;
}

const std::vector<ChemistryBox>& chemistryion_boxes()
{
    return ion_boxes;
}

std::vector<std::string> chemistry_box_list(const ChemistryBox& box)
{
    std::vector<std::string> list;
    double value = box.start;
    for (int i = 0; i < box.entries; ++i) {
        // The repeated subtraction leaves a few 1e-17 where the list reaches
        // zero; the list shows the 0 it means.
        list.push_back(cformat(box.format, std::fabs(value) < box.step * 1e-9 ? 0.0 : value));
        value = std::fabs(value - box.step);
    }
    return list;
}

const std::vector<int>& chemistrychoice_buttons()
{
    return kasatkin_choice_buttons;
}

const std::vector<int>& ionchoice_buttons()
{
    return ion_choice_buttons;
}

void show_chemistry_dialog()
{
    current_dialog_proc = chemistry_dialog_proc;
    dialog_box(localized_template("CHEMISTRY"), main_window, chemistry_dialog_proc);
}

void show_chemistryion_dialog()
{
    current_dialog_proc = chemistryion_dialog_proc;
    dialog_box(localized_template("CHEMISTRYION"), main_window, chemistryion_dialog_proc);
}

void show_chemistrychoice_dialog()
{
    static const ChoiceDialog choice{&kasatkin_choice_buttons, &kasatkin_varied_element, true};
    run_choice("CHEMISTRYCHOICE", choice);
}

void show_ionchoice_dialog()
{
    // The Ion choice leaves dialog_accepted as the composition dialog left it.
    static const ChoiceDialog choice{&ion_choice_buttons, &ion_varied_element, false};
    run_choice("IONCHOICE", choice);
}

void reset_chemistry_dialogs()
{
    chemistry_input.init_composition_record();
    saved_texts.clear();
    chemistry_first_opening = 1;
    kasatkin_varied_element = 0;
    ion_varied_element = 0;
}
