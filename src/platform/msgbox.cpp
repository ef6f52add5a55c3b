#include "msgbox.h"

#include "dialog_driver.h"
#include "gui_app.h"
#include "lang.h"
#include "text_code.h"
#include "vector_state.h"
#include "window_internal.h"

#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <deque>

namespace {

bool record_mode = false;
std::vector<MessageBoxRecord> log_entries;
// Reports shown since the last command of the main window.
std::vector<MessageBoxRecord> shown_this_command;
// Reports asked for during a repaint, waiting for it to end.
std::vector<std::pair<Window*, MessageBoxRecord>> deferred;
// Answers a test gives to the boxes shown in record mode, in order.
std::deque<int> queued_answers;

bool seen(const MessageBoxRecord& r)
{
    return std::find(shown_this_command.begin(), shown_this_command.end(), r) != shown_this_command.end();
}

int answer_for(unsigned flags)
{
    const unsigned buttons = flags & 0xF;
    if (buttons == mb_yesno || buttons == mb_yesnocancel) return id_yes;
    return id_ok;
}

int show_now(Window* owner, const MessageBoxRecord& r)
{
    log_entries.push_back(r);
    if (record_mode || dialog_test_mode()) {
        if (queued_answers.empty()) return answer_for(r.flags);
        const int answer = queued_answers.front();
        queued_answers.pop_front();
        return answer;
    }
    ensure_gui_app();
    QWidget* parent = is_window(owner) && owner->top ? owner->top.data() : nullptr;
    int result = 0;
    {
        QMessageBox box(parent);
        box.setWindowTitle(QString::fromUtf8(r.caption.data(), static_cast<qsizetype>(r.caption.size())));
        box.setText(QString::fromUtf8(r.text.data(), static_cast<qsizetype>(r.text.size())));
        box.setTextFormat(Qt::PlainText);
        switch (r.flags & 0xF0) {
        case mb_iconerror: box.setIcon(QMessageBox::Critical); break;
        case mb_iconquestion: box.setIcon(QMessageBox::Question); break;
        case mb_iconwarning: box.setIcon(QMessageBox::Warning); break;
        case mb_iconinformation: box.setIcon(QMessageBox::Information); break;
        default: box.setIcon(QMessageBox::NoIcon);
        }
        switch (r.flags & 0xF) {
        case mb_yesno: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        case mb_yesnocancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
        case mb_okcancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
        default: box.setStandardButtons(QMessageBox::Ok);
        }
        result = box.exec();
    }
    // The routine that asked goes on computing after Qt drew the box and,
    // as the box was destroyed, whatever it uncovered.
    clear_upper_vector_state();
    switch (result) {
    case QMessageBox::Yes: return id_yes;
    case QMessageBox::No: return id_no;
    case QMessageBox::Cancel: return id_cancel;
    default: return id_ok;
    }
}

void flush_deferred()
{
    auto pending = std::move(deferred);
    deferred.clear();
    for (auto& [owner, r] : pending) show_now(is_window(owner) ? owner : nullptr, r);
}

}  // namespace

namespace platform_detail {
void message_box_new_command() { shown_this_command.clear(); }
}  // namespace platform_detail

int message_box(Window* owner, std::string_view text, std::string_view caption, unsigned flags)
{
    // A report may quote a name or a line of a file written in a code page:
    // it is read in the code page of the language, as the user's files are.
    MessageBoxRecord r{file_text(text, language_charset()), std::string(caption), flags};
    if (platform_detail::paint_depth() > 0) {
        if (seen(r)) return answer_for(flags);
        shown_this_command.push_back(r);
        deferred.emplace_back(owner, r);
        if (deferred.size() == 1) platform_detail::after_paint(flush_deferred);
        return answer_for(flags);
    }
    if (!seen(r)) shown_this_command.push_back(r);
    return show_now(owner, r);
}

void message_box_set_record_mode(bool on) { record_mode = on; }
void message_box_push_answer(int answer) { queued_answers.push_back(answer); }
bool message_box_record_mode() { return record_mode || dialog_test_mode(); }

std::vector<MessageBoxRecord> message_box_take_log()
{
    auto out = std::move(log_entries);
    log_entries.clear();
    return out;
}
