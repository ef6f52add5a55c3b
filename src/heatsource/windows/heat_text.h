// Writing the schemes' texts into the callers' fixed buffers.
#pragma once

#include <string>

#include "lang.h"

// Copies text into a buffer of heat_text_size bytes, zero-terminated; a text
// too long is cut at a character boundary.
void put_text(char* out, const std::string& text);
void put_text(char* out, const char* text);

// The three picture caption lines of the current language.
void put_caption(char* line1, char* line2, char* line3, const Text5& first, const Text5& second,
                 const Text5& third);
