#include "dialog.h"

#include "dialog_driver.h"
#include "fonts.h"
#include "lang.h"
#include "msgbox.h"
#include "numfmt.h"
#include "picture.h"
#include "qt_canvas.h"
#include "resources.h"
#include "statusbar.h"
#include "vector_state.h"
#include "window_internal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <cmath>
#include <deque>
#include <map>

using namespace platform_detail;

ControlState* DialogState::control(int id)
{
    for (auto& c : controls)
        if (c.id == id && c.widget) return &c;
    return nullptr;
}

const ControlState* DialogState::control(int id) const
{
    return const_cast<DialogState*>(this)->control(id);
}

namespace {

const Rgb dialog_face{192, 192, 192};

// The classic MulDiv: a * b / c rounded half away from zero.
int mul_div(int a, int b, int c)
{
    if (c == 0) return -1;
    long long n = static_cast<long long>(a) * b;
    long long r = (std::llabs(n) * 2 + std::llabs(c)) / (2 * std::llabs(c));
    return static_cast<int>(((n < 0) != (c < 0)) ? -r : r);
}

QFont dialog_qfont(std::string_view face, int point_size)
{
    FontRecord r = dialog_font(face, point_size);
    QFont f(QString::fromStdString(mapped_font_family(r)));
    f.setPixelSize(std::max(1, font_cell_metrics(r).em));
    f.setKerning(false);
    return f;
}

std::string strip_mnemonic(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&') { out += '&'; ++i; }
            continue;
        }
        out += text[i];
    }
    return out;
}

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

bool is_cancel_text(const std::string& text)
{
    std::string t = strip_mnemonic(text);
    while (!t.empty() && t.front() == ' ') t.erase(t.begin());
    while (!t.empty() && t.back() == ' ') t.pop_back();
    for (const char* c : {"Cancel", "Отмена", "Скасувати", "Відміна", "Abbrechen", "Annuler"})
        if (rc_name_equal(t, c)) return true;
    return false;
}

std::deque<DialogHook>& hooks()
{
    static std::deque<DialogHook> h;
    return h;
}
std::deque<ChooserAnswer>& answers()
{
    static std::deque<ChooserAnswer> a;
    return a;
}
bool test_mode = false;

std::intptr_t send_command(Window* d, int id, int code = 0)
{
    Message m{Msg::command, id, code};
    return dispatch(d, m);
}

void press_enter(Window* d);
void press_cancel(Window* d);

// Enter, Escape and closing the window, wherever the focus is.
class KeyFilter : public QObject {
public:
    KeyFilter(QObject* parent, Window* d) : QObject(parent), dialog_(d) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress || !is_window(dialog_)) return false;
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            press_enter(dialog_);
            return true;
        }
        if (k->key() == Qt::Key_Escape) {
            send_command(dialog_, id_cancel);
            return true;
        }
        return false;
    }

private:
    Window* dialog_;
};

class DialogWidget : public QDialog {
public:
    DialogWidget(Window* d, QWidget* parent) : QDialog(parent), dialog_(d)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* e) override
    {
        QPainter p(this);
        show_backing(p, dialog_, e->rect());
    }
    void resizeEvent(QResizeEvent*) override { resize_backing(dialog_, width(), height()); }
    void mousePressEvent(QMouseEvent* e) override
    {
        if (e->button() != Qt::LeftButton || !is_window(dialog_)) return;
        Message m{Msg::lbutton_down};
        m.point = Point{static_cast<int>(e->position().x()), static_cast<int>(e->position().y())};
        dispatch(dialog_, m);
    }
    void closeEvent(QCloseEvent* e) override
    {
        e->ignore();
        if (is_window(dialog_) && !dialog_->dialog->ended) press_cancel(dialog_);
    }
    // Keys are handled by the filter; QDialog's own handling (which would
    // reject on Escape) is not wanted.
    void keyPressEvent(QKeyEvent* e) override { e->ignore(); }

private:
    Window* dialog_;
};

// Frames and rectangles of static controls: transparent inside, so what the
// dialog paints shows through.
class FrameWidget : public QWidget {
public:
    FrameWidget(QWidget* parent, const ControlTemplate& t, Window* d)
        : QWidget(parent), tmpl_(t), dialog_(d)
    {
        notify_ = (t.style & rcstyle::ss_notify) || (t.style & rcstyle::ss_typemask) == rcstyle::ss_blackframe;
        if (!notify_) setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        QRect r = rect().adjusted(0, 0, -1, -1);
        std::uint32_t type = tmpl_.style & rcstyle::ss_typemask;
        QColor black(0, 0, 0), gray(128, 128, 128), white(255, 255, 255);
        switch (type) {
        case rcstyle::ss_blackrect: p.fillRect(rect(), black); break;
        case rcstyle::ss_grayrect: p.fillRect(rect(), gray); break;
        case rcstyle::ss_whiterect: p.fillRect(rect(), white); break;
        case rcstyle::ss_grayframe: p.setPen(gray); p.drawRect(r); break;
        case rcstyle::ss_whiteframe: p.setPen(white); p.drawRect(r); break;
        case rcstyle::ss_etchedframe:
            p.setPen(gray);
            p.drawRect(r.adjusted(0, 0, -1, -1));
            p.setPen(white);
            p.drawRect(r.adjusted(1, 1, 0, 0));
            break;
        default: p.setPen(black); p.drawRect(r); break;
        }
        if (tmpl_.style & rcstyle::ss_sunken) {
            p.setPen(gray);
            p.drawLine(r.topLeft(), r.topRight());
            p.drawLine(r.topLeft(), r.bottomLeft());
            p.setPen(white);
            p.drawLine(r.bottomLeft(), r.bottomRight());
            p.drawLine(r.topRight(), r.bottomRight());
        }
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton && notify_ && is_window(dialog_)) send_command(dialog_, tmpl_.id);
    }

private:
    const ControlTemplate& tmpl_;
    Window* dialog_;
    bool notify_ = false;
};

// A static text control as the classic one draws it: its text in the
// dialog's font, broken into lines at blanks where the style wraps, aligned
// in the control's width, top first, and clipped to the control's rectangle
// (a line that does not fit below is cut where the rectangle ends).
class StaticTextWidget : public QWidget {
public:
    StaticTextWidget(QWidget* parent, const ControlTemplate& t, FontRecord font)
        : QWidget(parent), tmpl_(t), font_(std::move(font))
    {
        const std::uint32_t type = t.style & rcstyle::ss_typemask;
        word_wrap_ = type != rcstyle::ss_simple && type != rcstyle::ss_leftnowordwrap;
        set_text(t.text);
        if (!(t.style & rcstyle::ss_notify)) setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    void set_text(std::string_view text)
    {
        text_ = (tmpl_.style & rcstyle::ss_noprefix) ? std::string(text) : strip_mnemonic(std::string(text));
        update();
    }
    const std::string& text() const { return text_; }
    // The lines as they stand in the control, in its own pixels.
    std::vector<std::pair<Rect, std::string>> placed_lines() const
    {
        std::vector<std::pair<Rect, std::string>> out;
        const int cell = std::max(1, font_cell_metrics(font_).cell);
        int y = 0;
        for (const std::string& line : static_text_lines(font_, text_, width(), word_wrap_)) {
            if (y >= height()) break;
            const int w = measure_text(font_, line).cx;
            int x = 0;
            if (tmpl_.align() == TextAlign::center) x = (width() - w) / 2;
            else if (tmpl_.align() == TextAlign::right) x = width() - w;
            out.emplace_back(Rect{x, y, x + w, y + cell}, line);
            y += cell;
        }
        return out;
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setClipRect(rect());
        QtCanvas c(p);
        c.select_font(font_);
        c.set_background_mode(BackgroundMode::transparent);
        c.set_text_color(isEnabled() ? Rgb{0, 0, 0} : Rgb{128, 128, 128});
        for (const auto& [cell, line] : placed_lines()) c.text_out(cell.left, cell.top, line);
    }

private:
    const ControlTemplate& tmpl_;
    FontRecord font_;
    std::string text_;
    bool word_wrap_ = true;
};

// A picture by resource name, at its own size (centred in the control with
// SS_CENTERIMAGE, otherwise the control takes the picture's size).
class BitmapWidget : public QWidget {
public:
    BitmapWidget(QWidget* parent, const ControlTemplate& t) : QWidget(parent), tmpl_(t)
    {
        picture_ = load_picture_resource(t.text);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    const Picture& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        if (picture_.valid()) {
            int x = (width() - picture_.width) / 2;
            int y = (height() - picture_.height) / 2;
            if (!(tmpl_.style & rcstyle::ss_centerimage)) x = y = (tmpl_.style & rcstyle::ws_border) ? 1 : 0;
            QtCanvas c(p);
            c.draw_picture(picture_, Rect{x, y, x + picture_.width, y + picture_.height});
        } else {
            // A missing picture is named where it should stand, so the fault
            // is seen and the dialog still works.
            p.setPen(QColor(128, 0, 0));
            p.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap,
                       QStringLiteral("[") + QString::fromStdString(tmpl_.text) + QStringLiteral("]"));
        }
        if (tmpl_.style & rcstyle::ws_border) {
            p.setPen(QColor(0, 0, 0));
            p.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }

private:
    const ControlTemplate& tmpl_;
    Picture picture_;
};

Window* dialog_window(const Window* d)
{
    return is_window(d) && d->dialog ? const_cast<Window*>(d) : nullptr;
}

ControlState* control_of(const Window* d, int id)
{
    Window* w = dialog_window(d);
    return w ? w->dialog->control(id) : nullptr;
}

void uncheck_group_mates(Window* d, const ControlState& c)
{
    for (auto& o : d->dialog->controls) {
        if (&o == &c || o.kind != ControlKind::radio_button || o.group != c.group || !o.widget) continue;
        if (o.tmpl && !o.tmpl->is_auto()) continue;
        static_cast<QAbstractButton*>(o.widget.data())->setChecked(false);
    }
}

void on_button_clicked(Window* d, int index)
{
    if (!is_window(d)) return;
    ControlState& c = d->dialog->controls[static_cast<size_t>(index)];
    auto* b = qobject_cast<QAbstractButton*>(c.widget.data());
    if (b == nullptr) return;
    if (c.kind == ControlKind::radio_button) {
        if (c.tmpl->is_auto()) {
            b->setChecked(true);
            uncheck_group_mates(d, c);
        } else {
            b->setChecked(!b->isChecked());   // a plain radio button changes only when told
        }
    } else if (c.kind == ControlKind::check_box && !c.tmpl->is_auto()) {
        b->setChecked(!b->isChecked());
    }
    send_command(d, c.id);
}

void build_control(Window* d, size_t index, const QFont& font)
{
    ControlState& c = d->dialog->controls[index];
    const ControlTemplate& t = *c.tmpl;
    QWidget* parent = d->top.data();
    QWidget* w = nullptr;
    Rect r = map_dialog_rect(d, Rect{t.x, t.y, t.x + t.cx, t.y + t.cy});
    int idx = static_cast<int>(index);
    switch (t.kind) {
    case ControlKind::static_text:
        w = new StaticTextWidget(parent, t, d->dialog->font);
        break;
    case ControlKind::static_frame: w = new FrameWidget(parent, t, d); break;
    case ControlKind::static_bitmap: {
        auto* b = new BitmapWidget(parent, t);
        c.picture = t.text;
        if (!(t.style & rcstyle::ss_centerimage) && b->picture().valid()) {
            int extra = (t.style & rcstyle::ws_border) ? 2 : 0;
            r.right = r.left + b->picture().width + extra;
            r.bottom = r.top + b->picture().height + extra;
        }
        w = b;
        break;
    }
    case ControlKind::edit: {
        auto* e = new QLineEdit(parent);
        e->setAlignment(t.align() == TextAlign::center ? Qt::AlignHCenter
                        : t.align() == TextAlign::right ? Qt::AlignRight
                                                        : Qt::AlignLeft);
        e->setFrame((t.style & rcstyle::ws_border) || (t.ex_style & 0x200u));
        e->setReadOnly(t.style & rcstyle::es_readonly);
        if (t.style & rcstyle::es_password) e->setEchoMode(QLineEdit::Password);
        if (t.style & rcstyle::es_number) e->setValidator(new QIntValidator(0, 2147483647, e));
        e->setTextMargins(0, 0, 0, 0);
        QObject::connect(e, &QLineEdit::textEdited, e, [d, id = t.id] {
            if (is_window(d)) send_command(d, id, notify_edit_change);
        });
        w = e;
        break;
    }
    case ControlKind::push_button: {
        auto* b = new QPushButton(qs(t.text), parent);
        b->setAutoDefault(false);
        b->setDefault(t.is_default_button());
        QObject::connect(b, &QPushButton::clicked, b, [d, idx] { on_button_clicked(d, idx); });
        w = b;
        break;
    }
    case ControlKind::check_box:
    case ControlKind::radio_button: {
        QAbstractButton* b = t.kind == ControlKind::check_box ? static_cast<QAbstractButton*>(new QCheckBox(qs(t.text), parent))
                                                              : static_cast<QAbstractButton*>(new QRadioButton(qs(t.text), parent));
        b->setAutoExclusive(false);
        QObject::connect(b, &QAbstractButton::clicked, b, [d, idx] { on_button_clicked(d, idx); });
        w = b;
        break;
    }
    case ControlKind::group_box: {
        auto* g = new QGroupBox(qs(t.text), parent);
        g->setAttribute(Qt::WA_TransparentForMouseEvents);
        w = g;
        break;
    }
    case ControlKind::combo_box: {
        auto* cb = new QComboBox(parent);
        std::uint32_t type = t.style & 0x3u;
        cb->setEditable(type != rcstyle::cbs_dropdownlist);
        cb->setInsertPolicy(QComboBox::NoInsert);
        if (cb->isEditable()) {
            cb->setCompleter(nullptr);
            cb->lineEdit()->setTextMargins(0, 0, 0, 0);
            QObject::connect(cb->lineEdit(), &QLineEdit::textEdited, cb, [d, id = t.id] {
                if (ControlState* s = control_of(d, id)) {
                    s->selection_cleared = true;
                    send_command(d, id, notify_combo_edit_change);
                }
            });
        }
        QObject::connect(cb, &QComboBox::activated, cb, [d, id = t.id](int) {
            if (ControlState* s = control_of(d, id)) {
                s->selection_cleared = false;
                send_command(d, id, notify_combo_sel_change);
            }
        });
        // The template's height is that of the dropped list; the box itself
        // is one line high.
        int line = d->dialog->base.y + 8;
        int list_rows = std::max(1, (r.height() - line) / std::max(1, d->dialog->base.y + 2));
        cb->setMaxVisibleItems(std::max(3, list_rows));
        r.bottom = r.top + line;
        w = cb;
        break;
    }
    case ControlKind::list_box: w = new QListWidget(parent); break;
    case ControlKind::progress_bar: {
        auto* p = new QProgressBar(parent);
        p->setTextVisible(false);
        p->setRange(c.lo, c.hi);
        p->setValue(c.pos);
        w = p;
        break;
    }
    case ControlKind::status_bar: {
        // Made as the status bar of the dialog, at its bottom.
        return;
    }
    }
    if (w == nullptr) return;
    w->setFont(font);
    w->setGeometry(r.left, r.top, std::max(0, r.width()), std::max(0, r.height()));
    if (t.style & rcstyle::ws_disabled) w->setEnabled(false);
    if (!(t.style & rcstyle::ws_tabstop) && t.kind != ControlKind::edit && t.kind != ControlKind::combo_box)
        w->setFocusPolicy(t.kind == ControlKind::push_button || t.kind == ControlKind::check_box ||
                                  t.kind == ControlKind::radio_button
                              ? Qt::StrongFocus
                              : Qt::NoFocus);
    auto* filter = new KeyFilter(w, d);
    w->installEventFilter(filter);
    if (auto* cb = qobject_cast<QComboBox*>(w); cb && cb->lineEdit()) cb->lineEdit()->installEventFilter(filter);
    if (t.kind == ControlKind::group_box) w->lower();
    w->show();
    c.widget = w;
}

QPoint dialog_position(const Window* d, const DialogTemplate& t, const Window* owner, QSize outer)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    QRect avail = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    QPoint p;
    if (t.style & rcstyle::ds_center) {
        p = QPoint(avail.left() + (avail.width() - outer.width()) / 2, avail.top() + (avail.height() - outer.height()) / 2);
    } else {
        Rect off = map_dialog_rect(d, Rect{t.x, t.y, t.x, t.y});
        Point origin{avail.left(), avail.top()};
        if (owner != nullptr && is_window(owner) && !(t.style & rcstyle::ds_absalign))
            origin = client_to_screen(owner, Point{0, 0});
        p = QPoint(origin.x + off.left, origin.y + off.top);
    }
    // Kept on the screen.
    p.setX(std::max(avail.left(), std::min(p.x(), avail.right() + 1 - outer.width())));
    p.setY(std::max(avail.top(), std::min(p.y(), avail.bottom() + 1 - outer.height())));
    return p;
}

Window* build_dialog(std::string_view name, Window* owner, DialogProc proc, bool modal)
{
    const DialogTemplate* t = find_dialog_template(name);
    if (t == nullptr) {
        message_box(is_window(owner) ? owner : nullptr,
                    cformat("The dialog \"%.*s\" is missing from the program's resources.",
                            static_cast<int>(name.size()), name.data()),
                    "Velmarin", mb_iconerror);
        return nullptr;
    }
    Window* d = new_window();
    d->proc = proc;
    d->background = dialog_face;
    d->owner = is_window(owner) ? owner : nullptr;
    d->has_caption = (t->style & rcstyle::ws_caption) == rcstyle::ws_caption;
    d->thick_frame = (t->style & rcstyle::ws_thickframe) != 0;
    d->dialog = std::make_unique<DialogState>();
    DialogState& s = *d->dialog;
    s.tmpl = t;
    s.template_name = t->name;
    s.modal = modal;
    s.base = dialog_font_base_units(t->font_face, t->font_size);
    s.font = dialog_font(t->font_face, t->font_size);

    QWidget* parent = d->owner && d->owner->top ? d->owner->top.data() : nullptr;
    auto* w = new DialogWidget(d, parent);
    d->top = w;
    d->surface = w;
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
    if (d->has_caption) flags |= Qt::WindowTitleHint;
    else flags |= Qt::FramelessWindowHint;
    if (t->style & rcstyle::ws_sysmenu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    w->setWindowFlags(flags);
    w->setWindowTitle(qs(t->caption));
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, QColor(dialog_face.r, dialog_face.g, dialog_face.b));
    pal.setColor(QPalette::Button, QColor(dialog_face.r, dialog_face.g, dialog_face.b));
    pal.setColor(QPalette::WindowText, Qt::black);
    pal.setColor(QPalette::ButtonText, Qt::black);
    w->setPalette(pal);
    QFont font = dialog_qfont(t->font_face, t->font_size);
    w->setFont(font);
    w->installEventFilter(new KeyFilter(w, d));

    Rect client = map_dialog_rect(d, Rect{0, 0, t->cx, t->cy});
    if (d->thick_frame) {
        w->resize(client.width(), client.height());
        w->setMinimumSize(1, 1);
    } else {
        w->setFixedSize(client.width(), client.height());
    }
    resize_backing(d, client.width(), client.height());

    // Auto radio buttons are grouped from one WS_GROUP control to the next.
    int group = 0;
    s.controls.reserve(t->controls.size());
    for (const auto& ct : t->controls) {
        if (ct.style & rcstyle::ws_group) ++group;
        ControlState c;
        c.tmpl = &ct;
        c.kind = ct.kind;
        c.id = ct.id;
        c.group = group;
        s.controls.push_back(c);
    }
    for (size_t i = 0; i < s.controls.size(); ++i) build_control(d, i, font);
    for (const auto& c : s.controls)
        if (c.kind == ControlKind::status_bar) status_bar_set_parts(d, {-1});

    // The Cancel button, which closing the window presses.
    for (const auto& c : s.controls)
        if (c.id == id_cancel && c.kind == ControlKind::push_button) s.cancel_id = id_cancel;
    if (s.cancel_id == 0)
        for (const auto& c : s.controls)
            if (c.kind == ControlKind::push_button && is_cancel_text(c.tmpl->text)) {
                s.cancel_id = c.id;
                break;
            }

    int b = frame_border(d);
    QSize outer(client.width() + 2 * b, client.height() + 2 * b + caption_height(d));
    QPoint pos = dialog_position(d, *t, d->owner, outer);
    w->move(pos);
    d->created = true;
    return d;
}

void focus_first(Window* d)
{
    for (auto& c : d->dialog->controls) {
        if (!c.widget || !c.widget->isEnabled() || !(c.tmpl->style & rcstyle::ws_tabstop)) continue;
        if (c.kind == ControlKind::group_box || c.kind == ControlKind::static_text) continue;
        c.widget->setFocus(Qt::OtherFocusReason);
        if (auto* e = qobject_cast<QLineEdit*>(c.widget.data())) e->selectAll();
        return;
    }
}

void press_enter(Window* d)
{
    if (!dialog_window(d)) return;
    QWidget* focus = QApplication::focusWidget();
    for (auto& c : d->dialog->controls)
        if (c.kind == ControlKind::push_button && c.widget && c.widget == focus && c.widget->isEnabled()) {
            send_command(d, c.id);
            return;
        }
    for (auto& c : d->dialog->controls)
        if (c.tmpl->is_default_button() && c.widget) {
            if (c.widget->isEnabled()) send_command(d, c.id);
            return;
        }
    send_command(d, id_ok);
}

void press_cancel(Window* d)
{
    if (!dialog_window(d)) return;
    int id = d->dialog->cancel_id;
    if (id == 0) return;
    ControlState* c = d->dialog->control(id);
    if (c && c->widget && !c->widget->isEnabled()) return;
    send_command(d, id);
}

void run_hook(Window* d, DialogHook hook)
{
    if (!dialog_window(d) || d->dialog->ended) return;
    serve_paint(d);
    std::string name = d->dialog->template_name;
    hook(d, name);
    if (dialog_window(d) && !d->dialog->ended) {
        std::fprintf(stderr, "dialog %s left open by its test hook: closed with -1\n", name.c_str());
        end_dialog(d, -1);
    }
}

}  // namespace

FontRecord dialog_font(std::string_view face, int point_size)
{
    FontRecord f;
    f.face = std::string(face);
    f.height = -mul_div(point_size, 96, 72);   // the em, at 96 pixels per inch
    f.weight = 400;
    return f;
}

std::vector<std::string> static_text_lines(const FontRecord& font, std::string_view text, int width,
                                           bool word_wrap)
{
    std::vector<std::string> lines;
    const auto fits = [&](std::string_view s) { return measure_text(font, s).cx <= width; };
    // One paragraph (no line break inside) into lines that fit.
    const auto wrap = [&](std::string_view para) {
        if (!word_wrap) {
            lines.emplace_back(para);
            return;
        }
        std::size_t pos = 0;
        bool first = true;
        while (true) {
            // Blanks at the start of a wrapped line are dropped, as at a break.
            if (!first)
                while (pos < para.size() && para[pos] == ' ') ++pos;
            if (pos >= para.size()) {
                if (first) lines.emplace_back();
                return;
            }
            first = false;
            // The longest run of whole words from pos that fits.
            std::size_t end = pos;
            std::size_t scan = pos;
            while (scan < para.size()) {
                std::size_t word_end = scan;
                while (word_end < para.size() && para[word_end] == ' ') ++word_end;
                while (word_end < para.size() && para[word_end] != ' ') ++word_end;
                if (!fits(para.substr(pos, word_end - pos))) break;
                end = word_end;
                scan = word_end;
            }
            if (end == pos) {
                // Not even the first word fits: it is broken where it no
                // longer does, keeping at least one character.
                std::size_t word_end = pos;
                while (word_end < para.size() && para[word_end] == ' ') ++word_end;
                while (word_end < para.size() && para[word_end] != ' ') ++word_end;
                std::size_t next = pos;
                while (next < word_end) {
                    std::size_t after = next + 1;
                    while (after < word_end && (static_cast<unsigned char>(para[after]) & 0xC0) == 0x80) ++after;
                    if (next > pos && !fits(para.substr(pos, after - pos))) break;
                    next = after;
                }
                end = next;
            }
            std::string_view line = para.substr(pos, end - pos);
            while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
            lines.emplace_back(line);
            pos = end;
        }
    };
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t nl = text.find('\n', start);
        std::string_view para = text.substr(start, nl == std::string_view::npos ? std::string_view::npos : nl - start);
        if (!para.empty() && para.back() == '\r') para.remove_suffix(1);
        wrap(para);
        if (nl == std::string_view::npos) break;
        start = nl + 1;
    }
    return lines;
}

DialogBaseUnits dialog_font_base_units(std::string_view face, int point_size)
{
    static std::map<std::pair<std::string, int>, DialogBaseUnits> cache;
    auto key = std::make_pair(std::string(face), point_size);
    auto it = cache.find(key);
    if (it != cache.end()) return it->second;
    FontRecord f = dialog_font(face, point_size);
    Size all = measure_text(f, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    DialogBaseUnits u;
    u.x = (all.cx / 26 + 1) / 2;
    // The cell height of the classic rasterizer: ascent and descent of the
    // face at the em, each rounded outward to whole pixels (a sliver of a
    // pixel, under 1/64, does not count). The face's proportions are read
    // from its metrics at a large size.
    FontRecord large = f;
    large.height = 4000;
    FontCellMetrics m = font_cell_metrics(large);
    const double em = -f.height;
    const double ascent = em * m.ascent / std::max(1, m.em);
    const double descent = em * m.descent / std::max(1, m.em);
    const double sliver = 1.0 / 64.0;
    u.y = static_cast<int>(std::ceil(ascent - sliver) + std::ceil(descent - sliver));
    cache[key] = u;
    return u;
}

DialogBaseUnits dialog_base_units(const Window* d)
{
    Window* w = dialog_window(d);
    return w ? w->dialog->base : DialogBaseUnits{};
}

Rect map_dialog_rect(const Window* d, Rect r)
{
    Window* w = dialog_window(d);
    if (w == nullptr) return r;
    const DialogBaseUnits& u = w->dialog->base;
    return Rect{mul_div(r.left, u.x, 4), mul_div(r.top, u.y, 8), mul_div(r.right, u.x, 4), mul_div(r.bottom, u.y, 8)};
}

std::intptr_t dialog_box(std::string_view template_name, Window* owner, DialogProc proc, std::intptr_t param)
{
    Window* d = build_dialog(template_name, owner, proc, true);
    if (d == nullptr) return -1;
    Message init{Msg::init_dialog};
    init.param = param;
    std::intptr_t focus = dispatch(d, init);
    if (dialog_window(d) && !d->dialog->ended) {
        if (focus) focus_first(d);
        auto* w = static_cast<QDialog*>(d->top.data());
        w->setModal(true);
        invalidate_window(d, true);
        if (!hooks().empty()) {
            DialogHook hook = std::move(hooks().front());
            hooks().pop_front();
            post([d, hook] { run_hook(d, hook); });
        } else if (test_mode) {
            post([d] {
                if (dialog_window(d) && !d->dialog->ended) end_dialog(d, -1);
            });
        }
        w->exec();
    }
    std::intptr_t result = dialog_window(d) ? d->dialog->result : -1;
    if (dialog_window(d)) destroy_window(d);
    // The command that opened the dialog computes next, after Qt drew it and
    // what its closing uncovered.
    clear_upper_vector_state();
    return result;
}

Window* create_dialog(std::string_view template_name, Window* owner, DialogProc proc, std::intptr_t param)
{
    Window* d = build_dialog(template_name, owner, proc, false);
    if (d == nullptr) return nullptr;
    Message init{Msg::init_dialog};
    init.param = param;
    std::intptr_t focus = dispatch(d, init);
    if (!dialog_window(d) || d->dialog->ended) return nullptr;
    d->top->show();
    if (focus) focus_first(d);
    invalidate_window(d, true);
    return d;
}

void end_dialog(Window* d, std::intptr_t result)
{
    if (!dialog_window(d) || d->dialog->ended) return;
    d->dialog->ended = true;
    d->dialog->result = result;
    if (d->dialog->modal) {
        if (auto* w = static_cast<QDialog*>(d->top.data()); w && w->isVisible()) w->done(0);
    } else {
        destroy_window(d);
    }
}

std::string dialog_template_name(const Window* d)
{
    Window* w = dialog_window(d);
    return w ? w->dialog->template_name : std::string();
}

void set_dialog_cancel_id(Window* d, int id)
{
    if (Window* w = dialog_window(d)) w->dialog->cancel_id = id;
}

bool has_item(const Window* d, int id) { return control_of(d, id) != nullptr; }

void set_item_text(Window* d, int id, std::string_view text)
{
    ControlState* c = control_of(d, id);
    if (c == nullptr) return;
    QWidget* w = c->widget.data();
    QString t = qs(text);
    if (auto* e = qobject_cast<QLineEdit*>(w)) e->setText(t);
    else if (auto* cb = qobject_cast<QComboBox*>(w)) {
        if (cb->isEditable()) cb->setEditText(t);
    } else if (auto* l = dynamic_cast<StaticTextWidget*>(w)) l->set_text(text);
    else if (auto* b = qobject_cast<QAbstractButton*>(w)) b->setText(t);
    else if (auto* g = qobject_cast<QGroupBox*>(w)) g->setTitle(t);
}

std::string get_item_text(const Window* d, int id)
{
    ControlState* c = control_of(d, id);
    if (c == nullptr) return {};
    QWidget* w = c->widget.data();
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text().toStdString();
    if (auto* cb = qobject_cast<QComboBox*>(w)) return cb->currentText().toStdString();
    if (auto* l = dynamic_cast<StaticTextWidget*>(w)) return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text().toStdString();
    if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title().toStdString();
    if (c->kind == ControlKind::static_bitmap) return c->picture;
    return {};
}

void check_button(Window* d, int id, bool checked)
{
    ControlState* c = control_of(d, id);
    if (c == nullptr) return;
    if (auto* b = qobject_cast<QAbstractButton*>(c->widget.data())) {
        b->setCheckable(true);
        b->setChecked(checked);
    }
}

bool is_button_checked(const Window* d, int id)
{
    ControlState* c = control_of(d, id);
    if (c == nullptr) return false;
    auto* b = qobject_cast<QAbstractButton*>(c->widget.data());
    return b && b->isChecked();
}

void check_radio_button(Window* d, int first_id, int last_id, int id)
{
    Window* w = dialog_window(d);
    if (w == nullptr) return;
    for (auto& c : w->dialog->controls)
        if (c.id >= first_id && c.id <= last_id && c.kind == ControlKind::radio_button)
            if (auto* b = qobject_cast<QAbstractButton*>(c.widget.data())) b->setChecked(c.id == id);
}

void enable_item(Window* d, int id, bool enabled)
{
    if (ControlState* c = control_of(d, id)) c->widget->setEnabled(enabled);
}

bool is_item_enabled(const Window* d, int id)
{
    ControlState* c = control_of(d, id);
    return c && c->widget->isEnabled();
}

void set_edit_limit(Window* d, int id, int max_chars)
{
    ControlState* c = control_of(d, id);
    if (c == nullptr) return;
    int limit = max_chars <= 0 ? 32767 : max_chars;
    if (auto* e = qobject_cast<QLineEdit*>(c->widget.data())) e->setMaxLength(limit);
    else if (auto* cb = qobject_cast<QComboBox*>(c->widget.data()); cb && cb->lineEdit())
        cb->lineEdit()->setMaxLength(limit);
}

void set_item_focus(Window* d, int id)
{
    if (ControlState* c = control_of(d, id)) c->widget->setFocus(Qt::OtherFocusReason);
}

FontRecord dialog_text_font(const Window* d)
{
    Window* w = dialog_window(d);
    return w ? w->dialog->font : FontRecord{};
}

std::vector<ShownControl> dialog_shown_controls(const Window* d)
{
    std::vector<ShownControl> out;
    Window* dw = dialog_window(d);
    if (dw == nullptr) return out;
    const FontRecord& font = dw->dialog->font;
    const int cell = font_cell_metrics(font).cell;
    // One line of text in `area`, left-aligned or centred, vertically centred.
    const auto one_line = [&](const std::string& text, const QRect& area, bool centred) {
        const int width = measure_text(font, text).cx;
        const int x = centred ? area.left() + (area.width() - width) / 2 : area.left();
        const int y = area.top() + (area.height() - cell) / 2;
        return ShownLine{text, Rect{x, y, x + width, y + cell}};
    };
    for (const ControlState& c : dw->dialog->controls) {
        QWidget* w = c.widget.data();
        if (w == nullptr) continue;
        ShownControl shown;
        shown.id = c.id;
        shown.kind = c.kind;
        const QRect g = w->geometry();
        shown.rect = Rect{g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
        shown.visible = w->isVisible();
        if (auto* st = dynamic_cast<StaticTextWidget*>(w)) {
            for (const auto& [line_cell, text] : st->placed_lines())
                shown.lines.push_back(ShownLine{text, Rect{g.left() + line_cell.left, g.top() + line_cell.top,
                                                           g.left() + line_cell.right, g.top() + line_cell.bottom}});
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            QStyleOptionButton opt;
            opt.initFrom(b);
            opt.text = b->text();
            QStyle::SubElement element = QStyle::SE_PushButtonContents;
            if (qobject_cast<QCheckBox*>(b)) element = QStyle::SE_CheckBoxContents;
            else if (qobject_cast<QRadioButton*>(b)) element = QStyle::SE_RadioButtonContents;
            const QRect area = b->style()->subElementRect(element, &opt, b).translated(g.topLeft());
            const std::string text = strip_mnemonic(b->text().toStdString());
            if (!text.empty()) shown.lines.push_back(one_line(text, area, element == QStyle::SE_PushButtonContents));
        } else if (auto* gb = qobject_cast<QGroupBox*>(w)) {
            QStyleOptionGroupBox opt;
            opt.initFrom(gb);
            opt.text = gb->title();
            opt.lineWidth = 1;
            opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
            opt.textAlignment = gb->alignment();
            const QRect area =
                gb->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, gb).translated(g.topLeft());
            const std::string text = strip_mnemonic(gb->title().toStdString());
            if (!text.empty()) shown.lines.push_back(one_line(text, area, false));
        }
        out.push_back(std::move(shown));
    }
    return out;
}

Rect get_item_rect(const Window* d, int id)
{
    ControlState* c = control_of(d, id);
    if (c == nullptr) return Rect{};
    QRect g = c->widget->geometry();
    return Rect{g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
}

// Combo boxes.

namespace {
QComboBox* combo(const Window* d, int id)
{
    ControlState* c = control_of(d, id);
    return c ? qobject_cast<QComboBox*>(c->widget.data()) : nullptr;
}
}  // namespace

void combo_reset(Window* d, int id)
{
    if (QComboBox* cb = combo(d, id)) {
        cb->clear();
        if (cb->isEditable()) cb->setEditText(QString());
        control_of(d, id)->selection_cleared = false;
    }
}

int combo_insert_string(Window* d, int id, int index, std::string_view text)
{
    QComboBox* cb = combo(d, id);
    if (cb == nullptr) return -1;
    int count = cb->count();
    if (index < 0 || index > count) index = count;
    // Adding entries neither selects one nor changes the edit text.
    int old_index = cb->currentIndex();
    QString old_text = cb->currentText();
    cb->insertItem(index, qs(text));
    if (old_index < 0) {
        cb->setCurrentIndex(-1);
        if (cb->isEditable()) cb->setEditText(old_text);
    }
    return index;
}

int combo_add_string(Window* d, int id, std::string_view text)
{
    QComboBox* cb = combo(d, id);
    if (cb == nullptr) return -1;
    int index = cb->count();
    ControlState* c = control_of(d, id);
    if (c->tmpl->style & rcstyle::cbs_sort) {
        QString t = qs(text);
        index = 0;
        while (index < cb->count() && QString::compare(cb->itemText(index), t, Qt::CaseInsensitive) <= 0) ++index;
    }
    return combo_insert_string(d, id, index, text);
}

int combo_find_string_exact(const Window* d, int id, std::string_view text, int start_after)
{
    QComboBox* cb = combo(d, id);
    if (cb == nullptr) return -1;
    int n = cb->count();
    QString t = qs(text);
    for (int k = 1; k <= n; ++k) {
        int i = ((start_after < 0 ? -1 : start_after) + k) % n;
        if (QString::compare(cb->itemText(i), t, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

void combo_set_cur_sel(Window* d, int id, int index)
{
    QComboBox* cb = combo(d, id);
    if (cb == nullptr) return;
    if (index >= cb->count()) index = -1;
    cb->setCurrentIndex(index);
    if (index < 0 && cb->isEditable()) cb->setEditText(QString());
    control_of(d, id)->selection_cleared = false;
}

int combo_get_cur_sel(const Window* d, int id)
{
    QComboBox* cb = combo(d, id);
    if (cb == nullptr) return -1;
    return control_of(d, id)->selection_cleared ? -1 : cb->currentIndex();
}

int combo_get_count(const Window* d, int id)
{
    QComboBox* cb = combo(d, id);
    return cb ? cb->count() : 0;
}

std::string combo_get_item_text(const Window* d, int id, int index)
{
    QComboBox* cb = combo(d, id);
    if (cb == nullptr || index < 0 || index >= cb->count()) return {};
    return cb->itemText(index).toStdString();
}

// Progress bars.

namespace {
ControlState* progress(const Window* d, int id)
{
    ControlState* c = control_of(d, id);
    return c && c->kind == ControlKind::progress_bar ? c : nullptr;
}
void show_progress(ControlState* c)
{
    if (auto* p = qobject_cast<QProgressBar*>(c->widget.data())) {
        p->setRange(c->lo, std::max(c->lo, c->hi));
        p->setValue(c->pos);
        p->repaint();
    }
}
}  // namespace

void progress_set_range(Window* d, int id, int lo, int hi)
{
    if (ControlState* c = progress(d, id)) {
        c->lo = lo;
        c->hi = std::max(lo, hi);
        c->pos = std::clamp(c->pos, c->lo, c->hi);
        show_progress(c);
    }
}

void progress_set_step(Window* d, int id, int step)
{
    if (ControlState* c = progress(d, id)) c->step = step;
}

int progress_step_it(Window* d, int id)
{
    ControlState* c = progress(d, id);
    if (c == nullptr) return 0;
    int previous = c->pos;
    c->pos = std::clamp(c->pos + c->step, c->lo, c->hi);
    show_progress(c);
    return previous;
}

int progress_set_pos(Window* d, int id, int pos)
{
    ControlState* c = progress(d, id);
    if (c == nullptr) return 0;
    int previous = c->pos;
    c->pos = std::clamp(pos, c->lo, c->hi);
    show_progress(c);
    return previous;
}

int progress_get_pos(const Window* d, int id)
{
    ControlState* c = progress(d, id);
    return c ? c->pos : 0;
}

// Test driver.

void set_dialog_test_mode(bool on) { test_mode = on; }
bool dialog_test_mode() { return test_mode; }
void push_dialog_hook(DialogHook hook) { hooks().push_back(std::move(hook)); }
std::size_t pending_dialog_hooks() { return hooks().size(); }
void clear_dialog_hooks() { hooks().clear(); }

void dialog_type_text(Window* d, int id, std::string_view text)
{
    ControlState* c = control_of(d, id);
    if (c == nullptr || !c->widget->isEnabled()) return;
    c->widget->setFocus(Qt::OtherFocusReason);
    if (auto* e = qobject_cast<QLineEdit*>(c->widget.data())) {
        if (e->isReadOnly()) return;
        e->setText(qs(text));
        send_command(d, id, notify_edit_change);
    } else if (auto* cb = qobject_cast<QComboBox*>(c->widget.data()); cb && cb->isEditable()) {
        cb->setEditText(qs(text));
        c->selection_cleared = true;
        send_command(d, id, notify_combo_edit_change);
    }
}

void dialog_click(Window* d, int id)
{
    ControlState* c = control_of(d, id);
    if (c == nullptr || !c->widget->isEnabled()) return;
    if (auto* b = qobject_cast<QAbstractButton*>(c->widget.data())) {
        b->click();
        return;
    }
    bool notify = c->tmpl->style & rcstyle::ss_notify;
    if (c->kind == ControlKind::static_frame) notify = notify || (c->tmpl->style & rcstyle::ss_typemask) == rcstyle::ss_blackframe;
    if ((c->kind == ControlKind::static_frame || c->kind == ControlKind::static_text) && notify) send_command(d, id);
}

void dialog_choose_combo_item(Window* d, int id, int index)
{
    QComboBox* cb = combo(d, id);
    if (cb == nullptr || index < 0 || index >= cb->count()) return;
    cb->setCurrentIndex(index);
    emit cb->activated(index);
}

void dialog_press_enter(Window* d) { press_enter(d); }
void dialog_press_escape(Window* d)
{
    if (dialog_window(d)) send_command(d, id_cancel);
}
void dialog_close(Window* d)
{
    if (dialog_window(d) && d->top) d->top->close();
}

void dialog_click_at(Window* d, int x, int y)
{
    Window* w = dialog_window(d);
    if (w == nullptr || !w->top) return;
    QWidget* top = w->top.data();
    QPoint p(x, y);
    QWidget* target = top->childAt(p);
    if (target == nullptr) target = top;
    QPointF local = target->mapFrom(top, QPointF(p));
    QPointF global = top->mapToGlobal(QPointF(p));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    if (!dialog_window(d)) return;
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &release);
}

bool dialog_is_open(const Window* d)
{
    Window* w = dialog_window(d);
    return w && !w->dialog->ended;
}

void push_chooser_answer(const ChooserAnswer& answer) { answers().push_back(answer); }
std::size_t pending_chooser_answers() { return answers().size(); }
bool take_chooser_answer(ChooserAnswer& answer)
{
    if (answers().empty()) return false;
    answer = answers().front();
    answers().pop_front();
    return true;
}
