// The five interface languages. Exactly one flag is set after start-up (or
// none, for a command line that names no language); every text, template and
// menu is chosen by testing them.
#pragma once

extern int lang_english;
extern int lang_russian;
extern int lang_ukrainian;
extern int lang_german;
extern int lang_french;

enum class Language { english, russian, ukrainian, german, french };

// The language whose flag is set; English when none is.
Language current_language();
void set_language(Language language);   // sets that flag and clears the others

// A text in the five languages, side by side. A missing (null) translation
// falls back to English, so no text is ever undefined.
struct Text5 {
    const char* en = nullptr;
    const char* ru = nullptr;
    const char* ua = nullptr;
    const char* de = nullptr;
    const char* fr = nullptr;
};

const char* pick(const Text5& texts);                       // for the current language
const char* pick(const Text5& texts, Language language);

// Character set of fonts for the current language: 204 for Russian and
// Ukrainian, 0 otherwise.
int language_charset();

// Resource-name suffix of the current language: "_E", "_RU", "_UA", "_D", "_F".
const char* language_suffix();
