#include "layout_check.h"

#include "dialog.h"
#include "fonts.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numbers>
#include <sstream>

namespace {

// The box of `local` (relative to the text's origin, unturned) once the text
// is turned counter-clockwise by the escapement about its origin and placed
// at (x, y).
Rect turned(const Rect& local, int x, int y, int escapement)
{
    if (local.width() <= 0 || local.height() <= 0) return Rect{};
    const int e = ((escapement % 3600) + 3600) % 3600;
    if (e == 0) return Rect{x + local.left, y + local.top, x + local.right, y + local.bottom};
    if (e == 900)   // reads upward: (dx, dy) -> (dy, -dx)
        return Rect{x + local.top, y - local.right, x + local.bottom, y - local.left};
    if (e == 1800) return Rect{x - local.right, y - local.bottom, x - local.left, y - local.top};
    if (e == 2700) return Rect{x - local.bottom, y + local.left, x - local.top, y + local.right};
    const double a = e / 10.0 * std::numbers::pi / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    double min_x = 1e300, min_y = 1e300, max_x = -1e300, max_y = -1e300;
    for (const auto& [dx, dy] : {std::pair{local.left, local.top}, std::pair{local.right, local.top},
                                 std::pair{local.left, local.bottom}, std::pair{local.right, local.bottom}}) {
        const double px = dx * c + dy * s;
        const double py = -dx * s + dy * c;
        min_x = std::min(min_x, px);
        max_x = std::max(max_x, px);
        min_y = std::min(min_y, py);
        max_y = std::max(max_y, py);
    }
    return Rect{x + static_cast<int>(std::floor(min_x)), y + static_cast<int>(std::floor(min_y)),
                x + static_cast<int>(std::ceil(max_x)), y + static_cast<int>(std::ceil(max_y))};
}

bool inside(const Rect& inner, const Rect& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

std::string box_text(const Rect& r)
{
    std::ostringstream out;
    out << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
    return out.str();
}

std::string text_text(const PlacedText& t)
{
    std::ostringstream out;
    out << "\"" << t.text << "\" ink " << box_text(t.ink) << " font " << t.font_height;
    if (t.escapement != 0) out << " turned " << t.escapement / 10;
    return out.str();
}

// Axes are drawn with solid 2-pixel pens, table rulings and frames with
// solid black 1-pixel pens. Grid and reference lines (dotted, or thin and
// coloured), legend samples and the wide point markers are not rules.
bool is_rule_pen(const Pen& pen)
{
    if (pen.style != PenStyle::solid) return false;
    return pen.width == 2 || (pen.width <= 1 && pen.color == Rgb{0, 0, 0});
}

} // namespace

const char* finding_kind_name(LayoutFindingKind kind)
{
    switch (kind) {
    case LayoutFindingKind::overlap: return "overlap";
    case LayoutFindingKind::covered: return "covered";
    case LayoutFindingKind::outside: return "outside";
    case LayoutFindingKind::crosses: return "crosses";
    }
    return "?";
}

std::string LayoutFinding::describe() const
{
    std::ostringstream out;
    out << finding_kind_name(kind) << ": " << text_text(first);
    switch (kind) {
    case LayoutFindingKind::overlap: out << " and " << text_text(second); break;
    case LayoutFindingKind::covered: out << " under the cell " << box_text(second.cell) << " of \"" << second.text << "\""; break;
    case LayoutFindingKind::outside: break;
    case LayoutFindingKind::crosses:
        out << " by the " << (rule.ellipse ? "ellipse" : "line") << " (" << rule.from.x << "," << rule.from.y << ")-(" << rule.to.x << "," << rule.to.y
            << ") width " << rule.width;
        break;
    }
    return out.str();
}

bool boxes_meet(const Rect& a, const Rect& b)
{
    if (a.width() <= 0 || a.height() <= 0 || b.width() <= 0 || b.height() <= 0) return false;
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

namespace {

// Whether the outline of the ellipse in `e` passes through the box: the box
// reaches into the ellipse and is not wholly inside it.
bool outline_crosses(const Rect& e, const Rect& box)
{
    const double cx = (e.left + e.right) / 2.0, cy = (e.top + e.bottom) / 2.0;
    const double a = std::max(0.5, (e.right - e.left) / 2.0), b = std::max(0.5, (e.bottom - e.top) / 2.0);
    const auto inside_at = [&](double x, double y) {
        const double u = (x - cx) / a, v = (y - cy) / b;
        return u * u + v * v < 1.0;
    };
    const double l = box.left + 0.5, r = box.right - 0.5, t = box.top + 0.5, bt = box.bottom - 0.5;
    if (!inside_at(std::clamp(cx, l, r), std::clamp(cy, t, bt))) return false;
    return !(inside_at(l, t) && inside_at(r, t) && inside_at(l, bt) && inside_at(r, bt));
}

} // namespace

bool rule_crosses(const DrawnRule& rule, const Rect& box)
{
    if (box.width() <= 0 || box.height() <= 0) return false;
    if (rule.ellipse)
        return outline_crosses(Rect{rule.from.x, rule.from.y, rule.to.x, rule.to.y}, box);
    const int w = std::max(1, rule.width);
    const int before = w / 2;
    if (rule.from.y == rule.to.y) {
        const Rect band{std::min(rule.from.x, rule.to.x), rule.from.y - before,
                        std::max(rule.from.x, rule.to.x) + 1, rule.from.y - before + w};
        return boxes_meet(band, box);
    }
    if (rule.from.x == rule.to.x) {
        const Rect band{rule.from.x - before, std::min(rule.from.y, rule.to.y), rule.from.x - before + w,
                        std::max(rule.from.y, rule.to.y) + 1};
        return boxes_meet(band, box);
    }
    // A slanted line: clip the segment to the box grown by the pen
    // (Liang-Barsky); it crosses when a part of it remains.
    const double x0 = rule.from.x + 0.5, y0 = rule.from.y + 0.5;
    const double dx = rule.to.x - rule.from.x, dy = rule.to.y - rule.from.y;
    const double half = w / 2.0;
    const double left = box.left - half + 0.5, right = box.right + half - 0.5;
    const double top = box.top - half + 0.5, bottom = box.bottom + half - 0.5;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - left, right - x0, y0 - top, bottom - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0) t0 = std::max(t0, r);
        else t1 = std::min(t1, r);
        if (t0 > t1) return false;
    }
    return true;
}

std::vector<PlacedText> placed_texts(const RecordingCanvas& dc)
{
    std::vector<PlacedText> out;
    int order = 0;
    for (const RecordingCanvas::TextCall& call : dc.texts) {
        PlacedText t;
        t.order = order++;
        t.text = font_text_to_unicode(call.font, call.text);
        const Size extent = measure_text(call.font, call.text);
        t.cell = turned(Rect{0, 0, extent.cx, extent.cy}, call.x, call.y, call.font.escapement);
        for (const Rect& glyph : text_glyph_boxes(call.font, call.text)) {
            const Rect placed = turned(glyph, call.x, call.y, call.font.escapement);
            t.glyphs.push_back(placed);
            t.ink = t.ink.width() > 0 ? Rect{std::min(t.ink.left, placed.left), std::min(t.ink.top, placed.top),
                                             std::max(t.ink.right, placed.right), std::max(t.ink.bottom, placed.bottom)}
                                      : placed;
        }
        t.opaque = call.background_mode == BackgroundMode::opaque && extent.cx > 0;
        t.font_height = call.font.height;
        t.escapement = call.font.escapement;
        std::string face = call.font.face;
        for (char& c : face) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        t.curve_mark = face.find("dingbat") != std::string::npos;
        out.push_back(std::move(t));
    }
    return out;
}

std::vector<DrawnRule> drawn_rules(const RecordingCanvas& dc, Rect client)
{
    std::vector<DrawnRule> out;
    int order = 0;
    for (const RecordingCanvas::LineCall& line : dc.lines) {
        ++order;
        if (!is_rule_pen(line.pen) || line.from == line.to) continue;
        out.push_back(DrawnRule{order, line.from, line.to, line.pen.width});
    }
    for (const RecordingCanvas::ShapeCall& shape : dc.shapes) {
        ++order;
        const bool whole_arc = shape.kind == RecordingCanvas::ShapeKind::arc && shape.start == shape.end;
        if ((shape.kind == RecordingCanvas::ShapeKind::ellipse || whole_arc) && shape.pen.style != PenStyle::null) {
            DrawnRule outline{order, {shape.box.left, shape.box.top}, {shape.box.right, shape.box.bottom},
                              shape.pen.width, true};
            out.push_back(outline);
            continue;
        }
        if (shape.kind != RecordingCanvas::ShapeKind::rectangle || !is_rule_pen(shape.pen)) continue;
        if (shape.box == client) continue;
        // An outlined rectangle draws its edges inside the box.
        const Rect& b = shape.box;
        const int r = b.right - 1, bt = b.bottom - 1;
        out.push_back(DrawnRule{order, {b.left, b.top}, {r, b.top}, shape.pen.width});
        out.push_back(DrawnRule{order, {r, b.top}, {r, bt}, shape.pen.width});
        out.push_back(DrawnRule{order, {b.left, bt}, {r, bt}, shape.pen.width});
        out.push_back(DrawnRule{order, {b.left, b.top}, {b.left, bt}, shape.pen.width});
    }
    return out;
}

namespace {

bool glyphs_meet(const PlacedText& a, const Rect& box)
{
    if (!boxes_meet(a.ink, box)) return false;
    for (const Rect& g : a.glyphs)
        if (boxes_meet(g, box)) return true;
    return false;
}

bool glyphs_meet(const PlacedText& a, const PlacedText& b)
{
    if (!boxes_meet(a.ink, b.ink)) return false;
    for (const Rect& g : b.glyphs)
        if (glyphs_meet(a, g)) return true;
    return false;
}

bool rule_crosses_glyphs(const DrawnRule& rule, const PlacedText& t)
{
    if (!rule_crosses(rule, t.ink)) return false;
    for (const Rect& g : t.glyphs)
        if (rule_crosses(rule, g)) return true;
    return false;
}

} // namespace

bool only_touching(const LayoutFinding& f, int strip)
{
    const auto slight = [strip](const Rect& a, const Rect& b) {
        const int w = std::min(a.right, b.right) - std::max(a.left, b.left);
        const int h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
        return w <= strip || h <= strip;
    };
    switch (f.kind) {
    case LayoutFindingKind::overlap:
        for (const Rect& a : f.first.glyphs)
            for (const Rect& b : f.second.glyphs)
                if (boxes_meet(a, b) && !slight(a, b)) return false;
        return true;
    case LayoutFindingKind::crosses:
        for (const Rect& g : f.first.glyphs) {
            if (!rule_crosses(f.rule, g)) continue;
            // The strip of the glyph box that the line's band takes.
            const int w = std::max(1, f.rule.width);
            const Rect band = f.rule.from.y == f.rule.to.y
                                  ? Rect{std::min(f.rule.from.x, f.rule.to.x), f.rule.from.y - w / 2,
                                         std::max(f.rule.from.x, f.rule.to.x) + 1, f.rule.from.y - w / 2 + w}
                              : f.rule.from.x == f.rule.to.x
                                  ? Rect{f.rule.from.x - w / 2, std::min(f.rule.from.y, f.rule.to.y),
                                         f.rule.from.x - w / 2 + w, std::max(f.rule.from.y, f.rule.to.y) + 1}
                                  : g;
            if (f.rule.ellipse || !slight(band, g)) return false;
        }
        return true;
    case LayoutFindingKind::covered:
    case LayoutFindingKind::outside: return false;
    }
    return false;
}

std::vector<LayoutFinding> check_layout(const RecordingCanvas& dc, Rect client)
{
    const std::vector<PlacedText> texts = placed_texts(dc);
    const std::vector<DrawnRule> rules = drawn_rules(dc, client);
    std::vector<LayoutFinding> out;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const PlacedText& a = texts[i];
        if (a.ink.width() > 0 && !inside(a.ink, client)) {
            LayoutFinding f;
            f.kind = LayoutFindingKind::outside;
            f.first = a;
            out.push_back(f);
        }
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            const PlacedText& b = texts[j];
            if (a.curve_mark && b.curve_mark) continue;
            LayoutFinding f;
            f.first = a;
            f.second = b;
            if (glyphs_meet(a, b)) {
                // The same text drawn twice at one place (a bold pass) is one text.
                if (a.text == b.text && a.ink == b.ink) continue;
                f.kind = LayoutFindingKind::overlap;
                out.push_back(f);
            } else if (b.opaque && glyphs_meet(a, b.cell)) {
                f.kind = LayoutFindingKind::covered;
                out.push_back(f);
            }
        }
        for (const DrawnRule& rule : rules) {
            if (a.curve_mark || !rule_crosses_glyphs(rule, a)) continue;
            LayoutFinding f;
            f.kind = LayoutFindingKind::crosses;
            f.first = a;
            f.rule = rule;
            out.push_back(f);
        }
    }
    return out;
}

std::string DialogFinding::describe() const
{
    std::ostringstream out;
    out << finding_kind_name(kind) << ": \"" << first << "\"";
    if (!second.empty()) out << (kind == LayoutFindingKind::covered ? " under " : " and ") << second;
    if (!detail.empty()) out << " " << detail;
    return out.str();
}

namespace {

struct ControlLine {
    const ShownControl* control = nullptr;
    std::string text;
    Rect cell;
    std::vector<Rect> glyphs;
    Rect ink;
};

bool covers_surface(ControlKind kind)
{
    switch (kind) {
    case ControlKind::push_button:
    case ControlKind::edit:
    case ControlKind::combo_box:
    case ControlKind::list_box:
    case ControlKind::progress_bar:
    case ControlKind::static_bitmap:
    case ControlKind::status_bar: return true;
    default: return false;
    }
}

std::string control_name(const ShownControl& c)
{
    std::ostringstream out;
    out << "control " << c.id << " " << box_text(c.rect);
    return out.str();
}

} // namespace

std::vector<DialogFinding> check_dialog_layout(const Window* dialog, const RecordingCanvas* painted)
{
    std::vector<DialogFinding> out;
    const std::vector<ShownControl> controls = dialog_shown_controls(dialog);
    const FontRecord font = dialog_text_font(dialog);
    const Rect client = get_client_rect(dialog);

    std::vector<ControlLine> lines;
    for (const ShownControl& c : controls) {
        if (!c.visible) continue;
        for (const ShownLine& line : c.lines) {
            ControlLine l{&c, line.text, line.cell, {}, {}};
            for (const Rect& g : text_glyph_boxes(font, line.text)) {
                const Rect placed{g.left + line.cell.left, g.top + line.cell.top, g.right + line.cell.left,
                                  g.bottom + line.cell.top};
                l.glyphs.push_back(placed);
                l.ink = l.ink.width() > 0 ? Rect{std::min(l.ink.left, placed.left), std::min(l.ink.top, placed.top),
                                                 std::max(l.ink.right, placed.right),
                                                 std::max(l.ink.bottom, placed.bottom)}
                                          : placed;
            }
            lines.push_back(std::move(l));
        }
    }
    const auto meet = [](const std::vector<Rect>& a, const std::vector<Rect>& b) {
        for (const Rect& x : a)
            for (const Rect& y : b)
                if (boxes_meet(x, y)) return true;
        return false;
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ControlLine& a = lines[i];
        if (a.cell.width() <= 0) continue;
        // A line's cell (its advance and font height) stands inside its
        // control; a static text is clipped below, so its last line may be
        // cut there.
        Rect shown = a.cell;
        if (a.control->kind == ControlKind::static_text) shown.bottom = std::min(shown.bottom, a.control->rect.bottom);
        if (!inside(shown, a.control->rect))
            out.push_back({LayoutFindingKind::outside, a.text, control_name(*a.control), "cell " + box_text(a.cell)});
        else if (!inside(shown, client))
            out.push_back({LayoutFindingKind::outside, a.text, "the client " + box_text(client), "cell " + box_text(a.cell)});
        for (std::size_t j = i + 1; j < lines.size(); ++j) {
            const ControlLine& b = lines[j];
            if (b.control == a.control || !boxes_meet(a.ink, b.ink) || !meet(a.glyphs, b.glyphs)) continue;
            out.push_back({LayoutFindingKind::overlap, a.text, "\"" + b.text + "\"",
                           box_text(a.ink) + " " + box_text(b.ink)});
        }
    }
    if (painted == nullptr) return out;

    for (const PlacedText& t : placed_texts(*painted)) {
        if (t.ink.width() <= 0) continue;
        if (!inside(t.ink, client))
            out.push_back({LayoutFindingKind::outside, t.text, "the client " + box_text(client), "ink " + box_text(t.ink)});
        for (const ShownControl& c : controls) {
            if (!c.visible || !covers_surface(c.kind) || !boxes_meet(t.ink, c.rect)) continue;
            bool under = false;
            for (const Rect& g : t.glyphs) under = under || boxes_meet(g, c.rect);
            if (under) out.push_back({LayoutFindingKind::covered, t.text, control_name(c), "ink " + box_text(t.ink)});
        }
        for (const ControlLine& l : lines)
            if (!covers_surface(l.control->kind) && boxes_meet(t.ink, l.ink) && meet(t.glyphs, l.glyphs))
                out.push_back({LayoutFindingKind::overlap, t.text, "\"" + l.text + "\"", "ink " + box_text(t.ink)});
    }
    // The painted texts among themselves: no ink on ink, and none blanked by
    // a later opaque cell; glyphs that only graze (descenders) may stay.
    for (const LayoutFinding& f : check_layout(*painted, client)) {
        if (f.kind != LayoutFindingKind::overlap && f.kind != LayoutFindingKind::covered) continue;
        if (only_touching(f)) continue;
        out.push_back({f.kind, f.first.text, "\"" + f.second.text + "\"",
                       "ink " + box_text(f.first.ink) + " " + box_text(f.second.ink)});
    }
    return out;
}
