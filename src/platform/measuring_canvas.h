// A canvas that draws nothing and keeps the box of what would be drawn on
// it: the cells of the texts and the lines. Fonts are
// selected and texts measured on the canvas it stands for, so a layout can
// learn where a painter it does not own (a parameter panel, a table) would
// reach before it places its own blocks.
//
//   MeasuringCanvas m(dc);
//   current_model.draw_panel(m, client, 1, 1, 1, 1);
//   const int panel_top = m.reach().top;
//
// The canvas it stands for gets back the font and colours it held.
#pragma once

#include "canvas.h"

#include <algorithm>
#include <vector>

class MeasuringCanvas final : public Canvas {
public:
    explicit MeasuringCanvas(Canvas& dc) : dc_(dc) { dc_.save(); }
    ~MeasuringCanvas() override { dc_.restore(); }
    MeasuringCanvas(const MeasuringCanvas&) = delete;
    MeasuringCanvas& operator=(const MeasuringCanvas&) = delete;

    // The box of everything drawn; empty (right <= left) when nothing was.
    Rect reach() const { return box_; }
    // The box of each text and each shape, in drawing order.
    const std::vector<Rect>& boxes() const { return boxes_; }

    void select_font(const FontRecord& font) override { dc_.select_font(font); }
    FontRecord selected_font() const override { return dc_.selected_font(); }
    void text_out(int x, int y, std::string_view text) override
    {
        const Size s = dc_.text_extent(text);
        // A text turned to read upward turns about its top-left corner: its
        // cell stands on that corner, one line wide.
        if (dc_.selected_font().escapement == 900)
            take(Rect{x, y - s.cx, x + s.cy, y});
        else
            take(Rect{x, y, x + s.cx, y + s.cy});
    }
    Size text_extent(std::string_view text, bool with_terminating_zero = false) override
    {
        return dc_.text_extent(text, with_terminating_zero);
    }
    void set_text_color(Rgb color) override { dc_.set_text_color(color); }
    Rgb text_color() const override { return dc_.text_color(); }
    void set_background_mode(BackgroundMode mode) override { dc_.set_background_mode(mode); }
    void set_background_color(Rgb color) override { dc_.set_background_color(color); }
    void select_pen(const Pen&) override {}
    void select_brush(const Brush&) override {}
    void move_to(int x, int y) override { at_ = Point{x, y}; }
    void line_to(int x, int y) override
    {
        take(Rect{std::min(at_.x, x), std::min(at_.y, y), std::max(at_.x, x) + 1, std::max(at_.y, y) + 1});
        at_ = Point{x, y};
    }
    Point current_position() const override { return at_; }
    void polyline(const std::vector<Point>& points) override
    {
        for (const Point& p : points) take(Rect{p.x, p.y, p.x + 1, p.y + 1});
    }
    void rectangle(int left, int top, int right, int bottom) override { take(Rect{left, top, right, bottom}); }
    void ellipse(int left, int top, int right, int bottom) override { take(Rect{left, top, right, bottom}); }
    void arc(int left, int top, int right, int bottom, int, int, int, int) override
    {
        take(Rect{left, top, right, bottom});
    }
    void fill_rect(const Rect& rect, Rgb) override { take(rect); }
    void set_pixel(int x, int y, Rgb) override { take(Rect{x, y, x + 1, y + 1}); }
    void draw_picture(const Picture&, const Rect& dest) override { take(dest); }
    void save() override { dc_.save(); }
    void restore() override { dc_.restore(); }
    DeviceCaps caps() const override { return dc_.caps(); }
    bool is_printer() const override { return dc_.is_printer(); }

private:
    void take(const Rect& r)
    {
        boxes_.push_back(r);
        if (box_.right <= box_.left) {
            box_ = r;
            return;
        }
        box_ = Rect{std::min(box_.left, r.left), std::min(box_.top, r.top), std::max(box_.right, r.right),
                    std::max(box_.bottom, r.bottom)};
    }

    Canvas& dc_;
    Point at_{};
    Rect box_{0, 0, 0, 0};
    std::vector<Rect> boxes_;
};
