// The cells of the texts a window drew on the recording canvas, for tests
// that a line stands clear of every other text.
#pragma once

#include "fonts.h"
#include "recording_canvas.h"

#include <string>
#include <vector>

// The cell of an upright text: its position and extent in its font.
inline Rect text_cell(const RecordingCanvas::TextCall& t)
{
    const Size e = measure_text(t.font, t.text);
    return Rect{t.x, t.y, t.x + e.cx, t.y + e.cy};
}

// The upright texts (other than `text` itself) whose cells meet the cell of
// `text`, and the cell running past `right`.
inline std::vector<std::string> texts_meeting(const RecordingCanvas& dc, const RecordingCanvas::TextCall& text,
                                              int right)
{
    std::vector<std::string> met;
    const Rect a = text_cell(text);
    if (a.left < 0 || a.right > right) met.push_back("past the edge");
    for (const auto& t : dc.texts) {
        if (&t == &text || t.font.escapement != 0 || t.text.find_first_not_of(' ') == std::string::npos) continue;
        const Rect b = text_cell(t);
        if (a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom) met.push_back(t.text);
    }
    return met;
}
