#include "qt_canvas.h"

#include "font_layout.h"
#include "fonts.h"
#include "picture_data.h"
#include "vector_state.h"

#include <QGlyphRun>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QSvgRenderer>

#include <cmath>
#include <numbers>

namespace {

QColor qcolor(Rgb c)
{
    return QColor(std::clamp(c.r, 0, 255), std::clamp(c.g, 0, 255), std::clamp(c.b, 0, 255));
}

// The classic cosmetic dash lengths, in pixels.
QList<qreal> dash_pattern(PenStyle style)
{
    switch (style) {
    case PenStyle::dash: return {18, 6};
    case PenStyle::dot: return {3, 3};
    case PenStyle::dash_dot: return {9, 6, 3, 6};
    case PenStyle::dash_dot_dot: return {9, 3, 3, 3, 3, 3};
    default: return {};
    }
}

// Qt's raster drawing leaves the upper halves of the vector registers in
// use, which makes every exp, pow and sincos after it slow on many Intel
// cores. A window routine computes between its drawing calls, so every call
// that drew, and the making of a canvas for a routine, clears that state on
// the way out.
class PainterTurn {
public:
    PainterTurn() = default;
    PainterTurn(const PainterTurn&) = delete;
    PainterTurn& operator=(const PainterTurn&) = delete;
    ~PainterTurn() { clear_upper_vector_state(); }
};

} // namespace

QtCanvas::QtCanvas(QPainter& painter, bool printer)
    : QtCanvas(painter, painter.device() ? caps_of(*painter.device()) : DeviceCaps{}, printer)
{
}

QtCanvas::QtCanvas(QPainter& painter, const DeviceCaps& caps, bool printer)
    : painter_(painter), caps_(caps), printer_(printer)
{
    const PainterTurn turn;
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

DeviceCaps QtCanvas::caps_of(const QPaintDevice& device)
{
    DeviceCaps c;
    c.horz_res = device.width();
    c.vert_res = device.height();
    c.horz_size_mm = device.widthMM();
    c.vert_size_mm = device.heightMM();
    c.logpixels_x = device.logicalDpiX();
    c.logpixels_y = device.logicalDpiY();
    c.bits_per_pixel = device.depth();
    return c;
}

void QtCanvas::select_font(const FontRecord& font) { state_.font = font; }
FontRecord QtCanvas::selected_font() const { return state_.font; }

void QtCanvas::text_out(int x, int y, std::string_view text)
{
    const PainterTurn turn;
    const TextLayout layout = layout_text(state_.font, text);
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.translate(x, y);
    if (state_.font.escapement % 3600 != 0) painter_.rotate(-state_.font.escapement / 10.0);
    if (state_.background_mode == BackgroundMode::opaque && layout.width > 0)
        painter_.fillRect(QRect(0, 0, layout.width, layout.cell), qcolor(state_.background));
    painter_.setPen(qcolor(state_.text_color));
    // The cell background is filled above; left opaque, the painter's own
    // background handling of glyph runs drops the translation after other
    // primitives have set it, and the run lands at the origin.
    painter_.setBackgroundMode(Qt::TransparentMode);
    for (const GlyphRunPiece& piece : layout.runs) {
        QGlyphRun run;
        run.setRawFont(piece.font);
        run.setGlyphIndexes(piece.glyphs);
        run.setPositions(piece.positions);
        painter_.drawGlyphRun(QPointF(0, 0), run);
    }
    const int em = std::max(1, layout.ascent + layout.descent);
    const int thickness = std::max(1, em / 20);
    if (state_.font.underline != 0)
        painter_.fillRect(QRect(0, layout.ascent + std::max(1, layout.descent / 3), layout.width, thickness),
                          qcolor(state_.text_color));
    if (state_.font.strike_out != 0)
        painter_.fillRect(QRect(0, layout.ascent - layout.ascent * 3 / 10, layout.width, thickness),
                          qcolor(state_.text_color));
    painter_.restore();
}

Size QtCanvas::text_extent(std::string_view text, bool with_terminating_zero)
{
    const PainterTurn turn;
    return measure_text(state_.font, text, with_terminating_zero);
}

void QtCanvas::set_text_color(Rgb color) { state_.text_color = color; }
Rgb QtCanvas::text_color() const { return state_.text_color; }
void QtCanvas::set_background_mode(BackgroundMode mode) { state_.background_mode = mode; }
void QtCanvas::set_background_color(Rgb color) { state_.background = color; }
void QtCanvas::select_pen(const Pen& pen) { state_.pen = pen; }
void QtCanvas::select_brush(const Brush& brush) { state_.brush = brush; }

void QtCanvas::apply_pen()
{
    const Pen& p = state_.pen;
    painter_.setRenderHint(QPainter::Antialiasing, false);
    if (p.style == PenStyle::null) {
        painter_.setPen(Qt::NoPen);
        return;
    }
    QPen pen(qcolor(p.color));
    if (p.width <= 1) {
        // One pixel whatever the transformation; the end point is left out
        // by the flat cap of an aliased cosmetic line.
        pen.setWidth(1);
        pen.setCosmetic(true);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        if (p.style != PenStyle::solid) pen.setDashPattern(dash_pattern(p.style));
    } else {
        // Wide pens are drawn solid with round ends, as the classic
        // interface drew its styled pens wider than one pixel.
        pen.setWidth(p.width);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    painter_.setPen(pen);
    painter_.setBackgroundMode(state_.background_mode == BackgroundMode::opaque ? Qt::OpaqueMode
                                                                                  : Qt::TransparentMode);
    painter_.setBackground(QBrush(qcolor(state_.background)));
}

void QtCanvas::apply_brush()
{
    if (state_.brush.style == BrushStyle::null) painter_.setBrush(Qt::NoBrush);
    else painter_.setBrush(QBrush(qcolor(state_.brush.color)));
}

void QtCanvas::move_to(int x, int y) { state_.position = Point{x, y}; }

void QtCanvas::line_to(int x, int y)
{
    const PainterTurn turn;
    stroke_open_path({state_.position, Point{x, y}});
    state_.position = Point{x, y};
}

Point QtCanvas::current_position() const { return state_.position; }

// Segment by segment so that every segment leaves out its end point, as a
// polyline of the classic interface does; the dash pattern runs on.
void QtCanvas::stroke_open_path(const std::vector<Point>& points)
{
    if (points.size() < 2 || state_.pen.style == PenStyle::null) return;
    apply_pen();
    QPen pen = painter_.pen();
    const bool dashed = pen.style() == Qt::CustomDashLine;
    double offset = 0;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const Point a = points[i - 1];
        const Point b = points[i];
        if (a == b) continue;
        if (dashed) {
            pen.setDashOffset(offset);
            painter_.setPen(pen);
            offset += std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
        }
        painter_.drawLine(a.x, a.y, b.x, b.y);
    }
}

void QtCanvas::polyline(const std::vector<Point>& points)
{
    const PainterTurn turn;
    if (state_.pen.width > 1 && state_.pen.style != PenStyle::null && points.size() >= 2) {
        apply_pen();
        QPolygon poly;
        for (const Point& p : points) poly << QPoint(p.x, p.y);
        painter_.drawPolyline(poly);
        return;
    }
    stroke_open_path(points);
}

void QtCanvas::rectangle(int left, int top, int right, int bottom)
{
    const PainterTurn turn;
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    if (right - left < 1 || bottom - top < 1) return;
    apply_brush();
    if (state_.pen.style == PenStyle::null) {
        painter_.setPen(Qt::NoPen);
        if (state_.brush.style != BrushStyle::null)
            painter_.fillRect(QRect(left, top, right - left - 1, bottom - top - 1), painter_.brush());
        return;
    }
    apply_pen();
    if (state_.pen.width <= 1) {
        // Outline on the pixels left..right-1, top..bottom-1.
        painter_.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
    } else {
        const int w = state_.pen.width;
        QPen pen = painter_.pen();
        pen.setJoinStyle(Qt::MiterJoin);
        painter_.setPen(pen);
        // A wide pen lies inside the box, as the figures of the classic interface.
        painter_.drawRect(QRectF(left + w / 2.0, top + w / 2.0, right - left - w, bottom - top - w));
    }
}

void QtCanvas::ellipse(int left, int top, int right, int bottom)
{
    const PainterTurn turn;
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    if (right - left < 1 || bottom - top < 1) return;
    apply_brush();
    apply_pen();
    painter_.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

void QtCanvas::arc(int left, int top, int right, int bottom, int x_start, int y_start, int x_end, int y_end)
{
    const PainterTurn turn;
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    if (right - left < 1 || bottom - top < 1 || state_.pen.style == PenStyle::null) return;
    apply_pen();
    const double cx = (left + right) / 2.0;
    const double cy = (top + bottom) / 2.0;
    const double to_deg = 180.0 / std::numbers::pi;
    const double a0 = std::atan2(-(y_start - cy), x_start - cx) * to_deg;
    const double a1 = std::atan2(-(y_end - cy), x_end - cx) * to_deg;
    double span = a1 - a0;
    while (span <= 0) span += 360.0;   // equal rays make the whole ellipse
    painter_.drawArc(QRect(left, top, right - left - 1, bottom - top - 1),
                     static_cast<int>(std::lround(a0 * 16)), static_cast<int>(std::lround(span * 16)));
}

void QtCanvas::fill_rect(const Rect& rect, Rgb color)
{
    const PainterTurn turn;
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    painter_.fillRect(QRect(rect.left, rect.top, rect.width(), rect.height()), qcolor(color));
}

void QtCanvas::set_pixel(int x, int y, Rgb color)
{
    const PainterTurn turn;
    painter_.fillRect(QRect(x, y, 1, 1), qcolor(color));
}

void QtCanvas::draw_picture(const Picture& picture, const Rect& dest)
{
    const PainterTurn turn;
    if (!picture.valid() || dest.width() == 0 || dest.height() == 0) return;
    const QRectF target(dest.left, dest.top, dest.width(), dest.height());
    painter_.save();
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter_.setRenderHint(QPainter::Antialiasing, true);
    if (!picture.data->svg.isEmpty()) {
        QSvgRenderer renderer(picture.data->svg);
        renderer.render(&painter_, target.normalized());
    } else {
        painter_.drawImage(target.normalized(), picture.data->image);
    }
    painter_.restore();
}

void QtCanvas::save() { saved_.push_back(state_); }

void QtCanvas::restore()
{
    if (saved_.empty()) return;
    state_ = saved_.back();
    saved_.pop_back();
}
