#pragma once
// Runs a print of a PrintDocument on a QPrinter: paper, a PDF file or the
// preview. Pages are reported as they are painted so that a long print can
// show its progress and be cancelled.
#include <QString>
#include <functional>

#include "platform/qt/print/print_document.h"

class QPrinter;

namespace n3 {

// Called after each page with the pages done and the page count; false
// cancels the print.
using PrintProgress = std::function<bool(int done, int count)>;

enum class PrintOutcome { Printed, Cancelled, Failed };

// A4 with 12 mm margins, landscape when `landscape` or when a grid of the
// document is too wide for portrait.
void PreparePrinter(QPrinter& printer, const PrintDocument& doc, bool landscape = false);

// Lays out and paints every page. A PDF is written under a temporary name
// beside the chosen one and takes its name only when complete, so a
// cancelled or failed print leaves no file (and an older file as it was).
PrintOutcome PaintDocument(QPrinter& printer, const PrintDocument& doc, const PrintProgress& progress = {},
                           int* pageCount = nullptr);

// The whole print to the PDF file `path`.
PrintOutcome PrintToPdf(const PrintDocument& doc, const QString& path, bool landscape,
                        const PrintProgress& progress = {}, int* pageCount = nullptr);

}  // namespace n3
