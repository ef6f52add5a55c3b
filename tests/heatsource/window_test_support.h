// Shared by the tests of the temperature windows: the message boxes a
// window showed, and where texts stand.
#pragma once

#include <string>
#include <vector>

#include "heatsource.h"
#include "scheme_views.h"
#include "msgbox.h"
#include "program_state.h"
#include "recording_canvas.h"

struct ShownMessage {
    std::string text;
    std::string caption;
};

// The message boxes shown since the last call, oldest first; the first call
// turns the boxes into records, so that nothing waits for a click.
inline std::vector<ShownMessage> take_window_messages() {
    message_box_set_record_mode(true);
    std::vector<ShownMessage> taken;
    for (const MessageBoxRecord& box : message_box_take_log()) taken.push_back({box.text, box.caption});
    return taken;
}

// The box a recorded text covers, measured in its own font; text that reads
// upward (escapement 900) turns about its top-left corner.
inline Rect text_box(const RecordingCanvas::TextCall& t) {
    RecordingCanvas measure;
    measure.select_font(t.font);
    const Size e = measure.text_extent(t.text);
    if (t.font.escapement == 900) return Rect{t.x, t.y - e.cx, t.x + e.cy, t.y};
    return Rect{t.x, t.y, t.x + e.cx, t.y + e.cy};
}

// The texts of dc whose boxes meet the box of `text`.
inline std::vector<std::string> texts_over(const RecordingCanvas& dc, const RecordingCanvas::TextCall& text) {
    const Rect a = text_box(text);
    std::vector<std::string> over;
    for (const auto& t : dc.texts) {
        if (&t == &text) continue;
        const Rect b = text_box(t);
        if (a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom) over.push_back(t.text);
    }
    return over;
}
