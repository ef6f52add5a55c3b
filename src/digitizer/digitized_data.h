// What the digitizer collects from a scanned diagram, and its files.
//
// Curves go into `spline_buffer`, a curve set in memory laid out as the atlas
// curve-set files are (element 0 the count, 1-24 the header, records from 25:
// last point index, colour number, the points x y, the hardness). Labels go
// into `label_table` for the whole run; structure points into
// `structure_list` while the user has one open.
//
// The writers produce the files the atlas windows read: numbers separated by
// blanks, no final line break, colours as 24-bit RGB numbers with red in the
// low byte. Every number is written so that it reads back bit for bit (whole
// numbers as integers, others in their shortest exact form): a digitized
// value, and above all a colour such as pure blue 16711680, comes back as it
// was captured. Every file is written whole to a temporary file beside the
// target and then renamed over it, so a failed write leaves the user's file
// as it was.
#pragma once

#include "atlas_files.h"
#include "canvas.h"
#include "file_write.h"
#include "plot.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int spline_buffer_size = 8000;    // numbers of the curve set in memory
inline constexpr int digitized_curve_max_points = 100;
// As many labels as the label reader takes from one file.
inline constexpr int label_table_max = label_records_max;
inline constexpr int structure_list_max = 39;

// The curve set: spline_buffer_size numbers; `spline_end` is the index of the
// first free number (25 with no curve stored).
extern std::vector<double> spline_buffer;
extern int spline_end;

struct StructureRecord {
    double cooling_time = 0;   // s
    double ferrite = 0;        // %
    double bainite = 0;
    double pearlite = 0;
    double hv = 0;
};

extern std::vector<LabelRecord> label_table;
// Open from the structure-point radio button to "Save text2 as ...".
extern std::optional<std::vector<StructureRecord>> structure_list;

// Element 0 := 0, the next record goes to 25; the header stays.
void reset_digitized_curves();
// Writes the header and appends the record of the first p points. False
// (nothing stored) when p is outside 1..100 (a curve without points is no
// curve the curve-set reader takes), the lists hold fewer than p points, a
// number is not finite, or the record does not fit into the buffer.
bool append_digitized_curve(std::span<const double> xs, std::span<const double> ys, std::uint32_t colour,
                            double hv, int p);

// The file texts, exactly as written.
std::string spline_file_text();
std::string label_file_text(std::span<const LabelRecord> labels);
std::string structure_file_text(std::span<const StructureRecord> records);

WriteOutcome write_spline_file(const std::string& path);
WriteOutcome write_label_file(const std::string& path);
WriteOutcome write_structure_file(const std::string& path, std::span<const StructureRecord> records);

// Why a typed text cannot become a label, empty when it can: white space only
// (the file would carry no text), or a NUL byte (no file token may hold one).
std::string label_text_refusal(std::string_view text);
// Appends a label, its text cut to 7 characters (letters, not bytes) and
// made one token as the label file writes it (white space at the ends
// dropped, inside replaced by '_'); false when the table is full or the
// text is refused.
bool add_label(std::string_view text, double x, double y);
// Every label centred on its position, in the canvas's font and colours.
void draw_labels(Canvas& dc, std::span<const LabelRecord> labels, Rect rect, WorldBox box);

void init_structure_list();
// False when no list is open or it is full.
bool add_structure_record(double t, double ferrite, double bainite, double pearlite, double hv);

// The 24-bit colour number of an RGB colour, red in the low byte.
std::uint32_t colour_number(Rgb colour);
