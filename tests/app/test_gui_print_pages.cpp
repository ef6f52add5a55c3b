// Printing one window of every family through the main window: on a printer
// page the window lays out on the page's plot rectangle, every text and table
// ruling inside it, no table text across a ruling; and the page printed
// through the real printer path (a PDF where there is no printer) holds the
// window's texts on one page.
#include "frame_test_support.h"

#include "atlas_files.h"
#include "commands.h"
#include "dialog_driver.h"
#include "layout_check.h"
#include "plot.h"
#include "print.h"
#include "recording_canvas.h"
#include "seyffarth_commands.h"
#include "seyffarth_sweep_commands.h"
#include "shorshorov_commands.h"
#include "steel_choice.h"
#include "steel_commands.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Answer = std::function<void(Window*)>;

Answer press(int id)
{
    return [id](Window* dlg) { dialog_click(dlg, id); };
}

// The thermal-cycle and point dialogs: y and z, then OK.
Answer at_point(const char* y, const char* z)
{
    return [=](Window* dlg) {
        dialog_type_text(dlg, 10147, y);
        dialog_type_text(dlg, 10148, z);
        dialog_click(dlg, 10150);
    };
}

struct PrintCase {
    const char* family;
    int command;
    std::vector<Answer> answers;   // each dialog the command opens, in order
    int steel_class;               // 0: no steel chooser; else the file's filter index
    const char* steel_file;        // under the atlas folder of the command
    bool seyffarth;                // which atlas the steel is in
    PaintCallback paint;
    const char* shown;             // a text the printed window shows
};

void PrintTo(const PrintCase& c, std::ostream* out)
{
    *out << c.family;
}

std::vector<PrintCase> print_cases()
{
    return {
        {"thermal_cycle", cmd::thermal_cycle, {at_point("0", "0.5")}, 0, "", false, cycle_routine_on_paint,
         "2. Welding of semiinfinite body"},
        {"isotherms", cmd::isotherm_xy, {press(10146)}, 0, "", false, isotherm_window_on_paint,
         "The sizes of isotermes:"},
        {"cooling_rate", cmd::cooling_rate, {at_point("0", "0.5")}, 0, "", false, cooling_rate_window_on_paint,
         "2. Welding of semiinfinite body"},
        {"kasatkin_seyffarth", cmd::kasatkin_properties_at_point, {press(1), at_point("0.5", "0.3")}, 0, "", false,
         kasatkin_properties_at_point_window_on_paint, "Cooling time, s"},
        {"ion", cmd::ion_hardness_at_point, {press(1), at_point("0.5", "0.3")}, 0, "", false,
         ion_hardness_at_point_window_on_paint, "Cooling time, s"},
        {"seyffarth", cmd::seyffarth_properties_at_point, {press(10158)}, 1, "S355J2.sp0", true,
         seyffarth_properties_at_point_window_on_paint, "composition, %"},
        {"shorshorov", cmd::shorshorov_structure_at_point, {press(10158)}, 3, "09G2S.301", false,
         shorshorov_structure_at_point_window_on_paint, "Cooling speed, C/s"},
        {"haz_profile", cmd::seyffarth_haz_first + 2, {press(10158)}, 1, "S355J2.sp0", true,
         seyffarth_haz_profile_window_on_paint, "composition, %"},
    };
}

std::string box(const Rect& r)
{
    std::ostringstream out;
    out << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
    return out.str();
}

bool inside(const Rect& inner, const Rect& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// Table rulings: solid black one-pixel lines (the clearing frame is a
// rectangle, not a line).
bool is_table_rule(const RecordingCanvas::LineCall& line)
{
    return line.pen == Pen{PenStyle::solid, 1, Rgb{0, 0, 0}} && !(line.from == line.to);
}

Rect span_of(const RecordingCanvas::LineCall& line)
{
    return Rect{std::min(line.from.x, line.to.x), std::min(line.from.y, line.to.y),
                std::max(line.from.x, line.to.x) + 1, std::max(line.from.y, line.to.y) + 1};
}

Rect joined(const Rect& a, const Rect& b)
{
    return Rect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

// The tables of the page: rulings that meet one another, with the box they
// span. A text inside such a box is a text of that table.
struct Table {
    Rect box;
    std::vector<RecordingCanvas::LineCall> rulings;
};

std::vector<Table> tables_of(const RecordingCanvas& page)
{
    std::vector<Table> tables;
    for (const RecordingCanvas::LineCall& line : page.lines) {
        if (!is_table_rule(line)) continue;
        Table joined_table{span_of(line), {line}};
        // Every table this ruling touches merges into one.
        for (auto it = tables.begin(); it != tables.end();) {
            const Rect grown{it->box.left - 1, it->box.top - 1, it->box.right + 1, it->box.bottom + 1};
            if (boxes_meet(grown, span_of(line))) {
                joined_table.box = joined(joined_table.box, it->box);
                joined_table.rulings.insert(joined_table.rulings.end(), it->rulings.begin(), it->rulings.end());
                it = tables.erase(it);
            } else {
                ++it;
            }
        }
        tables.push_back(std::move(joined_table));
    }
    return tables;
}

// What on the page breaks the layout: a text or a table ruling outside the
// plot rectangle, a ruling through the ink of a text of its table.
std::vector<std::string> page_faults(const RecordingCanvas& page, const Rect& plot)
{
    std::vector<std::string> faults;
    const std::vector<PlacedText> texts = placed_texts(page);
    for (const PlacedText& t : texts)
        if (t.cell.width() > 0 && !inside(t.cell, plot))
            faults.push_back("text \"" + t.text + "\" in " + box(t.cell) + " outside");
    for (const Table& table : tables_of(page)) {
        if (!inside(table.box, plot)) faults.push_back("table " + box(table.box) + " outside");
        for (const PlacedText& t : texts) {
            if (!inside(t.cell, table.box)) continue;
            for (const RecordingCanvas::LineCall& line : table.rulings)
                if (rule_crosses(DrawnRule{0, line.from, line.to, 1, false}, t.ink))
                    faults.push_back("ruling " + box(span_of(line)) + " through \"" + t.text + "\"");
        }
    }
    return faults;
}

std::string pdf_text(const fs::path& pdf)
{
    const std::string command = "pdftotext -layout '" + pdf.string() + "' -";
    std::string out;
    FILE* p = popen(command.c_str(), "r");
    if (p == nullptr) return out;
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), p)) > 0) out.append(buffer.data(), n);
    pclose(p);
    return out;
}

class PrintedPages : public ::testing::TestWithParam<PrintCase> {
protected:
    void SetUp() override
    {
        dir_ = fs::path(VELMARIN_TEST_OUTPUT_DIR) / "print_pages" / GetParam().family;
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        setenv("VELMARIN_PDF_DIR", dir_.c_str(), 1);
        print_pdf_only(true);
        previous_ = fs::current_path();
        fs::current_path(dir_);   // the cooling-rate window writes its file here
        start_program("ENG");
        ASSERT_NE(main_window, nullptr);
        seyffarth_steel = SteelChoice{};
        seyffarth_steel_file.clear();
        shorshorov_steel = SteelChoice{};
        shorshorov_steel_file.clear();
    }
    void TearDown() override
    {
        while (pending_chooser_answers() > 0) {
            ChooserAnswer dropped;
            take_chooser_answer(dropped);
        }
        stop_program();
        print_pdf_only(false);
        unsetenv("VELMARIN_PDF_DIR");
        fs::current_path(previous_);
    }

    void show(const PrintCase& c)
    {
        if (c.steel_class != 0) {
            const std::string folder = c.seyffarth ? seyffarth_atlas_folder() : shorshorov_atlas_folder();
            push_chooser_answer(ChooserAnswer{true, folder + "/" + c.steel_file, c.steel_class, {}});
        }
        for (const Answer& answer : c.answers)
            push_dialog_hook([answer](Window* dlg, const std::string&) { answer(dlg); });
        run_menu_command(c.command);
        clear_dialog_hooks();
    }

    fs::path dir_;
    fs::path previous_;
};

TEST_P(PrintedPages, TheWindowLaysOutOnThePlotRectangleOfThePage)
{
    const PrintCase& c = GetParam();
    show(c);
    ASSERT_EQ(current_paint, c.paint);
    EXPECT_TRUE(message_box_take_log().empty());
    // The screen, for a person to set beside the printed page.
    save_window_image(main_window, (dir_ / "screen.png").string());

    // Portrait and landscape A4 at 300 dpi: the plot rectangle takes the
    // width of the one and the height of the other.
    for (const auto& [w, h] : {std::pair{210, 297}, std::pair{297, 210}}) {
        SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h) + " mm");
        RecordingCanvas page = RecordingCanvas::printer_page(w, h, 300);
        draw_window_on_page(page);
        Rect plot;
        get_print_plot_rect(page, plot);
        ASSERT_NE(page.find_text(c.shown), nullptr) << page.all_text();
        for (const std::string& fault : page_faults(page, plot)) ADD_FAILURE() << fault;
        // In the canvas state the window painted with on the screen: a line's
        // opaque cell blanks no ink of the line above it on paper either.
        const DeviceCaps caps = page.caps();
        for (const LayoutFinding& f : check_layout(page, Rect{0, 0, caps.horz_res, caps.vert_res}))
            if (!only_touching(f)) ADD_FAILURE() << f.describe();
        // Laid out on the page, not at the screen's size in its corner.
        int lowest = 0;
        for (const PlacedText& t : placed_texts(page)) lowest = std::max(lowest, t.cell.bottom);
        EXPECT_GT(lowest, plot.top + plot.height() * 3 / 4);
    }
    message_box_take_log();

    // Through the real printer path: one page that shows the window.
    push_chooser_answer(ChooserAnswer{});
    run_menu_command(cmd::print);
    std::vector<fs::path> pdfs;
    for (const auto& entry : fs::directory_iterator(dir_))
        if (entry.path().extension() == ".pdf") pdfs.push_back(entry.path());
    ASSERT_EQ(pdfs.size(), 1u);
    const std::string text = pdf_text(pdfs[0]);
    EXPECT_NE(text.find(c.shown), std::string::npos) << text;
    EXPECT_EQ(text.find('\f'), text.rfind('\f'));   // one page
    EXPECT_EQ(current_paint, c.paint);
}

INSTANTIATE_TEST_SUITE_P(EveryFamily, PrintedPages, ::testing::ValuesIn(print_cases()),
                         [](const ::testing::TestParamInfo<PrintCase>& info) { return std::string(info.param.family); });

} // namespace
