// The windows of the Shorshorov atlas: the structure and the properties of
// the heat-affected zone looked up in one steel file at the cooling rate W
// that the current heat-source model gives at a point.
//
// Every window is one compute-and-draw routine: it reads the steel file
// again, runs the solvers again and draws the whole page on every call. The
// dependence windows change the model's regime while they sweep and give it
// back before they return, on every path.
#pragma once

#include "atlas_files.h"
#include "canvas.h"
#include "heatsource.h"
#include "steel_choice.h"

#include <array>
#include <string>
#include <vector>

struct Window;

// The routine signature of the atlas windows: the parameter record, the
// step count, the window and its canvas, a selector (the HAZ property) or an
// ignored int, the chosen steel by value and the print flag (not read).
using ShorshorovWindowRoutine = void (*)(const double* params, int steps, Window* window, Canvas& dc,
                                         int selector, SteelChoice steel, int print_flag);

// The fixed ticks of the value axes of the property windows and of the
// cooling-rate axis of the structure diagram (°C/s). A steel file whose two
// range rows are the ends of these scales has every tick on its axis.
inline constexpr std::array<double, 8> shorshorov_hv_ticks{0, 100, 200, 300, 400, 500, 600, 700};
inline constexpr std::array<double, 8> shorshorov_a_ticks{0, 10, 20, 30, 40, 50, 60, 70};
inline constexpr std::array<double, 8> shorshorov_rm_ticks{0, 200, 400, 600, 800, 1000, 1200, 1400};   // MPa
inline constexpr std::array<double, 16> shorshorov_rate_ticks{0.1, 0.2, 0.4, 0.6, 1,  2,   4,   6,
                                                             10,  20,  40,  60,  100, 200, 400, 600};

// The steel file as one window call holds it: the header texts and every row
// the reader allows (two range rows, then the data rows).
inline constexpr int shorshorov_table_rows = shorshorov_rows_max;

enum class ShorshorovColumn { martensite, ferrite, pearlite_bainite, hv, rm, a, z };

struct ShorshorovTable {
    ShorshorovSteelFile file;        // titles, micrograph, composition, thresholds, base-metal line
    std::vector<double> x;           // ln |W| of every row
    std::vector<double> martensite;  // rows 0 and 1: 0 and 100 (the ordinate range)
    std::vector<double> ferrite;
    std::vector<double> pearlite_bainite;
    std::vector<double> hv, rm, a, z;
    int rows() const { return static_cast<int>(x.size()); }
    int data_rows() const { return rows() > 2 ? rows() - 2 : 0; }
    const std::vector<double>& column(ShorshorovColumn c) const;
};

// Reads the steel file with all its rows. A file that cannot be read
// whole still gives what it held soundly before the fault, with the failure
// in `result` (the message names the file). Returns false when there is no
// data row to look anything up in (the window then draws nothing).
bool load_shorshorov_table(const std::string& path, ShorshorovTable& table, AtlasReadResult& result);

// The cooling rate W at (y, z) under the regime in force: the cooling
// procedure's, |T from - T to| over the cooling time (the table's rates are
// positive whichever way round the interval was entered). `rate` is not a
// number unless the point was reached; the status says why.
CoolingRate shorshorov_cooling_rate(double y, double z, double T_from, double T_to);

// The column's value at x = ln W through the data rows (curve_lookup): a
// tabulated ln W gives its row's value, one between rows the spline, one
// below the table the value of the row of the lowest rate and one above it
// that of the highest. A share (martensite, ferrite, pearlite + bainite)
// lies in 0..100 %: where the spline swings past either end between rows,
// the end is the share. -1 without a data row. `where` (when given)
// receives spline_inside, spline_below or spline_above.
double shorshorov_lookup(const ShorshorovTable& table, ShorshorovColumn column, double x, int* where = nullptr);

// The steel file's path as the windows take it from the chooser's record.
std::string shorshorov_steel_path_of(const SteelChoice& steel);

// The windows.
void shorshorov_structure_at_point_window(const double* params, int steps, Window* window, Canvas& dc,
                                          int selector, SteelChoice steel, int print_flag);
void shorshorov_haz_profile_window(const double* params, int steps, Window* window, Canvas& dc, int selector,
                                   SteelChoice steel, int print_flag);

// The dependence windows. Energy input: the record holds y, z, T from, T to,
// P min, P max, V min, V max and the sweep has steps + 1 points; preheat and
// plate thickness: y, z, T from, T to and the two bounds, 50 points.
void shorshorov_structure_vs_energy_window(const double* params, int steps, Window* window, Canvas& dc, int selector,
                                           SteelChoice steel, int print_flag);
void shorshorov_properties_vs_energy_window(const double* params, int steps, Window* window, Canvas& dc, int selector,
                                            SteelChoice steel, int print_flag);
void shorshorov_structure_vs_preheat_window(const double* params, int steps, Window* window, Canvas& dc, int selector,
                                            SteelChoice steel, int print_flag);
void shorshorov_properties_vs_preheat_window(const double* params, int steps, Window* window, Canvas& dc,
                                             int selector, SteelChoice steel, int print_flag);
void shorshorov_structure_vs_thickness_window(const double* params, int steps, Window* window, Canvas& dc,
                                              int selector, SteelChoice steel, int print_flag);
void shorshorov_properties_vs_thickness_window(const double* params, int steps, Window* window, Canvas& dc,
                                               int selector, SteelChoice steel, int print_flag);

// The micrograph window and its tile: the first of the six cooling-rate
// thresholds that exceeds W (5 when none does); tile k lies at
// (200 (k mod 2), 200 (k div 2)) in the picture.
int shorshorov_micrograph_tile(const std::array<double, 6>& thresholds, double W);
// How far into the picture (in its own pixels, within the 379 x 600 it is
// drawn at) tile k reaches: a picture smaller than that is refused.
Size shorshorov_micrograph_tile_reach(int tile);
void shorshorov_micrograph_window(const double* params, int steps, Window* window, Canvas& dc, int selector,
                                  SteelChoice steel, int print_flag);
