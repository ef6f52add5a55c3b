#include "statusbar.h"

#include "window_internal.h"

#include <QPainter>
#include <QPaintEvent>

#include <algorithm>

class StatusBarWidget : public QWidget {
public:
    explicit StatusBarWidget(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("velmarin_status_bar"));
        setAutoFillBackground(true);
        place();
        show();
        raise();
    }

    void place()
    {
        QWidget* p = parentWidget();
        int h = fontMetrics().height() + 8;
        setGeometry(0, p->height() - h, p->width(), h);
    }

    std::vector<int> edges;
    std::vector<std::string> texts;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(192, 192, 192));
        int left = 0;
        for (size_t i = 0; i < edges.size(); ++i) {
            int right = edges[i] < 0 ? width() : std::min(edges[i], width());
            if (right <= left) continue;
            QRect box(left + 1, 2, right - left - 3, height() - 4);
            p.setPen(QColor(128, 128, 128));
            p.drawLine(box.topLeft(), box.topRight());
            p.drawLine(box.topLeft(), box.bottomLeft());
            p.setPen(QColor(255, 255, 255));
            p.drawLine(box.bottomLeft(), box.bottomRight());
            p.drawLine(box.topRight(), box.bottomRight());
            p.setPen(Qt::black);
            p.drawText(box.adjusted(3, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                       QString::fromStdString(texts[i]));
            left = right;
        }
    }
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::ParentChange || e->type() == QEvent::Show) place();
        return QWidget::event(e);
    }
};

namespace {

StatusBarWidget* bar_of(const Window* w)
{
    if (!is_window(w) || !w->surface) return nullptr;
    // Found by name: the class has no meta-object of its own to find it by.
    auto* widget = w->surface->findChild<QWidget*>(QStringLiteral("velmarin_status_bar"), Qt::FindDirectChildrenOnly);
    return static_cast<StatusBarWidget*>(widget);
}

StatusBarWidget* make_bar(Window* w)
{
    if (StatusBarWidget* b = bar_of(w)) return b;
    if (!is_window(w) || !w->surface) return nullptr;
    auto* b = new StatusBarWidget(w->surface);
    // Follows the window's size.
    class Follower : public QObject {
    public:
        Follower(StatusBarWidget* bar) : QObject(bar), bar_(bar) { bar->parentWidget()->installEventFilter(this); }
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Resize) bar_->place();
            return false;
        }
        StatusBarWidget* bar_;
    };
    new Follower(b);
    return b;
}

}  // namespace

void status_bar_set_parts(Window* w, const std::vector<int>& right_edges)
{
    StatusBarWidget* b = make_bar(w);
    if (b == nullptr) return;
    b->edges = right_edges;
    b->texts.assign(right_edges.size(), std::string());
    b->update();
}

void status_bar_set_text(Window* w, int part, std::string_view text)
{
    StatusBarWidget* b = make_bar(w);
    if (b == nullptr) return;
    if (b->edges.empty()) {   // a bar without parts is one part over the whole width
        b->edges = {-1};
        b->texts = {std::string()};
    }
    if (part < 0 || part >= static_cast<int>(b->texts.size())) return;
    b->texts[static_cast<size_t>(part)] = std::string(text);
    b->update();
}

void status_bar_clear(Window* w)
{
    if (StatusBarWidget* b = bar_of(w)) {
        std::fill(b->texts.begin(), b->texts.end(), std::string());
        b->update();
    }
}

int status_bar_part_count(const Window* w)
{
    StatusBarWidget* b = bar_of(w);
    return b ? static_cast<int>(b->edges.size()) : 0;
}

std::string status_bar_text(const Window* w, int part)
{
    StatusBarWidget* b = bar_of(w);
    if (b == nullptr || part < 0 || part >= static_cast<int>(b->texts.size())) return {};
    return b->texts[static_cast<size_t>(part)];
}

int status_bar_height(const Window* w)
{
    StatusBarWidget* b = bar_of(w);
    return b ? b->height() : 0;
}
