// A canvas that keeps every call, for tests: what text was drawn where, in
// which font and colour; which lines with which pen; shapes and pictures.
// Text extents are the real font metrics, the same as the Qt canvas gives,
// so a layout measured here is the layout drawn on the screen.
#pragma once

#include "canvas.h"

#include <string>
#include <vector>

class RecordingCanvas : public Canvas {
public:
    struct TextCall {
        int x = 0;
        int y = 0;
        std::string text;
        FontRecord font;
        Rgb color;
        BackgroundMode background_mode = BackgroundMode::opaque;
    };
    struct LineCall {           // one move_to/line_to segment
        Point from;
        Point to;
        Pen pen;
    };
    struct PolylineCall {
        std::vector<Point> points;
        Pen pen;
    };
    enum class ShapeKind { rectangle, ellipse, arc, fill_rect, pixel };
    struct ShapeCall {
        ShapeKind kind = ShapeKind::rectangle;
        Rect box;
        Point start;            // arc rays
        Point end;
        Pen pen;
        Brush brush;
        Rgb color;              // fill_rect and pixel
    };
    struct PictureCall {
        std::string name;
        bool valid = false;
        Rect dest;
    };

    // Every call in the order made, by kind.
    std::vector<TextCall> texts;
    std::vector<LineCall> lines;
    std::vector<PolylineCall> polylines;
    std::vector<ShapeCall> shapes;
    std::vector<PictureCall> pictures;
    int extent_queries = 0;

    explicit RecordingCanvas(const DeviceCaps& caps = default_caps());
    static DeviceCaps default_caps();   // a 1024 x 768 screen, 96 dpi, 32 bits
    // A printer page of the given size in millimetres at `dpi` dots per
    // inch, as the printer's device reports it: the canvas answers as a
    // printer does, so the routines lay out as they do on paper.
    static RecordingCanvas printer_page(int width_mm, int height_mm, int dpi);

    void clear();                       // forget the recorded calls, keep the state
    // The texts drawn, joined by '\n' (handy in assertions).
    std::string all_text() const;
    // The first recorded text call whose text equals `text`, or nullptr.
    const TextCall* find_text(const std::string& text) const;

    void select_font(const FontRecord& font) override;
    FontRecord selected_font() const override;
    void text_out(int x, int y, std::string_view text) override;
    Size text_extent(std::string_view text, bool with_terminating_zero = false) override;
    void set_text_color(Rgb color) override;
    Rgb text_color() const override;
    void set_background_mode(BackgroundMode mode) override;
    void set_background_color(Rgb color) override;
    BackgroundMode background_mode() const { return state_.background_mode; }
    Rgb background_color() const { return state_.background; }

    void select_pen(const Pen& pen) override;
    void select_brush(const Brush& brush) override;
    Pen selected_pen() const { return state_.pen; }
    Brush selected_brush() const { return state_.brush; }
    void move_to(int x, int y) override;
    void line_to(int x, int y) override;
    Point current_position() const override;
    void polyline(const std::vector<Point>& points) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void arc(int left, int top, int right, int bottom,
             int x_start, int y_start, int x_end, int y_end) override;
    void fill_rect(const Rect& rect, Rgb color) override;
    void set_pixel(int x, int y, Rgb color) override;
    void draw_picture(const Picture& picture, const Rect& dest) override;

    void save() override;
    void restore() override;
    int saved_depth() const { return static_cast<int>(saved_.size()); }

    DeviceCaps caps() const override { return caps_; }
    bool is_printer() const override { return printer_; }
    void set_printer(bool printer) { printer_ = printer; }
    void set_caps(const DeviceCaps& caps) { caps_ = caps; }

private:
    struct State {
        FontRecord font;
        Pen pen;
        Brush brush;
        Rgb text_color{0, 0, 0};
        Rgb background{255, 255, 255};
        BackgroundMode background_mode = BackgroundMode::opaque;
        Point position;
    };
    DeviceCaps caps_;
    bool printer_ = false;
    State state_;
    std::vector<State> saved_;
};
