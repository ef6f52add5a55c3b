#include "rc_parser.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <map>
#include <optional>

namespace {

struct StyleName {
    const char* name;
    std::uint32_t value;
};

// Every style name a script may use. Unknown names are errors, so a typo in a
// template is caught when the resources are read, not when a dialog looks odd.
constexpr StyleName style_names[] = {
    {"WS_OVERLAPPED", 0}, {"WS_POPUP", rcstyle::ws_popup}, {"WS_CHILD", rcstyle::ws_child},
    {"WS_MINIMIZE", 0x20000000u}, {"WS_VISIBLE", rcstyle::ws_visible},
    {"WS_DISABLED", rcstyle::ws_disabled}, {"WS_CLIPSIBLINGS", 0x04000000u},
    {"WS_CLIPCHILDREN", 0x02000000u}, {"WS_MAXIMIZE", 0x01000000u},
    {"WS_CAPTION", rcstyle::ws_caption}, {"WS_BORDER", rcstyle::ws_border},
    {"WS_DLGFRAME", rcstyle::ws_dlgframe}, {"WS_VSCROLL", rcstyle::ws_vscroll},
    {"WS_HSCROLL", rcstyle::ws_hscroll}, {"WS_SYSMENU", rcstyle::ws_sysmenu},
    {"WS_THICKFRAME", rcstyle::ws_thickframe}, {"WS_SIZEBOX", rcstyle::ws_thickframe},
    {"WS_GROUP", rcstyle::ws_group}, {"WS_TABSTOP", rcstyle::ws_tabstop},
    {"WS_MINIMIZEBOX", 0x00020000u}, {"WS_MAXIMIZEBOX", 0x00010000u},
    {"WS_OVERLAPPEDWINDOW", 0x00CF0000u}, {"WS_POPUPWINDOW", 0x80880000u},
    {"DS_ABSALIGN", rcstyle::ds_absalign}, {"DS_SYSMODAL", 0x02u}, {"DS_LOCALEDIT", 0x20u},
    {"DS_SETFONT", 0x40u}, {"DS_MODALFRAME", rcstyle::ds_modalframe}, {"DS_NOIDLEMSG", 0x100u},
    {"DS_SETFOREGROUND", 0x200u}, {"DS_3DLOOK", 0x4u}, {"DS_FIXEDSYS", 0x8u},
    {"DS_NOFAILCREATE", 0x10u}, {"DS_CONTROL", 0x400u}, {"DS_CENTER", rcstyle::ds_center},
    {"DS_CENTERMOUSE", 0x1000u}, {"DS_CONTEXTHELP", 0x2000u}, {"DS_SHELLFONT", 0x48u},
    {"ES_LEFT", 0}, {"ES_CENTER", rcstyle::es_center}, {"ES_RIGHT", rcstyle::es_right},
    {"ES_MULTILINE", rcstyle::es_multiline}, {"ES_UPPERCASE", 0x8u}, {"ES_LOWERCASE", 0x10u},
    {"ES_PASSWORD", rcstyle::es_password}, {"ES_AUTOVSCROLL", 0x40u}, {"ES_AUTOHSCROLL", 0x80u},
    {"ES_NOHIDESEL", 0x100u}, {"ES_OEMCONVERT", 0x400u}, {"ES_READONLY", rcstyle::es_readonly},
    {"ES_WANTRETURN", 0x1000u}, {"ES_NUMBER", rcstyle::es_number},
    {"SS_LEFT", rcstyle::ss_left}, {"SS_CENTER", rcstyle::ss_center}, {"SS_RIGHT", rcstyle::ss_right},
    {"SS_ICON", rcstyle::ss_icon}, {"SS_BLACKRECT", rcstyle::ss_blackrect},
    {"SS_GRAYRECT", rcstyle::ss_grayrect}, {"SS_WHITERECT", rcstyle::ss_whiterect},
    {"SS_BLACKFRAME", rcstyle::ss_blackframe}, {"SS_GRAYFRAME", rcstyle::ss_grayframe},
    {"SS_WHITEFRAME", rcstyle::ss_whiteframe}, {"SS_SIMPLE", rcstyle::ss_simple},
    {"SS_LEFTNOWORDWRAP", rcstyle::ss_leftnowordwrap}, {"SS_BITMAP", rcstyle::ss_bitmap},
    {"SS_ETCHEDFRAME", rcstyle::ss_etchedframe}, {"SS_NOPREFIX", rcstyle::ss_noprefix},
    {"SS_NOTIFY", rcstyle::ss_notify}, {"SS_CENTERIMAGE", rcstyle::ss_centerimage},
    {"SS_RIGHTJUST", 0x400u}, {"SS_REALSIZEIMAGE", 0x800u}, {"SS_SUNKEN", rcstyle::ss_sunken},
    {"BS_PUSHBUTTON", rcstyle::bs_pushbutton}, {"BS_DEFPUSHBUTTON", rcstyle::bs_defpushbutton},
    {"BS_CHECKBOX", rcstyle::bs_checkbox}, {"BS_AUTOCHECKBOX", rcstyle::bs_autocheckbox},
    {"BS_RADIOBUTTON", rcstyle::bs_radiobutton}, {"BS_3STATE", rcstyle::bs_3state},
    {"BS_AUTO3STATE", rcstyle::bs_auto3state}, {"BS_GROUPBOX", rcstyle::bs_groupbox},
    {"BS_AUTORADIOBUTTON", rcstyle::bs_autoradiobutton}, {"BS_LEFTTEXT", 0x20u},
    {"BS_LEFT", 0x100u}, {"BS_RIGHT", 0x200u}, {"BS_CENTER", 0x300u}, {"BS_TOP", 0x400u},
    {"BS_BOTTOM", 0x800u}, {"BS_VCENTER", 0xC00u}, {"BS_PUSHLIKE", 0x1000u},
    {"BS_MULTILINE", 0x2000u}, {"BS_NOTIFY", 0x4000u}, {"BS_FLAT", 0x8000u},
    {"CBS_SIMPLE", rcstyle::cbs_simple}, {"CBS_DROPDOWN", rcstyle::cbs_dropdown},
    {"CBS_DROPDOWNLIST", rcstyle::cbs_dropdownlist}, {"CBS_AUTOHSCROLL", 0x40u},
    {"CBS_OEMCONVERT", 0x80u}, {"CBS_SORT", rcstyle::cbs_sort}, {"CBS_HASSTRINGS", 0x200u},
    {"CBS_NOINTEGRALHEIGHT", 0x400u}, {"CBS_DISABLENOSCROLL", 0x800u},
    {"LBS_NOTIFY", 0x1u}, {"LBS_SORT", 0x2u}, {"LBS_NOINTEGRALHEIGHT", 0x100u},
    {"LBS_STANDARD", 0x00A00003u},
    {"PBS_SMOOTH", 0x1u}, {"PBS_VERTICAL", 0x4u}, {"SBARS_SIZEGRIP", 0x100u},
    {"WS_EX_DLGMODALFRAME", 0x1u}, {"WS_EX_TOPMOST", 0x8u}, {"WS_EX_TRANSPARENT", 0x20u},
    {"WS_EX_TOOLWINDOW", 0x80u}, {"WS_EX_WINDOWEDGE", 0x100u}, {"WS_EX_CLIENTEDGE", 0x200u},
    {"WS_EX_CONTEXTHELP", 0x400u}, {"WS_EX_STATICEDGE", 0x20000u}, {"WS_EX_APPWINDOW", 0x40000u},
    {"WS_EX_NOPARENTNOTIFY", 0x4u}, {"WS_EX_ACCEPTFILES", 0x10u},
};

std::optional<std::uint32_t> style_value(std::string_view name)
{
    for (const auto& s : style_names)
        if (name == s.name) return s.value;
    return std::nullopt;
}

char upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

std::string upper_text(std::string_view s)
{
    std::string r(s);
    for (char& c : r) c = upper(c);
    return r;
}

enum class TokType { ident, number, string, punct, eof };

struct Token {
    TokType type = TokType::eof;
    std::string text;
    long long value = 0;
    int line = 0;
};

class Lexer {
public:
    Lexer(std::string_view text, const std::string& file, std::vector<RcError>& errors)
        : text_(text), file_(file), errors_(errors) {}

    std::vector<Token> run()
    {
        std::vector<Token> out;
        bool line_start = true;
        while (pos_ < text_.size()) {
            char c = text_[pos_];
            if (c == '\n') { ++line_; ++pos_; line_start = true; continue; }
            if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') { ++pos_; continue; }
            if (c == '/' && peek(1) == '/') { skip_to_eol(); continue; }
            if (c == '/' && peek(1) == '*') { skip_block_comment(); continue; }
            if (c == '#' && line_start) { directive(); continue; }
            line_start = false;
            if (c == '"') { out.push_back(string_token()); continue; }
            if (std::isdigit(static_cast<unsigned char>(c)) ||
                (c == '-' && std::isdigit(static_cast<unsigned char>(peek(1))))) {
                out.push_back(number_token());
                continue;
            }
            if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
                size_t start = pos_;
                while (pos_ < text_.size() &&
                       (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_'))
                    ++pos_;
                Token t{TokType::ident, std::string(text_.substr(start, pos_ - start)), 0, line_};
                auto d = defines_.find(t.text);
                if (d != defines_.end()) { t.type = TokType::number; t.value = d->second; }
                out.push_back(t);
                continue;
            }
            if (c == ',' || c == '|' || c == '{' || c == '}' || c == '+' || c == '(' || c == ')') {
                out.push_back(Token{TokType::punct, std::string(1, c), 0, line_});
                ++pos_;
                continue;
            }
            error("unexpected character '" + printable(c) + "'");
            ++pos_;
        }
        out.push_back(Token{TokType::eof, "", 0, line_});
        return out;
    }

private:
    char peek(size_t ahead) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }
    void skip_to_eol() { while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_; }
    void skip_block_comment()
    {
        int start_line = line_;
        pos_ += 2;
        while (pos_ < text_.size() && !(text_[pos_] == '*' && peek(1) == '/')) {
            if (text_[pos_] == '\n') ++line_;
            ++pos_;
        }
        if (pos_ >= text_.size()) {
            errors_.push_back(RcError{file_, start_line, "unterminated comment"});
            return;
        }
        pos_ += 2;
    }
    static std::string printable(char c)
    {
        unsigned char u = static_cast<unsigned char>(c);
        if (u >= 32 && u < 127) return std::string(1, c);
        static const char* hex = "0123456789ABCDEF";
        return std::string("\\x") + hex[u >> 4] + hex[u & 15];
    }
    void error(const std::string& message) { errors_.push_back(RcError{file_, line_, message}); }

    // "#define NAME number" names an identifier; other directives (#include of
    // the classic headers, #pragma) carry nothing the program needs.
    void directive()
    {
        size_t eol = text_.find('\n', pos_);
        std::string_view line = text_.substr(pos_, eol == std::string_view::npos ? std::string_view::npos : eol - pos_);
        pos_ += line.size();
        if (line.substr(0, 7) == "#define") {
            std::string_view rest = line.substr(7);
            size_t i = 0;
            auto skip_ws = [&] { while (i < rest.size() && (rest[i] == ' ' || rest[i] == '\t')) ++i; };
            skip_ws();
            size_t ns = i;
            while (i < rest.size() && (std::isalnum(static_cast<unsigned char>(rest[i])) || rest[i] == '_')) ++i;
            std::string name(rest.substr(ns, i - ns));
            skip_ws();
            std::string value(rest.substr(i));
            while (!value.empty() && (value.back() == '\r' || value.back() == ' ' || value.back() == '\t')) value.pop_back();
            char* end = nullptr;
            long long v = std::strtoll(value.c_str(), &end, 0);
            if (name.empty() || value.empty() || end == nullptr || *end != '\0')
                error("#define needs a name and a number");
            else
                defines_[name] = v;
        }
    }

    Token string_token()
    {
        Token t{TokType::string, "", 0, line_};
        ++pos_;
        while (true) {
            if (pos_ >= text_.size() || text_[pos_] == '\n') {
                error("unterminated string");
                return t;
            }
            char c = text_[pos_];
            if (c == '"') {
                if (peek(1) == '"') { t.text += '"'; pos_ += 2; continue; }
                ++pos_;
                return t;
            }
            if (c == '\\') {
                char n = peek(1);
                switch (n) {
                case 'n': t.text += '\n'; break;
                case 't': t.text += '\t'; break;
                case '\\': t.text += '\\'; break;
                case '"': t.text += '"'; break;
                case 'a': t.text += '\b'; break;   // right-align marker of menu texts
                default:
                    error(std::string("unknown escape \\") + printable(n));
                    t.text += n;
                }
                pos_ += 2;
                continue;
            }
            t.text += c;
            ++pos_;
        }
    }

    Token number_token()
    {
        Token t{TokType::number, "", 0, line_};
        size_t start = pos_;
        if (text_[pos_] == '-') ++pos_;
        while (pos_ < text_.size() && std::isalnum(static_cast<unsigned char>(text_[pos_]))) ++pos_;
        t.text = std::string(text_.substr(start, pos_ - start));
        std::string digits = t.text;
        if (!digits.empty() && (digits.back() == 'L' || digits.back() == 'l')) digits.pop_back();
        char* end = nullptr;
        errno = 0;
        t.value = std::strtoll(digits.c_str(), &end, 0);
        if (digits.empty() || *end != '\0' || errno == ERANGE || t.value > 0xFFFFFFFFll || t.value < -0x80000000ll) {
            error("bad number '" + t.text + "'");
            t.value = 0;
        }
        return t;
    }

    std::string_view text_;
    const std::string& file_;
    std::vector<RcError>& errors_;
    size_t pos_ = 0;
    int line_ = 1;
    std::map<std::string, long long> defines_;
};

struct ControlStatement {
    const char* keyword;
    ControlKind kind;
    bool has_text;
    std::uint32_t default_style;
    const char* class_name;
};

// The default styles are those the resource compiler gave each statement; a
// style written in the script is added to them.
constexpr ControlStatement control_statements[] = {
    {"LTEXT", ControlKind::static_text, true, rcstyle::ss_left | rcstyle::ws_group, "Static"},
    {"CTEXT", ControlKind::static_text, true, rcstyle::ss_center | rcstyle::ws_group, "Static"},
    {"RTEXT", ControlKind::static_text, true, rcstyle::ss_right | rcstyle::ws_group, "Static"},
    {"EDITTEXT", ControlKind::edit, false, rcstyle::ws_border | rcstyle::ws_tabstop, "Edit"},
    {"PUSHBUTTON", ControlKind::push_button, true, rcstyle::bs_pushbutton | rcstyle::ws_tabstop, "Button"},
    {"DEFPUSHBUTTON", ControlKind::push_button, true, rcstyle::bs_defpushbutton | rcstyle::ws_tabstop, "Button"},
    {"GROUPBOX", ControlKind::group_box, true, rcstyle::bs_groupbox, "Button"},
    {"AUTORADIOBUTTON", ControlKind::radio_button, true, rcstyle::bs_autoradiobutton, "Button"},
    {"RADIOBUTTON", ControlKind::radio_button, true, rcstyle::bs_radiobutton, "Button"},
    {"AUTOCHECKBOX", ControlKind::check_box, true, rcstyle::bs_autocheckbox | rcstyle::ws_tabstop, "Button"},
    {"CHECKBOX", ControlKind::check_box, true, rcstyle::bs_checkbox | rcstyle::ws_tabstop, "Button"},
    {"COMBOBOX", ControlKind::combo_box, false, rcstyle::cbs_simple | rcstyle::ws_tabstop, "ComboBox"},
    {"LISTBOX", ControlKind::list_box, false, 0x1u | rcstyle::ws_border, "ListBox"},
};

class Parser {
public:
    Parser(std::vector<Token> tokens, const std::string& file, RcFile& out)
        : toks_(std::move(tokens)), file_(file), out_(out) {}

    void run()
    {
        while (cur().type != TokType::eof) {
            size_t before = pos_;
            if (!top_level()) recover(before);
            if (pos_ <= before) pos_ = before + 1;   // never loop on the same token
        }
    }

private:
    const Token& cur() const { return toks_[pos_]; }
    const Token& ahead(size_t n) const { return toks_[std::min(pos_ + n, toks_.size() - 1)]; }
    bool is_kw(const Token& t, const char* kw) const { return t.type == TokType::ident && upper_text(t.text) == kw; }
    bool is_punct(const Token& t, char c) const { return t.type == TokType::punct && t.text[0] == c; }
    bool is_begin(const Token& t) const { return is_kw(t, "BEGIN") || is_punct(t, '{'); }
    bool is_end(const Token& t) const { return is_kw(t, "END") || is_punct(t, '}'); }

    bool fail(const std::string& message)
    {
        // Something missing at the end of a line is reported on that line,
        // not on the line where the next token happens to stand.
        int line = cur().line;
        if (message.rfind("expected", 0) == 0 && pos_ > 0 && toks_[pos_ - 1].line < line) line = toks_[pos_ - 1].line;
        out_.errors.push_back(RcError{file_, line, message});
        return false;
    }
    bool fail_at(int line, const std::string& message)
    {
        out_.errors.push_back(RcError{file_, line, message});
        return false;
    }
    static std::string describe(const Token& t)
    {
        switch (t.type) {
        case TokType::eof: return "end of file";
        case TokType::string: return "\"" + t.text + "\"";
        default: return "'" + t.text + "'";
        }
    }

    // After an error: skip the rest of the faulty resource (up to the END that
    // matches its first BEGIN), so the next resource in the file is still read.
    void recover(size_t start)
    {
        size_t failed_at = pos_;
        pos_ = start + 1;
        int depth = 0;
        while (cur().type != TokType::eof) {
            if (depth == 0 && starts_resource()) break;
            if (is_begin(cur())) ++depth;
            else if (is_end(cur()) && depth > 0 && --depth == 0) { ++pos_; break; }
            ++pos_;
        }
        if (pos_ < failed_at && depth == 0 && !starts_resource()) pos_ = failed_at;
    }
    bool starts_resource() const
    {
        if (is_kw(cur(), "STRINGTABLE") || is_kw(cur(), "LANGUAGE")) return true;
        const Token& n = ahead(1);
        return (cur().type == TokType::ident || cur().type == TokType::number) &&
               (is_kw(n, "DIALOG") || is_kw(n, "DIALOGEX") || is_kw(n, "MENU") || is_kw(n, "MENUEX") ||
                is_kw(n, "BITMAP") || is_kw(n, "ICON"));
    }

    bool expect_comma()
    {
        if (is_punct(cur(), ',')) { ++pos_; return true; }
        return fail("expected ',' but found " + describe(cur()));
    }
    void optional_comma() { if (is_punct(cur(), ',')) ++pos_; }

    bool number(long long& v, const char* what)
    {
        if (cur().type == TokType::number) { v = cur().value; ++pos_; return true; }
        if (cur().type == TokType::ident) {
            std::string u = upper_text(cur().text);
            static const std::map<std::string, int> ids = {
                {"IDOK", 1}, {"IDCANCEL", 2}, {"IDABORT", 3}, {"IDRETRY", 4}, {"IDIGNORE", 5},
                {"IDYES", 6}, {"IDNO", 7}, {"IDCLOSE", 8}, {"IDHELP", 9}, {"IDC_STATIC", -1}};
            auto it = ids.find(u);
            if (it != ids.end()) { v = it->second; ++pos_; return true; }
            return fail(std::string("unknown symbol '") + cur().text + "' for " + what);
        }
        return fail(std::string("expected ") + what + " but found " + describe(cur()));
    }
    bool integer(int& v, const char* what)
    {
        long long x = 0;
        if (!number(x, what)) return false;
        if (x < -32768 || x > 65535) return fail(std::string(what) + " out of range");
        v = static_cast<int>(x);
        return true;
    }
    bool string(std::string& s, const char* what)
    {
        if (cur().type == TokType::string) { s = cur().text; ++pos_; return true; }
        return fail(std::string("expected ") + what + " (a quoted text) but found " + describe(cur()));
    }

    // flags: term { '|' term }, term: [NOT] NAME | number
    bool style(std::uint32_t& set, std::uint32_t& cleared)
    {
        set = 0;
        cleared = 0;
        while (true) {
            bool negate = false;
            if (is_kw(cur(), "NOT")) { negate = true; ++pos_; }
            std::uint32_t v = 0;
            if (cur().type == TokType::number) {
                v = static_cast<std::uint32_t>(cur().value);
            } else if (cur().type == TokType::ident) {
                auto sv = style_value(cur().text);
                if (!sv) return fail("unknown style flag '" + cur().text + "'");
                v = *sv;
            } else {
                return fail("expected a style flag but found " + describe(cur()));
            }
            ++pos_;
            if (negate) cleared |= v; else set |= v;
            if (is_punct(cur(), '|') || is_punct(cur(), '+')) { ++pos_; continue; }
            return true;
        }
    }

    bool top_level()
    {
        if (is_kw(cur(), "STRINGTABLE")) return stringtable();
        if (is_kw(cur(), "LANGUAGE")) {   // LANGUAGE lang, sublang
            ++pos_;
            long long a = 0, b = 0;
            return number(a, "language") && expect_comma() && number(b, "sub-language");
        }
        if (cur().type != TokType::ident && cur().type != TokType::number)
            return fail("expected a resource name but found " + describe(cur()));
        std::string name = cur().text;
        int line = cur().line;
        const Token& kind = ahead(1);
        if (is_kw(kind, "DIALOG") || is_kw(kind, "DIALOGEX")) {
            bool ex = is_kw(kind, "DIALOGEX");
            pos_ += 2;
            return dialog(name, line, ex);
        }
        if (is_kw(kind, "MENU") || is_kw(kind, "MENUEX")) {
            pos_ += 2;
            return menu(name, line);
        }
        if (is_kw(kind, "BITMAP") || is_kw(kind, "ICON")) {
            // Pictures and icons are found by name among the picture files;
            // the statement is accepted for compatibility and carries nothing.
            pos_ += 2;
            std::string file;
            return string(file, "file name");
        }
        ++pos_;
        return fail("unknown resource type " + describe(kind) + " after '" + name + "'");
    }

    bool stringtable()
    {
        ++pos_;
        while (!is_begin(cur())) {   // optional memory flags
            if (cur().type != TokType::ident) return fail("expected BEGIN after STRINGTABLE");
            ++pos_;
        }
        ++pos_;
        std::vector<std::pair<int, std::string>> entries;
        while (!is_end(cur())) {
            if (cur().type == TokType::eof) return fail("STRINGTABLE without END");
            long long id = 0;
            std::string s;
            if (!number(id, "string id")) return false;
            optional_comma();
            if (!string(s, "string")) return false;
            entries.emplace_back(static_cast<int>(id), s);
        }
        ++pos_;
        for (auto& e : entries) out_.strings.push_back(std::move(e));
        return true;
    }

    bool dialog(const std::string& name, int line, bool ex)
    {
        DialogTemplate d;
        d.name = name;
        d.file = file_;
        d.line = line;
        if (!integer(d.x, "x") || !expect_comma() || !integer(d.y, "y") || !expect_comma() ||
            !integer(d.cx, "width") || !expect_comma() || !integer(d.cy, "height"))
            return false;
        if (ex && is_punct(cur(), ',')) {   // help id
            ++pos_;
            long long help = 0;
            if (!number(help, "help id")) return false;
        }
        if (d.cx < 0 || d.cy < 0) return fail("dialog size must not be negative");
        // Optional statements up to BEGIN.
        while (!is_begin(cur())) {
            if (cur().type == TokType::eof) return fail("dialog '" + name + "' without BEGIN");
            std::string kw = upper_text(cur().text);
            if (cur().type != TokType::ident) return fail("expected a dialog statement but found " + describe(cur()));
            ++pos_;
            if (kw == "STYLE") {
                std::uint32_t set = 0, cleared = 0;
                if (!style(set, cleared)) return false;
                d.style = set & ~cleared;
            } else if (kw == "EXSTYLE") {
                std::uint32_t set = 0, cleared = 0;
                if (!style(set, cleared)) return false;
                d.ex_style = set & ~cleared;
            } else if (kw == "CAPTION") {
                if (!string(d.caption, "caption")) return false;
            } else if (kw == "FONT") {
                if (!integer(d.font_size, "font size") || !expect_comma() || !string(d.font_face, "font face"))
                    return false;
                if (d.font_size <= 0 || d.font_size > 72) return fail("font size out of range");
                while (is_punct(cur(), ',')) {   // weight, italic, charset of DIALOGEX
                    ++pos_;
                    long long skip = 0;
                    if (!number(skip, "font attribute")) return false;
                }
            } else if (kw == "MENU" || kw == "CLASS") {
                if (cur().type == TokType::string || cur().type == TokType::ident || cur().type == TokType::number) ++pos_;
                else return fail("expected a name after " + kw);
            } else if (kw == "LANGUAGE") {
                long long a = 0, b = 0;
                if (!number(a, "language") || !expect_comma() || !number(b, "sub-language")) return false;
            } else if (kw == "CHARACTERISTICS" || kw == "VERSION") {
                long long skip = 0;
                if (!number(skip, kw.c_str())) return false;
            } else {
                --pos_;
                return fail("unknown dialog statement '" + cur().text + "'");
            }
        }
        ++pos_;
        while (!is_end(cur())) {
            if (cur().type == TokType::eof) return fail("dialog '" + name + "' without END");
            ControlTemplate c;
            if (!control(c)) return false;
            d.controls.push_back(std::move(c));
        }
        ++pos_;
        out_.dialogs.push_back(std::move(d));
        return true;
    }

    bool rect_args(ControlTemplate& c)
    {
        return integer(c.x, "x") && expect_comma() && integer(c.y, "y") && expect_comma() &&
               integer(c.cx, "width") && expect_comma() && integer(c.cy, "height");
    }

    bool tail_styles(ControlTemplate& c)
    {
        if (is_punct(cur(), ',')) {
            ++pos_;
            std::uint32_t set = 0, cleared = 0;
            if (!style(set, cleared)) return false;
            // A combo box's type written in the script replaces the default one.
            if (c.kind == ControlKind::combo_box && (set & 0x3u)) c.style &= ~0x3u;
            c.style = (c.style | set) & ~cleared;
            if (is_punct(cur(), ',')) {
                ++pos_;
                if (!style(set, cleared)) return false;
                c.ex_style = set & ~cleared;
            }
        }
        return true;
    }

    bool control(ControlTemplate& c)
    {
        c.line = cur().line;
        if (cur().type != TokType::ident) return fail("expected a control but found " + describe(cur()));
        std::string kw = upper_text(cur().text);
        if (kw == "CONTROL") {
            ++pos_;
            std::string cls;
            std::uint32_t set = 0, cleared = 0;
            if (cur().type == TokType::string) c.text = cur().text, ++pos_;
            else if (cur().type == TokType::number) c.text = std::to_string(cur().value), ++pos_;
            else return fail("expected the control text but found " + describe(cur()));
            if (!expect_comma() || !integer(c.id, "control id") || !expect_comma() || !string(cls, "class name") ||
                !expect_comma() || !style(set, cleared) || !expect_comma() || !rect_args(c))
                return false;
            c.style = set & ~cleared;
            if (is_punct(cur(), ',')) {
                ++pos_;
                std::uint32_t eset = 0, ecl = 0;
                if (!style(eset, ecl)) return false;
                c.ex_style = eset;
            }
            c.class_name = cls;
            std::string ucls = upper_text(cls);
            if (ucls == "STATIC") {
                std::uint32_t t = c.style & rcstyle::ss_typemask;
                if (t == rcstyle::ss_bitmap || t == rcstyle::ss_icon) c.kind = ControlKind::static_bitmap;
                else if (t == rcstyle::ss_left || t == rcstyle::ss_center || t == rcstyle::ss_right ||
                         t == rcstyle::ss_simple || t == rcstyle::ss_leftnowordwrap)
                    c.kind = ControlKind::static_text;
                else c.kind = ControlKind::static_frame;
            } else if (ucls == "BUTTON") {
                switch (c.style & rcstyle::bs_typemask) {
                case rcstyle::bs_pushbutton:
                case rcstyle::bs_defpushbutton: c.kind = ControlKind::push_button; break;
                case rcstyle::bs_checkbox:
                case rcstyle::bs_autocheckbox:
                case rcstyle::bs_3state:
                case rcstyle::bs_auto3state: c.kind = ControlKind::check_box; break;
                case rcstyle::bs_radiobutton:
                case rcstyle::bs_autoradiobutton: c.kind = ControlKind::radio_button; break;
                case rcstyle::bs_groupbox: c.kind = ControlKind::group_box; break;
                default: return fail_at(c.line, "unsupported button style in '" + c.text + "'");
                }
            } else if (ucls == "EDIT") c.kind = ControlKind::edit;
            else if (ucls == "COMBOBOX") c.kind = ControlKind::combo_box;
            else if (ucls == "LISTBOX") c.kind = ControlKind::list_box;
            else if (ucls == "MSCTLS_PROGRESS32") c.kind = ControlKind::progress_bar;
            else if (ucls == "MSCTLS_STATUSBAR32") c.kind = ControlKind::status_bar;
            else return fail_at(c.line, "unknown control class \"" + cls + "\"");
            return true;
        }
        for (const auto& st : control_statements) {
            if (kw != st.keyword) continue;
            ++pos_;
            c.kind = st.kind;
            c.class_name = st.class_name;
            c.style = st.default_style;
            if (st.has_text) {
                if (!string(c.text, "control text")) return false;
                if (!expect_comma()) return false;
            }
            if (!integer(c.id, "control id") || !expect_comma() || !rect_args(c) || !tail_styles(c)) return false;
            return true;
        }
        return fail("unknown control '" + cur().text + "'");
    }

    bool menu(const std::string& name, int line)
    {
        MenuTemplate m;
        m.name = name;
        m.file = file_;
        m.line = line;
        if (!menu_body(m.items, 1)) return false;
        out_.menus.push_back(std::move(m));
        return true;
    }

    bool menu_flags(MenuItemTemplate& item)
    {
        while (is_punct(cur(), ',') || (cur().type == TokType::ident && !is_end(cur()) && !is_begin(cur()) &&
                                        !is_kw(cur(), "MENUITEM") && !is_kw(cur(), "POPUP"))) {
            if (is_punct(cur(), ',')) { ++pos_; continue; }
            std::string f = upper_text(cur().text);
            if (f == "GRAYED") item.grayed = true;
            else if (f == "INACTIVE") item.inactive = true;
            else if (f == "CHECKED") item.checked = true;
            else if (f == "MENUBARBREAK" || f == "MENUBREAK" || f == "HELP") {}
            else return fail("unknown menu option '" + cur().text + "'");
            ++pos_;
        }
        return true;
    }

    bool menu_body(std::vector<MenuItemTemplate>& items, int depth)
    {
        if (depth > 8) return fail("menus nested too deeply");
        if (!is_begin(cur())) return fail("expected BEGIN but found " + describe(cur()));
        ++pos_;
        while (!is_end(cur())) {
            if (cur().type == TokType::eof) return fail("menu without END");
            MenuItemTemplate item;
            if (is_kw(cur(), "MENUITEM")) {
                ++pos_;
                if (is_kw(cur(), "SEPARATOR")) {
                    ++pos_;
                    item.separator = true;
                } else {
                    long long id = 0;
                    if (!string(item.text, "menu text") || !expect_comma() || !number(id, "menu id")) return false;
                    item.id = static_cast<int>(id);
                    if (!menu_flags(item)) return false;
                }
            } else if (is_kw(cur(), "POPUP")) {
                ++pos_;
                item.popup = true;
                if (!string(item.text, "popup text") || !menu_flags(item)) return false;
                if (!menu_body(item.items, depth + 1)) return false;
            } else {
                return fail("expected MENUITEM or POPUP but found " + describe(cur()));
            }
            items.push_back(std::move(item));
        }
        ++pos_;
        return true;
    }

    std::vector<Token> toks_;
    size_t pos_ = 0;
    const std::string& file_;
    RcFile& out_;
};

}  // namespace

bool ControlTemplate::is_auto() const
{
    std::uint32_t t = style & rcstyle::bs_typemask;
    return (kind == ControlKind::check_box && (t == rcstyle::bs_autocheckbox || t == rcstyle::bs_auto3state)) ||
           (kind == ControlKind::radio_button && t == rcstyle::bs_autoradiobutton);
}

TextAlign ControlTemplate::align() const
{
    if (kind == ControlKind::static_text) {
        std::uint32_t t = style & rcstyle::ss_typemask;
        if (t == rcstyle::ss_center) return TextAlign::center;
        if (t == rcstyle::ss_right) return TextAlign::right;
        return TextAlign::left;
    }
    if (kind == ControlKind::edit) {
        if (style & rcstyle::es_center) return TextAlign::center;
        if (style & rcstyle::es_right) return TextAlign::right;
    }
    return TextAlign::left;
}

const ControlTemplate* DialogTemplate::control(int id) const
{
    for (const auto& c : controls)
        if (c.id == id) return &c;
    return nullptr;
}

std::string RcError::text() const { return file + ":" + std::to_string(line) + ": " + message; }

bool rc_name_equal(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i])) return false;
    return true;
}

RcFile parse_rc(std::string_view text, const std::string& file_name)
{
    RcFile out;
    // A byte-order mark is allowed at the start.
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    Lexer lexer(text, file_name, out.errors);
    Parser parser(lexer.run(), file_name, out);
    parser.run();
    return out;
}
