// The picture of one heat-source scheme with its caption lines.
#include "modelchoice.h"

#include "fonts.h"
#include "picture.h"
#include "screen.h"

#include <sstream>
#include <string>
#include <vector>


namespace {

// What stands where a picture is missing: a grey frame crossed from corner to
// corner with the picture's name, so the cell is plainly empty, not blank.
void draw_missing_picture(Canvas& dc, const Rect& r, const char* name)
{
    dc.save();
    dc.select_pen(Pen{PenStyle::solid, 1, Rgb{128, 128, 128}});
    dc.select_brush(Brush{BrushStyle::solid, Rgb{236, 236, 236}});
    dc.rectangle(r.left, r.top, r.right, r.bottom);
    dc.move_to(r.left, r.top);
    dc.line_to(r.right - 1, r.bottom - 1);
    dc.move_to(r.right - 1, r.top);
    dc.line_to(r.left, r.bottom - 1);
    FontRecord f;
    f.height = 12;
    f.face = "Arial";
    dc.select_font(f);
    dc.set_background_mode(BackgroundMode::transparent);
    dc.set_text_color(Rgb{96, 96, 96});
    const Size s = dc.text_extent(name);
    dc.text_out(r.left + (r.width() - s.cx) / 2, r.top + 2, name);
    dc.restore();
}

// Characters, not bytes: a one-letter Cyrillic line is one character.
int character_count(const char* text)
{
    int n = 0;
    for (const char* p = text; *p != '\0'; ++p)
        if ((static_cast<unsigned char>(*p) & 0xC0) != 0x80) ++n;
    return n;
}

} // namespace

void draw_scheme_picture(Canvas& dc, Window* dialog, const char* name, const char* line1,
                         const char* line2, const char* line3, Rect rect)
{
    const Rect r = map_dialog_rect(dialog, rect);
    const Rect dest{r.left + 5, r.top + 5, r.right - 5, r.bottom - 5};
    const Picture picture = load_picture_resource(name);
    if (picture.valid())
        dc.draw_picture(picture, dest);
    else
        draw_missing_picture(dc, dest, name);

    // The captions follow the system's dialog base unit, not the dialog's font.
    const int h = screen_facts().dialog_base_unit_y;
    dc.set_text_color(Rgb{127, 0, 0});
    text_font.height = h;
    text_font.escapement = 0;
    text_font.weight = 400;
    text_font.charset = language_charset();
    text_font.face = "Times New Roman";
    dc.select_font(text_font);
    // The lines stand 0.9 of their height apart: an opaque cell would blank
    // the descenders of the line above.
    dc.set_background_mode(BackgroundMode::transparent);

    // The lines stand above the picture's bottom at 3.2, 2.3 and 1.4 of the
    // dialog's base unit; a line of one character or none is left out.
    const double offsets[3] = {3.2, 2.3, 1.4};
    const char* given[3] = {line1, line2, line3};
    std::vector<std::string> lines;
    std::vector<double> tops;
    for (int i = 0; i < 3; ++i) {
        const std::string text = given[i] != nullptr ? given[i] : "";
        if (character_count(text.c_str()) <= 1) continue;
        lines.push_back(text);
        tops.push_back(offsets[i]);
    }
    // A caption wider than its picture would run into the next picture or
    // past the dialog: its words are filled anew into as many lines as it
    // had, each as wide as the picture allows; a caption whose words do not
    // fit even so is set in a smaller font until they do, down to half the
    // height. A word wider than that is left as it stands.
    const int room = r.width() - 6;
    const auto too_wide = [&](const std::vector<std::string>& ls) {
        for (const std::string& l : ls)
            if (dc.text_extent(l).cx > room) return true;
        return false;
    };
    if (too_wide(lines)) {
        const std::size_t count = lines.size();
        std::vector<std::string> words;
        for (const std::string& l : lines) {
            std::istringstream in(l);
            for (std::string w; in >> w;) words.push_back(w);
        }
        for (int height = h; height >= h / 2; --height) {
            text_font.height = height;
            dc.select_font(text_font);
            std::vector<std::string> filled(1);
            for (const std::string& w : words) {
                const std::string joined = filled.back().empty() ? w : filled.back() + " " + w;
                if (filled.back().empty() || dc.text_extent(joined).cx <= room)
                    filled.back() = joined;
                else
                    filled.push_back(w);
            }
            if (filled.size() <= count && !too_wide(filled)) {
                lines = filled;
                break;
            }
        }
        if (too_wide(lines)) {
            text_font.height = h;
            dc.select_font(text_font);
        }
    }

    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Size s = dc.text_extent(lines[i]);
        const int y = static_cast<int>(r.bottom - tops[i] * h);
        dc.text_out(r.left + (r.width() - s.cx) / 2, y, lines[i]);
    }
    text_font.height = h;
}
