// Fonts: from the font record to real font metrics, and the three shared
// font records of the program.
//
// Face mapping (metric-compatible fonts stand in for the classic faces):
//   "Times New Roman", "Times New Roman Cyr"  -> Liberation Serif
//   "Arial", "Arial Cyr"                      -> Liberation Sans
//   "Courier New"                             -> Liberation Mono
//   "Tahoma", "MS Sans Serif"                 -> DejaVu Sans
//   "Symbol"          -> a character map drawn in Liberation Serif: its Latin
//                        letters stand for Greek ones ("l" is lambda, "D" is
//                        Delta, ...), the hyphen is a minus sign, and the
//                        upper half follows the classic Symbol layout (0xB0
//                        degree, 0xB4 times, 0xA3 less-or-equal, ...).
//   "Zapfdingbats BT" -> a character map drawn in DejaVu Sans: 0xC0..0xC9 are
//                        the circled digits one to ten (U+2780..U+2789), 0xAC..
//                        0xB5 and 0xB6..0xBF the other circled-digit series.
//   any other face    -> by the family bits of pitch_and_family: roman (0x10)
//                        Liberation Serif, modern (0x30) Liberation Mono,
//                        otherwise Liberation Sans.
// A character missing from the face is taken from DejaVu Sans.
//
// Byte convention of the two character-map faces: their texts are code-page
// bytes. Write the byte b as the UTF-8 of the code point U+00bb ("\u00C0",
// that is "\xC3\x80", for the marker byte 0xC0); a lone byte that is not valid
// UTF-8 ("\xC0") is read as that same code point too, so both spellings work.
// Code points above U+00FF pass through unchanged.
//
// Every other face draws UTF-8; a text that is not valid UTF-8 (a line of an
// atlas file written in a code page) is read in the code page of the font's
// character set, 1251 for 204 and 1252 otherwise (text_code.h).
//
// Sizes (the conventions of the classic graphics interface):
//   height > 0: the cell height (ascent + descent) in pixels. The em is
//               height * unitsPerEm / (winAscent + winDescent), rounded to a
//               whole number of pixels; the cell stays exactly `height`, its
//               ascent is height * winAscent / (winAscent + winDescent)
//               rounded. Metrics are read from the font file (head, OS/2).
//   height < 0: the em (character height) is -height pixels; ascent and
//               descent are winAscent and winDescent scaled to it and rounded.
//   height = 0: the default size, an em of 16 pixels.
// Each character advances by its design advance scaled to the em and rounded
// to whole pixels; there is no kerning, so extents are integers and a line of
// text is as wide as the sum of its characters.
//
// Terminating zero: an extent "with the terminating zero" adds the advance of
// the face's default glyph (glyph 0, which the classic interface drew for the
// NUL character). This is the one convention of the whole program.
//
// Weight (400 normal, 700 bold), italic and the character set are honoured:
// the stand-in faces carry Latin, Cyrillic and Greek; charset 2 (symbol) on a
// face that is not a character-map face changes nothing.
//
// The functions here need a Qt application for the font database; they make
// sure one exists (see gui_app.h), so they work in plain test programs too.
#pragma once

#include "canvas.h"

#include <string>
#include <string_view>
#include <vector>

struct FontCellMetrics {
    int em = 0;          // pixels per em
    int ascent = 0;      // pixels above the baseline
    int descent = 0;     // pixels below the baseline
    int cell = 0;        // ascent + descent: the text height of an extent
    int nul_advance = 0; // what the terminating zero adds to an extent
};

FontCellMetrics font_cell_metrics(const FontRecord& font);

// Advance width (no kerning) and cell height of the text in the font.
Size measure_text(const FontRecord& font, std::string_view text, bool with_terminating_zero = false);

// Where each glyph of the text puts ink, relative to the top-left corner of
// the text's cell, before any escapement turns it; glyphs without ink
// (blanks) are left out. Layout checks compare these boxes.
std::vector<Rect> text_glyph_boxes(const FontRecord& font, std::string_view text);

// The family that draws the face ("Liberation Serif" for "Times New Roman").
std::string mapped_font_family(const FontRecord& font);

// The text as the user sees it, as UTF-8: the character maps of "Symbol" and
// "Zapfdingbats BT" applied; other faces read a text that is not UTF-8 in the
// code page of the font's character set.
std::string font_text_to_unicode(const FontRecord& font, std::string_view text);

// The three shared font records (window text; Greek symbols and markers;
// the isotherm window's font). Routines set face, height and weight before
// they use one.
extern FontRecord text_font;
extern FontRecord symbol_font;
extern FontRecord chosen_font;

// Fills the three records with their starting contents (output precision
// excepted); called once when the main window is created.
void init_fonts();

// Start-up step after the main window exists: only TrueType fonts are matched
// (output precision 7) for all three records.
void set_fonts_truetype_only();
