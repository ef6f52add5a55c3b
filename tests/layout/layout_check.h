// A layout check over what a window drew on the recording canvas: where each
// text put its ink (from the font's own glyph boxes, turned as an escapement
// turns it), which texts an opaque cell drawn later covers, and which solid
// straight lines (axes, ticks, table rulings, frames) run through a text.
//
//   RecordingCanvas dc;                        // 1024 x 768
//   routine(params, 50, nullptr, dc, 0, ...);
//   for (const LayoutFinding& f : check_layout(dc, Rect{0, 0, 1024, 768}))
//       ADD_FAILURE() << f.describe();
//
// Findings:
//   overlap   a glyph of one text meets a glyph of another
//   covered   an opaque text drawn later blanks its cell over the ink of an
//             earlier one (or over a line, which the text then crosses)
//   outside   ink outside the client rectangle
//   crosses   a solid line drawn runs through the ink of a text, or the
//             outline of a label's ellipse does
// Dotted and dashed lines (grids, legend samples of dashed curves) and the
// curves themselves (polylines) are not rules: text may stand over them. The
// marker glyphs of curves belong to their curves: they may meet each other
// and the lines, but not a text.
#pragma once

#include "canvas.h"
#include "recording_canvas.h"

struct Window;

#include <string>
#include <vector>

struct PlacedText {
    int order = 0;            // index among the canvas's text calls
    std::string text;         // as the user reads it (character maps applied)
    Rect cell;                // the cell as placed, turned with the escapement
    Rect ink;                 // where the glyphs put ink, all of them; empty for blanks
    std::vector<Rect> glyphs; // where each glyph puts ink
    bool opaque = false;      // its cell was filled with the background
    int font_height = 0;
    int escapement = 0;
    bool curve_mark = false;  // a marker glyph ("Zapfdingbats BT") of a curve or its legend
};

struct DrawnRule {
    int order = 0;            // drawing order among lines and shapes
    Point from;
    Point to;
    int width = 1;
    bool ellipse = false;     // the outline of an ellipse in the box from..to
};

enum class LayoutFindingKind { overlap, covered, outside, crosses };

struct LayoutFinding {
    LayoutFindingKind kind = LayoutFindingKind::overlap;
    PlacedText first;         // the text drawn first (the only one for outside/crosses)
    PlacedText second;        // overlap and covered: the later text
    DrawnRule rule;           // crosses: the line
    std::string describe() const;
};

const char* finding_kind_name(LayoutFindingKind kind);

// The texts of the canvas with their cells and ink boxes.
std::vector<PlacedText> placed_texts(const RecordingCanvas& dc);

// The rules of the canvas: solid move_to/line_to segments, the edges of
// outlined rectangles other than the one that clears the client rectangle,
// and the outlines of ellipses (whole-ellipse arcs included).
std::vector<DrawnRule> drawn_rules(const RecordingCanvas& dc, Rect client);

// Every finding on the canvas, in drawing order.
std::vector<LayoutFinding> check_layout(const RecordingCanvas& dc, Rect client);

// Whether the finding only touches: the glyphs of its two texts (or its
// line and the text's glyphs) meet in strips at most `strip` pixels wide or
// high, as where descenders graze the text below. A text covered by an
// opaque cell, or outside the window, never only touches.
bool only_touching(const LayoutFinding& f, int strip = 2);

// Whether the boxes share at least one pixel (right and bottom are outside).
bool boxes_meet(const Rect& a, const Rect& b);
// Whether the line, `width` pixels wide, passes through the box.
bool rule_crosses(const DrawnRule& rule, const Rect& box);

// ---------------------------------------------------------------------------
// Dialogs: what the controls of an open dialog show of their own texts, and
// what its procedure paints under them.

struct DialogFinding {
    LayoutFindingKind kind = LayoutFindingKind::overlap;
    std::string first;        // a control's text (or a painted text)
    std::string second;       // the other text, or the control it lies under
    std::string detail;       // where
    std::string describe() const;
};

// The controls' own texts: each line inside its control and inside the
// client rectangle, no line of one control over a line of another.
// `painted` (optional) is what the dialog's paint drew: its texts must stand
// inside the client rectangle and clear of the controls that cover the
// dialog's surface (buttons, edits, combo and list boxes, progress bars,
// pictures), of the controls' texts and of each other (ink that only
// touches, in strips up to 2 px, aside).
std::vector<DialogFinding> check_dialog_layout(const Window* dialog, const RecordingCanvas* painted = nullptr);
