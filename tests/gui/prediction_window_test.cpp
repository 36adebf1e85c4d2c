// The prediction window on screen: the load, clicks on the option panel
// that recompute the grids, and the flags that outlive the window.
#include <gtest/gtest.h>

#include <memory>

#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/startup_statistics.h"
#include "fake_host.h"
#include "platform/qt/grid/grid_view.h"
#include "platform/qt/prediction/prediction_window.h"
#include "platform/qt/print/print_preview.h"
#include "platform/store/database.h"
#include "settings/settings.h"

using namespace n3;

namespace {

using n3::testing::FakeHost;

DrawHistory History(int n) {
    DrawHistory h;
    for (int i = 1; i <= n; ++i) {
        Draw d;
        d.drawNo = i;
        d.digits = {(i * 7) % 10, (i * 3 + 1) % 10, (i * i) % 10};
        h.push_back(d);
    }
    return h;
}

std::vector<std::string> Texts(const GridModel& grid) {
    std::vector<std::string> out;
    for (int r = 1; r <= grid.rows(); ++r)
        for (int c = 1; c <= grid.columns(); ++c) out.push_back(grid.text(c, r));
    return out;
}

// What a window opened with these flags shows in grid `index`.
std::vector<std::string> Expected(const DrawHistory& history, const OptionFlags& flags, int index) {
    Settings freshSettings;
    一発ズバリン fresh(freshSettings);
    for (int i = 0; i < kOptionFlagCount; ++i) fresh.OptionClicked(i, flags[std::size_t(i)]);
    fresh.BuildPrediction(history, LoadStartupStatistics(history).LatestDrawNo);
    return Texts(fresh.grids()[std::size_t(index)]);
}

}  // namespace

TEST(PredictionWindowGui, LoadShowsFlagsAndPredictionAndClicksRecompute) {
    FakeHost host(History(90));
    host.yieldRunsEvents = false;
    Settings predictionSettings;
    一発ズバリン prediction(predictionSettings);
    prediction.OptionClicked(5, true);  // as if read from the settings file
    auto* window = new PredictionWindow(host, prediction);
    EXPECT_EQ(window->windowClass(), QStringLiteral("一発ズバリン"));
    EXPECT_EQ(window->designSize(), QSize(550, 624));
    window->load();
    window->show();
    EXPECT_FALSE(host.entryFree());
    EXPECT_EQ(host.yields, 1);
    EXPECT_TRUE(window->reflectButton(5)->isChecked());
    EXPECT_TRUE(window->ignoreButton(0)->isChecked());
    EXPECT_FALSE(window->reflectButton(0)->isChecked());
    EXPECT_EQ(window->reflectButton(8)->parentWidget()->property("title").toString(), QStringLiteral("■4分割傾向分析"));
    for (int g = 0; g < kPredictionGridCount; ++g)
        EXPECT_EQ(Texts(window->grid(g)->gridModel()), Expected(host.snapshot().history, prediction.optionFlags(), g));

    const auto before = Texts(window->grid(kEliminationGrid)->gridModel());
    QTest::mouseClick(window->reflectButton(2), Qt::LeftButton);
    EXPECT_TRUE(prediction.optionFlag(2));
    EXPECT_TRUE(window->reflectButton(2)->isChecked());
    EXPECT_FALSE(window->ignoreButton(2)->isChecked());
    EXPECT_NE(Texts(window->grid(kEliminationGrid)->gridModel()), before);
    for (int g = 0; g < kPredictionGridCount; ++g)
        EXPECT_EQ(Texts(window->grid(g)->gridModel()), Expected(host.snapshot().history, prediction.optionFlags(), g));

    // The last-digit pairs have no flag.
    const OptionFlags flags = prediction.optionFlags();
    QTest::mouseClick(window->reflectButton(10), Qt::LeftButton);
    EXPECT_TRUE(window->reflectButton(10)->isChecked());
    EXPECT_EQ(prediction.optionFlags(), flags);

    // 印刷 previews the option flags and the four grids the window shows.
    std::vector<PrintDocument> previewed;
    SetPrintPreviewResponder([&](const PrintDocument& doc) { previewed.push_back(doc); });
    QTest::mouseClick(window->printButton(), Qt::LeftButton);
    SetPrintPreviewResponder({});
    ASSERT_EQ(previewed.size(), 1u);
    std::vector<const GridModel*> printedGrids;
    bool flagTwoShown = false;
    for (const PrintItem& item : previewed[0].items) {
        if (item.kind == PrintItem::Kind::Grid) printedGrids.push_back(&item.grid);
        if (item.text.find("■出現回数分析：反映する") != std::string::npos) flagTwoShown = true;
    }
    EXPECT_TRUE(flagTwoShown);
    ASSERT_EQ(printedGrids.size(), std::size_t(kPredictionGridCount));
    for (int g = 0; g < kPredictionGridCount; ++g)
        EXPECT_EQ(Texts(*printedGrids[std::size_t(g)]), Texts(window->grid(g)->gridModel()));
    EXPECT_EQ(previewed[0].rangeText, "第1回〜第90回");
    EXPECT_TRUE(window->isVisible());
    QTest::mouseClick(window->closeButton(), Qt::LeftButton);
    EXPECT_TRUE(host.entryFree());
}

TEST(PredictionWindowGui, ReopenedWindowShowsTheFlagsAsLastClicked) {
    FakeHost host(History(30));
    host.yieldRunsEvents = false;
    Settings predictionSettings;
    一発ズバリン prediction(predictionSettings);
    {
        auto* first = new PredictionWindow(host, prediction);
        first->load();
        QTest::mouseClick(first->reflectButton(9), Qt::LeftButton);
        first->close();
    }
    auto* second = CreatePredictionWindow(host, prediction);
    second->load();
    EXPECT_TRUE(static_cast<PredictionWindow*>(second)->reflectButton(9)->isChecked());
    EXPECT_EQ(prediction.engine().results().optionCount, 1);
    for (int i = 0; i < kOptionFlagCount; ++i)
        EXPECT_TRUE(static_cast<PredictionWindow*>(second)->reflectButton(i)->isEnabled());
    second->close();
}

TEST(PredictionWindowGui, ResultGridsShowEveryColumn) {
    FakeHost host(History(200));
    host.yieldRunsEvents = false;
    Settings predictionSettings;
    一発ズバリン prediction(predictionSettings);
    PredictionWindow window(host, prediction);
    window.load();
    const int columns[] = {4, 6, 7, 8};
    for (int g = 0; g < kPredictionGridCount; ++g) {
        GridView* view = window.grid(g);
        EXPECT_EQ(view->gridModel().columns(), columns[g]);
        int width = 0;
        for (int c = 1; c <= columns[g]; ++c) width += view->columnWidthPixels(view->gridModel().columnWidth(c));
        EXPECT_GE(view->width(), width);
    }
}
