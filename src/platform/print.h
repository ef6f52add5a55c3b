// Printing: the print dialog, then one document of pages on the chosen
// printer, drawn through a canvas.
//
//   PrintJob* job = print_dialog(main_window);   // nullptr: cancelled, nothing printed
//   if (job) {
//       print_start_doc(job, "readme.txt");
//       print_start_page(job);
//       Canvas* dc = print_canvas(job);            // page pixels; print_caps(job) for the size
//       ... draw ...
//       print_end_page(job);
//       print_end_doc(job);                        // spools, or writes the PDF file
//       print_close(job);
//   }
//
// Where the machine has no printer the pages go to a PDF file (in
// $VELMARIN_PDF_DIR, else the user's documents folder, else the home
// folder; an existing file or link is never overwritten, a number is
// added), and print_end_doc shows a message that names the file. The PDF is
// made in memory and written whole through the saver (file_write.h): a full
// disk, a missing or read-only folder give an error box with the reason and
// the name, never a message that it was written. print_pdf_only(true)
// chooses that path even when there are printers (tests).
#pragma once

#include "canvas.h"

#include <string>
#include <string_view>

struct Window;
struct PrintJob;

PrintJob* print_dialog(Window* owner);
bool print_start_doc(PrintJob* job, std::string_view document_name);
bool print_start_page(PrintJob* job);
Canvas* print_canvas(PrintJob* job);   // valid between start and end of a page
// Page size in pixels and millimetres and the resolution.
DeviceCaps print_caps(const PrintJob* job);
bool print_end_page(PrintJob* job);
bool print_end_doc(PrintJob* job);
void print_close(PrintJob* job);
// The PDF file the job writes ("" for a real printer).
std::string print_output_file(const PrintJob* job);
std::string print_document_name(const PrintJob* job);

void print_pdf_only(bool on);
