#include "lang.h"

int lang_english = 0;
int lang_russian = 0;
int lang_ukrainian = 0;
int lang_german = 0;
int lang_french = 0;

Language current_language()
{
    if (lang_russian) return Language::russian;
    if (lang_ukrainian) return Language::ukrainian;
    if (lang_german) return Language::german;
    if (lang_french) return Language::french;
    return Language::english;
}

void set_language(Language language)
{
    lang_english = language == Language::english;
    lang_russian = language == Language::russian;
    lang_ukrainian = language == Language::ukrainian;
    lang_german = language == Language::german;
    lang_french = language == Language::french;
}

const char* pick(const Text5& texts, Language language)
{
    const char* text = nullptr;
    switch (language) {
    case Language::english: text = texts.en; break;
    case Language::russian: text = texts.ru; break;
    case Language::ukrainian: text = texts.ua; break;
    case Language::german: text = texts.de; break;
    case Language::french: text = texts.fr; break;
    }
    if (text == nullptr) text = texts.en;
    return text != nullptr ? text : "";
}

const char* pick(const Text5& texts)
{
    return pick(texts, current_language());
}

int language_charset()
{
    return (lang_russian || lang_ukrainian) ? 204 : 0;
}

const char* language_suffix()
{
    switch (current_language()) {
    case Language::english: return "_E";
    case Language::russian: return "_RU";
    case Language::ukrainian: return "_UA";
    case Language::german: return "_D";
    case Language::french: return "_F";
    }
    return "_E";
}
