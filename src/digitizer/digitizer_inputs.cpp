#include "digitizer_inputs.h"

#include "atlas_files.h"
#include "colour.h"
#include "dialog.h"
#include "digitized_data.h"
#include "frame_globals.h"
#include "lang.h"
#include "msgbox.h"
#include "numfmt.h"
#include "window.h"

#include <filesystem>
#include <vector>

double curve_hardness = 0;
std::string label_text;
std::array<std::string, 4> structure_texts{"00", "00", "00", "400"};
std::array<double, 4> axis_values{0, 400, 0, 900};
int x_log = 1;
int y_log = 0;

std::string vickershardness_text = "5";
std::string txt_text = "     ";
std::array<std::string, 4> txt2_texts{"00", "00", "00", "400"};
std::array<std::string, 4> axis_texts{"0.0", "400.0", "0.0", "900.0"};

namespace {

// A label keeps the five characters (letters, not bytes) of its slot: the
// label file holds short words. Numeric fields are kept whole: a number cut
// to a slot would reopen as another value than the one used.
constexpr std::size_t txt_slot = 5;

// txt2 slots belong to these edits, in slot order (bainite, ferrite, pearlite, HV).
constexpr std::array<int, 4> txt2_edits{1017, 1015, 1016, 1018};
constexpr std::array<int, 4> axis_edits{10070, 10071, 10072, 10073};

// Reads every numeric edit whole in the C locale. A text that is not a
// finite number is reported, naming its field, and the dialog stays open.
bool read_numbers(Window* dlg, const int* edits, const char* const* fields, std::size_t n, double* values,
                  std::string* texts)
{
    std::vector<std::string> typed(n);
    std::vector<double> read(n);
    for (std::size_t i = 0; i < n; ++i) {
        typed[i] = get_item_text(dlg, edits[i]);
        if (!parse_double(typed[i], read[i])) {
            message_box(dlg, cformat("\"%s\" is not a number: %s", typed[i].c_str(), fields[i]), "  Message!",
                        mb_iconerror);
            return false;
        }
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (values) values[i] = read[i];
        texts[i] = typed[i];
    }
    return true;
}

const Rgb input_background{194, 194, 194};

bool paint_background(Window* dlg)
{
    Canvas* dc = begin_paint(dlg);
    if (dc) dc->set_background_color(input_background);
    end_paint(dlg);
    return true;
}

std::intptr_t vickershardness_dialog_proc(Window* dlg, const Message& m)
{
    switch (m.msg) {
    case Msg::init_dialog:
        set_item_text(dlg, 1008, vickershardness_text);
        return 1;
    case Msg::paint:
        return paint_background(dlg);
    case Msg::command:
        if (m.wparam() == 1010) {
            static constexpr int edits[] = {1008};
            static constexpr const char* fields[] = {"HV"};
            if (!read_numbers(dlg, edits, fields, 1, &curve_hardness, &vickershardness_text)) return 1;
            dialog_accepted = 1;
            end_dialog(dlg, 1);
            return 1;
        }
        if (m.wparam() == 1011) {
            dialog_accepted = 0;
            curve_hardness = -1;
            end_dialog(dlg, 0);
            return 1;
        }
        return 0;
    default:
        return 0;
    }
}

std::intptr_t txt_dialog_proc(Window* dlg, const Message& m)
{
    switch (m.msg) {
    case Msg::init_dialog:
        set_item_text(dlg, 1014, txt_text);
        return 1;
    case Msg::paint:
        return paint_background(dlg);
    case Msg::command:
        if (m.wparam() == 1010) {
            // A text of blanks would be a label that shows nothing: the
            // dialog stays open with it.
            const std::string typed = first_characters(get_item_text(dlg, 1014), txt_slot);
            const std::string why = label_text_refusal(typed);
            if (!why.empty()) {
                message_box(dlg, why, "  Message!", mb_iconerror);
                return 1;
            }
            txt_text = typed;
            label_text = txt_text;
            dialog_accepted = 1;
            end_dialog(dlg, 1);
            return 1;
        }
        if (m.wparam() == 1011 || m.wparam() == 2) {
            dialog_accepted = 0;
            end_dialog(dlg, 0);
            return 1;
        }
        return 0;
    default:
        return 0;
    }
}

std::intptr_t txt2_dialog_proc(Window* dlg, const Message& m)
{
    switch (m.msg) {
    case Msg::init_dialog:
        for (std::size_t i = 0; i < 4; ++i) set_item_text(dlg, txt2_edits[i], txt2_texts[i]);
        return 1;
    case Msg::paint:
        return paint_background(dlg);
    case Msg::command:
        if (m.wparam() == 1010) {
            static constexpr const char* fields[] = {"bainite, %", "ferrite, %", "pearlite, %", "HV"};
            if (!read_numbers(dlg, txt2_edits.data(), fields, 4, nullptr, txt2_texts.data())) return 1;
            structure_texts = txt2_texts;
            dialog_accepted = 1;
            end_dialog(dlg, 1);
            return 1;
        }
        if (m.wparam() == 1011 || m.wparam() == 2) {
            dialog_accepted = 0;
            end_dialog(dlg, 0);
            return 1;
        }
        return 0;
    default:
        return 0;
    }
}

std::intptr_t axis_dialog_proc(Window* dlg, const Message& m)
{
    switch (m.msg) {
    case Msg::init_dialog:
        for (std::size_t i = 0; i < 4; ++i) set_item_text(dlg, axis_edits[i], axis_texts[i]);
        check_button(dlg, 1005, true);
        check_button(dlg, 1006, false);
        return 1;
    case Msg::paint:
        return paint_background(dlg);
    case Msg::command:
        if (m.wparam() == 1012) {
            static constexpr const char* fields[] = {"x left", "x right", "y bottom", "y top"};
            if (!read_numbers(dlg, axis_edits.data(), fields, 4, axis_values.data(), axis_texts.data())) return 1;
            dialog_accepted = 1;
            x_log = is_button_checked(dlg, 1005) ? 1 : 0;
            y_log = is_button_checked(dlg, 1006) ? 1 : 0;
            end_dialog(dlg, 1);
            return 1;
        }
        return 0;
    default:
        return 0;
    }
}

void open_dialog(const std::string& name, DialogProc proc)
{
    current_dialog_proc = proc;
    dialog_box(name, main_window, proc);
}

// The Windows folders of the atlas live under the data root; a folder that
// is not there leaves the chooser at its own start.
std::string atlas_start_folder(bool win_folder)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    if (win_folder) {
        fs::path p = fs::path(data_root()) / "WIN" / "Seyffarth CCT Atlas";
        if (fs::is_directory(p, ec)) return p.string();
    }
    return seyffarth_atlas_folder();
}

struct ChooserState {
    std::string file_name;
    int filter_index = 0;
};
ChooserState picture_state, spline_state, text_state;
Rgb last_colour{0, 0, 0};

bool run_file_chooser(Window* owner, FileDialogRequest& r, ChooserState& state, bool save)
{
    r.owner = owner;
    r.file_name = state.file_name;
    r.filter_index = state.filter_index;
    r.default_extension.assign(1, '*');   // assigning "*" sets off a false -Wrestrict at -O3 (GCC 12)
    r.must_exist = !save;
    const bool chosen = save ? file_save_dialog(r) : file_open_dialog(r);
    if (!chosen) {
        unsigned long code = file_dialog_error();
        if (code != 0)
            message_box(owner, cformat("GetOpenFileName returned Error #%ld", static_cast<long>(code)), "WARNING",
                        mb_iconerror);
        r.file_name = state.file_name;
    } else {
        state.file_name = r.file_name;
    }
    state.filter_index = r.filter_index;
    if (owner) invalidate_window(owner, true);
    return chosen;
}

} // namespace

double leading_number(const std::string& text)
{
    return c_strtod(text);
}

void show_vickershardness_dialog()
{
    open_dialog(std::string("VICKERSHARDNESS") + language_suffix(), vickershardness_dialog_proc);
}

void show_txt_dialog()
{
    open_dialog("TXT", txt_dialog_proc);
}

void show_txt2_dialog()
{
    open_dialog("TXT2", txt2_dialog_proc);
}

void show_axis_dialog()
{
    open_dialog("AXIS", axis_dialog_proc);
}

bool choose_picture_file(Window* owner, FileDialogRequest& out)
{
    out = FileDialogRequest{};
    out.filters = {{" 1.Bmp ", "*.bmp"}, {" 2. Pcx ", "*.pcx"}};
    out.initial_dir = atlas_start_folder(true);
    out.title = pick(Text5{"  Choose file", "  Выберите файл", "  Виберіть файл", "  Wählen Sie die Datei",
                           "  Choisissez le fichier"});
    return run_file_chooser(owner, out, picture_state, false);
}

bool choose_spline_file(Window* owner, FileDialogRequest& out)
{
    out = FileDialogRequest{};
    out.filters = {{" 1.Диаграмы ", "*.spl"}, {" 2. Тексты ", "*.txt"}};
    out.initial_dir = atlas_start_folder(true);
    out.title = "   Выберите файл";
    return run_file_chooser(owner, out, spline_state, true);
}

bool choose_text_file(Window* owner, FileDialogRequest& out)
{
    out = FileDialogRequest{};
    out.filters = {{" 1. Тексты ", "*.txt"}, {" 2. Тексты_ ", "*.tx_"}};
    out.initial_dir = atlas_start_folder(false);
    out.title = "   Выберите файл";
    return run_file_chooser(owner, out, text_state, true);
}

bool choose_colour(Window* owner, Rgb& colour)
{
    ColourRequest r;
    r.owner = owner;
    r.colour = last_colour;
    r.custom_colours = {{255, 0, 0},   {0, 0, 255},   {255, 128, 0}, {80, 80, 0},  {80, 255, 0},    {0, 128, 0},
                        {0, 128, 255}, {0, 0, 255},   {128, 128, 128}, {255, 0, 0}, {0, 128, 0},    {0, 128, 255},
                        {255, 0, 0},   {255, 255, 0}, {128, 128, 128}, {255, 0, 0}};
    const bool ok = colour_dialog(r);
    if (ok) last_colour = r.colour;
    if (owner) invalidate_window(owner, true);
    colour = r.colour;
    return ok;
}

void reset_digitizer_inputs()
{
    curve_hardness = 0;
    label_text.clear();
    structure_texts = {"00", "00", "00", "400"};
    axis_values = {0, 400, 0, 900};
    x_log = 1;
    y_log = 0;
    // Filled, not assigned from literals: that sets off a false -Wrestrict
    // inside std::string at -O3 with GCC 12.
    vickershardness_text.assign(1, '5');
    txt_text.assign(5, ' ');
    txt2_texts = {"00", "00", "00", "400"};
    axis_texts = {"0.0", "400.0", "0.0", "900.0"};
    picture_state = {};
    spline_state = {};
    text_state = {};
    last_colour = {0, 0, 0};
}
