#include "atlas_files.h"

#include "file_read.h"
#include "msgbox.h"
#include "numfmt.h"
#include "text_code.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#ifndef VELMARIN_SOURCE_DATA_DIR
#define VELMARIN_SOURCE_DATA_DIR "data"
#endif

namespace fs = std::filesystem;

namespace {

// Atlas files are small text files; anything larger is not one of them.
constexpr std::size_t max_file_size = 16u << 20;
constexpr std::size_t max_name_length = 255;
constexpr std::size_t max_line_length = 249;
constexpr std::size_t max_token_shown = 24;

AtlasReadResult failure(std::string message, bool missing = false)
{
    AtlasReadResult r;
    r.ok = false;
    r.missing = missing;
    r.message = std::move(message);
    return r;
}

AtlasReadResult not_present(const std::string& path) { return failure(" File not present " + path, true); }
AtlasReadResult not_exist(const std::string& path) { return failure("File " + path + " not exist... ", true); }

// A token as it may be shown in a message: shortened, control bytes dropped
// (the message box reads the rest in the language's code page).
std::string shown(std::string_view token)
{
    std::string out;
    for (char c : token.substr(0, max_token_shown))
        if (static_cast<unsigned char>(c) >= 0x20) out.push_back(c);
    if (token.size() > max_token_shown) out += "...";
    return out;
}

bool is_space(char c) { return c != '\0' && atlas_white_space.find(c) != std::string_view::npos; }

// Reads tokens and lines from the text of a file. A line ends with a line
// feed, a carriage return and line feed, or a carriage return alone (the
// files of older systems); carriage returns never reach a line. It counts
// the lines it passes, so a message can say on which line of the file a
// fault lies.
class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    bool at_end() const { return pos_ >= text_.size(); }

    void skip_space()
    {
        while (pos_ < text_.size() && is_space(text_[pos_])) advance();
    }

    // The next white-space separated token, or empty at the end of the text.
    std::string_view token()
    {
        skip_space();
        const std::size_t start = pos_;
        line_of_last_ = line_;
        while (pos_ < text_.size() && !is_space(text_[pos_])) ++pos_;
        return text_.substr(start, pos_ - start);
    }

    // The rest of the current line without its line end; false at the end of
    // the text. `had_line_end` tells whether a line feed ended it.
    bool line(std::string& out, bool* had_line_end = nullptr)
    {
        if (pos_ >= text_.size()) return false;
        out.clear();
        line_of_last_ = line_;
        bool ended = false;
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            advance();
            if (c == '\n' || c == '\r') {
                if (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n') advance();
                ended = true;
                break;
            }
            out.push_back(c);
        }
        if (had_line_end) *had_line_end = ended;
        return true;
    }

    // The line (from 1) on which the last token or line began.
    int last_line() const { return line_of_last_; }

private:
    void advance()
    {
        const char c = text_[pos_++];
        if (c == '\n' || (c == '\r' && (pos_ >= text_.size() || text_[pos_] != '\n'))) ++line_;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int line_of_last_ = 1;
};

bool has_nul(std::string_view text) { return text.find('\0') != std::string_view::npos; }


// "File <path>, line <n>: " — where a fault lies, for the messages.
std::string at_line(const std::string& path, int line) { return "File " + path + ", line " + std::to_string(line) + ": "; }

// The line (from 1) on which the byte at `pos` stands, line ends as the
// scanner reads them.
int line_at(std::string_view text, std::size_t pos)
{
    int line = 1;
    for (std::size_t i = 0; i < pos && i < text.size(); ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) ++line;
    return line;
}

// What no reading rule can make sense of, named before anything is read: a
// byte-order mark (the atlas formats are plain text without one, and it
// would be taken for part of the first number or name) and a NUL byte.
AtlasReadResult whole_text_faults(std::string_view text, const std::string& path)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        return failure("File " + path +
                       " begins with a byte-order mark (the bytes EF BB BF that some editors write before UTF-8 "
                       "text); atlas files have none: save it without the mark");
    if (text.substr(0, 2) == "\xFF\xFE" || text.substr(0, 2) == "\xFE\xFF")
        return failure("File " + path +
                       " begins with the byte-order mark of UTF-16 text; atlas files are plain text of one byte "
                       "per letter: save it as ANSI or UTF-8 text");
    if (const std::size_t nul = text.find('\0'); nul != std::string_view::npos)
        return failure(at_line(path, line_at(text, nul)) + "it holds a NUL byte; an atlas file is plain text");
    return {};
}

bool to_number(std::string_view token, double& value)
{
    if (token.empty()) return false;
    std::size_t used = 0;
    const double v = c_strtod(token, &used);
    if (used != token.size() || !std::isfinite(v)) return false;
    value = v;
    return true;
}

bool is_whole(double v, double lo, double hi) { return v >= lo && v <= hi && std::floor(v) == v; }

std::string number_text(double v) { return cformat("%g", v); }

// " gives <name> = <v> %; a share lies from 0 to 100 %", or empty for a share
// that does.
std::string share_fault(double v, const char* name)
{
    if (v >= 0 && v <= 100) return {};
    return std::string(" gives ") + name + " = " + number_text(v) + " %; a share lies from 0 to 100 %";
}

// Case-insensitive comparison of file-name parts (ASCII letters).
bool same_name(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char ca = static_cast<unsigned char>(a[i]);
        unsigned char cb = static_cast<unsigned char>(b[i]);
        if (ca >= 'A' && ca <= 'Z') ca = static_cast<unsigned char>(ca - 'A' + 'a');
        if (cb >= 'A' && cb <= 'Z') cb = static_cast<unsigned char>(cb - 'A' + 'a');
        if (ca != cb) return false;
    }
    return true;
}

// Follows the parts of `relative` from `base`, each matched without regard
// to case for every letter, a part written in a code page matching its UTF-8
// spelling on disk; a part that matches nothing is kept as written.
fs::path follow(fs::path base, std::string_view relative)
{
    bool matching = true;
    std::size_t pos = 0;
    while (pos <= relative.size()) {
        std::size_t end = relative.find('/', pos);
        if (end == std::string_view::npos) end = relative.size();
        const std::string_view part = relative.substr(pos, end - pos);
        pos = end + 1;
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            base = base.parent_path();
            continue;
        }
        fs::path exact = base / std::string(part);
        std::error_code ec;
        if (!matching || fs::exists(exact, ec)) {
            base = exact;
            continue;
        }
        bool found = false;
        fs::directory_iterator it(base, ec);
        for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
            const std::string candidate = it->path().filename().string();
            if (same_file_name(part, candidate)) {
                base = base / candidate;
                found = true;
                break;
            }
        }
        if (!found) {
            matching = false;
            base = exact;
        }
    }
    return base;
}

} // namespace

std::string data_root()
{
    const char* env = std::getenv("VELMARIN_DATA");
    if (env && *env) return env;
    return VELMARIN_SOURCE_DATA_DIR;
}

std::string seyffarth_atlas_folder() { return (fs::path(data_root()) / "Seyffarth CCT Atlas").string(); }
std::string shorshorov_atlas_folder() { return (fs::path(data_root()) / "Shorsorov CCT Atlas").string(); }

std::string resolve_atlas_path(std::string_view name, std::string_view referring_file)
{
    std::string s;
    for (char c : name) {
        if (c == '\r') continue;
        s.push_back(c == '\\' ? '/' : c);
    }
    if (s.empty()) return s;
    fs::path base;
    std::string_view rest = s;
    const bool drive = s.size() >= 2 && s[1] == ':' &&
                       ((s[0] >= 'A' && s[0] <= 'Z') || (s[0] >= 'a' && s[0] <= 'z'));
    if (drive) {
        rest.remove_prefix(2);
        // The atlas folders of the Windows installation live under the data root.
        constexpr std::string_view home = "/velmarin/";
        if (rest.size() >= home.size() && same_name(rest.substr(0, home.size()), home)) {
            base = data_root();
            rest.remove_prefix(home.size());
        } else {
            base = "/";
        }
    } else if (s[0] == '/') {
        base = "/";
    } else {
        base = fs::path(std::string(referring_file)).parent_path();
        if (base.empty()) base = ".";
    }
    return follow(base, rest).string();
}

void report_atlas_failure(Window* owner, const AtlasReadResult& result)
{
    if (result.ok) return;
    message_box(owner, result.message, "  Message!", mb_ok);
}

// ---------------------------------------------------------------- descriptor

namespace {

// Runs `parse` on the text of the file at `path`, or reports the file as
// missing (with the message `absent` gives), not a file, or too large.
template <typename Parse>
AtlasReadResult from_file(const std::string& path, AtlasReadResult (*absent)(const std::string&), Parse parse)
{
    std::string text;
    const ReadOutcome r = read_file_whole(path, max_file_size, "an atlas file", text);
    if (r.status == ReadStatus::missing) return absent(path);
    if (!r.ok()) return failure(r.message, r.status == ReadStatus::unreadable);
    return parse(std::string_view(text));
}

} // namespace

AtlasReadResult read_steel_descriptor(const std::string& path, SteelDescriptor& descriptor)
{
    return from_file(path, not_present,
                     [&](std::string_view text) { return read_steel_descriptor_text(text, path, descriptor); });
}

AtlasReadResult read_steel_descriptor_text(std::string_view text, const std::string& path,
                                           SteelDescriptor& descriptor)
{
    if (AtlasReadResult fault = whole_text_faults(text, path); !fault.ok) return fault;
    Scanner in(text);
    static const char* const name_roles[4] = {"CCT curve file", "property curve file", "label file",
                                              "structure table"};
    std::string* const names[4] = {&descriptor.cct_curves, &descriptor.property_curves, &descriptor.labels,
                                   &descriptor.structure};
    for (int i = 0; i < 4; ++i) {
        const std::string_view token = in.token();
        if (token.empty())
            return failure("File " + path + " ends before the name of its " + name_roles[i] + " (name " +
                           std::to_string(i + 1) + " of 4)");
        if (token.size() > max_name_length)
            return failure(at_line(path, in.last_line()) + "the name of its " + name_roles[i] +
                           " is longer than 255 characters");
        *names[i] = std::string(token);
    }
    in.skip_space();
    static const char* const line_roles[4] = {"fifth line", "composition line", "micrograph line", "grade line"};
    std::string* const lines[4] = {&descriptor.fifth_line, &descriptor.composition_line, &descriptor.micrograph_line,
                                   &descriptor.grade_line};
    for (int i = 0; i < 4; ++i) {
        std::string line;
        bool line_end = false;
        if (!in.line(line, &line_end))
            return failure("File " + path + " ends before its " + line_roles[i] + " (line " + std::to_string(i + 5) +
                           ")");
        if (line.size() > max_line_length)
            return failure(at_line(path, in.last_line()) + "its " + line_roles[i] + " is longer than 249 characters");
        if (i == 3 && line_end) line.push_back(' ');
        *lines[i] = std::move(line);
    }
    return {};
}

int parse_micrograph_line(std::string_view line, MicrographLine& out)
{
    Scanner in(line);
    const std::string_view name = in.token();
    if (name.empty() || has_nul(name)) return 0;
    out.file = std::string(name);
    double v = 0;
    const std::string_view w = in.token();
    if (!to_number(w, v) || !is_whole(v, 0, 4294967295.0)) return 1;
    out.width = static_cast<unsigned>(v);
    const std::string_view h = in.token();
    if (!to_number(h, v) || !is_whole(v, 0, 4294967295.0)) return 2;
    out.height = static_cast<unsigned>(v);
    for (int i = 0; i < 6; ++i) {
        if (!to_number(in.token(), v)) return 3 + i;
        out.thresholds[static_cast<std::size_t>(i)] = v;
    }
    return 9;
}

// ---------------------------------------------------------------- curve sets

namespace {

// Checks the curve records of numbers[0..end) from element 25 on; returns
// the end of the last whole, sound record and, for a faulty one, what is
// wrong and the position of the number at fault.
std::size_t sound_curves_end(const std::vector<double>& v, std::size_t end, std::string& fault, std::size_t& at)
{
    std::size_t p = curve_set_header;
    int curve = 0;
    while (p < end) {
        const double n = v[p];
        at = p;
        if (!is_whole(n, -1, curve_max_points - 1)) {
            fault = "curve " + std::to_string(curve + 1) + " (number " + std::to_string(p) + ") gives " +
                    number_text(n) + " as its last point index; a curve has 0 to 100 points";
            return p;
        }
        const std::size_t points = static_cast<std::size_t>(n + 1);
        const std::size_t record = 2 + 2 * points + 1;
        if (p + record > end) {
            fault = "curve " + std::to_string(curve + 1) + " (number " + std::to_string(p) + ") runs past the " +
                    std::to_string(end) + " numbers of the set";
            return p;
        }
        const double colour = v[p + 1];
        if (!is_whole(colour, 0, 16777215.0)) {
            at = p + 1;
            fault = "curve " + std::to_string(curve + 1) + " has the colour number " + number_text(colour) +
                    "; a colour number is a whole number from 0 to 16777215";
            return p;
        }
        p += record;
        ++curve;
    }
    return p;
}

} // namespace

AtlasReadResult read_curve_file(const std::string& path, CurveSet& curves)
{
    curves.assign(1, 0.0);
    return from_file(path, not_present,
                     [&](std::string_view text) { return read_curve_text(text, path, curves); });
}

AtlasReadResult read_curve_text(std::string_view text, const std::string& path, CurveSet& curves)
{
    curves.assign(1, 0.0);
    if (AtlasReadResult fault = whole_text_faults(text, path); !fault.ok) return fault;
    Scanner in(text);
    const std::string_view first = in.token();
    double count = 0;
    if (first.empty()) return failure("File " + path + " is empty; a curve set starts with its count");
    if (!to_number(first, count))
        return failure(at_line(path, in.last_line()) + "its count \"" + shown(first) + "\" is not a finite number");
    if (!is_whole(count, curve_set_header, curve_set_max_count))
        return failure(at_line(path, in.last_line()) + "its count " + number_text(count) +
                       " is not a whole number from 25 to 7999");
    const std::size_t n_total = static_cast<std::size_t>(count);
    std::vector<double> v(n_total, 0.0);
    std::vector<int> lines(n_total, in.last_line());
    v[0] = count;

    std::string fault;
    int fault_line = 0;
    std::size_t read = 1;
    for (; read < n_total; ++read) {
        const std::string_view token = in.token();
        if (token.empty()) {
            fault = "it ends after " + std::to_string(read - 1) + " of the " + std::to_string(n_total - 1) +
                    " numbers its count announces";
            break;
        }
        lines[read] = in.last_line();
        if (!to_number(token, v[read])) {
            fault_line = in.last_line();
            fault = "number " + std::to_string(read) + " (\"" + shown(token) + "\") is not a finite number";
            break;
        }
    }
    if (fault.empty()) {
        // One number more than the count's share may follow (some files carry
        // it); anything beyond does not belong to the set.
        double extra = 0;
        const std::string_view more = in.token();
        if (!more.empty() && (!to_number(more, extra) || !in.token().empty())) {
            fault_line = in.last_line();
            fault = "it holds more than the " + std::to_string(n_total - 1) + " numbers its count announces";
        }
    }
    const auto message = [&](int line) {
        return (line > 0 ? at_line(path, line) : "File " + path + ": ") + fault;
    };
    if (read < curve_set_header) {
        curves.assign(1, 0.0);
        return failure(message(fault_line) + " (the header alone takes 24)");
    }
    std::string record_fault;
    std::size_t record_at = 0;
    const std::size_t end = sound_curves_end(v, read, record_fault, record_at);
    if (fault.empty() && !record_fault.empty()) {
        fault = record_fault;
        fault_line = lines[record_at];
    }
    v.resize(end);
    v[0] = static_cast<double>(end);
    curves = std::move(v);
    if (!fault.empty()) return failure(message(fault_line));
    return {};
}

// ---------------------------------------------------------------- CCT labels

std::size_t label_text_length(std::string_view text)
{
    std::size_t n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::string first_characters(std::string_view text, std::size_t characters)
{
    std::size_t n = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && n++ == characters)
            return std::string(text.substr(0, i));
    return std::string(text);
}

AtlasReadResult read_label_file(const std::string& path, std::vector<LabelRecord>& records)
{
    return from_file(path, not_present,
                     [&](std::string_view text) { return read_label_text(text, path, records); });
}

AtlasReadResult read_label_text(std::string_view text, const std::string& path, std::vector<LabelRecord>& records)
{
    if (AtlasReadResult fault = whole_text_faults(text, path); !fault.ok) return fault;
    struct Token {
        std::string_view text;
        int line;
    };
    std::vector<Token> tokens;
    Scanner in(text);
    for (std::string_view t = in.token(); !t.empty(); t = in.token()) {
        tokens.push_back(Token{t, in.last_line()});
        if (tokens.size() > 3u * (label_records_max + 1)) break;
    }
    records.clear();
    std::size_t start = 0;
    double announced = 0;
    if (tokens.size() % 3 == 1 && to_number(tokens[0].text, announced) && is_whole(announced, 0, 1e9)) {
        // The digitizer's count line.
        const std::size_t present = (tokens.size() - 1) / 3;
        if (static_cast<double>(present) != announced)
            return failure(at_line(path, tokens[0].line) + "its count line announces " + number_text(announced) +
                           " labels but " + std::to_string(present) + " follow");
        start = 1;
    }
    for (std::size_t i = start; i < tokens.size(); i += 3) {
        const std::size_t record = (i - start) / 3;
        const std::string where = at_line(path, tokens[i].line);
        if (record >= static_cast<std::size_t>(label_records_max))
            return failure(where + "the file holds more than 2665 label records");
        const std::string_view label = tokens[i].text;
        if (label_text_length(label) > static_cast<std::size_t>(label_text_max))
            return failure(where + "the text \"" + shown(label) + "\" of label " + std::to_string(record + 1) +
                           " is longer than 7 characters");
        if (i + 2 >= tokens.size())
            return failure(where + "label " + std::to_string(record + 1) + " (\"" + shown(label) + "\") lacks its " +
                           (i + 1 >= tokens.size() ? "x and y" : "y"));
        LabelRecord r;
        r.text = std::string(label);
        if (!to_number(tokens[i + 1].text, r.x) || !to_number(tokens[i + 2].text, r.y))
            return failure(at_line(path, tokens[i + 1].line) + "label " + std::to_string(record + 1) + " (\"" +
                           shown(label) + "\") has a position that is not two finite numbers");
        records.push_back(std::move(r));
    }
    return {};
}

// ---------------------------------------------------------- structure table

AtlasReadResult read_structure_table(const std::string& path, std::vector<StructureRow>& rows)
{
    rows.clear();
    return from_file(path, not_exist,
                     [&](std::string_view text) { return read_structure_text(text, path, rows); });
}

AtlasReadResult read_structure_text(std::string_view text, const std::string& path, std::vector<StructureRow>& rows)
{
    rows.clear();
    if (AtlasReadResult fault = whole_text_faults(text, path); !fault.ok) return fault;
    Scanner in(text);
    std::string header;
    if (!in.line(header)) return failure("File " + path + " is empty; a structure table starts with a header line");
    for (;;) {
        double values[5] = {};
        int got = 0;
        std::string_view bad;
        int first_line = 0;
        for (; got < 5; ++got) {
            const std::string_view token = in.token();
            if (token.empty()) break;
            if (got == 0) first_line = in.last_line();
            if (!to_number(token, values[got])) {
                bad = token;
                break;
            }
        }
        const std::string row = "row " + std::to_string(rows.size() + 1);
        if (!bad.empty())
            return failure(at_line(path, in.last_line()) + row + " holds \"" + shown(bad) +
                           "\", which is not a finite number");
        if (got == 0) break;
        if (got < 4)
            return failure(at_line(path, in.last_line()) + "the file ends inside " + row + " (" + std::to_string(got) +
                           " of its five numbers)");
        if (rows.size() >= static_cast<std::size_t>(structure_rows_max))
            return failure(at_line(path, first_line) + "the file holds more than 200 rows");
        if (!(values[0] > 0))
            return failure(at_line(path, first_line) + row + " gives the cooling time " + number_text(values[0]) +
                           " s; a cooling time is above 0");
        static const char* const phases[3] = {"ferrite", "bainite", "pearlite"};
        for (int k = 0; k < 3; ++k)
            if (const std::string fault = share_fault(values[k + 1], phases[k]); !fault.empty())
                return failure(at_line(path, first_line) + row + fault);
        StructureRow r;
        r.cooling_time = values[0];
        r.ferrite = values[1];
        r.bainite = values[2];
        r.pearlite = values[3];
        r.hv = got == 5 ? values[4] : 0.0;
        r.complete = got == 5;
        r.x = std::log(r.cooling_time);
        r.martensite = 100.0 - r.ferrite - r.bainite - r.pearlite;
        rows.push_back(r);
        if (got == 4) break;   // the text ended after four numbers
    }
    if (rows.empty()) return failure("File " + path + " holds no rows under its header line");
    return {};
}

// ---------------------------------------------------- Shorshorov steel file

double ShorshorovRow::x() const { return std::log(std::fabs(cooling_rate)); }

AtlasReadResult read_shorshorov_steel_file(const std::string& path, ShorshorovSteelFile& steel)
{
    steel.rows.clear();
    return from_file(path, not_exist,
                     [&](std::string_view text) { return read_shorshorov_steel_text(text, path, steel); });
}

AtlasReadResult read_shorshorov_steel_text(std::string_view text, const std::string& path, ShorshorovSteelFile& steel)
{
    steel.rows.clear();
    if (AtlasReadResult fault = whole_text_faults(text, path); !fault.ok) return fault;
    Scanner in(text);
    static const char* const roles[6] = {"first title line", "second title line", "third title line",
                                         "micrograph line", "fifth line", "composition line"};
    std::string* const header[6] = {&steel.titles[0],       &steel.titles[1],     &steel.titles[2],
                                    &steel.micrograph_line, &steel.unused_line, &steel.composition_line};
    for (int i = 0; i < 6; ++i) {
        std::string line;
        if (!in.line(line))
            return failure("File " + path + " ends before its " + roles[i] + " (line " + std::to_string(i + 1) +
                           ")");
        if (line.size() > max_line_length)
            return failure(at_line(path, in.last_line()) + "its " + roles[i] + " is longer than 249 characters");
        *header[i] = std::move(line);
    }
    steel.micrograph_file = std::string(Scanner(steel.micrograph_line).token());
    for (int i = 0; i < 6; ++i) {
        const std::string_view token = in.token();
        if (token.empty())
            return failure("File " + path + " ends before its six cooling-rate thresholds (after " +
                           std::to_string(i) + ")");
        if (!to_number(token, steel.thresholds[static_cast<std::size_t>(i)]))
            return failure(at_line(path, in.last_line()) + "cooling-rate threshold " + std::to_string(i + 1) +
                           " (\"" + shown(token) + "\") is not a finite number");
    }
    in.skip_space();
    for (int i = 0; i < 4; ++i) {
        std::string line;
        if (!in.line(line))
            return failure("File " + path + " ends before " +
                           (i == 3 ? std::string("its base-metal line") : "line " + std::to_string(i + 1) +
                                                                              " of the four after the thresholds"));
        if (line.size() > max_line_length)
            return failure(at_line(path, in.last_line()) + "line " + std::to_string(i + 1) +
                           " after the thresholds is longer than 249 characters");
        steel.lines[static_cast<std::size_t>(i)] = std::move(line);
    }
    for (;;) {
        double values[7] = {};
        int got = 0;
        int first_line = 0;
        const std::string row = "row " + std::to_string(steel.rows.size() + 1);
        for (; got < 7; ++got) {
            const std::string_view token = in.token();
            if (token.empty()) break;
            if (got == 0) first_line = in.last_line();
            if (!to_number(token, values[got]))
                return failure(at_line(path, in.last_line()) + row + " holds \"" + shown(token) +
                               "\", which is not a finite number");
        }
        if (got == 0) break;
        if (got < 7)
            return failure(at_line(path, in.last_line()) + "the file ends inside " + row + " (" +
                           std::to_string(got) + " of its seven numbers)");
        if (steel.rows.size() >= static_cast<std::size_t>(shorshorov_rows_max))
            return failure(at_line(path, first_line) + "the file holds more than 200 rows");
        if (!(values[0] > 0))
            return failure(at_line(path, first_line) + row + " gives the cooling rate " + number_text(values[0]) +
                           " °C/s; a cooling rate is above 0");
        // The two range rows hold axis ends; the data rows hold shares.
        const bool data_row = steel.rows.size() >= 2;
        if (std::string fault = share_fault(values[5], "100 - ferrite"); data_row && !fault.empty())
            return failure(at_line(path, first_line) + row + fault);
        if (std::string fault = share_fault(values[6], "martensite"); data_row && !fault.empty())
            return failure(at_line(path, first_line) + row + fault);
        steel.rows.push_back(
            ShorshorovRow{values[0], values[1], values[2], values[3], values[4], values[5], values[6]});
    }
    if (steel.rows.size() < 3)
        return failure("File " + path + " holds " + std::to_string(steel.rows.size()) +
                       " rows; the two range rows and at least one data row are needed");
    return {};
}
