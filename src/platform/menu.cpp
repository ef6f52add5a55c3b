#include "menu.h"

#include "resources.h"
#include "window_internal.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>
#include <memory>

struct MenuNode {
    std::string text;
    int id = 0;
    bool separator = false;
    bool popup = false;
    unsigned state = mf_enabled;
    std::vector<MenuNode> items;
    QPointer<QAction> action;
};

struct Menu {
    std::vector<MenuNode> items;
    Window* window = nullptr;
};

namespace {

std::vector<std::unique_ptr<Menu>>& menu_store()
{
    static std::vector<std::unique_ptr<Menu>> s;
    return s;
}

bool menu_alive(const Menu* m)
{
    if (m == nullptr) return false;
    for (const auto& p : menu_store())
        if (p.get() == m) return true;
    return false;
}

MenuNode node_from(const MenuItemTemplate& t)
{
    MenuNode n;
    n.text = t.text;
    n.id = t.id;
    n.separator = t.separator;
    n.popup = t.popup;
    n.state = (t.grayed ? mf_grayed : 0u) | (t.inactive ? mf_disabled : 0u) | (t.checked ? mf_checked : 0u);
    for (const auto& c : t.items) n.items.push_back(node_from(c));
    return n;
}

MenuNode* find_node(std::vector<MenuNode>& items, int id)
{
    for (auto& n : items) {
        if (!n.popup && !n.separator && n.id == id) return &n;
        if (n.popup)
            if (MenuNode* f = find_node(n.items, id)) return f;
    }
    return nullptr;
}

const MenuNode* find_node(const std::vector<MenuNode>& items, int id)
{
    return find_node(const_cast<std::vector<MenuNode>&>(items), id);
}

void collect_ids(const std::vector<MenuNode>& items, std::vector<int>& out)
{
    for (const auto& n : items) {
        if (n.popup) collect_ids(n.items, out);
        else if (!n.separator) out.push_back(n.id);
    }
}

void collect_states(const std::vector<MenuNode>& items, int id, std::vector<unsigned>& out)
{
    for (const auto& n : items) {
        if (n.popup) collect_states(n.items, id, out);
        else if (!n.separator && n.id == id) out.push_back(n.state);
    }
}

void apply_state(MenuNode& n)
{
    if (!n.action) return;
    n.action->setEnabled((n.state & (mf_grayed | mf_disabled)) == 0);
    n.action->setCheckable((n.state & mf_checked) != 0);
    n.action->setChecked((n.state & mf_checked) != 0);
}

// The text as Qt shows it: the same '&' convention; a tab separates the
// accelerator text, which Qt shows at the right when it follows a tab too.
QString qt_text(const std::string& text) { return QString::fromStdString(text); }

void fill(QMenu* menu, std::vector<MenuNode>& items, Window* w)
{
    for (auto& n : items) {
        if (n.separator) {
            menu->addSeparator();
        } else if (n.popup) {
            QMenu* sub = menu->addMenu(qt_text(n.text));
            n.action = sub->menuAction();
            apply_state(n);
            fill(sub, n.items, w);
        } else {
            QAction* a = menu->addAction(qt_text(n.text));
            int id = n.id;
            QObject::connect(a, &QAction::triggered, a, [w, id] { post_command(w, id); });
            n.action = a;
            apply_state(n);
        }
    }
}

}  // namespace

namespace platform_detail {

void attach_menu_bar(Window* w)
{
    auto* mw = qobject_cast<QMainWindow*>(w->top.data());
    if (mw == nullptr) return;
    QMenuBar* bar = mw->menuBar();
    bar->clear();
    if (w->menu == nullptr) {
        bar->hide();
        return;
    }
    bar->show();
    for (auto& n : w->menu->items) {
        if (n.separator) continue;
        if (n.popup) {
            QMenu* sub = bar->addMenu(qt_text(n.text));
            n.action = sub->menuAction();
            apply_state(n);
            fill(sub, n.items, w);
        } else {
            // A plain item on the bar itself runs its command when clicked.
            QAction* a = bar->addAction(qt_text(n.text));
            int id = n.id;
            QObject::connect(a, &QAction::triggered, a, [w, id] { post_command(w, id); });
            n.action = a;
            apply_state(n);
        }
    }
}

void detach_menu(Window* w)
{
    if (w->menu == nullptr) return;
    Menu* m = w->menu;
    w->menu = nullptr;
    destroy_menu(m);   // a window's menu goes with it
}

}  // namespace platform_detail

Menu* create_menu(const MenuTemplate& table)
{
    auto m = std::make_unique<Menu>();
    for (const auto& t : table.items) m->items.push_back(node_from(t));
    menu_store().push_back(std::move(m));
    return menu_store().back().get();
}

Menu* load_menu(std::string_view name)
{
    const MenuTemplate* t = find_menu_template(name);
    return t ? create_menu(*t) : nullptr;
}

void destroy_menu(Menu* menu)
{
    if (!menu_alive(menu)) return;
    if (menu->window != nullptr && is_window(menu->window) && menu->window->menu == menu) {
        // Still attached: detach it first.
        menu->window->menu = nullptr;
        platform_detail::attach_menu_bar(menu->window);
    }
    auto& store = menu_store();
    store.erase(std::remove_if(store.begin(), store.end(), [menu](const auto& p) { return p.get() == menu; }),
                store.end());
}

bool set_menu(Window* window, Menu* menu)
{
    if (!is_window(window)) return false;
    if (menu != nullptr && !menu_alive(menu)) return false;
    if (window->menu) window->menu->window = nullptr;
    window->menu = menu;
    if (menu) menu->window = window;
    platform_detail::attach_menu_bar(window);
    return true;
}

Menu* get_menu(const Window* window) { return is_window(window) ? window->menu : nullptr; }

bool replace_menu(Window* window, std::string_view name, bool keep_states)
{
    if (!is_window(window)) return false;
    Menu* fresh = load_menu(name);
    if (fresh == nullptr) return false;
    Menu* old = window->menu;
    if (keep_states && old) copy_menu_item_states(old, fresh);
    set_menu(window, fresh);
    if (old) destroy_menu(old);
    return true;
}

void draw_menu_bar(Window* window)
{
    if (!is_window(window) || !window->top) return;
    if (auto* mw = qobject_cast<QMainWindow*>(window->top.data())) mw->menuBar()->update();
}

int enable_menu_item(Menu* menu, int id, unsigned state)
{
    if (!menu_alive(menu)) return -1;
    MenuNode* n = find_node(menu->items, id);
    if (n == nullptr) return -1;
    unsigned previous = n->state;
    n->state = (n->state & mf_checked) | (state & (mf_grayed | mf_disabled));
    apply_state(*n);
    return static_cast<int>(previous & (mf_grayed | mf_disabled));
}

int check_menu_item(Menu* menu, int id, bool checked)
{
    if (!menu_alive(menu)) return -1;
    MenuNode* n = find_node(menu->items, id);
    if (n == nullptr) return -1;
    unsigned previous = n->state;
    n->state = checked ? (n->state | mf_checked) : (n->state & ~mf_checked);
    apply_state(*n);
    return static_cast<int>(previous & mf_checked);
}

int get_menu_item_state(const Menu* menu, int id)
{
    if (!menu_alive(menu)) return -1;
    const MenuNode* n = find_node(menu->items, id);
    return n ? static_cast<int>(n->state) : -1;
}

std::string get_menu_item_text(const Menu* menu, int id)
{
    if (!menu_alive(menu)) return {};
    const MenuNode* n = find_node(menu->items, id);
    return n ? n->text : std::string();
}

void copy_menu_item_states(const Menu* from, Menu* to)
{
    if (!menu_alive(from) || !menu_alive(to)) return;
    // By id, first occurrence to first occurrence, as the menu state is kept
    // by command: a second occurrence of an id keeps its own state.
    std::vector<int> ids;
    collect_ids(to->items, ids);
    for (int id : ids) {
        const MenuNode* o = find_node(from->items, id);
        MenuNode* n = find_node(to->items, id);
        if (o == nullptr || n == nullptr) continue;
        n->state = o->state;
        apply_state(*n);
    }
}

std::vector<int> menu_item_ids(const Menu* menu)
{
    std::vector<int> out;
    if (menu_alive(menu)) collect_ids(menu->items, out);
    return out;
}

std::vector<unsigned> menu_item_states(const Menu* menu, int id)
{
    std::vector<unsigned> out;
    if (menu_alive(menu)) collect_states(menu->items, id, out);
    return out;
}
