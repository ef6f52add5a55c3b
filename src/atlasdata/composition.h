// Steel composition records.
//
// A steel's chemistry travels through the program as a CompositionRecord:
// sixteen contents in mass per cent in one fixed order. The two empirical
// steel models build their records on it (KasatkinSteel, IonSteel: results,
// the point of the window and the content ranges of the chemistry sweeps),
// and so does the second atlas (ShorshorovSteel: the rated and base-metal
// values of a steel file). The records are plain values; their operations are
// members, as the windows call them on the record they draw.
#pragma once

#include <array>
#include <string_view>

class Canvas;

// Index of each element in CompositionRecord::content, which is also the
// order of a composition line and of the composition table's columns.
enum Element : int {
    el_c = 0, el_si = 1, el_mn = 2, el_p = 3, el_s = 4, el_cu = 5, el_cr = 6,
    el_ni = 7, el_mo = 8, el_nb = 9, el_ti = 10, el_b = 11, el_al = 12,
    el_n2 = 13, el_v = 14, el_w = 15,
};
inline constexpr int composition_size = 16;

// Labels of the sixteen elements, in record order ("C", "Si", ..., "N2", "W").
extern const std::array<const char*, composition_size> element_symbols;

struct CompositionRecord {
    std::array<double, composition_size> content{};

    CompositionRecord() { init_composition_record(); }

    // All sixteen contents 0.
    void init_composition_record();

    // Reads up to sixteen numbers, separated by white space, into contents
    // 0..15 in record order and returns how many were stored. Reading stops at
    // the end of the text, after the sixteenth number, or at the first word
    // that is not a whole finite decimal number; contents without a number
    // keep their values. Never reads past the text.
    int parse_composition(std::string_view line);

    // The chemical composition table (heading, then one column per element
    // whose content is above 0), upper-left corner at (x, top).
    void draw_composition_table(int x, int top, int min_width, int row_height, Canvas& dc) const;
    // The first row under that table (its two rows in the selected font).
    static int composition_table_bottom(int top, int row_height, Canvas& dc);

    double& operator[](int index) { return content[static_cast<std::size_t>(index)]; }
    double operator[](int index) const { return content[static_cast<std::size_t>(index)]; }
};

// A (minimum, maximum) content pair of a chemistry sweep, in per cent.
struct ContentRange {
    double min = 0.0;
    double max = 0.0;
};

// The Kasatkin-Seyffarth steel: composition, results of the last
// evaluation, the point of the window and the twelve sweep ranges.
struct KasatkinSteel : CompositionRecord {
    // Shares are fractions from 0 to 1.
    double martensite = 0.0;
    double ferrite = 0.0;
    double pearlite = 0.0;
    double ferrite_pearlite = 0.0;
    double bainite = 0.0;
    double hv = 0.0;            // Vickers hardness
    double rm = 0.0;            // tensile strength, MPa
    double r02 = 0.0;           // yield point, MPa
    double elongation = 0.0;    // A, %
    double reduction = 0.0;     // Z, %
    double toughness = 0.0;     // K, J/mm2 as the tables label it
    double y = 0.0;             // the window's point, cm
    double z = 0.0;
    double cooling_time = 0.0;  // t8/5 of the point, s

    // Sweep element k (0..11): C, Mn, Si, Cr, Mo, Ni, V, Ti, Al, Nb, W, Cu.
    static constexpr int sweep_count = 12;
    static const std::array<int, sweep_count> sweep_elements;   // k -> Element
    std::array<ContentRange, sweep_count> ranges{};

    KasatkinSteel() { init_kasatkin_steel(); }

    // Contents 0 and the twelve ranges: every minimum 0, maxima C 0.4,
    // Mn 2.0, Si 0.8, Cr 0.2, Mo 1.0, Ni 1.5, V 1.5, Ti 0.6, Al 0.6, Nb 0.1,
    // W 0.5, Cu 0.5. Results are left as they are.
    void init_kasatkin_steel();

    // Sets element k to min_k + ((max_k - min_k) / n) * i and returns it.
    // For k outside 0..11 or n <= 0 nothing changes and 0 is returned; a step
    // i outside 0..n is taken as the nearer end, so the content stays in range.
    double kasatkin_vary_element(int k, int i, int n);

    // Result tables (result_tables.cpp).
    void kasatkin_draw_property_table(int x, int top, int min_width, int row_height, Canvas& dc) const;
    void kasatkin_draw_structure_table(int x, int top, int min_width, int row_height, Canvas& dc) const;
};

// The Ion steel (carbon-manganese steels): composition, results of the last
// evaluation, the point of the window and the eight sweep ranges.
struct IonSteel : CompositionRecord {
    double martensite = 0.0;        // fractions from 0 to 1
    double ferrite_pearlite = 0.0;
    double bainite = 0.0;
    double hv = 0.0;
    double y = 0.0;                 // the window's point, cm
    double z = 0.0;
    double cooling_time = 0.0;      // s

    // Sweep element k (0..7): C, Si, Mn, P, S, Cr, Ni, Cu.
    static constexpr int sweep_count = 8;
    static const std::array<int, sweep_count> sweep_elements;   // k -> Element
    std::array<ContentRange, sweep_count> ranges{};

    IonSteel() { init_ion_steel(); }

    // Contents 0 and the ranges C 0.1-0.18, Si 0.01-0.53, Mn 0.41-1.4,
    // P 0.008-0.029, S 0.007-0.043, Cr 0.02-0.07, Ni 0.02-0.06, Cu 0.06-0.21.
    void init_ion_steel();

    // As KasatkinSteel::kasatkin_vary_element over the eight ranges.
    double ion_vary_element(int k, int i, int n);

    void ion_draw_structure_table(int x, int top, int min_width, int row_height, Canvas& dc) const;
    // Its width in the selected font.
    int ion_structure_table_width(int min_width, int row_height, Canvas& dc) const;
};

// A steel of the second atlas: composition plus the values its windows show.
// Shares are in per cent here (as the atlas gives them).
struct ShorshorovSteel : CompositionRecord {
    double martensite = 0.0;        // M, %
    double ferrite = 0.0;           // F, %
    double pearlite_bainite = 0.0;  // P+B, %
    double hv30 = 0.0;              // rated values at the point
    double rm = 0.0;
    double elongation = 0.0;
    double reduction = 0.0;
    double base_first = 0.0;        // first base-metal value (shown nowhere)
    double initial_rm = 0.0;        // base metal
    double initial_elongation = 0.0;
    double initial_reduction = 0.0;
    double initial_hv30 = 0.0;
    double y = 0.0;                 // cm
    double z = 0.0;
    double cooling_rate = 0.0;      // W, degrees C per s

    ShorshorovSteel() { init_shorshorov_steel(); }

    // Composition cleared as init_composition_record does.
    void init_shorshorov_steel();

    // The composition line of a steel file: at most fifteen numbers in the
    // order C, Si, Mn, Cr, Ni, Mo, S, P, Cu, Nb, Ti, B, Al, N2, V; W stays as
    // it is. Returns how many were stored (reading stops as parse_composition's).
    int shorshorov_parse_composition(std::string_view line);

    // The base-metal line: up to five numbers into base_first, initial_rm,
    // initial_elongation, initial_reduction, initial_hv30. Returns the count.
    int shorshorov_parse_base_properties(std::string_view line);

    void shorshorov_draw_composition_table(int x, int top, int min_width, int row_height, Canvas& dc) const;
    void shorshorov_draw_point_property_table(int x, int top, int min_width, int row_height, Canvas& dc) const;
    void shorshorov_draw_structure_table(int x, int top, int min_width, int row_height, Canvas& dc) const;
};

// Reads up to `count` whitespace-separated numbers from the text into
// values[0..count-1]; stops at the text's end or at the first word that is
// not a whole finite decimal number. Returns how many were stored. The
// record parsers are built on it; atlas readers may use it for their lines.
int read_numbers(std::string_view text, double* values, int count);
