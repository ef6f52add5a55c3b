#include "resources.h"

#include <QDirIterator>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <fstream>
#include <map>
#include <sstream>

namespace {

// The embedded files live under this Qt resource prefix (see CMakeLists.txt).
const QString embedded_root = QStringLiteral(":/resources/");

std::string key(std::string_view name)
{
    std::string k(name);
    for (char& c : k) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return k;
}

struct Registry {
    std::deque<RcFile> files;   // deque: pointers into it stay valid
    std::map<std::string, const DialogTemplate*> dialogs;
    std::map<std::string, const MenuTemplate*> menus;
    std::map<int, std::string> strings;
    std::vector<RcError> errors;
    bool loaded = false;

    void add(RcFile file)
    {
        files.push_back(std::move(file));
        RcFile& f = files.back();
        for (const auto& d : f.dialogs) dialogs[key(d.name)] = &d;
        for (const auto& m : f.menus) menus[key(m.name)] = &m;
        for (const auto& s : f.strings) strings[s.first] = s.second;
        for (const auto& e : f.errors) {
            std::fprintf(stderr, "%s\n", e.text().c_str());
            errors.push_back(e);
        }
    }
};

Registry& registry()
{
    static Registry r;
    return r;
}

void load_embedded()
{
    Registry& r = registry();
    if (r.loaded) return;
    r.loaded = true;
    std::vector<QString> paths;
    QDirIterator it(embedded_root, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QString p = it.next();
        if (p.endsWith(QStringLiteral(".rc"), Qt::CaseInsensitive)) paths.push_back(p);
    }
    std::sort(paths.begin(), paths.end());   // a stable order whatever the file system did
    for (const QString& p : paths) {
        QFile f(p);
        if (!f.open(QIODevice::ReadOnly)) continue;
        QByteArray bytes = f.readAll();
        std::string shown = "resources/" + p.mid(embedded_root.size()).toStdString();
        r.add(parse_rc(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())), shown));
    }
}

}  // namespace

const DialogTemplate* find_dialog_template(std::string_view name)
{
    load_embedded();
    auto& d = registry().dialogs;
    auto it = d.find(key(name));
    return it == d.end() ? nullptr : it->second;
}

const MenuTemplate* find_menu_template(std::string_view name)
{
    load_embedded();
    auto& m = registry().menus;
    auto it = m.find(key(name));
    return it == m.end() ? nullptr : it->second;
}

std::string load_string(int id)
{
    load_embedded();
    auto& s = registry().strings;
    auto it = s.find(id);
    return it == s.end() ? std::string() : it->second;
}

const std::vector<RcError>& resource_errors()
{
    load_embedded();
    return registry().errors;
}

std::string resource_qt_path(std::string_view relative_path)
{
    QString p = embedded_root + QString::fromUtf8(relative_path.data(), static_cast<qsizetype>(relative_path.size()));
    if (QFile::exists(p)) return p.toStdString();
    // Names are matched without regard to case, as resource names were.
    int slash = p.lastIndexOf(QLatin1Char('/'));
    QString dir = p.left(slash + 1);
    QString file = p.mid(slash + 1);
    QDirIterator it(dir);
    while (it.hasNext()) {
        QString candidate = it.next();
        if (candidate.mid(candidate.lastIndexOf(QLatin1Char('/')) + 1).compare(file, Qt::CaseInsensitive) == 0)
            return candidate.toStdString();
    }
    return {};
}

std::optional<std::string> resource_bytes(std::string_view relative_path)
{
    std::string p = resource_qt_path(relative_path);
    if (p.empty()) return std::nullopt;
    QFile f(QString::fromStdString(p));
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray b = f.readAll();
    return std::string(b.constData(), static_cast<size_t>(b.size()));
}

std::vector<std::string> resource_files(std::string_view folder)
{
    std::vector<std::string> out;
    QString dir = embedded_root + QString::fromUtf8(folder.data(), static_cast<qsizetype>(folder.size()));
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) out.push_back(it.next().mid(embedded_root.size()).toStdString());
    std::sort(out.begin(), out.end());
    return out;
}

bool resources_add_rc_text(std::string_view text, const std::string& file_name, std::vector<RcError>* errors)
{
    load_embedded();
    RcFile f = parse_rc(text, file_name);
    bool ok = f.errors.empty();
    if (errors) errors->insert(errors->end(), f.errors.begin(), f.errors.end());
    registry().add(std::move(f));
    return ok;
}

bool resources_add_rc_file(const std::string& path, std::vector<RcError>* errors)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        RcError e{path, 0, "cannot open the file"};
        std::fprintf(stderr, "%s\n", e.text().c_str());
        if (errors) errors->push_back(e);
        return false;
    }
    std::ostringstream ss;
    ss << in.rdbuf();
    return resources_add_rc_text(ss.str(), path, errors);
}
