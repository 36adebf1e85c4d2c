// The main window under an offscreen display: menus, the child-window
// rules, entryFree and the end.
#include <gtest/gtest.h>

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <fstream>

#include "platform/qt/analysis/analysis_window.h"
#include "platform/qt/common/dialogs.h"
#include "platform/qt/frame/help_window.h"
#include "platform/qt/frame/main_window.h"
#include "platform/qt/grid/grid_view.h"
#include "platform/store/draw_store.h"
#include "settings/settings.h"
#include "temp_dir.h"
#include "test_paths.h"

using namespace n3;
using n3::testing::TempDir;

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        Draw d;
        d.drawNo = 1;
        d.digits = {1, 2, 3};
        DrawStore::Open(dir.file("db.db")).Import({d});
        dialogs::SetMessageResponder([this](const dialogs::MessageRequest& r) {
            messages.push_back(r);
            return dialogs::Result::Ok;
        });
        window = std::make_unique<MainWindow>(dir.file("db.db"), dir.file("settings.ini"));
        ASSERT_TRUE(window->startUp());
    }
    void TearDown() override {
        window.reset();
        dialogs::SetMessageResponder(nullptr);
    }

    // Shows the main window and lets its first activation run: the
    // prediction window opens by itself.
    void showMainWindow() {
        window->show();
        QCoreApplication::processEvents();
    }
    void closePrediction() {
        if (QMdiSubWindow* sub = window->subWindow("一発ズバリン")) sub->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QStringList topCaptions() const {
        QStringList out;
        for (QAction* a : window->menuBar()->actions()) out << a->text();
        return out;
    }

    TempDir dir;
    std::vector<dialogs::MessageRequest> messages;
    std::unique_ptr<MainWindow> window;
};

}  // namespace

TEST_F(MainWindowTest, MenuBarHasEveryItemWithItsCaption) {
    EXPECT_EQ(topCaptions(), (QStringList{"終了(&X)", "印刷(&P)", "一発ズバリン予想(&D)", "データ分析(&S)", "検証(&V)",
                                          "データ管理(&M)", "ゲーム(&G)", "設定(&O)", "ウィンドウ(&W)", "ヘルプ(&H)"}));
    const std::pair<const char*, const char*> items[] = {
        {"frequencyMenu", "頻度分析(&F)"},
        {"appearanceByCount", "回数別出現分析(&K)"},
        {"consecutiveStepping", "連番・飛び石分析(&R)"},
        {"lowHighPattern", "低数字・高数字の組合せパターン分析(&L)"},
        {"division10", "10分割データ分析(&1)"},
        {"lastDigitRuns", "下一桁連続出現回数分析(&Z)"},
        {"entry", "当選データ入力(&I)"},
        {"randomness", "乱数性の検定(&R)"},
        {"tileHorizontal", "上下に並べて表示(&H)"},
        {"arrangeIcons", "アイコンの整列(&A)"},
        {"helpFile", "ヘルプ(&H)"},
        {"about", "バージョン情報(&A)"},
    };
    for (const auto& [name, caption] : items) {
        QAction* a = window->menuAction(QString::fromUtf8(name));
        ASSERT_NE(a, nullptr) << name;
        EXPECT_EQ(a->text(), QString::fromUtf8(caption)) << name;
    }
    // Every analysis item sits in the analysis menu and is enabled.
    auto* analysis = window->menuAction("analysisMenu")->menu();
    int count = 0;
    std::function<void(QMenu*)> walk = [&](QMenu* m) {
        for (QAction* a : m->actions()) {
            if (a->menu())
                walk(a->menu());
            else if (a->isEnabled() && a->isVisible())
                ++count;
        }
    };
    walk(analysis);
    EXPECT_EQ(count, 21);  // the seventeen analyses, 数字検索, 曜日・月別分析, ミニ分析 and ペア分析
    // Every item of the analysis menu and its sub-menus has an access key
    // of its own within its menu.
    std::function<void(QMenu*)> keys = [&](QMenu* m) {
        QSet<QChar> seen;
        for (QAction* a : m->actions()) {
            if (a->isSeparator() || !a->isVisible()) continue;
            const QString text = a->text();
            const qsizetype at = text.indexOf(QLatin1Char('&'));
            ASSERT_GE(at, 0) << text.toStdString();
            ASSERT_LT(at + 1, text.size()) << text.toStdString();
            const QChar key = text.at(at + 1).toUpper();
            EXPECT_FALSE(seen.contains(key)) << text.toStdString();
            seen.insert(key);
            if (a->menu()) keys(a->menu());
        }
    };
    keys(analysis);
    // 一発ズバリン予想 opens the prediction and offers 次回の抽せん.
    QMenu* prediction = window->menuAction("predictionMenu")->menu();
    ASSERT_NE(prediction, nullptr);
    QStringList predictionItems;
    for (QAction* a : prediction->actions()) predictionItems << a->text();
    EXPECT_EQ(predictionItems, (QStringList{"一発ズバリン予想(&Y)", "次回の抽せん(&N)"}));
    EXPECT_FALSE(window->menuAction("maintenanceMenu")->isVisible());
}

TEST_F(MainWindowTest, PredictionOpensAtStartUpAndTheEntryWindowBesideIt) {
    EXPECT_TRUE(window->entryFree());
    showMainWindow();
    ASSERT_NE(window->subWindow("一発ズバリン"), nullptr);
    EXPECT_EQ(window->subWindow("一発ズバリン")->pos(), QPoint(0, 0));
    EXPECT_FALSE(window->entryFree());
    window->trigger("entry");
    EXPECT_TRUE(messages.empty());
    EXPECT_NE(window->subWindow("当選データ入力"), nullptr);
    EXPECT_NE(window->subWindow("一発ズバリン"), nullptr);
}

TEST_F(MainWindowTest, AnalysisOpensAtTheTopLeftOnceAndRecomputesAfterClosing) {
    showMainWindow();
    closePrediction();
    EXPECT_TRUE(window->entryFree());
    ASSERT_TRUE(window->trigger("appearanceFrequency"));
    QMdiSubWindow* sub = window->subWindow("出現頻度分析");
    ASSERT_NE(sub, nullptr);
    EXPECT_FALSE(window->entryFree());
    EXPECT_EQ(sub->pos(), QPoint(0, 0));
    // Its own size, but never larger than the area that shows it.
    EXPECT_EQ(sub->size(),
              ScaledToScreen(QSize(880, 352), window.get()).boundedTo(window->mdiArea()->viewport()->size()));
    auto* analysis = qobject_cast<AnalysisWindow*>(sub->widget());
    ASSERT_NE(analysis, nullptr);
    EXPECT_EQ(analysis->grid()->gridModel().text(3, 3), "●");

    // Chosen again: the same window comes forward, nothing is rebuilt.
    window->trigger("appearanceInterval");
    window->trigger("appearanceFrequency");
    EXPECT_EQ(window->subWindow("出現頻度分析"), sub);
    EXPECT_EQ(window->mdiArea()->activeSubWindow(), sub);
    EXPECT_EQ(window->mdiArea()->subWindowList().size(), 2);

    QTest::mouseClick(analysis->closeButton(), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->subWindow("出現頻度分析"), nullptr);
    EXPECT_TRUE(window->entryFree());  // one flag: another window is still open
    window->trigger("appearanceFrequency");
    EXPECT_NE(window->subWindow("出現頻度分析"), nullptr);
}

TEST_F(MainWindowTest, EntryWindowOpensBesideAnAnalysis) {
    showMainWindow();
    closePrediction();
    window->trigger("dispersion");
    ASSERT_FALSE(window->entryFree());
    window->trigger("entry");
    EXPECT_TRUE(messages.empty());
    EXPECT_NE(window->subWindow("当選データ入力"), nullptr);
    EXPECT_NE(window->subWindow("バラツキ分析"), nullptr);
}

TEST_F(MainWindowTest, ThreeWindowsLeaveTheEntryWindowFree) {
    showMainWindow();
    closePrediction();
    for (const char* name : {"lowHighPattern", "evenOddPattern", "fiveGroupTrend"}) {
        window->trigger(name);
        EXPECT_TRUE(window->entryFree()) << name;
    }
    window->trigger("pull");
    EXPECT_FALSE(window->entryFree());
}

TEST_F(MainWindowTest, TilingStacksOrPlacesSideBySide) {
    showMainWindow();
    closePrediction();
    window->trigger("appearanceFrequency");
    window->trigger("digitSum");
    window->trigger("tileHorizontal");
    const auto subs = window->mdiArea()->subWindowList(QMdiArea::CreationOrder);
    ASSERT_EQ(subs.size(), 2);
    EXPECT_EQ(subs[0]->x(), subs[1]->x());
    EXPECT_LT(subs[0]->y(), subs[1]->y());
    EXPECT_EQ(subs[0]->width(), window->mdiArea()->viewport()->width());
    window->trigger("tileVertical");
    EXPECT_EQ(subs[0]->y(), subs[1]->y());
    EXPECT_LT(subs[0]->x(), subs[1]->x());
    // No minimised window: lining up icons changes nothing.
    const QRect before = subs[1]->geometry();
    window->trigger("arrangeIcons");
    EXPECT_EQ(subs[1]->geometry(), before);
}

TEST_F(MainWindowTest, EndUnloadsEveryChildBeforeTheMainWindow) {
    showMainWindow();
    window->trigger("appearanceFrequency");
    window->trigger("dispersion");
    int unloadedChildren = 0;
    for (QMdiSubWindow* s : window->mdiArea()->subWindowList())
        QObject::connect(qobject_cast<ChildWindow*>(s->widget()), &ChildWindow::unloaded, [&] { ++unloadedChildren; });
    int childrenAtEnd = -1;
    window->setOnUnload([&] { childrenAtEnd = unloadedChildren; });
    window->trigger("quit");
    EXPECT_EQ(childrenAtEnd, 3);  // the prediction and the two analyses
    EXPECT_TRUE(window->entryFree());
    // The option flags went back to the settings file.
    std::ifstream settings(dir.file("settings.ini"));
    EXPECT_TRUE(settings.good());
}

TEST_F(MainWindowTest, HelpOpensAtTheAboutKeywordAndAMissingFileIsReported) {
    window->setHelpPath(QString::fromStdString(dir.file("none.html")));
    window->trigger("helpFile");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains("none.html"));
    EXPECT_EQ(window->helpWindow(), nullptr);

    window->setHelpPath(QString::fromStdString(n3::testing::kHelpFile));
    window->trigger("helpFile");
    ASSERT_NE(window->helpWindow(), nullptr);
    EXPECT_EQ(window->helpWindow()->currentKeyword(), "ナンバーズ3ズバリンLiteについて");
    // Every analysis window can be looked up by its caption.
    for (const auto& item :
         {"出現頻度分析", "回数別頻度分析", "下一桁連続出現回数分析", "3分割データ分析", "一発ズバリン予想"})
        EXPECT_TRUE(window->helpWindow()->keywords().contains(QString::fromUtf8(item))) << item;
}

TEST(MainWindowStartUp, UnusableDatabaseIsReportedAndLeftAlone) {
    TempDir dir;
    const auto path = dir.write("Numbers3Zubarin.db", "not a database");
    std::vector<dialogs::MessageRequest> messages;
    dialogs::SetMessageResponder([&](const dialogs::MessageRequest& r) {
        messages.push_back(r);
        return dialogs::Result::Ok;
    });
    MainWindow window(path, dir.file("settings.ini"));
    EXPECT_FALSE(window.startUp());
    dialogs::SetMessageResponder(nullptr);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(QString::fromStdString(path)));
    EXPECT_EQ(messages[0].icon, dialogs::Icon::Critical);
    std::ifstream in(path);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(in)), {}), "not a database");
}

TEST_F(MainWindowTest, RandomnessTestsOpenFromTheVerifyMenu) {
    showMainWindow();
    closePrediction();
    ASSERT_TRUE(window->trigger("randomness"));
    QMdiSubWindow* sub = window->subWindow("乱数性の検定");
    ASSERT_NE(sub, nullptr);
    auto* w = qobject_cast<AnalysisWindow*>(sub->widget());
    ASSERT_NE(w, nullptr);
    EXPECT_NE(w->rangeControls(), nullptr);
    EXPECT_EQ(w->grid()->gridModel().text(1, 3), "数字の出現回数");
    EXPECT_EQ(w->grid()->gridModel().text(7, 3), "データ不足");  // one draw
}

// The whole daily round (entry, book, import, reload) runs on the one
// connection opened at start-up, and every write reaches the snapshot.
TEST_F(MainWindowTest, OneConnectionServesEveryWindowAndCommand) {
    const int before = DrawStore::ConnectionsOpened();
    closePrediction();
    ASSERT_TRUE(window->trigger(QStringLiteral("entry")));
    ASSERT_NE(window->child(QStringLiteral("当選データ入力")), nullptr);
    window->subWindow(QStringLiteral("当選データ入力"))->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(window->trigger(QStringLiteral("tickets")));
    ASSERT_NE(window->child(QStringLiteral("購入記録")), nullptr);
    window->subWindow(QStringLiteral("購入記録"))->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    const std::string csv = dir.write("more.csv", "回数,第1数字,第2数字,第3数字\r\n2,4,5,6\r\n");
    dialogs::SetFileResponder([&csv](const dialogs::FileRequest&) { return QString::fromStdString(csv); });
    QSignalSpy changed(window.get(), &MainWindow::historyChanged);
    ASSERT_TRUE(window->trigger(QStringLiteral("importCsv")));
    dialogs::SetFileResponder(nullptr);
    QCoreApplication::processEvents();
    EXPECT_EQ(changed.count(), 1);  // one new snapshot for the whole import
    ASSERT_EQ(window->snapshot().history.size(), 2u);
    EXPECT_EQ(window->snapshot().history[1].digits[2], 6);
    ASSERT_TRUE(window->reload());
    EXPECT_EQ(DrawStore::ConnectionsOpened(), before);
}

TEST_F(MainWindowTest, WhatTheRunSetIsWhatTheFileKeeps) {
    // Another program writes the file behind our back; the run's own
    // values win at the end, and the lines it did not set stay as written.
    window->setSetting(settings_keys::kLastImportFolder, "/srv/draws");
    std::ofstream(dir.file("settings.ini"), std::ios::binary) << "月の予算=999\r\nLastImportFolder=/elsewhere\r\n";
    window->close();
    Settings read(dir.file("settings.ini"));
    ASSERT_TRUE(read.Read().ok());
    EXPECT_EQ(read.value(settings_keys::kLastImportFolder), "/srv/draws");
    EXPECT_EQ(read.value(settings_keys::kMonthlyBudget), "999");
    EXPECT_FALSE(read.value(settings_keys::kMainWindowPlacement).empty());
}
