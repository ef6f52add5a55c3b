#include "filedlg.h"

#include "dialog_driver.h"
#include "gui_app.h"
#include "window_internal.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

QString qt_filter(const FileFilter& f)
{
    QString patterns = qs(f.pattern);
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    QString description = qs(f.description).trimmed();
    if (description.isEmpty()) description = patterns;
    return description + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

bool run(FileDialogRequest& r, bool save)
{
    ChooserAnswer a;
    if (take_chooser_answer(a)) {
        if (!a.accept) return false;
        r.file_name = a.path;
        r.filter_index = a.filter_index;
        return true;
    }
    if (dialog_test_mode()) return false;
    ensure_gui_app();
    QWidget* parent = is_window(r.owner) && r.owner->top ? r.owner->top.data() : nullptr;
    QString dir = qs(r.initial_dir);
    if (dir.isEmpty() || !QDir(dir).exists()) {
        QFileInfo proposed(qs(r.file_name));
        dir = !r.file_name.empty() && proposed.dir().exists() ? proposed.absolutePath() : QDir::currentPath();
    }
    QFileDialog dlg(parent, qs(r.title), dir);
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    dlg.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(save || !r.must_exist ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QStringList filters;
    for (const auto& f : r.filters) filters << qt_filter(f);
    if (!filters.isEmpty()) {
        dlg.setNameFilters(filters);
        int index = r.filter_index >= 1 && r.filter_index <= filters.size() ? r.filter_index : 1;
        dlg.selectNameFilter(filters[index - 1]);
    }
    if (!r.file_name.empty()) dlg.selectFile(QFileInfo(qs(r.file_name)).fileName());
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return false;
    QString chosen = dlg.selectedFiles().front();
    std::string ext = r.default_extension;
    if (!ext.empty() && ext[0] == '.') ext.erase(0, 1);
    if (save && !ext.empty() && ext != "*" && QFileInfo(chosen).suffix().isEmpty())
        chosen += QLatin1Char('.') + qs(ext);
    r.file_name = QDir::toNativeSeparators(chosen).toStdString();
    int index = static_cast<int>(filters.indexOf(dlg.selectedNameFilter()));
    r.filter_index = index >= 0 ? index + 1 : 1;
    return true;
}

}  // namespace

std::vector<FileFilter> parse_filter_list(std::string_view list)
{
    std::vector<FileFilter> out;
    size_t pos = 0;
    while (pos < list.size()) {
        size_t end = list.find('\0', pos);
        if (end == std::string_view::npos) end = list.size();
        std::string description(list.substr(pos, end - pos));
        if (description.empty()) break;   // the empty entry ends the list
        pos = end + 1;
        if (pos > list.size()) break;
        size_t pend = list.find('\0', pos);
        if (pend == std::string_view::npos) pend = list.size();
        out.push_back(FileFilter{description, std::string(list.substr(pos, pend - pos))});
        pos = pend + 1;
    }
    return out;
}

bool file_open_dialog(FileDialogRequest& request) { return run(request, false); }
bool file_save_dialog(FileDialogRequest& request) { return run(request, true); }
unsigned long file_dialog_error() { return 0; }
