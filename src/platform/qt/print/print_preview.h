#pragma once
// "印刷": Qt's print preview of a window's document, with the choices of
// what to print under the pages (PrintOptionsBar), from which the user
// prints to a printer or a PDF file. Long prints show a progress dialog
// that can cancel them; a PDF's place is told in the main window's status
// bar.
#include <functional>
#include <memory>

#include "platform/qt/print/print_choice.h"
#include "platform/qt/print/print_job.h"

class QPrintPreviewDialog;
class QPrintPreviewWidget;
class QPrinter;
class QWidget;

namespace n3 {

class PrintOptionsBar;

void OpenPrintPreview(QWidget* parent, const PrintDocument& doc);

// What the preview starts with: everything, or only the charts when the
// window showed its charts.
PrintChoice DefaultPrintChoice(const PrintDocument& doc);

// The preview dialog of a document and the choices under its pages; the
// pages follow every change of the choices.
class PrintPreview {
public:
    PrintPreview(QWidget* parent, PrintDocument doc);
    ~PrintPreview();
    PrintPreview(const PrintPreview&) = delete;
    PrintPreview& operator=(const PrintPreview&) = delete;

    QPrintPreviewDialog* dialog() const { return dialog_; }
    // Null when the document offers no choice.
    PrintOptionsBar* options() const { return options_; }
    // The document as chosen: what the pages show and a print puts on paper.
    const PrintDocument& printed() const { return printed_; }
    int pageCount() const;
    int exec();

private:
    void choose(const PrintChoice& choice);

    PrintDocument whole_;
    PrintDocument printed_;
    std::unique_ptr<QPrinter> printer_;
    QWidget* parent_;
    QPrintPreviewDialog* dialog_ = nullptr;
    QPrintPreviewWidget* preview_ = nullptr;
    PrintOptionsBar* options_ = nullptr;
};

// Prints `doc` on `printer` under a progress dialog (a child of `parent`)
// that shows when the print lasts longer than half a second, counts the
// pages and whose "キャンセル" stops it; a failure is reported in a message
// box, and a PDF written is reported in the status bar of the main window
// that holds `parent`.
PrintOutcome PrintWithProgress(QWidget* parent, QPrinter& printer, const PrintDocument& doc);

// Test hook: while set, no dialog is shown; the responder gets the document
// the preview would have shown at first.
using PrintPreviewResponder = std::function<void(const PrintDocument&)>;
void SetPrintPreviewResponder(PrintPreviewResponder responder);

}  // namespace n3
