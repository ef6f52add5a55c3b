// Numbers in dialog texts, data files and drawn labels are always written and
// read in the C locale, whatever the user's locale or Qt's.
#pragma once

#include <string>
#include <string_view>

// printf-style formatting ("%g", "%-.3lg", "%3.0lf", ...) in the C locale.
std::string cformat(const char* format, ...) __attribute__((format(printf, 1, 2)));

// A text that reads back as exactly `value` ("%g" keeps six digits: 16711680
// would come back as 16711700): a whole number of up to 2^53 as a plain
// integer ("16711680", "100000"), any other number in its shortest round-trip
// form ("2.995732273553991", "1e-07"); no locale can change it. What is not
// finite is written as C's "%g" writes it ("inf", "nan"), which no reader of
// ours takes for a number.
std::string exact_number(double value);

// Reads the whole text as one finite decimal number (surrounding blanks
// allowed). Returns false and leaves value alone for anything else.
bool parse_double(std::string_view text, double& value);

// Leading-number conversion as the C library's strtod does it in the C locale
// (what a data-file reader wants): the number at the start, 0 when none;
// `end` receives how many characters were used.
double c_strtod(std::string_view text, std::size_t* end = nullptr);
