#include "platform/qt/print/print_job.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include "io/output_file.h"
#include "io/replace_target.h"

#include "platform/qt/print/print_layout.h"
#include "platform/qt/print/print_page_painter.h"

namespace n3 {

namespace {

constexpr double kMarginMm = 12;

// Pages go to any paged device: a printer, or the PDF writer of a file.
PrintOutcome PaintPages(QPagedPaintDevice& device, const PrintDocument& doc, const PrintProgress& progress,
                        int* pageCount) {
    const QSize area = device.pageLayout().paintRectPixels(int(kPrintDpi)).size();
    const std::vector<PrintPage> pages = LayOutPages(doc, area);
    if (pageCount) *pageCount = int(pages.size());
    // The count is known once the pages are laid out: a long print says so
    // before its first page is painted.
    if (progress && !progress(0, int(pages.size()))) return PrintOutcome::Cancelled;
    const PrintPagePainter pagePainter(doc);
    QPainter p;
    if (!p.begin(&device)) return PrintOutcome::Failed;
    const double sx = device.logicalDpiX() / kPrintDpi, sy = device.logicalDpiY() / kPrintDpi;
    const int count = int(pages.size());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !device.newPage()) {
            p.end();
            return PrintOutcome::Failed;
        }
        p.save();
        p.scale(sx, sy);
        pagePainter.paint(p, pages[std::size_t(i)], i + 1, count);
        p.restore();
        if (progress && !progress(i + 1, count)) {
            if (auto* printer = dynamic_cast<QPrinter*>(&device)) printer->abort();
            p.end();
            return PrintOutcome::Cancelled;
        }
    }
    return p.end() ? PrintOutcome::Printed : PrintOutcome::Failed;
}

QPageLayout LayoutFor(const PrintDocument& doc, bool landscape) {
    QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
    const int portraitWidth = layout.paintRectPixels(int(kPrintDpi)).width();
    if (landscape || PrefersLandscape(doc, portraitWidth)) layout.setOrientation(QPageLayout::Landscape);
    return layout;
}

// The whole PDF is made in memory and then written out at once through the
// file writer, which checks every write and replaces the older file only
// when the new one is complete.
PrintOutcome WritePdf(const QPageLayout& layout, const PrintDocument& doc, const std::string& target,
                      const PrintProgress& progress, int* pageCount, std::string* failure) {
    QByteArray bytes;
    PrintOutcome outcome = PrintOutcome::Failed;
    {
        QBuffer buffer(&bytes);
        if (!buffer.open(QIODevice::WriteOnly)) return PrintOutcome::Failed;
        QPdfWriter writer(&buffer);
        writer.setPageLayout(layout);
        writer.setResolution(int(kPrintDpi));
        writer.setTitle(QString::fromStdString(doc.caption));
        writer.setCreator(QStringLiteral("ナンバーズ3ズバリン"));
        outcome = PaintPages(writer, doc, progress, pageCount);
    }
    if (outcome != PrintOutcome::Printed) return outcome;
    // Parts a killed print of an older version left beside the file.
    if (target != kStandardOutputName) {
        const QFileInfo info(QString::fromStdString(target));
        RemoveStaleFiles(QFile::encodeName(info.absolutePath()).toStdString(),
                         QFile::encodeName(info.fileName()).toStdString() + ".", ".part.pdf");
    }
    const std::string reason = WriteOutputFile(target, bytes.toStdString());
    if (reason.empty()) return PrintOutcome::Printed;
    if (failure) *failure = reason;
    return PrintOutcome::Failed;
}

}  // namespace

bool IsPreview(QPrinter& printer) {
    // The preview records the pages as pictures, whatever file the printer
    // was last pointed at.
    const QPaintEngine* engine = printer.paintEngine();
    return engine && engine->type() == QPaintEngine::Picture;
}

void PreparePrinter(QPrinter& printer, const PrintDocument& doc, bool landscape) {
    printer.setFullPage(false);
    printer.setPageLayout(LayoutFor(doc, landscape));
    // Pages are laid out in print pixels; at that resolution the painter
    // needs no scaling, which keeps every drawing command of a PDF short
    // (lines and text stay vectors, sharp at any zoom).
    printer.setResolution(int(kPrintDpi));
    printer.setDocName(QString::fromStdString(doc.caption));
}

PrintOutcome PaintDocument(QPrinter& printer, const PrintDocument& doc, const PrintProgress& progress, int* pageCount,
                           std::string* failure) {
    const QString target = printer.outputFileName();
    if (IsPreview(printer) || printer.outputFormat() != QPrinter::PdfFormat || target.isEmpty())
        return PaintPages(printer, doc, progress, pageCount);
    return WritePdf(printer.pageLayout(), doc, QFile::encodeName(target).toStdString(), progress, pageCount, failure);
}

PrintOutcome PrintToPdf(const PrintDocument& doc, const QString& path, bool landscape, const PrintProgress& progress,
                        int* pageCount, std::string* failure) {
    const std::string target = QFile::encodeName(path).toStdString();
    return WritePdf(LayoutFor(doc, landscape), doc, target, progress, pageCount, failure);
}

}  // namespace n3
