#include "digitized_data.h"

#include "lang.h"
#include "numfmt.h"

#include <cmath>

std::vector<double> spline_buffer(spline_buffer_size, 0.0);
int spline_end = curve_set_header;
std::vector<LabelRecord> label_table;
std::optional<std::vector<StructureRecord>> structure_list;

namespace {

// Numbers 1 to 24: the CCT box (ln 1 .. ln 400 s, 0 .. 900 degrees), the
// property ranges in the pairs where the property windows look for them (HV
// 80..440 in 5-6, Rm 100..1300 in 7-8, then A 0..48, Z 0..96, K 0..36), as
// the atlas's own property files hold them, then reserved zeros. A header
// with 0..0 in 5-6 would give those windows an HV range of no height.
constexpr double curve_header[24] = {0, 0, 5.991464547743, 900, 80, 440, 100, 1300, 0, 48, 0, 96,
                                     0, 36, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

// A label text is one token of the label file: white space at its ends goes
// (every byte the label reader splits on: blank, tab, line feed, carriage
// return, vertical tab, form feed), white space inside becomes '_', and an
// empty text is written as "_", so that every record reads back as text, x,
// y and the count line stays true.
std::string label_token(std::string_view text)
{
    const size_t b = text.find_first_not_of(atlas_white_space);
    if (b == std::string_view::npos) return "_";
    const size_t e = text.find_last_not_of(atlas_white_space);
    std::string t(text.substr(b, e - b + 1));
    for (char& c : t)
        if (atlas_white_space.find(c) != std::string_view::npos) c = '_';
    return t;
}

} // namespace

std::uint32_t colour_number(Rgb colour)
{
    return static_cast<std::uint32_t>(colour.r & 0xFF) | (static_cast<std::uint32_t>(colour.g & 0xFF) << 8) |
           (static_cast<std::uint32_t>(colour.b & 0xFF) << 16);
}

void reset_digitized_curves()
{
    spline_buffer[0] = 0;
    spline_end = curve_set_header;
}

bool append_digitized_curve(std::span<const double> xs, std::span<const double> ys, std::uint32_t colour,
                            double hv, int p)
{
    if (p < 1 || p > digitized_curve_max_points) return false;
    if (xs.size() < static_cast<size_t>(p) || ys.size() < static_cast<size_t>(p)) return false;
    if (!std::isfinite(hv)) return false;
    for (int i = 0; i < p; ++i)
        if (!std::isfinite(xs[i]) || !std::isfinite(ys[i])) return false;
    const int length = 2 * p + 3;
    if (spline_end + length > spline_buffer_size) return false;
    for (int i = 0; i < 24; ++i) spline_buffer[i + 1] = curve_header[i];
    int e = spline_end;
    spline_buffer[e++] = p - 1;
    spline_buffer[e++] = colour & 0xFFFFFFu;
    for (int i = 0; i < p; ++i) {
        spline_buffer[e++] = xs[i];
        spline_buffer[e++] = ys[i];
    }
    spline_buffer[e++] = hv;
    spline_end = e;
    spline_buffer[0] = e;
    return true;
}

std::string spline_file_text()
{
    std::string out = cformat(" %d ", spline_end);
    for (int i = 1; i < spline_end; ++i) {
        if (i % 5 == 0) out += '\n';
        out += ' ';
        out += exact_number(spline_buffer[i]);
    }
    return out;
}

std::string label_file_text(std::span<const LabelRecord> labels)
{
    std::string out = cformat("\n %zu", labels.size());
    for (const LabelRecord& l : labels) {
        out += '\n';
        out += label_token(l.text);
        out += ' ' + exact_number(l.x) + ' ' + exact_number(l.y);
    }
    return out;
}

std::string structure_file_text(std::span<const StructureRecord> records)
{
    std::string out = "Kuhlzeit(850-500) F   Zw   P\n";
    for (const StructureRecord& r : records) {
        for (double v : {r.cooling_time, r.ferrite, r.bainite, r.pearlite, r.hv}) out += exact_number(v) + ' ';
        out += '\n';
    }
    return out;
}

WriteOutcome write_spline_file(const std::string& path)
{
    return write_file_whole(path, spline_file_text());
}

WriteOutcome write_label_file(const std::string& path)
{
    return write_file_whole(path, label_file_text(label_table));
}

WriteOutcome write_structure_file(const std::string& path, std::span<const StructureRecord> records)
{
    return write_file_whole(path, structure_file_text(records));
}

std::string label_text_refusal(std::string_view text)
{
    if (text.find('\0') != std::string_view::npos)
        return pick(Text5{"A label text cannot hold a NUL character.", "Текст надписи не может содержать символ NUL.",
                          "Текст напису не може містити символ NUL.",
                          "Ein Beschriftungstext darf kein NUL-Zeichen enthalten.",
                          "Le texte d'une étiquette ne peut pas contenir de caractère NUL."});
    if (text.find_first_not_of(atlas_white_space) == std::string_view::npos)
        return pick(Text5{"Type the text of the label: a label of blanks only shows nothing.",
                          "Введите текст надписи: надпись из одних пробелов ничего не показывает.",
                          "Введіть текст напису: напис з одних пропусків нічого не показує.",
                          "Geben Sie den Text der Beschriftung ein: eine Beschriftung nur aus Leerzeichen zeigt "
                          "nichts.",
                          "Tapez le texte de l'étiquette : une étiquette faite d'espaces ne montre rien."});
    return {};
}

bool add_label(std::string_view text, double x, double y)
{
    if (label_table.size() >= static_cast<size_t>(label_table_max)) return false;
    if (!label_text_refusal(text).empty() || !std::isfinite(x) || !std::isfinite(y)) return false;
    // Kept as it is written, so the label file reads back to these records.
    label_table.push_back(LabelRecord{label_token(first_characters(text, label_text_max)), x, y});
    return true;
}

void draw_labels(Canvas& dc, std::span<const LabelRecord> labels, Rect rect, WorldBox box)
{
    if (labels.empty()) return;
    const double wx = std::fabs(box.x_max - box.x_min);
    const double wy = std::fabs(box.y_min - box.y_max);
    if (wx == 0 || wy == 0) return;   // a box without extent places nothing
    const double sx = std::abs(rect.right - rect.left) / wx;
    const double sy = std::abs(rect.bottom - rect.top) / wy;
    for (const LabelRecord& l : labels) {
        Size e = dc.text_extent(l.text);
        double x = rect.left + (l.x - box.x_min) * sx - e.cx / 2;
        double y = rect.top + (box.y_max - l.y) * sy - e.cy / 2;
        if (!std::isfinite(x) || !std::isfinite(y) || std::fabs(x) > 1e6 || std::fabs(y) > 1e6) continue;
        dc.text_out(static_cast<int>(x), static_cast<int>(y), l.text);
    }
}

void init_structure_list()
{
    structure_list.emplace();
    structure_list->reserve(structure_list_max);
}

bool add_structure_record(double t, double ferrite, double bainite, double pearlite, double hv)
{
    if (!structure_list || structure_list->size() >= static_cast<size_t>(structure_list_max)) return false;
    structure_list->push_back(StructureRecord{t, ferrite, bainite, pearlite, hv});
    return true;
}
