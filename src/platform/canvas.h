// The drawing surface every window routine, table and caption painter draws on.
//
// It keeps the conventions of the graphics interface the layouts were written
// for: integer pixels, text anchored at the top-left corner of its cell, fonts
// described by a plain record, pens and brushes selected into the surface, a
// current position for move_to/line_to (which leaves out the end point).
// This header is free of Qt so that numeric and drawing code stays plain C++.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The font record: the fields of the classic logical-font structure.
// Records are plain values; routines overwrite the fields they need and
// select the record into a canvas, which turns it into a real font.
struct FontRecord {
    int height = 0;           // > 0: cell height in pixels; < 0: character height; 0: default
    int width = 0;
    int escapement = 0;       // tenths of a degree, counter-clockwise; 900 reads upward
    int orientation = 0;
    int weight = 400;         // 400 normal, 700 bold
    int italic = 0;
    int underline = 0;
    int strike_out = 0;
    int charset = 0;          // 0 ANSI, 2 symbol, 204 Cyrillic
    int out_precision = 0;    // 7: TrueType only
    int clip_precision = 0;
    int quality = 0;
    int pitch_and_family = 0;
    std::string face;         // "Times New Roman", "Arial", "Symbol", "Zapfdingbats BT", ...
};

enum class PenStyle { solid, dash, dot, dash_dot, dash_dot_dot, null };

struct Pen {
    PenStyle style = PenStyle::solid;
    int width = 1;
    Rgb color{};
    friend bool operator==(const Pen&, const Pen&) = default;
};

enum class BrushStyle { solid, null };

struct Brush {
    BrushStyle style = BrushStyle::solid;
    Rgb color{255, 255, 255};
    friend bool operator==(const Brush&, const Brush&) = default;
};

enum class BackgroundMode { opaque, transparent };

// Device facts that layouts ask for (screen test, printer page).
struct DeviceCaps {
    int horz_res = 0;         // width in pixels
    int vert_res = 0;         // height in pixels
    int horz_size_mm = 0;     // width in millimetres
    int vert_size_mm = 0;     // height in millimetres
    int logpixels_x = 96;
    int logpixels_y = 96;
    int bits_per_pixel = 32;
};

// A picture loaded by the platform layer (from the program's resources or a
// file); the canvas stretches it onto a rectangle.
struct PictureData;
struct Picture {
    std::shared_ptr<const PictureData> data;
    std::string name;
    int width = 0;
    int height = 0;
    bool valid() const { return data != nullptr; }
};

class Canvas {
public:
    virtual ~Canvas() = default;

    // Font and text. Text is UTF-8; (x, y) is the top-left corner of the
    // first character cell, whatever the escapement.
    virtual void select_font(const FontRecord& font) = 0;
    virtual FontRecord selected_font() const = 0;
    virtual void text_out(int x, int y, std::string_view text) = 0;
    // Advance width (no kerning) and cell height of the text in the selected
    // font. With the terminating zero, the advance of the NUL character of the
    // face is added, as some layouts measure it.
    virtual Size text_extent(std::string_view text, bool with_terminating_zero = false) = 0;
    virtual void set_text_color(Rgb color) = 0;
    virtual Rgb text_color() const = 0;
    virtual void set_background_mode(BackgroundMode mode) = 0;
    virtual void set_background_color(Rgb color) = 0;

    // Lines and shapes. Lines are drawn without antialiasing.
    virtual void select_pen(const Pen& pen) = 0;
    virtual void select_brush(const Brush& brush) = 0;
    virtual void move_to(int x, int y) = 0;
    virtual void line_to(int x, int y) = 0;   // end point left out; the position moves there
    virtual Point current_position() const = 0;
    virtual void polyline(const std::vector<Point>& points) = 0;
    virtual void rectangle(int left, int top, int right, int bottom) = 0;   // outlined with the pen, filled with the brush
    virtual void ellipse(int left, int top, int right, int bottom) = 0;
    // Counter-clockwise arc of the ellipse in the box, from the ray through
    // (x_start, y_start) to the ray through (x_end, y_end).
    virtual void arc(int left, int top, int right, int bottom,
                     int x_start, int y_start, int x_end, int y_end) = 0;
    virtual void fill_rect(const Rect& rect, Rgb color) = 0;
    virtual void set_pixel(int x, int y, Rgb color) = 0;
    virtual void draw_picture(const Picture& picture, const Rect& dest) = 0;

    // The whole drawing state (font, pens, brush, colours, modes, position).
    virtual void save() = 0;
    virtual void restore() = 0;

    virtual DeviceCaps caps() const = 0;
    virtual bool is_printer() const { return false; }
};

// Colours the layouts use by name.
inline constexpr Rgb rgb(int r, int g, int b) { return Rgb{r, g, b}; }
