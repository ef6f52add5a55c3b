// Inside the captions library: a painter is one row of this description,
// drawn by paint_caption(). Offsets are in character widths (cw) from the
// cursor, heights in cell heights (ch) from the top of the line.
#pragma once

#include "canvas.h"
#include "lang.h"

enum class Face : unsigned char { text, italic, symbol };

// A text in its Cyrillic version (Russian, Ukrainian) and its Latin version
// (English, German, French). Unit letters come in these two versions only.
struct Pair {
    const char* cyr = nullptr;
    const char* lat = nullptr;
};
constexpr Pair both(const char* text) { return Pair{text, text}; }

// A piece of the caption's own line: its face, its text (a "%lg" format in
// the short painters), the gap after it and, for texts that end with "C",
// the degree mark that many widths before their end (0: none).
struct Piece {
    Face face = Face::text;
    Pair text{};
    double gap = 0;
    double degree_before_end = 0;
};

enum class SubMode : unsigned char {
    none,
    at_offset,       // small, lowered, at `offset` cw from the caption's start
    after_symbol,    // small, lowered, at the cursor after the symbol piece
    second_letter,   // full size on the line, at `offset` cw from the start
};

struct Sub {
    SubMode mode = SubMode::none;
    const char* text = nullptr;
    double offset = 0;
    bool italic = false;
    double gap = 0;   // after_symbol: gap after the subscript
};

enum class SymbolKind : unsigned char { piece, fraction_q_v, fraction_q_v_sigma };

// A small-size text placed at offset_cw·cw + wu_factor·Wu, top +top_ch.
struct Mark {
    const char* text = nullptr;
    double offset_cw = 0;
    double wu_factor = 0;
    double top_ch = 0;
};

enum class UnitKind : unsigned char { none, inline_text, stacked, alpha_chain, r_t };

struct Unit {
    UnitKind kind = UnitKind::none;
    // inline_text: the text drawn at the cursor and the text whose width the
    // cursor then advances by (ref.lat null: no advance).
    // stacked: numerator (at num_cyr / num_lat cw), denominator (at den_at
    // cw), the reference text whose width at unit size is Wu, the mark, the
    // bar from bar_from cw to bar_to cw + bar_wu·Wu, the advance Wu + advance cw.
    // alpha_chain: numerator as stacked, den is the middle piece of the chain.
    Pair text{};
    Pair ref{};
    double num_cyr = 0;
    double num_lat = 0;
    Pair den{};
    double den_at = 0;
    Mark mark{};
    double bar_from = 0;
    double bar_to = 0;
    double bar_wu = 1;
    double advance = 0;
    // The Latin denominator "cm" is wider than its numerator "J" or "J·s":
    // Wu is then the denominator's width and the exponent follows the
    // denominator, so that neither the ";" nor the "2" runs into it.
    bool fit_denominator = false;
};

enum class Closing : unsigned char { full, unit, small, carried };

struct CaptionRow {
    bool black = false;
    SymbolKind symbol_kind = SymbolKind::piece;
    Piece symbol{};
    Sub sub{};
    Piece value{};          // value.text.lat null: no separate value piece
    bool dash = false;
    double dash_gap = 0;
    const Text5* name = nullptr;
    double name_gap = 0;
    double name_degree_before_end = 0;
    const Unit* unit = nullptr;
    Closing closing = Closing::full;
    double closing_advance = 3.5;
};

void paint_caption(const CaptionRow& row, Canvas& dc, double value, int h, int* cursor,
                   double x0, double y, int cw);
