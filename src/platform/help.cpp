#include "help.h"

#include "gui_app.h"
#include "lang.h"
#include "msgbox.h"
#include "resources.h"
#include "window_internal.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QPointer<QWidget> help_top;
QPointer<QTextBrowser> help_browser;

const char* language_folder()
{
    switch (current_language()) {
    case Language::russian: return "ru";
    case Language::ukrainian: return "ua";
    case Language::german: return "de";
    case Language::french: return "fr";
    default: return "en";
    }
}

const Text5 help_title{"Velmarin Help", "Velmarin: справка", "Velmarin: довідка", "Velmarin: Hilfe",
                       "Velmarin : aide"};
const Text5 help_missing{"The help pages are missing from the program's resources.",
                         "В ресурсах программы нет страниц справки.",
                         "У ресурсах програми немає сторінок довідки.",
                         "Die Hilfeseiten fehlen in den Ressourcen des Programms.",
                         "Les pages d'aide manquent dans les ressources du programme."};

}  // namespace

bool show_help(Window* owner, std::string_view page)
{
    ensure_gui_app();
    std::string name(page.empty() ? std::string_view("index.html") : page);
    std::string path = resource_qt_path(std::string("help/") + language_folder() + "/" + name);
    if (path.empty()) path = resource_qt_path("help/en/" + name);
    if (path.empty()) {
        message_box(owner, pick(help_missing), "Velmarin", mb_iconerror);
        return false;
    }
    if (!help_top) {
        QWidget* parent = is_window(owner) && owner->top ? owner->top.data() : nullptr;
        auto* top = new QWidget(parent, Qt::Window);
        top->setAttribute(Qt::WA_DeleteOnClose);
        auto* layout = new QVBoxLayout(top);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* browser = new QTextBrowser(top);
        browser->setOpenLinks(true);
        browser->setOpenExternalLinks(false);
        layout->addWidget(browser);
        top->resize(640, 520);
        help_top = top;
        help_browser = browser;
    }
    help_top->setWindowTitle(QString::fromUtf8(pick(help_title)));
    help_browser->setSource(QUrl(QStringLiteral("qrc") + QString::fromStdString(path)));
    help_top->show();
    help_top->raise();
    help_top->activateWindow();
    return true;
}

void close_help()
{
    if (help_top) help_top->close();
}

bool help_is_open() { return help_top && help_top->isVisible(); }

std::string help_window_title() { return help_top ? help_top->windowTitle().toStdString() : std::string(); }

std::string help_current_page()
{
    if (!help_browser) return {};
    QString s = help_browser->source().toString();
    const QString prefix = QStringLiteral("qrc:/resources/");
    if (s.startsWith(prefix)) s = s.mid(prefix.size());
    return s.toStdString();
}

std::string help_page_text() { return help_browser ? help_browser->toPlainText().toStdString() : std::string(); }
