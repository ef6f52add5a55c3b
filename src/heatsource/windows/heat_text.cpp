#include "heat_text.h"

#include <cstring>

#include "model.h"

void put_text(char* out, const char* text)
{
    if (out == nullptr) return;
    std::size_t n = text != nullptr ? std::strlen(text) : 0;
    if (n > static_cast<std::size_t>(heat_text_size - 1)) {
        n = heat_text_size - 1;
        // Never leave half a UTF-8 sequence at the end.
        while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
    }
    if (n > 0) std::memcpy(out, text, n);
    out[n] = '\0';
}

void put_text(char* out, const std::string& text)
{
    put_text(out, text.c_str());
}

void put_caption(char* line1, char* line2, char* line3, const Text5& first, const Text5& second,
                 const Text5& third)
{
    put_text(line1, pick(first));
    put_text(line2, pick(second));
    put_text(line3, pick(third));
}
