#include "digitizer_dialog.h"

#include "curve_set.h"
#include "dialog.h"
#include "digitized_data.h"
#include "digitizer_inputs.h"
#include "frame_globals.h"
#include "lang.h"
#include "msgbox.h"
#include "numfmt.h"
#include "picture.h"
#include "statusbar.h"
#include "window.h"

#include <algorithm>
#include <cmath>
#include <span>

int digitizer_mode = digitizer_axes;
Rect calibration_rect{0, 0, 0, 0};
int axes_click = 0;
Point axes_points[3]{};
Point last_click{0, 0};
WorldBox preview_box = digitizer_box;
std::vector<double> curve_xs;
std::vector<double> curve_ys;
int curve_count = 0;
Rgb curve_colour{255, 0, 0};
Rgb axes_colour{0, 0, 0};
Rgb text_colour{0, 255, 0};
int store_pending = 0;
int labels_pending = 0;
FileDialogRequest picture_choice;
std::string picture_path;
// The picture as it was read when chosen: a repaint draws it without reading
// the file again, so a file changed or replaced meanwhile (or turned into a
// pipe) neither stops the dialog nor costs the curves not yet saved.
Picture digitizer_picture;
std::string save_path;

namespace {

bool opened_before = false;
bool point_limit_told = false;
// What closing the dialog would lose: curves stored since the curve set was
// last saved (the set is emptied at every opening), labels entered since the
// label file was last saved (the table lasts the run, the file is what
// stays), and the open structure list's points.
int unsaved_curves = 0;
int unsaved_labels = 0;
Rect rect_before_axes{0, 0, 0, 0};

constexpr double grid_times[12] = {1, 2, 4, 6, 8, 10, 20, 40, 60, 100, 200, 400};
constexpr double temperature_values[10] = {0, 100, 200, 300, 400, 500, 600, 700, 800, 900};
constexpr double property_values[13] = {80, 110, 140, 170, 200, 230, 260, 290, 320, 350, 380, 410, 440};

const char* const message_caption = "  Message!";

void tell(Window* owner, const std::string& text)
{
    message_box(owner, text, message_caption, mb_ok | mb_iconwarning);
}

void draw_grid(Canvas& dc, Rect rect, Rgb colour, std::span<const double> values)
{
    const int left = rect.left, top = rect.top, right = rect.right, bottom = rect.bottom;
    if (right - left == 0 || bottom - top == 0) return;
    const double v_first = values.front(), v_last = values.back();
    dc.set_text_color(colour);
    const double sx = std::abs(right - left) / (std::log(400.0) - std::log(1.0));
    const double sy = std::abs(bottom - top) / std::fabs(v_first - v_last);
    const Pen dotted{PenStyle::dot, 1, colour};
    const Pen tick{PenStyle::solid, 2, colour};
    for (double v : values) {
        const int y = static_cast<int>(top + (v_last - v) * sy);
        dc.select_pen(dotted);
        dc.move_to(left, y);
        dc.line_to(right, y);
        dc.select_pen(tick);
        dc.move_to(left, y);
        dc.line_to(left + 6, y);
        const std::string label = cformat("%g", v);
        const Size e = dc.text_extent(label, true);
        dc.text_out(left - e.cx, static_cast<int>(bottom - (v - v_first) * sy - e.cy / 2.0), label);
    }
    for (double t : grid_times) {
        const int x = static_cast<int>(left + (std::log(t) - std::log(1.0)) * sx);
        dc.select_pen(dotted);
        dc.move_to(x, bottom);
        dc.line_to(x, top);
        dc.select_pen(tick);
        dc.move_to(x, bottom);
        dc.line_to(x, bottom + 6);
        const std::string label = cformat("%g", t);
        const Size e = dc.text_extent(label, true);
        dc.text_out(x - e.cx / 2, static_cast<int>(bottom + 0.8 * e.cy), label);
    }
    dc.select_pen(tick);
    dc.move_to(left, bottom);
    dc.line_to(right, bottom);
}

void circle(Canvas& dc, Point p, const Pen& pen)
{
    dc.select_pen(pen);
    dc.select_brush(Brush{BrushStyle::null, {}});
    dc.ellipse(p.x - 3, p.y - 3, p.x + 3, p.y + 3);
}

void circle_now(Window* dlg, Point p, const Pen& pen)
{
    auto dc = get_dc(dlg);
    if (dc) circle(*dc, p, pen);
}

int mode_from_radios(Window* dlg, std::initializer_list<std::pair<int, int>> order)
{
    int mode = digitizer_mode;
    for (auto [id, m] : order)
        if (has_item(dlg, id) && is_button_checked(dlg, id)) mode = m;
    return mode;
}

void status_parts(Window* dlg, int n)
{
    const int width = get_client_rect(dlg).width();
    std::vector<int> edges;
    for (int k = 1; k <= n; ++k) edges.push_back(width / n * k);
    status_bar_set_parts(dlg, edges);
}

void status_point(Window* dlg, int n, int px, int py, const CapturedPoint& p)
{
    status_parts(dlg, n);
    status_bar_set_text(dlg, 0, cformat(" x =  %u", static_cast<unsigned>(px)));
    status_bar_set_text(dlg, 1, cformat(" y =  %u", static_cast<unsigned>(py)));
    status_bar_set_text(dlg, 2, cformat(" kuhlzeit: %g", p.t));
    status_bar_set_text(dlg, 3, cformat(" temperature: %g", p.y));
}

void take_picture(Window* dlg)
{
    FileDialogRequest r;
    if (!choose_picture_file(dlg, r)) return;   // a cancel keeps the picture shown
    picture_choice = r;
    picture_path = r.file_name;
    std::string why;
    digitizer_picture = load_picture_file(picture_path, why);
    if (!digitizer_picture.valid())
        tell(dlg, cformat(pick(Text5{"The picture cannot be read; choose a BMP or PCX file.\n%s",
                                     "Рисунок не читается; выберите BMP- или PCX-файл.\n%s",
                                     "Малюнок не читається; виберіть BMP- або PCX-файл.\n%s", nullptr, nullptr}),
                          why.c_str()));
}

void on_init(Window* dlg)
{
    axes_colour = Rgb{0, 0, 0};
    curve_colour = Rgb{255, 0, 0};
    text_colour = Rgb{0, 255, 0};
    reset_digitized_curves();
    unsaved_curves = 0;
    if (!opened_before) {
        opened_before = true;
        curve_count = 0;
        curve_xs.clear();
        curve_ys.clear();
        axes_click = 0;
        take_picture(dlg);
    }
    check_button(dlg, 10320, true);
    digitizer_mode = mode_from_radios(dlg, {{10318, 1}, {10319, 2}, {10320, 3}});
    for (int id : {10070, 10071, 10072, 10073, 1005, 1006, 1012})
        if (has_item(dlg, id)) enable_item(dlg, id, false);
}

// Ends the curve being entered: its points become a record of the curve
// set at once, so that a save made before the next paint holds them; the
// next paint shows the set.
void store_curve(Window* dlg)
{
    const int p = static_cast<int>(curve_xs.size());
    if (!append_digitized_curve(curve_xs, curve_ys, colour_number(curve_colour), curve_hardness, p)) {
        tell(dlg, pick(Text5{"The curve does not fit into the curve set any more: save the curves with "
                             "\"Save spline as ...\" and start a new set.",
                             "Кривая больше не помещается в набор: сохраните кривые (\"Save spline as ...\").",
                             "Крива більше не вміщується в набір: збережіть криві (\"Save spline as ...\").",
                             "Die Kurve passt nicht mehr in den Kurvensatz: speichern Sie die Kurven mit "
                             "\"Save spline as ...\" und beginnen Sie einen neuen Satz.",
                             "La courbe n'entre plus dans le jeu de courbes : enregistrez les courbes avec "
                             "\"Save spline as ...\" et commencez un nouveau jeu."}));
        return;
    }
    curve_count += 1;
    unsaved_curves += 1;
    curve_xs.clear();
    curve_ys.clear();
    point_limit_told = false;
    store_pending = 1;
    invalidate_window(dlg, true);
}

void tell_no_points(Window* dlg)
{
    tell(dlg, pick(Text5{"The curve has no points yet: click its points on the diagram, then press \"Spline\".",
                         "У кривой ещё нет точек: отметьте её точки на диаграмме, затем нажмите \"Сплайн\".",
                         "Крива ще не має точок: позначте її точки на діаграмі, потім натисніть \"Сплайн\".",
                         "Die Kurve hat noch keine Punkte: klicken Sie ihre Punkte im Diagramm an und drücken Sie "
                         "dann \"Spline\".",
                         "La courbe n'a pas encore de points : cliquez ses points sur le diagramme, puis appuyez "
                         "sur \"Spline\"."}));
}

void tell_labels_full(Window* dlg)
{
    tell(dlg, cformat(pick(Text5{"The label table is full (%d labels): save it with \"Save text as ...\".",
                                 "Таблица надписей заполнена (%d): сохраните её (\"Save text as ...\").",
                                 "Таблиця написів заповнена (%d): збережіть її (\"Save text as ...\").",
                                 "Die Beschriftungstabelle ist voll (%d Beschriftungen): speichern Sie sie mit "
                                 "\"Save text as ...\".",
                                 "La table des étiquettes est pleine (%d étiquettes) : enregistrez-la avec \"Save "
                                 "text as ...\"."}),
                      label_table_max));
}

void on_paint(Window* dlg)
{
    Canvas* dc = begin_paint(dlg);
    if (!dc) {
        end_paint(dlg);
        return;
    }
    dc->set_background_mode(BackgroundMode::transparent);
    dc->set_text_color(Rgb{128, 0, 0});
    if (digitizer_picture.valid()) dc->draw_picture(digitizer_picture, digitizer_picture_rect);
    const Pen axes_pen{PenStyle::solid, 2, axes_colour};
    if (digitizer_mode == 3) {
        circle(*dc, last_click, axes_pen);
    } else {
        draw_time_temperature_grid(*dc, calibration_rect, axes_colour);
        dc->select_pen(axes_pen);
    }
    if (store_pending) {
        draw_curve_set(*dc, std::span<const double>(spline_buffer.data(), spline_end), preview_box,
                       calibration_rect);
        store_pending = 0;
    }
    if (labels_pending) {
        draw_labels(*dc, label_table, calibration_rect, preview_box);
        labels_pending = 0;
    }
    end_paint(dlg);
}

void axes_done(Window* dlg)
{
    preview_box = digitizer_box;
    show_axis_dialog();
    AxisGrid grid = AxisGrid::none;
    WorldBox box = digitizer_box;
    std::string message;
    if (!axis_preview(axis_values.data(), x_log, y_log, grid, box, message)) {
        tell(dlg, message);
        return;
    }
    preview_box = box;
    auto dc = get_dc(dlg);
    if (!dc) return;
    if (grid == AxisGrid::time_temperature) draw_time_temperature_grid(*dc, calibration_rect, axes_colour);
    if (grid == AxisGrid::time_property) draw_time_property_grid(*dc, calibration_rect, axes_colour);
}

void click_axes(Window* dlg, Point p)
{
    last_click = p;
    status_parts(dlg, 8);
    status_bar_set_text(dlg, 0, " Ввод осей");
    status_bar_set_text(dlg, 1, cformat(" x =  %u", static_cast<unsigned>(p.x)));
    status_bar_set_text(dlg, 2, cformat(" y =  %u", static_cast<unsigned>(p.y)));
    if (axes_click < 0 || axes_click > 2) axes_click = 0;
    bool refused = false;
    switch (axes_click) {
    case 0:
        rect_before_axes = calibration_rect;
        axes_points[0] = p;
        calibration_rect.top = p.y;
        status_bar_set_text(dlg, 3, cformat("введите 0,X > (%u)", 0u));
        break;
    case 1:
        axes_points[1] = p;
        calibration_rect.right = p.x;
        status_bar_set_text(dlg, 3, cformat("введите 0,0 > (%u)", 1u));
        break;
    default: {
        axes_points[2] = p;
        Rect candidate = calibration_rect;
        candidate.left = p.x;
        candidate.bottom = p.y;
        std::string why = calibration_refusal(candidate);
        if (!why.empty()) {
            // The earlier calibration stays; the three clicks start again.
            calibration_rect = rect_before_axes;
            tell(dlg, why);
            refused = true;
            break;
        }
        calibration_rect = candidate;
        const double phi = std::atan2(axes_points[2].y - axes_points[1].y, axes_points[1].x - axes_points[2].x);
        const double phi_deg = 180.0 / M_PI * phi;
        axes_done(dlg);
        status_bar_set_text(dlg, 3, cformat(" phi = %g", phi));
        status_bar_set_text(dlg, 4, cformat(" phiDeg = %g", phi_deg));
        status_bar_set_text(dlg, 5, cformat(" phi[Deg] = %g", phi_deg));
        break;
    }
    }
    circle_now(dlg, p, Pen{PenStyle::solid, 2, axes_colour});
    if (refused) {
        axes_click = 0;
        return;
    }
    axes_click += 1;
    if (axes_click > 2) {
        check_button(dlg, 10318, true);
        check_button(dlg, 10319, false);
        check_button(dlg, 10320, false);
        digitizer_mode = 1;
        curve_xs.clear();
        curve_ys.clear();
    }
}

void on_click(Window* dlg, Point p)
{
    digitizer_mode = mode_from_radios(dlg, {{10318, 1}, {10319, 2}, {10321, 4}, {10320, 3}});
    if (digitizer_mode == 3) {
        click_axes(dlg, p);
        return;
    }
    preview_box = digitizer_box;
    CapturedPoint w;
    const bool inside = capture_point(calibration_rect, p.x, p.y, w);
    const Pen thin{PenStyle::solid, 1, curve_colour};
    if (digitizer_mode == 1) {
        if (curve_xs.size() <= 1) circle_now(dlg, last_click, thin);
        last_click = p;
        if (!inside) {
            status_bar_clear(dlg);
            return;
        }
        if (curve_xs.size() >= static_cast<size_t>(digitized_curve_max_points)) {
            if (!point_limit_told)
                tell(dlg, pick(Text5{"A curve holds at most 100 points: store it with \"Spline\" and go on "
                                     "with a new curve.",
                                     "Кривая содержит не более 100 точек: сохраните её кнопкой \"Сплайн\".",
                                     "Крива містить не більше 100 точок: збережіть її кнопкою \"Сплайн\".",
                                     nullptr, nullptr}));
            point_limit_told = true;
            return;
        }
        circle_now(dlg, p, thin);
        curve_xs.push_back(w.x);
        curve_ys.push_back(w.y);
        status_point(dlg, 8, p.x, p.y, w);
        status_bar_set_text(dlg, 4, cformat(" Число точек: %u", static_cast<unsigned>(curve_xs.size())));
        return;
    }
    last_click = p;
    if (!inside) return;
    circle_now(dlg, p, thin);
    // A dialog ended by its Cancel adds nothing; the repaint takes the
    // circle away again.
    dialog_accepted = 0;
    if (digitizer_mode == 2) {
        show_txt_dialog();
        if (dialog_accepted == 1) {
            if (label_table.size() >= static_cast<size_t>(label_table_max)) {
                tell_labels_full(dlg);
            } else if (!add_label(label_text, w.x, w.y)) {
                tell(dlg, label_text_refusal(label_text));
            } else {
                unsaved_labels += 1;
                if (auto dc = get_dc(dlg)) {
                    dc->set_text_color(text_colour);
                    dc->set_background_mode(BackgroundMode::transparent);
                    dc->text_out(p.x, p.y, cformat(" %s", label_text.c_str()));
                }
                labels_pending = 1;
            }
        }
    } else {
        show_txt2_dialog();
        if (dialog_accepted == 1) {
            if (!structure_list) init_structure_list();   // after a save: a new list
            if (!add_structure_record(w.t, leading_number(structure_texts[1]),
                                      leading_number(structure_texts[0]), leading_number(structure_texts[2]),
                                      leading_number(structure_texts[3])))
                tell(dlg, pick(Text5{"A structure table holds at most 39 points: save it with \"Save text2 as "
                                     "...\".",
                                     "Таблица структуры содержит не более 39 точек: сохраните её (\"Save text2 as "
                                     "...\").",
                                     "Таблиця структури містить не більше 39 точок: збережіть її (\"Save text2 as "
                                     "...\").",
                                     "Eine Gefügetabelle fasst höchstens 39 Punkte: speichern Sie sie mit \"Save "
                                     "text2 as ...\".",
                                     "Une table de structure contient au plus 39 points : enregistrez-la avec "
                                     "\"Save text2 as ...\"."}));
        }
    }
    invalidate_window(dlg, true);
    status_point(dlg, 5, p.x, p.y, w);
}

void report_write(Window* dlg, const WriteOutcome& w)
{
    if (!w.ok) message_box(dlg, w.message, message_caption, mb_ok | mb_iconerror);
}

// The three saves; each is true when its file was written.
bool save_curves(Window* dlg)
{
    FileDialogRequest r;
    if (!choose_spline_file(dlg, r)) return false;
    save_path = r.file_name;
    const WriteOutcome w = write_spline_file(save_path);
    report_write(dlg, w);
    if (w.ok) unsaved_curves = 0;
    return w.ok;
}

bool save_labels(Window* dlg)
{
    FileDialogRequest r;
    if (!choose_text_file(dlg, r)) return false;
    save_path = r.file_name;
    const WriteOutcome w = write_label_file(save_path);
    report_write(dlg, w);
    if (w.ok) unsaved_labels = 0;
    return w.ok;
}

bool save_structure(Window* dlg)
{
    if (!structure_list) {
        tell(dlg, pick(Text5{"There are no structure points to save: choose the input of structure points "
                             "and click the points first.",
                             "Нет точек структуры: выберите \"Ввод текста  2\" и отметьте точки.",
                             "Немає точок структури: виберіть введення точок структури і позначте точки.",
                             "Es gibt keine Gefügepunkte zum Speichern: wählen Sie die Eingabe der Gefügepunkte "
                             "und klicken Sie zuerst die Punkte an.",
                             "Il n'y a aucun point de structure à enregistrer : choisissez la saisie des points "
                             "de structure et cliquez d'abord les points."}));
        return false;
    }
    FileDialogRequest r;
    if (!choose_text_file(dlg, r)) return false;   // the list stays for another try
    save_path = r.file_name;
    const WriteOutcome w = write_structure_file(save_path, *structure_list);
    report_write(dlg, w);
    if (w.ok) structure_list.reset();
    return w.ok;
}

// What closing would lose, as "curves: 2, labels: 1"; empty when nothing.
std::string unsaved_work()
{
    std::string out;
    auto add = [&](const Text5& name, std::size_t count) {
        if (count == 0) return;
        if (!out.empty()) out += ", ";
        out += cformat("%s: %zu", pick(name), count);
    };
    add(Text5{"curves", "кривые", "криві", "Kurven", "courbes"}, static_cast<std::size_t>(unsaved_curves));
    add(Text5{"points of the curve being entered", "точки вводимой кривой", "точки кривої, що вводиться",
              "Punkte der eingegebenen Kurve", "points de la courbe en cours"},
        curve_xs.size());
    add(Text5{"labels", "надписи", "написи", "Beschriftungen", "étiquettes"},
        static_cast<std::size_t>(unsaved_labels));
    add(Text5{"structure points", "точки структуры", "точки структури", "Gefügepunkte", "points de structure"},
        structure_list ? structure_list->size() : 0);
    return out;
}

// Before the dialog closes with work not saved, the user says whether to
// save it (every file asked for in turn), to drop it, or to stay. True when
// the dialog may close.
bool may_close(Window* dlg)
{
    const std::string work = unsaved_work();
    if (work.empty()) return true;
    const int answer = message_box(
        dlg,
        cformat(pick(Text5{"Not saved yet: %s.\nSave them before the digitization closes?",
                           "Не сохранено: %s.\nСохранить перед закрытием оцифровки?",
                           "Не збережено: %s.\nЗберегти перед закриттям оцифрування?",
                           "Noch nicht gespeichert: %s.\nVor dem Schließen der Digitalisierung speichern?",
                           "Pas encore enregistré : %s.\nLes enregistrer avant de fermer la numérisation ?"}),
                work.c_str()),
        pick(Text5{"Digitization", "Оцифровка", "Оцифровка", "Digitization", "Digitization"}),
        mb_yesnocancel | mb_iconquestion);
    if (answer == id_no) {
        unsaved_curves = 0;
        const std::size_t dropped = std::min(label_table.size(), static_cast<std::size_t>(unsaved_labels));
        label_table.resize(label_table.size() - dropped);
        unsaved_labels = 0;
        structure_list.reset();
        curve_xs.clear();
        curve_ys.clear();
        return true;
    }
    if (answer != id_yes) return false;
    // A chooser cancelled or a file not written keeps the dialog open with
    // everything not yet saved.
    if (!curve_xs.empty()) {
        show_vickershardness_dialog();
        store_curve(dlg);
        if (!curve_xs.empty()) return false;
    }
    if (unsaved_curves > 0 && !save_curves(dlg)) return false;
    if (unsaved_labels > 0 && !save_labels(dlg)) return false;
    if (structure_list && !structure_list->empty() && !save_structure(dlg)) return false;
    return true;
}

void on_command(Window* dlg, int id)
{
    switch (id) {
    case 10318: digitizer_mode = 1; break;
    case 10319: digitizer_mode = 2; break;
    case 10320: digitizer_mode = 3; break;
    case 10321:
        digitizer_mode = 4;
        init_structure_list();
        break;
    case 10355:
        if (curve_xs.empty()) {
            tell_no_points(dlg);
            break;
        }
        show_vickershardness_dialog();
        store_curve(dlg);
        break;
    case 1013: {
        Rgb c;
        if (!choose_colour(dlg, c)) break;   // a cancelled chooser changes nothing
        if (digitizer_mode == 1) {
            // A new colour ends the curve entered since the last store, in
            // that new colour.
            curve_colour = c;
            if (curve_count > 0 && !curve_xs.empty()) store_curve(dlg);
        } else if (digitizer_mode == 2) {
            text_colour = c;
        } else if (digitizer_mode == 3) {
            axes_colour = c;
        }
        break;
    }
    case 1001:
        curve_xs.clear();
        curve_ys.clear();
        axes_click = 0;
        store_pending = 0;
        take_picture(dlg);
        invalidate_window(dlg, true);
        break;
    case 1002: save_curves(dlg); break;
    case 1003: save_labels(dlg); break;
    case 1004: save_structure(dlg); break;
    case 10356:
    case 2:
        if (may_close(dlg)) end_dialog(dlg, 1);
        break;
    default: break;
    }
}

} // namespace

bool capture_point(Rect rect, int px, int py, CapturedPoint& out)
{
    if (rect.right - rect.left == 0 || rect.bottom - rect.top == 0) return false;
    if (px < rect.left || px > rect.right || py < rect.top || py > rect.bottom) return false;
    const WorldBox& b = digitizer_box;
    const double sx = std::fabs(b.x_max - b.x_min) / (rect.right - rect.left);
    const double sy = std::fabs(b.y_max - b.y_min) / (rect.bottom - rect.top);
    out.x = b.x_min + (px - rect.left) * sx;
    out.y = b.y_min + (rect.bottom - py) * sy;
    out.t = std::exp((px - rect.left) * sx);
    return true;
}

std::string calibration_refusal(Rect rect)
{
    if (rect.right > rect.left && rect.bottom > rect.top) return {};
    return pick(Text5{"The axes cannot be calibrated: the origin must lie left of the right end of the time axis "
                      "and below the top of the value axis. Click the three points again: the top of the value "
                      "axis, the right end of the time axis, the origin.",
                      "Оси не построены: начало координат должно лежать левее конца оси времени и ниже верха "
                      "оси значений. Отметьте три точки снова.",
                      "Осі не побудовані: початок координат має лежати лівіше кінця осі часу і нижче верху осі "
                      "значень. Позначте три точки знову.",
                      nullptr, nullptr});
}

bool axis_preview(const double values[4], int xlog, int ylog, AxisGrid& grid, WorldBox& box, std::string& message)
{
    box = digitizer_box;
    grid = AxisGrid::none;
    const double a1 = values[0], a2 = values[1], a3 = values[2], a4 = values[3];
    if (a1 == 0 && a2 == 400 && a3 == 0 && xlog && !ylog && (a4 == 900 || a4 == 440)) {
        grid = a4 == 900 ? AxisGrid::time_temperature : AxisGrid::time_property;
        return true;
    }
    for (double v : {a1, a2, a3, a4})
        if (!std::isfinite(v)) {
            message = "The ends of the axes must be numbers.";
            return false;
        }
    if ((xlog && (a1 <= 0 || a2 <= 0)) || (ylog && (a3 <= 0 || a4 <= 0))) {
        message = pick(Text5{"A logarithmic axis needs ends above 0; the curves are shown on the diagram's own "
                             "axes.",
                             "Для логарифмической оси концы должны быть больше 0; кривые показаны в осях "
                             "диаграммы.",
                             "Для логарифмічної осі кінці мають бути більше 0; криві показані в осях діаграми.",
                             nullptr, nullptr});
        return false;
    }
    if (a1 == a2 || a3 == a4) {
        message = pick(Text5{"The two ends of an axis must differ; the curves are shown on the diagram's own axes.",
                             "Концы оси должны различаться; кривые показаны в осях диаграммы.",
                             "Кінці осі мають відрізнятися; криві показані в осях діаграми.", nullptr, nullptr});
        return false;
    }
    box.x_min = xlog ? std::log(a1) : a1;
    box.x_max = xlog ? std::log(a2) : a2;
    box.y_min = ylog ? std::log(a3) : a3;
    box.y_max = ylog ? std::log(a4) : a4;
    return true;
}

void draw_time_temperature_grid(Canvas& dc, Rect rect, Rgb colour)
{
    draw_grid(dc, rect, colour, temperature_values);
}

void draw_time_property_grid(Canvas& dc, Rect rect, Rgb colour)
{
    draw_grid(dc, rect, colour, property_values);
}

std::intptr_t pcx_dialog_proc(Window* dlg, const Message& m)
{
    switch (m.msg) {
    case Msg::init_dialog:
        on_init(dlg);
        return 1;
    case Msg::paint:
        on_paint(dlg);
        return 1;
    case Msg::lbutton_down:
        on_click(dlg, m.point);
        return 1;
    case Msg::command:
        if (m.code == 0) on_command(dlg, m.id);
        return 0;
    default:
        return 0;
    }
}

void show_pcx_dialog()
{
    current_dialog_proc = pcx_dialog_proc;
    dialog_box(std::string("PCX_DIALOG") + language_suffix(), main_window, pcx_dialog_proc);
}

void reset_digitizer_state()
{
    digitizer_mode = digitizer_axes;
    calibration_rect = {0, 0, 0, 0};
    axes_click = 0;
    for (Point& p : axes_points) p = {0, 0};
    last_click = {0, 0};
    preview_box = digitizer_box;
    curve_xs.clear();
    curve_ys.clear();
    curve_count = 0;
    curve_colour = {255, 0, 0};
    axes_colour = {0, 0, 0};
    text_colour = {0, 255, 0};
    store_pending = 0;
    labels_pending = 0;
    picture_choice = {};
    picture_path.clear();
    digitizer_picture = Picture{};
    save_path.clear();
    opened_before = false;
    point_limit_told = false;
    unsaved_curves = 0;
    unsaved_labels = 0;
    rect_before_axes = {0, 0, 0, 0};
    std::fill(spline_buffer.begin(), spline_buffer.end(), 0.0);
    reset_digitized_curves();
    label_table.clear();
    structure_list.reset();
    reset_digitizer_inputs();
}
