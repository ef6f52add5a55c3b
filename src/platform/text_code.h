// Text from files written on other systems.
//
// Atlas files, descriptors, label files and curve sets come from systems
// whose Russian and Ukrainian texts are in code page 1251 and whose German
// and French texts are in code page 1252. The program itself is UTF-8
// throughout, so every such text passes through file_text() with the
// character set of the font it is drawn in:
//
//   const std::string title = file_text(steel.titles[0], charset_cyrillic);  // "Сталь" from "\xD1\xF2\xE0\xEB\xFC"
//
// A text that is valid UTF-8 stays as it is (files saved by newer systems,
// and the program's own files). Any other text is read byte by byte in the
// code page of the character set: 1251 for 204 (Cyrillic), 1252 for every
// other. A byte that the code page leaves undefined becomes U+FFFD.
//
// Plain C++, no Qt: the readers use it for the names and texts they quote in
// messages and for file names, the canvas for every text it draws.
#pragma once

#include <string>
#include <string_view>

inline constexpr int charset_western = 0;     // code page 1252
inline constexpr int charset_symbol = 2;      // a character-map face
inline constexpr int charset_cyrillic = 204;  // code page 1251

bool is_utf8(std::string_view text);

// The text as UTF-8: unchanged when it is valid UTF-8, otherwise decoded in
// the code page of `charset`.
std::string file_text(std::string_view text, int charset);

// The inverse: a UTF-8 text in the code page of `charset`, as a system of
// that code page writes it (the sample atlas's files); a letter the code page
// has no byte for is kept as its UTF-8 bytes.
std::string to_code_page(std::string_view utf8, int charset);

// One code point appended as UTF-8.
void append_utf8(char32_t code_point, std::string& out);

// The UTF-8 text with Unicode case folding applied: "СТАЛЬ", "Сталь" and
// "сталь" fold alike, as do "Ä" and "ä".
std::string folded(std::string_view utf8);

// Whether two file names name the same file for a reader of Windows names:
// equal, or equal without regard to case for every letter, a name that is
// not UTF-8 being read in code page 1251 or 1252.
bool same_file_name(std::string_view wanted, std::string_view on_disk);
