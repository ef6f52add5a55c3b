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

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include <sys/wait.h>
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

namespace {

// One page with a line of text, printed to the PDF; the boxes shown.
std::vector<MessageBoxRecord> print_one_page(std::string& path)
{
    message_box_take_log();
    push_chooser_answer(ChooserAnswer{});
    PrintJob* job = print_dialog(nullptr);
    if (job == nullptr) return {};
    print_start_doc(job, "readme.txt");
    print_start_page(job);
    Canvas* dc = print_canvas(job);
    FontRecord f;
    f.face = "Times New Roman";
    f.height = 60;
    dc->select_font(f);
    for (int row = 0; row < 40; ++row) dc->text_out(200, 200 + 70 * row, "Thermal cycle at y=0.05 cm, row " + std::to_string(row));
    print_end_page(job);
    print_end_doc(job);
    path = print_output_file(job);
    print_close(job);
    return message_box_take_log();
}

// Nothing but the files that were there before: no PDF, no temporary file.
std::vector<std::string> entries(const fs::path& dir)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

// A PDF that cannot be written is an error box with the reason and the
// name, never the message that it was written.
TEST_F(PrintTest, APdfThatCannotBeWrittenGivesAnErrorBox)
{
    std::ofstream(dir / "plain") << "a file where a folder should be";
    const struct {
        const char* name;
        fs::path folder;
        const char* reason;
    } cases[] = {
        {"missing folder", dir / "absent", "No such file or directory"},
        {"a file, not a folder", dir / "plain", "Not a directory"},
    };
    for (const auto& c : cases) {
        setenv("VELMARIN_PDF_DIR", c.folder.c_str(), 1);
        std::string path;
        const auto log = print_one_page(path);
        ASSERT_EQ(log.size(), 1u) << c.name;
        EXPECT_EQ(log[0].flags & 0xF0, mb_iconerror) << c.name;
        EXPECT_EQ(log[0].text, "No printer is installed, and the page could not be written to a PDF file.\n"
                               "The file " + (c.folder / "velmarin-readme.pdf").string() + " cannot be written: " +
                                   c.reason + ".")
            << c.name;
        EXPECT_FALSE(fs::exists(c.folder / "velmarin-readme.pdf")) << c.name;
    }
    EXPECT_EQ(entries(dir), std::vector<std::string>{"plain"});
}

// A link left under the PDF's name that leads nowhere is not written
// through: the page takes the next free name and the link stays as it was.
TEST_F(PrintTest, ALinkThatLeadsNowhereIsNotWrittenThrough)
{
    fs::create_symlink(dir / "elsewhere" / "target.pdf", dir / "velmarin-readme.pdf");
    std::string path;
    const auto log = print_one_page(path);
    EXPECT_EQ(fs::path(path), dir / "velmarin-readme-2.pdf");
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].flags & 0xF0, mb_iconinformation);
    EXPECT_TRUE(fs::is_regular_file(path));
    EXPECT_TRUE(fs::is_symlink(dir / "velmarin-readme.pdf"));
    EXPECT_FALSE(fs::exists(dir / "elsewhere"));
}

// The full disk: this test program again, in a child process under a limit
// of 4 KB per file (the system's file-size limit, in blocks of 512 bytes),
// prints a page of some 8 KB. The limit must come back as the saver's
// error, not end the child.
TEST_F(PrintTest, AFullDiskGivesAnErrorBoxNotACutPdf)
{
    const std::string self = fs::read_symlink("/proc/self/exe").string();
    const std::string command = "ulimit -f 8; VELMARIN_PRINT_CHILD_DIR='" + dir.string() + "' '" + self +
                                "' --gtest_filter=PrintChild.* > '" + (dir.parent_path() / "child.log").string() +
                                "' 2>&1";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status)) << "the child was ended by a signal";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "see " << (dir.parent_path() / "child.log");
    EXPECT_TRUE(entries(dir).empty());   // neither a cut PDF nor a temporary file
}

TEST(PrintChild, UnderAFileSizeLimit)
{
    const char* child_dir = std::getenv("VELMARIN_PRINT_CHILD_DIR");
    if (child_dir == nullptr) GTEST_SKIP() << "run by PrintTest.AFullDiskGivesAnErrorBoxNotACutPdf";
    setenv("VELMARIN_PDF_DIR", child_dir, 1);
    print_pdf_only(true);
    set_dialog_test_mode(true);
    std::string path;
    const auto log = print_one_page(path);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].flags & 0xF0, mb_iconerror);
    EXPECT_EQ(log[0].text, "No printer is installed, and the page could not be written to a PDF file.\n"
                           "The file " + path + " cannot be written: File too large.");
    EXPECT_FALSE(fs::exists(path));
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
