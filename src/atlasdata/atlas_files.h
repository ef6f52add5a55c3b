// The atlas folders and the readers of their files.
//
// Seyffarth atlas ("Seyffarth CCT Atlas" under the data root): one steel
// descriptor per steel, its extension naming the steel class, and the files
// the descriptor names (CCT and property curve sets, the CCT label file, the
// structure table, the micrograph picture). Shorshorov atlas ("Shorsorov CCT
// Atlas"): one steel file per steel, its extension naming the steel group,
// and the micrograph picture it names.
//
// Names inside atlas files were written on Windows: resolve_atlas_path turns
// backslashes into slashes, matches every part of the name without regard to
// case and takes a relative name from the folder of the file that names it;
// "C:\Velmarin\..." is taken from the data root. Carriage returns are
// ignored everywhere.
//
// Every reader opens its file read-only, reads it whole within the call and
// checks what it reads: counts against the numbers present, records against
// the limits of the atlas formats, numbers whole and finite, no NUL byte in a
// name, text or line. A file that is missing or malformed gives a failure
// with a message naming the file and, for a fault inside it, the line; the
// output then holds what was read soundly before the fault, so a window can
// draw what it has. Nothing is shown here: the window reports the failure
// (report_atlas_failure) when its command runs.
//
// Each reader also takes the file's bytes from memory (the *_text form), with
// the name its messages give the file; the file form reads the file and
// hands its bytes on.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct Window;

struct AtlasReadResult {
    bool ok = true;
    bool missing = false;    // the file could not be opened
    std::string message;     // the text for the user when !ok
};

// The data root: $VELMARIN_DATA when set (and not empty), otherwise the
// project's data folder compiled in.
std::string data_root();
std::string seyffarth_atlas_folder();   // <data root>/Seyffarth CCT Atlas
std::string shorshorov_atlas_folder();  // <data root>/Shorsorov CCT Atlas

// The file that `name` (as written in `referring_file`) stands for. When no
// file matches, the path is still returned, spelled as written, so that the
// reader's "not present" message names it.
std::string resolve_atlas_path(std::string_view name, std::string_view referring_file);

// Shows a failed read: caption "  Message!", OK button, owned by `owner`
// (nullptr: no owner, as for the steel descriptor). Nothing for a success.
void report_atlas_failure(Window* owner, const AtlasReadResult& result);

// ---------------------------------------------------------------- descriptor
// Four file names (one token each, at most 255 characters), then four lines
// of at most 249 characters: line 5 (unused), the composition line (sixteen
// numbers in composition-record order), the micrograph line and the grade.
// All white space after the fourth name is skipped, blank lines included.
struct SteelDescriptor {
    std::string cct_curves;        // names as written in the file
    std::string property_curves;
    std::string labels;
    std::string structure;
    std::string fifth_line;        // lines without their line ends...
    std::string composition_line;
    std::string micrograph_line;
    std::string grade_line;        // ...except this one, whose line end becomes a blank
};
// Missing file: " File not present <path>".
AtlasReadResult read_steel_descriptor(const std::string& path, SteelDescriptor& descriptor);
AtlasReadResult read_steel_descriptor_text(std::string_view text, const std::string& path,
                                           SteelDescriptor& descriptor);

// The micrograph line "name width height th0 .. th5": picture file name, its
// size in pixels, six cooling-time thresholds in s. Returns how many of the
// nine fields were read from the start of the line (as a scan would).
struct MicrographLine {
    std::string file;
    unsigned width = 0;
    unsigned height = 0;
    std::array<double, 6> thresholds{};
};
int parse_micrograph_line(std::string_view line, MicrographLine& out);

// ---------------------------------------------------------------- curve sets
// In memory: element 0 holds N, elements 1..N-1 the numbers in file order
// (elements 1-4 the plot box x min, y min, x max, y max; 5-16 six range
// pairs; 17-24 reserved; from 25 the curve records [n, colour number, n + 1
// points x y, label value]). The vector holds exactly N elements.
using CurveSet = std::vector<double>;

inline constexpr int curve_set_header = 25;        // first curve record
inline constexpr int curve_set_max_count = 7999;   // largest N
inline constexpr int curve_max_points = 100;       // points per curve

// Reads a curve-set file; N must be a whole number from 25 to 7999, the file
// must hold the N - 1 numbers that follow (one more is allowed and ignored:
// a set's files may end with a spare value) and its curve records must fill the
// set exactly, each with 1 to 100 points and a colour number from 0 to
// 0xFFFFFF. On failure the set keeps the header and the whole curves before
// the fault (an empty set, N = 0, when the header itself is faulty).
// Missing file: " File not present <path>", the set empty.
AtlasReadResult read_curve_file(const std::string& path, CurveSet& curves);
AtlasReadResult read_curve_text(std::string_view text, const std::string& path, CurveSet& curves);

// ---------------------------------------------------------------- CCT labels
// A label text holds at most 7 characters (letters, not bytes: a Cyrillic
// letter is one character of two bytes); a file at most 2665 labels.
inline constexpr int label_text_max = 7;
inline constexpr int label_records_max = 2665;

// The bytes that separate the fields of every atlas file (a label text is
// one field, so it can hold none of them).
inline constexpr std::string_view atlas_white_space = " \t\n\r\v\f";

// The characters of a UTF-8 text.
std::size_t label_text_length(std::string_view text);
// Its first `characters` characters, never half of one.
std::string first_characters(std::string_view text, std::size_t characters);

struct LabelRecord {
    std::string text;   // at most 7 characters
    double x = 0;       // ln t, s
    double y = 0;       // temperature, °C
};

// Records "text x y" separated by any white space, in the fixed order the
// label drawing reads (three group definitions, six texts, two reference
// lines, then the group members). A file written by the digitizer starts
// with a count line; it is recognised (a whole number followed by exactly
// that many records) and checked, so both kinds read alike.
// Missing file: " File not present <path>", the records untouched.
AtlasReadResult read_label_file(const std::string& path, std::vector<LabelRecord>& records);
AtlasReadResult read_label_text(std::string_view text, const std::string& path, std::vector<LabelRecord>& records);

// ---------------------------------------------------------- structure table
// One header line (skipped whole), then records of five numbers in free
// format: t8/5 (s), ferrite %, bainite %, pearlite %, HV; the last record may
// hold only four. At most 200 records; a cooling time must be above 0.
struct StructureRow {
    double cooling_time = 0;   // t8/5, s
    double ferrite = 0;
    double bainite = 0;
    double pearlite = 0;
    double hv = 0;             // 0 in a last record of four numbers
    bool complete = true;      // false for that last record of four numbers
    double x = 0;              // ln t8/5
    double martensite = 0;     // 100 - ferrite - bainite - pearlite
};
inline constexpr int structure_rows_max = 200;
// Missing file: "File <path> not exist... ".
AtlasReadResult read_structure_table(const std::string& path, std::vector<StructureRow>& rows);
AtlasReadResult read_structure_text(std::string_view text, const std::string& path, std::vector<StructureRow>& rows);

// ---------------------------------------------------- Shorshorov steel file
// Three title lines, the micrograph line (the picture's name is its first
// word), one unused line, the composition line (fifteen numbers C Si Mn Cr Ni
// Mo S P Cu Nb Ti B Al N2 V), six cooling-rate thresholds in °C/s (numbers
// in free format, then all white space is skipped), four lines of which the
// fourth is the base-metal line, then rows of seven numbers in free format.
// The first two rows give the lower and upper ends of the axes; the data rows
// follow. At most 200 rows; every cooling rate must be above 0.
struct ShorshorovRow {
    double cooling_rate = 0;   // W, °C/s
    double hv = 0;
    double rm = 0;             // MPa
    double a = 0;              // %
    double z = 0;              // %
    double c6 = 0;             // 100 - ferrite, %
    double c7 = 0;             // martensite, %
    double x() const;          // ln |W|
    double martensite() const { return c7; }
    double ferrite() const { return 100.0 - c6; }
    double pearlite_bainite() const { return c6 - c7; }
};

struct ShorshorovSteelFile {
    std::array<std::string, 3> titles;
    std::string micrograph_line;
    std::string micrograph_file;   // first word of the micrograph line
    std::string unused_line;
    std::string composition_line;
    std::array<double, 6> thresholds{};
    std::array<std::string, 4> lines;   // lines[3]: the base-metal line
    std::vector<ShorshorovRow> rows;    // rows[0], rows[1]: axis ranges
    const std::string& base_metal_line() const { return lines[3]; }
};
inline constexpr int shorshorov_rows_max = 200;
// Missing file: "File <path> not exist... ".
AtlasReadResult read_shorshorov_steel_file(const std::string& path, ShorshorovSteelFile& steel);
AtlasReadResult read_shorshorov_steel_text(std::string_view text, const std::string& path,
                                           ShorshorovSteelFile& steel);
