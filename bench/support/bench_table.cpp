// Prints the results that the benchmark programs appended to one file (see
// bench_main.cpp) as one table: a row per benchmark, a column per heat-source
// scheme for the benchmarks run once per scheme ("name/scheme:N"), and one
// column for those that have no scheme.
//
//     velmarin_bench_table ROWS_FILE
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// A column: the text after "scheme:" in the name ("5", "5'"), or "" for the
// benchmarks without a scheme; ordered by the scheme's number.
struct Column {
    int number = 0;
    std::string text;
    bool operator<(const Column& o) const { return number != o.number ? number < o.number : text < o.text; }
};

struct Row {
    std::string name;
    std::map<std::string, std::string> cells;   // column text -> time or "error"
};

// 3 significant digits in the unit that suits the time.
std::string format_time(double ns)
{
    char text[32];
    if (!std::isfinite(ns)) return "?";
    if (ns < 1e3)
        std::snprintf(text, sizeof text, "%.3gns", ns);
    else if (ns < 1e6)
        std::snprintf(text, sizeof text, "%.3gus", ns / 1e3);
    else if (ns < 1e9)
        std::snprintf(text, sizeof text, "%.3gms", ns / 1e6);
    else
        std::snprintf(text, sizeof text, "%.3gs", ns / 1e9);
    return text;
}

// Splits "family/scheme:5/real_time" into "family" and "5", and
// "family/scheme:5/manual_time/clean" into "family/clean" and "5"; the
// settings that Google Benchmark appends to a name are dropped.
void split_name(const std::string& full, std::string& name, std::string& scheme)
{
    name.clear();
    scheme.clear();
    std::stringstream parts(full);
    std::string part;
    while (std::getline(parts, part, '/')) {
        if (part.rfind("scheme:", 0) == 0) {
            scheme = part.substr(7);
            continue;
        }
        if (part == "real_time" || part == "manual_time" || part.rfind("min_time:", 0) == 0 || part.rfind("iterations:", 0) == 0 ||
            part.rfind("repeats:", 0) == 0)
            continue;
        if (!name.empty()) name += '/';
        name += part;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmarin_bench_table ROWS_FILE\n");
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    std::vector<Row> rows;
    std::map<std::string, std::size_t> index;
    std::set<Column> columns;
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos) continue;
        std::string name;
        std::string scheme;
        split_name(line.substr(0, tab), name, scheme);
        const std::string value = line.substr(tab + 1);
        const std::string cell = value.rfind("error", 0) == 0 ? "error" : format_time(std::atof(value.c_str()));
        auto [it, added] = index.emplace(name, rows.size());
        if (added) rows.push_back(Row{name, {}});
        rows[it->second].cells[scheme] = cell;
        columns.insert(Column{scheme.empty() ? 1000 : std::atoi(scheme.c_str()), scheme});
    }
    if (rows.empty()) {
        std::fprintf(stderr, "no benchmark results in %s\n", argv[1]);
        return 1;
    }

    std::size_t name_width = 9;
    for (const Row& r : rows) name_width = std::max(name_width, r.name.size());
    const int cell_width = 9;

    std::printf("Real time of one call. Windows: compute and draw into a 1000x700 image, at the start values of\n"
                "the scheme's data dialog and of the window's own dialog.\n\n");
    std::printf("%-*s", static_cast<int>(name_width), "benchmark");
    for (const Column& c : columns) std::printf("%*s", cell_width, c.text.empty() ? "-" : ("s" + c.text).c_str());
    std::printf("\n");
    for (const Row& r : rows) {
        std::printf("%-*s", static_cast<int>(name_width), r.name.c_str());
        for (const Column& c : columns) {
            auto it = r.cells.find(c.text);
            std::printf("%*s", cell_width, it == r.cells.end() ? "." : it->second.c_str());
        }
        std::printf("\n");
    }
    std::printf("\nsN: heat-source scheme N installed; s5': scheme 5 with the block the program starts with (its\n"
                "data dialog's values leave the dialogs' start point below 850 C); temperature and t85_at_point\n"
                "also run on the blocks the program starts with; -: no scheme; .: the scheme does not serve it.\n"
                "A window row times each call right after drawing on the same thread, as the program runs it;\n"
                "its /clean row the call made next to it with the vector state that drawing leaves cleared first.\n");
    return 0;
}
