// Every window has a section in the help document, named by its table row
// (or, for the windows outside the table, by its menu caption); and the
// rows that say their grid is one row a draw have one row for each draw.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "file_bytes.h"
#include "test_history.h"
#include "test_paths.h"
#include "windows/main_commands.h"
#include "windows/window_aliases.h"
#include "windows/window_table.h"

namespace n3 {
namespace {

std::set<std::string> HelpAnchors() {
    const std::string html = testing::FileBytes(n3::testing::kHelpFile);
    std::set<std::string> anchors;
    static const std::regex anchor("<a\\s+name=\"([^\"]+)\"");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), anchor); it != std::sregex_iterator(); ++it)
        anchors.insert((*it)[1].str());
    return anchors;
}

void CollectWindows(const std::vector<MenuItem>& items, std::vector<const MenuItem*>& out) {
    for (const MenuItem& item : items) {
        if (!item.window.empty()) out.push_back(&item);
        CollectWindows(item.children, out);
    }
}

TEST(WindowHelp, EveryTableRowNamesASectionOfTheHelp) {
    const std::set<std::string> anchors = HelpAnchors();
    ASSERT_GT(anchors.size(), 20u) << n3::testing::kHelpFile;
    for (const AnalysisWindowInfo& row : AnalysisWindowTable())
        EXPECT_EQ(anchors.count(std::string(HelpAnchorOf(row))), 1u) << row.className << " → " << HelpAnchorOf(row);
}

TEST(WindowHelp, EveryWindowTheMenusOpenHasASection) {
    const std::set<std::string> anchors = HelpAnchors();
    std::vector<const MenuItem*> items;
    CollectWindows(MenuTree(), items);
    ASSERT_GT(items.size(), AnalysisWindowTable().size());
    for (const MenuItem* item : items) {
        const AnalysisWindowInfo* row = FindAnalysisWindow(item->window);
        const std::string section = row ? std::string(HelpAnchorOf(*row)) : CaptionWithoutAccessKey(item->caption);
        EXPECT_EQ(anchors.count(section), 1u) << item->window << " → " << section;
    }
}

TEST(WindowHelp, AnAnchorDifferentFromTheClassNameIsWrittenInTheRow) {
    const AnalysisWindowInfo* row = FindAnalysisWindow("分割5傾向分析");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(HelpAnchorOf(*row), "5分割傾向分析");
    const AnalysisWindowInfo* plain = FindAnalysisWindow("出現頻度分析");
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(HelpAnchorOf(*plain), "出現頻度分析");
}

// A window whose rows are draws grows by one row for each draw added.
TEST(WindowRows, RowsAreDrawsMeansOneRowForEachDraw) {
    const DrawHistory shorter = testing::generatedHistory(40, 3);
    const DrawHistory longer = testing::generatedHistory(55, 3);
    int drawRows = 0;
    for (const AnalysisWindowInfo& row : AnalysisWindowTable()) {
        if (!row.rowsAreDraws) continue;
        ++drawRows;
        const auto rowsOf = [&row](const DrawHistory& h) {
            return BuildWindowContent(row, WindowInput{h, LoadStartupStatistics(h), {}, {}, {}, {}}).grid().rows();
        };
        EXPECT_EQ(rowsOf(longer) - rowsOf(shorter), 15) << row.className;
    }
    EXPECT_EQ(drawRows, 15);
}

}  // namespace
}  // namespace n3
