// 曜日・月別分析, ミニ分析 and ペア分析 in the main window: opened from the
// menu, their tabs clicked, the range and a CSV import with dates followed
// live, the print holding every tab's grid, the sortable ミニ table.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "analysis/deviation_colour.h"
#include "platform/qt/analysis/analysis_window.h"
#include "platform/qt/analysis/range_controls.h"
#include "platform/qt/common/dialogs.h"
#include "platform/qt/frame/main_window.h"
#include "platform/qt/grid/grid_view.h"
#include "platform/qt/print/print_preview.h"
#include "platform/store/draw_store.h"
#include "platform/store/result_store.h"
#include "temp_dir.h"
#include "test_history.h"

using namespace n3;
using n3::testing::TempDir;

namespace {

// Dates for draws first..last when draw 1 falls on Monday 2024-01-01 and
// every weekday has one draw.
ResultHistory WeekdayDates(int first, int last) {
    ResultHistory results;
    int drawNo = 1;
    for (int day = 0; drawNo <= last; ++day) {
        if (day % 7 >= 5) continue;
        if (drawNo >= first) {
            DrawResult r;
            r.drawNo = drawNo;
            const int month = day < 31 ? 1 : day < 60 ? 2 : 3;
            const int dom = day < 31 ? day + 1 : day < 60 ? day - 30 : day - 59;
            r.date = "2024-0" + std::to_string(month) + (dom < 10 ? "-0" : "-") + std::to_string(dom);
            results.push_back(r);
        }
        ++drawNo;
    }
    return results;
}

void ClickTab(QTabWidget* tabs, int index) {
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

int Count(const GridModel& grid, int col, int row) { return std::stoi(grid.text(col, row)); }

class DigitViews : public ::testing::Test {
protected:
    void SetUp() override {
        DrawStore store = DrawStore::Open(db);
        const DrawHistory draws = n3::testing::generatedHistory(60, 5);
        ASSERT_TRUE(ImportDrawsAndResults(store, draws, WeekdayDates(11, 60), false).ok());
        dialogs::SetMessageResponder([this](const dialogs::MessageRequest& r) {
            messages.push_back(r.text.toStdString());
            return r.buttons == dialogs::Buttons::YesNo ? dialogs::Result::Yes : dialogs::Result::Ok;
        });
        dialogs::SetFileResponder([this](const dialogs::FileRequest&) { return chosenFile; });
        SetPrintPreviewResponder([this](const PrintDocument& doc) { printed.push_back(doc); });
        main = std::make_unique<MainWindow>(db, dir.file("settings.ini"));
        ASSERT_TRUE(main->startUp());
        main->resize(1400, 900);
        main->show();
    }
    void TearDown() override {
        main.reset();
        SetPrintPreviewResponder(nullptr);
        dialogs::SetMessageResponder(nullptr);
        dialogs::SetFileResponder(nullptr);
    }
    AnalysisWindow* open(const char* menu, const char* windowClass) {
        main->trigger(QString::fromUtf8(menu));
        return qobject_cast<AnalysisWindow*>(main->child(QString::fromUtf8(windowClass)));
    }

    TempDir dir;
    std::string db = dir.file("n3.db");
    std::vector<std::string> messages;
    std::vector<PrintDocument> printed;
    QString chosenFile;
    std::unique_ptr<MainWindow> main;
};

}  // namespace

TEST_F(DigitViews, CalendarTabsRangeLiveImportAndPrint) {
    AnalysisWindow* w = open("calendarDigits", "曜日月別分析");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "曜日・月別分析");
    ASSERT_NE(w->views(), nullptr);
    ASSERT_EQ(w->views()->count(), 3);
    EXPECT_EQ(w->views()->tabText(0), "曜日");
    EXPECT_EQ(w->views()->tabText(1), "月");
    EXPECT_EQ(w->views()->tabText(2), "検定");
    ASSERT_EQ(w->moreGrids().size(), 2u);
    EXPECT_EQ(w->headline()->text(), "曜日・月による数字の偏りは偶然と区別できません");
    // 50 dated draws, ten a weekday; draws 1..10 have no date.
    const GridModel& weekdays = w->grid()->gridModel();
    EXPECT_NE(weekdays.text(1, 2).find("曜日・月を数えた回 50 回　（抽せん日のない回 10 回は数えていません）"),
              std::string::npos);
    EXPECT_EQ(weekdays.text(1, 5), "月曜");
    EXPECT_EQ(Count(weekdays, 2, 5), 10);
    EXPECT_EQ(weekdays.text(1, 9), "金曜");

    ClickTab(w->views(), 1);
    EXPECT_TRUE(w->moreGrids()[0]->isVisible());
    const GridModel& months = w->moreGrids()[0]->gridModel();
    EXPECT_EQ(months.text(1, 5), "1月");
    EXPECT_EQ(Count(months, 2, 5) + Count(months, 2, 6) + Count(months, 2, 7), 50);

    // 対象の範囲: draws 41..60 only.
    RangeControls* range = w->rangeControls();
    ASSERT_NE(range, nullptr);
    range->choice()->setFocus();
    for (int i = 0; i < 4; ++i) QTest::keyClick(range->choice(), Qt::Key_Down);
    ASSERT_TRUE(range->fromBox()->isEnabled());
    range->fromBox()->setFocus();
    QTest::keyClick(range->fromBox(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(range->fromBox(), QStringLiteral("41"));
    QTest::keyClick(range->fromBox(), Qt::Key_Tab);
    {
        QSignalSpy computed(w, &AnalysisWindow::computed);
        QTest::mouseClick(range->recomputeButton(), Qt::LeftButton);
        ASSERT_TRUE(computed.wait(10000));
    }
    EXPECT_EQ(Count(w->grid()->gridModel(), 2, 5), 4);  // Mondays among 41..60
    EXPECT_NE(w->grid()->gridModel().text(1, 2).find("曜日・月を数えた回 20 回"), std::string::npos);

    // A CSV with dates brings draw 61, a Monday (2024-03-25): the window follows.
    chosenFile =
        QString::fromStdString(dir.write("more.csv", "回号,抽せん日,第1数字,第2数字,第3数字\n61,2024-03-25,1,2,3\n"));
    {
        QSignalSpy computed(w, &AnalysisWindow::computed);
        ASSERT_TRUE(main->trigger(QStringLiteral("importCsv")));
        ASSERT_TRUE(computed.wait(10000));
    }
    EXPECT_EQ(Count(w->grid()->gridModel(), 2, 5), 5);
    EXPECT_EQ(main->child(QStringLiteral("曜日月別分析")), w);

    ASSERT_TRUE(main->trigger(QStringLiteral("print")));
    ASSERT_EQ(printed.size(), 1u);
    int grids = 0;
    std::vector<std::string> texts;
    for (const auto& item : printed[0].items) {
        if (item.grid.rows() > 0) ++grids;
        texts.push_back(item.text);
    }
    EXPECT_EQ(grids, 3);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "［検定］"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "曜日・月による数字の偏りは偶然と区別できません"), texts.end());
}

TEST_F(DigitViews, MiniTableSortsByBlankAndPairsOpen) {
    AnalysisWindow* mini = open("miniGaps", "ミニ分析");
    ASSERT_NE(mini, nullptr);
    EXPECT_EQ(mini->views()->tabText(1), "グラフ");
    ASSERT_NE(mini->tableView(), nullptr);
    ClickTab(mini->views(), 2);
    QTableView* table = mini->tableView();
    ASSERT_TRUE(table->isVisible());
    QHeaderView* header = table->horizontalHeader();
    // Two clicks on ブランク: the longest first; with 60 draws a value that never came leads with 60.
    for (int i = 0;
         i < 2 && !(header->sortIndicatorSection() == 4 && header->sortIndicatorOrder() == Qt::DescendingOrder); ++i)
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(4) + header->sectionSize(4) / 2, 5));
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    EXPECT_EQ(table->model()->index(0, 4).data().toString(), "60");
    EXPECT_EQ(table->model()->index(0, 3).data().toString(), "－");
    EXPECT_TRUE(mini->headline()->text().startsWith("ミニの出方"));

    AnalysisWindow* pairs = open("digitPairs", "ペア分析");
    ASSERT_NE(pairs, nullptr);
    EXPECT_EQ(pairs->grid()->gridModel().text(1, 4), "第1＼第2");
    EXPECT_TRUE(pairs->headline()->text().contains("偶然と区別できません"));
    EXPECT_TRUE(messages.empty());
}

// A view whose verdict is chance shows no coloured count and says what a
// colour would mean (a coloured count: digit_pairs_test.cpp).
TEST_F(DigitViews, ColoursMarkOnlyCountsBeyondTheCorrectedTest) {
    const Colour above = SignalColour(10, 10, 0.1, {}), below = SignalColour(0, 100, 0.5, {});
    const auto coloured = [&](const GridModel& grid) {
        int cells = 0;
        for (int r = 1; r <= grid.rows(); ++r)
            for (int c = 1; c <= grid.columns(); ++c) {
                const Colour bg = grid.style(c, r).background;
                cells += bg == above || bg == below;
            }
        return cells;
    };
    for (const auto& [menu, name] : {std::pair{"calendarDigits", "曜日月別分析"}, std::pair{"miniGaps", "ミニ分析"},
                                     std::pair{"digitPairs", "ペア分析"}}) {
        AnalysisWindow* w = open(menu, name);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_TRUE(w->headline()->text().contains("偶然と区別できません")) << name;
        EXPECT_EQ(coloured(w->grid()->gridModel()), 0) << name;
        const GridModel& grid = w->grid()->gridModel();
        // ミニ分析's description names the colours; the others say it above the grid too.
        EXPECT_TRUE(std::string_view(name) == "ミニ分析" || grid.text(1, 1).ends_with(kSignalLegend) ||
                    grid.text(1, 2) == kSignalLegend)
            << name;
    }
}
