#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/grid_model.h"

using namespace n3;

TEST(GridModel, BlockOperationsStyleExactlyTheirCells) {
    GridModel g;
    g.setSize(5, 4);
    g.setBackground({2, 2, 3, 3}, colours::HeaderYellow);
    g.setForeground({3, 1, 5, 4}, colours::Red);
    EXPECT_EQ(g.style(2, 2).background, colours::HeaderYellow);
    EXPECT_EQ(g.style(3, 3).background, colours::HeaderYellow);
    EXPECT_FALSE(g.style(1, 1).background.isSet());
    EXPECT_FALSE(g.style(4, 2).background.isSet());
    EXPECT_EQ(g.style(3, 2).foreground, colours::Red);
    EXPECT_FALSE(g.style(2, 2).foreground.isSet());
    // Blocks reaching past the grid are cut to it.
    g.setBackground({4, 4, 99, 99}, colours::Blue);
    EXPECT_EQ(g.style(5, 4).background, colours::Blue);
}

TEST(GridModel, OutlineDrawsOnlyTheOuterEdge) {
    GridModel g;
    g.setSize(4, 4);
    g.outlineBlock({2, 2, 3, 3}, colours::LineBlue);
    const auto line = Border{LineStyle::Solid, colours::LineBlue};
    EXPECT_EQ(g.style(2, 2).borders[Left], line);
    EXPECT_EQ(g.style(2, 2).borders[Top], line);
    EXPECT_EQ(g.style(2, 2).borders[Right].style, LineStyle::None);
    EXPECT_EQ(g.style(3, 3).borders[Right], line);
    EXPECT_EQ(g.style(3, 3).borders[Bottom], line);
    EXPECT_EQ(g.style(3, 2).borders[Bottom].style, LineStyle::None);
    EXPECT_EQ(g.style(1, 1).borders[Right].style, LineStyle::None);

    // A one-cell outline closes on all four sides.
    g.outlineBlock({4, 4, 4, 4});
    for (int side = 0; side < 4; ++side) EXPECT_EQ(g.style(4, 4).borders[side].style, LineStyle::Solid);
}

TEST(GridModel, RightLinesAndGridLinesCoverEveryCellOfTheBlock) {
    GridModel g;
    g.setSize(3, 3);
    g.rightLineOnBlock({1, 1, 1, 3}, colours::LineBlue);
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(g.style(1, r).borders[Right].colour, colours::LineBlue);
        EXPECT_EQ(g.style(1, r).borders[Left].style, LineStyle::None);
    }
    g.gridLinesOnBlock({2, 2, 3, 3});
    for (int side = 0; side < 4; ++side) EXPECT_EQ(g.style(2, 3).borders[side].style, LineStyle::Solid);
    g.setBorder({2, 2, 3, 3}, Top, {}, LineStyle::None);
    EXPECT_EQ(g.style(3, 2).borders[Top].style, LineStyle::None);
    EXPECT_EQ(g.style(3, 2).borders[Bottom].style, LineStyle::Solid);
}

TEST(GridModel, TextsSpansAndSizes) {
    GridModel g;
    g.setSize(3, 2);
    g.setText(1, 1, "当 選");
    g.setNumber(2, 1, 42);
    g.setNumber(3, 1, -5);
    g.setText(4, 1, "outside");  // outside the grid: ignored
    EXPECT_EQ(g.text(1, 1), "当 選");
    EXPECT_EQ(g.text(2, 1), "42");
    EXPECT_EQ(g.text(3, 1), "-5");
    EXPECT_TRUE(g.isEmpty(1, 2));
    g.setText(1, 1, "");
    EXPECT_TRUE(g.isEmpty(1, 1));

    g.addSpan(2, 1, 5, 1);
    ASSERT_NE(g.spanAt(3, 1), nullptr);
    EXPECT_EQ(g.spanAt(3, 1)->columns, 2);  // cut at the last column
    EXPECT_EQ(g.spanAt(1, 1), nullptr);

    g.setDefaultRowHeight(10);
    g.setRowHeight(1, 15);
    g.setDefaultColumnWidth(3);
    g.setColumnWidth(1, 5);
    EXPECT_EQ(g.rowHeight(1), 15);
    EXPECT_EQ(g.rowHeight(2), 10);
    EXPECT_EQ(g.columnWidth(1), 5);
    EXPECT_EQ(g.columnWidth(3), 3);
}

// Texts of every length up to past the short ones, each next to texts
// that differ from it in one byte (first, middle or last) or only in
// length: each is kept once and read back as written, however often it
// is written and in whatever order.
TEST(GridModel, TextsDifferingInOneByteOrTheirLengthStayApart) {
    std::vector<std::string> texts;
    for (std::size_t n = 1; n <= 20; ++n) {
        const std::string base = std::string("当選数字●").substr(0, n) + std::string(n > 15 ? n - 15 : 0, 'x');
        texts.push_back(base.substr(0, n));
        for (const std::size_t at : {std::size_t(0), n / 2, n - 1}) {
            std::string other = texts.back();
            other[at] = char(other[at] ^ 1);
            texts.push_back(other);
        }
        texts.push_back(texts.back() + '\0');
    }
    std::sort(texts.begin(), texts.end());
    texts.erase(std::unique(texts.begin(), texts.end()), texts.end());
    GridModel g;
    g.setSize(2, int(texts.size()));
    for (int pass = 0; pass < 2; ++pass)
        for (std::size_t i = 0; i < texts.size(); ++i) g.setText(1 + pass, int(texts.size() - i), texts[i]);
    EXPECT_EQ(g.textCount(), texts.size() + 1);  // and the empty text
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(g.text(1, int(texts.size() - i)), texts[i]) << i;
        EXPECT_EQ(g.text(2, int(texts.size() - i)), texts[i]) << i;
    }
}

TEST(GridModel, LargestGridStaysSmallBecauseStylesAndTextsAreShared) {
    GridModel g;
    g.setSize(32, 32767);
    g.gridLinesOnBlock(g.all(), colours::LineBlue);
    g.setBackground({2, 1, 11, 32767}, colours::LabelCyan);
    for (int r = 1; r <= 32767; ++r) {
        g.setNumber(1, r, r);
        g.setText(2 + r % 30, r, "●");
    }
    EXPECT_LE(g.styleCount(), 4u);
    EXPECT_LT(g.memoryBytes(), 100u * 1024 * 1024);
    EXPECT_EQ(g.text(1, 32767), "32767");
    EXPECT_EQ(g.style(5, 20000).background, colours::LabelCyan);
}

TEST(Colour, PrintsEffectiveHexInLowerCase) {
    EXPECT_EQ(Colour(62, 158, 255).hex(colours::Black), "#3e9eff");
    EXPECT_EQ(Colour().hex(colours::White), "#ffffff");
}

// A text is found by what it says, not by where it is held: one buffer
// rewritten between writes gives each text its own key, and the same text
// from any buffer, short or long, shares one.
TEST(GridModel, RepeatedTextsShareOneKeyWhateverHoldsThem) {
    GridModel g;
    g.setSize(2, 6);
    std::string buffer;
    const std::string longText = "出現回数合計(回)は長い";
    for (int r = 1; r <= 6; ++r) {
        buffer = std::to_string(r % 3) + "回前";
        g.setText(1, r, buffer);
        g.setText(2, r, r % 2 ? std::string_view(longText) : std::string_view("●"));
    }
    EXPECT_EQ(g.textCount(), 1u + 3 + 2);  // the empty text, three gaps, two marks
    for (int r = 1; r <= 6; ++r) {
        EXPECT_EQ(g.text(1, r), std::to_string(r % 3) + "回前");
        EXPECT_EQ(g.text(2, r), r % 2 ? longText : "●");
    }
}
