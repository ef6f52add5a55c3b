// The canvas over a Qt painter: the screen's backing image, PNG output, and
// printer or PDF pages. Inside the platform layer only (it names Qt types);
// the layers above see the Canvas interface, or an ImageCanvas.
#pragma once

#include "canvas.h"

#include <vector>

class QPainter;
class QPaintDevice;

class QtCanvas : public Canvas {
public:
    // Draws with the painter (already begun on its device), whose device
    // gives the capabilities. The painter stays the caller's: the canvas sets
    // pen, brush and font on it at every call and leaves them so.
    explicit QtCanvas(QPainter& painter, bool printer = false);
    QtCanvas(QPainter& painter, const DeviceCaps& caps, bool printer = false);

    static DeviceCaps caps_of(const QPaintDevice& device);

    void select_font(const FontRecord& font) override;
    FontRecord selected_font() const override;
    void text_out(int x, int y, std::string_view text) override;
    Size text_extent(std::string_view text, bool with_terminating_zero = false) override;
    void set_text_color(Rgb color) override;
    Rgb text_color() const override;
    void set_background_mode(BackgroundMode mode) override;
    void set_background_color(Rgb color) override;

    void select_pen(const Pen& pen) override;
    void select_brush(const Brush& brush) override;
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

    DeviceCaps caps() const override { return caps_; }
    bool is_printer() const override { return printer_; }

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
    void apply_pen();
    void apply_brush();
    void stroke_open_path(const std::vector<Point>& points);

    QPainter& painter_;
    DeviceCaps caps_;
    bool printer_ = false;
    State state_;
    std::vector<State> saved_;
};
