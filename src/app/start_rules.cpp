// The decisions of start-up that need no window: the language from the
// command line, the menu of the language, the display test.
#include "frame.h"

#include "lang.h"

#include <array>

std::string command_line_text(int argc, char** argv)
{
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) line += ' ';
        line += argv[i];
    }
    return line;
}

bool set_language_from_command_line(std::string_view line)
{
    struct Code {
        std::string_view text;
        Language language;
    };
    static constexpr std::array<Code, 5> codes{{{"UKR", Language::ukrainian},
                                                {"RUS", Language::russian},
                                                {"ENG", Language::english},
                                                {"GER", Language::german},
                                                {"FRA", Language::french}}};
    for (const Code& code : codes) {
        if (line == code.text) {
            set_language(code.language);
            return false;
        }
    }
    if (line.size() < 2) return true;
    // A line that names no language would otherwise leave every text, menu
    // and template unchosen; English is the language that every text has.
    set_language(Language::english);
    return false;
}

const char* menu_name_for_language()
{
    const char* name = "TRUETYPE";
    if (lang_english) name = "TRUETYPE";
    if (lang_russian) name = "TRUETYPE_RUS";
    if (lang_ukrainian) name = "TRUETYPE_UA";
    if (lang_german) name = "TRUETYPE_D";
    if (lang_french) name = "TRUETYPE_F";
    return name;
}

bool display_needs_caution(int horz_res, int bits_per_pixel, int base_unit_height)
{
    return horz_res != 1024 || bits_per_pixel != 16 || base_unit_height != 16;
}
