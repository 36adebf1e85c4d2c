// The menu bar and the window table agree: every row is offered in the menu
// it names, and every analysis item of the menus opens a row of the table.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "windows/main_commands.h"
#include "windows/window_aliases.h"
#include "windows/window_table.h"

using namespace n3;

namespace {

void CollectOpenAnalysis(const std::vector<MenuItem>& items, const std::string& top,
                         std::set<std::pair<std::string, std::string>>& into) {
    for (const MenuItem& item : items) {
        if (item.command == Command::OpenAnalysis) into.insert({top, item.window});
        CollectOpenAnalysis(item.children, top, into);
    }
}

}  // namespace

TEST(MenuTree, EveryTableRowHasItsItemAndEveryAnalysisItemARow) {
    std::set<std::pair<std::string, std::string>> inMenus;
    for (const MenuItem& top : MenuTree()) CollectOpenAnalysis(top.children, top.name, inMenus);

    std::set<std::pair<std::string, std::string>> inTable;
    for (const AnalysisWindowInfo& w : AnalysisWindowTable()) {
        inTable.insert({std::string(w.menu.top), std::string(w.className)});
        const MenuItem* item = FindMenuItem(w.menu.name);
        ASSERT_NE(item, nullptr) << w.className;
        EXPECT_EQ(item->caption, w.menu.caption);
        EXPECT_EQ(item->window, w.className);
        if (!w.menu.groupName.empty()) {
            const MenuItem* group = FindMenuItem(w.menu.groupName);
            ASSERT_NE(group, nullptr) << w.menu.groupName;
            EXPECT_EQ(group->caption, w.menu.groupCaption);
        }
    }
    EXPECT_EQ(inMenus, inTable);
}

TEST(MenuTree, AnalysisMenuKeepsItsOrderAndGroups) {
    const MenuItem* analysis = FindMenuItem(kAnalysisMenu);
    ASSERT_NE(analysis, nullptr);
    std::vector<std::string> names;
    for (const MenuItem& item : analysis->children) names.push_back(item.name);
    const std::vector<std::string> expected = {
        "frequencyMenu", "intervalMenu",   "appearanceCount", "dispersion",   "pull",           "consecutiveStepping",
        "digitSum",      "patternMenu",    "fiveGroupTrend",  "divisionMenu", "lastDigitTrend", "lastDigitRuns",
        "numberLookup",  "calendarDigits", "miniGaps",        "digitPairs",
    };
    EXPECT_EQ(names, expected);
    EXPECT_EQ(FindMenuItem("divisionMenu")->children.size(), 3u);
    EXPECT_EQ(FindMenuItem("frequencyMenu")->children[1].caption, "回数別出現分析(&K)");
    // The caption without its key is the menu's word as before.
    EXPECT_EQ(CaptionWithoutAccessKey(FindMenuItem("frequencyMenu")->children[1].caption), "回数別出現分析");
}

TEST(MenuTree, PredictionMenuOpensThePredictionThenTheNextDraw) {
    const MenuItem* menu = FindMenuItem(kPredictionMenu);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->caption, "一発ズバリン予想(&D)");
    ASSERT_EQ(menu->children.size(), 2u);
    EXPECT_EQ(menu->children[0].name, "prediction");
    EXPECT_EQ(menu->children[0].command, Command::Predict);
    EXPECT_EQ(menu->children[1].caption, "次回の抽せん(&N)");
    EXPECT_EQ(menu->children[1].window, "次回の抽せん");
    EXPECT_EQ(FindMenuItem("numberLookup")->caption, "数字検索(&N)");
    EXPECT_EQ(MenuTree()[2].name, kPredictionMenu);  // after 終了 and 印刷
}
