#pragma once
// Runs a print of a PrintDocument on a QPrinter: paper, a PDF file or the
// preview. Pages are reported as they are painted so that a long print can
// show its progress and be cancelled.
#include <QString>
#include <functional>
#include <string>

#include "platform/qt/common/print_document.h"

class QPrinter;

namespace n3 {

// Called once the pages are laid out (done 0) and after each page with the
// pages done and the page count; false cancels the print.
using PrintProgress = std::function<bool(int done, int count)>;

enum class PrintOutcome { Printed, Cancelled, Failed };

// A4 with 12 mm margins, landscape when `landscape` or when a grid of the
// document is too wide for portrait.
void PreparePrinter(QPrinter& printer, const PrintDocument& doc, bool landscape = false);

// True while `printer` paints the pages of a print preview.
bool IsPreview(QPrinter& printer);

// Lays out and paints every page. A PDF is made in memory and written by
// WriteOutputFile (io/output_file.h): a regular file is replaced only when
// every byte of the new one is on disk (links written through,
// write-protected files refused), a FIFO or a character device is written
// into, so a cancelled or failed print leaves an older file as it was.
// `failure` receives the reason when writing the file failed.
PrintOutcome PaintDocument(QPrinter& printer, const PrintDocument& doc, const PrintProgress& progress = {},
                           int* pageCount = nullptr, std::string* failure = nullptr);

// The whole print to the PDF file `path` ("-": standard output).
PrintOutcome PrintToPdf(const PrintDocument& doc, const QString& path, bool landscape,
                        const PrintProgress& progress = {}, int* pageCount = nullptr, std::string* failure = nullptr);

}  // namespace n3
