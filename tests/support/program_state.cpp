#include "program_state.h"

#include "captions.h"
#include "fonts.h"
#include "heatsource.h"
#include "scheme_views.h"

void reset_program_state(Language language)
{
    scheme_state = {};
    current_model = {};
    install_start_scheme();
    set_language(language);
    colour_mode = 1;
    init_fonts();
    message_box_set_record_mode(true);
    message_box_take_log();
}

std::vector<MessageBoxRecord> shown_boxes() { return message_box_take_log(); }

std::string language_tag(Language language)
{
    switch (language) {
    case Language::english: return "en";
    case Language::russian: return "ru";
    case Language::ukrainian: return "ua";
    case Language::german: return "de";
    case Language::french: return "fr";
    }
    return "en";
}
