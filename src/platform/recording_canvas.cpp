#include "recording_canvas.h"

#include "fonts.h"

RecordingCanvas::RecordingCanvas(const DeviceCaps& caps) : caps_(caps) {}

DeviceCaps RecordingCanvas::default_caps()
{
    DeviceCaps c;
    c.horz_res = 1024;
    c.vert_res = 768;
    c.horz_size_mm = 271;   // 1024 pixels at 96 per inch
    c.vert_size_mm = 203;
    c.logpixels_x = 96;
    c.logpixels_y = 96;
    c.bits_per_pixel = 32;
    return c;
}

RecordingCanvas RecordingCanvas::printer_page(int width_mm, int height_mm, int dpi)
{
    DeviceCaps c;
    c.horz_res = static_cast<int>(width_mm * dpi / 25.4);
    c.vert_res = static_cast<int>(height_mm * dpi / 25.4);
    c.horz_size_mm = width_mm;
    c.vert_size_mm = height_mm;
    c.logpixels_x = dpi;
    c.logpixels_y = dpi;
    c.bits_per_pixel = 24;
    RecordingCanvas page(c);
    page.set_printer(true);
    return page;
}

void RecordingCanvas::clear()
{
    texts.clear();
    lines.clear();
    polylines.clear();
    shapes.clear();
    pictures.clear();
    extent_queries = 0;
}

std::string RecordingCanvas::all_text() const
{
    std::string out;
    for (const TextCall& t : texts) {
        if (!out.empty()) out += '\n';
        out += t.text;
    }
    return out;
}

const RecordingCanvas::TextCall* RecordingCanvas::find_text(const std::string& text) const
{
    for (const TextCall& t : texts)
        if (t.text == text) return &t;
    return nullptr;
}

void RecordingCanvas::select_font(const FontRecord& font) { state_.font = font; }
FontRecord RecordingCanvas::selected_font() const { return state_.font; }

void RecordingCanvas::text_out(int x, int y, std::string_view text)
{
    texts.push_back(TextCall{x, y, std::string(text), state_.font, state_.text_color, state_.background_mode});
}

Size RecordingCanvas::text_extent(std::string_view text, bool with_terminating_zero)
{
    ++extent_queries;
    return measure_text(state_.font, text, with_terminating_zero);
}

void RecordingCanvas::set_text_color(Rgb color) { state_.text_color = color; }
Rgb RecordingCanvas::text_color() const { return state_.text_color; }
void RecordingCanvas::set_background_mode(BackgroundMode mode) { state_.background_mode = mode; }
void RecordingCanvas::set_background_color(Rgb color) { state_.background = color; }
void RecordingCanvas::select_pen(const Pen& pen) { state_.pen = pen; }
void RecordingCanvas::select_brush(const Brush& brush) { state_.brush = brush; }
void RecordingCanvas::move_to(int x, int y) { state_.position = Point{x, y}; }

void RecordingCanvas::line_to(int x, int y)
{
    lines.push_back(LineCall{state_.position, Point{x, y}, state_.pen});
    state_.position = Point{x, y};
}

Point RecordingCanvas::current_position() const { return state_.position; }

void RecordingCanvas::polyline(const std::vector<Point>& points)
{
    polylines.push_back(PolylineCall{points, state_.pen});
}

void RecordingCanvas::rectangle(int left, int top, int right, int bottom)
{
    ShapeCall s;
    s.kind = ShapeKind::rectangle;
    s.box = Rect{left, top, right, bottom};
    s.pen = state_.pen;
    s.brush = state_.brush;
    shapes.push_back(s);
}

void RecordingCanvas::ellipse(int left, int top, int right, int bottom)
{
    ShapeCall s;
    s.kind = ShapeKind::ellipse;
    s.box = Rect{left, top, right, bottom};
    s.pen = state_.pen;
    s.brush = state_.brush;
    shapes.push_back(s);
}

void RecordingCanvas::arc(int left, int top, int right, int bottom, int x_start, int y_start, int x_end, int y_end)
{
    ShapeCall s;
    s.kind = ShapeKind::arc;
    s.box = Rect{left, top, right, bottom};
    s.start = Point{x_start, y_start};
    s.end = Point{x_end, y_end};
    s.pen = state_.pen;
    s.brush = state_.brush;
    shapes.push_back(s);
}

void RecordingCanvas::fill_rect(const Rect& rect, Rgb color)
{
    ShapeCall s;
    s.kind = ShapeKind::fill_rect;
    s.box = rect;
    s.color = color;
    shapes.push_back(s);
}

void RecordingCanvas::set_pixel(int x, int y, Rgb color)
{
    ShapeCall s;
    s.kind = ShapeKind::pixel;
    s.box = Rect{x, y, x + 1, y + 1};
    s.color = color;
    shapes.push_back(s);
}

void RecordingCanvas::draw_picture(const Picture& picture, const Rect& dest)
{
    pictures.push_back(PictureCall{picture.name, picture.valid(), dest});
}

void RecordingCanvas::save() { saved_.push_back(state_); }

void RecordingCanvas::restore()
{
    if (saved_.empty()) return;
    state_ = saved_.back();
    saved_.pop_back();
}
