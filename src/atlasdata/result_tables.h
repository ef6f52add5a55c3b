// The small ruled tables under the atlas and steel-model diagrams:
// composition, phase structure and mechanical properties at the point.
//
// Each table is a member of its steel record (composition.h) and is built
// from the cell operations below: a heading cell of two or three lines, then
// one column per quantity, label in the first row and value(s) below. Numbers
// are written with "%-.3lg". Text is black, lines are solid black one pixel
// wide; the current font of the canvas is used as it is. Row heights and
// widths are the layout's where the font fits its rows; a taller font (a
// printer page) gets rows of its cell on the canvas drawn on, and the widths
// grow with them.
#pragma once

#include "composition.h"

#include <string>

class Canvas;

// Two-line heading at (x, top), (x, top + row_height); returns its width.
int draw_table_heading(const char* line1, const char* line2, int x, int top, int row_height, Canvas& dc);

// Three-line heading with separators between the rows; returns its width.
int draw_table_heading3(const char* line1, const char* line2, const char* line3,
                        int x, int top, int row_height, Canvas& dc);

// A column of label and value starting at x_cursor, which it advances by the
// column's width (the widest of min_width, the label measured with its
// terminating zero and the value, plus 10).
void draw_table_column(const char* label, double value, int& x_cursor, int min_width,
                       int top, int row_height, Canvas& dc);

// A column of label, rated value and initial value (three rows).
void draw_table_pair_column(const char* label, double rated, double initial, int& x_cursor,
                            int min_width, int top, int row_height, Canvas& dc);

// A table value as it is written: "%-.3lg".
std::string format_table_value(double value);
