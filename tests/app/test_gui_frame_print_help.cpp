// Print and Help through the menu: the print dialog decides, the window now
// shown is drawn on the page, a missing printer gives a PDF and a message;
// Help opens the pages of the language in use.
#include "frame_test_support.h"

#include "commands.h"
#include "help.h"
#include "print.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

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

std::vector<fs::path> pdf_files(const fs::path& dir)
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.path().extension() == ".pdf") files.push_back(entry.path());
    return files;
}

class PrintAndHelp : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::path(VELMARIN_TEST_OUTPUT_DIR) / "app_print" /
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        setenv("VELMARIN_PDF_DIR", dir_.c_str(), 1);
        print_pdf_only(true);
        previous_ = fs::current_path();
        fs::current_path(dir_);   // the cooling-rate window writes its file here
        start_program("ENG");
        ASSERT_NE(main_window, nullptr);
    }
    void TearDown() override
    {
        close_help();
        stop_program();
        print_pdf_only(false);
        unsetenv("VELMARIN_PDF_DIR");
        fs::current_path(previous_);
    }

    void thermal_cycle_at(const char* y, const char* z)
    {
        push_dialog_hook([y, z](Window* dlg, const std::string&) {
            dialog_type_text(dlg, 10147, y);
            dialog_type_text(dlg, 10148, z);
            dialog_click(dlg, 10150);
        });
        run_menu_command(cmd::thermal_cycle);
        ASSERT_EQ(current_paint, cycle_routine_on_paint);
    }

    fs::path dir_;
    fs::path previous_;
};

TEST_F(PrintAndHelp, PrintingTheThermalCycleWritesOnePageAndSaysWhere)
{
    thermal_cycle_at("0", "0.5");
    message_box_take_log();
    push_chooser_answer(ChooserAnswer{});   // OK in the print dialog
    run_menu_command(cmd::print);
    const std::vector<fs::path> files = pdf_files(dir_);
    ASSERT_EQ(files.size(), 1u);
    const std::string text = pdf_text(files[0]);
    EXPECT_NE(text.find("2. Welding of semiinfinite body"), std::string::npos) << text;
    EXPECT_EQ(text.find('\f'), text.rfind('\f'));   // one page
    const std::vector<MessageBoxRecord> boxes = message_box_take_log();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find(files[0].string()), std::string::npos) << boxes[0].text;
    // the window on the screen is still the thermal cycle
    EXPECT_EQ(current_paint, cycle_routine_on_paint);
}

TEST_F(PrintAndHelp, CancelInThePrintDialogPrintsNothing)
{
    thermal_cycle_at("0", "0.5");
    message_box_take_log();
    ChooserAnswer cancel;
    cancel.accept = false;
    push_chooser_answer(cancel);
    run_menu_command(cmd::print);
    EXPECT_TRUE(pdf_files(dir_).empty());
    EXPECT_TRUE(message_box_take_log().empty());
}

TEST_F(PrintAndHelp, TheIsothermsAndTheCoolingRatePrintToo)
{
    push_dialog_hook([](Window* dlg, const std::string&) { dialog_click(dlg, 10146); });
    run_menu_command(cmd::isotherm_xy);
    ASSERT_EQ(current_paint, isotherm_window_on_paint);
    push_chooser_answer(ChooserAnswer{});
    run_menu_command(cmd::print);

    push_dialog_hook([](Window* dlg, const std::string&) {
        dialog_type_text(dlg, 10147, "0");
        dialog_type_text(dlg, 10148, "0.5");
        dialog_click(dlg, 10150);
    });
    run_menu_command(cmd::cooling_rate);
    ASSERT_EQ(current_paint, cooling_rate_window_on_paint);
    push_chooser_answer(ChooserAnswer{});
    run_menu_command(cmd::print);

    std::vector<fs::path> files = pdf_files(dir_);
    ASSERT_EQ(files.size(), 2u);
    std::sort(files.begin(), files.end());
    EXPECT_NE(pdf_text(files[0]).find("2. Welding of semiinfinite body"), std::string::npos);
    EXPECT_NE(pdf_text(files[1]).find("2. Welding of semiinfinite body"), std::string::npos);
}

TEST_F(PrintAndHelp, ABlankWindowPrintsAnEmptyPage)
{
    thermal_cycle_at("0", "0.5");
    push_dialog_hook([](Window* dlg, const std::string&) { dialog_click(dlg, 10149); });
    run_menu_command(cmd::thermal_cycle);
    ASSERT_EQ(current_paint, blank_on_paint);
    push_chooser_answer(ChooserAnswer{});
    run_menu_command(cmd::print);
    const std::vector<fs::path> files = pdf_files(dir_);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(pdf_text(files[0]).find("Welding"), std::string::npos);
}

TEST_F(PrintAndHelp, HelpOpensTheContentsOfTheLanguageInUse)
{
    run_menu_command(cmd::help);
    EXPECT_TRUE(help_is_open());
    EXPECT_EQ(help_current_page(), "help/en/index.html");
    close_help();

    push_dialog_hook([](Window* dlg, const std::string&) {
        dialog_click(dlg, 10319);   // Russian
        dialog_click(dlg, 10028);
    });
    run_menu_command(cmd::language);
    run_menu_command(cmd::help);
    EXPECT_TRUE(help_is_open());
    EXPECT_EQ(help_current_page(), "help/ru/index.html");
}

} // namespace
