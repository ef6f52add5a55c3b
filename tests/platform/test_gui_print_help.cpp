// Printing to a PDF file when there is no printer, the help window, the
// choosers' test answers, screen facts and the message loop.
#include "app_runtime.h"
#include "colour.h"
#include "dialog_driver.h"
#include "filedlg.h"
#include "help.h"
#include "lang.h"
#include "msgbox.h"
#include "print.h"
#include "screen.h"
#include "window.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string pdf_text(const fs::path& pdf)
{
    std::string cmd = "pdftotext -layout '" + pdf.string() + "' -";
    std::string out;
    FILE* p = popen(cmd.c_str(), "r");
    if (p == nullptr) return out;
    std::array<char, 4096> buf{};
    size_t n = 0;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) out.append(buf.data(), n);
    pclose(p);
    return out;
}

class PrintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // One folder per test: the tests run in parallel processes.
        dir = fs::path(VELMARIN_TEST_OUTPUT_DIR) / "print" /
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(dir);
        fs::create_directories(dir);
        setenv("VELMARIN_PDF_DIR", dir.c_str(), 1);
        print_pdf_only(true);
        set_dialog_test_mode(true);
        message_box_take_log();
    }
    void TearDown() override
    {
        print_pdf_only(false);
        unsetenv("VELMARIN_PDF_DIR");
    }
    fs::path dir;
};

TEST_F(PrintTest, WithoutPrinterThePageGoesToAPdfThatHoldsWhatWasDrawn)
{
    push_chooser_answer(ChooserAnswer{});   // OK in the print dialog
    PrintJob* job = print_dialog(nullptr);
    ASSERT_NE(job, nullptr);
    ASSERT_TRUE(print_start_doc(job, "readme.txt"));
    ASSERT_TRUE(print_start_page(job));
    DeviceCaps caps = print_caps(job);
    // An A4 or Letter page at 300 dpi, less its margins.
    EXPECT_EQ(caps.logpixels_x, 300);
    EXPECT_GT(caps.horz_res, 2000);
    EXPECT_LT(caps.horz_res, 2600);
    EXPECT_GT(caps.horz_size_mm, 170);
    EXPECT_LT(caps.horz_size_mm, 220);
    EXPECT_NEAR(caps.horz_res * 25.4 / caps.horz_size_mm, 300.0, 6.0);
    Canvas* dc = print_canvas(job);
    ASSERT_NE(dc, nullptr);
    EXPECT_TRUE(dc->is_printer());
    FontRecord f;
    f.face = "Times New Roman";
    f.height = 60;
    dc->select_font(f);
    dc->text_out(200, 200, "Thermal cycle at y=0.05 cm");
    dc->move_to(200, 400);
    dc->line_to(1800, 400);
    ASSERT_TRUE(print_end_page(job));
    ASSERT_TRUE(print_end_doc(job));
    std::string path = print_output_file(job);
    EXPECT_EQ(print_document_name(job), "readme.txt");
    print_close(job);

    EXPECT_EQ(fs::path(path), dir / "velmarin-readme.pdf");
    ASSERT_TRUE(fs::exists(path));
    std::string text = pdf_text(path);
    EXPECT_NE(text.find("Thermal cycle at y=0.05 cm"), std::string::npos) << text;
    // A message names the file.
    auto log = message_box_take_log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_NE(log[0].text.find(path), std::string::npos);

    // A second print never overwrites the first.
    push_chooser_answer(ChooserAnswer{});
    job = print_dialog(nullptr);
    ASSERT_NE(job, nullptr);
    print_start_doc(job, "readme.txt");
    print_start_page(job);
    print_end_page(job);
    print_end_doc(job);
    EXPECT_EQ(fs::path(print_output_file(job)), dir / "velmarin-readme-2.pdf");
    print_close(job);
    EXPECT_NE(pdf_text(path).find("Thermal cycle"), std::string::npos);
    message_box_take_log();
}

TEST_F(PrintTest, CancelPrintsNothing)
{
    ChooserAnswer cancel;
    cancel.accept = false;
    push_chooser_answer(cancel);
    EXPECT_EQ(print_dialog(nullptr), nullptr);
    EXPECT_EQ(print_dialog(nullptr), nullptr);   // no answer in test mode: cancelled too
    EXPECT_TRUE(fs::is_empty(dir));
    EXPECT_TRUE(message_box_take_log().empty());
}

TEST(Choosers, FilterListsAndTestAnswers)
{
    using namespace std::string_literals;
    std::string list = " 1.Bmp \0*.bmp\0 2. Pcx \0*.pcx\0\0"s;
    auto filters = parse_filter_list(list);
    ASSERT_EQ(filters.size(), 2u);
    EXPECT_EQ(filters[0], (FileFilter{" 1.Bmp ", "*.bmp"}));
    EXPECT_EQ(filters[1], (FileFilter{" 2. Pcx ", "*.pcx"}));
    EXPECT_TRUE(parse_filter_list(std::string("\0"s)).empty());
    EXPECT_TRUE(parse_filter_list("a description without its pattern").empty());

    set_dialog_test_mode(true);
    FileDialogRequest r;
    r.filters = filters;
    r.file_name = "old.bmp";
    r.filter_index = 2;
    push_chooser_answer(ChooserAnswer{true, "/tmp/new.pcx", 2});
    EXPECT_TRUE(file_open_dialog(r));
    EXPECT_EQ(r.file_name, "/tmp/new.pcx");
    EXPECT_EQ(r.filter_index, 2);
    ChooserAnswer cancel;
    cancel.accept = false;
    push_chooser_answer(cancel);
    EXPECT_FALSE(file_save_dialog(r));
    EXPECT_EQ(r.file_name, "/tmp/new.pcx");   // a cancel keeps the name
    EXPECT_EQ(file_dialog_error(), 0u);

    ColourRequest c;
    c.colour = Rgb{0, 0, 0};
    EXPECT_FALSE(colour_dialog(c));   // no answer: cancelled, colour kept
    EXPECT_EQ(c.colour, (Rgb{0, 0, 0}));
    ChooserAnswer red;
    red.colour = Rgb{255, 0, 0};
    push_chooser_answer(red);
    EXPECT_TRUE(colour_dialog(c));
    EXPECT_EQ(c.colour, (Rgb{255, 0, 0}));
}

TEST(Help, ShowsOurOwnPagesOrSaysTheyAreMissing)
{
    set_dialog_test_mode(true);
    message_box_take_log();
    set_language(Language::english);
    if (show_help(nullptr)) {
        EXPECT_TRUE(help_is_open());
        EXPECT_EQ(help_current_page(), "help/en/index.html");
        EXPECT_FALSE(help_page_text().empty());
        EXPECT_FALSE(help_window_title().empty());
        for (QWidget* t : QApplication::topLevelWidgets())
            if (t->isVisible() && t->windowTitle() == QString::fromStdString(help_window_title()))
                t->grab().save(QString(VELMARIN_TEST_OUTPUT_DIR) + "/platform_help_window.png");
        // Another language shows its own pages.
        set_language(Language::german);
        EXPECT_TRUE(show_help(nullptr));
        EXPECT_EQ(help_current_page(), "help/de/index.html");
        set_language(Language::english);
        close_help();
    } else {
        // The pages are written by the resource authors; until they exist the
        // user is told so instead of seeing an empty window.
        auto log = message_box_take_log();
        ASSERT_EQ(log.size(), 1u);
        EXPECT_NE(log[0].text.find("help pages"), std::string::npos);
    }
    EXPECT_FALSE(show_help(nullptr, "no-such-page.html"));
    EXPECT_EQ(message_box_take_log().size(), 1u);
}

TEST(Screen, FactsOfTheDisplay)
{
    ScreenFacts f = screen_facts();
    EXPECT_GT(f.width, 0);
    EXPECT_GT(f.bits_per_pixel, 0);
    // At the usual 96 dpi the system's dialog base units are 8 by 16.
    EXPECT_EQ(f.dialog_base_unit_y * 8, f.dialog_base_unit_x * 16);
    EXPECT_GE(f.dialog_base_unit_y, 16);
}

int destroyed = 0;
std::intptr_t quitting_proc(Window* w, const Message& m)
{
    if (m.msg == Msg::command && m.id == 10008) destroy_window(w);   // Exit
    if (m.msg == Msg::destroy) {
        ++destroyed;
        post_quit_message(0);
    }
    return 0;
}

TEST(MessageLoop, EndsWhenTheMainWindowIsDestroyed)
{
    WindowClass cls;
    cls.name = "LT_QUIT";
    cls.proc = quitting_proc;
    ASSERT_TRUE(register_window_class(cls));
    Window* w = create_window("LT_QUIT", "quit", use_default, use_default, use_default, use_default);
    ASSERT_NE(w, nullptr);
    show_window(w);
    post_command(w, 10008);
    EXPECT_EQ(run_message_loop(), 0);
    EXPECT_EQ(destroyed, 1);
    EXPECT_FALSE(is_window(w));
    EXPECT_FALSE(quit_posted());
}

}  // namespace
