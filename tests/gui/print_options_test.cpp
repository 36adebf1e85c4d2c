// Printing what the user wants: the choices under the print preview (the
// range of draws, table and/or charts) followed by the pages, 対象 naming
// the draws that print, and the status bar naming the PDF written.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMainWindow>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "fake_host.h"
#include "platform/qt/analysis/analysis_window.h"
#include "platform/qt/charts/chart_view.h"
#include "platform/qt/print/print_options_bar.h"
#include "platform/qt/print/print_preview.h"
#include "test_history.h"
#include "windows/draw_rows.h"
#include "windows/window_table.h"

using namespace n3;

namespace {

using Host = n3::testing::FakeHost;

// The document 印刷 hands to the preview, from the window as it stands.
PrintDocument Printed(AnalysisWindow& window) {
    std::vector<PrintDocument> previewed;
    SetPrintPreviewResponder([&](const PrintDocument& doc) { previewed.push_back(doc); });
    QTest::mouseClick(window.printButton(), Qt::LeftButton);
    SetPrintPreviewResponder({});
    return previewed.empty() ? PrintDocument{} : previewed[0];
}

int Count(const PrintDocument& doc, PrintItem::Kind kind) {
    return int(
        std::count_if(doc.items.begin(), doc.items.end(), [kind](const PrintItem& i) { return i.kind == kind; }));
}

const PrintItem* FirstGrid(const PrintDocument& doc) {
    for (const PrintItem& i : doc.items)
        if (i.kind == PrintItem::Kind::Grid) return &i;
    return nullptr;
}

// Replaces the number in a spin box as the user does: click, select all, type.
void TypeInto(QSpinBox* box, const QString& text) {
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, text);
}

class PrintOptions : public ::testing::Test {
protected:
    void SetUp() override {
        host.yieldRunsEvents = false;
        window = std::make_unique<AnalysisWindow>(host, *FindAnalysisWindow("出現間隔分析"));
        window->load();
        window->resize(900, 600);
        window->show();
    }
    // Enough draws for a print that shows its progress while the preview
    // makes its pages again after each choice.
    Host host{n3::testing::generatedHistory(1500, 5)};
    std::unique_ptr<AnalysisWindow> window;
};

}  // namespace

TEST_F(PrintOptions, FromTheChartTabOnlyTheChartsPrint) {
    const PrintDocument fromTable = Printed(*window);
    EXPECT_EQ(Count(fromTable, PrintItem::Kind::Grid), 1);
    EXPECT_GT(Count(fromTable, PrintItem::Kind::Chart), 0);

    QTabBar* tabs = window->views()->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(window->views()->indexOf(window->chartView())).center());
    const PrintDocument fromCharts = Printed(*window);
    EXPECT_EQ(Count(fromCharts, PrintItem::Kind::Grid), 0);
    EXPECT_EQ(Count(fromCharts, PrintItem::Kind::Chart), Count(fromTable, PrintItem::Kind::Chart));
}

TEST_F(PrintOptions, TheChoicesUnderThePreviewChangeThePages) {
    PrintPreview preview(window.get(), *window->printDocument());
    ASSERT_NE(preview.options(), nullptr);
    preview.dialog()->show();
    const int everything = preview.pageCount();
    EXPECT_GT(everything, 20);
    const int charts = Count(preview.printed(), PrintItem::Kind::Chart);

    auto* tableOnly = preview.options()->findChild<QRadioButton*>(QStringLiteral("partsTable"));
    QTest::mouseClick(tableOnly, Qt::LeftButton);
    EXPECT_EQ(Count(preview.printed(), PrintItem::Kind::Chart), 0);
    EXPECT_EQ(preview.pageCount(), everything - charts);  // each chart had a page of its own

    auto* chartsOnly = preview.options()->findChild<QRadioButton*>(QStringLiteral("partsCharts"));
    QTest::mouseClick(chartsOnly, Qt::LeftButton);
    EXPECT_EQ(Count(preview.printed(), PrintItem::Kind::Grid), 0);
    EXPECT_EQ(preview.pageCount(), charts);

    // The newest 10 draws: ten rows, and 対象 names them.
    QTest::mouseClick(preview.options()->findChild<QRadioButton*>(QStringLiteral("partsBoth")), Qt::LeftButton);
    TypeInto(preview.options()->findChild<QSpinBox*>(QStringLiteral("newestDraws")), QStringLiteral("10"));
    EXPECT_TRUE(preview.options()->findChild<QRadioButton*>(QStringLiteral("rangeNewest"))->isChecked());
    const PrintItem* grid = FirstGrid(preview.printed());
    ASSERT_NE(grid, nullptr);
    ASSERT_TRUE(grid->onlyRows.has_value());
    ASSERT_EQ(grid->onlyRows->size(), 10u);
    EXPECT_EQ(DrawNoOfRow(grid->grid, grid->onlyRows->front()), 1491);
    EXPECT_EQ(DrawNoOfRow(grid->grid, grid->onlyRows->back()), 1500);
    EXPECT_EQ(preview.printed().rangeText, "第1491回〜第1500回");
    EXPECT_EQ(preview.pageCount(), 1 + charts);
    // The charts count those draws only and say so, also when they print alone.
    const auto chartsName = [&preview](const std::string& range) {
        int named = 0;
        for (const PrintItem& i : preview.printed().items)
            named += i.kind == PrintItem::Kind::Chart && i.chart.title.find(range) != std::string::npos;
        return named;
    };
    EXPECT_EQ(chartsName("（第1491回～第1500回）"), charts);
    QTest::mouseClick(chartsOnly, Qt::LeftButton);
    EXPECT_EQ(chartsName("（第1491回～第1500回）"), charts);
    EXPECT_EQ(preview.printed().rangeText, "第1491回〜第1500回");
    QTest::mouseClick(preview.options()->findChild<QRadioButton*>(QStringLiteral("partsBoth")), Qt::LeftButton);

    // 第100回〜第120回.
    TypeInto(preview.options()->findChild<QSpinBox*>(QStringLiteral("fromDraw")), QStringLiteral("100"));
    TypeInto(preview.options()->findChild<QSpinBox*>(QStringLiteral("toDraw")), QStringLiteral("120"));
    EXPECT_TRUE(preview.options()->findChild<QRadioButton*>(QStringLiteral("rangeFromTo"))->isChecked());
    grid = FirstGrid(preview.printed());
    ASSERT_TRUE(grid && grid->onlyRows);
    EXPECT_EQ(grid->onlyRows->size(), 21u);
    EXPECT_EQ(preview.printed().rangeText, "第100回〜第120回");

    QTest::mouseClick(preview.options()->findChild<QRadioButton*>(QStringLiteral("rangeAll")), Qt::LeftButton);
    EXPECT_EQ(preview.pageCount(), everything);
    EXPECT_EQ(preview.printed().rangeText, "第1回〜第1500回");
}

// A line that headed only the table goes with it when the charts print alone.
TEST(PrintOptionsOffer, NoHeadingPrintsWithoutItsContent) {
    PrintDocument doc;
    doc.addText("［表］");
    doc.addGrid(GridModel());
    doc.addText("年ごとの推移");
    doc.addChart(ChartData());
    PrintChoice choice;
    choice.parts = PrintParts::ChartsOnly;
    const PrintDocument printed = ApplyPrintChoice(doc, choice);
    ASSERT_EQ(printed.items.size(), 2u);
    EXPECT_EQ(printed.items[0].text, "年ごとの推移");
    EXPECT_EQ(printed.items[1].kind, PrintItem::Kind::Chart);
}

// A window whose rows are no draws offers no range, and one without charts
// no parts: its preview has no choices to make.
TEST(PrintOptionsOffer, OnlyWhatTheWindowHasIsOffered) {
    Host host(n3::testing::generatedHistory(60, 2));
    host.yieldRunsEvents = false;
    AnalysisWindow plain(host, *FindAnalysisWindow("回数別出現分析"));
    plain.load();
    const PrintOffer none = OfferOf(*plain.printDocument());
    EXPECT_FALSE(none.parts);
    EXPECT_FALSE(none.range);
    AnalysisWindow draws(host, *FindAnalysisWindow("出現間隔分析"));
    draws.load();
    const PrintOffer both = OfferOf(*draws.printDocument());
    EXPECT_TRUE(both.parts);
    EXPECT_TRUE(both.range);
    EXPECT_EQ(both.firstDraw, 1);
    EXPECT_EQ(both.lastDraw, 60);
}

// A draw still being typed is in no analysis, and the page's 対象 ends at
// the last draw the page shows.
TEST(PrintOptionsOffer, TargetNamesTheLastPrintedDraw) {
    DrawHistory h = n3::testing::generatedHistory(40, 3);
    Draw typing;
    typing.drawNo = 41;
    typing.digits[0] = 3;
    h.push_back(typing);
    Host host(h);
    host.yieldRunsEvents = false;
    for (const char* name : {"出現間隔分析", "出現頻度分析"}) {
        AnalysisWindow window(host, *FindAnalysisWindow(name));
        window.load();
        EXPECT_EQ(window.printDocument()->rangeText, "第1回〜第40回") << name;
    }
}

// After a print to a PDF file the main window's status bar says where it went.
TEST(PrintStatus, StatusBarNamesThePdfWritten) {
    Host host(n3::testing::generatedHistory(30, 4));
    host.yieldRunsEvents = false;
    QMainWindow main;
    auto* window = new AnalysisWindow(host, *FindAnalysisWindow("出現回数分析"));
    main.setCentralWidget(window);
    window->load();
    main.show();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("出現回数.pdf"));
    // The preview's print to a file, as its print button runs it.
    SetPrintPreviewResponder([&](const PrintDocument& doc) {
        QPrinter printer(QPrinter::HighResolution);
        PreparePrinter(printer, doc);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        EXPECT_EQ(PrintWithProgress(window, printer, doc), PrintOutcome::Printed);
    });
    QTest::keyClick(window->printButton(), Qt::Key_Space);
    SetPrintPreviewResponder({});
    EXPECT_TRUE(QFileInfo::exists(pdf));
    EXPECT_TRUE(main.statusBar()->currentMessage().contains(pdf)) << main.statusBar()->currentMessage().toStdString();
}

namespace {

// Notes every progress dialog that shows, with its text when it does.
class ProgressWatch : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            if (auto* dialog = qobject_cast<QProgressDialog*>(watched)) {
                shown << dialog->labelText();
                maxima << dialog->maximum();
            }
        return false;
    }
    QStringList shown;
    QList<int> maxima;
};

}  // namespace

// A long print shows how far it is from its first page on, and says the count.
TEST(PrintStatus, ALongPrintShowsItsProgressAtOnce) {
    Host host(n3::testing::generatedHistory(3000, 6));
    host.yieldRunsEvents = false;
    AnalysisWindow window(host, *FindAnalysisWindow("出現間隔分析"));
    window.load();
    window.show();
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    const PrintDocument doc = *window.printDocument();
    PreparePrinter(printer, doc);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("long.pdf")));
    ProgressWatch watch;
    qApp->installEventFilter(&watch);
    const PrintOutcome outcome = PrintWithProgress(&window, printer, doc);
    qApp->removeEventFilter(&watch);
    EXPECT_EQ(outcome, PrintOutcome::Printed);
    ASSERT_EQ(watch.shown.size(), 1);
    EXPECT_TRUE(watch.shown[0].contains(QStringLiteral(" ページ")))
        << watch.shown[0].toStdString();  // "… 0 / N ページ"
    EXPECT_GE(watch.maxima[0], 20);
}

// A chart that does not come from the rows stays over every draw beside a
// table of some of them, and its title says 全回; with the charts alone
// the table's heading, and the blank line above it, go with the table.
TEST(PrintChoiceOfDraws, AChartThatCannotFollowTheDrawsSaysWholeHistory) {
    PrintDocument doc;
    doc.rowsAreDraws = true;
    GridModel grid;
    grid.setSize(2, 11);
    grid.frozenRows = 1;
    for (int r = 2; r <= 11; ++r) grid.setNumber(1, r, r - 1);
    doc.addText("");
    doc.addText("［表］");
    doc.addGrid(grid);
    ChartData chart;
    chart.title = "ストレートの当せん金額の年平均";
    doc.addText("［グラフ］");
    doc.addChart(chart);
    for (const PrintParts parts : {PrintParts::TableAndCharts, PrintParts::ChartsOnly}) {
        const PrintDocument printed =
            ApplyPrintChoice(doc, {.parts = parts, .range = PrintRange::FromTo, .newest = 100, .from = 3, .to = 5});
        ASSERT_FALSE(printed.items.empty());
        EXPECT_EQ(printed.items.back().chart.title, "ストレートの当せん金額の年平均（全回）");
        EXPECT_EQ(Count(printed, PrintItem::Kind::Text), parts == PrintParts::ChartsOnly ? 1 : 3);
    }
    const PrintDocument all = ApplyPrintChoice(doc, {});
    EXPECT_EQ(all.items.back().chart.title, "ストレートの当せん金額の年平均");
}
