#pragma once
// "印刷": Qt's print preview of a window's document, from which the user
// prints to a printer or a PDF file. Long prints show a progress dialog
// that can cancel them.
#include <functional>

#include "platform/qt/print/print_job.h"

class QPrinter;
class QWidget;

namespace n3 {

void OpenPrintPreview(QWidget* parent, const PrintDocument& doc);

// Prints `doc` on `printer` under a progress dialog (a child of `parent`)
// that shows when the print lasts longer than half a second and whose
// "キャンセル" stops it; a failure is reported in a message box.
PrintOutcome PrintWithProgress(QWidget* parent, QPrinter& printer, const PrintDocument& doc);

// Test hook: while set, no dialog is shown; the responder gets the document
// the preview would have shown.
using PrintPreviewResponder = std::function<void(const PrintDocument&)>;
void SetPrintPreviewResponder(PrintPreviewResponder responder);

}  // namespace n3
