#include "rc_parser.h"
#include "resources.h"

#include <gtest/gtest.h>

namespace {

const char* const sample = R"rc(// sample script
#define IDC_Y 101

VELOCITY_E DIALOG 20, 20, 180, 120
STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_CENTER
CAPTION "Point ""A"""
FONT 8, "MS Sans Serif"
BEGIN
    LTEXT           "y, cm", IDC_STATIC, 10, 10, 40, 8
    CTEXT           "text", 105, 10, 20, 40, 8
    RTEXT           "text", 106, 10, 30, 40, 8
    EDITTEXT        IDC_Y, 60, 8, 50, 12, ES_AUTOHSCROLL
    DEFPUSHBUTTON   "OK", IDOK, 20, 90, 50, 14
    PUSHBUTTON      "Cancel", IDCANCEL, 100, 90, 50, 14
    GROUPBOX        "Language", IDC_STATIC, 5, 5, 100, 80
    AUTORADIOBUTTON "English", 201, 10, 15, 60, 10, WS_GROUP
    AUTOCHECKBOX    "Colour", 202, 10, 30, 60, 10
    COMBOBOX        301, 10, 40, 60, 80, CBS_DROPDOWN | WS_VSCROLL
    CONTROL         "", 110, "Static", SS_BLACKFRAME, 10, 30, 100, 40
    CONTROL         "PprBmp_1", 111, "Static", SS_BITMAP, 10, 30, 100, 40
    CONTROL         "", 401, "msctls_progress32", 0, 10, 50, 100, 10
END

TRUETYPE MENU
BEGIN
    POPUP "&File"
    BEGIN
        MENUITEM "&Print", 10003, GRAYED
        MENUITEM SEPARATOR
        POPUP "Deeper"
        BEGIN
            POPUP "Deepest"
            BEGIN
                MENUITEM "Leaf\tF2", 10005
            END
        END
        MENUITEM "E&xit", 10004
    END
    MENUITEM "                                 ", 65535
END

STRINGTABLE
BEGIN
    10046, "TRUETYPE"
    10047  "Velmarin\n"
END
)rc";

TEST(RcParser, ReadsDialogMenuAndStrings)
{
    RcFile f = parse_rc(sample, "sample.rc");
    ASSERT_TRUE(f.errors.empty()) << f.errors.front().text();
    ASSERT_EQ(f.dialogs.size(), 1u);
    const DialogTemplate& d = f.dialogs[0];
    EXPECT_EQ(d.name, "VELOCITY_E");
    EXPECT_EQ(d.caption, "Point \"A\"");
    EXPECT_EQ((std::vector<int>{d.x, d.y, d.cx, d.cy}), (std::vector<int>{20, 20, 180, 120}));
    EXPECT_EQ(d.font_size, 8);
    EXPECT_EQ(d.font_face, "MS Sans Serif");
    EXPECT_TRUE(d.style & rcstyle::ds_center);
    EXPECT_EQ(d.line, 4);
    ASSERT_EQ(d.controls.size(), 13u);

    struct Expect { int id; ControlKind kind; TextAlign align; int x, y, cx, cy; };
    const Expect expected[] = {
        {-1, ControlKind::static_text, TextAlign::left, 10, 10, 40, 8},
        {105, ControlKind::static_text, TextAlign::center, 10, 20, 40, 8},
        {106, ControlKind::static_text, TextAlign::right, 10, 30, 40, 8},
        {101, ControlKind::edit, TextAlign::left, 60, 8, 50, 12},
        {1, ControlKind::push_button, TextAlign::left, 20, 90, 50, 14},
        {2, ControlKind::push_button, TextAlign::left, 100, 90, 50, 14},
        {-1, ControlKind::group_box, TextAlign::left, 5, 5, 100, 80},
        {201, ControlKind::radio_button, TextAlign::left, 10, 15, 60, 10},
        {202, ControlKind::check_box, TextAlign::left, 10, 30, 60, 10},
        {301, ControlKind::combo_box, TextAlign::left, 10, 40, 60, 80},
        {110, ControlKind::static_frame, TextAlign::left, 10, 30, 100, 40},
        {111, ControlKind::static_bitmap, TextAlign::left, 10, 30, 100, 40},
        {401, ControlKind::progress_bar, TextAlign::left, 10, 50, 100, 10},
    };
    for (size_t i = 0; i < std::size(expected); ++i) {
        const ControlTemplate& c = d.controls[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(c.id, expected[i].id);
        EXPECT_EQ(c.kind, expected[i].kind);
        EXPECT_EQ(c.align(), expected[i].align);
        EXPECT_EQ((std::vector<int>{c.x, c.y, c.cx, c.cy}),
                  (std::vector<int>{expected[i].x, expected[i].y, expected[i].cx, expected[i].cy}));
    }
    EXPECT_TRUE(d.controls[4].is_default_button());
    EXPECT_FALSE(d.controls[5].is_default_button());
    EXPECT_TRUE(d.controls[7].is_auto());
    EXPECT_TRUE(d.controls[7].style & rcstyle::ws_group);
    EXPECT_TRUE(d.controls[0].style & rcstyle::ws_group);   // static texts start a group by default
    EXPECT_FALSE(d.controls[8].style & rcstyle::ws_group);
    EXPECT_EQ(d.controls[11].text, "PprBmp_1");
    EXPECT_EQ(d.controls[9].style & 0xF, rcstyle::cbs_dropdown);
    EXPECT_EQ(d.control(101), &d.controls[3]);

    ASSERT_EQ(f.menus.size(), 1u);
    const MenuTemplate& m = f.menus[0];
    ASSERT_EQ(m.items.size(), 2u);
    const MenuItemTemplate& file = m.items[0];
    EXPECT_TRUE(file.popup);
    EXPECT_EQ(file.text, "&File");
    ASSERT_EQ(file.items.size(), 4u);
    EXPECT_EQ(file.items[0].id, 10003);
    EXPECT_TRUE(file.items[0].grayed);
    EXPECT_TRUE(file.items[1].separator);
    ASSERT_EQ(file.items[2].items.size(), 1u);
    ASSERT_EQ(file.items[2].items[0].items.size(), 1u);
    EXPECT_EQ(file.items[2].items[0].items[0].text, "Leaf\tF2");
    EXPECT_EQ(file.items[2].items[0].items[0].id, 10005);
    EXPECT_FALSE(file.items[3].grayed);
    EXPECT_EQ(m.items[1].id, 65535);
    EXPECT_EQ(m.items[1].text.size(), 33u);

    ASSERT_EQ(f.strings.size(), 2u);
    EXPECT_EQ(f.strings[0], (std::pair<int, std::string>{10046, "TRUETYPE"}));
    EXPECT_EQ(f.strings[1], (std::pair<int, std::string>{10047, "Velmarin\n"}));
}

TEST(RcParser, ErrorsNameFileAndLineAndSkipOnlyTheFaultyResource)
{
    struct Case {
        const char* text;
        int line;
        const char* message;
    };
    const Case cases[] = {
        {"A DIALOG 0, 0, 10, 10\nSTYLE WS_POPUP | WS_CAPTON\nBEGIN\nEND\n", 2, "unknown style flag 'WS_CAPTON'"},
        {"A DIALOG 0, 0, 10\nBEGIN\nEND\n", 1, "expected ','"},
        {"A DIALOG 0, 0, 10, 10\nBEGIN\n  LTEXT \"x\", 1, 2, 3, 4\nEND\n", 3, "expected ','"},
        {"A DIALOG 0, 0, 10, 10\nBEGIN\n  BUTTONX \"x\", 1, 2, 3, 4, 5\nEND\n", 3, "unknown control 'BUTTONX'"},
        {"A DIALOG 0, 0, 10, 10\nBEGIN\n  CONTROL \"\", 1, \"Slider\", 0, 1, 2, 3, 4\nEND\n", 3, "unknown control class"},
        {"A DIALOG 0, 0, 10, 10\nCAPTION \"open\nBEGIN\nEND\n", 2, "unterminated string"},
        {"A DIALOG 0, 0, 10, 10\nBEGIN\n  EDITTEXT IDC_MISSING, 1, 2, 3, 4\nEND\n", 3, "unknown symbol 'IDC_MISSING'"},
        {"M MENU\nBEGIN\n  MENUITEM \"a\", 5, GREYED\nEND\n", 3, "unknown menu option 'GREYED'"},
        {"M MENU\nBEGIN\n  POPUP \"a\"\n  BEGIN\n    MENUITEM \"b\" 5\n  END\nEND\n", 5, "expected ','"},
        {"STRINGTABLE\nBEGIN\n  10046, TRUETYPE\nEND\n", 3, "expected string"},
        {"X WIDGET 1\n", 1, "unknown resource type"},
        {"A DIALOG 0, 0, 99999, 10\nBEGIN\nEND\n", 1, "out of range"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        // A good resource after the faulty one is still read.
        std::string text = std::string(c.text) + "\nGOOD DIALOG 1, 2, 3, 4\nBEGIN\nEND\n";
        RcFile f = parse_rc(text, "dialogs/bad.rc");
        ASSERT_FALSE(f.errors.empty());
        EXPECT_EQ(f.errors[0].file, "dialogs/bad.rc");
        EXPECT_EQ(f.errors[0].line, c.line);
        EXPECT_NE(f.errors[0].message.find(c.message), std::string::npos) << f.errors[0].message;
        EXPECT_EQ(f.errors[0].text().rfind("dialogs/bad.rc:" + std::to_string(c.line) + ": ", 0), 0u);
        bool good_found = false;
        for (const auto& d : f.dialogs) good_found |= d.name == "GOOD";
        EXPECT_TRUE(good_found);
    }
    RcFile unended = parse_rc("A DIALOG 0, 0, 10, 10\nBEGIN\n  LTEXT \"x\", 1, 2, 3, 4, 5\n", "u.rc");
    ASSERT_EQ(unended.errors.size(), 1u);
    EXPECT_EQ(unended.errors[0].text(), "u.rc:4: dialog 'A' without END");
}

TEST(RcParser, MalformedInputNeverCrashes)
{
    // Every prefix of a valid script, and the script with bytes overwritten,
    // parses to some result (the sanitizer build checks the memory use).
    std::string text = sample;
    for (size_t n = 0; n <= text.size(); ++n) {
        RcFile f = parse_rc(std::string_view(text).substr(0, n), "cut.rc");
        (void)f;
    }
    const char junk[] = {'"', '\0', '\xff', '{', '}', ',', '|', '#', '-', 'Z'};
    for (size_t n = 0; n < text.size(); n += 7) {
        std::string t = text;
        t[n] = junk[n % sizeof junk];
        RcFile f = parse_rc(t, "junk.rc");
        (void)f;
    }
    SUCCEED();
}

TEST(RcParser, NamesMatchWithoutCase)
{
    EXPECT_TRUE(rc_name_equal("CompDATA_E", "COMPDATA_E"));
    EXPECT_TRUE(rc_name_equal("RomBmp_1", "ROMBMP_1"));
    EXPECT_FALSE(rc_name_equal("ROMBMP_1", "ROMBMP_2"));
}

TEST(Resources, AddedScriptsAreFoundByNameAndLaterOnesWin)
{
    ASSERT_TRUE(resources_add_rc_text("Probe_A DIALOG 0,0,10,10\nCAPTION \"one\"\nBEGIN\nEND\n"
                                      "STRINGTABLE\nBEGIN\n 99001, \"first\"\nEND\n",
                                      "probe1.rc"));
    ASSERT_NE(find_dialog_template("PROBE_a"), nullptr);
    EXPECT_EQ(find_dialog_template("probe_a")->caption, "one");
    ASSERT_TRUE(resources_add_rc_text("PROBE_A DIALOG 0,0,10,10\nCAPTION \"two\"\nBEGIN\nEND\n", "probe2.rc"));
    EXPECT_EQ(find_dialog_template("Probe_A")->caption, "two");
    EXPECT_EQ(load_string(99001), "first");
    EXPECT_EQ(load_string(99002), "");
    EXPECT_EQ(find_menu_template("NO_SUCH_MENU"), nullptr);
    std::vector<RcError> errors;
    EXPECT_FALSE(resources_add_rc_file("/nonexistent/velmarin.rc", &errors));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].text().find("/nonexistent/velmarin.rc"), std::string::npos);
}

TEST(Resources, FilesUnderResourcesAreEmbedded)
{
    // The folder's description is itself a resource file, so this holds
    // whatever else the folder contains.
    auto readme = resource_bytes("README.md");
    ASSERT_TRUE(readme.has_value());
    EXPECT_NE(readme->find("Resource scripts"), std::string::npos);
    EXPECT_TRUE(resource_bytes("readme.MD").has_value());   // names match without case
    EXPECT_FALSE(resource_bytes("no/such/file.txt").has_value());
    // Every script shipped with the program reads without error.
    for (const RcError& e : resource_errors()) ADD_FAILURE() << e.text();
}

}  // namespace
