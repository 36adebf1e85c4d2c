// Printed pages, written to PDF offscreen and read back with poppler's
// pdfinfo and pdftoppm: page counts, header rows and the first column
// repeated, nothing cut at the page edges, and a cancelled print.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <set>

#include "platform/qt/print/print_job.h"
#include "platform/qt/print/print_layout.h"
#include "platform/qt/print/print_page_painter.h"

using namespace n3;

namespace {

constexpr Colour kHeaderRed{255, 0, 0};
constexpr Colour kFirstColumnBlue{0, 0, 255};

// `rows` rows of which the first is a frozen header on red; `cols` columns
// of which the first is blue.
PrintDocument Document(int rows, int cols) {
    GridModel g;
    g.setSize(cols, rows);
    g.frozenRows = 1;
    g.setDefaultColumnWidth(6);
    g.setDefaultRowHeight(10);
    g.setBackground({1, 1, cols, 1}, kHeaderRed);
    g.setBackground({1, 2, 1, rows}, kFirstColumnBlue);
    g.gridLinesOnBlock(g.all(), colours::LineBlue);
    for (int c = 1; c <= cols; ++c) g.setText(c, 1, "列" + std::to_string(c));
    for (int r = 2; r <= rows; ++r) g.setNumber(1, r, r - 1);
    PrintDocument doc;
    doc.caption = "試験の表";
    doc.description = "説明の一行";
    doc.dateText = "印刷日 2026年01月01日";
    doc.rangeText = "第1回〜第9回";
    doc.addGrid(std::move(g));
    return doc;
}

// The printable area of the printer PrintToPdf sets up for `doc`.
QSize PageArea(const PrintDocument& doc, bool landscape = false) {
    QPrinter printer;
    PreparePrinter(printer, doc, landscape);
    return printer.pageLayout().paintRectPixels(int(kPrintDpi)).size();
}

int PdfPages(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    p.waitForFinished();
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("Pages:"))) return line.mid(6).trimmed().toInt();
    return -1;
}

// Page `page` of `pdf` rendered at `dpi`.
QImage RenderPage(const QString& pdf, int page, int dpi = 48) {
    const QString prefix = pdf + QStringLiteral("-page");
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
                                         QString::number(page), QStringLiteral("-l"), QString::number(page),
                                         QStringLiteral("-singlefile"), QStringLiteral("-png"), pdf, prefix});
    p.waitForFinished();
    return QImage(prefix + QStringLiteral(".png"));
}

int CountNear(const QImage& image, QRect area, QColor colour) {
    int n = 0;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) < 40 && std::abs(c.green() - colour.green()) < 40 &&
                std::abs(c.blue() - colour.blue()) < 40)
                ++n;
        }
    return n;
}

std::vector<int> BodyRowsOnPage(const PrintPage& page) {
    std::vector<int> rows;
    for (const PrintGridPiece& piece : page.grids)
        for (int r : piece.rows)
            if (r > 1) rows.push_back(r);
    return rows;
}

}  // namespace

TEST(PrintPages, PageCountFollowsTheRowsAndEveryRowPrintsOnce) {
    QTemporaryDir dir;
    const PrintDocument doc = Document(301, 4);
    const std::vector<PrintPage> pages = LayOutPages(doc, PageArea(doc));
    ASSERT_GE(pages.size(), 3u);

    std::vector<int> printed;
    for (const PrintPage& page : pages) {
        ASSERT_EQ(page.grids.size(), 1u);
        EXPECT_EQ(page.grids[0].rows.front(), 1);  // the header leads every page
        for (int r : BodyRowsOnPage(page)) printed.push_back(r);
    }
    std::vector<int> all(300);
    std::iota(all.begin(), all.end(), 2);
    EXPECT_EQ(printed, all);

    const QString pdf = dir.filePath(QStringLiteral("tall.pdf"));
    int count = 0;
    ASSERT_EQ(PrintToPdf(doc, pdf, false, {}, &count), PrintOutcome::Printed);
    EXPECT_EQ(count, int(pages.size()));
    EXPECT_EQ(PdfPages(pdf), int(pages.size()));

    // One more full page of rows makes one more page.
    const int perPage = int(BodyRowsOnPage(pages[1]).size());
    const PrintDocument longer = Document(301 + perPage, 4);
    EXPECT_EQ(LayOutPages(longer, PageArea(longer)).size(), pages.size() + 1);
}

TEST(PrintPages, HeaderRowRepeatsAtTheTopOfPageTwo) {
    QTemporaryDir dir;
    const PrintDocument doc = Document(200, 4);
    const QString pdf = dir.filePath(QStringLiteral("header.pdf"));
    ASSERT_EQ(PrintToPdf(doc, pdf, false), PrintOutcome::Printed);
    ASSERT_GE(PdfPages(pdf), 2);
    const QImage page2 = RenderPage(pdf, 2);
    ASSERT_FALSE(page2.isNull());
    const int h = page2.height(), w = page2.width();
    // The red header sits in the top tenth of page 2, nowhere lower.
    EXPECT_GT(CountNear(page2, QRect(0, 0, w, h / 10), Qt::red), 20);
    EXPECT_EQ(CountNear(page2, QRect(0, h / 10, w, h - h / 10), Qt::red), 0);
    // Page 1 has it too, under the heading.
    EXPECT_GT(CountNear(RenderPage(pdf, 1), QRect(0, 0, w, h / 5), Qt::red), 20);
}

TEST(PrintPages, WideGridGoesLandscapeAndRepeatsTheFirstColumn) {
    QTemporaryDir dir;
    const PrintDocument doc = Document(20, 90);
    const QSize portrait = PageArea(doc);
    EXPECT_GT(portrait.width(), portrait.height()) << "a grid too wide for portrait prints landscape";
    const std::vector<PrintPage> pages = LayOutPages(doc, portrait);
    ASSERT_GE(pages.size(), 2u);
    std::multiset<int> columns;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const PrintGridPiece& piece = pages[p].grids.at(0);
        EXPECT_EQ(piece.columns.front(), 1);
        for (std::size_t i = p == 0 ? 0 : 1; i < piece.columns.size(); ++i) columns.insert(piece.columns[i]);
    }
    for (int c = 1; c <= 90; ++c) EXPECT_EQ(columns.count(c), 1u) << "column " << c;

    const QString pdf = dir.filePath(QStringLiteral("wide.pdf"));
    ASSERT_EQ(PrintToPdf(doc, pdf, false), PrintOutcome::Printed);
    const QImage page2 = RenderPage(pdf, 2);
    EXPECT_GT(page2.width(), page2.height());
    // The blue first column again at the left of page 2.
    EXPECT_GT(CountNear(page2, QRect(0, 0, page2.width() / 8, page2.height()), Qt::blue), 50);
}

TEST(PrintPages, NothingIsCutAtThePageEdges) {
    QTemporaryDir dir;
    for (const PrintDocument& doc : {Document(150, 4), Document(60, 90)}) {
        const QSize area = PageArea(doc);
        const QRect page(QPoint(0, 0), area);
        const std::vector<PrintPage> pages = LayOutPages(doc, area);
        for (const PrintPage& p : pages) {
            for (const PrintTextPiece& t : p.texts) EXPECT_TRUE(page.contains(t.rect));
            for (const PrintGridPiece& g : p.grids) {
                EXPECT_TRUE(page.contains(QRect(g.origin, g.size)));
                EXPECT_FALSE(QRect(g.origin, g.size).intersects(p.footer));
            }
            EXPECT_TRUE(page.contains(p.footer));
        }
        // On paper: a white margin of 4 mm all round every page.
        const QString pdf = dir.filePath(QStringLiteral("edges.pdf"));
        ASSERT_EQ(PrintToPdf(doc, pdf, false), PrintOutcome::Printed);
        for (int n = 1; n <= int(pages.size()); ++n) {
            const QImage image = RenderPage(pdf, n);
            const int m = 48 * 4 / 25;  // 4 mm at 48 dpi
            const int w = image.width(), h = image.height();
            for (const QRect strip :
                 {QRect(0, 0, w, m), QRect(0, h - m, w, m), QRect(0, 0, m, h), QRect(w - m, 0, m, h)})
                EXPECT_EQ(CountNear(image, strip, Qt::white), strip.width() * strip.height()) << "page " << n;
        }
    }
}

TEST(PrintPages, CancelledPrintLeavesNoFileAndKeepsAnOlderOne) {
    QTemporaryDir dir;
    const PrintDocument doc = Document(300, 4);
    const QString pdf = dir.filePath(QStringLiteral("cancelled.pdf"));
    int seen = 0;
    const auto cancelAfterOne = [&seen](int done, int) {
        seen = done;
        return done < 1;
    };
    EXPECT_EQ(PrintToPdf(doc, pdf, false, cancelAfterOne), PrintOutcome::Cancelled);
    EXPECT_EQ(seen, 1);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());

    const QString older = dir.filePath(QStringLiteral("older.pdf"));
    {
        QFile f(older);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("older pages");
    }
    EXPECT_EQ(PrintToPdf(doc, older, false, cancelAfterOne), PrintOutcome::Cancelled);
    QFile f(older);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("older pages"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("older.pdf")});

    // A folder that does not exist: a failure, not a crash, and no file.
    EXPECT_EQ(PrintToPdf(doc, dir.filePath(QStringLiteral("missing/x.pdf")), false), PrintOutcome::Failed);
}

TEST(PrintPages, ChartsPrintAtThePageWidthThroughTheChartPainter) {
    QTemporaryDir dir;
    PrintDocument doc = Document(30, 4);
    ChartData chart;
    chart.title = "出現回数のグラフ";
    chart.series.push_back({"回数", SeriesKind::Bars, colours::Blue, {{0, 3, ""}, {1, 5, ""}}, {}});
    doc.addChart(chart);
    doc.addChart(chart);
    const QSize area = PageArea(doc);
    std::vector<std::pair<QRectF, std::string>> painted;
    SetChartPainter([&](QPainter&, const QRectF& rect, const ChartData& c) { painted.emplace_back(rect, c.title); });
    const auto outcome = PrintToPdf(doc, dir.filePath(QStringLiteral("chart.pdf")), false);
    SetChartPainter({});
    ASSERT_EQ(outcome, PrintOutcome::Printed);
    ASSERT_EQ(painted.size(), 2u);
    for (const auto& [rect, title] : painted) {
        EXPECT_EQ(title, "出現回数のグラフ");
        EXPECT_EQ(rect.width(), area.width());
        EXPECT_TRUE(QRectF(QPointF(0, 0), QSizeF(area)).contains(rect));
    }
}
