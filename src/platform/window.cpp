#include "window.h"

#include "app_runtime.h"
#include "gui_app.h"
#include "menu.h"
#include "msgbox.h"
#include "qt_canvas.h"
#include "resources.h"
#include "vector_state.h"
#include "window_internal.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QIcon>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

// Implemented with the menus: builds the window's menu bar from its menu.
namespace platform_detail {
void attach_menu_bar(Window* w);
void detach_menu(Window* w);
}

namespace {

using namespace platform_detail;

std::set<Window*>& live_windows()
{
    static std::set<Window*> s;
    return s;
}

std::vector<std::unique_ptr<Window>>& window_store()
{
    static std::vector<std::unique_ptr<Window>> s;
    return s;
}

std::vector<std::unique_ptr<Window>>& graveyard()
{
    static std::vector<std::unique_ptr<Window>> g;
    return g;
}

std::map<std::string, WindowClass>& window_classes()
{
    static std::map<std::string, WindowClass> c;
    return c;
}

int paint_depth_count = 0;
std::vector<std::function<void()>> after_paint_calls;

QColor qcolor(Rgb c) { return QColor(c.r, c.g, c.b); }

// The client area of the main window.
class SurfaceWidget : public QWidget {
public:
    explicit SurfaceWidget(Window* w) : window_(w)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMouseTracking(false);
    }

protected:
    void paintEvent(QPaintEvent* e) override
    {
        QPainter p(this);
        show_backing(p, window_, e->rect());
    }
    void resizeEvent(QResizeEvent*) override { resize_backing(window_, width(), height()); }
    void mousePressEvent(QMouseEvent* e) override
    {
        if (e->button() != Qt::LeftButton || !is_window(window_)) return;
        Message m{Msg::lbutton_down};
        m.point = Point{static_cast<int>(e->position().x()), static_cast<int>(e->position().y())};
        dispatch(window_, m);
    }

private:
    Window* window_;
};

class MainWidget : public QMainWindow {
public:
    explicit MainWidget(Window* w) : window_(w) {}

protected:
    // Closing the window destroys it, as the default window procedure did;
    // the procedure's destroy message then ends the loop.
    void closeEvent(QCloseEvent* e) override
    {
        e->ignore();
        if (is_window(window_)) destroy_window(window_);
    }

private:
    Window* window_;
};

// get_dc: a canvas that draws into the backing image at once.
struct PainterHolder {
    QPainter painter;
    explicit PainterHolder(QImage* image) : painter(image) {}
};

class WindowDc : private PainterHolder, public QtCanvas {
public:
    WindowDc(Window* w, QImage* target, std::unique_ptr<QImage> scratch)
        : PainterHolder(target), QtCanvas(painter), window_(w), scratch_(std::move(scratch))
    {
        if (!scratch_) ++window_->active_dcs;
    }
    ~WindowDc() override
    {
        painter.end();
        if (scratch_) return;
        if (!is_window(window_)) return;
        --window_->active_dcs;
        if (window_->surface) window_->surface->update();
        if (window_->active_dcs == 0) {
            if (window_->resize_pending && window_->surface)
                resize_backing(window_, window_->surface->width(), window_->surface->height());
            if (window_->paint_after_release) {
                window_->paint_after_release = false;
                queue_paint(window_);
            }
        }
    }

private:
    Window* window_;
    std::unique_ptr<QImage> scratch_;
};

int default_width() { return 1000; }
int default_height() { return 720; }

QEventLoop* main_loop = nullptr;
bool quit_flag = false;
int quit_code = 0;

}  // namespace

Window::~Window()
{
    paint_canvas.reset();
    paint_painter.reset();
    // Widgets left at exit go with the application object, if it is gone.
    if (top && QCoreApplication::instance() != nullptr) delete top.data();
}

namespace platform_detail {

Window* new_window()
{
    ensure_gui_app();
    // The program ends when its main window procedure says so, not when Qt
    // sees its last window close (a start-up dialog is closed before the
    // main window exists).
    QGuiApplication::setQuitOnLastWindowClosed(false);
    window_store().push_back(std::make_unique<Window>());
    Window* w = window_store().back().get();
    live_windows().insert(w);
    return w;
}

void retire_window(Window* w)
{
    live_windows().erase(w);
    auto& store = window_store();
    auto it = std::find_if(store.begin(), store.end(), [w](const auto& p) { return p.get() == w; });
    if (it == store.end()) return;
    graveyard().push_back(std::move(*it));
    store.erase(it);
    // Freed from the event loop, when no call of its own is on the stack.
    post([] { graveyard().clear(); });
}

void release_windows()
{
    std::vector<std::unique_ptr<Window>> gone = std::move(window_store());
    window_store().clear();
    for (auto& w : graveyard()) gone.push_back(std::move(w));
    graveyard().clear();
    live_windows().clear();
    // Each frees its widget, unless an owner's widget took it along already.
    gone.clear();
}

void post(std::function<void()> fn)
{
    ensure_gui_app();
    QMetaObject::invokeMethod(qApp, std::move(fn), Qt::QueuedConnection);
}

int paint_depth() { return paint_depth_count; }

void after_paint(std::function<void()> fn)
{
    if (paint_depth_count == 0) {
        post(std::move(fn));
        return;
    }
    after_paint_calls.push_back(std::move(fn));
}

static void leave_paint()
{
    if (--paint_depth_count > 0) return;
    paint_depth_count = 0;
    auto calls = std::move(after_paint_calls);
    after_paint_calls.clear();
    for (auto& fn : calls) post(std::move(fn));
}

std::intptr_t dispatch(Window* w, const Message& m)
{
    if (!is_window(w) || w->proc == nullptr) return 0;
    if (m.msg == Msg::command && !w->dialog) message_box_new_command();
    // Every command and every paint may compute (a window's compute phase
    // starts here), and Qt may have drawn since the last message.
    clear_upper_vector_state();
    if (m.msg == Msg::paint) {
        ++paint_depth_count;
        std::intptr_t r = w->proc(w, m);
        leave_paint();
        return r;
    }
    return w->proc(w, m);
}

void queue_paint(Window* w)
{
    if (!is_window(w) || w->paint_queued) return;
    w->paint_queued = true;
    post([w] {
        if (!is_window(w)) return;
        w->paint_queued = false;
        serve_paint(w);
    });
}

void serve_paint(Window* w)
{
    if (!is_window(w) || !w->invalid || w->destroyed) return;
    if (w->active_dcs > 0 || w->paint_canvas) {   // drawing is under way: paint after it
        w->paint_after_release = true;
        return;
    }
    dispatch(w, Message{Msg::paint});
    if (!is_window(w)) return;
    if (w->invalid) {   // the procedure did not paint: the background shows
        if (w->erase && !w->image.isNull()) w->image.fill(qcolor(w->background));
        w->invalid = false;
        w->erase = false;
    }
    if (w->surface) w->surface->update();
}

void resize_backing(Window* w, int width, int height)
{
    if (!is_window(w)) return;
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (w->image.width() == width && w->image.height() == height) return;
    if (w->active_dcs > 0 || w->paint_canvas) {
        w->resize_pending = true;
        return;
    }
    w->resize_pending = false;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qcolor(w->background));
    w->image = image;
    // The classes redraw the whole window at every change of size.
    invalidate_window(w, true);
    if (!w->created) return;
    Message m{Msg::size};
    m.point = Point{width, height};
    dispatch(w, m);
}

void show_backing(QPainter& p, Window* w, const QRect& area)
{
    if (!is_window(w)) return;
    p.fillRect(area, qcolor(w->background));
    if (!w->image.isNull()) p.drawImage(area.topLeft(), w->image, area);
}

int frame_border(const Window* w)
{
    if (!w->has_caption && !w->thick_frame) return 1;
    return w->thick_frame ? 4 : 3;
}

int caption_height(const Window* w) { return w->has_caption ? 19 : 0; }

int menu_bar_height(const Window* w)
{
    auto* mw = qobject_cast<QMainWindow*>(w->top.data());
    if (mw == nullptr || w->menu == nullptr) return 0;
    QMenuBar* bar = mw->menuBar();
    return std::max(bar->height(), bar->sizeHint().height());
}

}  // namespace platform_detail

bool register_window_class(const WindowClass& window_class)
{
    if (window_class.name.empty() || window_class.proc == nullptr) return false;
    window_classes()[window_class.name] = window_class;
    return true;
}

Window* create_window(std::string_view class_name, std::string_view title, int x, int y, int width, int height,
                      std::intptr_t param)
{
    auto it = window_classes().find(std::string(class_name));
    if (it == window_classes().end()) return nullptr;
    const WindowClass& cls = it->second;
    Window* w = new_window();
    w->proc = cls.proc;
    w->class_name = cls.name;
    w->background = cls.background;
    w->thick_frame = true;
    auto* mw = new MainWidget(w);
    mw->setObjectName(QString::fromStdString(cls.name));
    mw->setWindowTitle(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
    auto* surface = new SurfaceWidget(w);
    mw->setCentralWidget(surface);
    w->top = mw;
    w->surface = surface;
    if (!cls.icon_name.empty()) {
        for (const char* ext : {".svg", ".png", ".bmp"}) {
            std::string path = resource_qt_path("pictures/" + cls.icon_name + ext);
            if (!path.empty()) {
                mw->setWindowIcon(QIcon(QString::fromStdString(path)));
                break;
            }
        }
    }
    if (!cls.menu_name.empty()) {
        if (Menu* m = load_menu(cls.menu_name)) set_menu(w, m);
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    QRect avail = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    int outer_w = width == use_default ? std::min(default_width(), avail.width()) : width;
    int outer_h = height == use_default ? std::min(default_height(), avail.height()) : height;
    int b = frame_border(w);
    int cap = caption_height(w);
    int menu_h = menu_bar_height(w);
    int client_w = std::max(1, outer_w - 2 * b);
    int client_h = std::max(1, outer_h - 2 * b - cap - menu_h);
    mw->resize(client_w, client_h + menu_h);
    mw->move(x == use_default ? avail.left() : x, y == use_default ? avail.top() : y);
    resize_backing(w, client_w, client_h);

    // As the classic system did: the size limits are asked for first.
    MinMaxInfo info;
    info.max_size = Point{avail.width(), avail.height()};
    info.max_track_size = Point{avail.width() + 2 * b, avail.height() + 2 * b};
    Message mm{Msg::get_min_max_info};
    mm.min_max = &info;
    dispatch(w, mm);
    if (info.min_track_size.x > 0 || info.min_track_size.y > 0)
        mw->setMinimumSize(std::max(0, info.min_track_size.x - 2 * b),
                           std::max(0, info.min_track_size.y - 2 * b - cap));

    Message create{Msg::create};
    create.param = param;
    dispatch(w, create);
    if (!is_window(w)) return nullptr;
    w->created = true;
    return w;
}

void show_window(Window* w)
{
    if (!is_window(w) || !w->top) return;
    w->top->show();
    if (w->surface) resize_backing(w, w->surface->width(), w->surface->height());
    update_window(w);
}

bool is_window(const Window* w)
{
    return w != nullptr && live_windows().count(const_cast<Window*>(w)) != 0 && !w->destroyed;
}

void destroy_window(Window* w)
{
    if (!is_window(w)) return;
    // Dialogs owned by the window go first.
    std::vector<Window*> owned;
    for (Window* o : live_windows())
        if (o->owner == w) owned.push_back(o);
    for (Window* o : owned) {
        if (o->dialog && o->dialog->modal && !o->dialog->ended) end_dialog(o, -1);
        else destroy_window(o);
    }
    if (!is_window(w)) return;
    dispatch(w, Message{Msg::destroy});
    if (!is_window(w)) return;
    w->destroyed = true;
    platform_detail::detach_menu(w);
    if (w->top) {
        w->top->hide();
        w->top->deleteLater();
        w->top = nullptr;
    }
    retire_window(w);
}

Rect get_client_rect(const Window* w)
{
    if (!is_window(w)) return Rect{};
    return Rect{0, 0, w->image.width(), w->image.height()};
}

Point client_to_screen(const Window* w, Point p)
{
    if (!is_window(w) || !w->surface) return p;
    QPoint g = w->surface->mapToGlobal(QPoint(p.x, p.y));
    return Point{g.x(), g.y()};
}

Rect get_window_rect(const Window* w)
{
    if (!is_window(w)) return Rect{};
    Point origin = client_to_screen(w, Point{0, 0});
    int b = frame_border(w);
    Rect c = get_client_rect(w);
    return Rect{origin.x - b, origin.y - b - caption_height(w) - menu_bar_height(w), origin.x + c.right + b,
                origin.y + c.bottom + b};
}

void set_window_title(Window* w, std::string_view title)
{
    if (is_window(w) && w->top)
        w->top->setWindowTitle(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
}

std::string get_window_title(const Window* w)
{
    if (!is_window(w) || !w->top) return {};
    return w->top->windowTitle().toStdString();
}

void invalidate_window(Window* w, bool erase)
{
    if (!is_window(w)) return;
    w->invalid = true;
    w->erase = w->erase || erase;
    queue_paint(w);
}

void update_window(Window* w)
{
    if (!is_window(w)) return;
    serve_paint(w);
    // Shows it at once (controls too), without taking user input.
    if (is_window(w) && w->top && w->top->isVisible()) w->top->repaint();
    // The computation that asked for it (a progress window between two
    // points) goes on after Qt drew.
    clear_upper_vector_state();
}

Canvas* begin_paint(Window* w)
{
    if (!is_window(w)) return nullptr;
    if (w->paint_redirect) return w->paint_redirect;
    if (w->paint_canvas) return w->paint_canvas.get();
    QImage* target = &w->image;
    if (w->active_dcs > 0 || w->image.isNull()) {
        // Another canvas draws on the image: paint into a scratch copy,
        // which is dropped; the window is painted again afterwards.
        w->scratch = std::make_unique<QImage>(std::max(1, w->image.width()), std::max(1, w->image.height()),
                                              QImage::Format_RGB32);
        target = w->scratch.get();
        w->paint_after_release = true;
    }
    w->paint_painter = std::make_unique<QPainter>(target);
    if (w->invalid && w->erase) w->paint_painter->fillRect(target->rect(), qcolor(w->background));
    if (!w->scratch) {
        w->invalid = false;
        w->erase = false;
    }
    w->paint_canvas = std::make_unique<QtCanvas>(*w->paint_painter);
    ++paint_depth_count;
    return w->paint_canvas.get();
}

void end_paint(Window* w)
{
    if (!is_window(w) || w->paint_redirect || !w->paint_canvas) return;
    w->paint_canvas.reset();
    w->paint_painter->end();
    w->paint_painter.reset();
    w->scratch.reset();
    if (w->surface) w->surface->update();
    if (w->resize_pending && w->surface) resize_backing(w, w->surface->width(), w->surface->height());
    if (w->paint_after_release && w->active_dcs == 0) {
        w->paint_after_release = false;
        queue_paint(w);
    }
    platform_detail::leave_paint();
}

void paint_window_on(Window* w, Canvas& dc)
{
    if (!is_window(w) || w->paint_redirect) return;
    w->paint_redirect = &dc;
    dispatch(w, Message{Msg::paint});
    if (is_window(w)) w->paint_redirect = nullptr;
}

std::unique_ptr<Canvas> get_dc(Window* w)
{
    if (!is_window(w)) {
        // Drawing on a window that is gone goes nowhere, but does not crash.
        auto scratch = std::make_unique<QImage>(1, 1, QImage::Format_RGB32);
        QImage* target = scratch.get();
        static Window dead;
        return std::make_unique<WindowDc>(&dead, target, std::move(scratch));
    }
    if (w->image.isNull() || w->active_dcs > 0 || w->paint_canvas) {
        auto scratch = std::make_unique<QImage>(std::max(1, w->image.width()), std::max(1, w->image.height()),
                                                QImage::Format_RGB32);
        QImage* target = scratch.get();
        return std::make_unique<WindowDc>(w, target, std::move(scratch));
    }
    return std::make_unique<WindowDc>(w, &w->image, nullptr);
}

std::intptr_t send_message(Window* w, const Message& m) { return dispatch(w, m); }

void post_command(Window* w, int id)
{
    platform_detail::post([w, id] {
        if (is_window(w)) dispatch(w, Message{Msg::command, id});
    });
}

Rgb window_pixel(const Window* w, int x, int y)
{
    if (!is_window(w) || !w->image.valid(x, y)) return Rgb{};
    QRgb p = w->image.pixel(x, y);
    return Rgb{qRed(p), qGreen(p), qBlue(p)};
}

bool save_window_image(const Window* w, const std::string& png_path)
{
    if (!is_window(w)) return false;
    return w->image.save(QString::fromStdString(png_path), "PNG");
}

bool save_window_screenshot(const Window* w, const std::string& png_path)
{
    if (!is_window(w) || !w->top) return false;
    return w->top->grab().save(QString::fromStdString(png_path), "PNG");
}

// The message loop.

int run_message_loop()
{
    ensure_gui_app();
    if (quit_flag) {
        quit_flag = false;
        return quit_code;
    }
    QEventLoop loop;
    main_loop = &loop;
    int code = loop.exec();
    main_loop = nullptr;
    quit_flag = false;
    return code;
}

void post_quit_message(int exit_code)
{
    quit_flag = true;
    quit_code = exit_code;
    if (main_loop) main_loop->exit(exit_code);
}

bool quit_posted() { return quit_flag; }

void process_pending_messages()
{
    ensure_gui_app();
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
