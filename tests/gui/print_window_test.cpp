// 印刷 in an analysis window, and the cells on paper painted as on screen.
#include <gtest/gtest.h>

#include <memory>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "core/startup_statistics.h"
#include "fake_host.h"
#include "platform/qt/analysis/analysis_window.h"
#include "platform/qt/common/dialogs.h"
#include "platform/qt/grid/grid_view.h"
#include "platform/qt/print/print_layout.h"
#include "platform/qt/print/print_page_painter.h"
#include "platform/qt/print/print_preview.h"
#include "platform/store/database.h"
#include "test_history.h"
#include "windows/window_table.h"

using namespace n3;

namespace {

using Host = n3::testing::FakeHost;

std::vector<std::string> Texts(const GridModel& grid) {
    std::vector<std::string> out;
    for (int r = 1; r <= grid.rows(); ++r)
        for (int c = 1; c <= grid.columns(); ++c) out.push_back(grid.text(c, r));
    return out;
}

}  // namespace

TEST(PrintWindowGui, PrintButtonPreviewsTheGridTheWindowShows) {
    Host host(n3::testing::generatedHistory(40, 3));
    host.yieldRunsEvents = false;
    const AnalysisWindowInfo* info = FindAnalysisWindow("出現間隔分析");
    ASSERT_TRUE(info && info->printButton);
    AnalysisWindow window(host, *info);
    window.load();
    window.show();
    ASSERT_NE(window.printButton(), nullptr);

    std::vector<PrintDocument> previewed;
    SetPrintPreviewResponder([&](const PrintDocument& doc) { previewed.push_back(doc); });
    QTest::mouseClick(window.printButton(), Qt::LeftButton);
    SetPrintPreviewResponder({});
    ASSERT_EQ(previewed.size(), 1u);
    const PrintDocument& doc = previewed[0];
    EXPECT_EQ(doc.caption, std::string(info->caption));
    EXPECT_EQ(doc.description, std::string(info->description));
    EXPECT_EQ(doc.rangeText, "第1回〜第40回");
    // The grid first, then every chart of the window's グラフ tab, in order.
    const std::vector<ChartData> charts = BuildWindowContent(*info, InputOf(host.snapshot())).charts();
    ASSERT_FALSE(charts.empty());
    ASSERT_EQ(doc.items.size(), 1 + charts.size());
    EXPECT_EQ(doc.items[0].kind, PrintItem::Kind::Grid);
    for (std::size_t i = 0; i < charts.size(); ++i) {
        EXPECT_EQ(doc.items[1 + i].kind, PrintItem::Kind::Chart);
        EXPECT_EQ(doc.items[1 + i].chart.title, charts[i].title);
    }
    EXPECT_EQ(Texts(doc.items[0].grid), Texts(window.grid()->gridModel()));
    EXPECT_EQ(doc.items[0].grid.frozenRows, window.grid()->gridModel().frozenRows);
}

// The same cells on screen and on a page, both at 96 dpi: grounds, borders
// and texts come out pixel for pixel alike, spans included.
TEST(PrintWindowGui, PaperShowsTheCellsAsTheScreenDoes) {
    GridModel g;
    g.setSize(5, 4);
    g.setDefaultRowHeight(12);
    g.setDefaultColumnWidth(5);
    g.setBackground({1, 1, 5, 1}, colours::HeaderYellow);
    g.setBackground({2, 2, 3, 4}, colours::LabelCyan);
    g.gridLinesOnBlock(g.all(), colours::LineBlue);
    g.outlineBlock({1, 1, 5, 4}, colours::Red);
    g.addSpan(2, 1, 3, 1);
    g.setText(2, 1, "見出し");
    g.setText(1, 3, "●");
    g.setForeground(1, 3, colours::MarkBlue);
    g.setNumber(4, 4, 42);

    GridView view;
    view.resize(400, 200);
    view.setGridModel(g);
    view.show();
    const QImage screen = view.body()->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect onScreen(0, 0, view.body()->columnViewportPosition(4) + view.body()->columnWidth(4),
                         view.body()->rowViewportPosition(3) + view.body()->rowHeight(3));
    ASSERT_EQ(view.body()->logicalDpiY(), 96) << "the comparison needs a 96 dpi screen";

    PrintDocument doc;
    doc.addGrid(g);
    const QSize area(600, 400);
    const std::vector<PrintPage> pages = LayOutPages(doc, area);
    ASSERT_EQ(pages.size(), 1u);
    QImage paper(area, QImage::Format_RGB32);
    paper.fill(Qt::white);
    {
        QPainter p(&paper);
        PrintPagePainter(doc).paint(p, pages[0], 1, 1);
    }
    const PrintGridPiece& piece = pages[0].grids.at(0);
    ASSERT_EQ(piece.size, onScreen.size());
    int differ = 0;
    for (int y = 0; y < onScreen.height(); ++y)
        for (int x = 0; x < onScreen.width(); ++x)
            if (screen.pixel(x, y) != paper.pixel(piece.origin.x() + x, piece.origin.y() + y)) ++differ;
    EXPECT_EQ(differ, 0);
}

// A print that cannot be written says so in Japanese, and leaves no file.
TEST(PrintWindowGui, FailedPrintIsReportedInAMessage) {
    QTemporaryDir dir;
    PrintDocument doc;
    GridModel g;
    g.setSize(3, 50);
    doc.addGrid(g);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("no/such/folder/x.pdf")));
    PreparePrinter(printer, doc);
    std::vector<dialogs::MessageRequest> shown;
    dialogs::SetMessageResponder([&](const dialogs::MessageRequest& r) {
        shown.push_back(r);
        return dialogs::Result::Ok;
    });
    QWidget parent;
    EXPECT_EQ(PrintWithProgress(&parent, printer, doc), PrintOutcome::Failed);
    dialogs::SetMessageResponder({});
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, QStringLiteral("印刷できませんでした。出力先を確かめてください。"));
    EXPECT_EQ(shown[0].icon, dialogs::Icon::Critical);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
}
